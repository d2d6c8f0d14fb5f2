#include "files/line_cache.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "core/error_log.h"
#include "core/program_end.h"
#include "files/file_system.h"
#include "files/name_resolution.h"

FAST_FILE g_FastFile;

namespace {

// Copies at most `room` characters of the text and terminates the copy.
void CopyCut(char* slot, const char* text, std::size_t room) {
    const std::size_t length = strnlen(text, room);
    std::memcpy(slot, text, length);
    slot[length] = '\0';
}

}  // namespace

void FAST_FILE::Empty() {
    name_[0] = '\0';
    for (auto& line : lines_)
        line[0] = '\0';
    count_ = 0;
    dirty_ = false;
}

bool FAST_FILE::NeedsLoad(const char* name) const {
    return name == nullptr || std::strcmp(name, name_) != 0;
}

void FAST_FILE::WriteBack() {
    ZtFileSystem file;
    if (!file.OpenWrite(name_)) return;  // the changes are lost
    WriteErrorLog("Writing");
    WriteErrorLog(name_);
    for (int i = 0; i <= count_; ++i) {
        file.Write(lines_[i], std::strlen(lines_[i]));
        file.Write("\r\n", 2);
    }
}

// Reads up to 256 lines. A line ends at LF, which is dropped with a CR right
// before it; bytes past a line's 1024th are dropped.
void FAST_FILE::ReadLines(const char* path) {
    ZtFileSystem file;
    if (!file.OpenRead(path)) return;
    char byte = 0;
    for (int slot = 0; slot < kLineCount && file.Read(&byte, 1); ++slot) {
        char* line = lines_[slot];
        int length = 0;
        bool cut = false;
        do {
            if (byte == '\n') {
                // When the line was cut, the byte before the LF was not kept.
                if (!cut && length > 0 && line[length - 1] == '\r') --length;
                break;
            }
            if (length < kLineLength) {
                line[length++] = byte;
            } else {
                cut = true;
            }
        } while (file.Read(&byte, 1));
        line[length] = '\0';
        count_ = slot;
    }
}

double FAST_FILE::FillBuffer(const char* name) {
    if (name_[0] != '\0' && dirty_) WriteBack();
    Empty();
    if (name == nullptr) return 0;
    CopyCut(name_, name, kLineLength - 1);
    const std::string path = ResolveFileName(name_);
    if (path.empty()) return Error(kErrorFile);
    ReadLines(path.c_str());
    return 0;
}

double FAST_FILE::GetFile(const char* name, std::int16_t line, DynStr& out) {
    const auto index = static_cast<std::uint16_t>(line);
    if (index >= kLineCount) {
        out = "NO_DATA";
        return Error(kErrorOutOfMemory);
    }
    if (NeedsLoad(name)) {
        const double code = FillBuffer(name);
        if (code != 0) {
            out = "NO_FILE";
            return code;
        }
    }
    out = lines_[index];
    out.TrimRight();
    if (out.Length() == 0) out = "NO_DATA";
    return 0;
}

double FAST_FILE::PutFile(const char* name, std::int16_t line, const char* text) {
    const auto index = static_cast<std::uint16_t>(line);
    if (index >= kLineCount) return Error(kErrorOutOfMemory);
    if (NeedsLoad(name)) FillBuffer(name);  // a missing file is created at the write-back
    CopyCut(lines_[index], text != nullptr ? text : "", kLineLength);
    count_ = std::max<std::int32_t>(count_, index);
    dirty_ = true;
    return 0;
}
