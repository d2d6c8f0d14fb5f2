// A sampler object that filters with the nearest texel, bound over a
// texture's own filters for drawing where both give the same pixels.
#pragma once

#include <GL/gl.h>

class NearestSampler {
public:
    NearestSampler() = default;
    ~NearestSampler();
    NearestSampler(const NearestSampler&) = delete;
    NearestSampler& operator=(const NearestSampler&) = delete;

    // Makes the sampler in the current context; without sampler objects
    // there is none, and Available stays false.
    void Create();
    bool Available() const { return name_ != 0; }
    // Deletes the sampler while its context is current.
    void Delete();
    // Lets go of a sampler whose context is gone, without touching OpenGL.
    void Forget() { name_ = 0; }
    // Texture unit 0 samples with this sampler until Unbind, which gives the
    // unit its texture's own filters back.
    void Bind() const;
    void Unbind() const;

private:
    GLuint name_ = 0;
};
