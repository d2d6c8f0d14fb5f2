# The runtime's public headers: the one header a program includes and every
# header it reaches through its #include "..." lines, found by following them.
# These are the headers a program needs to compile, and all that is installed;
# the runtime's other headers, the tests' and the tools' stay private.
function(morvane_public_headers root entry result)
    set(found "")
    set(pending ${entry})
    while(pending)
        list(POP_FRONT pending header)
        if(header IN_LIST found)
            continue()
        endif()
        if(NOT EXISTS ${root}/${header})
            message(FATAL_ERROR "${header}, included by a public header, is not under ${root}")
        endif()
        list(APPEND found ${header})
        file(STRINGS ${root}/${header} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^[^\"]*\"([^\"]+)\".*$" "\\1" included "${line}")
            list(APPEND pending ${included})
        endforeach()
    endwhile()
    list(SORT found)
    set(${result} ${found} PARENT_SCOPE)
    # A change to any of them may change the set.
    list(TRANSFORM found PREPEND ${root}/)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${found})
endfunction()
