// OpenGLPrism: the runtime's one display. It owns the OpenGL context of the
// program's window, switches the window between full-screen and windowed
// mode, keeps the 2D projection in which every 2D command draws (window
// pixels, origin at the top left), sets up the 3D projection, presents frames
// and paces the frame rate.
#pragma once

#include <GL/gl.h>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <vector>

#include "gfx2d/bitmap_file.h"
#include "gfx2d/draw_batch.h"
#include "gfx2d/frame_pacer.h"
#include "gfx2d/frame_target.h"
#include "gfx2d/nearest_sampler.h"
#include "gfx2d/texture_units.h"
#include "platform/window.h"

// The effect record of DrawSpriteFX.
struct OPENGL_SPRITEFX {
    float angle = 0;          // degrees
    std::int16_t width = 0;   // 0 or less: the image width
    std::int16_t height = 0;  // 0 or less: the image height
    std::uint32_t tint = 0;   // red + green * 256 + blue * 65536; 0: no tint
};

// One particle of the particle pool, and the template Particles copies.
struct OPENGL_PARTICLE {
    std::int32_t count;  // particles to emit (read from the template only)
    std::int32_t unused;
    float life;  // milliseconds
    float vx, vy;
    float ax, ay;
    float damping_x, damping_y;
    float x, y;
    float red, green, blue;
};

class OpenGLPrism {
public:
    static constexpr int kSpriteSlots = 4095;
    static constexpr int kFirstFontSlot = 4079;  // fonts 0 to 15 live in slots 4079 to 4094
    static constexpr int kFonts = 16;
    static constexpr int kSurfaces = 15;
    static constexpr int kSurfaceGrid = 64;  // tiles a surface holds across and down
    static constexpr int kParticles = 1024;
    static constexpr std::uint32_t kSpriteKey = 0x8000FF;  // red 255, green 0, blue 128

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

    // Milliseconds on the runtime's clock (the high-resolution counter behind the clock seam).
    double AccurateTime() const;
    void SetMaxFPS(int fps) { pacer_.SetMaxFps(fps); }
    bool IsActive() const { return active_; }

    // Selects the texture of a sprite (entry 1 of its pair when mipmapped); a
    // negative sprite number draws untextured. Selecting what is already
    // selected costs no OpenGL call.
    void SetTexture3D(int sprite, int second, int mipmap);

    // Consecutive sprites, characters, rectangles, lines and points that share
    // their texture and OpenGL state are gathered and drawn with one call.
    // Code that uses OpenGL without the display (3D drawing, reading the
    // frame, drawing of its own) calls FinishBatch first: it draws what is
    // gathered, and the display asks afresh for the colour and texture state
    // that such code may change.
    void FinishBatch();
    // With batching off, each drawing command draws at once (for comparisons).
    void SetBatching(bool on);
    // Draw calls the batch has made so far.
    long BatchDraws() const { return batch_.Draws(); }
    // Shortcuts that leave every pixel as it is: textured batches whose every
    // pixel centre falls on a texel centre are drawn with nearest filtering,
    // which gives what the textures' linear filtering gives; batches of a
    // texture whose every texel passes the alpha test, at full alpha, are
    // drawn without the test. Off: always the general path (for comparisons).
    void SetExactShortcuts(bool on);
    // Where the display draws: into an off-screen picture copied into the
    // window at each flip, where the context allows, or straight into the
    // window's buffers. kBySprites, the default, draws into the window's
    // buffers and moves into the picture after a frame whose sprites covered
    // the screen kSpriteScreensForPicture times: the software rasteriser fills
    // sprites faster there, which then outweighs the copy of each frame (about
    // 1 ms at 640 x 480). Choosing another target loses the picture drawn so far.
    enum class FrameTargetChoice { kBySprites, kPicture, kWindow };
    void ChooseFrameTarget(FrameTargetChoice choice);
    static constexpr double kSpriteScreensForPicture = 4;
    bool DrawsOffScreen() const { return frame_target_.Active(); }
    // Turns the depth test on, with the depth buffer attached, for 3D drawing.
    void StartDepthTest();
    // Draw calls made with nearest filtering, and without the alpha test, so far.
    long NearestDraws() const { return nearest_draws_; }
    long UntestedDraws() const { return untested_draws_; }

    // Sprites: images loaded into slots 0 to 4094 as a plain and a mipmapped
    // texture. Slot numbers outside the table are refused.
    static bool IsSpriteSlot(int sprite) { return sprite >= 0 && sprite < kSpriteSlots; }
    bool LoadSprite(int sprite, const char* path, std::uint32_t key, bool normal_map);
    // The same from an image already in memory.
    bool LoadSpriteImage(int sprite, const BitmapFile& image, std::uint32_t key, bool normal_map);
    void FreeSprite(int sprite);
    void GetSpriteSize(int sprite, int& width, int& height) const;

    // Background surfaces 0 to 14: bitmaps or frame-buffer copies in tiles.
    static bool IsSurface(int surface) { return surface >= 0 && surface < kSurfaces; }
    bool LoadSurface(int surface, const char* path, bool unused = false);
    void FreeSurface(int surface);
    void GrabSurface(int surface);
    void PasteSurface(int surface);
    // How many tile columns and rows a surface has, and the size of one tile.
    void GetSurfaceGrid(int surface, int& columns, int& rows) const;
    void GetSurfaceTileSize(int surface, int column, int row, int& width, int& height) const;
    // Writes the back buffer as a 24-bit bitmap; 1 on success, 0 on failure.
    int SaveBMPFile(const char* path);
    void FreeAll();

    // Sprite drawing, in window pixels from the top left.
    void DrawSprite(int sprite, std::int16_t x, std::int16_t y);
    void StretchSprite(int sprite, std::int16_t x, std::int16_t y, std::int16_t width, std::int16_t height);
    void RotoSprite(int sprite, std::int16_t x, std::int16_t y, int angle);
    void DrawSpriteFX(int sprite, std::int16_t x, std::int16_t y, const OPENGL_SPRITEFX& effect);
    // A camera-facing sprite standing on (x, y, z) in the 3D scene.
    void DrawBillboard(int sprite, float x, float y, float z, float scale);
    // Copies a rectangle of the frame buffer into a sprite slot.
    bool GrabSprite(int sprite, std::int16_t x, std::int16_t y, std::int16_t width, std::int16_t height);
    // Whether opaque pixels of two sprites placed at (xa, ya) and (xb, yb) overlap.
    bool SpriteCollision(int a, int b, std::int16_t xa, std::int16_t ya, std::int16_t xb, std::int16_t yb);

    // Fonts: sheets of 16 x 8 character cells in slots 4079 to 4094.
    bool LoadFont(unsigned font, const char* path);
    // The font sheet built into the runtime, as font `font`.
    bool LoadBuiltInFont(unsigned font);
    void DrawTextA(std::int16_t font, const char* text, std::int16_t x, std::int16_t y);
    void GetFontSize(int font, int& width, int& height) const;

    // Blending and primitives.
    void DoAlpha(float mode);
    float ColorIntensity() const { return color_intensity_; }
    void DrawPixel(std::int16_t x, std::int16_t y, std::uint32_t colour);
    void DrawLine(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2, std::uint32_t colour);
    void DrawRect(std::int16_t left, std::int16_t top, std::int16_t right, std::int16_t bottom,
                  std::uint32_t colour);
    void StartPoly(int sprite);
    void PolyPoint(std::int16_t x, std::int16_t y, float s, float t, std::uint32_t colour);
    void EndPoly();
    // One corner of a polygon as drawn: x, -y, s, 1 - t, red, green, blue, alpha.
    using PolygonVertex = Vertex2D;
    // The corners gathered since StartPoly, as whole triangles of a fan around
    // the first point and an unfinished pair.
    const std::vector<PolygonVertex>& PolygonVertices() const { return polygon_; }
    // Cross-fades from one surface to another over 52 frames.
    void BlendToSurface(int from, int to);
    void Particles(OPENGL_PARTICLE& particle, std::uint32_t colour);
    void DrawParticles();

    int Width() const { return width_; }
    int Height() const { return height_; }
    int BitsPerPixel() const { return bits_per_pixel_; }
    bool IsFullscreen() const { return fullscreen_; }
    PlatformWindow* Window() const { return window_; }
    std::array<std::int16_t, 4> Viewport() const {
        return {viewport_x_, viewport_y_, viewport_w_, viewport_h_};
    }
    // The texture names of each sprite: plain and mipmapped.
    std::array<GLuint, 2>& SpriteTextures(int sprite) {
        return sprite_textures_[static_cast<std::size_t>(sprite)];
    }

private:
    struct SpriteSlot {
        std::int16_t texture_width = -1;  // -1 and -1: an empty slot
        std::int16_t texture_height = -1;
        std::int16_t image_width = 0;
        std::int16_t image_height = 0;
        bool opaque = false;                       // every texel of the plain texture passes the alpha test
        std::vector<std::uint8_t> collision_mask;  // alpha of the plain texture, read back on first use
    };
    struct Surface {
        std::array<std::array<GLuint, kSurfaceGrid>, kSurfaceGrid> tiles{};  // [column][row]
        std::array<std::array<std::int16_t, kSurfaceGrid>, kSurfaceGrid> tile_width{};
        std::array<std::array<std::int16_t, kSurfaceGrid>, kSurfaceGrid> tile_height{};
        std::int8_t columns = 0;
        std::int8_t rows = 0;
    };
    struct TextureSelection {
        int sprite, second, mipmap;
    };

    GLuint TextureOf(int sprite, int mipmap) const;
    void MakeSpriteTextures(int sprite, const BitmapFile& image, std::uint32_t key, bool normal_map);
    // Records the image size and its power-of-two texture size.
    void SetSpriteSize(int sprite, int width, int height);
    // The texture-coordinate extent of a sprite's image within its texture.
    void SpriteExtent(int sprite, float& u, float& v) const;
    // One quad of a sprite between two corners, with the sprite's texture:
    // gathered into the batch, or drawn at once under a matrix of its own.
    void BatchSpriteQuad(int sprite, float left, float bottom, float right, float top);
    void DrawSpriteQuadNow(int sprite, float left, float bottom, float right, float top);
    const std::vector<std::uint8_t>& CollisionMask(int sprite);
    // The colour of a primitive, with the colour intensity applied.
    void PrimitiveColour(std::uint32_t colour, float rgba[4]) const;
    // The colour sprites and text are modulated with: the intensity in grey.
    void UseIntensityColour() { SetColour(color_intensity_, color_intensity_, color_intensity_, 1); }
    // The current OpenGL colour, as set here or, after FinishBatch, as asked of OpenGL.
    void SetColour(float red, float green, float blue, float alpha);
    const std::array<float, 4>& CurrentColour();
    TextureSelection CurrentTexture() const { return {texture_sprite_, texture_second_, texture_mipmap_}; }
    void SelectTexture(const TextureSelection& t) { SetTexture3D(t.sprite, t.second, t.mipmap); }
    // Makes the batch ready for `vertices` more of `kind`, drawing what it
    // holds first when that is of another kind or there is no room.
    void StartBatch(const DrawBatch::Kind& kind, std::size_t vertices);
    // After a drawing command has gathered its vertices.
    void EndBatchedCommand();
    // Draws what the batch holds in the state its kind needs, then puts the
    // shown state back.
    void FlushBatch();
    // Tells the batch whether a quad of the sprite's texture just gathered
    // samples texel centres.
    void NoteQuadSampling(int sprite, const Vertex2D (&corners)[4]);
    // The batch kind of quads of a sprite's plain texture.
    DrawBatch::Kind TexturedKind(GLenum primitive, int sprite) const;
    // Whether the batch may be drawn with nearest filtering, or without the
    // alpha test, for the same pixels.
    bool BatchSamplesTexelCentres() const;
    bool BatchPassesAlphaTest() const;
    // Draws the batch with the shortcuts that leave its pixels as they are.
    void DrawGathered();
    // Gathers an untextured point, line or quad in a primitive colour.
    void BatchUntextured(GLenum primitive, std::uint32_t colour,
                         std::initializer_list<std::array<int, 2>> corners);
    void ReportRenderer();
    void SetViewportOnScreen() const;
    void MoveIntoPictureIfSpritesPay();
    void MoveIntoPicture();

    float color_intensity_ = 1.0f;
    std::array<float, 4> colour_{1, 1, 1, 1};
    bool colour_known_ = false;
    TextureUnits texture_units_;
    DrawBatch batch_;
    bool batching_ = true;
    bool exact_shortcuts_ = true;
    long nearest_draws_ = 0;
    long untested_draws_ = 0;
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
    std::array<SpriteSlot, kSpriteSlots> sprites_;
    std::array<Surface, kSurfaces> surfaces_;
    int polygon_sprite_ = 0;
    std::vector<PolygonVertex> polygon_;
    std::array<OPENGL_PARTICLE, kParticles> particles_{};
    int next_particle_ = 0;
    std::unique_ptr<PlatformWindow::GLContext> context_;
    NearestSampler nearest_sampler_;
    FrameTarget frame_target_;
    FrameTargetChoice frame_target_choice_ = FrameTargetChoice::kBySprites;
    double sprite_area_ = 0;  // pixels covered by sprites since the last flip
};

// The display, created by start-up.
extern OpenGLPrism* pPrism;

// The display's FinishBatch, for code outside it that is about to use OpenGL;
// nothing while there is no display.
void FinishBatchedDrawing();
