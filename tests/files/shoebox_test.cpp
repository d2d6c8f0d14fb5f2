#include <gtest/gtest.h>
#include <sys/stat.h>

#include <climits>
#include <string>
#include <vector>

#include "container_bytes.h"
#include "files/shoebox_directory.h"
#include "files_test_support.h"
#include "platform/program_path.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

class ShoeBox : public ScratchFolder {
protected:
    // Writes the container and names it as the data container.
    void UseContainer(const Bytes& bytes) {
        WriteBytes("box.sbx", bytes);
        SETSHOEBOX("box.sbx", "");
    }
    // The contents of the file the name resolves to; "(none)" when it resolves nowhere.
    std::string Load(const char* name) {
        const std::string path = ResolveFileName(name);
        return path.empty() ? "(none)" : ReadBytes(path);
    }
    static RawEntry Text(const std::string& name, const std::string& text) {
        return {name, PackedText(text)};
    }
};

TEST_F(ShoeBox, FindsEntriesWhateverPrecedesTheContainerWithPositionsFromEitherEnd) {
    for (bool from_end : {true, false}) {
        for (std::size_t leading : {0u, 1000u}) {
            SCOPED_TRACE(testing::Message() << leading << (from_end ? " from the end" : " from the start"));
            UseContainer(BuildContainer(Bytes(leading, 0xA5),
                                        {Text("a.txt", "first"), Text("b.txt", "second")}, from_end));
            EXPECT_EQ(Load("b.txt"), "second");
            EXPECT_EQ(Load("a.txt"), "first");
            EXPECT_EQ(Load("c.txt"), "(none)");
        }
    }
}

TEST_F(ShoeBox, NamesMatchWithoutCaseAsTheWholeRequestOrItsLastPart) {
    UseContainer(BuildContainer({},
                                {{std::string("\0x.txt", 6), PackedText("hidden")},
                                 Text("truck1.ddd", "mesh"),
                                 Text("TRUCK1.DDD", "second"),
                                 Text("../../escape.txt", "data"),
                                 {"empty.txt", {}}},
                                true));
    const std::pair<const char*, const char*> lookups[] = {
        {"A\\TRUCK1.DDD", "mesh"}, {"data/Truck1.ddd", "mesh"},
        {"ruck1.ddd", "(none)"},   {"bigtruck1.ddd", "(none)"},
        {"x.txt", "(none)"},  // an empty name is skipped
        {"empty.txt", ""}};
    for (const auto& [request, contents] : lookups)
        EXPECT_EQ(Load(request), contents) << request;
    const std::string path = ResolveFileName("../../escape.txt");  // stays in the private folder
    EXPECT_EQ(std::filesystem::path(path).parent_path().string() + "/", PrivateTempFolder());
    EXPECT_EQ(ReadBytes(path), "data");
}

TEST_F(ShoeBox, OnlyTheLastExtractionStaysOnDiskAndTheDiskComesFirst) {
    UseContainer(BuildContainer({}, {Text("a.txt", "first"), Text("b.txt", "second")}, true));
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
    const Bytes container = BuildContainer({}, {Text("a.txt", "data")}, true);
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

// Sets the signed 32-bit number at `offset` (negative: from the end).
Bytes WithInt32(Bytes bytes, std::int64_t offset, std::int64_t value) {
    Bytes number;
    AppendInt32(number, value);
    std::copy(number.begin(), number.end(), bytes.begin() + (offset >= 0 ? offset : bytes.size() + offset));
    return bytes;
}

TEST_F(ShoeBox, DamagedContainersFailTheLookupSafely) {
    const Bytes good = BuildContainer(Bytes(16, 0), {Text("a.txt", "some text to find")}, true);
    const auto size = static_cast<std::int64_t>(good.size());
    const std::int64_t position = size - 4 - 1 - 14 + 6;  // one entry of 1 + 5 + 4 + 4 bytes, the end mark, D
    const std::int64_t stored_size = position + 4;
    Bytes bad_header = PackedText("some text to find");
    bad_header[2] = 0x10;  // a million bytes announced for a few stored
    const std::vector<Bytes> damaged = {{1, 2, 3},
                                        WithInt32(good, -4, size),
                                        WithInt32(good, -4, INT_MIN),
                                        WithInt32(good, position, -1),
                                        WithInt32(good, stored_size, size),
                                        BuildContainer({}, {{"a.txt", bad_header}}, true)};
    UseContainer(good);
    ASSERT_EQ(Load("a.txt"), "some text to find");  // the unharmed container works
    for (std::size_t i = 0; i < damaged.size(); ++i) {
        UseContainer(damaged[i]);
        EXPECT_EQ(Load("a.txt"), "(none)") << "damage " << i;
        EXPECT_TRUE(ExtractedFiles().empty());
    }
}

TEST_F(ShoeBox, WithoutAContainerOrAppendedDataNamesResolveFromDiskOnly) {
    SETSHOEBOX("missing.sbx", "");
    EXPECT_EQ(Load("a.txt"), "(none)");
    const std::string program = ProgramFilePath();
    SETSHOEBOX(program.c_str(), program.c_str());
    EXPECT_EQ(Load("city1.txt"), "(none)");
    WriteBytes("city1.txt", "row");
    EXPECT_EQ(Load("city1.txt"), "row");
}

}  // namespace
