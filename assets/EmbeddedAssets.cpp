#include "assets/EmbeddedAssets.h"

#include <QPixmap>
#include <array>

#include "puzzles/Raster.h"

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

QIcon GlyphIcon(Glyph glyph) {
    const GlyphLayout& info = LayoutOf(glyph);
    const QPixmap strip(ResourcePath(GlyphResourceName(info)));
    const int width = info.width / info.images;
    QIcon icon;
    icon.addPixmap(strip.copy(0, 0, width, info.height), QIcon::Normal);
    if (info.images > 1) icon.addPixmap(strip.copy(width, 0, width, info.height), QIcon::Disabled);
    return icon;
}

QPixmap SplashPicture() { return QPixmap(ResourcePath(QString::fromLatin1(kSplashResource))); }

QPixmap AboutPicture() { return QPixmap(ResourcePath(QString::fromLatin1(kAboutResource))); }

QIcon ProgramIcon() { return QIcon(ResourcePath(QString::fromLatin1(kProgramIconResource))); }

}  // namespace spindora
