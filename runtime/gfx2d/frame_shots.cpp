#include "gfx2d/frame_shots.h"

#include <cstdlib>
#include <set>
#include <sstream>
#include <string>

#include "core/error_log.h"
#include "gfx2d/opengl_prism.h"

namespace {

struct ShotPlan {
    std::string folder;
    std::set<long> frames;
};

ShotPlan ReadPlan() {
    ShotPlan plan;
    const char* folder = std::getenv("MORVANE_SHOTS");
    const char* frames = std::getenv("MORVANE_SHOT_FRAMES");
    if (folder == nullptr || frames == nullptr) return plan;
    plan.folder = folder;
    std::stringstream list(frames);
    for (std::string item; std::getline(list, item, ',');) {
        char* end = nullptr;
        const long frame = std::strtol(item.c_str(), &end, 10);
        if (end != item.c_str() && frame > 0) plan.frames.insert(frame);
    }
    return plan;
}

}  // namespace

void SaveChosenFrame(long frame) {
    static const ShotPlan plan = ReadPlan();
    if (plan.frames.count(frame) == 0) return;
    const std::string path = plan.folder + "/frame-" + std::to_string(frame) + ".bmp";
    if (pPrism->SaveBMPFile(path.c_str()) == 0) WriteErrorLog(("Screenshot not written: " + path).c_str());
}
