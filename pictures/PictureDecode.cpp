#include "pictures/PictureDecode.h"

#include "assets/PictureReader.h"
#include "assets/Raster.h"
#include "pictures/BitmapLayout.h"
#include "pictures/BitmapPixels.h"
#include "pictures/PngChunks.h"

namespace spindora {
namespace {

QString FileFault(FileCheck check) {
    switch (check) {
    case FileCheck::Regular: break;
    case FileCheck::Missing: return QStringLiteral("missing");
    case FileCheck::NotRegular: return QStringLiteral("not a regular file");
    case FileCheck::TooLarge:
        return QStringLiteral("too large (a file over %1 MiB)")
            .arg(LargestSize(FileKind::Picture) >> 20);
    case FileCheck::Unreadable: return QStringLiteral("unreadable");
    }
    return {};
}

QString SizeText(int64_t width, int64_t height) {
    return QStringLiteral("%1 x %2").arg(width).arg(height);
}

// Why a picture that declares `width` x `height` cannot serve a board of `least`, if so.
QString SizeFault(int64_t width, int64_t height, QSize least, QSize most) {
    const QString declared = SizeText(width, height);
    if (width > most.width() || height > most.height())
        return QStringLiteral("too large (declared %1)").arg(declared);
    if (width < least.width() || height < least.height())
        return QStringLiteral("too small (declared %1, the board needs %2)")
            .arg(declared, SizeText(least.width(), least.height()));
    return {};
}

}  // namespace

bool HoldsWholeBitmap(const QByteArray& bmp) {
    const LayoutRead read = ReadBitmapLayout(bmp);
    return read.layout && CheckBitmapBody(bmp, *read.layout).isEmpty();
}

BoardPictureLoad DecodeBoardBitmap(const ForeignBytes& file, QSize least, QSize most) {
    if (file.check != FileCheck::Regular) return {{}, FileFault(file.check)};
    const LayoutRead read = ReadBitmapLayout(file.bytes);
    if (!read.layout) return {{}, read.fault};
    const BitmapLayout& layout = *read.layout;
    if (QString fault = SizeFault(layout.width, layout.height, least, most); !fault.isEmpty())
        return {{}, fault};
    if (QString fault = CheckBitmapBody(file.bytes, layout); !fault.isEmpty()) return {{}, fault};
    QImage picture = DecodeBitmap(file.bytes, layout);
    if (picture.isNull())
        return {{}, QStringLiteral("too large (no memory for %1)")
                        .arg(SizeText(layout.width, layout.height))};
    return {std::move(picture), {}};
}

BoardPictureLoad DecodeDensePng(const ForeignBytes& file, QSize least, QSize most) {
    if (file.check != FileCheck::Regular) return {{}, FileFault(file.check)};
    if (QString fault = CheckPngChunks(file.bytes); !fault.isEmpty()) return {{}, fault};
    DecodedPicture read = DecodePicture(file.bytes, "png", [&](QSize declared) {
        return SizeFault(declared.width(), declared.height(), least, most);
    });
    if (read.picture.isNull()) return {{}, read.fault};
    return {ToRasterFormat(read.picture), {}};
}

}  // namespace spindora
