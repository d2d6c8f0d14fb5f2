#include "posed_triangles.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace dddconv {
namespace {

// A mesh's vertices and normals in the model's space.
struct PlacedMesh {
    std::vector<aiVector3D> positions;
    std::vector<aiVector3D> normals;
    bool mirrored = false;  // the placing transform turns the faces' winding round
};

// The transform for normals: the inverse transpose of the rotating part.
aiMatrix3x3 NormalTransform(const aiMatrix4x4& transform) {
    aiMatrix3x3 part(transform);
    if (part.Determinant() == 0) return part;
    return part.Inverse().Transpose();
}

PlacedMesh PlacedByNode(const aiMesh& mesh, const aiMatrix4x4& world) {
    PlacedMesh placed;
    const aiMatrix3x3 normal_transform = NormalTransform(world);
    for (unsigned v = 0; v < mesh.mNumVertices; ++v) {
        placed.positions.push_back(world * mesh.mVertices[v]);
        placed.normals.push_back(mesh.HasNormals() ? normal_transform * mesh.mNormals[v] : aiVector3D());
    }
    placed.mirrored = world.Determinant() < 0;
    return placed;
}

// Each vertex placed by its bones, weighted; a vertex no bone moves stays
// where its node puts it.
PlacedMesh PlacedByBones(const aiMesh& mesh, const aiMatrix4x4& world, const ScenePose& pose) {
    PlacedMesh placed;
    placed.positions.assign(mesh.mNumVertices, aiVector3D());
    placed.normals.assign(mesh.mNumVertices, aiVector3D());
    std::vector<float> weights(mesh.mNumVertices, 0.0f);
    for (unsigned b = 0; b < mesh.mNumBones; ++b) {
        const aiBone& bone = *mesh.mBones[b];
        const aiMatrix4x4 skin = pose.WorldOfNamed(bone.mName) * bone.mOffsetMatrix;
        const aiMatrix3x3 normal_transform = NormalTransform(skin);
        if (b == 0) placed.mirrored = skin.Determinant() < 0;
        for (unsigned w = 0; w < bone.mNumWeights; ++w) {
            const aiVertexWeight& weight = bone.mWeights[w];
            if (weight.mVertexId >= mesh.mNumVertices) continue;
            placed.positions[weight.mVertexId] += (skin * mesh.mVertices[weight.mVertexId]) * weight.mWeight;
            if (mesh.HasNormals())
                placed.normals[weight.mVertexId] +=
                    (normal_transform * mesh.mNormals[weight.mVertexId]) * weight.mWeight;
            weights[weight.mVertexId] += weight.mWeight;
        }
    }
    const PlacedMesh by_node = PlacedByNode(mesh, world);
    for (unsigned v = 0; v < mesh.mNumVertices; ++v) {
        if (weights[v] > 0) {
            placed.positions[v] /= weights[v];
        } else {
            placed.positions[v] = by_node.positions[v];
            placed.normals[v] = by_node.normals[v];
        }
    }
    return placed;
}

// A number an object can store: positions and texture coordinates that are
// not finite (a damaged model's) become 0, and the rest stay within what a
// float holds.
float Storable(double value) {
    constexpr double kLargest = 1e30;
    return std::isfinite(value) ? static_cast<float>(std::clamp(value, -kLargest, kLargest)) : 0.0f;
}

// A colour channel of 0 to 1 as a byte; anything not above 0 (NaN too) is 0.
std::uint8_t Channel(float value) {
    if (!(value > 0)) return 0;
    return static_cast<std::uint8_t>(std::lround(std::min(value, 1.0f) * 255));
}

std::uint32_t ColourNumber(const aiColor4D& colour) {
    return Channel(colour.r) | Channel(colour.g) << 8 | static_cast<std::uint32_t>(Channel(colour.b)) << 16;
}

aiColor4D MaterialColour(const aiScene& scene, const aiMesh& mesh) {
    aiColor4D colour(1, 1, 1, 1);
    if (mesh.mMaterialIndex < scene.mNumMaterials)
        scene.mMaterials[mesh.mMaterialIndex]->Get(AI_MATKEY_COLOR_DIFFUSE, colour);
    return colour;
}

void AddMesh(const aiScene& scene, const aiMesh& mesh, const PlacedMesh& placed, double scale,
             Queue<POLY_NODE>& raw) {
    const std::uint32_t material_colour = ColourNumber(MaterialColour(scene, mesh));
    const auto add_corner = [&](unsigned index) {
        POLY_NODE vertex{};
        for (int axis = 0; axis < 3; ++axis) {
            vertex.position[axis] = Storable(placed.positions[index][axis] * scale);
            vertex.normal[axis] = Storable(placed.normals[index][axis]);
        }
        if (mesh.HasTextureCoords(0)) {
            vertex.u = Storable(mesh.mTextureCoords[0][index].x);
            vertex.v = Storable(mesh.mTextureCoords[0][index].y);
        }
        vertex.colour = mesh.HasVertexColors(0) ? ColourNumber(mesh.mColors[0][index]) : material_colour;
        raw.Add(vertex);
    };
    for (unsigned f = 0; f < mesh.mNumFaces; ++f) {
        const aiFace& face = mesh.mFaces[f];
        if (face.mNumIndices != 3) continue;
        // Models give their faces counter-clockwise from outside; a mirroring placement turned them round.
        const bool turn = !placed.mirrored;
        add_corner(face.mIndices[0]);
        add_corner(face.mIndices[turn ? 2 : 1]);
        add_corner(face.mIndices[turn ? 1 : 2]);
    }
}

void AddNode(const aiScene& scene, const aiNode& node, const ScenePose& pose, double scale,
             Queue<POLY_NODE>& raw) {
    const aiMatrix4x4& world = pose.WorldOf(node);
    for (unsigned m = 0; m < node.mNumMeshes; ++m) {
        if (node.mMeshes[m] >= scene.mNumMeshes) continue;
        const aiMesh& mesh = *scene.mMeshes[node.mMeshes[m]];
        const PlacedMesh placed =
            mesh.HasBones() ? PlacedByBones(mesh, world, pose) : PlacedByNode(mesh, world);
        AddMesh(scene, mesh, placed, scale, raw);
    }
    for (unsigned c = 0; c < node.mNumChildren; ++c)
        AddNode(scene, *node.mChildren[c], pose, scale, raw);
}

}  // namespace

void AddPosedTriangles(const aiScene& scene, const ScenePose& pose, double scale, Queue<POLY_NODE>& raw) {
    AddNode(scene, *scene.mRootNode, pose, scale, raw);
}

}  // namespace dddconv
