#include "gfx2d/bitmap_commands.h"

#include <GL/gl.h>

#include <string>

#include "core/program_end.h"
#include "core/whole_number.h"
#include "files/name_resolution.h"
#include "gfx2d/opengl_prism.h"

namespace {

void LoadSpriteFile(const DynStr& file, double n, bool normal_map) {
    const std::string path = ResolveFileName(file.c_str());
    if (path.empty()) return;
    pPrism->LoadSprite(TruncToInt32(n), path.c_str(), OpenGLPrism::kSpriteKey, normal_map);
}

}  // namespace

void LOADSPRITE(DynStr file, double n) {
    LoadSpriteFile(file, n, false);
}

void LOADBUMPTEXTURE(DynStr file, double n) {
    LoadSpriteFile(file, n, true);
}

void LOADBMP(DynStr file) {
    const std::string path = ResolveFileName(file.c_str());
    if (path.empty()) return;
    if (!pPrism->LoadSurface(0, path.c_str())) FatalError(kErrorFile);
    pPrism->PasteSurface(0);
}

void USEASBMP() {
    pPrism->GrabSurface(0);
}

void BLACKSCREEN() {
    pPrism->FinishBatch();  // cleared away with the rest of the picture
    glClear(GL_COLOR_BUFFER_BIT);
    pPrism->FreeSurface(0);
}

void SAVEBMP(DynStr file) {
    pPrism->SaveBMPFile(file.c_str());
}
