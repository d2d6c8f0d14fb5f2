// The process's own resources: its heap between frames, its private temporary folder, its messages.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/heap.h"
#include "platform/reports.h"
#include "platform/temp_folder.h"
#include "support/address_sanitizer.h"

TEST(Heap, FramesAfterTheFirstReuseItsPages) {
    if (kUnderAddressSanitizer) GTEST_SKIP() << "the sanitizer's allocator is not the C library's heap";
    KeepHeapBetweenFrames();
    const auto frame = [] {  // a frame of drawing takes large blocks, fills them and gives them back
        std::vector<std::unique_ptr<char[]>> blocks;
        for (int i = 0; i < 32; ++i)
            std::memset(blocks.emplace_back(std::make_unique<char[]>(1 << 20)).get(), i, 1 << 20);
    };
    const auto faults = [] {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        return usage.ru_minflt;
    };
    frame();
    const long before = faults();
    frame();
    EXPECT_LT(faults() - before, 256);  // handed back and taken again, the 32 MiB would fault in 8192 pages
    EXPECT_GT(ResidentMemoryBytes(), std::size_t{32} << 20);
}

static mode_t Permissions(const std::filesystem::path& path) {
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

TEST(PlatformReportsDeathTest, WithoutStartUpMessagesGoToStandardErrorAndAnEndRequestExits) {
    EXPECT_EXIT(
        {
            ReportMessage("the recording stopped");
            RequestProgramEnd(EndRequest::kReplayEnded);
        },
        testing::ExitedWithCode(0), "the recording stopped");
}
