#include "shell/TTongueDlg.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <algorithm>
#include <utility>

#include "dialogs/ButtonFinish.h"
#include "dialogs/DialogParts.h"
#include "shell/Captions.h"
#include "assets/EmbeddedAssets.h"
#include "game/ShellView.h"

namespace spindora {
namespace {

// The flag pictures differ in how much empty border they carry; cut to the flags and given
// one margin, both rows keep the same gap between their flags and their words.
// The icon gives its picture at the screen's density and the zoom's size: the cut and the
// margin go by its pixels.
QPixmap EvenlySpaced(const QIcon& icon, const GlyphLayout& info, double zoom) {
    QImage image = icon.pixmap(QSize(info.width / info.images, info.height) * zoom).toImage()
                       .convertToFormat(QImage::Format_ARGB32);
    const qreal density = image.devicePixelRatio();
    const int margin = qRound(3 * zoom * density);
    int left = image.width(), right = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    if (right < left) return QPixmap::fromImage(image);
    image.setDevicePixelRatio(1);  // copied pixel for pixel
    QImage spaced(right - left + 1 + 2 * margin, image.height(), QImage::Format_ARGB32_Premultiplied);
    spaced.fill(Qt::transparent);
    QPainter painter(&spaced);
    painter.drawImage(QPoint(margin, 0), image, QRect(left, 0, right - left + 1, image.height()));
    painter.end();
    spaced.setDevicePixelRatio(density);
    return QPixmap::fromImage(spaced);
}

}  // namespace

TTongueDlg::TTongueDlg(QWidget* mainWindow, Tongue& tongue)
    : QDialog(mainWindow, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint),
      mainWindow_(mainWindow), tongue_(tongue) {
    setObjectName(QStringLiteral("TTongueDlg"));
    setModal(true);
    setFixedSize(320, 91);
    setWindowTitle(WindowTitle());
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);  // 8 points
    setFont(font);

    auto* bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(8, 8, 305, 77);

    image_ = new QLabel(this);
    image_->setObjectName(QStringLiteral("Image4"));
    image_->setGeometry(28, 28, 37, 37);
    image_->setAlignment(Qt::AlignCenter);

    auto makeButton = [this](const char* name, int top, const QString& text) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(84, top, 221, 27);
        button->setAutoDefault(true);
        GiveGameFinish(button);
        return button;
    };
    // The answers are the same in both languages: each is written in its own.
    english_ = makeButton("EnglishBtn", 16, QStringLiteral("I speak english."));
    german_ = makeButton("GermanBtn", 48, QStringLiteral("Ich spreche deutsch."));
    english_->setDefault(true);
    setTabOrder(english_, german_);
    connect(english_, &QPushButton::clicked, this, [this] { EnglishBtnClick(); });
    connect(german_, &QPushButton::clicked, this, [this] { GermanBtnClick(); });
    zoom_.emplace(*this);
    ShowPictures();
}

void TTongueDlg::SetZoom(double zoom) {
    if (zoom_->Set(zoom)) ShowPictures();
}

void TTongueDlg::ShowPictures() {
    const double zoom = zoom_->Zoom();
    image_->setPixmap(ProgramIcon().pixmap(QSize(32, 32) * zoom));
    for (const auto& [button, glyph] : {std::pair{english_, Glyph::EnglishFlags},
                                        std::pair{german_, Glyph::GermanFlags}}) {
        const QPixmap flags =
            EvenlySpaced(GlyphIcon(glyph, 0, zoom_->ArtScale()), LayoutOf(glyph), zoom);
        button->setIcon(QIcon(flags));
        button->setIconSize(flags.deviceIndependentSize().toSize());
    }
}

QPoint TTongueDlg::PlaceOver(const QRect& mainFrame, int mainClientHeight, QSize size) {
    return PlaceOverClient(mainFrame, mainClientHeight, size);
}

void TTongueDlg::showEvent(QShowEvent* event) {
    if (mainWindow_)
        move(PlaceOver(mainWindow_->frameGeometry(), mainWindow_->height(), frameGeometry().size()));
    english_->setFocus();
    QDialog::showEvent(event);
}

void TTongueDlg::reject() { done(kModalCancel); }

void TTongueDlg::EnglishBtnClick() {
    tongue_.Set(0);
    done(kModalOk);
}

void TTongueDlg::GermanBtnClick() {
    tongue_.Set(1);
    done(kModalOk);
}

}  // namespace spindora
