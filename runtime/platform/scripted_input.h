// Input that a test, a demo or a replay sets by hand.
#pragma once

#include <vector>

#include "platform/input_source.h"

class ScriptedInput : public InputSource {
public:
    struct Joystick {
        std::string name;
        JoystickRecord record{};
    };

    InputOpenResult Open(bool) override { return {}; }
    void ReadKeys(KeyStates& keys) override { keys = keys_; }
    MouseReading ReadMouse() override;
    int JoystickCount() override { return static_cast<int>(joysticks_.size()); }
    bool ReadJoystick(int n, JoystickRecord& record) override;
    std::string JoystickName(int n) override;

    void SetKey(std::uint8_t code, bool down) { keys_[code] = down ? kKeyDown : 0; }
    void ReleaseAllKeys() { keys_.fill(0); }
    // Movement is added up until the next reading.
    void MoveMouse(int dx, int dy);
    void SetButtons(bool left, bool right, bool middle = false);
    void AddJoystick(Joystick joystick) { joysticks_.push_back(std::move(joystick)); }
    Joystick& JoystickAt(int n) { return joysticks_.at(static_cast<std::size_t>(n)); }

private:
    KeyStates keys_{};
    int mouse_dx_ = 0;
    int mouse_dy_ = 0;
    bool left_ = false;
    bool right_ = false;
    bool middle_ = false;
    std::vector<Joystick> joysticks_;
};
