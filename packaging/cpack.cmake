# DEB and RPM packages of the install tree, prefix /usr. Runtime
# dependencies: the shared libraries found by the package tools, plus the QML
# modules and Qt plugins that are loaded at run time. The audio library is
# the client (libpulse), which PipeWire's pulse server and PulseAudio both
# serve: a package never asks for a sound server.
set(TOCKO_PACKAGE_MAINTAINER "Pollix <tocko@pollix.invalid>" CACHE STRING "Maintainer written into the packages")
# Tocko's own code and sounds are GPL-3.0-or-later (LICENSE); the bundled
# typefaces keep their SIL Open Font License (share/tocko/fonts/*/OFL.txt).
set(TOCKO_PACKAGE_LICENSE "GPL-3.0-or-later AND OFL-1.1")  # SPDX, the RPM License field

set(CPACK_PACKAGE_NAME tocko)
set(CPACK_PACKAGE_VENDOR Pollix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${TOCKO_PACKAGE_MAINTAINER}")
set(CPACK_RESOURCE_FILE_LICENSE "${CMAKE_SOURCE_DIR}/LICENSE")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Play a short keyboard sound for every key you press")
set(CPACK_PACKAGE_DESCRIPTION
    "Tocko lives in the system tray and plays a short keyboard sound for every key you press, in every application, with a profile per application, muting during calls and while passwords are typed.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_SOURCE_IGNORE_FILES "/build.*/;/\\\\.git/")

find_program(TOCKO_RPMBUILD rpmbuild)
set(CPACK_GENERATOR DEB)
if(TOCKO_RPMBUILD)
  list(APPEND CPACK_GENERATOR RPM)
endif()

# Debian, Ubuntu
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qml6-module-qtquick, qml6-module-qtquick-templates, qml6-module-qtquick-window, qml6-module-qtqml-workerscript, qml6-module-qtquick-layouts")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "gnome-shell-extension-appindicator")
# No Homepage field: Tocko has no web site of its own yet (TOCKO_HOMEPAGE
# sets one for a distributor's build).
set(TOCKO_HOMEPAGE "" CACHE STRING "Homepage written into the packages (empty: none)")
if(TOCKO_HOMEPAGE)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${TOCKO_HOMEPAGE}")
  set(CPACK_RPM_PACKAGE_URL "${TOCKO_HOMEPAGE}")
endif()

# Fedora
set(CPACK_RPM_FILE_NAME RPM-DEFAULT)
set(CPACK_RPM_PACKAGE_LICENSE "${TOCKO_PACKAGE_LICENSE}")
set(CPACK_RPM_PACKAGE_GROUP "Applications/Multimedia")
set(CPACK_RPM_PACKAGE_AUTOREQ ON)
set(CPACK_RPM_PACKAGE_REQUIRES "qt6-qtdeclarative, qt6-qtsvg")
set(CPACK_RPM_PACKAGE_SUGGESTS "gnome-shell-extension-appindicator")
# Recommends: written as a raw spec line (CPack has no variable of its own).
set(CPACK_RPM_SPEC_MORE_DEFINE "Recommends: google-noto-sans-cjk-fonts\nRecommends: qt6-qtwayland")
set(CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION
    /usr/share/applications /usr/share/metainfo /usr/share/icons /usr/share/icons/hicolor)
foreach(size scalable 16x16 22x22 24x24 32x32 48x48 64x64 128x128 256x256 512x512)
  list(APPEND CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION /usr/share/icons/hicolor/${size}
       /usr/share/icons/hicolor/${size}/apps)
endforeach()

include(CPack)
