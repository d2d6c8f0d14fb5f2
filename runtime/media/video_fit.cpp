#include "media/video_fit.h"

#include <cstdint>

VideoRect FitVideo(int video_width, int video_height, int window_width, int window_height) {
    if (video_width <= 0 || video_height <= 0) return {0, 0, window_width, window_height};
    // In whole numbers, so that an exact scale gives an exact size.
    const std::int64_t across = static_cast<std::int64_t>(window_width) * video_height;
    const std::int64_t down = static_cast<std::int64_t>(window_height) * video_width;
    int width = window_width;
    int height = window_height;
    if (across <= down) {
        height = static_cast<int>(across / video_width);
    } else {
        width = static_cast<int>(down / video_height);
    }
    return {(window_width - width) / 2, (window_height - height) / 2, width, height};
}
