#include "core/key_press_memory.h"

void KeyPressMemory::KeepPresses(const KeyStates& keys) {
    for (std::size_t code = 0; code < keys.size(); ++code) {
        if ((keys[code] & kKeyPressed) != 0) unreported_[code] = kReadThisFrame;
    }
}

bool KeyPressMemory::TakePress(std::uint8_t code) {
    const bool pressed = unreported_[code] != kNone;
    unreported_[code] = kNone;
    return pressed;
}

bool KeyPressMemory::TakeCharacterPress(KeyPress& press) {
    characters_asked_ = true;
    if (!characters_.Take(press)) return false;
    if (characters_from_last_frame_ > 0) --characters_from_last_frame_;
    return true;
}

void KeyPressMemory::EndFrame() {
    for (Age& age : unreported_)
        age = age == kReadThisFrame ? kReadLastFrame : kNone;
    if (!characters_asked_) {
        KeyPress forgotten;
        for (; characters_from_last_frame_ > 0; --characters_from_last_frame_)
            characters_.Take(forgotten);
    }
    characters_from_last_frame_ = characters_.Size();
    characters_asked_ = false;
}
