# SPDX-FileCopyrightText: 2026 Tintwell Software
# SPDX-License-Identifier: LicenseRef-proprietary
# Tintwell - run by CPack (CPACK_PRE_BUILD_SCRIPTS) on the files staged for
# the .deb, before the package is made: what Debian's dh_strip and
# dh_shlibdeps do for a package.
#
# CPack's own stripping keeps the compiler's .comment section, and its
# dependency search adds ldconfig to the maintainer scripts for any library
# under /usr/lib, the program's private one in /usr/lib/tintwell too, which
# no other program links and the dynamic linker never looks for. Both are
# off in cmake/Packaging.cmake and done here instead.
set(root "${CPACK_TEMPORARY_DIRECTORY}")

file(GLOB_RECURSE staged LIST_DIRECTORIES false "${root}/*")
set(elf_files "")
foreach(file IN LISTS staged)
  if(NOT IS_SYMLINK "${file}")
    file(READ "${file}" magic LIMIT 4 HEX)
    if(magic STREQUAL "7f454c46")
      list(APPEND elf_files "${file}")
    endif()
  endif()
endforeach()
if(NOT elf_files)
  message(FATAL_ERROR "DebStaging: no program in ${root}")
endif()

# Libraries keep the symbols others link against; programs keep none.
foreach(file IN LISTS elf_files)
  set(keep "")
  if(file MATCHES "\\.so(\\.[0-9]+)*$")
    set(keep --strip-unneeded)
  endif()
  execute_process(
    COMMAND strip --remove-section=.comment --remove-section=.note ${keep} "${file}"
    COMMAND_ERROR_IS_FATAL ANY)
endforeach()

# dpkg-shlibdeps wants to run where a debian/control is, and finds the
# package's own folders (for $ORIGIN in a RUNPATH) by a DEBIAN folder at the
# root of the staged files, made for it only.
set(work "${CPACK_TOPLEVEL_DIRECTORY}/shlibdeps")
file(REMOVE_RECURSE "${work}")
file(WRITE "${work}/debian/control" "")
file(MAKE_DIRECTORY "${root}/DEBIAN")
execute_process(
  COMMAND dpkg-shlibdeps -O ${elf_files}
  WORKING_DIRECTORY "${work}"
  OUTPUT_VARIABLE substvars
  OUTPUT_STRIP_TRAILING_WHITESPACE
  RESULT_VARIABLE status)
file(REMOVE_RECURSE "${root}/DEBIAN")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "DebStaging: dpkg-shlibdeps failed")
endif()
string(REGEX REPLACE "^shlibs:Depends=" "" libraries "${substvars}")
if(libraries STREQUAL substvars OR libraries STREQUAL "")
  message(FATAL_ERROR "DebStaging: dpkg-shlibdeps found no libraries: ${substvars}")
endif()
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${libraries}, ${CPACK_DEBIAN_PACKAGE_DEPENDS}")
