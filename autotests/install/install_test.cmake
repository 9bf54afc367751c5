# cmake -DBUILD_DIR=... -DSTAGE=... -DDESKTOP_ID=... -P install_test.cmake
set(failures "")
macro(fail text)
  string(APPEND failures "\n  ${text}")
endmacro()

file(REMOVE_RECURSE ${STAGE})
set(ENV{DESTDIR} ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
                RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc}): ${err}")
endif()
set(root ${STAGE}/usr)

# Exactly these files: no tests, benchmarks, build tools or libraries.
set(sizes 16 22 24 32 48 64 128 256)
set(expected
  bin/rova2004
  bin/rova2004-help
  share/applications/${DESKTOP_ID}.desktop
  share/metainfo/${DESKTOP_ID}.metainfo.xml
  share/icons/hicolor/scalable/apps/rova2004.svg)
foreach(side IN LISTS sizes)
  list(APPEND expected share/icons/hicolor/${side}x${side}/apps/rova2004.png)
endforeach()
file(GLOB_RECURSE found LIST_DIRECTORIES false RELATIVE ${root} ${STAGE}/*)
list(SORT expected)
list(SORT found)
if(NOT found STREQUAL expected)
  set(extra ${found})
  list(REMOVE_ITEM extra ${expected})
  set(missing ${expected})
  list(REMOVE_ITEM missing ${found})
  fail("installed files differ: extra [${extra}] missing [${missing}]")
endif()

# The programs are executables of this machine, not scripts or leftovers.
foreach(program rova2004 rova2004-help)
  if(EXISTS ${root}/bin/${program})
    file(READ ${root}/bin/${program} magic LIMIT 4 HEX)
    if(NOT magic STREQUAL "7f454c46")
      fail("bin/${program} is not an ELF executable")
    endif()
  endif()
endforeach()

# Each bitmap icon is as large as the folder it is in says.
foreach(side IN LISTS sizes)
  set(png ${root}/share/icons/hicolor/${side}x${side}/apps/rova2004.png)
  if(NOT EXISTS ${png})
    continue()
  endif()
  file(READ ${png} header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 32 8 w)
  string(SUBSTRING "${header}" 40 8 h)
  math(EXPR w "0x${w}")
  math(EXPR h "0x${h}")
  if(NOT w EQUAL side OR NOT h EQUAL side)
    fail("the ${side}x${side} icon is ${w}x${h}")
  endif()
endforeach()

# The desktop entry starts the installed program and shows the installed icon.
set(desktop ${root}/share/applications/${DESKTOP_ID}.desktop)
if(EXISTS ${desktop})
  file(STRINGS ${desktop} lines)
  set(exec "")
  set(icon "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^Exec=([^ ]+)")
      set(exec ${CMAKE_MATCH_1})
    elseif(line MATCHES "^Icon=(.+)$")
      set(icon ${CMAKE_MATCH_1})
    endif()
  endforeach()
  if(NOT exec STREQUAL "rova2004")
    fail("the desktop entry runs '${exec}', not the installed rova2004")
  endif()
  if(NOT EXISTS ${root}/share/icons/hicolor/scalable/apps/${icon}.svg)
    fail("the desktop entry's icon '${icon}' is not installed")
  endif()
  execute_process(COMMAND desktop-file-validate ${desktop}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
    fail("desktop-file-validate: ${rc} ${out}")
  endif()
endif()

set(metainfo ${root}/share/metainfo/${DESKTOP_ID}.metainfo.xml)
if(EXISTS ${metainfo})
  execute_process(COMMAND appstreamcli validate --no-net ${metainfo}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    fail("appstreamcli validate: ${rc} ${out}")
  endif()
endif()

if(NOT failures STREQUAL "")
  message(FATAL_ERROR "The installation is not right:${failures}")
endif()
