// Reading a model file with Assimp: its triangles, normals (made where the
// file has none) and texture coordinates with v running down the picture.
#pragma once

#include <assimp/scene.h>
#include <assimp/Importer.hpp>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace dddconv {

struct ImportedModel {
    std::unique_ptr<Assimp::Importer> importer;  // owns the scene
    const aiScene* scene = nullptr;
    std::filesystem::path folder;  // the model's folder, where its texture files are looked for
};

// The model in the file; nothing, with the reason in `error`, when the file
// cannot be opened, no reader takes it, or it holds no triangle.
std::optional<ImportedModel> ImportModel(const std::string& path, std::string& error);

// Whether the face is a triangle; points and lines are not converted.
inline bool IsTriangle(const aiFace& face) {
    return face.mNumIndices == 3;
}

}  // namespace dddconv
