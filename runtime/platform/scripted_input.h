// Input that a test, a demo or a replay sets by hand. It is read as the real
// devices are: a key or button pressed and released again before a reading is
// read as down once.
#pragma once

#include <vector>

#include "platform/input_source.h"
#include "platform/latched_input.h"

class ScriptedInput : public InputSource {
public:
    struct Joystick {
        std::string name;
        JoystickRecord record{};
    };

    InputOpenResult Open(bool) override { return {}; }
    void ReadKeys(KeyStates& keys) override { keys = keys_.Read(); }
    bool TakeKeyPress(KeyPress& press) override { return keys_.TakePress(press); }
    MouseReading ReadMouse() override;
    int JoystickCount() override { return static_cast<int>(joysticks_.size()); }
    bool ReadJoystick(int n, JoystickRecord& record) override;
    std::string JoystickName(int n) override;

    void SetKey(std::uint8_t code, bool down) { keys_.Set(code, down); }
    void ReleaseAllKeys() { keys_.ReleaseAll(); }
    // Movement is added up until the next reading.
    void MoveMouse(int dx, int dy);
    void SetButtons(bool left, bool right, bool middle = false);
    void AddJoystick(Joystick joystick) { joysticks_.push_back(std::move(joystick)); }
    Joystick& JoystickAt(int n) { return joysticks_.at(static_cast<std::size_t>(n)); }

private:
    LatchedKeys keys_;
    int mouse_dx_ = 0;
    int mouse_dy_ = 0;
    LatchedButtons buttons_;
    std::vector<Joystick> joysticks_;
};
