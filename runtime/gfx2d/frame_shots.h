// Screenshots of chosen frames, for demonstrations and headless runs: with
// MORVANE_SHOTS naming a folder and MORVANE_SHOT_FRAMES a comma-separated list
// of frame numbers (counted from 1), the frame step writes each of those frames
// as frame-<number>.bmp into the folder just before presenting it.
#pragma once

// Called by the frame step with the number of the frame about to be presented.
void SaveChosenFrame(long frame);
