# The libraries the runtime links. The build reads this file, and so does a
# program's find_package(Morvane): the runtime is a static library, so every
# program that links it links these too, found the same way.
find_package(OpenGL REQUIRED)
find_package(SDL2 REQUIRED)
find_package(SDL2_image REQUIRED)

# Compression: liblzo2, which has no CMake package of its own.
if(NOT TARGET LZO2::lzo2)
    find_path(LZO2_INCLUDE_DIR lzo/lzo1x.h REQUIRED)
    find_library(LZO2_LIBRARY lzo2 REQUIRED)
    add_library(LZO2::lzo2 UNKNOWN IMPORTED)
    set_target_properties(LZO2::lzo2 PROPERTIES
        IMPORTED_LOCATION ${LZO2_LIBRARY}
        INTERFACE_INCLUDE_DIRECTORIES ${LZO2_INCLUDE_DIR})
endif()
