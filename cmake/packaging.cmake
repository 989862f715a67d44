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
# Libraries the binary links come from dpkg-shlibdeps; Qt loads its platform
# plugins and fonts at run time, so those are named here.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")
include(CPack)
