#pragma once
#include <array>
#include <cstdint>
#include <optional>

namespace spindora {

inline constexpr int kModes = 4;

// Which puzzle the window shows: 0 ZIBBO, 1 KOLLUK, 2 PLUF, 3 MURVO. A Mode always names one
// of the four, so a table indexed by one needs no check: a number written in the code is
// checked as it compiles, and a number from outside (the stored setting) becomes a Mode only
// through Numbered.
class Mode {
public:
    consteval Mode(int number) : number_(static_cast<uint8_t>(number)) {
        if (number < 0 || number >= kModes) throw "there are four modes, 0 to 3";
    }
    static constexpr std::optional<Mode> Numbered(int number) {
        if (number < 0 || number >= kModes) return std::nullopt;
        return Mode(Checked{}, number);
    }
    // The number it is stored and compared as, and the index into the tables.
    constexpr operator uint8_t() const { return number_; }

private:
    struct Checked {};
    constexpr Mode(Checked, int number) : number_(static_cast<uint8_t>(number)) {}

    uint8_t number_;
};

inline constexpr Mode kZibbo{0}, kKolluk{1}, kPluf{2}, kMurvo{3};
inline constexpr std::array<Mode, kModes> kAllModes{kZibbo, kKolluk, kPluf, kMurvo};

}  // namespace spindora
