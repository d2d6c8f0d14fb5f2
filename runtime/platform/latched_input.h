// The keyboard and the mouse buttons between two readings. A reading gives
// what is down now and also what went down since the previous reading, so that
// a tap or a click that begins and ends between two readings is read once; the
// key presses are also kept in their order, for the characters they type.
#pragma once

#include <array>
#include <cstddef>
#include <deque>

#include "platform/input_source.h"

// Key presses in the order they came. At most kLimit wait; later presses are
// dropped until some are taken.
class KeyPressQueue {
public:
    static constexpr std::size_t kLimit = 64;
    void Add(KeyPress press);
    bool Take(KeyPress& press);
    std::size_t Size() const { return presses_.size(); }

private:
    std::deque<KeyPress> presses_;
};

// Whether either Shift key is down in the table.
bool ShiftDown(const KeyStates& keys);

// Queues a press for every key down in `after` but not in `before`, in the
// order of their codes, with the Shift keys of `after`.
void AddPressesBetween(const KeyStates& before, const KeyStates& after, KeyPressQueue& presses);

class LatchedKeys {
public:
    void Set(std::uint8_t code, bool down);
    void ReleaseAll() { down_.fill(0); }
    // Every key down now or since the previous reading; those that went down
    // since then carry kKeyPressed as well.
    KeyStates Read();
    bool TakePress(KeyPress& press) { return presses_.Take(press); }

private:
    KeyStates down_{};
    KeyStates pressed_{};  // went down since the previous reading
    KeyPressQueue presses_;
};

class LatchedButtons {
public:
    enum Button { kLeft, kRight, kMiddle };
    void Set(Button button, bool down);
    // Fills the reading's buttons: each down now or pressed since the previous reading.
    void Read(MouseReading& reading);

private:
    std::array<bool, 3> down_{};
    std::array<bool, 3> pressed_{};
};
