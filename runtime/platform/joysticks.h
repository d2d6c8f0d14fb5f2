// The joysticks attached at start, read through SDL into the joystick record.
#pragma once

#include <SDL_joystick.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/input_source.h"

class Joysticks {
public:
    // Opens the attached joysticks, at most kMaxJoysticks.
    void OpenAttached();
    int Count() const { return static_cast<int>(devices_.size()); }
    bool Read(int n, JoystickRecord& record) const;
    std::string Name(int n) const;

private:
    struct Device {
        std::unique_ptr<SDL_Joystick, void (*)(SDL_Joystick*)> handle;
        std::string name;
    };
    std::vector<Device> devices_;
};

// The record values of one SDL axis, hat and button (exposed for tests).
std::int32_t CentredAxisValue(Sint16 axis);  // -1, 0 or 1 beyond a dead zone of half the travel
std::int32_t RangeAxisValue(Sint16 axis);    // 0 to 65535
std::uint32_t PointOfView(Uint8 hat);        // hundredths of a degree, 0xFFFFFFFF centred
