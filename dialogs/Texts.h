#pragma once
#include <QString>

namespace spindora {

// One text in both languages. Only tongue 1 picks German; every other value English.
struct TextPair {
    const char* german;
    const char* english;
};

inline bool IsGerman(int tongue) { return tongue == 1; }
inline QString Pick(const TextPair& text, int tongue) {
    return QString::fromUtf8(IsGerman(tongue) ? text.german : text.english);
}

}  // namespace spindora
