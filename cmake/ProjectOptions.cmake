# Compiler settings shared by every target of the project.

if(MORVANE_SANITIZE)
    # Any report ends the process with a failure, so a sanitizer finding fails its test.
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()

# Warnings as errors on the project's own code (not on third-party code it builds).
function(morvane_project_options target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

if(MORVANE_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "MORVANE_FUZZ needs clang (libFuzzer): configure with -DCMAKE_CXX_COMPILER=clang++")
    endif()
    # Coverage for the fuzzer and the sanitizers in everything, the runtime
    # included; any sanitizer report ends the run, so the fuzzer sees it as a finding.
    set(MORVANE_BUILD_FUZZERS ON)
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()
