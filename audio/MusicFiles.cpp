#include "audio/MusicFiles.h"

#include <QDir>
#include <algorithm>
#include <vector>

#include "files/ForeignFile.h"
#include "files/UserFolders.h"

namespace spindora {

QString UserMusicFolder() {
    return XdgBaseFolder("XDG_DATA_HOME", ".local/share") + QLatin1String("/spindora/music");
}

MidiSearch::MidiSearch(const QStringList& folders) {
    struct Found {
        QString name, path;
    };
    std::vector<Found> found;
    std::vector<QDir> seen;
    for (const QString& folder : folders) {
        const QDir dir(folder);
        // The same folder named twice (say, a data home that is the program's folder) plays once.
        if (folder.isEmpty() || std::find(seen.begin(), seen.end(), dir) != seen.end()) continue;
        seen.push_back(dir);
        // Name filters ignore letter case, so "Song.MID" counts too, as it would elsewhere.
        for (const QString& name : dir.entryList({QStringLiteral("*.mid")}, QDir::Files | QDir::Hidden | QDir::System)) {
            const QString path = dir.filePath(name);
            // Listing counts FIFOs and device nodes as files; only regular ones can be music.
            if (OpenForeignFile(path, FileKind::Midi).check != FileCheck::NotRegular) found.push_back({name, path});
        }
    }
    // One list across the folders; equal names keep the folders' order.
    std::stable_sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        const int order = a.name.compare(b.name, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a.name < b.name;
    });
    for (const Found& f : found) {
        names_.append(f.name);
        paths_.append(f.path);
    }
}

QString MidiSearch::First() {
    current_ = 0;
    return paths_.isEmpty() ? QString() : paths_[0];
}

QString MidiSearch::Next() {
    if (paths_.isEmpty()) return QString();
    current_ = (current_ + 1) % paths_.size();
    return paths_[current_];
}

}  // namespace spindora
