// The line cache behind GETFILE and PUTFILE: the lines of one text file, read
// whole and written back with CR LF when another file is named or the program
// ends.
#pragma once

#include <cstdint>

#include "core/dynstr.h"

class FAST_FILE {
public:
    static constexpr int kLineCount = 256;    // lines 0 to 255
    static constexpr int kLineLength = 1024;  // longer lines are cut

    FAST_FILE() { Empty(); }
    // Writes the cache back when it holds changes.
    ~FAST_FILE() { FillBuffer(nullptr); }
    FAST_FILE(const FAST_FILE&) = delete;
    FAST_FILE& operator=(const FAST_FILE&) = delete;

    // Writes back the cached file if it was changed, then caches `name` (null:
    // stays empty). 0, or 3 when the name resolves nowhere; the name stays
    // cached even then.
    double FillBuffer(const char* name);

    // The text of the line without its trailing control characters, "NO_DATA"
    // when that is empty or the line is past 255, "NO_FILE" when the file
    // resolves nowhere. Returns 0, 3 or 7 and records those errors.
    double GetFile(const char* name, std::int16_t line, DynStr& out);

    // Sets the line's text (cut to 1024 characters). A file that resolves
    // nowhere is created at the write-back. Returns 0, or 7 for a line past 255.
    double PutFile(const char* name, std::int16_t line, const char* text);

private:
    void Empty();
    void WriteBack();
    void ReadLines(const char* path);
    // Whether `name` is a different file from the cached one.
    bool NeedsLoad(const char* name) const;

    char name_[kLineLength];
    char lines_[kLineCount][kLineLength + 1];
    std::int32_t count_;  // the highest line index in use
    bool dirty_;
};

extern FAST_FILE g_FastFile;
