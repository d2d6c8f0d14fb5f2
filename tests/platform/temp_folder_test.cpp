#include "platform/temp_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

mode_t Permissions(const std::filesystem::path& path) {
    struct stat info {};
    EXPECT_EQ(lstat(path.c_str(), &info), 0);
    return info.st_mode & 0777;
}

TEST(TempFolder, IsAPrivateFolderUnderTmpdirAndNeverALinkOrAFile) {
    const std::string saved = std::getenv("TMPDIR");
    const std::filesystem::path base = std::filesystem::path(saved) / "base";
    const std::filesystem::path expected = base / ("morvane-" + std::to_string(getuid()));
    std::filesystem::create_directories(base);
    setenv("TMPDIR", base.c_str(), 1);
    EXPECT_EQ(PrivateTempFolder(), expected.string() + "/");
    EXPECT_EQ(Permissions(expected), 0700u);
    chmod(expected.c_str(), 0777);  // an open folder of ours is closed
    EXPECT_EQ(PrivateTempFolder(), expected.string() + "/");
    EXPECT_EQ(Permissions(expected), 0700u);

    std::filesystem::remove(expected);
    std::filesystem::create_directory_symlink(base, expected);
    EXPECT_EQ(PrivateTempFolder(), "");
    std::filesystem::remove(expected);
    std::ofstream(expected) << "not a folder";
    EXPECT_EQ(PrivateTempFolder(), "");

    unsetenv("TMPDIR");
    EXPECT_EQ(PrivateTempFolder(), "/tmp/morvane-" + std::to_string(getuid()) + "/");
    setenv("TMPDIR", saved.c_str(), 1);
}

}  // namespace
