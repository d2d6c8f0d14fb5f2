// The display's side of the 2D batch: when gathered drawing is drawn, in
// which state, and the colour and texture state the display keeps track of.
#include "gfx2d/opengl_prism.h"
#include "gfx2d/texel_mapping.h"

namespace {

// Moves integer coordinates into their pixel, a little right of and below the
// pixel's top-left corner, so that points and lines hit the pixel they name.
// The y axis is negated in the 2D projection: below means a negative shift.
constexpr float kIntoPixel = 0.375f;

// Untextured primitives are drawn with the alpha test off, shifted into their pixels.
void BeginFlatPrimitives() {
    glDisable(GL_ALPHA_TEST);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glTranslatef(kIntoPixel, -kIntoPixel, 0);
    glMatrixMode(GL_MODELVIEW);
}

void EndFlatPrimitives() {
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_ALPHA_TEST);
}

// Whether the matrices and viewport in force draw one unit as one pixel, on
// whole pixels.
bool CurrentTransformIsPixelExact() {
    float projection[16];
    float modelview[16];
    int viewport[4];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    glGetIntegerv(GL_VIEWPORT, viewport);
    return UnitsArePixels(projection, modelview, viewport);
}

}  // namespace

void FinishBatchedDrawing() {
    if (pPrism != nullptr) pPrism->FinishBatch();
}

void OpenGLPrism::FinishBatch() {
    FlushBatch();
    texture_units_.Forget();
    colour_known_ = false;
}

void OpenGLPrism::SetBatching(bool on) {
    FlushBatch();
    batching_ = on;
}

void OpenGLPrism::SetExactShortcuts(bool on) {
    FlushBatch();
    exact_shortcuts_ = on;
}

DrawBatch::Kind OpenGLPrism::TexturedKind(GLenum primitive, int sprite) const {
    return {primitive, true, TextureOf(sprite, 0), sprites_[static_cast<std::size_t>(sprite)].opaque};
}

void OpenGLPrism::NoteQuadSampling(int sprite, const Vertex2D (&corners)[4]) {
    if (!batch_.SamplesTexelCentres()) return;  // nothing more to learn until the next draw
    const SpriteSlot& slot = sprites_[static_cast<std::size_t>(sprite)];
    batch_.NoteQuadSampling(QuadSamplesTexelCentres(corners, slot.texture_width, slot.texture_height));
}

bool OpenGLPrism::BatchSamplesTexelCentres() const {
    return exact_shortcuts_ && batch_.Holds().textured && batch_.SamplesTexelCentres() &&
           nearest_sampler_.Available() && CurrentTransformIsPixelExact();
}

// The texture modulated by full alpha keeps every texel's alpha, and a
// filtered alpha lies between those of its texels.
bool OpenGLPrism::BatchPassesAlphaTest() const {
    return exact_shortcuts_ && batch_.Holds().textured && batch_.Holds().opaque && batch_.FullAlpha() &&
           glIsEnabled(GL_ALPHA_TEST);
}

void OpenGLPrism::DrawGathered() {
    // Flat 2D drawing is drawn without the depth buffer, the software
    // rasteriser's fast path; polygons may have attached it since.
    if (frame_target_.Active() && glIsEnabled(GL_DEPTH_TEST) == GL_FALSE) frame_target_.UseDepth(false);
    const bool nearest = BatchSamplesTexelCentres();
    const bool untested = BatchPassesAlphaTest();
    if (nearest) nearest_sampler_.Bind();
    if (untested) glDisable(GL_ALPHA_TEST);
    // A texture modulated by white is the texture itself, without the colour's
    // interpolation and product for every pixel.
    const bool replace = exact_shortcuts_ && batch_.Holds().textured && batch_.White();
    if (replace) glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    batch_.Draw();
    if (replace) glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    if (untested) glEnable(GL_ALPHA_TEST);
    if (nearest) nearest_sampler_.Unbind();
    nearest_draws_ += nearest ? 1 : 0;
    untested_draws_ += untested ? 1 : 0;
}

void OpenGLPrism::StartBatch(const DrawBatch::Kind& kind, std::size_t vertices) {
    if (!batch_.Takes(kind, vertices)) FlushBatch();
    batch_.Start(kind);
}

void OpenGLPrism::EndBatchedCommand() {
    if (!batching_) FlushBatch();
}

void OpenGLPrism::FlushBatch() {
    if (batch_.Empty()) return;
    const DrawBatch::Kind& kind = batch_.Holds();
    const TextureUnits::State shown = texture_units_.Current();
    texture_units_.Enable(1, false);
    if (kind.textured) {
        texture_units_.Bind(0, kind.texture);
        texture_units_.Enable(0, true);
    } else {
        texture_units_.Enable(0, false);
        BeginFlatPrimitives();
    }
    DrawGathered();
    if (!kind.textured) EndFlatPrimitives();
    texture_units_.Restore(shown);
    // The colour array leaves the current colour undefined.
    if (colour_known_) glColor4fv(colour_.data());
}

void OpenGLPrism::SetColour(float red, float green, float blue, float alpha) {
    const std::array<float, 4> colour{red, green, blue, alpha};
    if (colour_known_ && colour == colour_) return;
    glColor4fv(colour.data());
    colour_ = colour;
    colour_known_ = true;
}

const std::array<float, 4>& OpenGLPrism::CurrentColour() {
    if (!colour_known_) {
        glGetFloatv(GL_CURRENT_COLOR, colour_.data());
        colour_known_ = true;
    }
    return colour_;
}
