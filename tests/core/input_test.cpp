#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "morvane.h"
#include "support/program_end.h"
#include "support/test_runtime.h"

namespace {

constexpr std::uint8_t kA = 0x1E;
constexpr std::uint8_t kB = 0x30;
constexpr std::uint8_t kOne = 0x02;
constexpr std::uint8_t kLeftShift = 0x2A;
constexpr std::uint8_t kRightShift = 0x36;
constexpr std::uint8_t kEnter = 0x1C;
constexpr std::uint8_t kUp = 200;

using Reading = std::array<double, 4>;

// x, y and the two buttons, as MOUSESTATE or JOYSTATE give them.
Reading Read(void (*state)(double&, double&, double&, double&)) {
    Reading r{-1, -1, -1, -1};
    state(r[0], r[1], r[2], r[3]);
    return r;
}

// The next n characters INKEY$ gives.
std::vector<std::string> Inkeys(int n) {
    std::vector<std::string> characters;
    for (int i = 0; i < n; ++i)
        characters.push_back(INKEY_Str().c_str());
    return characters;
}

class Input : public testing::Test {
protected:
    void SetUp() override {
        runtime_ = StartTestRuntime();
        input_ = runtime_.input;
        INKEY_Str();  // forget the last character of an earlier test
        SETMOUSE(100, 100);
    }
    TestRuntime runtime_;
    ScriptedInput* input_ = nullptr;
};

TEST_F(Input, KeyTestsTheLowEightBitsOfTheCode) {
    EXPECT_EQ(KEY(kUp), 0);
    input_->SetKey(kUp, true);
    EXPECT_EQ(KEY(200), 1);
    EXPECT_EQ(KEY(456), 1);  // 456 modulo 256
    EXPECT_EQ(KEY(200.9), 1);
    EXPECT_EQ(KEY(201), 0);
    input_->SetKey(kUp, false);
    EXPECT_EQ(KEY(200), 0);
}

TEST_F(Input, InkeyReportsEachPressOnceInItsOrder) {
    input_->SetKey(kA, true);
    EXPECT_STREQ(INKEY_Str().c_str(), "a");
    EXPECT_STREQ(INKEY_Str().c_str(), "");  // held, not pressed again
    input_->SetKey(kB, true);               // another key while a is held
    EXPECT_STREQ(INKEY_Str().c_str(), "b");
    input_->ReleaseAllKeys();
    EXPECT_STREQ(INKEY_Str().c_str(), "");
    // Taps between two polls, each down and up again: none is lost, a repeated one included.
    for (std::uint8_t key : {kB, kA, kA}) {
        input_->SetKey(key, true);
        input_->SetKey(key, false);
    }
    EXPECT_EQ(Inkeys(4), (std::vector<std::string>{"b", "a", "a", ""}));
}

// A tap shorter than the time between two reads is read once by the test of
// its key, even when another test read the keyboard in between, and no later
// than the frame after the one that read it.
TEST_F(Input, ATapBetweenTwoReadsIsSeenOnceByItsKeysTest) {
    constexpr std::uint8_t kSpace = 0x39;
    const auto tap = [this] {
        input_->SetKey(kSpace, true);
        input_->SetKey(kSpace, false);
    };
    tap();
    EXPECT_EQ(KEY(kSpace), 1);
    EXPECT_EQ(KEY(kSpace), 0);

    tap();
    EXPECT_EQ(KEY(kLeftShift), 0);  // reads the keyboard, tap included
    SHOWSCREEN();
    EXPECT_EQ(KEY(kSpace), 1);
    EXPECT_EQ(KEY(kSpace), 0);

    tap();
    EXPECT_EQ(KEY(kLeftShift), 0);
    SHOWSCREEN();
    SHOWSCREEN();  // a whole frame without a test of the key
    EXPECT_EQ(KEY(kSpace), 0);
}

TEST_F(Input, TypedKeysWaitForACharacterReaderForAWholeFrame) {
    input_->SetKey(kA, true);
    input_->SetKey(kA, false);
    SHOWSCREEN();
    EXPECT_STREQ(INKEY_Str().c_str(), "a");

    input_->SetKey(kB, true);
    input_->SetKey(kB, false);
    SHOWSCREEN();
    SHOWSCREEN();  // nobody read a character in the whole frame
    EXPECT_STREQ(INKEY_Str().c_str(), "");
}

TEST_F(Input, ShiftCapitalisesLettersOnly) {
    input_->SetKey(kLeftShift, true);
    input_->SetKey(kA, true);
    EXPECT_STREQ(INKEY_Str().c_str(), "A");
    input_->ReleaseAllKeys();
    INKEY_Str();
    input_->SetKey(kRightShift, true);
    input_->SetKey(kOne, true);
    EXPECT_STREQ(INKEY_Str().c_str(), "1");
}

TEST_F(Input, CharactersOfKeys) {
    const std::pair<std::uint8_t, int> keys[] = {{kEnter, 10}, {0x9C, 10}, {0x0E, 8}, {0x39, ' '},
                                                 {0x0C, '-'},  {0x01, 0},  {0x0F, 0}, {0x2A, 0},
                                                 {0x38, 0},    {0xC8, 0}};
    for (const auto& [key, character] : keys)
        EXPECT_EQ(pDXin->Scan2Ascii(key), character) << "key " << int{key};
}

TEST_F(Input, MouseFollowsRelativeMotionWithinTheScreen) {
    EXPECT_EQ(Read(MOUSESTATE), (Reading{100, 100, 0, 0}));
    input_->MoveMouse(25, -10);
    input_->SetButtons(true, false);
    EXPECT_EQ(Read(MOUSESTATE), (Reading{125, 90, 1, 0}));
    input_->SetButtons(false, true);
    input_->SetButtons(false, false);  // a right click between two reads
    EXPECT_EQ(Read(MOUSESTATE), (Reading{125, 90, 0, 1}));
    EXPECT_EQ(Read(MOUSESTATE), (Reading{125, 90, 0, 0}));

    input_->MoveMouse(-5000, 5000);
    input_->SetButtons(false, true);
    EXPECT_EQ(Read(MOUSESTATE), (Reading{0, 480, 0, 1}));  // the edges are included
    input_->MoveMouse(9000, -9000);
    EXPECT_EQ(Read(MOUSESTATE), (Reading{640, 0, 0, 1}));
    SETMOUSE(-5, 9999);  // stored unchanged until the next read
    EXPECT_EQ(std::pair(__g_mx, __g_my), std::pair(-5.0, 9999.0));
    EXPECT_EQ(Read(MOUSESTATE), (Reading{0, 480, 0, 1}));
}

TEST_F(Input, KeyWaitEndsOnAKeyWithACharacter) {
    input_->SetKey(kA, true);
    EXPECT_EQ(KEYWAIT(), 0);
    EXPECT_STREQ(INKEY_Str().c_str(), "");  // the key was taken by the wait
}

// Mouse buttons that change from one reading to the next.
class ButtonSequence : public ScriptedInput {
public:
    explicit ButtonSequence(std::vector<bool> left) : left_(std::move(left)) {}
    MouseReading ReadMouse() override {
        MouseReading reading;
        reading.left = reads_ < left_.size() ? left_[reads_] : left_.back();
        ++reads_;
        return reading;
    }
    std::size_t Reads() const { return reads_; }

private:
    std::vector<bool> left_;
    std::size_t reads_ = 0;
};

TEST_F(Input, MouseWaitWaitsForTheReleaseThenForAPress) {
    auto sequence =
        std::make_unique<ButtonSequence>(std::vector<bool>{true, true, false, false, false, true});
    ButtonSequence* buttons = sequence.get();
    UseInputSource(std::move(sequence));
    EXPECT_EQ(MOUSEWAIT(), 0);
    EXPECT_EQ(buttons->Reads(), 6u);
}

TEST_F(Input, JoysticksReadTheirRecords) {
    ScriptedInput::Joystick pad{"Pad, Gamepad", {}};
    pad.record.x = -1;
    pad.record.y = 1;
    pad.record.z = 40000;
    pad.record.pov[0] = 9000;
    pad.record.buttons[0] = 0x80;
    pad.record.buttons[31] = 0x80;
    input_->AddJoystick(pad);
    pDXin->CreateDInput(true);

    EXPECT_EQ(GETNUMJOYSTICKS(), 1);
    EXPECT_STREQ(GETJOYNAME_Str(0).c_str(), "Pad, Gamepad");
    EXPECT_EQ(Read(JOYSTATE), (Reading{-1, 1, 128, 0}));
    EXPECT_EQ(GETJOYZ(0), 40000);
    EXPECT_EQ(GETDIGIX(0), 1);
    EXPECT_EQ(GETDIGIY(0), 0);
    EXPECT_EQ(GETJOYBUTTON(0, 0), 128);
    EXPECT_EQ(GETJOYBUTTON(0, 31), 128);
    EXPECT_EQ(GETJOYBUTTON(0, 32), 0);
    EXPECT_EQ(GETJOYBUTTON(0, -1), 0);

    input_->JoystickAt(0).record.pov[0] = 27000;
    EXPECT_EQ(GETDIGIX(0), -1);
    input_->JoystickAt(0).record.pov[0] = 0;
    EXPECT_EQ(GETDIGIY(0), -1);
    input_->JoystickAt(0).record.pov[0] = 18000;
    EXPECT_EQ(GETDIGIY(0), 1);
}

TEST_F(Input, JoystickNumbersWithoutADeviceGiveZero) {
    EXPECT_EQ(GETNUMJOYSTICKS(), 0);
    for (double n : {0.0, 9.0, -1.0, 300.0}) {
        EXPECT_EQ(GETJOYX(n) + GETJOYY(n) + GETJOYBUTTON(n, 0), 0);
        EXPECT_EQ(GETDIGIX(n), 0);
        EXPECT_EQ(GETDIGIY(n), 0);  // not "up", though a zeroed record reads so
        EXPECT_STREQ(GETJOYNAME_Str(n).c_str(), "");
    }
    EXPECT_EQ(Read(JOYSTATE), (Reading{0, 0, 0, 0}));
}

using InputDeathTest = Input;

TEST_F(InputDeathTest, EscapeDuringMouseWaitEndsTheProgram) {
    ExpectProgramEndsWithError(3, [this] {
        Error(3);  // the code stays as an earlier recorded error left it
        input_->SetKey(1, true);
        MOUSEWAIT();
    });
}

}  // namespace
