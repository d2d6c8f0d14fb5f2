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
