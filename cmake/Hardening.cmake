# SPDX-FileCopyrightText: 2026 Tintwell Software
# SPDX-License-Identifier: LicenseRef-proprietary
# Tintwell - the hardening that every Debian package is built with: the
# strong stack protector, _FORTIFY_SOURCE, RELRO with immediate binding
# (BIND_NOW), stack clash protection and control-flow protection (CET).
#
# The flags come from dpkg-buildflags where it is there, so that they follow
# the distribution; the ones this dpkg does not hand out yet (Debian 12 gives
# neither stack clash nor CET protection) are added where the compiler has
# them. _FORTIFY_SOURCE is raised from level 2 to 3 where the compiler knows
# object sizes at run time (GCC 12): level 2 checks only copies into objects
# of a size known when compiling, and this program, all C++ containers, has
# none. Optimisation and debug information stay the build type's, and
# _FORTIFY_SOURCE, which needs the optimiser, is left out of unoptimised
# builds.
include(CheckCXXCompilerFlag)
include(CheckCXXSourceCompiles)

# tintwell_dpkg_buildflags(<out-var> <CPPFLAGS|CXXFLAGS|LDFLAGS>): the flags,
# as a list, with every hardening feature on.
function(tintwell_dpkg_buildflags out kind)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
      ${TINTWELL_DPKG_BUILDFLAGS} --get ${kind}
    OUTPUT_VARIABLE flags
    OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  # -g and -O are the build type's; the prefix map is for package builds
  # and names the folder dpkg-buildflags ran in.
  list(FILTER flags EXCLUDE REGEX "^-(g.*|O.*|f(file|debug|macro)-prefix-map=.*)$")
  set(${out} ${flags} PARENT_SCOPE)
endfunction()

# tintwell_harden(<target>): the flags, on an interface target that every
# target of the project links.
function(tintwell_harden target)
  find_program(TINTWELL_DPKG_BUILDFLAGS dpkg-buildflags)
  if(TINTWELL_DPKG_BUILDFLAGS)
    tintwell_dpkg_buildflags(preprocessor CPPFLAGS)
    tintwell_dpkg_buildflags(compiler CXXFLAGS)
    tintwell_dpkg_buildflags(linker LDFLAGS)
  else()
    set(preprocessor -D_FORTIFY_SOURCE=2)
    set(compiler -fstack-protector-strong -Wformat -Werror=format-security)
    set(linker -Wl,-z,relro -Wl,-z,now)
  endif()
  foreach(flag -fstack-clash-protection -fcf-protection)
    string(MAKE_C_IDENTIFIER "TINTWELL_HAS${flag}" has_flag)
    if(NOT flag IN_LIST compiler)
      check_cxx_compiler_flag(${flag} ${has_flag})
      if(${has_flag})
        list(APPEND compiler ${flag})
      endif()
    endif()
  endforeach()
  check_cxx_source_compiles([[
    #if !__has_builtin(__builtin_dynamic_object_size)
    #error no object sizes at run time
    #endif
    int main() { return 0; }]] TINTWELL_HAS_DYNAMIC_OBJECT_SIZE)
  if(TINTWELL_HAS_DYNAMIC_OBJECT_SIZE)
    list(TRANSFORM preprocessor REPLACE "^-D_FORTIFY_SOURCE=2$" "-D_FORTIFY_SOURCE=3")
  endif()
  set(optimised $<CONFIG:Release,RelWithDebInfo,MinSizeRel>)
  foreach(flag IN LISTS preprocessor)
    if(flag MATCHES "^-D_FORTIFY_SOURCE")
      # Undefined first: some compilers define a level of their own.
      target_compile_options(${target} INTERFACE
        $<${optimised}:-U_FORTIFY_SOURCE> $<${optimised}:${flag}>)
    else()
      target_compile_options(${target} INTERFACE ${flag})
    endif()
  endforeach()
  target_compile_options(${target} INTERFACE ${compiler})
  target_link_options(${target} INTERFACE ${linker})
  message(STATUS "Hardening: ${preprocessor} ${compiler} ${linker}")
endfunction()
