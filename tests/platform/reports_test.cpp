#include "platform/reports.h"

#include <gtest/gtest.h>

namespace {

// Below a started runtime (platform code alone), messages go to the standard
// error and an end request still ends the process as the runtime would.
TEST(PlatformReportsDeathTest, WithoutStartUpMessagesGoToStandardErrorAndAnEndRequestExits) {
    EXPECT_EXIT(
        {
            ReportMessage("the recording stopped");
            RequestProgramEnd(EndRequest::kReplayEnded);
        },
        testing::ExitedWithCode(0), "the recording stopped");
}

}  // namespace
