#pragma once
#include <QString>
#include <QStringList>

namespace spindora {

// `MidiSearch`: the "*.mid" files beside the program, in the order a player sees them in
// a file manager (alphabetical, letter case ignored), found once at start-up.
class MidiSearch {
public:
    MidiSearch() = default;
    explicit MidiSearch(const QString& programDir);

    bool IsEmpty() const { return names_.isEmpty(); }
    const QStringList& Names() const { return names_; }
    // Full path of the first file, or of the one after the last taken, wrapping round.
    QString First();
    QString Next();

private:
    QString dir_;
    QStringList names_;
    qsizetype current_ = 0;
};

}  // namespace spindora
