# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installation for a Linux desktop: the program, its menu entry, themed icons
# and the software-centre description; `cpack -G DEB` packs the same tree.
include(GNUInstallDirs)
set(VANTREL_APP_ID com.example.vantrel)
# Where the screenshots of docs/ are published; the metainfo names them there.
set(VANTREL_SCREENSHOT_URL "https://www.example.com/vantrel/docs" CACHE STRING
  "Web folder that holds the screenshots of docs/")
install(TARGETS vantrel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${VANTREL_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/assets/vantrel-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME vantrel.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/assets/vantrel.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
configure_file(${CMAKE_CURRENT_LIST_DIR}/${VANTREL_APP_ID}.metainfo.xml.in
  ${CMAKE_CURRENT_BINARY_DIR}/${VANTREL_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${VANTREL_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# Access to /dev/uinput for the user at the seat; udev reads
# <prefix>/lib/udev/rules.d for the prefixes /usr and /usr/local.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/70-vantrel-uinput.rules DESTINATION lib/udev/rules.d)

set(CPACK_PACKAGE_NAME vantrel)
# All four parts: CPack would otherwise stop at major.minor.patch.
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Vantrel developers")
set(CPACK_PACKAGE_CONTACT "Vantrel developers <vantrel@example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "clicks the mouse at a set interval; shutdown timer")
set(CPACK_PACKAGE_DESCRIPTION
  "Vantrel clicks the left, right or middle mouse button at the pointer once per\n"
  "interval, starts and stops with F9 from any application, and runs a shutdown,\n"
  "restart or log-off timer.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.example.com/")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# dpkg-shlibdeps names the Qt, X11 and C++ runtime packages the binary links;
# the X11 platform and JPEG/ICO image plugins come with libqt6gui6.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The free Tahoma-metric face the fixed layout was drawn for, and Qt's
# Wayland plugin for sessions without XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wine, qt6-wayland")
include(${CMAKE_CURRENT_LIST_DIR}/Debian.cmake)
include(CPack)
