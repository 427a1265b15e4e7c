#include "pictures/SheetCache.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

namespace spindora {
namespace {

// zlib's quickest level (Qt's PNG writer maps quality 80 to level 1): a third larger than
// the strongest, written in a fraction of the time, while the player waits.
constexpr int kQuickPng = 80;

// The sheets an older or newer game kept are never read by this one: they go, and their
// folder with them once empty. Only what a game keeps there is touched, and no link followed.
void RemoveOtherVersions(const QDir& current) {
    QDir root = current;
    if (!root.cdUp()) return;
    const QDir::Filters folders = QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks;
    for (const QString& version : root.entryList(folders)) {
        if (version == current.dirName()) continue;
        QDir other = root;
        if (!other.cd(version)) continue;
        for (const QString& sheet : other.entryList({QStringLiteral("*.png")}, QDir::Files))
            other.remove(sheet);
        root.rmdir(version);
    }
}

}  // namespace

QString KeepSheet(const QString& path, const QImage& sheet) {
    const QFileInfo place(path);
    if (!QDir().mkpath(place.path())) return QStringLiteral("cannot make its folder");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    QImageWriter writer(&file, "png");
    writer.setQuality(kQuickPng);
    if (!writer.write(sheet)) {
        file.cancelWriting();
        return writer.errorString();
    }
    if (!file.commit()) return file.errorString();
    // The stem ends in "-", so "b1@3x-" never matches "b1@30x-".
    const QString stem = place.fileName().left(place.fileName().lastIndexOf(QLatin1Char('-')) + 1);
    QDir folder = place.dir();
    for (const QString& older : folder.entryList({stem + QStringLiteral("*.png")}, QDir::Files))
        if (older != place.fileName()) folder.remove(older);
    RemoveOtherVersions(folder);
    return {};
}

}  // namespace spindora
