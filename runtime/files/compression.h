// ZtCompression: packs and unpacks byte blocks in memory. LZO mode is what the
// containers use; the own mode is a small LZSS coder kept as an alternative.
#pragma once

#include <cstddef>
#include <cstdint>

#include "files/byte_buffer.h"

class ZtCompression {
public:
    static constexpr int kModeLzo = 1;
    static constexpr int kModeOwn = 0;  // any mode but kModeLzo

    explicit ZtCompression(int mode = kModeLzo) : mode_(mode) {}

    void SetMode(int mode) { mode_ = mode; }
    int Mode() const { return mode_; }

    // Frees the output.
    void Clear() { output_.Clear(); }

    // Compresses the data into the output and returns the output's length
    // (0 when the memory cannot be had).
    std::size_t Pack(const std::uint8_t* data, std::size_t length);
    // Decompresses a block into the output and returns the output's length;
    // 0, with Succeeded() false, when the block is corrupt or truncated.
    std::size_t UnPack(const std::uint8_t* data, std::size_t length);
    // Whether the last Pack or UnPack worked; tells an empty result from a failure.
    bool Succeeded() const { return succeeded_; }

    const std::uint8_t* Output() const { return output_.Data(); }
    std::size_t OutputLength() const { return output_.Size(); }

private:
    std::size_t Finish(bool succeeded);

    int mode_;
    ByteBuffer output_;
    bool succeeded_ = false;
};
