#include "files/dialog_window.h"

#include "platform/window.h"

void HideWindowForDialog() {
    if (__hWnd != nullptr) __hWnd->HideForDialog();
}

void RestoreWindowAfterDialog() {
    if (__hWnd != nullptr) __hWnd->ShowAfterDialog();
}
