#include "scene_pose.h"

#include <algorithm>

namespace dddconv {
namespace {

aiVector3D Lerp(const aiVector3D& a, const aiVector3D& b, float t) {
    return a + (b - a) * t;
}

aiQuaternion Lerp(const aiQuaternion& a, const aiQuaternion& b, float t) {
    aiQuaternion result;
    aiQuaternion::Interpolate(result, a, b, t);
    return result.Normalize();
}

// The value of a channel's keys at the time: held before the first key and
// after the last, interpolated between two.
template <typename Key, typename Value>
Value ValueAt(const Key* keys, unsigned count, double time, const Value& rest) {
    if (count == 0) return rest;
    const Key* end = keys + count;
    const Key* next = std::find_if(keys, end, [time](const Key& key) { return key.mTime > time; });
    if (next == keys) return keys[0].mValue;
    if (next == end) return keys[count - 1].mValue;
    const Key& before = *(next - 1);
    const double span = next->mTime - before.mTime;
    const float t = span > 0 ? static_cast<float>((time - before.mTime) / span) : 0.0f;
    return Lerp(before.mValue, next->mValue, t);
}

const aiNodeAnim* ChannelOf(const aiAnimation* animation, const aiNode& node) {
    if (animation == nullptr) return nullptr;
    for (unsigned c = 0; c < animation->mNumChannels; ++c) {
        if (animation->mChannels[c]->mNodeName == node.mName) return animation->mChannels[c];
    }
    return nullptr;
}

// The node's transform to its parent: its own, or its channel's at the time,
// where a part the channel has no keys for keeps the node's own.
aiMatrix4x4 LocalTransform(const aiNode& node, const aiAnimation* animation, double time) {
    const aiNodeAnim* channel = ChannelOf(animation, node);
    if (channel == nullptr) return node.mTransformation;
    aiVector3D scaling, position;
    aiQuaternion rotation;
    node.mTransformation.Decompose(scaling, rotation, position);
    return aiMatrix4x4(ValueAt(channel->mScalingKeys, channel->mNumScalingKeys, time, scaling),
                       ValueAt(channel->mRotationKeys, channel->mNumRotationKeys, time, rotation),
                       ValueAt(channel->mPositionKeys, channel->mNumPositionKeys, time, position));
}

}  // namespace

ScenePose::ScenePose(const aiScene& scene, const aiAnimation* animation, double time) {
    Place(*scene.mRootNode, aiMatrix4x4(), animation, time);
}

void ScenePose::Place(const aiNode& node, const aiMatrix4x4& parent, const aiAnimation* animation,
                      double time) {
    const aiMatrix4x4 world = parent * LocalTransform(node, animation, time);
    world_[&node] = world;
    by_name_.emplace(node.mName.C_Str(), &node);
    for (unsigned c = 0; c < node.mNumChildren; ++c)
        Place(*node.mChildren[c], world, animation, time);
}

const aiMatrix4x4& ScenePose::WorldOf(const aiNode& node) const {
    return world_.at(&node);
}

aiMatrix4x4 ScenePose::WorldOfNamed(const aiString& name) const {
    const auto found = by_name_.find(name.C_Str());
    return found != by_name_.end() ? world_.at(found->second) : aiMatrix4x4();
}

std::vector<double> FrameTimes(const aiAnimation& animation, int frames) {
    std::vector<double> times;
    for (int f = 0; f < frames; ++f)
        times.push_back(frames > 1 ? animation.mDuration * f / (frames - 1) : 0.0);
    return times;
}

}  // namespace dddconv
