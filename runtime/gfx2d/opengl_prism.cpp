#include "gfx2d/opengl_prism.h"

#include <cmath>
#include <cstring>
#include <string>

#include "core/error_log.h"
#include "gfx2d/gl_extensions.h"
#include "platform/clock.h"
#include "platform/display_loss.h"
#include "platform/events.h"

OpenGLPrism* pPrism = nullptr;

namespace {

constexpr const char* kSoftwareNoticeCaption = "!!OpenGL Software Emulation!!";
// The notice as the system shows it, in UTF-8.
constexpr const char* kSoftwareNoticeText =
    "Please update your GFX adapter's driver\n"
    "so it can render OpenGL by HARDWARE\n"
    "\n"
    "\n"
    "Bitte aktualisieren Sie Ihren\n"
    "Grafkkartentreiber, damit er OpenGL\n"
    "per HARDWARE unterst\xC3\xBCtzt!";

// Mesa's software rasterisers.
bool IsSoftwareRenderer(const char* renderer) {
    if (renderer == nullptr) return false;
    return std::strstr(renderer, "llvmpipe") != nullptr || std::strstr(renderer, "softpipe") != nullptr ||
           std::strstr(renderer, "swrast") != nullptr;
}

}  // namespace

OpenGLPrism::OpenGLPrism() {
    pacer_.StartAt(TheClock().WaitingClock().Milliseconds());
}

OpenGLPrism::~OpenGLPrism() {
    // Nothing of a lost display is touched: its textures, its mode and its context went with it.
    if (DisplayLost()) {
        nearest_sampler_.Forget();
        frame_target_.Forget();
        context_.reset();
        return;
    }
    if (context_) FreeAll();
    if (window_ != nullptr && fullscreen_) DoWindowed();
    nearest_sampler_.Delete();
    frame_target_.Delete();
    context_.reset();
}

double OpenGLPrism::AccurateTime() const {
    return TheClock().Milliseconds();
}

int OpenGLPrism::Init(PlatformWindow* window, int width, int height, int bits_per_pixel,
                      std::uint16_t max_fps) {
    SetMaxFPS(max_fps);
    window_ = window;
    int window_width = 0;
    int window_height = 0;
    window_->ClientSize(window_width, window_height);
    width_ = width != 0 ? width : std::abs(window_width);
    height_ = height != 0 ? height : std::abs(window_height);
    bits_per_pixel_ = bits_per_pixel != 0 ? bits_per_pixel : window_->DesktopBitsPerPixel();
    fullscreen_ = false;

    std::string error;
    context_ = window_->CreateGLContext(error);
    if (!context_) {
        WriteErrorLog(("No OpenGL context: " + error).c_str());
        return 0;
    }
    ReportRenderer();
    pacer_.StartAt(TheClock().WaitingClock().Milliseconds());
    GLExt::LoadExtensions();
    nearest_sampler_.Create();
    Make2DViewport(0, 0, 0, 0);
    active_ = true;
    return 1;
}

// Writes whether OpenGL renders in hardware; a software renderer also gets the
// notice, where a person can see it.
void OpenGLPrism::ReportRenderer() {
    if (IsSoftwareRenderer(reinterpret_cast<const char*>(glGetString(GL_RENDERER)))) {
        ShowModalNotice(kSoftwareNoticeCaption, kSoftwareNoticeText);
        WriteErrorLog("OpenGL Software Emulation");
    } else {
        WriteErrorLog("OpenGL Hardware Support");
    }
}

bool OpenGLPrism::DoFullscreen() {
    const bool other_depth = bits_per_pixel_ != 0 && bits_per_pixel_ != window_->DesktopBitsPerPixel();
    if (!window_->EnterFullscreen(width_, height_, other_depth ? bits_per_pixel_ : 0)) {
        if (!other_depth || !window_->EnterFullscreen(width_, height_, 0)) {
            WriteErrorLog("No Fullscreen Mode available");
            DoWindowed();
            return false;
        }
        bits_per_pixel_ = window_->DesktopBitsPerPixel();
        ReportRenderer();
    }
    if (!fullscreen_) window_->ShowCursor(false);
    ChangeSize(width_, height_);
    fullscreen_ = true;
    return true;
}

bool OpenGLPrism::DoWindowed() {
    const bool was_fullscreen = fullscreen_;
    if (was_fullscreen) {
        window_->EnterWindowed(width_, height_);
        // Give the display time to settle back into the desktop's mode.
        TheClock().WaitingClock().Sleep(500);
    }
    window_->EnterWindowed(width_, height_);
    if (was_fullscreen) window_->ShowCursor(true);
    ResizeAuto();
    fullscreen_ = false;
    return true;
}

int OpenGLPrism::HideWindow() {
    const bool was_fullscreen = fullscreen_;
    window_->Hide();
    if (was_fullscreen) window_->ShowCursor(true);
    fullscreen_ = false;
    return 1;
}

void OpenGLPrism::ChangeSize(int width, int height) {
    FinishBatch();
    const bool resize = frame_target_.Active() && (width != width_ || height != height_);
    width_ = width;
    height_ = height;
    if (resize) frame_target_.Create(width_, height_);
    Make2DViewport(0, 0, 0, 0);
}

void OpenGLPrism::SetViewportOnScreen() const {
    glViewport(viewport_x_, height_ - viewport_h_ - viewport_y_, viewport_w_, viewport_h_);
}

void OpenGLPrism::ChooseFrameTarget(FrameTargetChoice choice) {
    FinishBatch();
    frame_target_choice_ = choice;
    if (choice != FrameTargetChoice::kPicture) {
        frame_target_.Delete();
        return;
    }
    MoveIntoPicture();
}

// Keeps drawing in the picture where it exists already.
void OpenGLPrism::MoveIntoPicture() {
    if (frame_target_.Active() || !frame_target_.Create(width_, height_)) return;
    frame_target_.UseDepth(glIsEnabled(GL_DEPTH_TEST) == GL_TRUE);
    // Cleared in the program's colour, as the window's buffers are after a flip.
    frame_target_.Clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void OpenGLPrism::StartDepthTest() {
    FinishBatch();
    frame_target_.UseDepth(true);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
}

void OpenGLPrism::Make2DViewport(std::int16_t x, std::int16_t y, std::int16_t width, std::int16_t height) {
    FinishBatch();                  // drawn in the projection it was gathered in
    frame_target_.UseDepth(false);  // 2D drawing never tests depth
    if (width < 1 || height < 1) {
        width = static_cast<std::int16_t>(width_);
        height = static_cast<std::int16_t>(height_);
    }
    viewport_x_ = x;
    viewport_y_ = y;
    viewport_w_ = width;
    viewport_h_ = height;
    SetViewportOnScreen();

    // Pixel (px, py) of the viewport is drawn at (px, -py).
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, width, -height, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    texture_units_.Enable(0, true);
    glEnable(GL_CULL_FACE);
    glFrontFace(GL_CCW);
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, 0.5f);
    for (GLenum capability : {GL_DEPTH_TEST, GL_DITHER, GL_FOG, GL_LINE_SMOOTH, GL_POINT_SMOOTH,
                              GL_POLYGON_SMOOTH, GL_STENCIL_TEST, GL_POLYGON_OFFSET_POINT, GL_COLOR_MATERIAL,
                              GL_AUTO_NORMAL, GL_NORMALIZE, GL_LIGHTING}) {
        glDisable(capability);
    }
    SetColour(1, 1, 1, 1);
    glClearColor(0, 0, 0, 1);
    glShadeModel(GL_FLAT);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_FASTEST);
    glHint(GL_POLYGON_SMOOTH_HINT, GL_FASTEST);
}

void OpenGLPrism::Make3DViewport(double near_plane, double far_plane, double field_of_view) {
    FinishBatch();
    SetViewportOnScreen();
    const double top = near_plane * std::tan(field_of_view * 3.14159265358979323846 / 360.0);
    const double aspect = static_cast<double>(width_) / (height_ != 0 ? height_ : 1);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-top * aspect, top * aspect, -top, top, near_plane, far_plane);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    SetTexture3D(-1, -1, 0);

    StartDepthTest();
    glEnable(GL_CULL_FACE);
    glFrontFace(GL_CCW);
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, 0.5f);
    glEnable(GL_COLOR_MATERIAL);
    glEnable(GL_DITHER);
    SetColour(1, 1, 1, 1);
    glClearColor(0, 0, 0, 1);
    for (GLenum capability : {GL_FOG, GL_LINE_SMOOTH, GL_POINT_SMOOTH, GL_POLYGON_SMOOTH, GL_STENCIL_TEST,
                              GL_POLYGON_OFFSET_POINT, GL_AUTO_NORMAL, GL_NORMALIZE, GL_LIGHTING}) {
        glDisable(capability);
    }
    glShadeModel(GL_SMOOTH);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glHint(GL_POLYGON_SMOOTH_HINT, GL_NICEST);
}

double OpenGLPrism::FlipScreens() {
    FinishBatch();
    if (frame_target_.Active()) {
        int window_width = 0;
        int window_height = 0;
        window_->ClientSize(window_width, window_height);
        frame_target_.CopyToWindow(window_width, window_height);
    }
    glFlush();
    window_->SwapBuffers();
    frame_target_.Clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    MoveIntoPictureIfSpritesPay();
    return pacer_.WaitForNextSlot(TheClock().WaitingClock(), DispatchWindowEvents);
}

// Between frames, where nothing drawn is lost by the move.
void OpenGLPrism::MoveIntoPictureIfSpritesPay() {
    const double screen = static_cast<double>(width_) * height_;
    if (frame_target_choice_ == FrameTargetChoice::kBySprites &&
        sprite_area_ >= kSpriteScreensForPicture * screen)
        MoveIntoPicture();
    sprite_area_ = 0;
}

int OpenGLPrism::WinMessages() {
    DispatchWindowEvents();
    return 1;
}

GLuint OpenGLPrism::TextureOf(int sprite, int mipmap) const {
    if (sprite < 0 || sprite >= kSpriteSlots) return 0;
    return sprite_textures_[static_cast<std::size_t>(sprite)][mipmap != 0 ? 1 : 0];
}

void OpenGLPrism::SetTexture3D(int sprite, int second, int mipmap) {
    texture_sprite_ = sprite;
    texture_second_ = second;
    texture_mipmap_ = mipmap != 0 ? 1 : 0;
    if (GLExt::glActiveTextureARB == nullptr) {
        if (sprite < 0) {
            texture_units_.Enable(0, false);
            glEnable(GL_COLOR_MATERIAL);
        } else {
            texture_units_.Bind(0, TextureOf(sprite, texture_mipmap_));
            texture_units_.Enable(0, true);
        }
        return;
    }
    if (second < 0 || sprite < 0) {
        texture_units_.Enable(1, false);
    } else {
        texture_units_.Bind(1, TextureOf(sprite, texture_mipmap_));
        texture_units_.Enable(1, true);
    }
    if (sprite < 0) {
        texture_units_.Enable(0, false);
    } else {
        texture_units_.Bind(0, TextureOf(second < 0 ? sprite : second, texture_mipmap_));
        texture_units_.Enable(0, true);
    }
}
