#include "platform/window.h"

#include <SDL.h>
#include <dlfcn.h>
#include <link.h>

#include <cstdlib>
#include <cstring>

#include "platform/display_loss.h"

PlatformWindow* __hWnd = nullptr;

namespace {

bool VideoStarted() {
    return SDL_WasInit(SDL_INIT_VIDEO) != 0;
}

void RequestContextAttributes() {
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 5);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 5);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 5);
}

// Keeps the OpenGL driver that the context loaded at run time mapped until the
// process ends. They would
// otherwise be unloaded at exit, and a leak checker would then report their
// own allocations as leaks from an unknown module, which no suppression names.
void PinLoadedGLDriver() {
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void*) {
            const char* name = info->dlpi_name;
            if (name != nullptr &&
                (std::strstr(name, "_dri.so") != nullptr || std::strstr(name, "_mesa.so") != nullptr ||
                 std::strstr(name, "libglapi") != nullptr)) {
                dlopen(name, RTLD_LAZY | RTLD_NOLOAD | RTLD_NODELETE);
            }
            return 0;
        },
        nullptr);
}

}  // namespace

std::unique_ptr<PlatformWindow> PlatformWindow::Create(const char* name, int x, int y, int width, int height,
                                                       std::string& error) {
    // The screen saver stays off while the program runs (SDL's default, made explicit).
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "0");
    if (!VideoStarted() && SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        error = SDL_GetError();
        return nullptr;
    }
    RequestContextAttributes();
    SDL_Window* window = SDL_CreateWindow(name, x, y, width, height, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (window == nullptr) {
        error = SDL_GetError();
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return nullptr;
    }
    SDL_DisableScreenSaver();
    PinLoadedGLDriver();  // what the window loaded already; the context loads the rest
    WatchForDisplayLoss(window);
    return std::unique_ptr<PlatformWindow>(new PlatformWindow(window));
}

PlatformWindow::~PlatformWindow() {
    // A window on a lost display is left as it is: closing it would wait on a server that is gone.
    if (DisplayLost()) return;
    SDL_DestroyWindow(window_);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

void PlatformWindow::SetTitle(const char* title) {
    SDL_SetWindowTitle(window_, title != nullptr ? title : "");
}

void PlatformWindow::Show() {
    SDL_ShowWindow(window_);
}

void PlatformWindow::Hide() {
    SDL_SetWindowFullscreen(window_, 0);
    SDL_HideWindow(window_);
}

bool PlatformWindow::EnterFullscreen(int width, int height, int bits_per_pixel) {
    const int display = SDL_GetWindowDisplayIndex(window_);
    const int modes = SDL_GetNumDisplayModes(display < 0 ? 0 : display);
    for (int i = 0; i < modes; ++i) {
        SDL_DisplayMode mode;
        if (SDL_GetDisplayMode(display, i, &mode) != 0 || mode.w != width || mode.h != height) continue;
        if (bits_per_pixel != 0 && static_cast<int>(SDL_BITSPERPIXEL(mode.format)) != bits_per_pixel)
            continue;
        if (SDL_SetWindowDisplayMode(window_, &mode) != 0) continue;
        SDL_ShowWindow(window_);
        if (SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN) == 0) {
            SDL_RaiseWindow(window_);
            return true;
        }
    }
    return false;
}

void PlatformWindow::EnterWindowed(int width, int height) {
    SDL_SetWindowFullscreen(window_, 0);
    SDL_SetWindowSize(window_, width, height);
    SDL_ShowWindow(window_);
}

void PlatformWindow::HideForDialog() {
    fullscreen_before_dialog_ = (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN) != 0;
    Hide();
    if (fullscreen_before_dialog_) ShowCursor(true);
}

void PlatformWindow::ShowAfterDialog() {
    SDL_ShowWindow(window_);
    if (!fullscreen_before_dialog_) return;
    // The display mode chosen on entering full screen is still the window's.
    if (SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN) == 0) SDL_RaiseWindow(window_);
    ShowCursor(false);
}

void PlatformWindow::ShowCursor(bool show) {
    SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

int PlatformWindow::DesktopBitsPerPixel() const {
    SDL_DisplayMode mode;
    const int display = SDL_GetWindowDisplayIndex(window_);
    if (SDL_GetDesktopDisplayMode(display < 0 ? 0 : display, &mode) != 0) return 32;
    return static_cast<int>(SDL_BITSPERPIXEL(mode.format));
}

void PlatformWindow::ClientSize(int& width, int& height) const {
    SDL_GetWindowSize(window_, &width, &height);
}

void PlatformWindow::SwapBuffers() {
    if (!DisplayLost()) SDL_GL_SwapWindow(window_);
    ++swaps_;
}

std::unique_ptr<PlatformWindow::GLContext> PlatformWindow::CreateGLContext(std::string& error) {
    SDL_GLContext context = SDL_GL_CreateContext(window_);
    if (context == nullptr) {
        error = SDL_GetError();
        return nullptr;
    }
    SDL_GL_MakeCurrent(window_, context);
    PinLoadedGLDriver();
    return std::unique_ptr<GLContext>(new GLContext(context));
}

PlatformWindow::GLContext::~GLContext() {
    if (DisplayLost()) return;  // it went with its display
    SDL_GL_MakeCurrent(SDL_GL_GetCurrentWindow(), nullptr);
    SDL_GL_DeleteContext(handle_);
}

bool GLExtensionSupported(const char* name) {
    return SDL_GL_ExtensionSupported(name) == SDL_TRUE;
}

void* GLProcAddress(const char* name) {
    return SDL_GL_GetProcAddress(name);
}

bool ShowModalNotice(const char* caption, const char* text) {
    const char* driver = SDL_GetCurrentVideoDriver();
    const bool headless = driver == nullptr || std::strcmp(driver, "offscreen") == 0 ||
                          std::strcmp(driver, "dummy") == 0 || std::getenv("MORVANE_NO_NOTICE") != nullptr;
    if (headless) return false;
    return SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_WARNING, caption, text, nullptr) == 0;
}
