#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "morvane.h"
#include "support/test_runtime.h"

namespace {

constexpr std::uint8_t kA = 0x1E, kB = 0x30, kLeftShift = 0x2A, kSpace = 0x39;

using Reading = std::array<double, 4>;

Reading Read(void (*state)(double&, double&, double&, double&)) {
    Reading r{-1, -1, -1, -1};
    state(r[0], r[1], r[2], r[3]);
    return r;
}

class Input : public testing::Test {
protected:
    void SetUp() override {
        input_ = (runtime_ = StartTestRuntime()).input;
        INKEY_Str();  // forget the last character of an earlier test
        SETMOUSE(100, 100);
    }
    void Tap(std::uint8_t key) {
        input_->SetKey(key, true);
        input_->SetKey(key, false);
    }
    std::string Typed(int reads) {
        std::string typed;
        while (reads-- > 0)
            typed += INKEY_Str().c_str();
        return typed;
    }
    TestRuntime runtime_;
    ScriptedInput* input_ = nullptr;
};

TEST_F(Input, KeyAndInkeySeeEachPressOnceForAFrameAndKeyWaitTakesIt) {
    input_->SetKey(200, true);
    EXPECT_EQ(KEY(456) * 10 + KEY(201), 10);  // the low eight bits
    input_->SetKey(200, false);
    EXPECT_EQ(KEY(200), 0);
    Tap(kSpace);
    EXPECT_EQ(KEY(kLeftShift), 0);  // reads the keyboard, tap included
    SHOWSCREEN();
    EXPECT_EQ(KEY(kSpace), 1);
    EXPECT_EQ(KEY(kSpace), 0);
    Tap(kSpace);
    EXPECT_EQ(KEY(kLeftShift), 0);
    SHOWSCREEN();
    SHOWSCREEN();  // a whole frame without a test of the key
    EXPECT_EQ(KEY(kSpace), 0);
    input_->SetKey(kA, true);
    EXPECT_EQ(Typed(2), "a");  // held, not pressed again
    input_->SetKey(kB, true);
    EXPECT_EQ(Typed(1), "b");
    input_->ReleaseAllKeys();
    for (std::uint8_t key : {kB, kA, kA})
        Tap(key);
    EXPECT_EQ(Typed(4), "baa");
    Tap(kB);
    SHOWSCREEN();
    SHOWSCREEN();  // nobody read a character in the whole frame
    input_->SetKey(kLeftShift, true);
    input_->SetKey(kA, true);
    input_->SetKey(0x02, true);
    EXPECT_EQ(Typed(2), "A1");
    const std::pair<std::uint8_t, int> keys[] = {{0x9C, 10}, {0x0E, 8}, {0x0C, '-'}, {0x01, 0}, {0xC8, 0}};
    for (const auto& [key, character] : keys)
        EXPECT_EQ(pDXin->Scan2Ascii(key), character) << "key " << int{key};
    input_->ReleaseAllKeys();
    input_->SetKey(kA, true);
    EXPECT_EQ(KEYWAIT(), 0);
    EXPECT_EQ(Typed(1), "");  // the key was taken by the wait
}

TEST_F(Input, MouseFollowsRelativeMotionWithinTheScreenAndJoysticksReadTheirRecords) {
    input_->MoveMouse(25, -10);
    input_->SetButtons(true, false);
    EXPECT_EQ(Read(MOUSESTATE), (Reading{125, 90, 1, 0}));
    input_->SetButtons(false, true);
    input_->SetButtons(false, false);  // a right click between two reads
    EXPECT_EQ(Read(MOUSESTATE), (Reading{125, 90, 0, 1}));
    EXPECT_EQ(Read(MOUSESTATE), (Reading{125, 90, 0, 0}));
    input_->MoveMouse(-5000, 5000);
    EXPECT_EQ(Read(MOUSESTATE), (Reading{0, 480, 0, 0}));
    input_->MoveMouse(9000, -9000);
    EXPECT_EQ(Read(MOUSESTATE), (Reading{640, 0, 0, 0}));
    SETMOUSE(-5, 9999);  // stored unchanged until the next read
    EXPECT_EQ(std::pair(__g_mx, __g_my), std::pair(-5.0, 9999.0));
    EXPECT_EQ(Read(MOUSESTATE), (Reading{0, 480, 0, 0}));

    for (double n : {0.0, -1.0, 300.0}) {
        EXPECT_EQ(GETJOYX(n) + GETJOYY(n) + GETJOYBUTTON(n, 0) + GETDIGIX(n), 0);
        EXPECT_EQ(GETDIGIY(n), 0);  // not "up", though a zeroed record reads so
        EXPECT_STREQ(GETJOYNAME_Str(n).c_str(), "");
    }
    ScriptedInput::Joystick pad{"Pad, Gamepad", {}};
    pad.record.x = -1;
    pad.record.y = 1;
    pad.record.buttons[0] = pad.record.buttons[31] = 0x80;
    input_->AddJoystick(pad);
    pDXin->CreateDInput(true);
    EXPECT_EQ(std::string(GETJOYNAME_Str(0).c_str()) + NumberText(GETNUMJOYSTICKS()).c_str(),
              "Pad, Gamepad1");
    EXPECT_EQ(Read(JOYSTATE), (Reading{-1, 1, 128, 0}));
    EXPECT_EQ(GETJOYBUTTON(0, 0) + GETJOYBUTTON(0, 31) + GETJOYBUTTON(0, 32), 256);
    const struct { int pov, x, y; } hats[] = {{9000, 1, 0}, {27000, -1, 0}, {0, 0, -1}, {18000, 0, 1}};
    for (const auto& hat : hats) {
        input_->JoystickAt(0).record.pov[0] = hat.pov;
        EXPECT_EQ(GETDIGIX(0) * 10 + GETDIGIY(0), hat.x * 10 + hat.y) << hat.pov;
    }
}

class ButtonSequence : public ScriptedInput {
public:
    explicit ButtonSequence(std::vector<bool> left) : left_(std::move(left)) {}
    MouseReading ReadMouse() override {
        MouseReading reading;
        reading.left = left_[std::min(reads++, left_.size() - 1)];
        return reading;
    }
    std::size_t reads = 0;

private:
    std::vector<bool> left_;
};

using InputDeathTest = Input;

TEST_F(InputDeathTest, MouseWaitWaitsForTheReleaseThenForAPressAndEscapeEndsTheProgram) {
    ExpectProgramEndsWithError(3, [this] {
        Error(3);  // the code stays as an earlier recorded error left it
        input_->SetKey(1, true);
        MOUSEWAIT();
    });
    auto sequence = std::make_unique<ButtonSequence>(std::vector<bool>{true, true, false, false, true});
    ButtonSequence* buttons = sequence.get();
    UseInputSource(std::move(sequence));
    EXPECT_EQ(MOUSEWAIT(), 0);
    EXPECT_EQ(buttons->reads, 5u);
}

}  // namespace
