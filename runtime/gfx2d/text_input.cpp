#include "gfx2d/text_input.h"

#include <cstdint>

#include "core/dxinput.h"
#include "core/whole_number.h"
#include "gfx2d/frame_commands.h"
#include "gfx2d/opengl_prism.h"
#include "gfx2d/text_commands.h"

namespace {

// The picture under the text, kept while the text is edited.
constexpr int kInputSurface = 3;
// Frames without a key between two flips of the cursor.
constexpr int kBlinkFrames = 20;

void DrawInputLine(const DynStr& text, std::int16_t x, std::int16_t y, bool cursor) {
    pPrism->PasteSurface(kInputSurface);
    DynStr line = text;
    if (cursor) line += "_";
    pPrism->DrawTextA(static_cast<std::int16_t>(__nCurFont), line.c_str(), x, y);
    SHOWSCREEN();
}

// Edits the text by one typed character; true for Enter, which ends the input.
bool ApplyCharacter(DynStr& text, char c) {
    if (c == 10) return true;
    if (c == 8) {
        if (text.Length() > 0) text.Left(text.Length() - 1);
    } else {
        const char typed[2] = {c, '\0'};
        text += typed;
    }
    return false;
}

}  // namespace

void INPUT(DynStr& text, double x, double y) {
    const std::int16_t px = TruncToInt16(x);
    const std::int16_t py = TruncToInt16(y);
    pPrism->GrabSurface(kInputSurface);
    pPrism->PasteSurface(kInputSurface);
    pPrism->DrawTextA(static_cast<std::int16_t>(__nCurFont), text.c_str(), px, py);
    SHOWSCREEN();
    int quiet_frames = 0;
    bool cursor = false;
    for (;;) {
        // Every character typed since the previous frame, so that a quick
        // typist's letters all arrive however low the frame rate.
        bool typed = false;
        for (char c = pDXin->GetKeyChar(); c != 0; c = pDXin->GetKeyChar()) {
            typed = true;
            if (ApplyCharacter(text, c)) {
                pPrism->FreeSurface(kInputSurface);
                return;
            }
        }
        if (!typed && ++quiet_frames > kBlinkFrames) {
            quiet_frames = 0;
            cursor = !cursor;
        }
        DrawInputLine(text, px, py, cursor);
    }
}

void INPUT(double& value, double x, double y) {
    DynStr text;
    INPUT(text, x, y);
    value = text.Number();
}
