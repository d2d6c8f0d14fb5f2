# Checks that every command of the public headers under RUNTIME_DIR (morvane.h
# and what it includes) has its one-line comment, which the reference shows.
#
#   cmake -DRUNTIME_DIR=dir -P check_command_comments.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/PublicHeaders.cmake)
morvane_public_headers(${RUNTIME_DIR} morvane.h headers)
execute_process(COMMAND awk -f ${CMAKE_CURRENT_LIST_DIR}/command_comments.awk ${headers}
                WORKING_DIRECTORY ${RUNTIME_DIR} RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "a public command has no comment")
endif()
