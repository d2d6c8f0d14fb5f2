#include "files/compression.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ToBytes(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

Bytes Pack(int mode, const Bytes& data) {
    ZtCompression packer(mode);
    packer.Pack(data.data(), data.size());
    EXPECT_TRUE(packer.Succeeded());
    return Bytes(packer.Output(), packer.Output() + packer.OutputLength());
}

// Unpacks; the result, or nothing when the block was refused.
std::optional<Bytes> Unpack(int mode, const Bytes& block) {
    ZtCompression unpacker(mode);
    const std::size_t length = unpacker.UnPack(block.data(), block.size());
    if (!unpacker.Succeeded()) {
        EXPECT_EQ(length, 0u);
        return std::nullopt;
    }
    EXPECT_EQ(length, unpacker.OutputLength());
    return Bytes(unpacker.Output(), unpacker.Output() + length);
}

TEST(OwnMode, PacksTheKnownStreamsAndRefusesTruncatedOnes) {
    const struct {
        std::string text;
        Bytes packed;
    } cases[] = {
        {"abcabcabcabc", {0x18, 'a', 'b', 'c', 0x07, 0x03, 0x00}},
        {"", {0x80, 0x00}},
        {"12345678", {0x00, '1', '2', '3', '4', '5', '6', '7', '8', 0x80, 0x00}}};  // a full last group
    for (const auto& c : cases) {
        EXPECT_EQ(Pack(ZtCompression::kModeOwn, ToBytes(c.text)), c.packed) << c.text;
        EXPECT_EQ(Unpack(ZtCompression::kModeOwn, c.packed), ToBytes(c.text));
    }
    const Bytes& packed = cases[0].packed;
    for (std::size_t length = 0; length < packed.size(); ++length)
        EXPECT_FALSE(Unpack(ZtCompression::kModeOwn, Bytes(packed.begin(), packed.begin() + length)));
}

TEST(LzoMode, TheBlockStartsWithItsLengthAndWrongOrImpossibleLengthsAreRefused) {
    const Bytes header = Pack(ZtCompression::kModeLzo, Bytes(0x1234, 'x'));
    EXPECT_EQ(Bytes(header.begin(), header.begin() + 4), (Bytes{0x34, 0x12, 0, 0}));
    const Bytes packed = Pack(ZtCompression::kModeLzo, ToBytes("some text, some text, some text"));
    const struct {
        std::size_t at;
        int change;
    } damages[] = {{0, -1}, {0, +1}, {3, 0x7F}};  // more or less than announced; about 2 GiB announced
    for (const auto& damage : damages) {
        Bytes bad = packed;
        bad[damage.at] += damage.change;
        EXPECT_FALSE(Unpack(ZtCompression::kModeLzo, bad)) << damage.at << " " << damage.change;
    }
    EXPECT_FALSE(Unpack(ZtCompression::kModeLzo, {0xE8, 0x03, 0, 0, 0x11, 0, 0}));  // beyond 255 x the stream
    EXPECT_FALSE(Unpack(ZtCompression::kModeLzo, {1, 0, 0}));                       // no room for the header
}

TEST(BothModes, RoundTrips) {
    // Random bytes, few symbols (long matches at every distance, past 127 included), runs and zeros.
    std::mt19937 random(1234);
    std::vector<Bytes> samples = {{}, {7}, Bytes(5000, 'a')};
    for (std::size_t size : {200u, 20000u}) {
        Bytes noise(size), symbols(size);
        for (std::size_t i = 0; i < size; ++i) {
            noise[i] = static_cast<std::uint8_t>(random());
            symbols[i] = static_cast<std::uint8_t>('a' + random() % 4);
        }
        samples.push_back(noise);
        samples.push_back(symbols);
        noise.insert(noise.end(), noise.begin(), noise.end());  // repeated at a long distance
        samples.push_back(noise);
    }
    for (int mode : {ZtCompression::kModeLzo, ZtCompression::kModeOwn}) {
        for (const Bytes& data : samples) {
            SCOPED_TRACE(testing::Message() << "mode " << mode << ", " << data.size() << " bytes");
            const Bytes packed = Pack(mode, data);
            EXPECT_EQ(Unpack(mode, packed), data);
        }
    }
    const Bytes repeated = samples[5];  // 200 random bytes twice: a distance with its seventh bit set
    EXPECT_LT(Pack(ZtCompression::kModeOwn, repeated).size(), 300u);
    const Bytes zeros(4 << 20, 0);  // within the expansion limit
    EXPECT_EQ(Unpack(ZtCompression::kModeLzo, Pack(ZtCompression::kModeLzo, zeros)), zeros);
}

}  // namespace
