#pragma once
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

#include "settings/TextStore.h"

namespace spindora {

inline constexpr int kHighscoreRows = 5;
inline constexpr const char* kHighscoreSection = "highscore";
inline constexpr const char* kDefaultPlayer = "Mr. Brain";

// One row of a list; time 0 marks an empty row. Times are clock ticks, smaller is better.
struct HighscoreEntry {
    QString name = QString::fromLatin1(kDefaultPlayer);
    int32_t time = 0;
    bool operator==(const HighscoreEntry&) const = default;
};
using HighscoreList = std::array<HighscoreEntry, kHighscoreRows>;

// Stored entries pass through this reversible scrambling; see the .cpp for how it works.
QString ScrambleEntry(const QString& plain);
// Nothing when `stored` is not something ScrambleEntry could have written.
std::optional<QString> UnscrambleEntry(const QString& stored);

// "734,Mr. Brain" and back. Anything but a whole non-negative time before the first comma
// reads as an empty row.
QString FormatEntry(const HighscoreEntry& entry);
HighscoreEntry ParseEntry(const QString& text);

// The rows `levelKey` + "0" .. "4" of the highscore section, best first.
HighscoreList LoadHighscores(const TextStore& store, const QString& levelKey);
bool SaveHighscores(TextStore& store, const QString& levelKey, const HighscoreList& list);

// The row a new time goes into: the first empty one or the first with a greater time, so
// an equal time ranks below. Nothing when the time does not make the list.
std::optional<int> RowForTime(const HighscoreList& list, int32_t time);
// Moves the rows from `row` down one place (the last drops out) and puts the entry there.
void InsertEntry(HighscoreList& list, int row, const HighscoreEntry& entry);

}  // namespace spindora
