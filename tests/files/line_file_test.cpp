#include <gtest/gtest.h>

#include "container_bytes.h"
#include "files_test_support.h"
#include "support/test_runtime.h"

using LineFiles = ScratchFolder;

static std::string Line(const char* file, double line) {
    DynStr text;
    GETFILE(file, line, text);
    return text.c_str();
}

TEST_F(LineFiles, ReadsLinesOfEitherEndRefusesBadLineNumbersAndRewritesOnASwitch) {
    WriteBytes("crlf.txt", "\t\t\r\nword\t \x01\r\nlast");
    WriteBytes("lf.txt", "\t\t\nword\t \x01\nlast");
    for (const char* file : {"crlf.txt", "lf.txt"}) {
        SCOPED_TRACE(file);
        // A line of tabs has no data, only bytes below 32 are trimmed, the last line has no line end,
        // and the line number is taken as 16 bits.
        EXPECT_EQ(Line(file, 0) + "|" + Line(file, 1.9) + "|" + Line(file, 2) + "|" + Line(file, 3) + "|" +
                      Line(file, 65536 + 2),
                  "NO_DATA|word\t |last|NO_DATA|last");
    }
    for (double bad : {256.0, -1.0}) {
        __g_error = 0;
        DynStr text("unchanged");
        EXPECT_EQ(GETFILE("lf.txt", bad, text) + __g_error + PUTFILE("lf.txt", bad, "x"), 21);
        EXPECT_STREQ(text.c_str(), "NO_DATA");
    }
    DynStr text;
    EXPECT_EQ(GETFILE("missing.txt", 0, text), 3);
    EXPECT_STREQ(text.c_str(), "NO_FILE");
    EXPECT_EQ(Line("missing.txt", 0), "NO_DATA");  // the name stays cached

    // A switch of file rewrites a changed file with CR LF ends.
    WriteBytes("a.txt", "12.5\none\ntwo\n");  // LF ends; no extra empty line is counted
    WriteBytes("b.txt", "b\n");
    double number = 0;
    EXPECT_EQ(GETFILE("a.txt", 0, number) + number, 12.5);
    PUTFILE("a.txt", 0, 2.0);
    PUTFILE("a.txt", 1, 0.25);
    PUTFILE("a.txt", 5, "five");
    EXPECT_EQ(ReadBytes("a.txt"), "12.5\none\ntwo\n");  // nothing written yet
    EXPECT_EQ(Line("b.txt", 0), "b");
    EXPECT_EQ(ReadBytes("a.txt"), "2\r\n0.25\r\ntwo\r\n\r\n\r\nfive\r\n");
    EXPECT_EQ(LastErrorLogLines(2), (std::vector<std::string>{"Writing", "a.txt"}));
    EXPECT_EQ(ReadBytes("b.txt"), "b\n");  // read but unchanged: not rewritten
    WriteBytes("b.txt", "changed on disk\n");
    EXPECT_EQ(Line("a.txt", 5), "five");
    EXPECT_EQ(Line("b.txt", 0), "changed on disk");  // reloaded on the switch

    __g_error = 0;
    EXPECT_EQ(PUTFILE("new.txt", 1, "one") + __g_error, 3);
    g_FastFile.FillBuffer(nullptr);
    EXPECT_EQ(ReadBytes("new.txt"), "\r\none\r\n");
}

TEST_F(LineFiles, LongLinesAreCutAndFilesComeFromTheDataContainerAndGoToDiskAlsoAtTheEnd) {
    std::string many;
    for (int i = 3; i < 300; ++i)
        many += std::to_string(i) + "\n";
    WriteBytes("long.txt", std::string(2000, 'x') + "\r\n" + std::string(1024, 'y') + "\r\nend\n" + many);
    // Only the first 256 lines are read, and a string holds 1023 characters.
    EXPECT_EQ(Line("long.txt", 255) + Line("long.txt", 2), "255end");
    EXPECT_EQ(Line("long.txt", 0), std::string(1023, 'x'));
    g_FastFile.PutFile("long.txt", 3, std::string(1500, 'z').c_str());
    WriteBytes("box.sbx", BuildContainer({}, {{"city1.txt", PackedText("row0\r\nrow1\r\n")}}, true));
    SETSHOEBOX("box.sbx", "");
    EXPECT_EQ(Line("city1.txt", 1), "row1");
    EXPECT_EQ(ReadBytes("long.txt").substr(0, 3 * 1026 + 5), std::string(1024, 'x') + "\r\n" +
                                                                 std::string(1024, 'y') + "\r\nend\r\n" +
                                                                 std::string(1024, 'z') + "\r\n");
    const std::string file = (Folder() / "city1.txt").string();
    EXPECT_EXIT(
        {
            PUTFILE("city1.txt", 0, "changed");
            END();
        },
        testing::ExitedWithCode(0), "");
    EXPECT_EQ(ReadBytes(file), "changed\r\nrow1\r\n");
}
