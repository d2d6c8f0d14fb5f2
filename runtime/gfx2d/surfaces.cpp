// Background surfaces: images or copies of the frame buffer cut into tiles,
// each tile its own texture, drawn behind everything.
#include <algorithm>

#include "gfx2d/image_file.h"
#include "gfx2d/opengl_prism.h"
#include "gfx2d/textures.h"

namespace {

constexpr int kBitmapTile = 64;
constexpr int kGrabTileLimit = 256;

}  // namespace

bool OpenGLPrism::LoadSurface(int surface, const char* path, bool /*unused*/) {
    if (!IsSurface(surface) || path == nullptr) return false;
    FinishBatch();  // the tiles are made with OpenGL's texture bindings
    const std::optional<BitmapFile> bitmap = ReadImageFile(path);
    // A bitmap needing more tiles than the grid holds cannot be a surface.
    if (!bitmap || bitmap->width > kSurfaceGrid * kBitmapTile ||
        bitmap->height > kSurfaceGrid * kBitmapTile) {
        return false;
    }
    FreeSurface(surface);
    Surface& tiles = surfaces_[static_cast<std::size_t>(surface)];
    int row = 0;
    for (int y = 0; y < bitmap->height; y += kBitmapTile, ++row) {
        int column = 0;
        for (int x = 0; x < bitmap->width; x += kBitmapTile, ++column) {
            MakeTextureFromBitmap(*bitmap, x, y, kBitmapTile, kBitmapTile, tiles.tiles[column][row], nullptr,
                                  kSpriteKey, true, false);
            tiles.tile_width[column][row] = kBitmapTile;
            tiles.tile_height[column][row] = kBitmapTile;
        }
        tiles.columns = static_cast<std::int8_t>(std::max<int>(tiles.columns, column));
    }
    tiles.rows = static_cast<std::int8_t>(row);
    return true;
}

void OpenGLPrism::FreeSurface(int surface) {
    if (!IsSurface(surface)) return;
    FinishBatch();  // a deleted texture leaves its unit
    Surface& tiles = surfaces_[static_cast<std::size_t>(surface)];
    if (context_) {
        for (int column = 0; column < tiles.columns; ++column) {
            glDeleteTextures(tiles.rows, tiles.tiles[column].data());
        }
    }
    tiles = Surface();
}

void OpenGLPrism::GrabSurface(int surface) {
    if (!IsSurface(surface)) return;
    FinishBatch();  // the picture as drawn so far
    GLint max_size = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &max_size);
    const int tile = std::min<int>(max_size, kGrabTileLimit);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    FreeSurface(surface);
    Surface& tiles = surfaces_[static_cast<std::size_t>(surface)];
    int row = 0;
    int columns = 0;
    for (int y = 0; y < height_ && row < kSurfaceGrid; ++row) {
        int tile_height = tile;
        while (y + tile_height > height_ && tile_height > 1)
            tile_height /= 2;
        columns = 0;
        for (int x = 0; x < width_ && columns < kSurfaceGrid; x += tile, ++columns) {
            GLuint& name = tiles.tiles[columns][row];
            name = NewTexture(GL_LINEAR);
            glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, tile, tile_height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                         nullptr);
            glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, x, height_ - y - tile_height, tile, tile_height);
            tiles.tile_width[columns][row] = static_cast<std::int16_t>(tile);
            tiles.tile_height[columns][row] = static_cast<std::int16_t>(tile_height);
        }
        y += tile_height;
    }
    tiles.columns = static_cast<std::int8_t>(columns);
    tiles.rows = static_cast<std::int8_t>(row);
}

void OpenGLPrism::PasteSurface(int surface) {
    if (!IsSurface(surface)) return;
    const Surface& tiles = surfaces_[static_cast<std::size_t>(surface)];
    if (tiles.columns == 0 || tiles.rows == 0) return;
    FinishBatch();  // the background goes under what comes after it
    glDisable(GL_ALPHA_TEST);
    texture_units_.Enable(1, false);
    texture_units_.Enable(0, true);
    int x = 0;
    for (int column = 0; column < tiles.columns; ++column) {
        int y = 0;
        for (int row = 0; row < tiles.rows; ++row) {
            const int w = tiles.tile_width[column][row];
            const int h = tiles.tile_height[column][row];
            texture_units_.Bind(0, tiles.tiles[column][row]);
            glBegin(GL_QUADS);
            glTexCoord2f(0, 0);
            glVertex2i(x, -(y + h));
            glTexCoord2f(1, 0);
            glVertex2i(x + w, -(y + h));
            glTexCoord2f(1, 1);
            glVertex2i(x + w, -y);
            glTexCoord2f(0, 1);
            glVertex2i(x, -y);
            glEnd();
            y += h;
        }
        x += tiles.tile_width[column][0];
    }
    glEnable(GL_ALPHA_TEST);
}

void OpenGLPrism::GetSurfaceGrid(int surface, int& columns, int& rows) const {
    columns = rows = 0;
    if (!IsSurface(surface)) return;
    columns = surfaces_[static_cast<std::size_t>(surface)].columns;
    rows = surfaces_[static_cast<std::size_t>(surface)].rows;
}

void OpenGLPrism::GetSurfaceTileSize(int surface, int column, int row, int& width, int& height) const {
    width = height = 0;
    if (!IsSurface(surface) || column < 0 || column >= kSurfaceGrid || row < 0 || row >= kSurfaceGrid) return;
    width = surfaces_[static_cast<std::size_t>(surface)].tile_width[column][row];
    height = surfaces_[static_cast<std::size_t>(surface)].tile_height[column][row];
}
