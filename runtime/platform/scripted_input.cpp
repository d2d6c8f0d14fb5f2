#include "platform/scripted_input.h"

#include <algorithm>

namespace {

std::int16_t ClampToInt16(int value) {
    return static_cast<std::int16_t>(std::clamp(value, -32768, 32767));
}

}  // namespace

MouseReading ScriptedInput::ReadMouse() {
    MouseReading reading{ClampToInt16(mouse_dx_), ClampToInt16(mouse_dy_)};
    buttons_.Read(reading);
    mouse_dx_ = mouse_dy_ = 0;
    return reading;
}

bool ScriptedInput::ReadJoystick(int n, JoystickRecord& record) {
    if (n < 0 || n >= JoystickCount()) return false;
    record = joysticks_[static_cast<std::size_t>(n)].record;
    return true;
}

std::string ScriptedInput::JoystickName(int n) {
    if (n < 0 || n >= JoystickCount()) return {};
    return joysticks_[static_cast<std::size_t>(n)].name;
}

void ScriptedInput::MoveMouse(int dx, int dy) {
    mouse_dx_ += dx;
    mouse_dy_ += dy;
}

void ScriptedInput::SetButtons(bool left, bool right, bool middle) {
    buttons_.Set(LatchedButtons::kLeft, left);
    buttons_.Set(LatchedButtons::kRight, right);
    buttons_.Set(LatchedButtons::kMiddle, middle);
}
