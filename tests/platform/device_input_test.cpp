// The real devices: SDL's events and joysticks, as a person's input reaches them.
#include <SDL.h>
#include <gtest/gtest.h>

#include "morvane.h"
#include "platform/joysticks.h"
#include "platform/key_codes.h"
#include "support/pushed_events.h"
#include "support/test_runtime.h"

class DeviceInput : public testing::Test {
protected:
    void SetUp() override {
        StartTestRuntime();
        UseDeviceInputForTest();
        INKEY_Str();
        SETMOUSE(100, 100);
    }
};

TEST_F(DeviceInput, KeyAndMouseEventsReachTheCommandsAndTapsAreReadOnceInOrder) {
    for (bool down : {true, false}) {
        PushKey(SDL_SCANCODE_UP, down);
        EXPECT_EQ(KEY(200), down);
    }
    PushKey(SDL_SCANCODE_LSHIFT, true);
    PushKey(SDL_SCANCODE_G, true);
    EXPECT_STREQ(INKEY_Str().c_str(), "G");
    PushKey(SDL_SCANCODE_G, false);
    PushKey(SDL_SCANCODE_LSHIFT, false);
    for (char letter : std::string("hello")) {
        PushKey(SDL_GetScancodeFromKey(letter), true);
        PushKey(SDL_GetScancodeFromKey(letter), false);
    }
    std::string typed;
    for (int poll = 0; poll < 6; ++poll)
        typed += INKEY_Str().c_str();
    EXPECT_EQ(typed, "hello");

    PushMotion(30, 5);
    PushMotion(-10, 15);
    PushButton(SDL_BUTTON_LEFT, true);
    PushButton(SDL_BUTTON_LEFT, false);
    PushButton(SDL_BUTTON_RIGHT, true);
    std::vector<double> mouse(4);
    MOUSESTATE(mouse[0], mouse[1], mouse[2], mouse[3]);
    EXPECT_EQ(mouse, (std::vector<double>{120, 120, 1, 1}));
    PushButton(SDL_BUTTON_RIGHT, false);
    MOUSESTATE(mouse[0], mouse[1], mouse[2], mouse[3]);
    EXPECT_EQ(mouse[3], 0);
}

TEST_F(DeviceInput, AVirtualJoystickFillsTheJoystickRecord) {
    const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 6, 12, 1);
    ASSERT_GE(index, 0) << SDL_GetError();
    SDL_Joystick* device = SDL_JoystickOpen(index);
    ASSERT_NE(device, nullptr);
    pDXin->CreateDInput(true);  // find the joysticks again
    ASSERT_EQ(GETNUMJOYSTICKS(), 1);
    EXPECT_STRNE(GETJOYNAME_Str(0).c_str(), "");
    SDL_JoystickSetVirtualAxis(device, 0, -32768);
    SDL_JoystickSetVirtualAxis(device, 1, 8000);  // inside the dead zone
    SDL_JoystickSetVirtualAxis(device, 2, 32767);
    SDL_JoystickSetVirtualButton(device, 1, SDL_PRESSED);
    SDL_JoystickSetVirtualHat(device, 0, SDL_HAT_DOWN);
    double x, y, b1, b2;
    JOYSTATE(x, y, b1, b2);
    EXPECT_EQ((std::vector<double>{x, y, b1, b2}), (std::vector<double>{-1, 0, 0, 128}));
    EXPECT_EQ(GETJOYZ(0), 65535);
    EXPECT_EQ(GETDIGIY(0), 1);
    SDL_JoystickSetVirtualHat(device, 0, SDL_HAT_LEFT);
    EXPECT_EQ(GETDIGIX(0), -1);
    SDL_JoystickSetVirtualHat(device, 0, SDL_HAT_CENTERED);
    EXPECT_EQ(GETDIGIY(0), 0);
    SDL_JoystickClose(device);
    SDL_JoystickDetachVirtual(index);

    EXPECT_EQ(CentredAxisValue(-16383) + CentredAxisValue(16384) * 10 + RangeAxisValue(-32768), 10);
    EXPECT_EQ(PointOfView(SDL_HAT_LEFTUP), 31500u);
}

TEST(KeyCodes, FollowTheSetOneScanCodes) {
    const std::pair<SDL_Scancode, int> keys[] = {{SDL_SCANCODE_ESCAPE, 1},     {SDL_SCANCODE_Z, 0x2C},
                                                 {SDL_SCANCODE_KP_ENTER, 156}, {SDL_SCANCODE_RALT, 184},
                                                 {SDL_SCANCODE_DOWN, 208},     {SDL_SCANCODE_UNKNOWN, 0}};
    for (const auto& [scancode, code] : keys)
        EXPECT_EQ(KeyCodeOfScancode(scancode), code) << SDL_GetScancodeName(scancode);
    for (int code = 1; code < 256; ++code) {  // every key with a code maps back to itself
        const SDL_Scancode scancode = ScancodeOfKeyCode(static_cast<std::uint8_t>(code));
        EXPECT_TRUE(scancode == SDL_SCANCODE_UNKNOWN || KeyCodeOfScancode(scancode) == code) << code;
    }
}

using DeviceInputDeathTest = DeviceInput;
TEST_F(DeviceInputDeathTest, ACloseRequestOrEscapeEndsTheProgram) {
    EXPECT_EXIT((PushWindowEvent(SDL_WINDOWEVENT, SDL_WINDOWEVENT_CLOSE), pPrism->WinMessages()),
                testing::ExitedWithCode(0), "");
    // A tap of Esc, read by the program's own key test first.
    EXPECT_EXIT(
        (PushKey(SDL_SCANCODE_ESCAPE, true), PushKey(SDL_SCANCODE_ESCAPE, false), KEY(42), SHOWSCREEN()),
        testing::ExitedWithCode(0), "");
}
