#include "model_texture.h"

#include <algorithm>
#include <map>

#include "files/whole_file.h"
#include "gfx2d/image_file.h"

namespace dddconv {
namespace {

// The colour texture of a material: its diffuse texture, or its base colour (glTF).
std::optional<std::string> ColourTextureOf(const aiMaterial& material) {
    for (aiTextureType type : {aiTextureType_DIFFUSE, aiTextureType_BASE_COLOR}) {
        aiString path;
        if (material.GetTextureCount(type) > 0 && material.GetTexture(type, 0, &path) == AI_SUCCESS)
            return std::string(path.C_Str());
    }
    return std::nullopt;
}

// Textures of every other kind: normal, height, specular, emission, light maps and the like.
int OtherMapsOf(const aiMaterial& material) {
    int maps = 0;
    for (int type = aiTextureType_NONE + 1; type <= AI_TEXTURE_TYPE_MAX; ++type) {
        if (type == aiTextureType_DIFFUSE || type == aiTextureType_BASE_COLOR) continue;
        maps += static_cast<int>(material.GetTextureCount(static_cast<aiTextureType>(type)));
    }
    return maps;
}

std::map<std::string, int> TrianglesByTexture(const aiScene& scene) {
    std::map<std::string, int> triangles;
    for (unsigned m = 0; m < scene.mNumMeshes; ++m) {
        const aiMesh& mesh = *scene.mMeshes[m];
        if (mesh.mMaterialIndex >= scene.mNumMaterials) continue;
        const std::optional<std::string> texture = ColourTextureOf(*scene.mMaterials[mesh.mMaterialIndex]);
        if (!texture) continue;
        triangles[*texture] += static_cast<int>(std::count_if(
            mesh.mFaces, mesh.mFaces + mesh.mNumFaces, [](const aiFace& f) { return f.mNumIndices == 3; }));
    }
    return triangles;
}

// An embedded picture: the bytes of an image file, or rows of texels (blue,
// green, red, alpha) from the top.
std::optional<BitmapFile> EmbeddedPicture(const aiTexture& texture, std::string& error) {
    if (texture.mHeight == 0) {
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(texture.pcData);
        return ParseImage(std::span<const std::uint8_t>(bytes, texture.mWidth), error);
    }
    BitmapFile picture;
    picture.width = static_cast<int>(texture.mWidth);
    picture.height = static_cast<int>(texture.mHeight);
    picture.bits = 32;
    picture.stride = picture.width * 4;
    picture.alpha = true;
    for (int row = picture.height - 1; row >= 0; --row) {
        const aiTexel* texels = texture.pcData + static_cast<std::size_t>(row) * texture.mWidth;
        for (unsigned x = 0; x < texture.mWidth; ++x)
            picture.pixels.insert(picture.pixels.end(), {texels[x].b, texels[x].g, texels[x].r, texels[x].a});
    }
    return picture;
}

// The file the name points at: as written (with Windows separators made
// ours) from the model's folder, else the bare file name there.
std::optional<std::filesystem::path> TextureFile(const std::string& name,
                                                 const std::filesystem::path& folder) {
    std::string portable = name;
    std::replace(portable.begin(), portable.end(), '\\', '/');
    std::error_code ignored;
    for (const std::filesystem::path& candidate :
         {folder / portable, folder / std::filesystem::path(portable).filename()}) {
        if (std::filesystem::is_regular_file(candidate, ignored)) return candidate;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> ChooseTexture(const aiScene& scene, std::vector<std::string>& dropped) {
    int other_maps = 0;
    for (unsigned m = 0; m < scene.mNumMaterials; ++m)
        other_maps += OtherMapsOf(*scene.mMaterials[m]);
    if (other_maps > 0)
        dropped.push_back(std::to_string(other_maps) +
                          " texture maps other than colour (normal, specular, light and the like)");
    const std::map<std::string, int> triangles = TrianglesByTexture(scene);
    if (triangles.empty()) return std::nullopt;
    const auto most = std::max_element(triangles.begin(), triangles.end(),
                                       [](const auto& a, const auto& b) { return a.second < b.second; });
    for (const auto& [texture, count] : triangles) {
        if (texture != most->first)
            dropped.push_back("the texture " + texture + " of " + std::to_string(count) +
                              " triangles (an object shows one texture: theirs show " + most->first + ")");
    }
    return most->first;
}

std::optional<BitmapFile> ReadTexture(const aiScene& scene, const std::string& name,
                                      const std::filesystem::path& model_folder, std::string& error) {
    if (const aiTexture* embedded = scene.GetEmbeddedTexture(name.c_str()))
        return EmbeddedPicture(*embedded, error);
    const std::optional<std::filesystem::path> file = TextureFile(name, model_folder);
    if (!file) {
        error = "there is no such file beside the model";
        return std::nullopt;
    }
    const std::optional<std::vector<std::uint8_t>> bytes = ReadWholeFile(file->string(), kMaxBitmapFileBytes);
    if (!bytes) {
        error = "the file cannot be read";
        return std::nullopt;
    }
    return ParseImage(*bytes, error);
}

}  // namespace dddconv
