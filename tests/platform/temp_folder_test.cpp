#include "platform/temp_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// Points TMPDIR at a fresh folder for one test and restores it afterwards.
class TempFolder : public testing::Test {
protected:
    void SetUp() override {
        saved_ = std::getenv("TMPDIR");
        base_ = std::filesystem::path(saved_) / testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::create_directories(base_);
        setenv("TMPDIR", base_.c_str(), 1);
    }
    void TearDown() override { setenv("TMPDIR", saved_.c_str(), 1); }

    std::filesystem::path Expected() const { return base_ / ("morvane-" + std::to_string(getuid())); }

    std::string saved_;
    std::filesystem::path base_;
};

TEST_F(TempFolder, IsCreatedPrivateUnderTmpdir) {
    const std::string folder = PrivateTempFolder();
    EXPECT_EQ(folder, Expected().string() + "/");
    struct stat info;
    ASSERT_EQ(stat(Expected().c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_EQ(PrivateTempFolder(), folder);  // found again on the next call
}

TEST_F(TempFolder, AnOpenFolderOfOursIsClosed) {
    std::filesystem::create_directory(Expected());
    chmod(Expected().c_str(), 0777);
    EXPECT_FALSE(PrivateTempFolder().empty());
    struct stat info;
    ASSERT_EQ(stat(Expected().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
}

TEST_F(TempFolder, ALinkOrAFileInItsPlaceIsRefused) {
    const std::filesystem::path elsewhere = base_ / "elsewhere";
    std::filesystem::create_directory(elsewhere);
    std::filesystem::create_directory_symlink(elsewhere, Expected());
    EXPECT_EQ(PrivateTempFolder(), "");

    std::filesystem::remove(Expected());
    { std::ofstream(Expected()) << "not a folder"; }
    EXPECT_EQ(PrivateTempFolder(), "");
}

TEST_F(TempFolder, FallsBackToTmpWithoutTmpdir) {
    unsetenv("TMPDIR");
    EXPECT_EQ(PrivateTempFolder(), "/tmp/morvane-" + std::to_string(getuid()) + "/");
}

}  // namespace
