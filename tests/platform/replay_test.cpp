// Replays: the file's layout, a damaged file giving its sound frames and then ending, what the program
// reads within a recorded frame, and replayed frames paced in time.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <sstream>

#include "platform/frame_stepper.h"
#include "platform/replay_file.h"
#include "platform/scripted_input.h"

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
    auto* text = new std::ostringstream;
    ReplayWriter writer{std::unique_ptr<std::ostringstream>(text)};
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

const std::vector<ReplayFrame> kFrames = {
    Frame(123456789.123456789, 0, 0, {}),
    Frame(123456789.123456789, 32767, -32768, {1}, true),  // a frame may take no time
    Frame(123456805.79, -1, 1, {0x2A, 0x38, 0x3E, 0xC8, 0xFF}, false, true, true),
    Frame(1e15 + 0.5, 12, -7, {}, true, true, true),
};

TEST(ReplayFile, LittleEndianWithAVersionedHeaderAndACutOffFileGivesExactlyItsWholeFrames) {
    EXPECT_EQ(
        Written({Frame(1.0, 0x0102, -2, {0x1C}, true)}),
        std::string("MVRP\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\xF0\x3F\x02\x01\xFE\xFF\x01\x01\x1C", 23));
    const std::string bytes = Written(kFrames);
    EXPECT_FALSE(ReaderOf(bytes.substr(0, 7)).HeaderValid());
    for (std::size_t k = 0; k < 8; ++k) {
        std::string bad = bytes;
        bad[k] = static_cast<char>(bad[k] ^ 0x40);  // a wrong magic byte, or version 0x41...
        ReplayReader reader = ReaderOf(bad);
        EXPECT_FALSE(reader.HeaderValid() || reader.Next().has_value()) << k;
    }
    // Frames read back are written again byte for byte: times exact, keys in order.
    std::vector<std::size_t> frame_ends;
    for (std::size_t n = 0; n <= kFrames.size(); ++n)
        frame_ends.push_back(Written(std::vector<ReplayFrame>(kFrames.begin(), kFrames.begin() + n)).size());
    for (std::size_t cut = 8; cut <= bytes.size(); ++cut) {
        const std::size_t whole = *std::prev(std::upper_bound(frame_ends.begin(), frame_ends.end(), cut));
        EXPECT_EQ(Written(ReadAll(bytes.substr(0, cut))), bytes.substr(0, whole)) << "cut at " << cut;
    }
}

TEST(ReplayFile, TheReplayEndsAtTheFirstFrameThatBreaksTheRules) {
    const std::string good = Written({Frame(10, 0, 0, {}), Frame(20, 0, 0, {})});
    const std::size_t second = 8 + 14;  // the header and the first frame without keys
    auto with_second = [&](const ReplayFrame& frame) {
        return good.substr(0, second) + Written({frame}).substr(8);
    };
    EXPECT_EQ(ReadAll(with_second(Frame(10, 0, 0, {}))).size(), 2u);  // an equal time is fine

    // Time never goes back, and is a finite number.
    for (double time :
         {9.999, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()})
        EXPECT_EQ(ReadAll(with_second(Frame(time, 0, 0, {}))).size(), 1u) << time;
    std::string reserved_button = good;
    reserved_button[second + 12] = 8;
    EXPECT_EQ(ReadAll(reserved_button).size(), 1u);

    const std::string keys = with_second(Frame(20, 0, 0, {5, 9}));
    const std::size_t codes = second + 14;
    // Codes falling, twice, zero, or more codes than the file holds.
    for (const auto& [at, code] : {std::pair{codes + 1, 4}, {codes + 1, 5}, {codes, 0}, {codes - 1, 0xFF}}) {
        std::string bad = keys;
        bad[at] = static_cast<char>(code);
        EXPECT_EQ(ReadAll(bad).size(), 1u) << at << " " << code;
    }
    EXPECT_EQ(ReadAll(keys).size(), 2u);

    // After a bad frame the reader stays at its end, even if good bytes follow.
    EXPECT_EQ(ReadAll(reserved_button + good.substr(8)).size(), 1u);
}

TEST(ReplayFile, FilesOnDisk) {
    const std::string folder = std::getenv("TMPDIR");
    ASSERT_TRUE(CreateReplayFile(folder + "/run.replay")->Write(kFrames[1]));  // written as it is closed
    EXPECT_EQ(OpenReplayFile(folder + "/run.replay")->Next()->mouse, kFrames[1].mouse);
    // A missing file, a folder, a file in a missing folder.
    EXPECT_FALSE(OpenReplayFile(folder + "/missing.replay") || OpenReplayFile(folder) ||
                 CreateReplayFile(folder + "/no/such/folder.replay"));
}

}  // namespace

struct Recording : testing::Test {
    ScriptedInput* input_ = new ScriptedInput;
    SteppingClock* clock_ = new SteppingClock(5000.0, 0.001);
    FrameStepper stepper_{std::make_unique<LiveFrames>(std::unique_ptr<ScriptedInput>(input_),
                                                       std::unique_ptr<SteppingClock>(clock_)),
                          std::make_unique<ReplayWriter>(std::make_unique<std::ostringstream>())};
};

TEST_F(Recording, TimeAndInputHoldStillWithinAFrame) {
    ASSERT_TRUE(stepper_.Step());
    const double start = stepper_.Time();
    clock_->Advance(50);
    input_->MoveMouse(4, -3);
    input_->SetButtons(true, false);
    input_->SetKey(0x2A, true);
    input_->SetKey(0x1E, true);
    input_->SetKey(0x1E, false);        // a tap within the frame
    EXPECT_EQ(stepper_.Time(), start);  // the devices are read as a frame starts, not later
    EXPECT_EQ(stepper_.Keys()[0x2A], 0);
    EXPECT_FALSE(stepper_.TakeMouse().left);

    ASSERT_TRUE(stepper_.Step());
    clock_->Advance(5);
    EXPECT_NEAR(stepper_.Time(), start + 50, 0.01);
    EXPECT_EQ(stepper_.Keys()[0x2A], kKeyDown);
    EXPECT_EQ(stepper_.Keys()[0x1E], kKeyDown);  // down for the frame after it
    std::vector<KeyPress> presses;               // in the order of the codes, with the frame's Shift
    for (KeyPress press; stepper_.TakeKeyPress(press);)
        presses.push_back(press);
    EXPECT_EQ(presses, (std::vector<KeyPress>{{0x1E, true}, {0x2A, true}}));
    EXPECT_EQ(stepper_.TakeMouse(), (MouseReading{4, -3, true, false, false}));
    EXPECT_EQ(stepper_.TakeMouse(), (MouseReading{0, 0, true, false, false}));  // the movement is given once
}

TEST(PacedReplay, FramesComeNoSoonerThanTheirRecordedTimeAtTheSpeedAsked) {
    const std::vector<double> times = {7000, 7100, 7100, 7400};
    std::vector<ReplayFrame> recorded;
    for (double time : times)
        recorded.push_back(Frame(time, 0, 0, {}));
    for (double speed : {0.0, 2.0}) {
        SCOPED_TRACE(speed);
        auto real = std::make_unique<SteppingClock>(100.0, 0.001);
        SteppingClock* real_clock = real.get();
        ReplayedFrames frames(std::make_unique<ReplayReader>(ReaderOf(Written(recorded))), std::move(real),
                              speed);
        for (double time : times) {
            ASSERT_TRUE(frames.Next().has_value());
            const double due = speed > 0 ? 100.0 + (time - times[0]) / speed : 100.0;
            EXPECT_TRUE(real_clock->Now() >= due - 0.002 && real_clock->Now() < due + 0.5)
                << real_clock->Now();
        }
        EXPECT_FALSE(frames.Next().has_value());
    }
}
