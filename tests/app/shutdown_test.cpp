// Every end below start-up reaches the runtime's orderly end once start-up
// has installed it: the end record as the kind of end gives it, and the
// runtime's objects released before static clean-up.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "morvane.h"
#include "platform/reports.h"
#include "support/error_log_lines.h"
#include "support/test_runtime.h"

namespace {

// Destroyed by static clean-up, after the orderly end has run.
struct ReleaseProbe {
    ~ReleaseProbe() { WriteErrorLog(pPrism == nullptr ? "runtime released" : "runtime kept"); }
};

struct EndCase {
    const char* name;
    void (*end)();
    // The end record's error code and error line.
    const char* error_code;
    const char* error_line;
};

TEST(ProgramEndDeathTest, EveryEndBelowStartUpRunsTheOrderlyEnd) {
    const EndCase cases[] = {
        {"FatalError", [] { FatalError(kErrorIndex); }, "9", "9"},
        {"END", [] { END(); }, "0", "9"},
        {"a close request", [] { RequestProgramEnd(EndRequest::kClose); }, "3", "5"},
        {"the end of a replay", [] { RequestProgramEnd(EndRequest::kReplayEnded); }, "0", "9"},
    };
    for (const EndCase& c : cases) {
        SCOPED_TRACE(c.name);
        DeleteErrorLog();
        EXPECT_EXIT(
            {
                StartTestRuntime();
                static ReleaseProbe probe;
                DeleteErrorLog();
                __QV_DEBUG = 1;
                dLn(0, 5);
                Error(3);  // a close keeps this error; the others record their own at line 9
                dLn(0, 9);
                c.end();
            },
            testing::ExitedWithCode(0), "");
        EXPECT_EQ(ErrorLogLines(), (std::vector<std::string>{"-End On Line", c.error_code, c.error_line, "9",
                                                             "0", "runtime released"}));
    }
}

}  // namespace
