// Where a video is shown in the window: scaled to fit, centred, black around it.
#pragma once

struct VideoRect {
    int x = 0;  // window pixels from the top left
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const VideoRect&) const = default;
};

// The video's natural size scaled by the smaller of the two ratios window /
// video (the product truncated) and centred in the window (integer halves of
// what is left). A video without a size fills the window.
VideoRect FitVideo(int video_width, int video_height, int window_width, int window_height);
