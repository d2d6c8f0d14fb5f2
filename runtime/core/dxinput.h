// DXInput: the keyboard, mouse and joysticks as the input commands see them.
// Every query polls the current state; there is no event queue.
#pragma once

#include <cstdint>
#include <string>

#include "platform/input_source.h"

class DXInput {
public:
    // What CreateDInput reports.
    static constexpr std::uint32_t kOpened = 1;
    static constexpr std::uint32_t kNoInput = 0x8000000A;

    DXInput() = default;
    ~DXInput();
    DXInput(const DXInput&) = delete;
    DXInput& operator=(const DXInput&) = delete;

    // Opens the devices (the mouse only when wanted) and finds the joysticks.
    std::uint32_t CreateDInput(bool want_mouse);

    // Refreshes the key state.
    void GetKeyboardStatus();
    // Whether key `code` was down at the last refresh.
    bool IsKeyDown(std::uint8_t code) const { return (keys_[code] & kKeyDown) != 0; }
    // The character of a newly pressed key, or 0; a key held down is reported once.
    char GetKeyChar();
    // The character key `code` gives, or 0: Enter gives 10, Backspace 8.
    char Scan2Ascii(std::uint8_t code) const;
    bool AnyKey() { return GetKeyChar() != 0; }

    // Movement since the last read and the buttons; true when data was read.
    bool GetMouseData(MouseReading& reading);
    bool AnyMouse();

    // Fills the record of joystick n. Numbers without a joystick read as all
    // zero for 0 and 1 and return false above.
    bool GetJoystickData(JoystickRecord& record, signed char n);
    // The name of joystick n, empty when there is none.
    std::string GetJoyName(int n) const;
    int GetNumJoysticks() const { return joystick_count_; }

private:
    KeyStates keys_{};
    char last_char_ = 0;
    int joystick_count_ = 0;
    bool opened_ = false;
};

// The input devices, created by start-up.
extern DXInput* pDXin;
