// The .ddd object file, all values little-endian without padding:
//   magic 0x00C6B317 (u32), version 1.02 (f64), frame count F, colour count C,
//   texture pair count T (i32 each), C colours (u32), T pairs (u f32, v f32),
//   then F frames: vertex count N (i32), offset (3 f32), scale (3 f32) and N
//   records of 5 bytes: x, y, z, normal index, colour index.
// A file is outside input: every count, size and index is checked against
// what the file really holds before anything is read or allocated, and a file
// that fails any check loads as nothing.
#include <algorithm>
#include <bit>
#include <cstdio>
#include <memory>

#include "gfx3d/mesh_object.h"
#include "gfx3d/normal_table.h"

namespace {

constexpr std::uint32_t kMagic = 0x00C6B317;
constexpr double kVersion = 1.02;
constexpr std::size_t kFrameHeaderBytes = 4 + 6 * 4;
constexpr std::size_t kRecordBytes = 5;

class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::size_t Remaining() const { return bytes_.size() - position_; }

    bool ReadU32(std::uint32_t& value) {
        if (Remaining() < 4) return false;
        value = 0;
        for (int i = 3; i >= 0; --i)
            value = (value << 8) | bytes_[position_ + static_cast<std::size_t>(i)];
        position_ += 4;
        return true;
    }
    bool ReadI32(std::int32_t& value) {
        std::uint32_t bits;
        if (!ReadU32(bits)) return false;
        value = static_cast<std::int32_t>(bits);
        return true;
    }
    bool ReadF32(float& value) {
        std::uint32_t bits;
        if (!ReadU32(bits)) return false;
        value = std::bit_cast<float>(bits);
        return true;
    }
    bool ReadF64(double& value) {
        std::uint32_t low, high;
        if (!ReadU32(low) || !ReadU32(high)) return false;
        value = std::bit_cast<double>((std::uint64_t{high} << 32) | low);
        return true;
    }
    // The next `count` bytes; the caller has checked that they are there.
    const std::uint8_t* Take(std::size_t count) {
        const std::uint8_t* start = bytes_.data() + position_;
        position_ += count;
        return start;
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

class ByteWriter {
public:
    void U32(std::uint32_t value) {
        for (int i = 0; i < 4; ++i)
            bytes_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
    void I32(std::int32_t value) { U32(static_cast<std::uint32_t>(value)); }
    void F32(float value) { U32(std::bit_cast<std::uint32_t>(value)); }
    void F64(double value) {
        const auto bits = std::bit_cast<std::uint64_t>(value);
        U32(static_cast<std::uint32_t>(bits));
        U32(static_cast<std::uint32_t>(bits >> 32));
    }
    void Byte(std::uint8_t value) { bytes_.push_back(value); }
    std::vector<std::uint8_t> Take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

// A count read from the file is usable when it is not negative and the file
// still holds `count` items of `item_bytes` each.
bool CountFits(std::int32_t count, std::size_t item_bytes, const ByteReader& reader) {
    return count >= 0 && static_cast<std::size_t>(count) <= reader.Remaining() / item_bytes;
}

bool ReadFloats(ByteReader& reader, float (&values)[3]) {
    return reader.ReadF32(values[0]) && reader.ReadF32(values[1]) && reader.ReadF32(values[2]);
}

bool ReadFrame(ByteReader& reader, std::int32_t colour_count, POLY_FRAME& frame) {
    std::int32_t count;
    if (!reader.ReadI32(count) || !ReadFloats(reader, frame.offset) || !ReadFloats(reader, frame.scale))
        return false;
    if (!CountFits(count, kRecordBytes, reader)) return false;
    frame.packed.Reserve(count);
    for (std::int32_t i = 0; i < count; ++i) {
        const std::uint8_t* record = reader.Take(kRecordBytes);
        if (record[3] >= kNormalTableSize || record[4] >= colour_count) return false;
        frame.packed.Add(PACKED_NODE{record[0], record[1], record[2], record[3], 0, 0, record[4]});
    }
    return true;
}

bool ReadObject(ByteReader& reader, MeshObject& mesh) {
    std::uint32_t magic;
    double version;
    std::int32_t frame_count, colour_count, pair_count;
    if (!reader.ReadU32(magic) || !reader.ReadF64(version) || !reader.ReadI32(frame_count) ||
        !reader.ReadI32(colour_count) || !reader.ReadI32(pair_count))
        return false;
    if (magic != kMagic || version != kVersion) return false;
    if (!CountFits(colour_count, 4, reader)) return false;
    mesh.colours.Reserve(colour_count);
    for (std::int32_t i = 0; i < colour_count; ++i) {
        std::uint32_t colour = 0;
        reader.ReadU32(colour);
        mesh.colours.Add(colour);
    }
    if (!CountFits(pair_count, 8, reader)) return false;
    mesh.u.Reserve(pair_count);
    mesh.v.Reserve(pair_count);
    for (std::int32_t i = 0; i < pair_count; ++i) {
        float u = 0, v = 0;
        reader.ReadF32(u);
        reader.ReadF32(v);
        mesh.u.Add(u);
        mesh.v.Add(v);
    }
    if (!CountFits(frame_count, kFrameHeaderBytes, reader)) return false;
    mesh.frames.Reserve(frame_count);
    for (std::int32_t f = 0; f < frame_count; ++f) {
        mesh.frames.Add(POLY_FRAME{});
        if (!ReadFrame(reader, colour_count, mesh.frames.Last())) return false;
    }
    // Texture coordinates are looked up by packed-vertex index.
    return frame_count == 0 || mesh.frames[0].packed.Count() <= pair_count;
}

void WriteFloats(ByteWriter& writer, const float (&values)[3]) {
    for (float value : values)
        writer.F32(value);
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
    FileHandle file(std::fopen(path.c_str(), "rb"));
    if (!file) return false;
    std::uint8_t chunk[65536];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0)
        bytes.insert(bytes.end(), chunk, chunk + got);
    return std::ferror(file.get()) == 0;
}

bool WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return (std::fclose(file) == 0) && written;
}

}  // namespace

bool MeshObject::LoadFromBytes(std::span<const std::uint8_t> bytes) {
    Clear(true);
    ByteReader reader(bytes);
    if (!ReadObject(reader, *this)) {
        Clear(true);
        return false;
    }
    normalsValid = 1;
    return true;
}

std::vector<std::uint8_t> MeshObject::SaveToBytes() const {
    ByteWriter writer;
    const std::int32_t pair_count = std::min(u.Count(), v.Count());
    writer.U32(kMagic);
    writer.F64(kVersion);
    writer.I32(frames.Count());
    writer.I32(colours.Count());
    writer.I32(pair_count);
    for (std::uint32_t colour : colours)
        writer.U32(colour);
    for (std::int32_t i = 0; i < pair_count; ++i) {
        writer.F32(u[i]);
        writer.F32(v[i]);
    }
    for (const POLY_FRAME& frame : frames) {
        writer.I32(frame.packed.Count());
        WriteFloats(writer, frame.offset);
        WriteFloats(writer, frame.scale);
        for (const PACKED_NODE& vertex : frame.packed) {
            for (std::uint8_t byte : {vertex.x, vertex.y, vertex.z, vertex.normal, vertex.colour})
                writer.Byte(byte);
        }
    }
    return writer.Take();
}

bool MeshObject::Load(const std::string& path) {
    Clear(true);
    std::vector<std::uint8_t> bytes;
    if (!ReadWholeFile(path, bytes)) return false;
    return LoadFromBytes(bytes);
}

bool MeshObject::Save(const std::string& path) const {
    return WriteWholeFile(path, SaveToBytes());
}
