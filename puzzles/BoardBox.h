#pragma once
#include <QImage>
#include <QRect>

namespace spindora {

// The board as the player sees it: an image of what it shows, and a way to put a
// rectangle of that image on screen at once (animation frames rely on this).
class BoardBox {
public:
    virtual ~BoardBox() = default;
    virtual QImage& image() = 0;
    virtual void show(const QRect& rect) = 0;
};

// An off-screen board for tools, benchmarks and tests: it records what was shown.
class ImageBoardBox : public BoardBox {
public:
    // `scale` device pixels per board pixel, as a screen of that density would hold.
    explicit ImageBoardBox(int scale = 1);
    QImage& image() override { return image_; }
    void show(const QRect& rect) override;
    int showCount() const { return showCount_; }
    QRect lastShown() const { return lastShown_; }

private:
    QImage image_;
    int showCount_ = 0;
    QRect lastShown_;
};

}  // namespace spindora
