#include "media/music.h"

#include <memory>
#include <string>

#include "core/error_log.h"
#include "core/program_end.h"
#include "files/name_resolution.h"
#include "media/mixer_library.h"
#include "media/sound_device.h"
#include "media/video_commands.h"

namespace {

struct MusicDeleter {
    void operator()(Mix_Music* music) const {
        Mixer()->Mix_HaltMusic();
        Mixer()->Mix_FreeMusic(music);
    }
};

std::unique_ptr<Mix_Music, MusicDeleter>& CurrentMusic() {
    static std::unique_ptr<Mix_Music, MusicDeleter> music;
    return music;
}

double CannotPlay(const DynStr& file) {
    WriteErrorLog(("PLAYMUSIC cannot play " + std::string(file.c_str()) + ": " + Mix_GetError()).c_str());
    return kErrorFile;
}

}  // namespace

double PLAYMUSIC(DynStr file) {
    STOPMUSIC();
    const std::string path = ResolveFileName(file.c_str(), g_ShoeBox_Media);
    if (path.empty()) return kErrorFile;
    if (pDXsnd == nullptr || !pDXsnd->IsOpen()) return 0;
    std::unique_ptr<Mix_Music, MusicDeleter> music(Mixer()->Mix_LoadMUS(path.c_str()));
    if (!music || Mixer()->Mix_PlayMusic(music.get(), 0) != 0) return CannotPlay(file);
    CurrentMusic() = std::move(music);
    return 0;
}

void STOPMUSIC() {
    CurrentMusic().reset();
    StopVideo();
}

void LoopMusic() {
    if (CurrentMusic() && Mixer()->Mix_PlayingMusic() == 0) Mixer()->Mix_PlayMusic(CurrentMusic().get(), 0);
}
