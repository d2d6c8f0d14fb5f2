// Translation between SDL's scancodes and the runtime's key codes: the PC set-1
// scan codes, with 0x80 added for the extended keys.
#pragma once

#include <SDL_scancode.h>

#include <cstdint>

// The key code of a scancode; 0 for keys without one.
std::uint8_t KeyCodeOfScancode(SDL_Scancode scancode);
// The scancode of a key code; SDL_SCANCODE_UNKNOWN for codes without a key.
SDL_Scancode ScancodeOfKeyCode(std::uint8_t code);
