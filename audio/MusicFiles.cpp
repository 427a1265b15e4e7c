#include "audio/MusicFiles.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <dirent.h>
#include <memory>

#include "files/ForeignFile.h"
#include "files/UserFolders.h"

namespace spindora {
namespace {

// The names in `folder` that end in ".mid" in any letter case, as the system spells them:
// a listing through QDir leaves out every name that is not UTF-8.
std::vector<QByteArray> MidNames(const QByteArray& folder) {
    std::vector<QByteArray> names;
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.constData()), ::closedir);
    if (!dir) return names;
    while (const dirent* entry = ::readdir(dir.get())) {
        const QByteArray name(entry->d_name);
        if (name.size() >= 4 && name.right(4).toLower() == ".mid") names.push_back(name);
    }
    return names;
}

}  // namespace

QString UserMusicFolder() {
    return XdgBaseFolder("XDG_DATA_HOME", ".local/share") + QLatin1String("/spindora/music");
}

MidiSearch::MidiSearch(const QStringList& folders) {
    struct Found {
        QString name;
        MusicFile file;
    };
    std::vector<Found> found;
    std::vector<QDir> seen;
    for (const QString& folder : folders) {
        const QDir dir(folder);
        // The same folder named twice (say, a data home that is the program's folder) plays once.
        if (folder.isEmpty() || std::find(seen.begin(), seen.end(), dir) != seen.end()) continue;
        seen.push_back(dir);
        const QByteArray base = QFile::encodeName(dir.path()) + '/';
        for (const QByteArray& native : MidNames(base)) {
            const QString name = QFile::decodeName(native);
            const MusicFile file{dir.filePath(name), base + native};
            // The folder holds FIFOs, device nodes and folders too; only regular files can be music.
            if (OpenForeignFile(file.nativePath, FileKind::Midi).check != FileCheck::NotRegular)
                found.push_back({name, file});
        }
    }
    // One list across the folders; equal names keep the folders' order.
    std::stable_sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        const int order = a.name.compare(b.name, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a.name < b.name;
    });
    for (const Found& f : found) {
        names_.append(f.name);
        files_.push_back(f.file);
    }
}

MusicFile MidiSearch::First() {
    current_ = 0;
    return files_.empty() ? MusicFile() : files_.front();
}

MusicFile MidiSearch::Next() {
    if (files_.empty()) return MusicFile();
    current_ = (current_ + 1) % static_cast<qsizetype>(files_.size());
    return files_[static_cast<size_t>(current_)];
}

}  // namespace spindora
