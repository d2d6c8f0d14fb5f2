#include "platform/device_state.h"

#include "platform/key_codes.h"

DeviceState& TheDeviceState() {
    static DeviceState state;
    return state;
}

namespace {

void ApplyButton(DeviceState& state, Uint8 button, bool down) {
    if (button == SDL_BUTTON_LEFT) state.buttons.Set(LatchedButtons::kLeft, down);
    if (button == SDL_BUTTON_RIGHT) state.buttons.Set(LatchedButtons::kRight, down);
    if (button == SDL_BUTTON_MIDDLE) state.buttons.Set(LatchedButtons::kMiddle, down);
}

}  // namespace

void ApplyDeviceEvent(const SDL_Event& event) {
    DeviceState& state = TheDeviceState();
    switch (event.type) {
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            if (const std::uint8_t code = KeyCodeOfScancode(event.key.keysym.scancode); code != 0) {
                state.keys.Set(code, event.type == SDL_KEYDOWN);
            }
            break;
        case SDL_MOUSEMOTION:
            state.mouse_dx += event.motion.xrel;
            state.mouse_dy += event.motion.yrel;
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            ApplyButton(state, event.button.button, event.type == SDL_MOUSEBUTTONDOWN);
            break;
        default:
            break;
    }
}
