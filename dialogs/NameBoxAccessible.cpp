#include "dialogs/NameBoxAccessible.h"

#include <QAccessibleWidget>
#include <QFontMetrics>

#include "dialogs/NameBox.h"

namespace spindora {
namespace {

class NameBoxAccessible final : public QAccessibleWidget,
                                public QAccessibleTextInterface,
                                public QAccessibleEditableTextInterface {
public:
    explicit NameBoxAccessible(NameBox* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !box()->isReadOnly();
        state.selectableText = true;
        return state;
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? box()->text() : QAccessibleWidget::text(t);
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface) return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The selection, once the player has edited the box.
    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index != 0 || selectionCount() == 0) return;
        *start = box()->selectionStart();
        *end = *start + static_cast<int>(box()->selectedText().size());
    }
    int selectionCount() const override { return box()->isModified() && box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { box()->deselect(); }
    void setSelection(int, int start, int end) override { box()->setSelection(start, end - start); }

    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    QString text(int start, int end) const override { return box()->text().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(box()->text().size()); }
    QRect characterRect(int offset) const override {
        if (offset < 0 || offset >= characterCount()) return {};
        const QFontMetrics metrics(box()->font());
        const QString text = box()->text();
        const QRect inside = box()->contentsRect().marginsRemoved(box()->textMargins());
        const QRect glyph(inside.left() + metrics.horizontalAdvance(text.left(offset)), inside.top(),
                          metrics.horizontalAdvance(text.at(offset)), inside.height());
        return QRect(box()->mapToGlobal(glyph.topLeft()), glyph.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        for (int i = 0; i < characterCount(); ++i)
            if (characterRect(i).contains(point)) return i;
        return -1;
    }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override {
        *start = offset;
        *end = offset + 1;
        return {};
    }

    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override {
        box()->setSelection(start, end - start);
        box()->insert(text);
    }

private:
    NameBox* box() const { return static_cast<NameBox*>(widget()); }
};

}  // namespace

QAccessibleInterface* MakeNameBoxAccessible(NameBox* box) { return new NameBoxAccessible(box); }

}  // namespace spindora
