#pragma once

namespace spindora {

// The sound output, through SDL2_mixer with only SDL's audio subsystem. It is opened at
// the first need and only tried once: without a device the game plays on silently.
class AudioDevice {
public:
    AudioDevice() = default;
    AudioDevice(const AudioDevice&) = delete;
    AudioDevice& operator=(const AudioDevice&) = delete;
    ~AudioDevice();

    bool Open();
    bool IsOpen() const { return state_ == State::Open; }
    int SampleRate() const { return rate_; }
    int Channels() const { return channels_; }

private:
    enum class State { Untried, Open, Failed };
    State state_ = State::Untried;
    int rate_ = 0;
    int channels_ = 0;
};

}  // namespace spindora
