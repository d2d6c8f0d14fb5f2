#include "core/dxinput.h"

#include <algorithm>
#include <cstring>

#include "core/error_log.h"

DXInput* pDXin = nullptr;

DXInput::~DXInput() {
    if (opened_) TheInput().Close();
}

std::uint32_t DXInput::CreateDInput(bool want_mouse) {
    const InputOpenResult result = TheInput().Open(want_mouse);
    opened_ = true;
    if (!result.ready) {
        WriteErrorLog("No DX_Input");
        return kNoInput;
    }
    joystick_count_ = std::min(TheInput().JoystickCount(), kMaxJoysticks);
    return kOpened;
}

void DXInput::GetKeyboardStatus() {
    TheInput().ReadKeys(keys_);
    presses_.KeepPresses(keys_);
    for (KeyPress press; TheInput().TakeKeyPress(press);)
        presses_.KeepForCharacters(press);
}

bool DXInput::IsKeyDown(std::uint8_t code) {
    const bool pressed = presses_.TakePress(code);
    return (keys_[code] & kKeyDown) != 0 || pressed;
}

char DXInput::Scan2Ascii(std::uint8_t code) const {
    switch (code) {
        case 0x1C:  // Enter
        case 0x9C:  // keypad Enter
            return 10;
        case 0x0E:  // Backspace
            return 8;
        case 0x1D:  // left Ctrl
        case 0x2A:  // left Shift
        case 0x36:  // right Shift
        case 0x38:  // left Alt
        case 0x3A:  // Caps Lock
        case 0x45:  // Num Lock
        case 0xDD:  // menu key
            return 0;
        default:
            break;
    }
    const char c = LayoutCharacter(code);
    return c >= 32 || c == 8 || c == 10 ? c : 0;
}

char DXInput::GetKeyChar() {
    GetKeyboardStatus();
    for (KeyPress press; presses_.TakeCharacterPress(press);) {
        const char c = Scan2Ascii(press.code);
        if (c == 0) continue;
        return press.shift && c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
    }
    return 0;
}

bool DXInput::GetMouseData(MouseReading& reading) {
    reading = TheInput().ReadMouse();
    return true;
}

bool DXInput::AnyMouse() {
    MouseReading reading;
    GetMouseData(reading);
    return reading.left || reading.right || reading.middle;
}

bool DXInput::GetJoystickData(JoystickRecord& record, signed char n) {
    if (n >= 0 && n < joystick_count_ && TheInput().ReadJoystick(n, record)) return true;
    if (n > 1) return false;
    std::memset(&record, 0, sizeof record);
    return true;
}

std::string DXInput::GetJoyName(int n) const {
    if (n < 0 || n >= joystick_count_) return {};
    return TheInput().JoystickName(n);
}
