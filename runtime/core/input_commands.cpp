#include "core/input_commands.h"

#include <optional>

#include "core/dxinput.h"
#include "core/program_end.h"
#include "core/whole_number.h"
#include "platform/clock.h"
#include "platform/events.h"

namespace {

constexpr std::uint8_t kEscape = 1;
// How long the waiting commands rest between two polls.
constexpr double kPollPause = 1.0;

std::uint8_t KeyCode(double code) {
    return static_cast<std::uint8_t>(TruncToInt32(code));
}

// The record of joystick n, or nothing when no joystick has that number.
std::optional<JoystickRecord> Joystick(double n) {
    const int number = static_cast<signed char>(TruncToInt32(n));
    if (number < 0 || number >= pDXin->GetNumJoysticks()) return std::nullopt;
    JoystickRecord record;
    if (!pDXin->GetJoystickData(record, static_cast<signed char>(number))) return std::nullopt;
    return record;
}

// A value read from joystick n; 0 when no joystick has that number.
template <class Read>
double FromJoystick(double n, Read read) {
    const std::optional<JoystickRecord> joystick = Joystick(n);
    return joystick ? static_cast<double>(read(*joystick)) : 0;
}

bool AnyButtonDown() {
    return pDXin->AnyMouse();
}

}  // namespace

double KEY(double code) {
    pDXin->GetKeyboardStatus();
    return pDXin->IsKeyDown(KeyCode(code)) ? 1 : 0;
}

DynStr INKEY_Str() {
    const char text[2] = {pDXin->GetKeyChar(), '\0'};
    return DynStr(text);
}

double KEYWAIT() {
    while (!pDXin->AnyKey()) {
        DispatchWindowEvents();
        TheClock().Sleep(kPollPause);
    }
    while (pDXin->AnyKey())
        TheClock().Sleep(kPollPause);
    return 0;
}

double MOUSEWAIT() {
    while (AnyButtonDown())
        TheClock().Sleep(kPollPause);
    while (!AnyButtonDown()) {
        pDXin->GetKeyboardStatus();
        if (pDXin->IsKeyDown(kEscape)) RunProgramEnd();
        TheClock().Sleep(kPollPause);
    }
    return 0;
}

void JOYSTATE(double& x, double& y, double& b1, double& b2) {
    const JoystickRecord joystick = Joystick(0).value_or(JoystickRecord{});
    x = joystick.x;
    y = joystick.y;
    b1 = joystick.buttons[0];
    b2 = joystick.buttons[1];
}

double GETJOYX(double n) {
    return FromJoystick(n, [](const JoystickRecord& j) { return j.x; });
}
double GETJOYY(double n) {
    return FromJoystick(n, [](const JoystickRecord& j) { return j.y; });
}
double GETJOYZ(double n) {
    return FromJoystick(n, [](const JoystickRecord& j) { return j.z; });
}

double GETDIGIX(double n) {
    return FromJoystick(n, [](const JoystickRecord& j) {
        return j.pov[0] == 9000 ? 1 : j.pov[0] == 27000 ? -1 : 0;
    });
}

double GETDIGIY(double n) {
    return FromJoystick(n, [](const JoystickRecord& j) {
        return j.pov[0] == 0 ? -1 : j.pov[0] == 18000 ? 1 : 0;
    });
}

double GETJOYBUTTON(double n, double b) {
    if (!(b >= 0 && b < 32)) return 0;
    return FromJoystick(n, [b](const JoystickRecord& j) { return j.buttons[static_cast<int>(b)]; });
}

double GETNUMJOYSTICKS() {
    return pDXin->GetNumJoysticks();
}

DynStr GETJOYNAME_Str(double n) {
    return DynStr(pDXin->GetJoyName(TruncToInt32(n)).c_str());
}
