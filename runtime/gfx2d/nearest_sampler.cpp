#include "gfx2d/nearest_sampler.h"

#include "gfx2d/gl_extensions.h"

NearestSampler::~NearestSampler() {
    Delete();
}

void NearestSampler::Delete() {
    if (name_ != 0) GLExt::glDeleteSamplers(1, &name_);
    name_ = 0;
}

void NearestSampler::Create() {
    if (name_ != 0 || GLExt::glGenSamplers == nullptr) return;
    GLExt::glGenSamplers(1, &name_);
    GLExt::glSamplerParameteri(name_, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    GLExt::glSamplerParameteri(name_, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
}

void NearestSampler::Bind() const {
    GLExt::glBindSampler(0, name_);
}

void NearestSampler::Unbind() const {
    GLExt::glBindSampler(0, 0);
}
