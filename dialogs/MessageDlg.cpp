#include "dialogs/MessageDlg.h"

#include <QPainter>
#include <QStyle>

#include "dialogs/BalancedLabel.h"
#include "dialogs/ButtonFinish.h"
#include "dialogs/DialogParts.h"
#include "dialogs/ModalResult.h"

namespace spindora {

inline constexpr int kDlgWidth = 250;
inline constexpr int kDlgHeight = 125;
inline constexpr QRect kMessageFrame{8, 8, 233, 45};

MessageDlg::MessageDlg(const MessageDlgLayout& layout, QWidget* mainWindow, const Tongue& tongue,
                       const QImage& background)
    : QDialog(mainWindow, Qt::Dialog | Qt::FramelessWindowHint |
                              (layout.staysOnTop ? Qt::WindowStaysOnTopHint : Qt::WindowFlags())),
      layout_(layout), mainWindow_(mainWindow), tongue_(tongue), background_(background) {
    setObjectName(QString::fromLatin1(layout.className));
    setModal(true);
    setFixedSize(kDlgWidth, kDlgHeight);
    setFont(PixelFont("MS Sans Serif", 11));

    msg_ = new BalancedLabel(this);
    msg_->setObjectName(QString::fromLatin1(layout.labelName));
    msg_->setGeometry(layout.label);
    msg_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    msg_->setWordWrap(true);
    msg_->setAttribute(Qt::WA_TranslucentBackground);
    msg_->setFont(PixelFont("Arial", layout.labelPixels, true));
    msg_->setStyleSheet(QStringLiteral("color: black; background: transparent;"));

    ok_ = MakeGlyphButton(this, "OKBtn", layout.okBtn, layout.okGlyph);
    ok_->setDefault(true);
    ok_->setAutoDefault(true);
    connect(ok_, &QPushButton::clicked, this, [this] { done(kModalOk); });

    if (!layout.cancelBtn.isEmpty()) {
        cancel_ = new QPushButton(this);
        cancel_->setObjectName(QStringLiteral("CancelBtn"));
        cancel_->setGeometry(QRect(layout.cancelBtn.topLeft(),
                                   QSize(layout.cancelBtn.width(), kDialogButtonHeight)));
        cancel_->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
        GiveGameFinish(cancel_);
        // Enter answers with the button that has the focus: a player who tabs to "No"
        // and presses Enter must not give up the game.
        cancel_->setAutoDefault(true);
        connect(cancel_, &QPushButton::clicked, this, [this] { done(kModalCancel); });
    }
    zoom_.emplace(*this);
}

void MessageDlg::SetZoom(double zoom) { zoom_->Set(zoom); }

QPoint MessageDlg::CentredOver(const QRect& mainFrame, QSize size) {
    // Integer division truncates toward zero, as the placement wants.
    return {mainFrame.left() + (mainFrame.width() - size.width()) / 2,
            mainFrame.top() + (mainFrame.height() - size.height()) / 2};
}

void MessageDlg::reject() {
    // Escape is the cancel button's key; a window without one stays until OK.
    if (cancel_) done(kModalCancel);
}

void MessageDlg::FormActivate() {
    if (mainWindow_) move(CentredOver(mainWindow_->frameGeometry(), size()));
    setWindowTitle(Pick(layout_.title, tongue_));
    msg_->setText(Pick(layout_.message, tongue_));
    ok_->setText(Pick(layout_.okText, tongue_));
    if (cancel_) cancel_->setText(Pick(layout_.cancelText, tongue_));
    ok_->setFocus();
}

void MessageDlg::showEvent(QShowEvent* event) {
    FormActivate();
    QDialog::showEvent(event);
}

void MessageDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    zoom_->PaintFace(painter, background_, {kMessageFrame});
}

}  // namespace spindora
