// Full-window video: PLAYMOVIE and LOOPMOVIE play a file found on disk or in
// the media container, drawn into the program's window (scaled to fit,
// centred, black around it) with its sound, and return when it ends.
#pragma once

#include <functional>

#include "core/dynstr.h"
#include "media/video_fit.h"

// Plays the video once; a key or mouse button pressed during it ends it. A
// key held when it is called does not. 0 when it played; 3 when the file is
// not found or cannot be played.
double PLAYMOVIE(DynStr file);
// Plays the video over and over until a key or mouse button is pressed.
double LOOPMOVIE(DynStr file);
// The worker of both; loop is 0 or 1.
double PlayVideo(DynStr file, int loop);
// Ends a video that is playing (when the program ends during it).
void StopVideo();

// What was drawn for one frame of a video, told while the frame is in the
// window's back buffer, before it is presented.
struct VideoFrameShown {
    long frame = 0;       // counted from 1 in each video
    double position = 0;  // seconds from the start of the file
    VideoRect picture;    // where the video lies in the window
    bool sound = false;   // the video's sound goes to an audio output
};
using VideoFrameWatcher = std::function<void(const VideoFrameShown&)>;
// Calls the watcher for every video frame drawn from now on; an empty one stops that.
void WatchVideoFrames(VideoFrameWatcher watcher);
