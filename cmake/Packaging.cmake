# SPDX-FileCopyrightText: 2026 Tintwell Software
# SPDX-License-Identifier: LicenseRef-proprietary
# Tintwell - what a Linux desktop needs beside the program (desktop entry,
# metainfo, icons, manual page) and the Debian package that carries it all.
include(GNUInstallDirs)

# One name for the desktop entry, the metainfo, the icons and the running
# program (QGuiApplication::desktopFileName), so that a desktop shell groups
# the window with its launcher.
set(TINTWELL_APP_ID example.tintwell.Tintwell)
set(TINTWELL_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

# The icon is drawn once, as SVG; its PNG sizes (the windows' icons too) are
# rendered from it. 64 is also the 32-pixel window icon at twice the scale.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(TINTWELL_ICON_SVG ${TINTWELL_PACKAGING_DIR}/icons/${TINTWELL_APP_ID}.svg)
set(TINTWELL_ICON_DIR ${PROJECT_BINARY_DIR}/icons)
set(TINTWELL_ICON_SIZES 16 32 48 64 128 256)
set(icon_pngs "")
foreach(size IN LISTS TINTWELL_ICON_SIZES)
  set(png ${TINTWELL_ICON_DIR}/tintwell-${size}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${TINTWELL_ICON_DIR}
    COMMAND ${RSVG_CONVERT} --width=${size} --height=${size} --output=${png} ${TINTWELL_ICON_SVG}
    DEPENDS ${TINTWELL_ICON_SVG}
    COMMENT "Rendering the ${size}x${size} icon"
    VERBATIM)
  list(APPEND icon_pngs ${png})
  install(FILES ${png} RENAME ${TINTWELL_APP_ID}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(tintwell_icon_pngs ALL DEPENDS ${icon_pngs})
install(FILES ${TINTWELL_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

install(FILES ${TINTWELL_PACKAGING_DIR}/${TINTWELL_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TINTWELL_PACKAGING_DIR}/${TINTWELL_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# tintwell_install_gzipped(<target> <file> <destination>): the file compressed
# as Debian keeps manual pages and changelogs (-n: no time stamp, so that the
# same sources give the same package), and installed there.
function(tintwell_install_gzipped target file destination)
  get_filename_component(name ${file} NAME)
  add_custom_command(OUTPUT ${file}.gz
    COMMAND gzip -9 -n -f -k ${file}
    DEPENDS ${file}
    COMMENT "Compressing ${name}"
    VERBATIM)
  add_custom_target(${target} ALL DEPENDS ${file}.gz)
  install(FILES ${file}.gz DESTINATION ${destination})
endfunction()

# The manual page, with the version filled in.
set(man_page ${PROJECT_BINARY_DIR}/man/tintwell.1)
configure_file(${TINTWELL_PACKAGING_DIR}/tintwell.1.in ${man_page} @ONLY)
tintwell_install_gzipped(tintwell_man ${man_page} ${CMAKE_INSTALL_MANDIR}/man1)

# The package's copyright, in Debian's machine-readable format, and its
# changelog, compressed, where Debian keeps them.
set(TINTWELL_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/tintwell)
install(FILES ${TINTWELL_PACKAGING_DIR}/debian/copyright DESTINATION ${TINTWELL_DOC_DIR})
set(changelog ${PROJECT_BINARY_DIR}/doc/changelog)
configure_file(${TINTWELL_PACKAGING_DIR}/debian/changelog ${changelog} COPYONLY)
tintwell_install_gzipped(tintwell_changelog ${changelog} ${TINTWELL_DOC_DIR})

# make package: a .deb of everything installed above and the program.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tintwell)
set(CPACK_PACKAGE_VENDOR "Tintwell Software")
set(CPACK_PACKAGE_CONTACT "Tintwell Software <comments@tintwell.example>")
# Debian's rules: a synopsis that is not a sentence (no capital, no full
# stop), then paragraphs that say what the program does for its user.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "paint colour mixer")
set(CPACK_PACKAGE_DESCRIPTION [[
Tintwell mixes a colour from red, green and blue with scroll bars, number
boxes or 24 named basic colours, shows it as a swatch of a chosen size
labelled with its amounts, and prints the swatch on the default printer or
saves it as a picture. Take the printed swatch, or the amounts written on
it, to a paint store to have the colour mixed.

It runs on X11 and, with Qt's Wayland plugin, natively on Wayland.]])
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION}) # all four numbers, not CPack's three
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE http://www.tintwell.example/)
# Stripping and the libraries' dependencies are done as Debian's helpers do
# them, on the staged files (cmake/DebStaging.cmake), which adds what
# dpkg-shlibdeps finds to what the program loads at run time: Qt's X11
# platform plugin and the face that has Arial's metrics. On a Wayland
# session without XWayland it needs Qt's Wayland plugin.
set(CPACK_STRIP_FILES OFF)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/DebStaging.cmake)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)
