#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "morvane.h"
#include "support/error_log_lines.h"

namespace {

std::string ErrorLogBytes() {
    std::ifstream file(ErrorLogPath(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

class ErrorLog : public testing::Test {
protected:
    void SetUp() override { DeleteErrorLog(); }
};

TEST_F(ErrorLog, AppendsCrLfLinesInThePrivateTemporaryFolderUntilDeleted) {
    WriteErrorLog("first");
    WriteErrorLog(nullptr);
    WriteErrorLog("");
    EXPECT_EQ(ErrorLogBytes(), "first\r\nnull\r\n\r\n");
    const std::string path = ErrorLogPath();
    const std::string suffix = "/morvane-" + std::to_string(getuid()) + "/ErrorLog.txt";
    ASSERT_GE(path.size(), suffix.size());
    EXPECT_EQ(path.substr(path.size() - suffix.size()), suffix);
    DeleteErrorLog();
    WriteErrorLog("fresh");
    EXPECT_EQ(ErrorLogLines(), std::vector<std::string>{"fresh"});
}

using EndProgramDeathTest = ErrorLog;

TEST_F(EndProgramDeathTest, EndWritesTheEndRecordOnlyWithDebug) {
    WriteErrorLog("written during the run");
    EXPECT_EXIT(END(), testing::ExitedWithCode(0), "");
    EXPECT_EQ(ErrorLogLines(), std::vector<std::string>{"written during the run"});
    DeleteErrorLog();
    EXPECT_EXIT(
        {
            __QV_DEBUG = 1;
            dLn(3, 77);
            END();
        },
        testing::ExitedWithCode(0), "");
    EXPECT_EQ(ErrorLogLines(), (std::vector<std::string>{"-End On Line", "0", "77", "77", "3"}));
}

TEST_F(EndProgramDeathTest, EndProgramKeepsARecordedCode) {
    EXPECT_EXIT(
        {
            __QV_DEBUG = 1;
            dLn(0, 12.5);
            Error(3);
            dLn(0, 1234567);
            EndProgram();
        },
        testing::ExitedWithCode(0), "");
    EXPECT_EQ(ErrorLogLines(), (std::vector<std::string>{"-End On Line", "3", "12.5", "1.23457e+06", "0"}));
}

TEST_F(EndProgramDeathTest, FatalErrorRunsTheInstalledEndAndStillExitsWhenItReturns) {
    EXPECT_EXIT(
        {
            SetProgramEnd([] { WriteErrorLog("the installed end ran"); });
            FatalError(kErrorFile);
        },
        testing::ExitedWithCode(0), "");
    EXPECT_EQ(ErrorLogLines(), std::vector<std::string>{"the installed end ran"});
}

// Static clean-up runs at the end, and a second end from inside it still exits with code 0.
struct EndsAgainWhenDestroyed {
    ~EndsAgainWhenDestroyed() {
        WriteErrorLog("static clean-up ran");
        EndProgram();
    }
};

TEST_F(EndProgramDeathTest, StaticCleanUpRunsAndMayEndAgain) {
    EXPECT_EXIT(
        {
            static EndsAgainWhenDestroyed guard;
            END();
        },
        testing::ExitedWithCode(0), "");
    EXPECT_EQ(ErrorLogLines(), std::vector<std::string>{"static clean-up ran"});
}

}  // namespace
