// An output file that takes the place of its target only when it is complete:
// it is written under a temporary name beside the target and renamed over it on
// Commit, and removed when dropped uncommitted, so a failure never leaves a
// half-written file behind.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>

class ReplacingFile {
public:
    explicit ReplacingFile(std::filesystem::path target);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Starts empty, or (for appending) as a copy of the target with its permissions.
    bool Open(bool copy_target, std::string& error);
    std::ostream& Stream() { return stream_; }
    // Writes everything out and puts the file in the target's place.
    bool Commit(std::string& error);

private:
    std::filesystem::path target_;
    std::filesystem::path temporary_;
    std::ofstream stream_;
    bool committed_ = false;
};
