#include "assets/EmbeddedAssets.h"

#include <QFile>
#include <algorithm>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>

#include "assets/DialogBackground.h"
#include "assets/DigitStrip.h"
#include "assets/PictureReader.h"
#include "assets/ProgramPictures.h"
#include "assets/Raster.h"

namespace spindora {
namespace {

QString ResourcePath(const QString& name) { return QStringLiteral(":/assets/") + name; }

QImage LoadResource(const char* name) {
    const QString path = ResourcePath(QString::fromLatin1(name));
    QImage image = ReadPicture(path);
    Q_ASSERT_X(!image.isNull(), "Bitmaps", "embedded picture missing from the build");
    return image;
}

// A picture to copy into surfaces at the screen's density, so drawn for the next whole
// density up as they are; the 1:1 one where the build lacks the denser one.
QImage LoadForSurfaces(const char* name) {
    const int scale = SurfaceScaleFor(qApp ? qApp->devicePixelRatio() : 1.0);
    QImage dense = scale > 1 ? ReadPicture(ResourcePath(DenseResourceName(name, scale))) : QImage();
    if (dense.isNull()) return ToRasterFormat(LoadResource(name));
    dense = ToRasterFormat(dense);
    dense.setDevicePixelRatio(scale);
    return dense;
}

}  // namespace

const QImage& Bitmaps(int item) {
    // Each is decoded at its first use: the dialog face (a quarter of a MiB) waits for the
    // first dialog, which many runs never open.
    if (item == kDialogBackgroundItem) {
        static const QImage face = LoadForSurfaces(kDialogBackgroundResource);
        return face;
    }
    static const QImage digits = LoadForSurfaces(kDigitStripResource);
    return digits;
}

QString GlyphResourceName(const GlyphLayout& info, int scale) {
    const QString name = QStringLiteral("glyph_%1.png").arg(QString::fromLatin1(info.name));
    return DensePictureName(name, scale);
}

QIcon GlyphIcon(Glyph glyph, int leftPad) {
    return GlyphIcon(glyph, leftPad, SurfaceScaleFor(qApp ? qApp->devicePixelRatio() : 1.0));
}

QIcon GlyphIcon(Glyph glyph, int leftPad, int scale) {
    const GlyphLayout& info = LayoutOf(glyph);
    const int width = info.width / info.images;
    const int screenScale = SurfaceScaleFor(qApp ? qApp->devicePixelRatio() : 1.0);
    // A zoomed window's glyph holds more pixels than the screen's density asks for, and says
    // so through its size: an icon picks its pixmaps by density and never enlarges one.
    const int density = std::min(scale, screenScale);
    QIcon icon;
    // The 1:1 glyph, and on a dense screen the one drawn for it, which the icon prefers there.
    for (const int each : {1, scale}) {
        if (each == 1 && (!icon.isNull() || scale > screenScale)) continue;
        // The build carries glyphs up to the densest screen; a zoom beyond has them painted.
        const QImage picture = each > kMostSurfaceScale
                                   ? PaintGlyph(glyph, each)
                                   : ReadPicture(ResourcePath(GlyphResourceName(info, each)));
        QPixmap strip = QPixmap::fromImage(picture);
        if (strip.isNull()) continue;
        strip.setDevicePixelRatio(1);
        const int ratio = each == 1 ? 1 : density;
        const auto image = [&](int index) {
            QPixmap cell(QSize(leftPad + width, info.height) * each);
            cell.setDevicePixelRatio(ratio);
            cell.fill(Qt::transparent);
            QPainter p(&cell);
            p.drawPixmap(QRectF(QPointF(leftPad, 0) * each / ratio, QSizeF(width, info.height) * each / ratio),
                         strip, QRectF(index * width * each, 0, width * each, info.height * each));
            return cell;
        };
        icon.addPixmap(image(0), QIcon::Normal);
        if (info.images > 1) icon.addPixmap(image(1), QIcon::Disabled);
    }
    return icon;
}

namespace {

QImage PictureAt(const char* name, int scale, QImage (*paint)(int)) {
    QImage picture;
    if (scale <= kMostSurfaceScale)
        picture = ReadPicture(ResourcePath(DenseResourceName(name, scale)));
    if (picture.isNull()) picture = paint(scale);
    // Palette pictures (the about box's) go by 32 bits, which smooth scaling wants.
    return picture.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

QImage BitmapsAt(int item, int scale) {
    if (scale == SurfaceScale(Bitmaps(item))) return Bitmaps(item);
    QImage picture = item == kDialogBackgroundItem ? PictureAt(kDialogBackgroundResource, scale, PaintDialogBackground)
                                                   : PictureAt(kDigitStripResource, scale, PaintDigitStrip);
    picture.setDevicePixelRatio(scale);
    return picture;
}

QString DensePictureName(const QString& name, int scale) {
    if (scale <= 1) return name;
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const qsizetype slash = name.lastIndexOf(QLatin1Char('/'));
    const qsizetype cut = dot > slash ? dot : name.size();
    return name.left(cut) + QStringLiteral("@%1x").arg(scale) + name.mid(cut);
}

namespace {

// A picture for the screen's density: drawn at the next density up and, where the screen
// lies between two, scaled down smoothly to it; never scaled up.
QPixmap ForScreen(const char* name) {
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    const int scale = SurfaceScaleFor(ratio);
    const auto oneToOne = [name] { return QPixmap::fromImage(ReadPicture(ResourcePath(QString::fromLatin1(name)))); };
    if (scale == 1) return oneToOne();
    QImage dense = ReadPicture(ResourcePath(DenseResourceName(name, scale)));
    if (dense.isNull()) return oneToOne();
    const QSize logical = dense.size() / scale;
    if (ratio < scale) {
        // Qt 6.4 crashes smooth-scaling a palette picture (the about box's): go by 32 bits.
        dense = dense.convertToFormat(QImage::Format_RGB32)
                    .scaled((QSizeF(logical) * ratio).toSize(), Qt::IgnoreAspectRatio,
                            Qt::SmoothTransformation);
        dense.setDevicePixelRatio(ratio);
    } else {
        dense.setDevicePixelRatio(scale);
    }
    return QPixmap::fromImage(dense);
}

}  // namespace

QPixmap SplashPicture() { return ForScreen(kSplashResource); }

QPixmap AboutPicture() { return ForScreen(kAboutResource); }

QImage SplashPictureAt(int scale) { return PictureAt(kSplashResource, scale, PaintSplashPicture); }

QImage AboutPictureAt(int scale) { return PictureAt(kAboutResource, scale, PaintAboutPicture); }

QString WaveResourceName(int item) { return QStringLiteral("wave%1.wav").arg(item); }

QByteArray WaveList(int item) {
    QFile file(ResourcePath(WaveResourceName(item)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString ProgramIconResourceName(int size) {
    return size == 32 ? QString::fromLatin1(kProgramIconResource) : QStringLiteral("icon_%1.png").arg(size);
}

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : kProgramIconSizes)
        icon.addPixmap(QPixmap::fromImage(ReadPicture(ResourcePath(ProgramIconResourceName(size)))));
    return icon;
}

}  // namespace spindora
