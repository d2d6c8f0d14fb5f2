#include "replacing_file.h"

#include <unistd.h>

#include <system_error>

ReplacingFile::ReplacingFile(std::filesystem::path target) : target_(std::move(target)) {
    temporary_ = target_;
    temporary_ += ".shoebox-" + std::to_string(getpid());
}

ReplacingFile::~ReplacingFile() {
    if (committed_) return;
    stream_.close();
    std::error_code ignored;
    std::filesystem::remove(temporary_, ignored);
}

bool ReplacingFile::Open(bool copy_target, std::string& error) {
    std::error_code code;
    if (copy_target) {
        std::filesystem::copy_file(target_, temporary_, std::filesystem::copy_options::overwrite_existing,
                                   code);
        if (code) {
            error = "cannot copy " + target_.string() + ": " + code.message();
            return false;
        }
    }
    stream_.open(temporary_, std::ios::binary | (copy_target ? std::ios::app : std::ios::trunc));
    if (!stream_) {
        error = "cannot write " + temporary_.string();
        return false;
    }
    return true;
}

bool ReplacingFile::Commit(std::string& error) {
    stream_.close();
    if (!stream_) {
        error = "cannot write " + temporary_.string();
        return false;
    }
    std::error_code code;
    std::filesystem::rename(temporary_, target_, code);
    if (code) {
        error = "cannot replace " + target_.string() + ": " + code.message();
        return false;
    }
    committed_ = true;
    return true;
}
