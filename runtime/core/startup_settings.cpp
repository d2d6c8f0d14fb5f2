#include "core/startup_settings.h"

std::int32_t __QV_RESX = 640;
std::int32_t __QV_RESY = 480;
std::int32_t __QV_FULLSCREEN = 0;
std::int32_t __QV_FRAMERATE = -1;
std::int32_t __QV_DEBUG = 0;
std::int32_t __QV_WANTMOUSE = 1;
