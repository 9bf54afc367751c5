# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DCPACK=... -DBUILD_DIR=... -DOUT=... -P package_test.cmake
# Makes the Debian package from the build as an administrator would and lets
# lintian judge it: no error, no warning, and none of the hardening or
# stripping notes that only show as information.
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${CPACK} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${OUT}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
file(GLOB debs ${OUT}/*.deb)
list(LENGTH debs count)
if(NOT rc EQUAL 0 OR NOT count EQUAL 1)
  message(FATAL_ERROR "cpack made ${count} packages (${rc}): ${out}")
endif()

execute_process(COMMAND lintian --pedantic --display-info --tag-display-limit 0 ${debs}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
message(STATUS "lintian --pedantic:\n${out}")
string(REGEX MATCHALL "(^|\n)[EW]: [^\n]*" refused "${out}")
string(REGEX MATCHALL "(^|\n)[IP]: [^\n]*(hardening-|binary-has-unneeded-section)[^\n]*" unhardened "${out}")
if(refused OR unhardened OR err MATCHES "^E: |\nE: ")
  message(FATAL_ERROR "lintian finds fault with the package:${refused}${unhardened}\n${err}")
endif()
