// The runtime's own font sheet, compiled into the library: font 0 of a
// program that has no "Smalfont.bmp" of its own. The build draws it (the
// same sheet it ships beside the programs) and turns the bitmap into bytes.
#pragma once

#include <cstdint>
#include <span>

// The bytes of the sheet's bitmap file.
std::span<const std::uint8_t> BuiltInFontBitmap();
