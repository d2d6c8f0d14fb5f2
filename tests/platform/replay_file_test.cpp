// The replay file: its layout, and a damaged file gives its sound frames and
// then ends.
#include "platform/replay_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

namespace {

ReplayFrame Frame(double time, int dx, int dy, std::vector<int> keys_down, bool left = false,
                  bool right = false, bool middle = false) {
    ReplayFrame frame;
    frame.time = time;
    frame.mouse = {static_cast<std::int16_t>(dx), static_cast<std::int16_t>(dy), left, right, middle};
    for (int code : keys_down)
        frame.keys[static_cast<std::size_t>(code)] = kKeyDown;
    return frame;
}

std::string Written(const std::vector<ReplayFrame>& frames) {
    auto out = std::make_unique<std::ostringstream>();
    std::ostringstream* text = out.get();
    ReplayWriter writer(std::move(out));
    for (const ReplayFrame& frame : frames)
        EXPECT_TRUE(writer.Write(frame));
    return text->str();
}

ReplayReader ReaderOf(const std::string& bytes) {
    return ReplayReader(std::make_unique<std::istringstream>(bytes));
}

std::vector<ReplayFrame> ReadAll(const std::string& bytes) {
    ReplayReader reader = ReaderOf(bytes);
    std::vector<ReplayFrame> frames;
    while (std::optional<ReplayFrame> frame = reader.Next())
        frames.push_back(*frame);
    return frames;
}

void ExpectSameFrames(const std::vector<ReplayFrame>& read, const std::vector<ReplayFrame>& written) {
    ASSERT_EQ(read.size(), written.size());
    for (std::size_t k = 0; k < read.size(); ++k) {
        SCOPED_TRACE("frame " + std::to_string(k));
        EXPECT_EQ(std::bit_cast<std::uint64_t>(read[k].time), std::bit_cast<std::uint64_t>(written[k].time));
        EXPECT_EQ(read[k].mouse, written[k].mouse);
        EXPECT_EQ(read[k].keys, CanonicalKeys(written[k].keys));
    }
}

const std::vector<ReplayFrame> kFrames = {
    Frame(123456789.123456789, 0, 0, {}),
    Frame(123456789.123456789, 32767, -32768, {1}, true),  // a frame may take no time
    Frame(123456805.79, -1, 1, {0x2A, 0x38, 0x3E, 0xC8, 0xFF}, false, true, true),
    Frame(1e15 + 0.5, 12, -7, {}, true, true, true),
};

TEST(ReplayFile, TheLayoutIsLittleEndianWithAVersionedHeader) {
    const std::string bytes = Written({Frame(1.0, 0x0102, -2, {0x1C}, true)});
    const std::string expected = std::string("MVRP\x01\x00\x00\x00", 8) +
                                 std::string("\x00\x00\x00\x00\x00\x00\xF0\x3F", 8) +  // 1.0
                                 std::string("\x02\x01\xFE\xFF\x01\x01\x1C", 7);
    EXPECT_EQ(bytes, expected);
}

TEST(ReplayFile, AHeaderOfAnotherKindOrVersionIsNoReplay) {
    const std::string good = Written(kFrames);
    EXPECT_FALSE(ReaderOf(good.substr(0, 7)).HeaderValid());
    for (std::size_t k = 0; k < 8; ++k) {
        std::string bad = good;
        bad[k] = static_cast<char>(bad[k] ^ 0x40);  // a wrong magic byte, or version 0x41...
        ReplayReader reader = ReaderOf(bad);
        EXPECT_FALSE(reader.HeaderValid()) << k;
        EXPECT_FALSE(reader.Next().has_value()) << k;
    }
    EXPECT_TRUE(ReaderOf(Written({})).HeaderValid());
    EXPECT_TRUE(ReadAll(Written({})).empty());
}

TEST(ReplayFile, ACutOffFileGivesExactlyItsWholeFrames) {
    const std::string bytes = Written(kFrames);
    std::vector<std::size_t> frame_ends;
    for (std::size_t n = 1; n <= kFrames.size(); ++n) {
        frame_ends.push_back(Written(std::vector<ReplayFrame>(kFrames.begin(), kFrames.begin() + n)).size());
    }
    for (std::size_t cut = 8; cut <= bytes.size(); ++cut) {
        std::size_t whole = 0;
        while (whole < frame_ends.size() && frame_ends[whole] <= cut)
            ++whole;
        SCOPED_TRACE("cut at " + std::to_string(cut));
        ExpectSameFrames(ReadAll(bytes.substr(0, cut)),
                         std::vector<ReplayFrame>(kFrames.begin(), kFrames.begin() + whole));
    }
}

TEST(ReplayFile, TheReplayEndsAtTheFirstFrameThatBreaksTheRules) {
    const std::string good = Written({Frame(10, 0, 0, {}), Frame(20, 0, 0, {})});
    const std::size_t second = 8 + 14;  // the header and the first frame without keys
    auto with_second = [&](const ReplayFrame& frame) {
        return good.substr(0, second) + Written({frame}).substr(8);
    };
    EXPECT_EQ(ReadAll(with_second(Frame(10, 0, 0, {}))).size(), 2u);  // an equal time is fine

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();  // time never goes back
    for (double time : {9.999, nan, infinity}) {
        SCOPED_TRACE(time);
        EXPECT_EQ(ReadAll(with_second(Frame(time, 0, 0, {}))).size(), 1u);
    }
    std::string reserved_button = good;
    reserved_button[second + 12] = 8;
    EXPECT_EQ(ReadAll(reserved_button).size(), 1u);

    const std::string keys = with_second(Frame(20, 0, 0, {5, 9}));
    const std::size_t codes = second + 14;
    std::string falling = keys;
    std::swap(falling[codes], falling[codes + 1]);
    std::string twice = keys;
    twice[codes + 1] = 5;
    std::string zero = keys;
    zero[codes] = 0;
    std::string long_count = keys;
    long_count[codes - 1] = static_cast<char>(0xFF);  // more codes than the file holds
    for (const std::string& bad : {falling, twice, zero, long_count})
        EXPECT_EQ(ReadAll(bad).size(), 1u);
    EXPECT_EQ(ReadAll(keys).size(), 2u);

    // After a bad frame the reader stays at its end, even if good bytes follow.
    EXPECT_EQ(ReadAll(reserved_button + good.substr(8)).size(), 1u);
}

TEST(ReplayFile, FilesOnDisk) {
    const std::string folder = std::getenv("TMPDIR");
    const std::string path = folder + "/run.replay";
    {
        std::unique_ptr<ReplayWriter> writer = CreateReplayFile(path);
        ASSERT_NE(writer, nullptr);
        for (const ReplayFrame& frame : kFrames)
            EXPECT_TRUE(writer->Write(frame));
    }
    std::unique_ptr<ReplayReader> reader = OpenReplayFile(path);
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->Next()->time, kFrames[0].time);

    EXPECT_EQ(OpenReplayFile(folder + "/missing.replay"), nullptr);
    EXPECT_EQ(OpenReplayFile(folder), nullptr);  // a folder
    EXPECT_EQ(CreateReplayFile(folder + "/no/such/folder.replay"), nullptr);
}

}  // namespace
