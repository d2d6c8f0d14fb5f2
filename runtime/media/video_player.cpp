#include "media/video_player.h"

#include <GL/gl.h>
#include <mpv/render_gl.h>

#include <utility>

#include "media/mpv_library.h"
#include "platform/window.h"

namespace {

// Options of every video: drawn by us, not by a window of mpv's own; frames
// handed over when due rather than ahead of time; a file is played on its
// own, never as a playlist or with references followed to other files or the
// network; no user configuration, scripts or key bindings.
constexpr std::pair<const char*, const char*> kOptions[] = {
    {"vo", "libmpv"},
    {"hwdec", "no"},
    {"gpu-hwdec-interop", "no"},
    {"video-timing-offset", "0"},
    {"keepaspect", "no"},
    {"pause", "yes"},
    {"idle", "yes"},
    {"config", "no"},
    {"load-scripts", "no"},
    {"ytdl", "no"},
    {"osc", "no"},
    {"input-default-bindings", "no"},
    {"input-vo-keyboard", "no"},
    {"access-references", "no"},
    {"ordered-chapters", "no"},
    {"sub-auto", "no"},
    {"audio-file-auto", "no"},
    {"terminal", "no"},
};

void* ProcAddress(void*, const char* name) {
    return GLProcAddress(name);
}

}  // namespace

bool VideoPlayer::Open(const std::string& path, bool loop, bool silent) {
    Close();
    ended_ = false;
    width_ = height_ = 0;
    position_ = 0;
    lib_ = Mpv();
    if (lib_ == nullptr) return false;
    mpv_ = lib_->create();
    if (mpv_ == nullptr) return false;
    for (const auto& [name, value] : kOptions)
        lib_->set_option_string(mpv_, name, value);
    lib_->set_option_string(mpv_, "loop-file", loop ? "inf" : "no");
    if (silent) lib_->set_option_string(mpv_, "ao", "null");
    if (lib_->initialize(mpv_) < 0) return false;

    mpv_opengl_init_params gl_init{ProcAddress, nullptr};
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_API_TYPE, const_cast<char*>(MPV_RENDER_API_TYPE_OPENGL)},
        {MPV_RENDER_PARAM_OPENGL_INIT_PARAMS, &gl_init},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    if (lib_->render_context_create(&render_, mpv_, params) < 0) {
        render_ = nullptr;
        return false;
    }
    lib_->set_wakeup_callback(mpv_, Wake, this);
    lib_->render_context_set_update_callback(render_, Wake, this);
    const char* command[] = {"loadfile", path.c_str(), nullptr};
    return lib_->command(mpv_, command) >= 0 && WaitUntilLoaded();
}

bool VideoPlayer::WaitUntilLoaded() {
    for (;;) {
        const mpv_event* event = lib_->wait_event(mpv_, 0.1);
        switch (event->event_id) {
            case MPV_EVENT_FILE_LOADED:
                return true;
            case MPV_EVENT_END_FILE:
            case MPV_EVENT_SHUTDOWN:
                ended_ = true;
                return false;
            case MPV_EVENT_VIDEO_RECONFIG:
                ReadVideoSize();
                break;
            default:
                break;
        }
    }
}

void VideoPlayer::Start() {
    if (mpv_ != nullptr) lib_->set_property_string(mpv_, "pause", "no");
}

void VideoPlayer::Close() {
    if (render_ != nullptr) lib_->render_context_free(render_);
    render_ = nullptr;
    if (mpv_ != nullptr) lib_->terminate_destroy(mpv_);
    mpv_ = nullptr;
}

void VideoPlayer::Wake(void* self) {
    auto* player = static_cast<VideoPlayer*>(self);
    {
        const std::lock_guard<std::mutex> lock(player->mutex_);
        player->work_ = true;
    }
    player->woken_.notify_one();
}

void VideoPlayer::WaitForWork(std::chrono::microseconds most) {
    std::unique_lock<std::mutex> lock(mutex_);
    woken_.wait_for(lock, most, [this] { return work_; });
    work_ = false;
}

bool VideoPlayer::HandleEvents() {
    if (mpv_ == nullptr) return false;
    for (;;) {
        const mpv_event* event = lib_->wait_event(mpv_, 0);
        switch (event->event_id) {
            case MPV_EVENT_NONE:
                return !ended_;
            case MPV_EVENT_END_FILE:
            case MPV_EVENT_SHUTDOWN:
                ended_ = true;
                break;
            case MPV_EVENT_VIDEO_RECONFIG:
                ReadVideoSize();
                break;
            default:
                break;
        }
    }
}

void VideoPlayer::ReadVideoSize() {
    std::int64_t width = 0;
    std::int64_t height = 0;
    if (lib_->get_property(mpv_, "dwidth", MPV_FORMAT_INT64, &width) >= 0 &&
        lib_->get_property(mpv_, "dheight", MPV_FORMAT_INT64, &height) >= 0) {
        width_ = static_cast<int>(width);
        height_ = static_cast<int>(height);
    }
}

bool VideoPlayer::FrameDue() {
    return render_ != nullptr && (lib_->render_context_update(render_) & MPV_RENDER_UPDATE_FRAME) != 0;
}

void VideoPlayer::DrawFrame(unsigned framebuffer, int width, int height) {
    mpv_opengl_fbo target{static_cast<int>(framebuffer), width, height, GL_RGBA8};
    int flip = 1;
    int block = 0;  // the frame is due now: it was handed over at its time
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_OPENGL_FBO, &target},
        {MPV_RENDER_PARAM_FLIP_Y, &flip},
        {MPV_RENDER_PARAM_BLOCK_FOR_TARGET_TIME, &block},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    lib_->render_context_render(render_, params);
}

void VideoPlayer::ReportPresented() {
    if (render_ != nullptr) lib_->render_context_report_swap(render_);
}

double VideoPlayer::Position() {
    // At the very end of the file the position is no longer known; the last one known stands.
    double seconds = 0;
    if (mpv_ != nullptr && lib_->get_property(mpv_, "time-pos", MPV_FORMAT_DOUBLE, &seconds) >= 0)
        position_ = seconds;
    return position_;
}

bool VideoPlayer::SoundPlays() {
    char* output = mpv_ != nullptr ? lib_->get_property_string(mpv_, "current-ao") : nullptr;
    if (output == nullptr) return false;
    lib_->free(output);
    return true;
}
