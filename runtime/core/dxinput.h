// DXInput: the keyboard, mouse and joysticks as the input commands see them.
// Every query polls the devices. A key pressed since the previous poll counts
// as down even when it is up again, and the keys' presses are kept in order
// for the characters they type (core/key_press_memory.h).
#pragma once

#include <cstdint>
#include <string>

#include "core/key_press_memory.h"
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
    // Whether key `code` was down at the last refresh, or was pressed since a
    // test of it last reported a press (a tap between two refreshes).
    bool IsKeyDown(std::uint8_t code);
    // The character of the oldest key press not yet taken, or 0: each press is
    // reported once, so a key held down gives its character once.
    char GetKeyChar();
    // A frame has been presented: presses nobody asked for within a whole frame are forgotten.
    void EndFrame() { presses_.EndFrame(); }
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
    KeyPressMemory presses_;
    int joystick_count_ = 0;
    bool opened_ = false;
};

// The input devices, created by start-up.
extern DXInput* pDXin;
