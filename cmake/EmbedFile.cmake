# Writes a C++ source file that holds the bytes of a file, for data compiled
# into a library. Run as a script:
#   cmake -DINPUT=<file> -DOUTPUT=<source> -DHEADER=<header> -DFUNCTION=<name> -P EmbedFile.cmake
# The source includes HEADER and defines `std::span<const std::uint8_t> FUNCTION()`.
foreach(argument INPUT OUTPUT HEADER FUNCTION)
    if(NOT DEFINED ${argument})
        message(FATAL_ERROR "EmbedFile.cmake needs -D${argument}=...")
    endif()
endforeach()

file(READ "${INPUT}" hex HEX)
if(hex STREQUAL "")
    message(FATAL_ERROR "${INPUT} is empty")
endif()
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REPEAT "0x..," 16 line_of_bytes)
string(REGEX REPLACE "(${line_of_bytes})" "\\1\n    " bytes "${bytes}")
get_filename_component(name "${INPUT}" NAME)

# Written under a temporary name and renamed, so an interrupted build never
# leaves half a source behind.
file(WRITE "${OUTPUT}.part"
    "// The bytes of ${name}, made by the build; not to be edited.\n"
    "#include \"${HEADER}\"\n\n"
    "namespace {\n\n"
    "constexpr std::uint8_t kBytes[] = {\n    ${bytes}\n};\n\n"
    "}  // namespace\n\n"
    "std::span<const std::uint8_t> ${FUNCTION}() {\n    return kBytes;\n}\n")
file(RENAME "${OUTPUT}.part" "${OUTPUT}")
