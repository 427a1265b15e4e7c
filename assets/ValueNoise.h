#pragma once
// Smooth lattice noise, the grain of the wood and the nap of the cloths, and its reading
// over whole pictures a row at a time.
#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

namespace spindora::paint {

// The S-curve 3t^2 - 2t^3 from 0 to 1 over 0..1: eases a blend in and out.
constexpr double Hermite(double t) { return t * t * (3 - 2 * t); }

// Smooth lattice noise in 0..1 that wraps every `period` cells. The generator is seeded
// with a constant and its bits are mapped by hand, so the texture is the same with every
// standard library.
class ValueNoise {
public:
    ValueNoise(std::uint32_t seed, int period);

    // Where a place along one axis falls on the lattice: the lines either side of it,
    // wrapped, and how far it lies between them, eased.
    struct Step {
        int low, high;
        double t;
    };
    Step StepAt(double place) const;

    double At(const Step& x, const Step& y) const {
        const double* top = &values_[static_cast<size_t>(y.low * period_)];
        const double* bottom = &values_[static_cast<size_t>(y.high * period_)];
        return Lerp(Lerp(top[x.low], top[x.high], x.t), Lerp(bottom[x.low], bottom[x.high], x.t),
                    y.t);
    }
    double At(double x, double y) const { return At(StepAt(x), StepAt(y)); }

private:
    static double Lerp(double a, double b, double t) { return a + (b - a) * t; }
    int period_;
    std::vector<double> values_;
};

// A noise read across a picture at (x * stretch + shift, y * stretch + shift) of each
// pixel's place (x, y): what ValueNoise::At gives there, but with each column's step on
// the lattice worked out once for all rows, and each row's once for all columns.
class NoiseOverColumns {
public:
    struct Axis {
        double stretch, shift = 0;
    };
    NoiseOverColumns(const ValueNoise& noise, const std::vector<double>& columns, Axis across,
                     Axis down);

    // At column `column` of a row whose place is `y`; rows are read one after another.
    double At(int column, double y) {
        if (y != rowPlace_) {
            rowPlace_ = y;
            row_ = noise_.StepAt(y * down_.stretch + down_.shift);
        }
        return noise_.At(columns_[static_cast<size_t>(column)], row_);
    }

private:
    const ValueNoise& noise_;
    Axis down_;
    std::vector<ValueNoise::Step> columns_;
    double rowPlace_ = std::numeric_limits<double>::quiet_NaN();
    ValueNoise::Step row_{};
};

}  // namespace spindora::paint
