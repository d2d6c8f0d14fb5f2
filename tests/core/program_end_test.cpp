#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "morvane.h"
#include "support/test_runtime.h"

namespace {

// Static clean-up runs at the end, and a second end from inside it still exits with code 0.
struct EndsAgainWhenDestroyed {
    ~EndsAgainWhenDestroyed() {
        WriteErrorLog("static clean-up ran");
        EndProgram();
    }
};

TEST(EndProgramDeathTest, EachEndExitsWithZeroAndLeavesItsRecord) {
    const struct {
        std::function<void()> commands;
        std::vector<std::string> log;
    } cases[] = {
        {[] {
             static EndsAgainWhenDestroyed guard;
             WriteErrorLog("first");
             WriteErrorLog(nullptr);
             END();
         },
         {"first", "null", "static clean-up ran"}},
        {[] {
             __QV_DEBUG = 1;
             dLn(3, 77);
             END();
         },
         {"-End On Line", "0", "77", "77", "3"}},
        {[] {
             __QV_DEBUG = 1;
             dLn(0, 12.5);
             Error(3);
             dLn(0, 1234567);
             EndProgram();
         },
         {"-End On Line", "3", "12.5", "1.23457e+06", "0"}},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        DeleteErrorLog();
        EXPECT_EXIT(cases[i].commands(), testing::ExitedWithCode(0), "");
        EXPECT_EQ(ErrorLogLines(), cases[i].log);
    }
    EXPECT_TRUE(
        std::string(ErrorLogPath()).ends_with("/morvane-" + std::to_string(getuid()) + "/ErrorLog.txt"));
}

TEST(EndProgramDeathTest, BadArrayAccessEndsWithItsCode) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    NumArray never, a, grid, thin, huge;
    StrArray s;
    DIM(a, 10);
    DIM(grid, 3, 4);
    DIM(thin, 2, 0.5);
    const struct {
        std::function<void()> access;
        int code;
    } cases[] = {
        {[&] { never(0); }, 8},      {[&] { s(0); }, 8},       {[&] { a(10); }, 9},
        {[&] { a(-0.5); }, 9},       {[&] { a(nan); }, 9},     {[&] { grid(3, 0); }, 9},
        {[&] { grid(0, 0, 1); }, 9}, {[&] { thin(0, 1); }, 9}, {[&] { DIM(huge, 1e6, 1e6, 1e6); }, 7}};
    for (std::size_t i = 0; i < std::size(cases); ++i)
        ExpectProgramEndsWithError(cases[i].code, cases[i].access, "case " + std::to_string(i));
}

}  // namespace
