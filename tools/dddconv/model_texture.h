// The one texture a .ddd object shows: the colour texture of the material
// that most of the model's triangles use, read from the model file itself or
// from a file beside it.
#pragma once

#include <assimp/scene.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "gfx2d/bitmap_file.h"

namespace dddconv {

// The texture's name as the material gives it (a file path, or the name of
// a picture inside the model file); nothing when the model has none. What
// the object cannot show besides (other materials' textures, maps of other
// kinds) is added to `dropped`.
std::optional<std::string> ChooseTexture(const aiScene& scene, std::vector<std::string>& dropped);

// The picture of that name: embedded in the model, or a BMP, PNG, JPEG or
// TGA file found from the model's folder. Nothing, with the reason in
// `error`, when it cannot be found or read.
std::optional<BitmapFile> ReadTexture(const aiScene& scene, const std::string& name,
                                      const std::filesystem::path& model_folder, std::string& error);

}  // namespace dddconv
