// Recording and replaying a run, as the environment asks at start-up:
//   MORVANE_RECORD=file        records every frame's input and time to the file
//   MORVANE_REPLAY=file        plays such a file back instead of the devices, and
//                              ends the program (as Esc does) where the file ends
//   MORVANE_REPLAY_SPEED=s     a replay at s times the recorded pace (default 1);
//                              0 runs it as fast as the program goes
// Both files may be named: the replay is then recorded again.
#pragma once

// Puts the recording or replay in place, before start-up first reads the
// clock. A recording that cannot be created is logged and the run goes on
// without it; a replay that cannot be read is logged and ends the program.
void StartRecordingOrReplay();
