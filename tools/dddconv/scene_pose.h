// Where every node of a model stands at one moment of an animation, or at
// rest: each node's transform into the model's space.
#pragma once

#include <assimp/scene.h>

#include <string>
#include <unordered_map>
#include <vector>

namespace dddconv {

class ScenePose {
public:
    // The pose at `time` (in the animation's ticks); with no animation, the
    // rest pose the node hierarchy holds.
    ScenePose(const aiScene& scene, const aiAnimation* animation, double time);

    const aiMatrix4x4& WorldOf(const aiNode& node) const;
    // The transform of the node of that name (a bone's); identity when none has it.
    aiMatrix4x4 WorldOfNamed(const aiString& name) const;

private:
    void Place(const aiNode& node, const aiMatrix4x4& parent, const aiAnimation* animation, double time);

    std::unordered_map<const aiNode*, aiMatrix4x4> world_;
    std::unordered_map<std::string, const aiNode*> by_name_;
};

// The times at which `frames` frames are taken from the animation: evenly
// spaced from its start to its end.
std::vector<double> FrameTimes(const aiAnimation& animation, int frames);

}  // namespace dddconv
