#include "pictures/SheetCache.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>
#include <atomic>
#include <cstdint>
#include <cstdio>

#include "assets/Raster.h"
#include "files/UserFolders.h"
#include "pictures/BoardPictureFile.h"

namespace spindora {
namespace {

// FNV-1a over the picture's rows, in hex: the same picture gives the same name everywhere.
QString Fingerprint(const QImage& picture) {
    uint32_t hash = 0x811C9DC5u;
    const auto bytes = static_cast<qsizetype>(picture.width()) * picture.depth() / 8;
    for (int y = 0; y < picture.height(); ++y) {
        const uchar* row = picture.constScanLine(y);
        for (qsizetype i = 0; i < bytes; ++i) hash = (hash ^ row[i]) * 0x01000193u;
    }
    return QStringLiteral("%1").arg(hash, 8, 16, QLatin1Char('0'));
}

// "b1@3x-": the start of every kept sheet of one board at one scale.
QString SheetStem(const QString& picturePath, int scale) {
    return QStringLiteral("%1@%2x-").arg(QFileInfo(picturePath).completeBaseName()).arg(scale);
}

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

QString KeptSheetPath(const QString& picturePath, const QImage& oneToOne, int scale) {
    return XdgBaseFolder("XDG_CACHE_HOME", ".cache") +
           QStringLiteral("/spindora/%1/").arg(QLatin1String(SPINDORA_VERSION)) +
           SheetStem(picturePath, scale) + Fingerprint(oneToOne) + QStringLiteral(".png");
}

QImage ReadKeptSheet(const QString& path, QSize least) {
    if (!QFileInfo::exists(path)) return {};
    return ReadDensePicture(path, least, MostBoardPicture(least)).picture;
}

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

QImage KeptOrPaintedSheet(const QString& picturePath, const QImage& oneToOne, int scale,
                          QSize least, QImage (*paint)(int scale)) {
    const QString path = KeptSheetPath(picturePath, oneToOne, scale);
    if (QImage kept = ReadKeptSheet(path, least * scale); !kept.isNull()) return kept;
    QImage painted = ToRasterFormat(paint(scale));
    if (const QString why = KeepSheet(path, painted); !why.isEmpty()) {
        // Sheets are painted away from the window's thread as well.
        static std::atomic<bool> said = false;
        if (!said.exchange(true))
            std::fprintf(stderr, "spindora: cannot keep the painted board in %s: %s\n",
                         qPrintable(path), qPrintable(why));
    }
    return painted;
}

}  // namespace spindora
