#include "media/video_commands.h"

#include <chrono>
#include <filesystem>
#include <string>
#include <utility>

#include "core/dxinput.h"
#include "core/program_end.h"
#include "files/name_resolution.h"
#include "gfx2d/opengl_prism.h"
#include "media/sound_device.h"
#include "media/video_player.h"
#include "media/video_target.h"

namespace {

// The longest time between two looks at the keyboard, the mouse and the window.
constexpr std::chrono::microseconds kInputPoll{1000};

VideoPlayer* playing_video = nullptr;

VideoFrameWatcher& Watcher() {
    static VideoFrameWatcher watcher;
    return watcher;
}

bool AnyKeyOrButtonDown() {
    pDXin->GetKeyboardStatus();
    for (int code = 0; code < 256; ++code) {
        if (pDXin->IsKeyDown(static_cast<std::uint8_t>(code))) return true;
    }
    return pDXin->AnyMouse();
}

// The key that started the video must not end it.
void WaitWhileInputHeld(VideoPlayer& player) {
    while (AnyKeyOrButtonDown()) {
        pPrism->WinMessages();
        player.WaitForWork(kInputPoll);
    }
}

// Draws the due frame fitted into the window, shows it to the watcher and presents it.
void PresentFrame(VideoPlayer& player, VideoTarget& target, long frame) {
    // The video draws with OpenGL directly: 2D drawing gathered so far goes first.
    FinishBatchedDrawing();
    int window_width = 0;
    int window_height = 0;
    pPrism->Window()->ClientSize(window_width, window_height);
    const VideoRect place = FitVideo(player.Width(), player.Height(), window_width, window_height);
    {
        const SavedDrawingState saved;
        if (target.Resize(place.width, place.height))
            player.DrawFrame(target.Framebuffer(), place.width, place.height);
        target.CopyIntoWindow(place, window_height);
    }
    if (Watcher()) Watcher()({frame, player.Position(), place, player.SoundPlays()});
    pPrism->Window()->SwapBuffers();
    player.ReportPresented();
}

void PlayUntilEndOrInput(VideoPlayer& player) {
    VideoTarget target;
    long frames = 0;
    for (;;) {
        if (AnyKeyOrButtonDown()) return;
        pPrism->WinMessages();
        if (!player.HandleEvents()) return;
        if (player.FrameDue()) PresentFrame(player, target, ++frames);
        player.WaitForWork(kInputPoll);
    }
}

bool SilentOutput() {
    return pDXsnd == nullptr || !pDXsnd->IsOpen() || pDXsnd->IsHeadless();
}

}  // namespace

double PLAYMOVIE(DynStr file) {
    return PlayVideo(file, 0);
}

double LOOPMOVIE(DynStr file) {
    return PlayVideo(file, 1);
}

double PlayVideo(DynStr file, int loop) {
    const std::string path = ResolveFileName(file.c_str(), g_ShoeBox_Media);
    if (path.empty()) return kErrorFile;
    VideoPlayer player;
    // An absolute path is never taken for an address on the network.
    if (!player.Open(std::filesystem::absolute(path).string(), loop != 0, SilentOutput())) return kErrorFile;
    playing_video = &player;
    WaitWhileInputHeld(player);
    player.Start();
    PlayUntilEndOrInput(player);
    playing_video = nullptr;
    return 0;
}

void StopVideo() {
    if (playing_video != nullptr) playing_video->Close();
}

void WatchVideoFrames(VideoFrameWatcher watcher) {
    Watcher() = std::move(watcher);
}
