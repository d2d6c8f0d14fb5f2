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

Bytes OutputOf(const ZtCompression& compression) {
    return Bytes(compression.Output(), compression.Output() + compression.OutputLength());
}

Bytes Pack(int mode, const Bytes& data) {
    ZtCompression packer(mode);
    packer.Pack(data.data(), data.size());
    EXPECT_TRUE(packer.Succeeded());
    return OutputOf(packer);
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
    return OutputOf(unpacker);
}

// Data of several kinds: random, few symbols (long matches at every distance),
// runs, and text.
std::vector<Bytes> SampleData() {
    std::mt19937 random(1234);
    std::vector<Bytes> samples = {{}, {7}, {1, 2}, ToBytes("abcabcabcabc"), Bytes(5000, 'a')};
    for (std::size_t size : {17u, 300u, 5000u, 20000u}) {
        Bytes noise(size), symbols(size);
        for (std::size_t i = 0; i < size; ++i) {
            noise[i] = static_cast<std::uint8_t>(random());
            symbols[i] = static_cast<std::uint8_t>('a' + random() % 4);
        }
        samples.push_back(noise);
        samples.push_back(symbols);
    }
    std::string text;
    for (int i = 0; text.size() < 30000; ++i)
        text +=
            "line " + std::to_string(i % 97) + " of the level, " + std::to_string(i * 7919 % 1000) + "\r\n";
    samples.push_back(ToBytes(text));
    return samples;
}

TEST(OwnMode, PacksTheKnownStreams) {
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
}

TEST(OwnMode, DistancesWithTheirSeventhBitSetDecode) {
    // A block repeated 200 and 1500 bytes later: matches at distances past 127.
    std::mt19937 random(7);
    Bytes data(200);
    for (auto& b : data)
        b = static_cast<std::uint8_t>(random());
    Bytes input = data;
    input.insert(input.end(), data.begin(), data.end());
    input.resize(1700, 0x55);
    input.insert(input.end(), data.begin(), data.end());
    const Bytes packed = Pack(ZtCompression::kModeOwn, input);
    EXPECT_LT(packed.size(), input.size() - 200);  // the repeats were found
    EXPECT_EQ(Unpack(ZtCompression::kModeOwn, packed), input);
}

TEST(OwnMode, TruncatedStreamsAreRefused) {
    const Bytes packed = Pack(ZtCompression::kModeOwn, ToBytes("abcabcabcabc"));
    for (std::size_t length = 0; length < packed.size(); ++length)
        EXPECT_FALSE(Unpack(ZtCompression::kModeOwn, Bytes(packed.begin(), packed.begin() + length)));
}

TEST(LzoMode, TheBlockStartsWithItsLengthAndWrongOrImpossibleLengthsAreRefused) {
    const Bytes header = Pack(ZtCompression::kModeLzo, Bytes(0x1234, 'x'));
    EXPECT_EQ(Bytes(header.begin(), header.begin() + 4), (Bytes{0x34, 0x12, 0, 0}));
    const Bytes packed = Pack(ZtCompression::kModeLzo, ToBytes("some text, some text, some text"));
    Bytes shorter = packed;
    shorter[0] -= 1;  // the stream makes more than announced
    EXPECT_FALSE(Unpack(ZtCompression::kModeLzo, shorter));
    Bytes longer = packed;
    longer[0] += 1;  // the stream makes less than announced
    EXPECT_FALSE(Unpack(ZtCompression::kModeLzo, longer));
    Bytes huge = packed;
    huge[3] = 0x7F;  // about 2 GiB: refused before anything is allocated
    EXPECT_FALSE(Unpack(ZtCompression::kModeLzo, huge));
    Bytes beyond_ratio = {0xE8, 0x03, 0, 0, 0x11, 0, 0};  // 1000 bytes announced for a 3-byte stream
    EXPECT_FALSE(Unpack(ZtCompression::kModeLzo, beyond_ratio));
    EXPECT_FALSE(Unpack(ZtCompression::kModeLzo, {1, 0, 0}));  // no room for the header
    EXPECT_FALSE(Unpack(ZtCompression::kModeLzo, Bytes(packed.begin(), packed.end() - 2)));
}

TEST(LzoMode, ZerosStayWithinTheExpansionLimit) {
    const Bytes zeros(4 << 20, 0);
    EXPECT_EQ(Unpack(ZtCompression::kModeLzo, Pack(ZtCompression::kModeLzo, zeros)), zeros);
}

TEST(BothModes, RoundTrips) {
    for (int mode : {ZtCompression::kModeLzo, ZtCompression::kModeOwn}) {
        for (const Bytes& data : SampleData()) {
            SCOPED_TRACE(testing::Message() << "mode " << mode << ", " << data.size() << " bytes");
            EXPECT_EQ(Unpack(mode, Pack(mode, data)), data);
        }
    }
}

}  // namespace
