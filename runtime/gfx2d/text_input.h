// The line editor of the INPUT command.
#pragma once

#include "core/dynstr.h"

// Edits text at the end, shown at (x, y) over the current picture with a
// blinking cursor, taking the characters typed since the previous frame at
// each frame, until Enter is pressed. Backspace removes the last character.
void INPUT(DynStr& text, double x, double y);
// As above on an empty text; the typed text is then read as a number.
void INPUT(double& value, double x, double y);
