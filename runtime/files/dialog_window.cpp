#include "files/dialog_window.h"

// Nothing to hide or restore until the display module owns a window.
void HideWindowForDialog() {}

void RestoreWindowAfterDialog() {}
