// The program's one window with its OpenGL context. Once the display is lost
// (platform/display_loss.h), neither is touched again: frames are no longer
// presented, and deleting them leaves them as they are.
#pragma once

#include <memory>
#include <string>

struct SDL_Window;

class PlatformWindow {
public:
    // Creates a hidden window whose client area is width x height at (x, y),
    // ready for a double-buffered RGBA context with a depth buffer of at least
    // 16 bits. Returns null, with the reason in `error`, when it cannot.
    static std::unique_ptr<PlatformWindow> Create(const char* name, int x, int y, int width, int height,
                                                  std::string& error);
    ~PlatformWindow();
    PlatformWindow(const PlatformWindow&) = delete;
    PlatformWindow& operator=(const PlatformWindow&) = delete;

    void SetTitle(const char* title);
    void Show();
    void Hide();
    // Switches to full screen in the display mode of exactly width x height
    // (and bits per pixel, unless 0); false when there is no such mode.
    bool EnterFullscreen(int width, int height, int bits_per_pixel);
    // Back to a window on the desktop with a client area of width x height.
    void EnterWindowed(int width, int height);
    // Hides the window while another program's dialog is up, leaving full
    // screen (and showing the cursor) when it was there; ShowAfterDialog brings
    // it back in the mode it had.
    void HideForDialog();
    void ShowAfterDialog();
    void ShowCursor(bool show);
    int DesktopBitsPerPixel() const;
    void ClientSize(int& width, int& height) const;
    void SwapBuffers();
    long SwapCount() const { return swaps_; }

    // The OpenGL context of this window, made current.
    class GLContext {
    public:
        ~GLContext();
        GLContext(const GLContext&) = delete;
        GLContext& operator=(const GLContext&) = delete;

    private:
        friend class PlatformWindow;
        explicit GLContext(void* handle) : handle_(handle) {}
        void* handle_;
    };
    std::unique_ptr<GLContext> CreateGLContext(std::string& error);

private:
    explicit PlatformWindow(SDL_Window* window) : window_(window) {}
    SDL_Window* window_;
    long swaps_ = 0;
    bool fullscreen_before_dialog_ = false;
};

// OpenGL extension queries of the current context.
bool GLExtensionSupported(const char* name);
void* GLProcAddress(const char* name);

// The program's one window, once start-up has made it.
extern PlatformWindow* __hWnd;

// Shows a modal notice when a person can answer it (a real display, and
// MORVANE_NO_NOTICE not set); returns whether it was shown.
bool ShowModalNotice(const char* caption, const char* text);
