// The 2D batch: consecutive drawing that shares its OpenGL state gathered into
// one vertex array and drawn with one call.
#pragma once

#include <GL/gl.h>

#include <cstddef>
#include <vector>

// One corner as 2D drawing hands it to OpenGL: the position (x, -y) of the 2D
// projection, texture coordinates and colour.
struct Vertex2D {
    float x, y, s, t, red, green, blue, alpha;
};

// Draws vertices from client arrays: 2 floats of position, 2 of texture
// coordinates and 4 of colour. The current colour is undefined afterwards.
void DrawVertexArrays(GLenum primitive, const Vertex2D* vertices, GLsizei count);

class DrawBatch {
public:
    // What the gathered vertices share besides the OpenGL state around them:
    // the primitive, and the texture, or none for flat-coloured primitives,
    // with whether every texel of it passes the alpha test.
    struct Kind {
        GLenum primitive = GL_TRIANGLES;
        bool textured = false;
        GLuint texture = 0;
        bool opaque = false;
        bool operator==(const Kind&) const = default;
    };
    // The most vertices drawn by one call, which bounds the memory of a draw.
    static constexpr std::size_t kMaxVertices = 24576;

    bool Empty() const { return vertices_.empty(); }
    const Kind& Holds() const { return kind_; }
    // Whether `count` more vertices of `kind` may join what is gathered.
    bool Takes(const Kind& kind, std::size_t count) const {
        return vertices_.empty() || (kind == kind_ && vertices_.size() + count <= kMaxVertices);
    }
    // Sets the kind of an empty batch; vertices gathered already keep theirs.
    void Start(const Kind& kind) {
        if (vertices_.empty()) kind_ = kind;
    }
    void Add(const Vertex2D& vertex) {
        vertices_.push_back(vertex);
        full_alpha_ = full_alpha_ && vertex.alpha >= 1;
        white_ = white_ && vertex.red >= 1 && vertex.green >= 1 && vertex.blue >= 1 && vertex.alpha >= 1;
    }
    // Whether every textured quad gathered since the last draw places its
    // pixel centres on texel centres; a quad that does not says so here.
    bool SamplesTexelCentres() const { return texel_centres_; }
    void NoteQuadSampling(bool on_texel_centres) { texel_centres_ = texel_centres_ && on_texel_centres; }
    // Whether every vertex gathered since the last draw has full alpha.
    bool FullAlpha() const { return full_alpha_; }
    // Whether every vertex gathered since the last draw is full white.
    bool White() const { return white_; }
    // Draws the gathered vertices with the OpenGL state in force and empties the batch.
    void Draw();
    // Draw calls made so far.
    long Draws() const { return draws_; }

private:
    Kind kind_;
    std::vector<Vertex2D> vertices_;
    bool texel_centres_ = true;
    bool full_alpha_ = true;
    bool white_ = true;
    long draws_ = 0;
};
