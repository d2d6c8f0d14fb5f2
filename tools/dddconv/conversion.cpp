#include "conversion.h"

#include <filesystem>

#include "bitmap_writer.h"
#include "colour_palette.h"
#include "gfx3d/mesh_object.h"
#include "model_import.h"
#include "model_texture.h"
#include "object_texture.h"
#include "posed_triangles.h"
#include "whole_file.h"

namespace dddconv {
namespace {

std::string Counted(unsigned count, const std::string& what) {
    return std::to_string(count) + " " + what + (count == 1 ? "" : "s");
}

// The animation the frames are taken from: the first that moves nodes.
const aiAnimation* FrameAnimation(const aiScene& scene) {
    for (unsigned a = 0; a < scene.mNumAnimations; ++a) {
        if (scene.mAnimations[a]->mNumChannels > 0) return scene.mAnimations[a];
    }
    return nullptr;
}

// What the scene has beyond triangles, one texture set, one colour set and one animation.
void NoteWhatIsDropped(const aiScene& scene, const aiAnimation* animation,
                       std::vector<std::string>& dropped) {
    unsigned other_faces = 0, extra_coordinates = 0, extra_colours = 0, morphs = 0;
    for (unsigned m = 0; m < scene.mNumMeshes; ++m) {
        const aiMesh& mesh = *scene.mMeshes[m];
        for (unsigned f = 0; f < mesh.mNumFaces; ++f)
            other_faces += IsTriangle(mesh.mFaces[f]) ? 0 : 1;
        extra_coordinates += mesh.GetNumUVChannels() > 1 ? mesh.GetNumUVChannels() - 1 : 0;
        extra_colours += mesh.GetNumColorChannels() > 1 ? mesh.GetNumColorChannels() - 1 : 0;
        morphs += mesh.mNumAnimMeshes;
    }
    if (other_faces > 0)
        dropped.push_back(Counted(other_faces, "point or line") + " (only triangles are kept)");
    if (extra_coordinates > 0)
        dropped.push_back(Counted(extra_coordinates, "further texture coordinate set"));
    if (extra_colours > 0) dropped.push_back(Counted(extra_colours, "further vertex colour set"));
    if (morphs > 0) dropped.push_back(Counted(morphs, "morph target"));
    for (unsigned a = 0; a < scene.mNumAnimations; ++a) {
        const aiAnimation& other = *scene.mAnimations[a];
        if (&other != animation)
            dropped.push_back("the animation '" + std::string(other.mName.C_Str()) +
                              "' (frames come from the first one that moves the model)");
    }
    if (scene.mNumLights > 0) dropped.push_back(Counted(scene.mNumLights, "light"));
    if (scene.mNumCameras > 0) dropped.push_back(Counted(scene.mNumCameras, "camera"));
}

MeshObject BuildObject(const aiScene& scene, const aiAnimation* animation, const ConversionOptions& options) {
    MeshObject object;
    const std::vector<double> times =
        animation != nullptr ? FrameTimes(*animation, options.frames) : std::vector<double>{0};
    for (double time : times) {
        POLY_FRAME frame;
        AddPosedTriangles(scene, ScenePose(scene, animation, time), options.scale, frame.raw);
        object.frames.Add(std::move(frame));
    }
    return object;
}

std::string ObjectLine(const std::string& path, const MeshObject& object) {
    return "wrote " + path + ": " + Counted(static_cast<unsigned>(object.frames.Count()), "frame") + ", " +
           Counted(static_cast<unsigned>(object.frames[0].packed.Count() / 3), "triangle") + ", " +
           Counted(static_cast<unsigned>(object.colours.Count()), "colour");
}

// Writes the model's texture beside the object; what cannot be written is noted as dropped.
void WriteTexture(const ImportedModel& model, const std::string& object_path, ConversionReport& report) {
    const std::optional<std::string> name = ChooseTexture(*model.scene, report.dropped);
    if (!name) return;
    std::string error;
    const std::optional<BitmapFile> picture = ReadTexture(*model.scene, *name, model.folder, error);
    if (!picture) {
        report.dropped.push_back("the texture " + *name + ": " + error);
        return;
    }
    const assetgen::Image texture = ObjectTexture(*picture);
    const std::string path = std::filesystem::path(object_path).replace_extension(".bmp").string();
    if (!assetgen::WriteBitmapFile(path, texture)) {
        report.dropped.push_back("the texture " + *name + ": " + path + " cannot be written");
        return;
    }
    std::string line = "wrote " + path + " from " + *name;
    if (texture.Width() != picture->width || texture.Height() != picture->height) {
        line += " (resized from " + std::to_string(picture->width) + " x " + std::to_string(picture->height) +
                " to " + std::to_string(texture.Width()) + " x " + std::to_string(texture.Height()) +
                ": textures are a power of two a side)";
    }
    report.written.push_back(line + "; show it with LOADSPRITE and X_SETTEXTURE");
}

}  // namespace

std::optional<ConversionReport> ConvertModel(const ConversionOptions& options, std::string& error) {
    const std::filesystem::path folder = std::filesystem::path(options.output).parent_path();
    std::error_code ignored;
    if (!folder.empty() && !std::filesystem::is_directory(folder, ignored)) {
        error = options.output + " cannot be written: there is no folder " + folder.string();
        return std::nullopt;
    }
    std::optional<ImportedModel> model = ImportModel(options.model, error);
    if (!model) {
        error = options.model + " " + error;
        return std::nullopt;
    }
    ConversionReport report;
    const aiAnimation* animation = FrameAnimation(*model->scene);
    NoteWhatIsDropped(*model->scene, animation, report.dropped);
    MeshObject object = BuildObject(*model->scene, animation, options);
    const ColourCounts colours = FitColours(object);
    if (colours.after < colours.before) {
        report.dropped.push_back("colour detail: " + std::to_string(colours.before) +
                                 " vertex colours became " + std::to_string(colours.after) +
                                 " (an object holds at most 256)");
    }
    object.Compress();
    if (!assetgen::WriteWholeFile(options.output, object.SaveToBytes())) {
        error = options.output + " cannot be written";
        return std::nullopt;
    }
    report.written.push_back(ObjectLine(options.output, object));
    WriteTexture(*model, options.output, report);
    return report;
}

}  // namespace dddconv
