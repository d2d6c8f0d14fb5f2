#include "platform/joysticks.h"

#include <SDL_gamecontroller.h>

#include <cstring>

namespace {

// "instance, product" where the controller database knows a product name that
// differs from the device's own name; else the device's name alone.
std::string NameOf(int index, SDL_Joystick* joystick) {
    const char* own = SDL_JoystickName(joystick);
    std::string name = own != nullptr ? own : "";
    const char* product = SDL_IsGameController(index) ? SDL_GameControllerNameForIndex(index) : nullptr;
    if (product != nullptr && name != product) name += std::string(name.empty() ? "" : ", ") + product;
    return name;
}

}  // namespace

void Joysticks::OpenAttached() {
    devices_.clear();
    const int attached = SDL_NumJoysticks();
    for (int index = 0; index < attached && Count() < kMaxJoysticks; ++index) {
        SDL_Joystick* joystick = SDL_JoystickOpen(index);
        if (joystick == nullptr) continue;
        devices_.push_back({{joystick, &SDL_JoystickClose}, NameOf(index, joystick)});
    }
}

std::int32_t CentredAxisValue(Sint16 axis) {
    if (axis <= -16384) return -1;
    if (axis >= 16384) return 1;
    return 0;
}

std::int32_t RangeAxisValue(Sint16 axis) {
    return static_cast<std::int32_t>(axis) + 32768;
}

std::uint32_t PointOfView(Uint8 hat) {
    switch (hat) {
        case SDL_HAT_UP:
            return 0;
        case SDL_HAT_RIGHTUP:
            return 4500;
        case SDL_HAT_RIGHT:
            return 9000;
        case SDL_HAT_RIGHTDOWN:
            return 13500;
        case SDL_HAT_DOWN:
            return 18000;
        case SDL_HAT_LEFTDOWN:
            return 22500;
        case SDL_HAT_LEFT:
            return 27000;
        case SDL_HAT_LEFTUP:
            return 31500;
        default:
            return 0xFFFFFFFFu;
    }
}

bool Joysticks::Read(int n, JoystickRecord& record) const {
    if (n < 0 || n >= Count()) return false;
    SDL_Joystick* joystick = devices_[static_cast<std::size_t>(n)].handle.get();
    SDL_JoystickUpdate();
    std::memset(&record, 0, sizeof record);
    const int axes = SDL_JoystickNumAxes(joystick);
    auto axis = [&](int i) { return i < axes ? SDL_JoystickGetAxis(joystick, i) : Sint16{0}; };
    record.x = CentredAxisValue(axis(0));
    record.y = CentredAxisValue(axis(1));
    std::int32_t* ranged[] = {&record.z,  &record.rx,         &record.ry,
                              &record.rz, &record.sliders[0], &record.sliders[1]};
    for (int i = 0; i < 6; ++i)
        *ranged[i] = i + 2 < axes ? RangeAxisValue(axis(i + 2)) : 0;
    const int hats = SDL_JoystickNumHats(joystick);
    for (int i = 0; i < 4; ++i)
        record.pov[i] = i < hats ? PointOfView(SDL_JoystickGetHat(joystick, i)) : 0xFFFFFFFFu;
    const int buttons = SDL_JoystickNumButtons(joystick);
    for (int i = 0; i < 32 && i < buttons; ++i)
        record.buttons[i] = SDL_JoystickGetButton(joystick, i) ? 0x80 : 0;
    return true;
}

std::string Joysticks::Name(int n) const {
    if (n < 0 || n >= Count()) return {};
    return devices_[static_cast<std::size_t>(n)].name;
}
