// What the input object keeps of key presses between its refreshes. A program
// reads the keyboard from several places in a frame (KEY, INKEY_Str, the Esc
// test of SHOWSCREEN), and each refresh reads only what happened since the one
// before; a press that one refresh saw is therefore kept for the others:
// - for the key tests, until a test of that key reports it;
// - for the characters, in the order of the presses, until they are taken.
// A press that nobody asks for within a whole frame after it was read is
// forgotten, so that a key pressed long ago is not reported late.
#pragma once

#include <array>
#include <cstdint>

#include "platform/input_source.h"
#include "platform/latched_input.h"

class KeyPressMemory {
public:
    // Keeps the presses of a refreshed key table (the keys marked kKeyPressed).
    void KeepPresses(const KeyStates& keys);
    // Whether key `code` was pressed since a test of it last reported a press; the press is then reported.
    bool TakePress(std::uint8_t code);

    void KeepForCharacters(KeyPress press) { characters_.Add(press); }
    // The oldest press kept for the characters; false when there is none.
    bool TakeCharacterPress(KeyPress& press);

    // A frame has been presented: presses kept through the whole frame before
    // it without being asked for are forgotten.
    void EndFrame();

private:
    enum Age : std::uint8_t { kNone, kReadLastFrame, kReadThisFrame };
    std::array<Age, 256> unreported_{};
    KeyPressQueue characters_;
    std::size_t characters_from_last_frame_ = 0;  // the oldest ones, read before the last frame ended
    bool characters_asked_ = false;               // since the last frame ended
};
