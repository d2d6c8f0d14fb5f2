// The real keyboard, mouse and joysticks.
#include <SDL.h>

#include <algorithm>

#include "platform/device_state.h"
#include "platform/display_loss.h"
#include "platform/events.h"
#include "platform/joysticks.h"
#include "platform/key_codes.h"

namespace {

std::int16_t ClampToInt16(int value) {
    return static_cast<std::int16_t>(std::clamp(value, -32768, 32767));
}

class DeviceInput : public InputSource {
public:
    InputOpenResult Open(bool want_mouse) override {
        InputOpenResult result;
        result.ready = SDL_InitSubSystem(SDL_INIT_EVENTS | SDL_INIT_JOYSTICK) == 0;
        if (!result.ready) return result;
        // A captured mouse moves relatively and stays inside the window, as a
        // game steering with it expects; without capture, the cursor's own
        // movement is reported instead.
        result.mouse_captured = want_mouse && SDL_SetRelativeMouseMode(SDL_TRUE) == 0;
        joysticks_.OpenAttached();
        return result;
    }

    void ReadKeys(KeyStates& keys) override {
        TakeKeyboardEvents();
        keys = TheDeviceState().keys.Read();
    }

    bool TakeKeyPress(KeyPress& press) override { return TheDeviceState().keys.TakePress(press); }

    MouseReading ReadMouse() override {
        TakeMouseEvents();
        DeviceState& state = TheDeviceState();
        MouseReading reading{ClampToInt16(state.mouse_dx), ClampToInt16(state.mouse_dy)};
        state.buttons.Read(reading);
        state.mouse_dx = state.mouse_dy = 0;
        return reading;
    }

    void Close() override {
        joysticks_ = Joysticks();
        if (SDL_WasInit(SDL_INIT_VIDEO) != 0 && !DisplayLost()) SDL_SetRelativeMouseMode(SDL_FALSE);
        SDL_QuitSubSystem(SDL_INIT_EVENTS | SDL_INIT_JOYSTICK);
    }

    int JoystickCount() override { return joysticks_.Count(); }
    bool ReadJoystick(int n, JoystickRecord& record) override { return joysticks_.Read(n, record); }
    std::string JoystickName(int n) override { return joysticks_.Name(n); }

private:
    Joysticks joysticks_;
};

// The holder is never destroyed, so that no static clean-up at exit closes
// devices: the runtime's end closes them (DXInput) before exit.
std::unique_ptr<InputSource>& CurrentInput() {
    static auto& source = *new std::unique_ptr<InputSource>(MakeDeviceInput());
    return source;
}

}  // namespace

std::unique_ptr<InputSource> MakeDeviceInput() {
    return std::make_unique<DeviceInput>();
}

InputSource& TheInput() {
    return *CurrentInput();
}

void UseInputSource(std::unique_ptr<InputSource> source) {
    CurrentInput() = std::move(source);
}

char LayoutCharacter(std::uint8_t code) {
    const SDL_Scancode scancode = ScancodeOfKeyCode(code);
    if (scancode == SDL_SCANCODE_UNKNOWN) return 0;
    const SDL_Keycode key = SDL_GetKeyFromScancode(scancode);
    // Keys that give a character have that character as their key value.
    if (key <= 0 || key >= 128) return 0;
    return static_cast<char>(key);
}
