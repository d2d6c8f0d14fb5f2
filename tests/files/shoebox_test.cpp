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
        for (std::size_t leading : {0u, 7u, 1000u}) {
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
    UseContainer(BuildContainer({}, {Text("truck1.ddd", "mesh"), Text("a.txt", "a")}, true));
    EXPECT_EQ(Load("A\\TRUCK1.DDD"), "mesh");
    EXPECT_EQ(Load("data/Truck1.ddd"), "mesh");
    EXPECT_EQ(Load("truck1.DDD"), "mesh");
    EXPECT_EQ(Load("ruck1.ddd"), "(none)");      // the entry's name is longer than the request
    EXPECT_EQ(Load("bigtruck1.ddd"), "(none)");  // only a whole last part of the path matches
    EXPECT_EQ(Load("banana.txt"), "(none)");

    EXPECT_TRUE(ShoeBoxNameMatches("a.txt", "x\\y/A.TXT"));
    EXPECT_FALSE(ShoeBoxNameMatches("a.txt", "xa.txt"));
    EXPECT_FALSE(ShoeBoxNameMatches("", "a.txt"));
}

TEST_F(ShoeBox, TheFirstMatchingEntryWinsAndEmptyNamesAreSkipped) {
    UseContainer(BuildContainer({},
                                {{std::string("\0x.txt", 6), PackedText("hidden")},
                                 Text("x.txt", "one"),
                                 Text("X.TXT", "two"),
                                 {"empty.txt", {}}},
                                true));
    EXPECT_EQ(Load("x.txt"), "one");
    EXPECT_EQ(Load("empty.txt"), "");  // an empty entry extracts to an empty file
}

TEST_F(ShoeBox, OnlyTheLastExtractionStaysOnDisk) {
    UseContainer(BuildContainer({}, {Text("a.txt", "first"), Text("b.txt", "second")}, true));
    const std::string first = ResolveFileName("a.txt");
    const std::string second = ResolveFileName("b.txt");
    EXPECT_FALSE(std::filesystem::exists(first));
    EXPECT_EQ(ExtractedFiles(), std::vector<std::string>{std::filesystem::path(second).filename().string()});

    WriteBytes("disk.txt", "on disk");  // resolving a file on disk deletes the extraction too
    EXPECT_EQ(ResolveFileName("disk.txt"), "disk.txt");
    EXPECT_TRUE(ExtractedFiles().empty());

    ResolveFileName("a.txt");
    SETSHOEBOX("box.sbx", "");  // naming a container again
    EXPECT_TRUE(ExtractedFiles().empty());
}

TEST_F(ShoeBox, TheDiskComesFirstAndMediaUseTheirOwnContainer) {
    WriteBytes("media.sbx", BuildContainer({}, {Text("song.ogg", "music")}, true));
    SETSHOEBOX("", "media.sbx");
    EXPECT_EQ(ResolveFileName("song.ogg"), "");
    const std::string path = ResolveFileName("song.ogg", g_ShoeBox_Media);
    EXPECT_EQ(ReadBytes(path), "music");

    WriteBytes("song.ogg", "on disk");
    EXPECT_EQ(ResolveFileName("song.ogg", g_ShoeBox_Media), "song.ogg");
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(ShoeBox, TemporaryNamesKeepPlainNamesAndMakeOthersSafe) {
    EXPECT_EQ(ShoeBoxTemporaryName(0x1F, 0xAB, "truck1.ddd"), "~sbx1Fabtruck1.ddd");
    EXPECT_EQ(ShoeBoxTemporaryName(-16, 0, "a b-c_d.txt"), "~sbxFFFFFFF00a b-c_d.txt");
    EXPECT_EQ(ShoeBoxTemporaryName(1, 2, "../..\\x:y*\n"), "~sbx12.._.._x_y__");
    EXPECT_EQ(ShoeBoxTemporaryName(1, 2, std::string(300, 'n')).size(), 255u);
}

TEST_F(ShoeBox, AnEntryNamedLikeAPathStaysInThePrivateFolder) {
    UseContainer(BuildContainer({}, {Text("../../escape.txt", "data")}, true));
    const std::string path = ResolveFileName("../../escape.txt");
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(std::filesystem::path(path).parent_path().string() + "/", PrivateTempFolder());
    EXPECT_EQ(ReadBytes(path), "data");
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
    EXPECT_FALSE(std::filesystem::is_symlink(planted));
    struct stat info;
    ASSERT_EQ(stat(planted.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

// Sets the signed 32-bit number at `offset` (negative: from the end).
Bytes WithInt32(Bytes bytes, std::int64_t offset, std::int64_t value) {
    const auto at =
        static_cast<std::size_t>(offset >= 0 ? offset : static_cast<std::int64_t>(bytes.size()) + offset);
    Bytes number;
    AppendInt32(number, value);
    std::copy(number.begin(), number.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
    return bytes;
}

TEST_F(ShoeBox, DamagedContainersFailTheLookupSafely) {
    const Bytes good = BuildContainer(Bytes(16, 0), {Text("a.txt", "some text to find")}, true);
    const auto size = static_cast<std::int64_t>(good.size());
    // The directory: one entry (1 + 5 + 4 + 4 bytes), the end mark, then D.
    const std::int64_t entry = size - 4 - 1 - 14;
    const std::int64_t position = entry + 6;
    const std::int64_t stored_size = entry + 10;
    Bytes bad_header = PackedText("some text to find");
    bad_header[2] = 0x10;  // a million bytes announced for a few stored
    Bytes corrupt = PackedText("some text to find");
    corrupt[4] = 0xFF;  // a run of literals longer than the stream
    Bytes truncated = PackedText("some text to find");
    truncated.pop_back();

    const std::vector<std::pair<const char*, Bytes>> damaged = {
        {"too short for D", {1, 2, 3}},
        {"D past the end", WithInt32(good, -4, size)},
        {"D before the start", WithInt32(good, -4, -size - 1)},
        {"D the most negative number", WithInt32(good, -4, INT_MIN)},
        {"name past the end", WithInt32(good, -4, -2)},
        {"data before the start", WithInt32(good, position, -size - 1)},
        {"data past the end", WithInt32(good, position, -1)},
        {"negative size", WithInt32(good, stored_size, -5)},
        {"size past the end", WithInt32(good, stored_size, size)},
        {"bad header", BuildContainer({}, {{"a.txt", bad_header}}, true)},
        {"corrupt stream", BuildContainer({}, {{"a.txt", corrupt}}, true)},
        {"truncated stream", BuildContainer({}, {{"a.txt", truncated}}, true)},
        {"short block", BuildContainer({}, {{"a.txt", {1, 0}}}, true)},
    };
    UseContainer(good);
    ASSERT_EQ(Load("a.txt"), "some text to find");  // the unharmed container works
    for (const auto& [what, bytes] : damaged) {
        SCOPED_TRACE(what);
        UseContainer(bytes);
        EXPECT_EQ(Load("a.txt"), "(none)");
        EXPECT_TRUE(ExtractedFiles().empty());
    }
}

TEST_F(ShoeBox, WithoutAContainerOrAppendedDataNamesResolveFromDiskOnly) {
    EXPECT_EQ(Load("a.txt"), "(none)");
    SETSHOEBOX("missing.sbx", "");
    EXPECT_EQ(Load("a.txt"), "(none)");
    const std::string program = ProgramFilePath();
    SETSHOEBOX(program.c_str(), program.c_str());
    EXPECT_EQ(g_ShoeBox_Data.ContainerName(), program);
    EXPECT_EQ(Load("city1.txt"), "(none)");
    WriteBytes("city1.txt", "row");
    EXPECT_EQ(Load("city1.txt"), "row");
}

}  // namespace
