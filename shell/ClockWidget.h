#pragma once
#include <QImage>
#include <QWidget>
#include <cstdint>
#include <functional>

namespace spindora {

// `timbox`: six cells of the digit strip at a pitch of 13 pixels.
class ClockWidget final : public QWidget {
    Q_OBJECT
public:
    ClockWidget(QWidget* parent, const QImage& digitStrip);
    void Draw(int32_t ticks);
    // Takes `size` on screen, its cells from `digitStrip` (of any density).
    void SetZoomed(QSize size, const QImage& digitStrip);
    const QImage& image() const { return image_; }
    // The time in words, read only when a screen reader asks: the running clock tells none
    // of its ticks.
    std::function<QString()> describe;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage strip_;
    QImage image_;
    int32_t ticks_ = 0;
};

// Composes the clock picture for a count from the digit strip (77 x 20, black between cells).
QImage ComposeClock(const QImage& digitStrip, int32_t ticks);

}  // namespace spindora
