#include "files/compression.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>

namespace {
using Bytes = std::vector<std::uint8_t>;
constexpr int kOwn = ZtCompression::kModeOwn, kLzo = ZtCompression::kModeLzo;

Bytes Pack(int mode, const Bytes& data) {
    ZtCompression packer(mode);
    packer.Pack(data.data(), data.size());
    EXPECT_TRUE(packer.Succeeded());
    return Bytes(packer.Output(), packer.Output() + packer.OutputLength());
}

// Nothing when the block was refused.
std::optional<Bytes> Unpack(int mode, const Bytes& block) {
    ZtCompression unpacker(mode);
    const std::size_t length = unpacker.UnPack(block.data(), block.size());
    EXPECT_EQ(length, unpacker.Succeeded() ? unpacker.OutputLength() : 0u);
    return unpacker.Succeeded() ? std::optional(Bytes(unpacker.Output(), unpacker.Output() + length))
                                : std::nullopt;
}
}  // namespace

TEST(Compression, KnownStreamsAndRefusedBlocks) {
    const std::pair<std::string, Bytes> own[] = {
        {"abcabcabcabc", {0x18, 'a', 'b', 'c', 0x07, 0x03, 0x00}},
        {"", {0x80, 0x00}},
        {"12345678", {0x00, '1', '2', '3', '4', '5', '6', '7', '8', 0x80, 0x00}}};
    for (const auto& [text, packed] : own) {
        EXPECT_EQ(Pack(kOwn, Bytes(text.begin(), text.end())), packed) << text;
        EXPECT_EQ(Unpack(kOwn, packed), Bytes(text.begin(), text.end()));
    }
    for (std::size_t length = 0; length < own[0].second.size(); ++length)
        EXPECT_FALSE(Unpack(kOwn, Bytes(own[0].second.begin(), own[0].second.begin() + length)));

    const Bytes header = Pack(kLzo, Bytes(0x1234, 'x'));
    EXPECT_EQ(Bytes(header.begin(), header.begin() + 4), (Bytes{0x34, 0x12, 0, 0}));
    const std::string text = "some text, some text, some text";
    const Bytes packed = Pack(kLzo, Bytes(text.begin(), text.end()));
    // More or less than announced; about 2 GiB announced.
    for (const auto& [at, change] : {std::pair{0, -1}, {0, +1}, {3, 0x7F}}) {
        Bytes bad = packed;
        bad[at] += change;
        EXPECT_FALSE(Unpack(kLzo, bad)) << at << " " << change;
    }
    EXPECT_FALSE(Unpack(kLzo, {0xE8, 0x03, 0, 0, 0x11, 0, 0}));  // beyond 255 x the stream
    EXPECT_FALSE(Unpack(kLzo, {1, 0, 0}));                       // no room for the header
}

TEST(Compression, BothModesRoundTrip) {
    // Random bytes, few symbols (long matches at every distance, past 127 included), runs and zeros.
    std::mt19937 random(1234);
    std::vector<Bytes> samples = {{}, {7}, Bytes(5000, 'a')};
    for (std::size_t size : {200u, 20000u}) {
        Bytes noise(size), symbols(size);
        for (std::size_t i = 0; i < size; ++i) {
            noise[i] = static_cast<std::uint8_t>(random());
            symbols[i] = static_cast<std::uint8_t>('a' + random() % 4);
        }
        noise.insert(noise.end(), noise.begin(), noise.end());  // repeated at a long distance
        samples.insert(samples.end(), {symbols, noise});
    }
    samples.push_back(Bytes(4 << 20, 0));  // within the expansion limit
    for (int mode : {kLzo, kOwn})
        for (const Bytes& data : samples)
            EXPECT_EQ(Unpack(mode, Pack(mode, data)), data)
                << "mode " << mode << ", " << data.size() << " bytes";
    // 200 random bytes twice: a distance with its seventh bit set.
    EXPECT_LT(Pack(kOwn, samples[4]).size(), 300u);
}
