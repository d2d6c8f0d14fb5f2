// Fuzz harness: the line cache reading an arbitrary text file, every line asked
// for. A line read back never holds a line break and never passes the length
// a line is cut to (an overlong copy would run into the next line unseen).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <unistd.h>

#include "core/dynstr.h"
#include "files/line_cache.h"
#include "files/line_file_commands.h"
#include "platform/temp_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // One file per process: harnesses of several test runs may share the folder.
    const std::string folder = PrivateTempFolder();
    if (folder.empty()) return 0;
    const std::string path = folder + "fuzz-lines-" + std::to_string(getpid()) + ".txt";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return 0;
    if (size > 0) std::fwrite(data, 1, size, file);
    std::fclose(file);
    for (int line = 0; line < FAST_FILE::kLineCount; ++line) {
        DynStr text;
        GETFILE(path.c_str(), line, text);
        if (text.Length() > FAST_FILE::kLineLength || std::strchr(text.c_str(), '\n') != nullptr)
            std::abort();
    }
    g_FastFile.FillBuffer(nullptr);
    std::remove(path.c_str());
    return 0;
}
