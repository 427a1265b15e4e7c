#pragma once
#include <QString>
#include <QStringList>

namespace spindora {

// The player's own music folder: $XDG_DATA_HOME/spindora/music, or
// ~/.local/share/spindora/music without the variable.
QString UserMusicFolder();

// `MidiSearch`: the "*.mid" files of the given folders (beside the program, and the
// player's own), merged into the order a player sees them in a file manager (alphabetical,
// letter case ignored), found once at start-up.
class MidiSearch {
public:
    MidiSearch() = default;
    explicit MidiSearch(const QStringList& folders);
    explicit MidiSearch(const QString& folder) : MidiSearch(QStringList{folder}) {}

    bool IsEmpty() const { return names_.isEmpty(); }
    const QStringList& Names() const { return names_; }
    // Full path of the first file, or of the one after the last taken, wrapping round.
    QString First();
    QString Next();

private:
    QStringList names_;
    QStringList paths_;  // beside `names_`, entry for entry
    qsizetype current_ = 0;
};

}  // namespace spindora
