// The file layer's tests: a scratch folder that is the current directory, and whole-file reads and writes.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "morvane.h"
#include "platform/temp_folder.h"

// A file in the test process's own temporary folder.
inline std::string TempPath(const std::string& name) {
    return std::string(std::getenv("TMPDIR")) + "/" + name;
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    WriteBytes(path, std::string(bytes.begin(), bytes.end()));
}

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The files extracted from containers that are now on disk.
inline std::vector<std::string> ExtractedFiles() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(PrivateTempFolder()))
        if (entry.path().filename().string().starts_with("~sbx")) names.push_back(entry.path().filename());
    return names;
}

// A fresh folder, the current directory during the test; the containers and the
// line cache are emptied afterwards so no test sees another's state.
class ScratchFolder : public testing::Test {
protected:
    void SetUp() override {
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        std::filesystem::current_path(folder_);
    }
    void TearDown() override {
        g_FastFile.FillBuffer(nullptr);
        SETSHOEBOX("", "");
        std::filesystem::current_path(saved_);
        std::filesystem::remove_all(folder_);
    }
    const std::filesystem::path& Folder() const { return folder_; }

private:
    const std::filesystem::path saved_ = std::filesystem::current_path();
    const std::filesystem::path folder_ = std::filesystem::path(std::getenv("TMPDIR")) / "scratch";
};
