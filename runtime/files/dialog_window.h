// The program's window around a dialog shown by another program: hidden while
// the dialog is up, then brought back in the mode it had (windowed or full
// screen), so the dialog is never covered by a full-screen window.
#pragma once

void HideWindowForDialog();
void RestoreWindowAfterDialog();

// Runs the dialog (a callable) with the window hidden and gives its result.
template <class Dialog>
auto RunWithWindowHidden(Dialog&& run_dialog) {
    HideWindowForDialog();
    auto result = run_dialog();
    RestoreWindowAfterDialog();
    return result;
}
