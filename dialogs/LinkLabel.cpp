#include "dialogs/LinkLabel.h"

#include <QDesktopServices>
#include <QMouseEvent>

namespace spindora {

bool OpenThroughDesktop(const QUrl& url) { return QDesktopServices::openUrl(url); }

LinkLabel::LinkLabel(QWidget* parent, const char* name, QPoint at, const QString& text,
                     QUrl target, UrlOpener open)
    : QLabel(text, parent), target_(std::move(target)), open_(std::move(open)) {
    setObjectName(QString::fromLatin1(name));
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setCursor(Qt::PointingHandCursor);
    setToolTip(target_.toString());
    SetPressed(false);
    move(at);
    adjustSize();
}

void LinkLabel::SetPressed(bool pressed) {
    setStyleSheet(pressed ? QStringLiteral("QLabel { color: yellow; }")
                          : QStringLiteral("QLabel { color: blue; } QLabel:disabled { color: gray; }"));
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) SetPressed(true);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    SetPressed(false);
    if (rect().contains(event->position().toPoint()) && !open_(target_)) setEnabled(false);
}

}  // namespace spindora
