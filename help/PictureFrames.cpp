#include "help/PictureFrames.h"

#include <QAbstractTextDocumentLayout>
#include <QTextDocument>
#include <QTextFormat>
#include <QUrl>
#include <algorithm>

namespace spindora {
namespace {

constexpr const char* kFrameKey = "spindora-frame";
// The longest side a picture takes on a page. The text layout counts in fixed point and a
// page whose pictures add up beyond some 33 million pixels is laid out as nothing at all,
// its text included; a picture this size already fills many screens.
constexpr qreal kLongestSide = 16384;

// `size` scaled down, in its shape, until no side is longer than kLongestSide; no side
// shrinks below one pixel.
QSizeF Clamped(QSizeF size) {
    const qreal longest = std::max(size.width(), size.height());
    if (longest <= kLongestSide) return size;
    const qreal scale = kLongestSide / longest;
    return QSizeF(std::max<qreal>(1, size.width() * scale), std::max<qreal>(1, size.height() * scale));
}

}  // namespace

void PictureFrames::Install(QTextDocument* document) {
    QAbstractTextDocumentLayout* layout = document->documentLayout();
    QTextObjectInterface* previous = layout->handlerForObject(QTextFormat::ImageObject);
    auto* frames = new PictureFrames(layout, dynamic_cast<QObject*>(previous), previous);
    layout->registerHandler(QTextFormat::ImageObject, frames);
}

PictureFrames::PictureFrames(QObject* parent, QObject* previous, QTextObjectInterface* previousInterface)
    : QObject(parent), previous_(previous), previousInterface_(previousInterface) {}

QImage PictureFrames::Empty() {
    QImage blank(1, 1, QImage::Format_ARGB32);
    blank.fill(Qt::transparent);
    return blank;
}

QImage PictureFrames::Frame(QSize size) {
    QImage blank = Empty();
    blank.setText(QLatin1String(kFrameKey), QStringLiteral("%1 %2").arg(size.width()).arg(size.height()));
    return blank;
}

QSize PictureFrames::FrameSize(const QImage& resource) {
    const QStringList parts = resource.text(QLatin1String(kFrameKey)).split(QLatin1Char(' '));
    const QSize size = parts.size() == 2 ? QSize(parts[0].toInt(), parts[1].toInt()) : QSize();
    return size.isEmpty() ? QSize() : size;
}

QSizeF PictureFrames::intrinsicSize(QTextDocument* document, int position, const QTextFormat& format) {
    QTextImageFormat image = format.toImageFormat();
    const QSize frame =
        FrameSize(document->resource(QTextDocument::ImageResource, QUrl(image.name())).value<QImage>());
    if (frame.isValid()) {
        // The page's own width or height wins, as for a picture; the frame keeps its shape.
        const bool width = image.hasProperty(QTextFormat::ImageWidth);
        const bool height = image.hasProperty(QTextFormat::ImageHeight);
        if (!width && !height) {
            image.setWidth(frame.width());
            image.setHeight(frame.height());
        } else if (!height) {
            image.setHeight(qRound(image.width() * frame.height() / frame.width()));
        } else if (!width) {
            image.setWidth(qRound(image.height() * frame.width() / frame.height()));
        }
    }
    return previous_ ? Clamped(previousInterface_->intrinsicSize(document, position, image)) : QSizeF();
}

void PictureFrames::drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document, int position,
                               const QTextFormat& format) {
    // A frame's one transparent pixel, spread over its place, paints nothing.
    if (previous_) previousInterface_->drawObject(painter, rect, document, position, format);
}

}  // namespace spindora
