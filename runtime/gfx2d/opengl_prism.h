// OpenGLPrism: the runtime's one display. It owns the OpenGL context of the
// program's window, switches the window between full-screen and windowed
// mode, keeps the 2D projection in which every 2D command draws (window
// pixels, origin at the top left), sets up the 3D projection, presents frames
// and paces the frame rate.
#pragma once

#include <GL/gl.h>

#include <array>
#include <cstdint>
#include <memory>

#include "gfx2d/frame_pacer.h"
#include "platform/window.h"

class OpenGLPrism {
public:
    static constexpr int kSpriteSlots = 4095;

    OpenGLPrism();
    virtual ~OpenGLPrism();
    OpenGLPrism(const OpenGLPrism&) = delete;
    OpenGLPrism& operator=(const OpenGLPrism&) = delete;

    // Creates the context on the window and sets up the display. A width or
    // height of 0 takes the window's; a colour depth of 0 the desktop's.
    // Returns 1, or 0 when no OpenGL context can be had.
    int Init(PlatformWindow* window, int width, int height, int bits_per_pixel, std::uint16_t max_fps);

    bool DoFullscreen();
    bool DoWindowed();
    int HideWindow();
    void ChangeSize(int width, int height);
    void ResizeAuto() { Make2DViewport(0, 0, 0, 0); }

    // The 2D projection in a viewport given in window pixels from the top
    // left; a width or height below 1 means the whole window.
    void Make2DViewport(std::int16_t x, std::int16_t y, std::int16_t width, std::int16_t height);
    // The 3D projection in the current viewport, with the whole window's aspect ratio.
    void Make3DViewport(double near_plane, double far_plane, double field_of_view);

    // Presents the frame, clears the new back buffer and waits for the next
    // frame slot. Returns 1 + the milliseconds spent after the clear.
    double FlipScreens();
    // Dispatches every pending window event; returns 1.
    int WinMessages();

    void SetupAccurateTimer() {}
    double AccurateTime() const;
    void SetMaxFPS(int fps) { pacer_.SetMaxFps(fps); }
    bool IsActive() const { return active_; }

    // Selects the texture of a sprite (entry 1 of its pair when mipmapped); a
    // negative sprite number draws untextured.
    void SetTexture3D(int sprite, int second, int mipmap);

    // Opaque drawing: blending off, colour white, colour intensity 1.
    void SetOpaqueDrawing();

    int Width() const { return width_; }
    int Height() const { return height_; }
    int BitsPerPixel() const { return bits_per_pixel_; }
    bool IsFullscreen() const { return fullscreen_; }
    PlatformWindow* Window() const { return window_; }
    const FramePacer& Pacer() const { return pacer_; }
    std::array<std::int16_t, 4> Viewport() const { return {viewport_x_, viewport_y_, viewport_w_, viewport_h_}; }
    // The texture names of each sprite: plain and mipmapped.
    std::array<GLuint, 2>& SpriteTextures(int sprite) { return sprite_textures_[static_cast<std::size_t>(sprite)]; }

private:
    GLuint TextureOf(int sprite, int mipmap) const;
    void ReportRenderer();
    void SetViewportOnScreen() const;

    float color_intensity_ = 1.0f;
    int texture_sprite_ = -1;
    int texture_second_ = -1;
    int texture_mipmap_ = 0;
    PlatformWindow* window_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    int bits_per_pixel_ = 0;
    bool fullscreen_ = false;
    std::int16_t viewport_x_ = 0;
    std::int16_t viewport_y_ = 0;
    std::int16_t viewport_w_ = 0;
    std::int16_t viewport_h_ = 0;
    bool active_ = false;
    FramePacer pacer_;
    std::array<std::array<GLuint, 2>, kSpriteSlots> sprite_textures_{};
    std::unique_ptr<PlatformWindow::GLContext> context_;
};

// The display, created by start-up.
extern OpenGLPrism* pPrism;
