# SPDX-License-Identifier: GPL-3.0-or-later
# Debian's hardening flags for every target of the build, so that the package
# made from this very build is hardened: position-independent executables,
# stack protector, _FORTIFY_SOURCE, format checks, and -z relro -z now.
# The flags come from dpkg-buildflags where it exists, so the build follows
# the distribution's choice; optimisation and debug flags stay the build
# type's own.
option(ROVA_HARDENING "Build with the distribution's hardening flags" ON)
if(NOT ROVA_HARDENING)
  return()
endif()

set(CMAKE_POSITION_INDEPENDENT_CODE ON)
include(CheckPIESupported)
check_pie_supported(LANGUAGES CXX)

find_program(ROVA_DPKG_BUILDFLAGS dpkg-buildflags)
mark_as_advanced(ROVA_DPKG_BUILDFLAGS)
set(_rova_compile "")
set(_rova_link "")
if(ROVA_DPKG_BUILDFLAGS)
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
              ${ROVA_DPKG_BUILDFLAGS} --get ${kind}
      OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
      RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
      continue()
    endif()
    separate_arguments(flags UNIX_COMMAND "${flags}")
    foreach(flag IN LISTS flags)
      # The build type chooses optimisation and debug information; file
      # prefix maps depend on the folder dpkg-buildflags ran in.
      if(flag MATCHES "^-(O.*|g.*|ffile-prefix-map=.*|fdebug-prefix-map=.*)$")
        continue()
      endif()
      if(kind STREQUAL "LDFLAGS")
        list(APPEND _rova_link ${flag})
      else()
        list(APPEND _rova_compile ${flag})
      endif()
    endforeach()
  endforeach()
else()
  set(_rova_compile -D_FORTIFY_SOURCE=2 -fstack-protector-strong -Wformat -Werror=format-security)
  set(_rova_link -Wl,-z,relro -Wl,-z,now)
endif()
list(REMOVE_DUPLICATES _rova_compile)
add_compile_options(${_rova_compile})
add_link_options(${_rova_link})
message(STATUS "Hardening: ${_rova_compile} ${_rova_link}")
