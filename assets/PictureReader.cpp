#include "assets/PictureReader.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>

namespace spindora {
namespace {

QImage ReadWith(QImageReader& reader) {
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

}  // namespace

QImage ReadPicture(const QString& path) {
    QImageReader reader(path, QFileInfo(path).suffix().toLower().toLatin1());
    return ReadWith(reader);
}

DecodedPicture DecodePicture(const QByteArray& bytes, const char* format,
                             const std::function<QString(QSize)>& judgeSize) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    const QSize declared = reader.size();
    if (!declared.isValid())
        return {{}, QStringLiteral("not a %1 picture").arg(QLatin1String(format))};
    if (QString refusal = judgeSize(declared); !refusal.isEmpty()) return {{}, refusal};
    QImage picture = ReadWith(reader);
    if (picture.isNull()) return {{}, QStringLiteral("damaged (%1)").arg(reader.errorString())};
    return {std::move(picture), {}};
}

}  // namespace spindora
