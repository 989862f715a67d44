# Installs the calculator with its menu entry, and packages it for Debian as
# quimbel_1.00_amd64.deb.
include(GNUInstallDirs)
install(TARGETS quimbel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(UNIX AND NOT APPLE)
  install(FILES ${PROJECT_SOURCE_DIR}/app/quimbel.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quimbel)
set(CPACK_PACKAGE_VERSION "1.00")
set(CPACK_PACKAGE_CONTACT "QUIMBEL <quimbel@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Calculatrice de scores de bridge")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Dependencies come from the libraries the binary links (Debian's libqt6gui6
# carries the X11 platform plugin); the suit symbols need a font that has them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")
include(CPack)
