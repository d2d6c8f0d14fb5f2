// Stepping a run frame by frame: what the program reads while recorded, and that a replay gives it the same.
#include "platform/frame_stepper.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "platform/scripted_input.h"

// What the program observed in one frame: the clock twice, the keys and their presses, the mouse twice.
struct Observed {
    double time_first, time_second;
    KeyStates keys;
    std::vector<KeyPress> presses;
    MouseReading mouse_first, mouse_second;
    bool operator==(const Observed&) const = default;
};

static Observed Observe(FrameStepper& stepper) {
    Observed seen;
    seen.time_first = stepper.Time();
    seen.keys = stepper.Keys();
    for (KeyPress press; stepper.TakeKeyPress(press);)
        seen.presses.push_back(press);
    seen.mouse_first = stepper.TakeMouse();
    seen.mouse_second = stepper.TakeMouse();
    seen.time_second = stepper.Time();
    return seen;
}

struct Recording : testing::Test {
    ScriptedInput* input_ = new ScriptedInput;
    SteppingClock* clock_ = new SteppingClock(5000.0, 0.001);
    std::ostringstream* file_ = new std::ostringstream;
    FrameStepper stepper_{std::make_unique<LiveFrames>(std::unique_ptr<ScriptedInput>(input_),
                                                       std::unique_ptr<SteppingClock>(clock_)),
                          std::make_unique<ReplayWriter>(std::unique_ptr<std::ostringstream>(file_))};
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

TEST_F(Recording, AReplayGivesTheProgramWhatTheRecordingGaveIt) {
    std::vector<Observed> recorded;
    for (int n = 0; n <= 12; ++n) {  // the input of frame n played on the devices, time let pass
        input_->MoveMouse(n * 3 - 7, -n);
        input_->SetButtons(n % 3 == 1, n % 4 == 0, n == 5);
        input_->SetKey(static_cast<std::uint8_t>(0x10 + n), true);
        input_->SetKey(static_cast<std::uint8_t>(0x10 + n - 2), false);
        clock_->Advance(16.6 + n * 0.37);
        ASSERT_TRUE(stepper_.Step());
        recorded.push_back(Observe(stepper_));
    }

    auto reader = std::make_unique<ReplayReader>(std::make_unique<std::istringstream>(file_->str()));
    FrameStepper replay(
        std::make_unique<ReplayedFrames>(std::move(reader), std::make_unique<SteppingClock>(), 0), nullptr);
    std::vector<Observed> replayed;
    while (replay.Step())
        replayed.push_back(Observe(replay));
    EXPECT_EQ(replayed, recorded);
    EXPECT_EQ(replay.Time(), recorded.back().time_first);  // at the end the last frame stays
}

TEST(PacedReplay, FramesComeNoSoonerThanTheirRecordedTimeAtTheSpeedAsked) {
    auto* bytes = new std::ostringstream;
    ReplayWriter writer{std::unique_ptr<std::ostringstream>(bytes)};
    const std::vector<double> times = {7000, 7100, 7100, 7400};
    for (double time : times)
        writer.Write(ReplayFrame{time, {}, {}});

    for (double speed : {0.0, 2.0}) {
        SCOPED_TRACE(speed);
        auto real = std::make_unique<SteppingClock>(100.0, 0.001);
        SteppingClock* real_clock = real.get();
        ReplayedFrames frames(
            std::make_unique<ReplayReader>(std::make_unique<std::istringstream>(bytes->str())),
            std::move(real), speed);
        for (double time : times) {
            ASSERT_TRUE(frames.Next().has_value());
            const double due = speed > 0 ? 100.0 + (time - times[0]) / speed : 100.0;
            EXPECT_TRUE(real_clock->Now() >= due - 0.002 && real_clock->Now() < due + 0.5)
                << real_clock->Now();
        }
        EXPECT_FALSE(frames.Next().has_value());
    }
}
