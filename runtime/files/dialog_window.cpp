#include "files/dialog_window.h"

#include "core/startup_settings.h"
#include "gfx2d/opengl_prism.h"

void HideWindowForDialog() {
    if (pPrism != nullptr && pPrism->IsActive()) pPrism->HideWindow();
}

void RestoreWindowAfterDialog() {
    if (pPrism == nullptr || !pPrism->IsActive()) return;
    if (__QV_FULLSCREEN != 0) {
        pPrism->DoFullscreen();
    } else {
        pPrism->DoWindowed();
    }
}
