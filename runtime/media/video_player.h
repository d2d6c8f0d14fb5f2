// One video played by libmpv (opened at the first video) into the runtime's own OpenGL context: mpv
// decodes and times the frames and plays the sound; the frames are drawn into
// a framebuffer the caller owns.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>

struct mpv_handle;
struct mpv_render_context;
struct MpvLibrary;

class VideoPlayer {
public:
    VideoPlayer() = default;
    ~VideoPlayer() { Close(); }
    VideoPlayer(const VideoPlayer&) = delete;
    VideoPlayer& operator=(const VideoPlayer&) = delete;

    // Loads the file, paused at its start; looped without end when `loop`,
    // its sound sent nowhere when `silent`. Needs the OpenGL context current.
    // False when the player cannot start or the file cannot be played.
    bool Open(const std::string& path, bool loop, bool silent);
    void Start();
    // Ends playback and frees the player; safe to call twice.
    void Close();

    // Sleeps until a frame or an event is due, or the time is up.
    void WaitForWork(std::chrono::microseconds most);
    // Takes the player's events; false once the file has played to its end or failed.
    bool HandleEvents();
    // Whether a new frame is due to be drawn.
    bool FrameDue();
    // Draws the current frame into the framebuffer (flipped for a window's rows).
    void DrawFrame(unsigned framebuffer, int width, int height);
    // Tells the player that the drawn frame is now on screen.
    void ReportPresented();

    // The video's size as it should be shown; 0 before the first frame is known.
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Seconds from the start of the file to the frame on show.
    double Position();
    // Whether the video's sound goes to an audio output.
    bool SoundPlays();

private:
    static void Wake(void* self);
    bool WaitUntilLoaded();
    void ReadVideoSize();

    const MpvLibrary* lib_ = nullptr;
    mpv_handle* mpv_ = nullptr;
    mpv_render_context* render_ = nullptr;
    bool ended_ = false;
    int width_ = 0;
    int height_ = 0;
    double position_ = 0;

    std::mutex mutex_;
    std::condition_variable woken_;
    bool work_ = false;
};
