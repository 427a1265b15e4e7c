#include "assets/Waves.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace spindora {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

// Item, rate, sample count: the dial click, the rolling balls, the turning plate, the
// sliding discs and the fanfare.
constexpr WaveFormat kFormats[kWaveCount] = {
    {11025, 391}, {22050, 10680}, {11000, 2625}, {22050, 4560}, {22050, 40662},
};

struct Noise {
    uint32_t state;
    // xorshift: small, fast and the same everywhere.
    double Next() {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return (state & 0xFFFFFF) / double(0x800000) - 1.0;
    }
};

// A two-pole resonator: turns noise or impulses into a ringing body of the given pitch.
struct Resonator {
    double a1 = 0, a2 = 0, gain = 0, y1 = 0, y2 = 0;
    Resonator(double frequency, double bandwidth, double rate) { Tune(frequency, bandwidth, rate); }
    void Tune(double frequency, double bandwidth, double rate) {
        const double r = std::exp(-std::numbers::pi * bandwidth / rate);
        a1 = 2 * r * std::cos(kTwoPi * frequency / rate);
        a2 = -r * r;
        gain = 1 - r;
    }
    double Step(double x) {
        const double y = gain * x + a1 * y1 + a2 * y2;
        y2 = y1;
        y1 = y;
        return y;
    }
};

// A struck body: a sum of decaying partials starting at `start` seconds.
double Strike(double t, double start, double frequency, double decay) {
    if (t < start) return 0;
    const double u = t - start;
    return std::sin(kTwoPi * frequency * u) * std::exp(-u / decay);
}

// Samples a voice over the whole length: `voice(t, x)` with t in seconds and x the
// fraction of the sound done.
template <typename Voice>
std::vector<double> Render(const WaveFormat& f, Voice voice) {
    std::vector<double> out(f.samples);
    for (int i = 0; i < f.samples; ++i) out[i] = voice(double(i) / f.sampleRate, double(i) / f.samples);
    return out;
}

std::vector<double> Click(const WaveFormat& f) {
    // A detent snapping in: a bright tick, a lower body knock, and a tiny echo of the
    // spring settling.
    Noise noise{0x2545F491u};
    return Render(f, [&](double t, [[maybe_unused]] double x) {
        double v = 0.9 * Strike(t, 0.0006, 2650, 0.0022) + 0.55 * Strike(t, 0.0006, 1180, 0.0045) +
                   0.25 * Strike(t, 0.0150, 2300, 0.0018);
        v += 0.35 * noise.Next() * std::exp(-t / 0.0009);
        return v;
    });
}

std::vector<double> Roll(const WaveFormat& f) {
    // Balls rolling round a ring: a low rumble that swells and fades, with the soft
    // knocks of balls touching scattered over it.
    Noise noise{0x9E3779B9u};
    Resonator rumble(120, 90, f.sampleRate), body(260, 160, f.sampleRate);
    const double length = double(f.samples) / f.sampleRate;
    struct Knock { double at, pitch, level; };
    std::vector<Knock> knocks;
    Noise timing{0x85EBCA6Bu};
    for (double at = 0.012; at < length - 0.06;) {
        knocks.push_back({at, 820 + 260 * timing.Next(), 0.5 + 0.3 * timing.Next()});
        at += 0.034 + 0.012 * timing.Next();
    }
    return Render(f, [&](double t, [[maybe_unused]] double x) {
        const double swell = std::sin(std::numbers::pi * std::min(1.0, t / length));
        const double n = noise.Next();
        double v = 5.0 * rumble.Step(n) * swell + 2.5 * body.Step(n) * swell;
        for (const Knock& k : knocks)
            if (t >= k.at && t < k.at + 0.03)
                v += 1.6 * k.level * swell * (Strike(t, k.at, k.pitch, 0.004) + 0.5 * Strike(t, k.at, k.pitch * 2.7, 0.002));
        return v;
    });
}

std::vector<double> PlateTurn(const WaveFormat& f) {
    // A plate gliding round on its spindle: a soft, rising breath of felt and a gentle,
    // low wooden knock as it seats.
    Noise noise{0x27D4EB2Fu};
    Resonator felt(450, 260, f.sampleRate);
    const double length = double(f.samples) / f.sampleRate;
    return Render(f, [&](double t, [[maybe_unused]] double x) {
        felt.Tune(420 + 520 * x, 240, f.sampleRate);
        const double breath = std::pow(std::sin(std::numbers::pi * std::min(1.0, x / 0.85)), 2);
        double v = 6.0 * felt.Step(noise.Next()) * (x < 0.85 ? breath : 0);
        v += 0.55 * (Strike(t, 0.75 * length, 330, 0.018) + 0.4 * Strike(t, 0.75 * length, 790, 0.008));
        return v;
    });
}

std::vector<double> DiscSlide(const WaveFormat& f) {
    // Discs sliding one place on: a short swish that rises a little in pitch, ending in
    // a light tap of discs meeting.
    Noise noise{0x165667B1u};
    Resonator swish(1400, 700, f.sampleRate), low(600, 400, f.sampleRate);
    const double length = double(f.samples) / f.sampleRate;
    return Render(f, [&](double t, [[maybe_unused]] double x) {
        swish.Tune(1300 + 1300 * x, 900, f.sampleRate);
        const double envelope = x < 0.12 ? x / 0.12 : std::exp(-(x - 0.12) * 4.0);
        const double n = noise.Next();
        double v = envelope * (3.0 * swish.Step(n) + 2.0 * low.Step(n));
        v += 0.45 * Strike(t, 0.62 * length, 1850, 0.006) + 0.3 * Strike(t, 0.62 * length, 980, 0.01);
        return v;
    });
}

// A mellow brass-like voice: harmonics that fall off, a gentle attack, slight vibrato.
double Horn(double t, double start, double length, double frequency, double nyquist) {
    if (t < start || t > start + length) return 0;
    const double u = t - start;
    const double attack = std::min(1.0, u / 0.025);
    const double release = std::min(1.0, (start + length - t) / 0.06);
    // Vibrato as a phase swing: a few cents wide, fading in.
    const double swing = 0.003 * frequency / 5.5 * std::sin(kTwoPi * 5.5 * u) * std::min(1.0, u / 0.3);
    double v = 0;
    for (int h = 1; h <= 6; ++h) {
        if (frequency * h >= nyquist * 0.9) break;
        v += std::sin(kTwoPi * frequency * h * u + h * swing) / (h * h * 0.7 + 0.3);
    }
    return v * attack * release * std::exp(-u * 0.8);
}

std::vector<double> Fanfare(const WaveFormat& f) {
    // A bright rising call, C E G, then the octave held as a full chord that fades.
    const double nyquist = f.sampleRate / 2.0;
    const double length = double(f.samples) / f.sampleRate;
    struct Note { double at, length, pitch, level; };
    const double c5 = 523.25, e5 = 659.26, g5 = 783.99, c6 = 1046.5;
    const Note notes[] = {
        {0.00, 0.16, c5, 1.0}, {0.15, 0.16, e5, 1.0}, {0.30, 0.16, g5, 1.0},
        {0.45, length - 0.46, c6, 0.9}, {0.45, length - 0.46, g5, 0.6},
        {0.45, length - 0.46, e5, 0.55}, {0.45, length - 0.46, c5 / 2, 0.5},
    };
    return Render(f, [&](double t, [[maybe_unused]] double x) {
        double v = 0;
        for (const Note& n : notes) v += n.level * Horn(t, n.at, n.length, n.pitch, nyquist);
        // A sparkle of a struck triangle on the last chord.
        v += 0.25 * Strike(t, 0.45, 4186, 0.25);
        return v;
    });
}

// Takes out any offset, softens the ends so nothing clicks, and scales to a level that
// leaves head-room.
std::vector<uint8_t> Finish(std::vector<double> wave, int sampleRate) {
    double mean = 0;
    for (double v : wave) mean += v;
    mean /= wave.size();
    for (double& v : wave) v -= mean;
    const int fade = std::max(4, sampleRate / 500);  // 2 ms
    const int n = static_cast<int>(wave.size());
    for (int i = 0; i < fade && i < n; ++i) {
        const double g = 0.5 - 0.5 * std::cos(std::numbers::pi * i / fade);
        wave[i] *= g;
        wave[n - 1 - i] *= g;
    }
    wave[0] = wave[n - 1] = 0;
    double peak = 1e-9;
    for (double v : wave) peak = std::max(peak, std::abs(v));
    std::vector<uint8_t> bytes(n);
    for (int i = 0; i < n; ++i)
        bytes[i] = static_cast<uint8_t>(128 + std::lround(wave[i] / peak * 110));
    return bytes;
}

}  // namespace

const WaveFormat& WaveFormatOf(int item) { return kFormats[std::clamp(item, 0, kWaveCount - 1)]; }

std::vector<uint8_t> SynthesiseWave(int item) {
    using Voice = std::vector<double> (*)(const WaveFormat&);
    static constexpr Voice kVoices[kWaveCount] = {Click, Roll, PlateTurn, DiscSlide, Fanfare};
    const WaveFormat& format = WaveFormatOf(item);
    return Finish(kVoices[std::clamp(item, 0, kWaveCount - 1)](format), format.sampleRate);
}

QByteArray WaveFileImage(int sampleRate, const std::vector<uint8_t>& samples) {
    const auto size = static_cast<quint32>(samples.size());
    const quint32 pad = size % 2;  // chunks keep to even lengths
    QByteArray file;
    const auto u32 = [&file](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        file.append(b, 4);
    };
    const auto u16 = [&file](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        file.append(b, 2);
    };
    file.append("RIFF");
    u32(4 + 8 + 16 + 8 + size + pad);
    file.append("WAVEfmt ");
    u32(16);
    u16(1);  // PCM
    u16(1);  // one channel
    u32(static_cast<quint32>(sampleRate));
    u32(static_cast<quint32>(sampleRate));  // bytes per second at one byte a sample
    u16(1);
    u16(8);
    file.append("data");
    u32(size);
    file.append(reinterpret_cast<const char*>(samples.data()), static_cast<qsizetype>(size));
    if (pad) file.append('\x80');
    return file;
}

}  // namespace spindora
