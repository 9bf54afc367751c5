# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` and `cpack -G DEB` put on a machine: the programs,
# the desktop entries, the icon, the AppStream data, the manual pages and the
# package's documents. Tests, benchmarks, build-time tools and the static
# libraries stay in the build tree.
# Included after every target exists.
include(GNUInstallDirs)

set(ROVA_DESKTOP_ID lt.rova2004.Rova2004)
# Installing (and cpack) takes the build as it is rather than first building
# every test and benchmark.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(ROVA_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/rova2004)

# rova_install_program(<target>): the program and its manual pages, English and Lithuanian.
function(rova_install_program target)
  install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  # A stripped install (the package's) also drops the compiler's notes, as
  # Debian's own packages do; plain strip leaves them.
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment --remove-section=.note
                      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:${target}>\"
                      COMMAND_ERROR_IS_FATAL ANY)
    endif()")
  install(FILES ${PROJECT_BINARY_DIR}/resources/man/${target}.1.gz
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${PROJECT_BINARY_DIR}/resources/man/lt/${target}.1.gz
          DESTINATION ${CMAKE_INSTALL_MANDIR}/lt/man1)
endfunction()

rova_install_program(rova2004)
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/${ROVA_DESKTOP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The help program; its own hidden desktop entry gives its windows a name and
# icon on the task bar.
rova_install_program(rova2004-help)
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/${ROVA_DESKTOP_ID}.Help.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The teacher's class overview, with its own menu entry and the program's icon.
rova_install_program(rova2004-teacher)
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/${ROVA_DESKTOP_ID}.Teacher.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/lt.rova2004.rova2004.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${PROJECT_BINARY_DIR}/resources/icons/hicolor
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${PROJECT_SOURCE_DIR}/resources/package/copyright
              ${PROJECT_BINARY_DIR}/resources/package/changelog.gz
        DESTINATION ${ROVA_DOC_DIR})
# The lab's configuration file, every line a comment; the path is the one the
# program reads, whatever the prefix, and the package keeps an edited copy.
install(FILES ${PROJECT_SOURCE_DIR}/resources/config/rova2004.conf DESTINATION /etc/rova2004)
file(WRITE ${PROJECT_BINARY_DIR}/debian/conffiles "/etc/rova2004/rova2004.conf\n")

# The Debian package: `cpack -G DEB` in the build folder. The build itself
# carries the hardening flags (cmake/Hardening.cmake).
set(CPACK_PACKAGE_NAME rova2004)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${ROVA_PACKAGE_CONTACT})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "review of the basic-school mathematics course, in Lithuanian")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${ROVA_HOMEPAGE})
# The summary above is the package's first line; this is the rest.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "ROVA 2004 lets basic-school pupils review the mathematics course: a handbook
of formulas and definitions in 18 topics, 90 test tasks that tell at once
whether an answer is right, and statistics of every pupil's checked answers.")
# The libraries the programs link (Qt with its xcb screen plugin in libqt6gui6,
# libjpeg, the C++ run-time) come from dpkg-shlibdeps; the fonts are files the
# program loads at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wine, fonts-dejavu-core")
# Qt's own dialogs and buttons in Lithuanian; without it they stay English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
# Only for a Wayland session without XWayland; the program prefers X11.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-wayland")
# The conffiles list for /etc/rova2004, with Debian's permissions on control files.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_BINARY_DIR}/debian/conffiles)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
