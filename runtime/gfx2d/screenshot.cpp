// Writing the picture as a 24-bit bitmap file.
#include <cstdio>
#include <memory>
#include <vector>

#include "gfx2d/opengl_prism.h"

namespace {

void PutU16(std::vector<std::uint8_t>& out, unsigned value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

std::vector<std::uint8_t> BitmapHeaders(int width, int height, std::uint32_t pixel_bytes) {
    std::vector<std::uint8_t> headers;
    headers.push_back('B');
    headers.push_back('M');
    PutU32(headers, pixel_bytes + 54);
    PutU32(headers, 0);   // two reserved words
    PutU32(headers, 54);  // pixel data offset
    PutU32(headers, 40);
    PutU32(headers, static_cast<std::uint32_t>(width));
    PutU32(headers, static_cast<std::uint32_t>(height));  // positive: rows from the bottom up
    PutU16(headers, 1);                                   // planes
    PutU16(headers, 24);                                  // bits per pixel
    PutU32(headers, 0);                                   // no compression
    PutU32(headers, 0);                                   // image size
    PutU32(headers, 10000);                               // pixels per metre
    PutU32(headers, 10000);
    PutU32(headers, 0);  // colours used
    PutU32(headers, 0);  // important colours
    return headers;
}

}  // namespace

int OpenGLPrism::SaveBMPFile(const char* path) {
    if (path == nullptr) return 0;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path, "wb"), &std::fclose);
    if (!file) return 0;
    FinishBatch();  // the picture as drawn so far
    // Both sides rounded up to a multiple of 4, so that rows need no padding.
    const int width = (width_ + 3) / 4 * 4;
    const int height = (height_ + 3) / 4 * 4;
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    for (std::size_t i = 0; i < pixels.size(); i += 3)
        std::swap(pixels[i], pixels[i + 2]);
    const std::vector<std::uint8_t> headers =
        BitmapHeaders(width, height, static_cast<std::uint32_t>(pixels.size()));
    const bool written = std::fwrite(headers.data(), 1, headers.size(), file.get()) == headers.size() &&
                         std::fwrite(pixels.data(), 1, pixels.size(), file.get()) == pixels.size();
    return written ? 1 : 0;
}
