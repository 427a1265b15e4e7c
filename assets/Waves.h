#pragma once
#include <QByteArray>
#include <cstdint>
#include <vector>

namespace spindora {

// The five sound effects the program carries: one channel, 8 bits, unsigned PCM, each at
// its own rate and with its own exact length.
inline constexpr int kWaveCount = 5;

struct WaveFormat {
    int sampleRate;
    int samples;
};
const WaveFormat& WaveFormatOf(int item);

// The samples of item 0..4, made the same on every build (fixed noise seeds).
std::vector<uint8_t> SynthesiseWave(int item);

// A complete RIFF WAVE file image of 8-bit mono PCM.
QByteArray WaveFileImage(int sampleRate, const std::vector<uint8_t>& samples);

}  // namespace spindora
