#include "shell/TTongueDlg.h"

#include <QFrame>
#include <QLabel>

#include "dialogs/DialogParts.h"
#include "shell/Captions.h"
#include "assets/EmbeddedAssets.h"
#include "shell/ShellView.h"

namespace spindora {

TTongueDlg::TTongueDlg(QWidget* mainWindow, int& tongue)
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

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image4"));
    image->setGeometry(28, 28, 37, 37);
    image->setAlignment(Qt::AlignCenter);
    image->setPixmap(ProgramIcon().pixmap(32, 32));

    auto makeButton = [this](const char* name, int top, Glyph glyph, const QString& text) {
        auto* button = new QPushButton(GlyphIcon(glyph), text, this);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(84, top, 221, 27);
        const GlyphLayout& info = LayoutOf(glyph);
        button->setIconSize(QSize(info.width / info.images, info.height));
        button->setAutoDefault(true);
        return button;
    };
    // The answers are the same in both languages: each is written in its own.
    english_ = makeButton("EnglishBtn", 16, Glyph::EnglishFlags, QStringLiteral("I speak english."));
    german_ = makeButton("GermanBtn", 48, Glyph::GermanFlags, QStringLiteral("Ich spreche deutsch."));
    english_->setDefault(true);
    setTabOrder(english_, german_);
    connect(english_, &QPushButton::clicked, this, [this] { EnglishBtnClick(); });
    connect(german_, &QPushButton::clicked, this, [this] { GermanBtnClick(); });
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
    tongue_ = 0;
    done(kModalOk);
}

void TTongueDlg::GermanBtnClick() {
    tongue_ = 1;
    done(kModalOk);
}

}  // namespace spindora
