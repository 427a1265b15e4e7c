#include "dialogs/NameBox.h"

#include <QFocusEvent>
#include <utility>

namespace spindora {

NameBox::NameBox(const QString& name, QWidget* parent) : QLineEdit(name, parent) {}

void NameBox::Offer(const QString& name) {
    if (text() != name) setText(name);
    setModified(false);
}

void NameBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    selectedByClick_ = false;
    if (isModified()) return;
    selectAll();
    // The press that gave the focus would put the cursor where it landed and drop the selection.
    selectedByClick_ = event->reason() == Qt::MouseFocusReason;
}

void NameBox::mousePressEvent(QMouseEvent* event) {
    if (std::exchange(selectedByClick_, false)) return;
    QLineEdit::mousePressEvent(event);
}

}  // namespace spindora
