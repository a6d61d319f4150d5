# Menu entry and icon next to the program (installed by the top level), and a Debian package:
#   cmake --install build --prefix /usr/local      cd build && cpack -G DEB
install(FILES ${CMAKE_CURRENT_LIST_DIR}/graceful-trees.desktop DESTINATION share/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/graceful-trees.svg DESTINATION share/icons/hicolor/scalable/apps)

# The software-centre entry (AppStream). The screenshot must be a web address: the README's
# docs/window.png where the project is published.
set(GRACEFUL_APP_ID sk.graceful_trees.graceful_trees)
set(GRACEFUL_SCREENSHOT_URL "https://graceful-trees.c-seed-40b8f641.example/docs/window.png"
    CACHE STRING "Public address of docs/window.png, named in the AppStream metadata")
set(GRACEFUL_METAINFO ${CMAKE_BINARY_DIR}/${GRACEFUL_APP_ID}.metainfo.xml)
configure_file(${CMAKE_CURRENT_LIST_DIR}/graceful-trees.metainfo.xml.in ${GRACEFUL_METAINFO} @ONLY)
install(FILES ${GRACEFUL_METAINFO} DESTINATION share/metainfo)
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  add_test(NAME appstream_metainfo COMMAND ${APPSTREAMCLI} validate --no-net --explain ${GRACEFUL_METAINFO})
endif()

set(GRACEFUL_MAINTAINER "Graceful trees maintainers <maintainers@users.noreply.c-seed-40b8f641.example>"
    CACHE STRING "Maintainer named in the Debian package")

set(CPACK_PACKAGE_NAME graceful-trees)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${GRACEFUL_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Teaching tool for graceful labelings of trees (Slovak interface)")
set(CPACK_PACKAGE_DESCRIPTION
    "Type a tree as a list of edges, label its vertices by hand and see every attempt checked; the program searches the graceful labelings and proposes the one closest to yours.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# dpkg-shlibdeps finds the Qt libraries the program links; the platform plugin, the fonts and
# Qt's own Slovak texts are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2, qt6-translations-l10n")
set(CPACK_GENERATOR DEB)
include(CPack)
