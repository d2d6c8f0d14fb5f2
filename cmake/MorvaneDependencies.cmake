# The libraries the runtime links. The build reads this file, and so does a
# program's find_package(Morvane): the runtime is a static library, so every
# program that links it links these too, found the same way.
find_package(OpenGL REQUIRED)
find_package(SDL2 REQUIRED)
find_package(SDL2_image REQUIRED)

# A library without a CMake package of its own, as the imported target
# `target`, from one of its headers and its name.
function(morvane_import_library target header name)
    if(TARGET ${target})
        return()
    endif()
    string(MAKE_C_IDENTIFIER ${target} variable)
    find_path(${variable}_INCLUDE_DIR ${header} REQUIRED)
    find_library(${variable}_LIBRARY ${name} REQUIRED)
    add_library(${target} UNKNOWN IMPORTED GLOBAL)
    set_target_properties(${target} PROPERTIES
        IMPORTED_LOCATION ${${variable}_LIBRARY}
        INTERFACE_INCLUDE_DIRECTORIES ${${variable}_INCLUDE_DIR})
endfunction()

# Compression: liblzo2.
morvane_import_library(LZO2::lzo2 lzo/lzo1x.h lzo2)
# Networking: ENet.
morvane_import_library(ENet::enet enet/enet.h enet)
# Sound and music: SDL_mixer, through pkg-config. (libmpv is not linked: the
# runtime opens it when the first video plays.)
find_package(PkgConfig REQUIRED)
if(NOT TARGET PkgConfig::SDL2_MIXER)
    pkg_check_modules(SDL2_MIXER REQUIRED IMPORTED_TARGET GLOBAL SDL2_mixer)
endif()
