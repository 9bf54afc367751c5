# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers shared by every subsystem's CMakeLists.

# The same warnings for every target the project compiles: libraries, programs,
# tests, benchmarks and the build-time tools. The ci preset makes them errors
# (CMAKE_COMPILE_WARNING_AS_ERROR).
add_compile_options(-Wall -Wextra)

# rova_library(<target> SOURCES ... [LIBS ...])
# A static library for one subsystem; tests link the same library as the program.
function(rova_library target)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${target} STATIC ${ARG_SOURCES})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${target} PUBLIC ${ARG_LIBS})
endfunction()

# rova_add_gtest(<name> SOURCES ... [LIBS ...] [GUI] [ARTIFACTS])
# One GoogleTest executable registered with CTest. GUI tests get a QApplication
# (offscreen platform unless a display is asked for) and the program's fonts.
# ARTIFACTS labels the test `artifacts`: it writes pictures for people to look
# at and checks nothing else, so `ctest -LE artifacts` leaves it out.
function(rova_add_gtest name)
  cmake_parse_arguments(ARG "GUI;ARTIFACTS" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock Qt6::Test rova_test_support)
  if(ARG_GUI)
    target_link_libraries(${name} PRIVATE rova_gui_test_main)
  else()
    target_link_libraries(${name} PRIVATE rova_core_test_main)
  endif()
  add_test(NAME ${name} COMMAND ${name})
  if(ARG_ARTIFACTS)
    set_tests_properties(${name} PROPERTIES LABELS artifacts)
  endif()
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ROVA_BUILD_DIR=${PROJECT_BINARY_DIR}"
    TIMEOUT 300)
endfunction()

# rova_resource_library(<target> QRC <file> NAME <rcc name> [ROOT <path>] [RCC_OPTIONS ...] [DEPENDS ...])
# A static library of the resources a generated .qrc lists; ROOT puts them
# under a root of their own (":/twice/"), apart from every other lookup.
function(rova_resource_library target)
  cmake_parse_arguments(ARG "" "QRC;NAME;ROOT" "RCC_OPTIONS;DEPENDS" ${ARGN})
  set(cpp ${CMAKE_CURRENT_BINARY_DIR}/qrc_${ARG_NAME}.cpp)
  set(root_option)
  if(ARG_ROOT)
    set(root_option --root ${ARG_ROOT})
  endif()
  add_custom_command(
    OUTPUT ${cpp}
    COMMAND Qt6::rcc --name ${ARG_NAME} ${root_option} ${ARG_RCC_OPTIONS} --output ${cpp} ${ARG_QRC}
    DEPENDS ${ARG_QRC} ${ARG_DEPENDS}
    COMMENT "Compiling ${ARG_NAME} into resources"
    VERBATIM)
  add_library(${target} STATIC ${cpp})
  target_link_libraries(${target} PUBLIC Qt6::Core)
  set_target_properties(${target} PROPERTIES AUTOMOC OFF)
endfunction()
