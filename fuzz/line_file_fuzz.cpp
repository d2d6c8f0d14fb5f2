// Fuzz harness: the line cache reading an arbitrary text file, every line asked for.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "core/dynstr.h"
#include "files/line_cache.h"
#include "files/line_file_commands.h"
#include "platform/temp_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = PrivateTempFolder() + "fuzz-lines.txt";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return 0;
    if (size > 0) std::fwrite(data, 1, size, file);
    std::fclose(file);
    for (int line = 0; line < FAST_FILE::kLineCount; ++line) {
        DynStr text;
        GETFILE(path.c_str(), line, text);
    }
    g_FastFile.FillBuffer(nullptr);
    std::remove(path.c_str());
    return 0;
}
