#include "audio/SoundBank.h"

#include <cstdio>

#include "assets/EmbeddedAssets.h"
#include "audio/AudioLibraries.h"

namespace spindora {

SoundBank::~SoundBank() {
    if (device_.IsOpen()) Audio()->Mix_HaltChannel(-1);
    for (Mix_Chunk* chunk : chunks_)
        if (chunk) Audio()->Mix_FreeChunk(chunk);
}

void SoundBank::Load() {
    loaded_ = true;
    for (int item = 0; item < kWaveCount; ++item) {
        const QByteArray image = WaveList(item);
        if (image.isEmpty()) continue;
        chunks_[item] = Audio()->Mix_LoadWAV_RW(Audio()->SDL_RWFromConstMem(image.constData(), int(image.size())), 1);
    }
}

void SoundBank::Play(int effect) {
    if (effect < 1 || effect > kWaveCount || !device_.Open()) return;
    if (!loaded_) Load();
    Mix_Chunk* chunk = chunks_[effect - 1];
    if (!chunk) return;
    if (Audio()->Mix_PlayChannelTimed(0, chunk, 0, -1) < 0 && !refusalReported_) {
        // Reported once: a refusal now is a refusal at every press.
        refusalReported_ = true;
        std::fprintf(stderr, "spindora: the sound effect could not start (%s)\n", Audio()->SDL_GetError());
    }
}

}  // namespace spindora
