// SDL_mixer, opened when the sound device opens (on its own thread) rather
// than linked: the library and the decoders it brings (fluidsynth with GLib,
// JACK, libsndfile and more) would otherwise be loaded and started before
// every program's first frame.
#pragma once

#include <SDL_mixer.h>

// Every SDL_mixer function the runtime calls.
// clang-format off
#define MORVANE_MIXER_FUNCTIONS(X)                                                        \
    X(Mix_Init) X(Mix_Quit) X(Mix_OpenAudioDevice) X(Mix_CloseAudio) X(Mix_QuerySpec)    \
    X(Mix_AllocateChannels) X(Mix_SetPostMix) X(Mix_RegisterEffect)                       \
    X(Mix_UnregisterAllEffects) X(Mix_PlayChannel) X(Mix_Playing) X(Mix_HaltChannel)      \
    X(Mix_QuickLoad_RAW) X(Mix_LoadWAV_RW) X(Mix_FreeChunk) X(Mix_LoadMUS)                \
    X(Mix_LoadMUS_RW) X(Mix_MusicDuration) X(Mix_FreeMusic) X(Mix_PlayMusic)              \
    X(Mix_HaltMusic) X(Mix_PlayingMusic)
// clang-format on

struct MixerLibrary {
#define MORVANE_MIXER_MEMBER(name) decltype(&::name) name;
    MORVANE_MIXER_FUNCTIONS(MORVANE_MIXER_MEMBER)
#undef MORVANE_MIXER_MEMBER
};

// The library's functions, opening it at the first call. Null when it cannot
// be opened or lacks one of them; that is written to the error log once and
// not tried again. The library's file name is "libSDL2_mixer-2.0.so.0", or the
// value of MORVANE_MIXER_LIBRARY when that is set.
const MixerLibrary* Mixer();
