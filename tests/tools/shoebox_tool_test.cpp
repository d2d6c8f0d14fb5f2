#include "shoebox_tool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "files/container_bytes.h"
#include "files/files_test_support.h"

namespace {

class ShoeboxTool : public ScratchFolder {
protected:
    int Run(const std::vector<std::string>& arguments) {
        out_.str("");
        err_.str("");
        return RunShoeboxTool(arguments, out_, err_);
    }
    static std::set<std::string> FolderContents() {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator("."))
            names.insert(entry.path().filename().string());
        return names;
    }
    std::ostringstream out_, err_;
};

TEST_F(ShoeboxTool, PacksListsVerifiesExtractsWholeOrOneFileAndAppendsToAProgramLeftUnchanged) {
    std::mt19937 random(99);
    std::string noise(70000, '\0'), program_bytes(5000, '\0');
    for (std::string* bytes : {&noise, &program_bytes})
        std::generate(bytes->begin(), bytes->end(), [&] { return static_cast<char>(random()); });
    std::filesystem::create_directory("in");
    WriteBytes("in/city1.txt", "row0\r\nrow1\r\n");
    WriteBytes("in/noise.bin", noise);
    WriteBytes("in/empty.txt", "");
    ASSERT_EQ(Run({"create", "data.sbx", "in/city1.txt", "in/noise.bin", "in/empty.txt",
                   "Smalfont.bmp=in/city1.txt"}),
              0)
        << err_.str();
    ASSERT_EQ(Run({"list", "data.sbx"}), 0);
    std::istringstream listing(out_.str());
    std::vector<std::string> names;
    for (std::string name, stored, size; listing >> name >> stored >> size;)
        names.push_back(name + " " + size);
    EXPECT_EQ(names, (std::vector<std::string>{"city1.txt 12", "noise.bin 70000", "empty.txt 0",
                                               "Smalfont.bmp 12"}));
    EXPECT_EQ(Run({"verify", "data.sbx"}), 0) << err_.str();
    std::filesystem::create_directory("out");
    ASSERT_EQ(Run({"extract", "data.sbx", "out"}), 0) << err_.str();
    EXPECT_EQ(ReadBytes("out/noise.bin"), noise);
    EXPECT_EQ(ReadBytes("out/Smalfont.bmp"), "row0\r\nrow1\r\n");
    EXPECT_TRUE(std::filesystem::exists("out/empty.txt"));
    std::filesystem::create_directory("one");
    EXPECT_EQ(Run({"extract", "data.sbx", "one", "CITY1.TXT"}), 0);
    EXPECT_EQ(FolderContents(), (std::set<std::string>{"data.sbx", "in", "one", "out"}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("one"), {}), 1);
    EXPECT_EQ(Run({"extract", "data.sbx", "one", "absent.txt"}), 1);
    WriteBytes("game", program_bytes);
    std::filesystem::permissions("game", std::filesystem::perms(0751));
    WriteBytes("truck1.ddd", "mesh data");
    ASSERT_EQ(Run({"append", "game", "truck1.ddd"}), 0) << err_.str();
    EXPECT_EQ(ReadBytes("game").substr(0, program_bytes.size()), program_bytes);
    EXPECT_EQ(std::filesystem::status("game").permissions(), std::filesystem::perms(0751));
    std::filesystem::remove("truck1.ddd");
    SETSHOEBOX("game", "game");
    EXPECT_EQ(ReadBytes(ResolveFileName("data/truck1.ddd")), "mesh data");
    EXPECT_EQ(Run({"verify", "game"}), 0);
}

// Wrong command lines show the usage (2), failures (1) name themselves; the program exits with these codes.
TEST_F(ShoeboxTool, WrongCommandLinesFailuresAndDamagedContainersLeaveNothingBehind) {
    for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
             {}, {"pack", "x"}, {"create", "out.sbx"}, {"verify", "a", "b"}}) {
        EXPECT_EQ(Run(arguments), 2);
        EXPECT_NE(err_.str().find("usage:"), std::string::npos);
    }
    EXPECT_EQ(Run({"--help"}), 0);
    EXPECT_NE(out_.str().find("shoebox append PROGRAM FILE..."), std::string::npos);
    WriteBytes("a.txt", "a");
    WriteBytes("A.TXT.bak", "b");
    WriteBytes("old.sbx", "previous contents");
    WriteBytes("game", "program");
    WriteBytes("plain.txt", "no container here");
    for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
             {"create", "old.sbx", "a.txt", "missing.txt"},
             {"create", "old.sbx", "a.txt", "A.TXT=A.TXT.bak"},  // the same name but for case
             {"create", "old.sbx", "sub/dir=a.txt"},
             {"append", "game", "a.txt", "missing.txt"},
             {"append", "no-such-program", "a.txt"},
             {"create", "no-such-folder/new.sbx", "a.txt"},
             {"list", "missing.sbx"},
             {"verify", "plain.txt"}}) {
        SCOPED_TRACE(arguments[0] + " " + arguments.back());
        EXPECT_EQ(Run(arguments), 1);
        EXPECT_NE(err_.str().find("shoebox: "), std::string::npos);
    }
    EXPECT_EQ(ReadBytes("old.sbx"), "previous contents");
    EXPECT_EQ(ReadBytes("game"), "program");
    EXPECT_EQ(FolderContents(),
              (std::set<std::string>{"A.TXT.bak", "a.txt", "game", "old.sbx", "plain.txt"}));
    std::vector<std::uint8_t> corrupt = PackedText("a text long enough to be packed");
    corrupt.pop_back();
    WriteBytes("bad.sbx", BuildContainer({}, {{"good.txt", PackedText("fine")}, {"bad.txt", corrupt}}, true));
    EXPECT_EQ(Run({"verify", "bad.sbx"}), 1);
    EXPECT_NE(out_.str().find("ok\tgood.txt"), std::string::npos);
    EXPECT_NE(out_.str().find("FAILED\tbad.txt"), std::string::npos);
    WriteBytes("evil.sbx",
               BuildContainer({}, {{"../escape.txt", PackedText("x")}, {"ok.txt", PackedText("y")}}, true));
    std::filesystem::create_directory("out");
    EXPECT_EQ(Run({"extract", "bad.sbx", "out"}), 1);
    EXPECT_EQ(Run({"extract", "evil.sbx", "out"}), 1);
    EXPECT_EQ(ReadBytes("out/good.txt"), "fine");
    EXPECT_EQ(ReadBytes("out/ok.txt"), "y");
    EXPECT_FALSE(std::filesystem::exists("out/bad.txt") || std::filesystem::exists("escape.txt"));
    double exit_code = -1;
    SHELLCMD(std::string("'" SHOEBOX_PROGRAM "' create c.sbx a.txt >/dev/null").c_str(), 1, 0, exit_code);
    EXPECT_EQ(exit_code, 0);
    SHELLCMD(std::string("'" SHOEBOX_PROGRAM "' 2>/dev/null").c_str(), 1, 0, exit_code);
    EXPECT_EQ(exit_code, 2);
}

}  // namespace
