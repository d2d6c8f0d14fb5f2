# Reads the `#include "..."` lines of every source under RUNTIME_DIR and fails
# when a folder includes one above it. From the bottom: platform, core, files,
# gfx2d, gfx3d; then media, net and pathfinding side by side (each may use
# everything below it, none of them another); app on top. Files at the root of
# the runtime (the public header) count as the top. An include without a folder
# names a file of the including folder.
#
#   cmake -DRUNTIME_DIR=<folder> -P check_layering.cmake

set(rank_platform 0)
set(rank_core 1)
set(rank_files 2)
set(rank_gfx2d 3)
set(rank_gfx3d 4)
set(rank_media 5)
set(rank_net 5)
set(rank_pathfinding 5)
set(rank_app 6)

if(NOT IS_DIRECTORY "${RUNTIME_DIR}")
    message(FATAL_ERROR "No runtime folder to check: '${RUNTIME_DIR}'")
endif()

# The layer a path under the runtime belongs to; empty for a path outside it.
function(layer_of path result)
    if(path STREQUAL "morvane.h" OR NOT path MATCHES "/")
        set(${result} app PARENT_SCOPE)
    else()
        string(REGEX REPLACE "/.*" "" folder "${path}")
        set(${result} ${folder} PARENT_SCOPE)
    endif()
endfunction()

file(GLOB_RECURSE sources RELATIVE "${RUNTIME_DIR}" "${RUNTIME_DIR}/*.h" "${RUNTIME_DIR}/*.cpp")
set(faults "")
foreach(source IN LISTS sources)
    layer_of("${source}" layer)
    if(NOT DEFINED rank_${layer})
        string(APPEND faults "\n  ${source}: the folder '${layer}' has no place in the layering")
        continue()
    endif()
    file(STRINGS "${RUNTIME_DIR}/${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" included "${line}")
        if(included MATCHES "/")
            layer_of("${included}" used)
        elseif(included STREQUAL "morvane.h")
            set(used app)
        else()
            set(used ${layer})
        endif()
        if(NOT DEFINED rank_${used} OR used STREQUAL layer)
            continue()
        endif()
        if(NOT rank_${used} LESS rank_${layer})
            string(APPEND faults "\n  ${source} includes \"${included}\": ${layer} may not use ${used}")
        endif()
    endforeach()
endforeach()

if(faults)
    message(FATAL_ERROR "Includes that run against the layering:${faults}")
endif()
list(LENGTH sources checked)
message(STATUS "${checked} files include only what lies below them")
