#pragma once
#include <array>

#include "assets/Waves.h"
#include "audio/AudioDevice.h"

struct Mix_Chunk;

namespace spindora {

// `WaveList`: the five embedded effects, decoded once for the device and played from
// memory without waiting.
class SoundBank {
public:
    explicit SoundBank(AudioDevice& device) : device_(device) {}
    SoundBank(const SoundBank&) = delete;
    SoundBank& operator=(const SoundBank&) = delete;
    ~SoundBank();

    // Effect n (1..5) plays item n - 1; it cuts off an effect still sounding.
    void Play(int effect);

private:
    void Load();

    AudioDevice& device_;
    std::array<Mix_Chunk*, kWaveCount> chunks_{};
    bool loaded_ = false;
    bool refusalReported_ = false;
};

}  // namespace spindora
