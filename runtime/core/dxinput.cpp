#include "core/dxinput.h"

#include <algorithm>
#include <cstring>

#include "core/error_log.h"

DXInput* pDXin = nullptr;

namespace {

constexpr std::uint8_t kLeftShift = 0x2A;
constexpr std::uint8_t kRightShift = 0x36;

}  // namespace

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
    char c = 0;
    for (int code = 0; code < 255 && c == 0; ++code) {
        if (IsKeyDown(static_cast<std::uint8_t>(code))) c = Scan2Ascii(static_cast<std::uint8_t>(code));
    }
    if ((IsKeyDown(kLeftShift) || IsKeyDown(kRightShift)) && c >= 'a' && c <= 'z')
        c = static_cast<char>(c - 32);
    // A key held down is reported on the first poll that sees it only.
    if (c == last_char_) return 0;
    last_char_ = c;
    return c;
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
