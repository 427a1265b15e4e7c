#include "assets/PictureReader.h"

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

}  // namespace spindora
