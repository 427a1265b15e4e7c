#pragma once
#include <SDL.h>
#include <SDL_mixer.h>
#include <fluidsynth.h>

namespace spindora {

// The entry points of SDL2, SDL2_mixer and FluidSynth that the game uses. Debian's
// SDL2_mixer brings some forty further libraries with it (FluidSynth, GLib, PulseAudio,
// JACK...); loading them at the first sound instead of at process start keeps them off
// the way to the first window.
#define SPINDORA_AUDIO_FUNCTIONS(X)                                                         \
    X(SDL_InitSubSystem) X(SDL_QuitSubSystem) X(SDL_GetError) X(SDL_SetHint)                \
    X(SDL_RWFromConstMem) X(Mix_OpenAudio) X(Mix_QuerySpec) X(Mix_AllocateChannels)         \
    X(Mix_HaltChannel) X(Mix_CloseAudio) X(Mix_LoadWAV_RW) X(Mix_FreeChunk)                 \
    X(Mix_PlayChannelTimed) X(Mix_HookMusic) X(fluid_set_log_function)                      \
    X(new_fluid_settings) X(delete_fluid_settings) X(fluid_settings_setnum)                 \
    X(fluid_settings_setstr) X(fluid_settings_setint) X(new_fluid_synth)                    \
    X(delete_fluid_synth) X(fluid_synth_sfload) X(new_fluid_player) X(delete_fluid_player)  \
    X(fluid_player_add_mem) X(fluid_player_play) X(fluid_player_stop)                       \
    X(fluid_player_get_status) X(fluid_synth_all_sounds_off) X(fluid_synth_write_s16)       \
    X(fluid_synth_sfunload) X(new_fluid_defsfloader) X(fluid_sfloader_set_callbacks)        \
    X(fluid_synth_add_sfloader)

struct AudioLibraries {
#define SPINDORA_AUDIO_MEMBER(name) decltype(&::name) name = nullptr;
    SPINDORA_AUDIO_FUNCTIONS(SPINDORA_AUDIO_MEMBER)
#undef SPINDORA_AUDIO_MEMBER
};

// Loads the libraries once; nullptr (with one line on standard error) when they are missing.
const AudioLibraries* Audio();

}  // namespace spindora
