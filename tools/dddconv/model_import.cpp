#include "model_import.h"

#include <assimp/postprocess.h>

#include <system_error>

namespace dddconv {
namespace {

// Triangles only (polygons are cut, points and lines left as they are to be
// counted and dropped), smooth normals where the file has none, texture v
// counted from the top of the picture as the runtime's objects count it, and
// at most four bones on a vertex.
constexpr unsigned kImportSteps = aiProcess_Triangulate | aiProcess_GenSmoothNormals | aiProcess_FlipUVs |
                                  aiProcess_LimitBoneWeights | aiProcess_ValidateDataStructure;

bool HasTriangle(const aiScene& scene) {
    for (unsigned m = 0; m < scene.mNumMeshes; ++m) {
        const aiMesh& mesh = *scene.mMeshes[m];
        for (unsigned f = 0; f < mesh.mNumFaces; ++f) {
            if (IsTriangle(mesh.mFaces[f])) return true;
        }
    }
    return false;
}

}  // namespace

std::optional<ImportedModel> ImportModel(const std::string& path, std::string& error) {
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(path, ignored)) {
        error = std::filesystem::exists(path, ignored) ? "is not a file" : "does not exist";
        return std::nullopt;
    }
    ImportedModel model;
    model.importer = std::make_unique<Assimp::Importer>();
    model.scene = model.importer->ReadFile(path, 0);
    if (model.scene != nullptr && model.scene->mNumMeshes == 0) {
        error = "holds no triangles to convert (an empty scene)";
        return std::nullopt;
    }
    // The steps begin with checking every count and index of the scene.
    if (model.scene != nullptr) model.scene = model.importer->ApplyPostProcessing(kImportSteps);
    if (model.scene == nullptr) {
        error = std::string("cannot be read as a model: ") + model.importer->GetErrorString();
        return std::nullopt;
    }
    if ((model.scene->mFlags & AI_SCENE_FLAGS_INCOMPLETE) != 0 || model.scene->mRootNode == nullptr ||
        !HasTriangle(*model.scene)) {
        error = "holds no triangles to convert (an empty scene)";
        return std::nullopt;
    }
    model.folder = std::filesystem::path(path).parent_path();
    return model;
}

}  // namespace dddconv
