#include "audio/AudioDevice.h"

#include <cstdio>

#include "audio/AudioLibraries.h"

namespace spindora {
namespace {

constexpr int kRate = 44100;
// About 23 ms at 44.1 kHz: short enough that an effect follows its click at once.
constexpr int kBufferFrames = 1024;

}  // namespace

bool AudioDevice::Open() {
    if (state_ != State::Untried) return state_ == State::Open;
    state_ = State::Failed;
    if (!Audio()) return false;
    // SDL would otherwise take over SIGINT and SIGTERM and turn them into events nobody
    // reads, and the game could no longer be ended by a signal.
    Audio()->SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (Audio()->SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        std::fprintf(stderr, "spindora: no sound device (%s); playing silently\n",
                     Audio()->SDL_GetError());
        return false;
    }
    if (Audio()->Mix_OpenAudio(kRate, AUDIO_S16SYS, 2, kBufferFrames) != 0) {
        std::fprintf(stderr, "spindora: no sound device (%s); playing silently\n",
                     Audio()->SDL_GetError());
        Audio()->SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Uint16 format = 0;
    Audio()->Mix_QuerySpec(&rate_, &format, &channels_);
    // Effects need one channel only: a new effect on it cuts off the one still sounding.
    Audio()->Mix_AllocateChannels(1);
    state_ = State::Open;
    return true;
}

AudioDevice::~AudioDevice() {
    if (state_ != State::Open) return;
    Audio()->Mix_HaltChannel(-1);
    Audio()->Mix_CloseAudio();
    Audio()->SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

}  // namespace spindora
