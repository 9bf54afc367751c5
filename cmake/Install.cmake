# What `cmake --install` and `cpack -G DEB` put on a machine: the programs,
# the desktop entry, the icon and the AppStream data. Tests, benchmarks,
# build-time tools and the static libraries stay in the build tree.
# Included after every target exists.
include(GNUInstallDirs)

set(ROVA_DESKTOP_ID lt.rova2004.Rova2004)

install(TARGETS rova2004 rova2004-help RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/${ROVA_DESKTOP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/${ROVA_DESKTOP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${PROJECT_BINARY_DIR}/resources/icons/hicolor
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# The Debian package: `cpack -G DEB` in the build folder.
set(ROVA_PACKAGE_MAINTAINER "ROVA 2004 <rova2004@localhost>"
    CACHE STRING "Maintainer named in the Debian package")
set(CPACK_PACKAGE_NAME rova2004)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${ROVA_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "review of the basic-school mathematics course, in Lithuanian")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# The summary above is the package's first line; this is the rest.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "ROVA 2004 lets basic-school pupils review the mathematics course: a handbook
of formulas and definitions in 18 topics, 90 test tasks that tell at once
whether an answer is right, and statistics of every pupil's checked answers.")
# The libraries the programs link (Qt, libjpeg, the C++ run-time) come from
# dpkg-shlibdeps; the screen plugin and the fonts are loaded at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-wine, fonts-dejavu-core")
include(CPack)
