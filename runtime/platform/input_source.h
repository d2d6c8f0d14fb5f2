// The input devices behind a seam: the real keyboard, mouse and joysticks by
// default; scripted input for tests, demos and replays. The input commands read
// whichever source is in use and never know which it is.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

// Key codes are the PC set-1 scan codes, extended keys with 0x80 added.
// Bit 7 set: the key is down, or went down since the previous reading (a tap
// shorter than the time between two readings is read once). Bit 0 set: it went
// down since the previous reading.
using KeyStates = std::array<std::uint8_t, 256>;
inline constexpr std::uint8_t kKeyDown = 0x80;
inline constexpr std::uint8_t kKeyPressed = 0x01;

// A key that went down, and whether a Shift key was down with it.
struct KeyPress {
    std::uint8_t code = 0;
    bool shift = false;
    bool operator==(const KeyPress&) const = default;
};

// Mouse movement since the previous reading, and the buttons: each down now,
// or pressed since the previous reading.
struct MouseReading {
    std::int16_t dx = 0;
    std::int16_t dy = 0;
    bool left = false;
    bool right = false;
    bool middle = false;
    bool operator==(const MouseReading&) const = default;
};

// The 80-byte joystick record: axes, sliders, point-of-view hats in
// hundredths of a degree (0xFFFFFFFF when centred), and button bytes (0x80
// while pressed). The x and y axes range from -1 to 1 with a dead zone of half
// the travel; the other axes and the sliders from 0 to 65535.
struct JoystickRecord {
    std::int32_t x, y, z;
    std::int32_t rx, ry, rz;
    std::int32_t sliders[2];
    std::uint32_t pov[4];
    std::uint8_t buttons[32];
};
static_assert(sizeof(JoystickRecord) == 80);

inline constexpr int kMaxJoysticks = 10;

// What opening the devices found.
struct InputOpenResult {
    bool ready = true;           // the input system could be started
    bool mouse_captured = true;  // the mouse moves relatively, captured by the window
};

class InputSource {
public:
    virtual ~InputSource() = default;
    // Opens the devices; want_mouse false leaves the mouse alone.
    virtual InputOpenResult Open(bool want_mouse) = 0;
    virtual void ReadKeys(KeyStates& keys) = 0;
    // The oldest key press not yet taken; false when there is none. Presses
    // come in the order the keys went down, each once.
    virtual bool TakeKeyPress(KeyPress& press) = 0;
    // Movement since the previous call, and the buttons.
    virtual MouseReading ReadMouse() = 0;
    virtual int JoystickCount() = 0;
    // Fills the record of joystick n; false when there is no such joystick.
    virtual bool ReadJoystick(int n, JoystickRecord& record) = 0;
    virtual std::string JoystickName(int n) = 0;
    // Releases the devices.
    virtual void Close() {}
    // A frame was presented: sources that replay input move to the next frame.
    virtual void OnFrame() {}
};

// The source every input command reads.
InputSource& TheInput();
void UseInputSource(std::unique_ptr<InputSource> source);
// The real devices.
std::unique_ptr<InputSource> MakeDeviceInput();

// The character the keyboard layout gives key `code` without modifiers
// (letters in lower case), or 0.
char LayoutCharacter(std::uint8_t code);
