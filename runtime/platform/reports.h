// What the platform layer reports to the runtime above it, which it does not
// know: start-up installs where each report goes.
#pragma once

// A message for the program's error log (a recording that stops, a replay that
// cannot be read). Until a writer is installed, messages go to the standard error.
using MessageWriter = void (*)(const char* message);
void SetMessageWriter(MessageWriter writer);
void ReportMessage(const char* message);

// Why the platform asks the program to end.
enum class EndRequest {
    kClose,        // the close button, Alt+F4 from the window manager
    kReplayEnded,  // a replay has no further frame (or none at all), as if Esc were pressed
    kSignal,       // SIGTERM, SIGINT or SIGHUP (platform/end_signals.h)
    kDisplayLost,  // the display has gone (platform/display_loss.h)
};
// Ends the program for the request; must not return. Until start-up installs
// the runtime's end, the process exits with code 0.
using EndRequestHandler = void (*)(EndRequest request);
void SetEndRequestHandler(EndRequestHandler handler);
[[noreturn]] void RequestProgramEnd(EndRequest request);
