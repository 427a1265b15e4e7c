#include "assets/ValueNoise.h"

#include <cmath>
#include <random>

namespace spindora::paint {

ValueNoise::ValueNoise(std::uint32_t seed, int period)
    : period_(period), values_(static_cast<size_t>(period * period)) {
    std::mt19937 generator(seed);
    for (double& value : values_) value = (generator() >> 8) / 16777216.0;
}

ValueNoise::Step ValueNoise::StepAt(double place) const {
    const double floor = std::floor(place);
    const int line = static_cast<int>(floor);
    auto wrap = [this](int k) { return ((k % period_) + period_) % period_; };
    return {wrap(line), wrap(line + 1), Hermite(place - floor)};
}

NoiseOverColumns::NoiseOverColumns(const ValueNoise& noise, const std::vector<double>& columns,
                                   Axis across, Axis down)
    : noise_(noise), down_(down) {
    columns_.reserve(columns.size());
    for (const double x : columns) columns_.push_back(noise.StepAt(x * across.stretch + across.shift));
}

}  // namespace spindora::paint
