# Installation and the Debian package of the desktop program. Included from
# the top-level CMakeLists after the targets exist; without the Qt program
# (TRAVERSE_GUI=OFF) there is nothing to install.
#   cmake --install build --prefix /usr/local
#   cpack --config build/CPackConfig.cmake -B <dir>     -> traverse-adjust_<version>_<arch>.deb
if(NOT TARGET traverse-adjust)
  return()
endif()

include(GNUInstallDirs)

set(TRAVERSE_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})

install(TARGETS traverse-adjust RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${TRAVERSE_PACKAGING_DIR}/traverse-adjust.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${TRAVERSE_PACKAGING_DIR}/icons/${size}x${size}/traverse-adjust.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${TRAVERSE_PACKAGING_DIR}/icons/scalable/traverse-adjust.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(TRAVERSE_PACKAGE_MAINTAINER "traverse-adjust maintainers <maintainers@traverse-adjust.invalid>"
    CACHE STRING "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME traverse-adjust)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${TRAVERSE_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "approximate adjustment of a connecting traverse")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The extended description; the synopsis line is the summary above.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "A desktop calculator for surveyors: the angles and sides of a traverse
between two known points are typed one by one; it distributes the azimuth
and coordinate closures and lists the adjusted coordinates. Chinese user
interface.")

# Every text on screen is Chinese: without a CJK font it shows as boxes. No
# linked library asks for one, so it is named here.
set(TRAVERSE_CJK_FONT "fonts-arphic-uming | fonts-noto-cjk")
find_program(TRAVERSE_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(TRAVERSE_DPKG_SHLIBDEPS)
  # The Qt, C++ and C runtime packages with the versions the binary needs.
  # libqt6widgets6 brings libqt6gui6, whose X11 platform plugin shows the window.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${TRAVERSE_CJK_FONT}")
else()
  find_package(Qt6 REQUIRED COMPONENTS Core)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
      "libqt6widgets6 (>= ${Qt6_VERSION}), libqt6gui6 (>= ${Qt6_VERSION}), libqt6core6 (>= ${Qt6_VERSION}), libstdc++6, libc6, ${TRAVERSE_CJK_FONT}")
endif()

include(CPack)
