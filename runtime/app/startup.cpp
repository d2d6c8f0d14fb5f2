#include "app/startup.h"

#include <GL/gl.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "app/shutdown.h"
#include "core/command_line.h"
#include "core/dxinput.h"
#include "core/error_log.h"
#include "core/random.h"
#include "core/startup_settings.h"
#include "core/whole_number.h"
#include "files/name_resolution.h"
#include "files/program_containers.h"
#include "gfx2d/frame_commands.h"
#include "gfx2d/opengl_prism.h"
#include "gfx2d/text_commands.h"
#include "gfx3d/prism3d.h"
#include "media/music.h"
#include "media/sound_buffer.h"
#include "media/sound_device.h"
#include "net/net_commands.h"
#include "net/zt_network.h"
#include "platform/display_loss.h"
#include "platform/heap.h"
#include "platform/replay_start.h"
#include "platform/window.h"

namespace {

// The window is deleted by DeleteRuntimeObjects alone: its holder is never
// destroyed, so that no static clean-up at exit tears down SDL's video.
std::unique_ptr<PlatformWindow>& ProgramWindow() {
    static auto& window = *new std::unique_ptr<PlatformWindow>();
    return window;
}

[[noreturn]] void StartupFailed(const std::string& reason) {
    std::fprintf(stderr, "%s\n", reason.c_str());
    WriteErrorLog(reason.c_str());
    EndProgram();
}

// Font 0 comes from "Smalfont.bmp" beside the program or in its container; a
// program with neither starts with the font built into the runtime.
void LoadDefaultFont() {
    constexpr const char* kDefaultFont = "Smalfont.bmp";
    if (ResolveFileName(kDefaultFont).empty()) {
        pPrism->LoadBuiltInFont(0);
    } else {
        LOADFONT(DynStr(kDefaultFont), 0);
    }
}

std::uint16_t Low16Bits(std::int32_t value) {
    return static_cast<std::uint16_t>(value);
}

// The display keeps its size in 16 bits; larger windows no display shows.
constexpr std::int32_t kLargestWindowSide = 16384;

bool IsPossibleWindowSide(std::int32_t pixels) {
    return pixels >= 1 && pixels <= kLargestWindowSide;
}

}  // namespace

int GlobalInit(const char* command_line, const char* title) {
    KeepHeapBetweenFrames();
    InstallProgramEnd();
    __g_cmdline = command_line;
    if (!IsPossibleWindowSide(__QV_RESX) || !IsPossibleWindowSide(__QV_RESY)) {
        DeleteErrorLog();
        StartupFailed("The window size " + std::to_string(__QV_RESX) + " x " + std::to_string(__QV_RESY) +
                      " is not possible: each side takes 1 to " + std::to_string(kLargestWindowSide) +
                      " pixels.");
    }
    std::string error;
    ProgramWindow() = PlatformWindow::Create("Morvane", 50, 50, __QV_RESX, __QV_RESY, error);
    if (!ProgramWindow()) {
        DeleteErrorLog();
        StartupFailed("The window cannot be created: " + error);
    }
    __hWnd = ProgramWindow().get();
    __hWnd->Show();
    __hWnd->SetTitle(title);

    DeleteErrorLog();
    // Before the first reading of the clock, which seeds the random generator.
    StartRecordingOrReplay();
    pDXin = new DXInput();
    pPrism = new OpenGLPrism();
    pDXsnd = new SFXSound();
    DXwav = new SFXSoundBuffer[kSoundCount];
    if (pPrism->Init(__hWnd, Low16Bits(__QV_RESX), Low16Bits(__QV_RESY), 0, Low16Bits(__QV_FRAMERATE)) == 0) {
        StartupFailed("OpenGL cannot be started on the window.");
    }
    // The low 32 bits of the clock: different runs get different sequences.
    Ztsrand(static_cast<std::uint32_t>(TruncToInt64(pPrism->AccurateTime())));
    if (__QV_FULLSCREEN != 0) {
        pPrism->DoFullscreen();
    } else {
        pPrism->DoWindowed();
    }
    pDXin->CreateDInput(__QV_WANTMOUSE != 0);
    pDXsnd->CreateInBackground(__hWnd);
    AddFrameStep(LoopMusic);
    __nCurFont = 0;
    UseProgramFileAsContainers();
    LoadDefaultFont();
    // The network object comes last; every frame step serves its session.
    pZtNet = new ZtNetwork();
    AddFrameStep(ServiceNetwork);

    glClear(GL_COLOR_BUFFER_BIT);
    pPrism->FlipScreens();
    pPrism->Make2DViewport(0, 0, 0, 0);
    __g_FirstTime = __g_LastTime = __g_ThisTime = pPrism->AccurateTime();
    return 0;
}

void DeleteRuntimeObjects() {
    // Display lists and buffers belong to the display's context: freed while
    // it exists, and left alone when the display has been lost.
    if (pPrism != nullptr && !DisplayLost()) prism3D.FreeObjects();
    delete pPrism;
    pPrism = nullptr;
    delete pDXin;
    pDXin = nullptr;
    delete[] DXwav;
    DXwav = nullptr;
    if (pDXsnd != nullptr) pDXsnd->LeaveToProcessEnd();
    delete pDXsnd;
    pDXsnd = nullptr;
    __hWnd = nullptr;
    ProgramWindow().reset();
    // Leaving the session last: a host's joiners learn that it has ended.
    delete pZtNet;
    pZtNet = nullptr;
}
