#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "morvane.h"
#include "support/error_log_lines.h"

namespace {

TEST(ErrorLog, AppendsCrLfLinesInThePrivateTemporaryFolderUntilDeleted) {
    DeleteErrorLog();
    WriteErrorLog("first");
    WriteErrorLog(nullptr);
    std::ifstream file(ErrorLogPath(), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), "first\r\nnull\r\n");
    EXPECT_TRUE(
        std::string(ErrorLogPath()).ends_with("/morvane-" + std::to_string(getuid()) + "/ErrorLog.txt"));
}

// Static clean-up runs at the end, and a second end from inside it still exits with code 0.
struct EndsAgainWhenDestroyed {
    ~EndsAgainWhenDestroyed() {
        WriteErrorLog("static clean-up ran");
        EndProgram();
    }
};

TEST(EndProgramDeathTest, EachEndExitsWithZeroAndLeavesItsRecord) {
    const struct {
        const char* name;
        std::function<void()> commands;
        std::vector<std::string> log;
    } cases[] = {
        {"END without debug", [] { END(); }, {}},
        {"END with debug",
         [] {
             __QV_DEBUG = 1;
             dLn(3, 77);
             END();
         },
         {"-End On Line", "0", "77", "77", "3"}},
        {"a recorded code is kept",
         [] {
             __QV_DEBUG = 1;
             dLn(0, 12.5);
             Error(3);
             dLn(0, 1234567);
             EndProgram();
         },
         {"-End On Line", "3", "12.5", "1.23457e+06", "0"}},
        {"a fatal error names its line",
         [] {
             NumArray a;
             DIM(a, 2);
             __QV_DEBUG = 1;
             dLn(0, 120);
             a(5);
         },
         {"-End On Line", "9", "120", "120", "0"}},
        {"static clean-up may end again",
         [] {
             static EndsAgainWhenDestroyed guard;
             END();
         },
         {"static clean-up ran"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DeleteErrorLog();
        EXPECT_EXIT(c.commands(), testing::ExitedWithCode(0), "");
        EXPECT_EQ(ErrorLogLines(), c.log);
    }
}

}  // namespace
