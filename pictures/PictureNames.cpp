#include "pictures/PictureNames.h"

#include <QFileInfo>
#include <cstdint>

#include "assets/EmbeddedAssets.h"
#include "files/UserFolders.h"

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

}  // namespace

QString DenseFileName(const QString& path) {
    const QString dense = DensePictureName(path, kDenseFileScale);
    const qsizetype dot = dense.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot > dense.lastIndexOf(QLatin1Char('/')) ? dense.left(dot) : dense;
    return stem + QStringLiteral(".png");
}

QString KeptSheetPath(const QString& picturePath, const QImage& oneToOne, int scale) {
    return XdgBaseFolder("XDG_CACHE_HOME", ".cache") +
           QStringLiteral("/spindora/%1/").arg(QLatin1String(SPINDORA_VERSION)) +
           SheetStem(picturePath, scale) + Fingerprint(oneToOne) + QStringLiteral(".png");
}

}  // namespace spindora
