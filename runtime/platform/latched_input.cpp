#include "platform/latched_input.h"

namespace {

constexpr std::uint8_t kLeftShift = 0x2A;
constexpr std::uint8_t kRightShift = 0x36;

bool IsDown(std::uint8_t state) {
    return (state & kKeyDown) != 0;
}

}  // namespace

void KeyPressQueue::Add(KeyPress press) {
    if (presses_.size() < kLimit) presses_.push_back(press);
}

bool KeyPressQueue::Take(KeyPress& press) {
    if (presses_.empty()) return false;
    press = presses_.front();
    presses_.pop_front();
    return true;
}

bool ShiftDown(const KeyStates& keys) {
    return IsDown(keys[kLeftShift]) || IsDown(keys[kRightShift]);
}

void AddPressesBetween(const KeyStates& before, const KeyStates& after, KeyPressQueue& presses) {
    const bool shift = ShiftDown(after);
    for (std::size_t code = 1; code < after.size(); ++code) {
        if (IsDown(after[code]) && !IsDown(before[code]))
            presses.Add({static_cast<std::uint8_t>(code), shift});
    }
}

void LatchedKeys::Set(std::uint8_t code, bool down) {
    if (down && !IsDown(down_[code])) {
        pressed_[code] = kKeyPressed;
        presses_.Add({code, ShiftDown(down_)});
    }
    down_[code] = down ? kKeyDown : 0;
}

KeyStates LatchedKeys::Read() {
    KeyStates keys;
    for (std::size_t code = 0; code < keys.size(); ++code)
        keys[code] = pressed_[code] != 0 ? kKeyDown | kKeyPressed : down_[code];
    pressed_.fill(0);
    return keys;
}

void LatchedButtons::Set(Button button, bool down) {
    if (down && !down_[button]) pressed_[button] = true;
    down_[button] = down;
}

void LatchedButtons::Read(MouseReading& reading) {
    reading.left = down_[kLeft] || pressed_[kLeft];
    reading.right = down_[kRight] || pressed_[kRight];
    reading.middle = down_[kMiddle] || pressed_[kMiddle];
    pressed_.fill(false);
}
