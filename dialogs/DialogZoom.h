#pragma once
#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <initializer_list>
#include <vector>

class QPainter;

namespace spindora {

// A dialog built at its design size, opened at the main window's zoom: the window's size,
// each child's place, font, frame line, icon and glyph follow the zoom, and the dialog's
// pictures are painted for the zoom times the screen's pixel ratio. At 1 all is as built.
class DialogZoom {
public:
    // Takes the dialog and its children as they are now for the design: made last in the
    // dialog's constructor.
    explicit DialogZoom(QWidget& dialog);

    // False when the dialog is at `zoom` already.
    bool Set(double zoom);
    double Zoom() const { return zoom_; }
    // A design rectangle at the zoom.
    QRect Place(const QRect& design) const;
    // Device pixels per design pixel of pictures painted for the zoom.
    int ArtScale() const;
    // A picture painted at ArtScale(), reduced smoothly to `design` at the zoom.
    QPixmap Picture(const QImage& dense, QSize design) const;
    // PaintDialogFace at the zoom: at 1 with `background`, otherwise with the dialog
    // background painted at the art scale, and outlines a whole number of pixels wide.
    void PaintFace(QPainter& painter, const QImage& background,
                   std::initializer_list<QRect> frames) const;

private:
    struct Part {
        QPointer<QWidget> widget;
        QRect place;
        QFont font;
        QString styleSheet;
        QSize iconSize;     // buttons
        int lineWidth = 0;  // frames
        bool fitsText = false;  // a label as large as its text stays so
    };
    void Apply();

    QWidget& dialog_;
    QSize size_;
    QFont font_;
    std::vector<Part> parts_;
    double zoom_ = 1.0;
};

// Zoomed fonts and lines: at least one pixel.
QFont ZoomedFont(QFont font, double zoom);

}  // namespace spindora
