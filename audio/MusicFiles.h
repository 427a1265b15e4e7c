#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace spindora {

// The player's own music folder: $XDG_DATA_HOME/spindora/music, or
// ~/.local/share/spindora/music without the variable.
QString UserMusicFolder();

// One music file: its path as it is shown, and as the system spells it. They differ for a
// name that is not UTF-8, whose shown path has U+FFFD in place of each byte it cannot read.
struct MusicFile {
    QString path;
    QByteArray nativePath;
};

// `MidiSearch`: the "*.mid" files of the given folders (beside the program, and the
// player's own), merged into the order a player sees them in a file manager (alphabetical,
// letter case ignored), found once at start-up. Names in any encoding are found.
class MidiSearch {
public:
    MidiSearch() = default;
    explicit MidiSearch(const QStringList& folders);
    explicit MidiSearch(const QString& folder) : MidiSearch(QStringList{folder}) {}

    bool IsEmpty() const { return names_.isEmpty(); }
    const QStringList& Names() const { return names_; }
    // The first file, or the one after the last taken, wrapping round; none without files.
    MusicFile First();
    MusicFile Next();

private:
    QStringList names_;
    std::vector<MusicFile> files_;  // beside `names_`, entry for entry
    qsizetype current_ = 0;
};

}  // namespace spindora
