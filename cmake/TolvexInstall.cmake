# Installing the program as a desktop application, and its Debian package.
#
# The program and its help file live together in lib/tolvex (the program looks for the help file
# in its own folder); bin/tolvex is a link to it. The desktop entry opens ".tvs" member files,
# which get a MIME type of their own; icon and AppStream metadata make the program known to the
# desktop's menus and software centres.
include(GNUInstallDirs)

set(TOLVEX_APP_ID nl.tolvex.Tolvex)
set(TOLVEX_PROGRAM_DIR lib/tolvex)
set(packaging ${CMAKE_SOURCE_DIR}/packaging)

install(TARGETS tolvex RUNTIME DESTINATION ${TOLVEX_PROGRAM_DIR})
install(FILES ${TOLVEX_HELP_FILES} DESTINATION ${TOLVEX_PROGRAM_DIR})
install(TARGETS tolvex-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(CODE "
  set(binDir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  file(MAKE_DIRECTORY \"\${binDir}\")
  file(CREATE_LINK ../${TOLVEX_PROGRAM_DIR}/tolvex \"\${binDir}/tolvex\" SYMBOLIC)
  message(STATUS \"Installing: \${binDir}/tolvex -> ../${TOLVEX_PROGRAM_DIR}/tolvex\")
")
install(FILES ${packaging}/${TOLVEX_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging}/${TOLVEX_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${packaging}/${TOLVEX_APP_ID}.mime.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${TOLVEX_APP_ID}.xml)
install(FILES ${packaging}/${TOLVEX_APP_ID}.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The Debian package. The libraries the program links come from dpkg-shlibdeps; the plugins it
# loads at run time (the window system, the help file's database) are named by hand.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tolvex)
set(CPACK_PACKAGE_VENDOR "Tennis Tolvex")
set(CPACK_PACKAGE_CONTACT "Tennis Tolvex <tolvex@example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Ledenbestand en dubbelschema's voor de tennisclub")
set(CPACK_PACKAGE_DESCRIPTION
  "Tennis Tolvex houdt het ledenbestand van een tennisclub bij en berekent uit de leden die
vanavond spelen een dubbelschema: ronden herendubbel en damesdubbel, daarna gemengd dubbel,
met overzichten om af te drukken en te exporteren.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-dejavu-core")
set(CPACK_STRIP_FILES ON)
include(CPack)
