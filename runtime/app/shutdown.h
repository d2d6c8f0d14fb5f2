// The runtime's orderly end, and the ends that start-up installs below it.
#pragma once

// The one way out: writes the end record to the error log when __QV_DEBUG is
// set, deletes the runtime's objects (which stops the devices) and exits with
// code 0, so that static clean-up runs.
[[noreturn]] void EndProgram();

// Makes EndProgram the end of every layer below: FatalError and END, the
// window's close request, the end of a replay, an end signal (SIGTERM, SIGINT,
// SIGHUP) and the loss of the display; and sends the platform's messages to
// the error log.
void InstallProgramEnd();
