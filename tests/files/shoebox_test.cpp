#include <gtest/gtest.h>
#include <sys/stat.h>

#include <climits>

#include "container_bytes.h"
#include "files/shoebox_directory.h"
#include "files_test_support.h"
#include "platform/program_path.h"

using Bytes = std::vector<std::uint8_t>;

class ShoeBox : public ScratchFolder {
protected:
    void UseContainer(const Bytes& bytes) {
        WriteBytes("box.sbx", bytes);
        SETSHOEBOX("box.sbx", "");
    }
    // "(none)" when the name resolves nowhere.
    std::string Load(const char* name) {
        const std::string path = ResolveFileName(name);
        return path.empty() ? "(none)" : ReadBytes(path);
    }
    const RawEntry a_ = {"a.txt", PackedText("first")}, b_ = {"b.txt", PackedText("second")};
};

TEST_F(ShoeBox, FindsEntriesByTheirNamesWhateverPrecedesTheContainer) {
    for (const auto& [from_end, leading] :
         {std::pair{true, 0u}, {false, 0u}, {true, 1000u}, {false, 1000u}}) {
        SCOPED_TRACE(testing::Message() << leading << (from_end ? " from the end" : " from the start"));
        UseContainer(BuildContainer(Bytes(leading, 0xA5), {a_, b_}, from_end));
        EXPECT_EQ(Load("b.txt") + Load("a.txt") + Load("c.txt"), "secondfirst(none)");
    }
    // Names match without case, as the whole request or its last part; an empty name is skipped.
    // clang-format off
    UseContainer(BuildContainer({}, {{std::string("\0x.txt", 6), PackedText("hidden")}, {"truck1.ddd", PackedText("mesh")},
        {"TRUCK1.DDD", PackedText("second")}, {"../../escape.txt", PackedText("data")}, {"empty.txt", {}}}, true));
    const std::pair<const char*, const char*> lookups[] = {{"A\\TRUCK1.DDD", "mesh"}, {"data/Truck1.ddd", "mesh"},
        {"ruck1.ddd", "(none)"}, {"bigtruck1.ddd", "(none)"}, {"x.txt", "(none)"}, {"empty.txt", ""}};
    // clang-format on
    for (const auto& [request, contents] : lookups)
        EXPECT_EQ(Load(request), contents) << request;
    const std::string path = ResolveFileName("../../escape.txt");  // stays in the private folder
    EXPECT_EQ(std::filesystem::path(path).parent_path().string() + "/", PrivateTempFolder());
    EXPECT_EQ(ReadBytes(path), "data");
}

TEST_F(ShoeBox, OnlyTheLastExtractionStaysOnDiskAndTheDiskComesFirst) {
    SETSHOEBOX("missing.sbx", "");
    EXPECT_EQ(Load("a.txt"), "(none)");
    const std::string program = ProgramFilePath();  // a program without appended data
    SETSHOEBOX(program.c_str(), program.c_str());
    EXPECT_EQ(Load("a.txt"), "(none)");
    UseContainer(BuildContainer({}, {a_, b_}, true));
    const std::string first = ResolveFileName("a.txt");
    const std::string second = ResolveFileName("b.txt");
    EXPECT_FALSE(std::filesystem::exists(first));
    EXPECT_EQ(ExtractedFiles(), std::vector<std::string>{std::filesystem::path(second).filename().string()});
    WriteBytes("disk.txt", "on disk");  // resolving a file on disk deletes the extraction too
    EXPECT_EQ(ResolveFileName("disk.txt"), "disk.txt");
    EXPECT_TRUE(ExtractedFiles().empty());
    ResolveFileName("a.txt");
    SETSHOEBOX("", "box.sbx");  // naming a container again; media use their own container
    EXPECT_TRUE(ExtractedFiles().empty());
    EXPECT_EQ(ResolveFileName("a.txt"), "");
    EXPECT_EQ(ReadBytes(ResolveFileName("a.txt", g_ShoeBox_Media)), "first");
    WriteBytes("a.txt", "on disk");
    EXPECT_EQ(ResolveFileName("a.txt", g_ShoeBox_Media), "a.txt");
}

TEST_F(ShoeBox, ALinkAtTheTemporaryPathIsReplacedNotFollowed) {
    const Bytes container = BuildContainer({}, {{"a.txt", PackedText("data")}}, true);
    UseContainer(container);
    WriteBytes("victim.txt", "untouched");
    // Where a.txt will be extracted: its stored block starts the container.
    const std::string planted =
        PrivateTempFolder() + ShoeBoxTemporaryName(-static_cast<std::int32_t>(container.size()),
                                                   static_cast<std::int32_t>(PackedText("data").size()),
                                                   "a.txt");
    std::filesystem::create_symlink(Folder() / "victim.txt", planted);
    EXPECT_EQ(ResolveFileName("a.txt"), planted);
    EXPECT_EQ(ReadBytes("victim.txt"), "untouched");
    struct stat info;
    ASSERT_EQ(lstat(planted.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & (S_IFMT | 0777), S_IFREG | 0600u);
    EXPECT_EQ(ShoeBoxTemporaryName(1, 2, "../..\\x:y*\n"), "~sbx12.._.._x_y__");
    EXPECT_EQ(ShoeBoxTemporaryName(1, 2, std::string(300, 'n')).size(), 255u);
}

TEST_F(ShoeBox, DamagedContainersFailTheLookupSafely) {
    const Bytes good = BuildContainer(Bytes(16, 0), {{"a.txt", PackedText("some text")}}, true);
    const auto size = static_cast<std::int64_t>(good.size());
    const std::int64_t position = size - 4 - 1 - 14 + 6;  // one entry of 1 + 5 + 4 + 4 bytes, the end mark, D
    auto with_int32 = [&](std::int64_t offset, std::int64_t value) {
        Bytes bytes = good, number;
        AppendInt32(number, value);
        std::copy(number.begin(), number.end(), bytes.begin() + offset);
        return bytes;
    };
    Bytes bad_header = PackedText("some text");
    bad_header[2] = 0x10;  // a million bytes announced for a few stored
    // clang-format off
    const Bytes damaged[] = {{1, 2, 3}, with_int32(size - 4, size), with_int32(size - 4, INT_MIN),
        with_int32(position, -1), with_int32(position + 4, size), BuildContainer({}, {{"a.txt", bad_header}}, true)};
    // clang-format on
    UseContainer(good);
    ASSERT_EQ(Load("a.txt"), "some text");  // the unharmed container works
    for (std::size_t i = 0; i < std::size(damaged); ++i) {
        UseContainer(damaged[i]);
        EXPECT_EQ(Load("a.txt"), "(none)") << "damage " << i;
        EXPECT_TRUE(ExtractedFiles().empty());
    }
}
