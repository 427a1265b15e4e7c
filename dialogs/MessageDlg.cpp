#include "dialogs/MessageDlg.h"

#include <QPainter>
#include <QStyle>

#include "assets/EmbeddedAssets.h"
#include "dialogs/ModalResult.h"

namespace spindora {

inline constexpr int kDlgWidth = 250;
inline constexpr int kDlgHeight = 125;
inline constexpr int kButtonHeight = 27;
inline constexpr QRect kMessageFrame{8, 8, 233, 45};

MessageDlg::MessageDlg(const MessageDlgLayout& layout, QWidget* mainWindow, const int& tongue,
                       const QImage& background)
    : QDialog(mainWindow, Qt::Dialog | Qt::FramelessWindowHint |
                              (layout.staysOnTop ? Qt::WindowStaysOnTopHint : Qt::WindowFlags())),
      layout_(layout), mainWindow_(mainWindow), tongue_(tongue), background_(background) {
    setObjectName(QString::fromLatin1(layout.className));
    setModal(true);
    setFixedSize(kDlgWidth, kDlgHeight);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);

    msg_ = new QLabel(this);
    msg_->setObjectName(QString::fromLatin1(layout.labelName));
    msg_->setGeometry(layout.label);
    msg_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    msg_->setWordWrap(true);
    msg_->setAttribute(Qt::WA_TranslucentBackground);
    QFont labelFont(QStringLiteral("Arial"));
    labelFont.setBold(true);
    labelFont.setPixelSize(layout.labelPixels);
    msg_->setFont(labelFont);
    msg_->setStyleSheet(QStringLiteral("color: black; background: transparent;"));

    auto makeButton = [this](const QRect& place, const char* name) {
        auto* button = new QPushButton(this);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(QRect(place.topLeft(), QSize(place.width(), kButtonHeight)));
        return button;
    };
    ok_ = makeButton(layout.okBtn, "OKBtn");
    ok_->setIcon(GlyphIcon(layout.okGlyph));
    ok_->setIconSize(QSize(LayoutOf(layout.okGlyph).width / LayoutOf(layout.okGlyph).images,
                           LayoutOf(layout.okGlyph).height));
    ok_->setDefault(true);
    ok_->setAutoDefault(true);
    connect(ok_, &QPushButton::clicked, this, [this] { done(kModalOk); });

    if (!layout.cancelBtn.isEmpty()) {
        cancel_ = makeButton(layout.cancelBtn, "CancelBtn");
        cancel_->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
        // Enter answers with the button that has the focus: a player who tabs to "No"
        // and presses Enter must not give up the game.
        cancel_->setAutoDefault(true);
        connect(cancel_, &QPushButton::clicked, this, [this] { done(kModalCancel); });
    }
}

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
    const int top = background_.height() - height();
    painter.drawImage(QPoint(0, 0), background_, QRect(0, top, width(), height()));
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(0, 0, width() - 1, height() - 1));
    painter.drawRect(kMessageFrame.adjusted(0, 0, -1, -1));
}

}  // namespace spindora
