// A video in a window of another shape: 640 x 480 in an 800 x 480 window.
#include <gtest/gtest.h>

#include "media/video_clips.h"
#include "support/test_runtime.h"

namespace {

TEST(WideWindowVideo, IsCentredWithBlackColumnsLeftAndRight) {
    if (!HaveFfmpeg()) GTEST_SKIP() << "ffmpeg is not installed: no clips to play";
    __QV_RESX = 800;
    StartTestRuntime();
    const std::string clip = MakeClip("wide.mp4", 320, 240, 0.5);
    ASSERT_FALSE(clip.empty());
    std::vector<Rgb> seen;
    VideoRect place;
    WatchVideoFrames([&](const VideoFrameShown& frame) {
        place = frame.picture;
        if (frame.frame == 3)
            seen = {PixelAt(79, 240), PixelAt(80, 60), PixelAt(719, 420), PixelAt(720, 240)};
    });
    EXPECT_EQ(PLAYMOVIE(DynStr(clip.c_str())), 0);
    EXPECT_EQ(place, (VideoRect{80, 0, 640, 480}));
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0], kBlack);
    EXPECT_TRUE(LooksLike(seen[1], kRed) && LooksLike(seen[2], kBlue));
    EXPECT_EQ(seen[3], kBlack);
}

}  // namespace
