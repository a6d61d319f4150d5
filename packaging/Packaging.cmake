# Menu entry and icon next to the program (installed by the top level), and a Debian package:
#   cmake --install build --prefix /usr/local      cd build && cpack -G DEB
install(FILES ${CMAKE_CURRENT_LIST_DIR}/graceful-trees.desktop DESTINATION share/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/graceful-trees.svg DESTINATION share/icons/hicolor/scalable/apps)
# graph6 and sparse6 as file types, so that a file manager opens them with the program.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/graceful-trees-mime.xml DESTINATION share/mime/packages
        RENAME graceful-trees.xml)
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
  add_test(NAME desktop_entry COMMAND ${DESKTOP_FILE_VALIDATE} ${CMAKE_CURRENT_LIST_DIR}/graceful-trees.desktop)
  # It exits with 0 on warnings and hints; they count too.
  set_tests_properties(desktop_entry PROPERTIES FAIL_REGULAR_EXPRESSION ".")
endif()

# What Debian wants of every package: the licence, the changelog and a manual page, the last two
# compressed with gzip -9n (no name nor time stamp, so that the package builds the same twice).
# The version 1.0 has no Debian revision, so the package is native and its changelog is
# changelog.gz, not changelog.Debian.gz. The manual page is in Slovak like the program, and it is
# the program's only page, so it is the default one rather than one under man/sk/.
set(GRACEFUL_PACKAGING_DIR ${CMAKE_BINARY_DIR}/packaging)
configure_file(${CMAKE_CURRENT_LIST_DIR}/graceful-trees.1.in ${GRACEFUL_PACKAGING_DIR}/graceful-trees.1 @ONLY)
find_program(GZIP gzip REQUIRED)
set(GRACEFUL_COMPRESSED)
foreach(source ${CMAKE_CURRENT_LIST_DIR}/changelog ${GRACEFUL_PACKAGING_DIR}/graceful-trees.1)
  # gzip replaces the file it compresses: it gets a copy.
  cmake_path(GET source FILENAME name)
  set(copy ${GRACEFUL_PACKAGING_DIR}/gz/${name})
  add_custom_command(OUTPUT ${copy}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${copy}
    COMMAND ${GZIP} -9nf ${copy}
    DEPENDS ${source} VERBATIM)
  list(APPEND GRACEFUL_COMPRESSED ${copy}.gz)
endforeach()
add_custom_target(graceful_package_docs ALL DEPENDS ${GRACEFUL_COMPRESSED})
# Whatever builds the program builds these, so that cpack finds them after a build of it alone.
add_dependencies(graceful-trees graceful_package_docs)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${GRACEFUL_PACKAGING_DIR}/gz/changelog.gz
        DESTINATION share/doc/graceful-trees)
install(FILES ${GRACEFUL_PACKAGING_DIR}/gz/graceful-trees.1.gz DESTINATION share/man/man1)

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
# One line of the control file a line here: Debian wants them within 80 characters.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Type a tree of up to 20 vertices as a list of edges, label its vertices by"
    "hand and see every attempt checked: each edge shows its value and a table"
    "shows which values are covered. On request the program searches the"
    "graceful labelings of the tree, counts them and proposes the one closest to"
    "your filling, or gives a hint of one step."
    ""
    "Trees are read from edge lists and from graph6 and sparse6 files; exercises"
    "are printed and worksheets written as PDF. The interface is in Slovak.")
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

# The package as Debian's checker sees it, and its file types as a desktop resolves them. The
# tests make a package of their own in deb-test/, apart from the one of `make deb`. Once, in the
# plain build: the sanitized program is no package's.
find_program(LINTIAN lintian)
find_program(GIO gio)
find_program(UPDATE_MIME_DATABASE update-mime-database)
find_program(UPDATE_DESKTOP_DATABASE update-desktop-database)
if(NOT GRACEFUL_SANITIZE AND LINTIAN)
  execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE GRACEFUL_DEB_ARCH
                  OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  set(GRACEFUL_TEST_DEB_DIR ${CMAKE_BINARY_DIR}/deb-test)
  set(GRACEFUL_TEST_DEB ${GRACEFUL_TEST_DEB_DIR}/graceful-trees_${PROJECT_VERSION}_${GRACEFUL_DEB_ARCH}.deb)
  add_test(NAME deb_package
           COMMAND ${CMAKE_CPACK_COMMAND} -G DEB -B ${GRACEFUL_TEST_DEB_DIR}
                   --config ${CMAKE_BINARY_DIR}/CPackConfig.cmake)
  set_tests_properties(deb_package PROPERTIES FIXTURES_SETUP graceful_deb)
  # No tag is suppressed: nothing in a package made by CPack forces one.
  add_test(NAME lintian COMMAND ${LINTIAN} --fail-on error,warning ${GRACEFUL_TEST_DEB})
  set_tests_properties(lintian PROPERTIES FIXTURES_REQUIRED graceful_deb)
  if(GIO AND UPDATE_MIME_DATABASE AND UPDATE_DESKTOP_DATABASE)
    add_test(NAME deb_file_types
             COMMAND ${CMAKE_CURRENT_LIST_DIR}/check-file-types.sh ${GRACEFUL_TEST_DEB}
                     ${GRACEFUL_TEST_DEB_DIR}/file-types)
    set_tests_properties(deb_file_types PROPERTIES FIXTURES_REQUIRED graceful_deb)
  endif()
endif()
