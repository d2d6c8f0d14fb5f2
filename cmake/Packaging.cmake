# `make package`: a Debian package of what `cmake --install` installs (the
# runtime's libraries and headers, its CMake and pkg-config files, and the
# shoebox and dddconv tools), through CPack.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME libmorvane-dev)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Seed 97a00f90 maintainers <maintainers@users.noreply.c-seed-97a00f90.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Morvane, a command runtime for real-time 2D and 3D games")
set(CPACK_PACKAGE_DESCRIPTION
    "A C++ library of upper-case commands (SHOWSCREEN, PRINT, SPRITE, X_DRAWOBJ, KEY, GETFILE, ...) with its
window, OpenGL display, 2D and 3D drawing, input, files, resource containers and compression. A program
includes <morvane/morvane.h> and links Morvane::morvane (CMake) or morvane (pkg-config). The package also
holds the shoebox container tool and the dddconv model converter.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION libdevel)
# The tools' shared libraries are found by dpkg-shlibdeps; a program that links
# the static library needs the development packages of every library it uses
# (the list of cmake/MorvaneDependencies.cmake), and libmpv's shared library,
# which the runtime opens when a video plays.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libsdl2-dev, libsdl2-image-dev, libgl-dev, liblzo2-dev, libenet-dev, libsdl2-mixer-dev, libmpv2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "cmake, pkg-config, g++")
include(CPack)
