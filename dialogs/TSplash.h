#pragma once
#include <QDialog>
#include <QLabel>
#include <QPixmap>
#include <QTimer>
#include <optional>

#include "dialogs/DialogZoom.h"

namespace spindora {

// The borderless picture shown once at the start, on top and centred on the screen. Its
// timer runs from creation, so it closes at the first tick after it is shown, or sooner at
// a click or any key.
class TSplash final : public QDialog {
    Q_OBJECT
public:
    explicit TSplash(QWidget* parent, const QPixmap& picture, int intervalMs = 3000);

    QTimer& Timer1() { return timer_; }
    QLabel* Image1() const { return image_; }
    // Closes the window; a tick before the window is shown does nothing.
    void Click();
    // Shown at the main window's `zoom` from now on, still centred on the screen.
    void SetZoom(double zoom);

protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* image_;
    QPixmap picture_;
    QTimer timer_;
    std::optional<DialogZoom> zoom_;
};

}  // namespace spindora
