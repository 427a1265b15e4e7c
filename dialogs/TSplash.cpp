#include "dialogs/TSplash.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>

#include "assets/EmbeddedAssets.h"
#include "assets/ProgramPictures.h"
#include "dialogs/ModalResult.h"

namespace spindora {

TSplash::TSplash(QWidget* parent, const QPixmap& picture, int intervalMs)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      picture_(picture) {
    setObjectName(QStringLiteral("TSplash"));
    setModal(true);
    setFixedSize(200, 150);
    image_ = new QLabel(this);
    image_->setObjectName(QStringLiteral("Image1"));
    image_->setGeometry(0, 0, 200, 150);
    image_->setPixmap(picture);
    // A click on the picture reaches the window.
    image_->setAttribute(Qt::WA_TransparentForMouseEvents);
    timer_.setInterval(intervalMs);
    connect(&timer_, &QTimer::timeout, this, [this] { Click(); });
    timer_.start();
    zoom_.emplace(*this);
}

void TSplash::SetZoom(double zoom) {
    if (!zoom_->Set(zoom)) return;
    image_->setPixmap(zoom == 1.0 ? picture_
                                  : zoom_->Picture(SplashPictureAt(zoom_->ArtScale()),
                                                   QSize(kSplashWidth, kSplashHeight)));
}

void TSplash::Click() {
    if (!isVisible()) return;
    // The splash shows once a run; later ticks would only cost the idle program time.
    timer_.stop();
    done(kModalOk);
}

void TSplash::showEvent(QShowEvent* event) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect desktop = screen->geometry();
        move(desktop.left() + (desktop.width() - width()) / 2,
             desktop.top() + (desktop.height() - height()) / 2);
    }
    QDialog::showEvent(event);
}

void TSplash::mousePressEvent(QMouseEvent* event) {
    event->accept();
    Click();
}

// Every key, Escape too, ends the picture as its tick would: a dialog's own keys would
// reject it instead.
void TSplash::keyPressEvent(QKeyEvent* event) {
    event->accept();
    Click();
}

}  // namespace spindora
