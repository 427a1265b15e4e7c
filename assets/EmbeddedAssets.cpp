#include "assets/EmbeddedAssets.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <array>

#include "assets/Raster.h"

namespace spindora {
namespace {

QString ResourcePath(const QString& name) { return QStringLiteral(":/assets/") + name; }

QImage LoadResource(const char* name) {
    const QString path = ResourcePath(QString::fromLatin1(name));
    QImage image(path);
    Q_ASSERT_X(!image.isNull(), "Bitmaps", "embedded picture missing from the build");
    return image;
}

}  // namespace

const QImage& Bitmaps(int item) {
    static const std::array<QImage, 2> items = {
        ToRasterFormat(LoadResource(kDigitStripResource)),
        ToRasterFormat(LoadResource(kDialogBackgroundResource)),
    };
    return items[item == kDialogBackgroundItem ? 1 : 0];
}

QString GlyphResourceName(const GlyphLayout& info) {
    return QStringLiteral("glyph_%1.png").arg(QString::fromLatin1(info.name));
}

QIcon GlyphIcon(Glyph glyph, int leftPad) {
    const GlyphLayout& info = LayoutOf(glyph);
    const QPixmap strip(ResourcePath(GlyphResourceName(info)));
    const int width = info.width / info.images;
    const auto image = [&](int index) {
        QPixmap cell(leftPad + width, info.height);
        cell.fill(Qt::transparent);
        QPainter p(&cell);
        p.drawPixmap(leftPad, 0, strip, index * width, 0, width, info.height);
        return cell;
    };
    QIcon icon;
    icon.addPixmap(image(0), QIcon::Normal);
    if (info.images > 1) icon.addPixmap(image(1), QIcon::Disabled);
    return icon;
}

QPixmap SplashPicture() { return QPixmap(ResourcePath(QString::fromLatin1(kSplashResource))); }

QPixmap AboutPicture() { return QPixmap(ResourcePath(QString::fromLatin1(kAboutResource))); }

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
    for (const int size : kProgramIconSizes) icon.addFile(ResourcePath(ProgramIconResourceName(size)), QSize(size, size));
    return icon;
}

}  // namespace spindora
