#include "core/startup_settings.h"

std::int32_t __QV_RESX = 640;
std::int32_t __QV_RESY = 480;
std::int32_t __QV_FULLSCREEN = 0;
std::int32_t __QV_FRAMERATE = -1;
std::int32_t __QV_DEBUG = 0;
std::int32_t __QV_WANTMOUSE = 1;

void ApplyStartupSettings(const StartupSettings& settings) {
    __QV_RESX = settings.width;
    __QV_RESY = settings.height;
    __QV_FULLSCREEN = settings.fullscreen ? 1 : 0;
    __QV_FRAMERATE = settings.frame_rate;
    __QV_DEBUG = settings.debug ? 1 : 0;
    __QV_WANTMOUSE = settings.want_mouse ? 1 : 0;
}
