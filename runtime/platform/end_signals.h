// The signals that ask a program to end: SIGTERM, SIGINT and SIGHUP. Their
// handler only notes the signal; the program's own thread ends the program at
// its next look at the window's events (platform/events.h), so the end runs in
// order however the signal came.
#pragma once

// Catches the end signals from now on, in place of SDL's own handling of
// them, except those the program was started to ignore; called before SDL's
// events are started.
void CatchEndSignals();
// The end signal caught, or 0 when none has come.
int CaughtEndSignal();
