# Morvane as a package: `cmake --install` puts the libraries, the public
# headers under include/morvane/, the tools, a CMake package and a pkg-config
# file under the prefix. Inside this tree the same Morvane:: names are aliases,
# so a CMake file written against the installed package builds here too.
include(CMakePackageConfigHelpers)
include(cmake/PublicHeaders.cmake)

add_library(Morvane::morvane ALIAS morvane)
add_library(Morvane::runtime ALIAS morvane_runtime)
add_executable(Morvane::shoebox ALIAS shoebox)
add_executable(Morvane::dddconv ALIAS dddconv)
set_target_properties(morvane_runtime PROPERTIES EXPORT_NAME runtime)

set(MORVANE_HEADER_DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/morvane)
morvane_public_headers(${PROJECT_SOURCE_DIR}/runtime morvane.h MORVANE_PUBLIC_HEADERS)
foreach(header IN LISTS MORVANE_PUBLIC_HEADERS)
    get_filename_component(folder ${header} DIRECTORY)
    install(FILES runtime/${header} DESTINATION ${MORVANE_HEADER_DESTINATION}/${folder})
endforeach()

install(TARGETS morvane morvane_runtime shoebox dddconv EXPORT MorvaneTargets
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(MORVANE_CMAKE_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Morvane)
install(EXPORT MorvaneTargets NAMESPACE Morvane:: DESTINATION ${MORVANE_CMAKE_DESTINATION})
configure_package_config_file(cmake/MorvaneConfig.cmake.in ${PROJECT_BINARY_DIR}/MorvaneConfig.cmake
    INSTALL_DESTINATION ${MORVANE_CMAKE_DESTINATION})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/MorvaneConfigVersion.cmake
    COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/MorvaneConfig.cmake ${PROJECT_BINARY_DIR}/MorvaneConfigVersion.cmake
    cmake/MorvaneDependencies.cmake
    DESTINATION ${MORVANE_CMAKE_DESTINATION})

# The pkg-config file finds its prefix from where it lies, so it holds under
# any --prefix given at install time.
set(MORVANE_PC_DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
file(RELATIVE_PATH MORVANE_PC_PREFIX_FROM_PCFILEDIR /prefix/${MORVANE_PC_DESTINATION} /prefix)
set(MORVANE_PC_REQUIRES "sdl2 SDL2_image SDL2_mixer gl lzo2 libenet")
# The runtime opens libmpv itself, where the C library has dlopen apart.
list(TRANSFORM CMAKE_DL_LIBS PREPEND -l OUTPUT_VARIABLE MORVANE_PC_DL_LIBS)
string(JOIN " " MORVANE_PC_DL_LIBS ${MORVANE_PC_DL_LIBS})
configure_file(cmake/morvane.pc.in ${PROJECT_BINARY_DIR}/morvane.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/morvane.pc DESTINATION ${MORVANE_PC_DESTINATION})
