#pragma once
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QTextObjectInterface>

class QTextDocument;

namespace spindora {

// Lays out the pictures of a help page. A picture that stands as an empty frame takes the
// place of its declared size, while nothing of that size is ever allocated: its resource is
// one transparent pixel that names the size. Every other picture is laid out and painted
// by the handler the document had before.
class PictureFrames final : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    // Takes over the pictures of `document`; lives as long as its layout.
    static void Install(QTextDocument* document);

    // What a picture the help file does not hold, or that does not decode, shows as: one
    // transparent pixel.
    static QImage Empty();
    // The resource of an empty frame of `size`, and the size such a resource names
    // (invalid for a real picture).
    static QImage Frame(QSize size);
    static QSize FrameSize(const QImage& resource);

    QSizeF intrinsicSize(QTextDocument* document, int position, const QTextFormat& format) override;
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document, int position,
                    const QTextFormat& format) override;

private:
    PictureFrames(QObject* parent, QObject* previous, QTextObjectInterface* previousInterface);

    QPointer<QObject> previous_;
    QTextObjectInterface* previousInterface_;
};

}  // namespace spindora
