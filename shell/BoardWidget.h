#pragma once
#include <QImage>
#include <QRegion>
#include <QWidget>
#include <functional>

class QPainter;

#include "puzzles/BoardBox.h"
#include "puzzles/PuzzleHost.h"
#include "shell/Zoom.h"

namespace spindora {

// `box`: the board's paint box. Puzzles draw into its image and show rectangles of it;
// a shown rectangle reaches the screen before show() returns, so animation frames appear
// one by one even while the thread then spins.
class BoardWidget final : public QWidget, public BoardBox {
    Q_OBJECT
public:
    explicit BoardWidget(QWidget* parent);

    QImage& image() override { return image_; }
    void show(const QRect& rect) override;
    using QWidget::show;
    void BeginBatch();
    void EndBatch();

    // Places the board as the design's `design` rectangle of a window laid out by `layout`.
    void SetLayout(const ZoomLayout& layout, const QRect& design);
    // The board pixel under a place on this widget, as a press there reaches the puzzle.
    QPoint ToBoard(QPointF local) const;
    // Where a rectangle of the board shows on this widget.
    QRect ShownRect(const QRect& board) const;
    // The widget's pixels that show a rectangle of the board, with the neighbours a
    // reduced picture blends in.
    QRect ToWidget(const QRect& board) const;
    // Repaints what shows a rectangle of the board, later.
    void UpdateBoard(const QRect& board) { update(ToWidget(board)); }

    std::function<void(int x, int y, MouseButton button)> onMouseDown;
    // The hint for a place on the board, or an empty text for none.
    std::function<QString(QPoint)> hintAt;
    // Drawn over the board on screen only, never into its picture: the focus mark.
    std::function<void(QPainter&)> paintOver;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    bool Zoomed() const { return layout_.zoom != 1.0; }

    QImage image_;
    ZoomLayout layout_;
    QRect design_;
    int batchDepth_ = 0;
    QRegion pending_;
};

}  // namespace spindora
