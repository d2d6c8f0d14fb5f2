#include "platform/image_decoder.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstring>
#include <limits>
#include <memory>

#include "platform/image_headers.h"

namespace {

using SurfacePointer = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

// The kind's name in messages, and SDL2_image's name for it (SDL2_image
// cannot tell a TGA by itself).
struct KindNames {
    const char* shown;
    const char* decoder;
};

KindNames NamesOf(ImageKind kind) {
    switch (kind) {
        case ImageKind::kPng:
            return {"PNG", "PNG"};
        case ImageKind::kJpeg:
            return {"JPEG", "JPG"};
        case ImageKind::kTga:
            return {"TGA", "TGA"};
        case ImageKind::kUnknown:
            break;
    }
    return {"", ""};
}

// An alpha channel, or a transparent colour (a palette entry or an RGB value
// named by the file), which the conversion to RGBA turns into alpha 0.
bool HasTransparency(SDL_Surface& surface) {
    return surface.format->Amask != 0 || SDL_HasColorKey(&surface) == SDL_TRUE;
}

SurfacePointer Decode(std::span<const std::uint8_t> bytes, ImageKind kind) {
    SDL_RWops* source = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    if (source == nullptr) return {nullptr, SDL_FreeSurface};
    return {IMG_LoadTyped_RW(source, 1, NamesOf(kind).decoder), SDL_FreeSurface};
}

DecodedImage RgbaPixelsOf(SDL_Surface& surface) {
    DecodedImage image;
    SurfacePointer rgba(SDL_ConvertSurfaceFormat(&surface, SDL_PIXELFORMAT_RGBA32, 0), SDL_FreeSurface);
    if (!rgba) return image;
    image.width = rgba->w;
    image.height = rgba->h;
    image.has_alpha = HasTransparency(surface);
    const std::size_t row_bytes = static_cast<std::size_t>(rgba->w) * 4;
    image.rgba.resize(row_bytes * static_cast<std::size_t>(rgba->h));
    const auto* rows = static_cast<const std::uint8_t*>(rgba->pixels);
    for (int y = 0; y < rgba->h; ++y) {
        std::memcpy(image.rgba.data() + static_cast<std::size_t>(y) * row_bytes,
                    rows + static_cast<std::size_t>(y) * static_cast<std::size_t>(rgba->pitch), row_bytes);
    }
    return image;
}

}  // namespace

std::optional<DecodedImage> DecodeImage(std::span<const std::uint8_t> bytes, std::size_t max_pixels,
                                        std::string& error) {
    if (bytes.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        error = "the file is too large";
        return std::nullopt;
    }
    const ImageKind kind = ImageKindOf(bytes);
    if (kind == ImageKind::kUnknown) {
        error = "not a BMP, PNG, JPEG or TGA image";
        return std::nullopt;
    }
    const std::optional<std::pair<int, int>> size = ImageHeaderSize(bytes, kind);
    if (!size) {
        error = std::string("the ") + NamesOf(kind).shown + " headers are incomplete";
        return std::nullopt;
    }
    if (static_cast<std::uint64_t>(size->first) * static_cast<std::uint64_t>(size->second) > max_pixels) {
        error = "the image of " + std::to_string(size->first) + " x " + std::to_string(size->second) +
                " pixels is too large";
        return std::nullopt;
    }
    if (!ImageIsComplete(bytes, kind)) {
        error = std::string("the ") + NamesOf(kind).shown + " data is cut short";
        return std::nullopt;
    }
    const SurfacePointer surface = Decode(bytes, kind);
    if (!surface) {
        error = IMG_GetError();
        return std::nullopt;
    }
    // The decoder must give the image its headers promised, nothing larger.
    if (surface->w != size->first || surface->h != size->second) {
        error = "the image's data does not match its headers";
        return std::nullopt;
    }
    DecodedImage image = RgbaPixelsOf(*surface);
    if (image.rgba.empty()) {
        error = SDL_GetError();
        return std::nullopt;
    }
    return image;
}
