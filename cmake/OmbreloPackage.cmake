# The Debian package, made by CPack from an installed tree:
#
#   cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr
#   cmake --build build/release
#   cd build/release && cpack -G DEB
#
# Its dependencies are computed from the programs and libraries it holds
# (dpkg-shlibdeps); the layout is the installed one of OmbreloBuild.cmake.
set(OMBRELO_MAINTAINER "Ombrelo developers <ombrelo@brantel.invalid>")

# Documentation that every Debian package carries.
set(OMBRELO_DOCDIR "${CMAKE_INSTALL_DATADIR}/doc/ombrelo")
execute_process(COMMAND date -u -R -d "${OMBRELO_RELEASE_DATE}"
                OUTPUT_VARIABLE OMBRELO_CHANGELOG_DATE OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
configure_file("${CMAKE_CURRENT_LIST_DIR}/package/changelog.in"
               "${CMAKE_BINARY_DIR}/package/changelog" @ONLY)
find_program(GZIP gzip REQUIRED)
execute_process(COMMAND "${GZIP}" -9nf "${CMAKE_BINARY_DIR}/package/changelog" COMMAND_ERROR_IS_FATAL ANY)
install(FILES "${CMAKE_CURRENT_LIST_DIR}/package/copyright" "${CMAKE_BINARY_DIR}/package/changelog.gz"
        DESTINATION "${OMBRELO_DOCDIR}")

set(CPACK_PACKAGE_NAME ombrelo)
set(CPACK_PACKAGE_VENDOR Brantel)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "${OMBRELO_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "designer of banded gradient backgrounds for Visual Basic forms")
set(CPACK_PACKAGE_DESCRIPTION
    "Ombrelo mixes a banded vertical gradient with sliders, shows it in a preview\n"
    "with the time the drawing took, and gives a one-line call statement and the\n"
    "source of the drawing procedure to paste into a Visual Basic 5 or 6\n"
    "application, where it paints exactly the same gradient. Named styles are\n"
    "kept in a style library; random gradients, a full-screen preview and the\n"
    "desktop wallpaper are a click away.\n"
    "\n"
    "Two reusable control libraries ship with it, a fade-text caption and a link\n"
    "label; both also appear in the widget box of Qt's form designer.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.brantel.invalid/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The private platform library comes with the package itself.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS "${CMAKE_BINARY_DIR}/bin")
# Links open through the desktop's handlers; on a Wayland desktop the designer
# runs natively with Qt's Wayland platform (through XWayland without it).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
