#include "gfx2d/text_commands.h"

#include <algorithm>
#include <string>

#include "core/number_text.h"
#include "core/program_end.h"
#include "core/whole_number.h"
#include "files/name_resolution.h"
#include "gfx2d/opengl_prism.h"

std::int32_t __nCurFont = 0;

namespace {

void SelectFont(double n) {
    __nCurFont = std::clamp(TruncToInt32(n), 0, OpenGLPrism::kFonts - 1);
}

}  // namespace

void LOADFONT(DynStr file, double n) {
    SelectFont(n);
    const std::string path = ResolveFileName(file.c_str());
    if (path.empty()) return;
    if (!pPrism->LoadFont(static_cast<unsigned>(__nCurFont), path.c_str())) FatalError(kErrorFile);
}

void SETFONT(double n) {
    SelectFont(n);
}

void PRINT(DynStr text, double x, double y) {
    pPrism->DrawTextA(static_cast<std::int16_t>(__nCurFont), text.c_str(), TruncToInt16(x), TruncToInt16(y));
}

void PRINT(double number, double x, double y) {
    PRINT(DynStr(NumberText(number).c_str()), x, y);
}

void GETFONTSIZE(double& width, double& height) {
    int image_width, image_height;
    pPrism->GetFontSize(__nCurFont, image_width, image_height);
    width = image_width / 16;
    height = image_height / 8;
}
