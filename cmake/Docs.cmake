# The command reference: `make docs` (the target docs) runs Doxygen over the
# public headers into docs/html of the build, one group a runtime folder.
find_package(Doxygen QUIET)
set(MORVANE_DOCS_DIR ${PROJECT_BINARY_DIR}/docs)
if(DOXYGEN_FOUND)
    list(TRANSFORM MORVANE_PUBLIC_HEADERS PREPEND "\"${PROJECT_SOURCE_DIR}/runtime/" OUTPUT_VARIABLE docs_input)
    list(TRANSFORM docs_input APPEND "\"")
    list(APPEND docs_input "\"${PROJECT_SOURCE_DIR}/docs/groups.dox\"")
    list(JOIN docs_input " \\\n    " MORVANE_DOCS_INPUT)
    configure_file(docs/Doxyfile.in ${MORVANE_DOCS_DIR}/Doxyfile @ONLY)
    add_custom_target(docs
        COMMAND Doxygen::doxygen ${MORVANE_DOCS_DIR}/Doxyfile
        COMMAND ${CMAKE_COMMAND} -E echo "The command reference: ${MORVANE_DOCS_DIR}/html/index.html"
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        VERBATIM)
else()
    add_custom_target(docs
        COMMAND ${CMAKE_COMMAND} -E echo "Doxygen is not installed (scripts/install-deps installs it)"
        COMMAND ${CMAKE_COMMAND} -E false
        VERBATIM)
endif()
