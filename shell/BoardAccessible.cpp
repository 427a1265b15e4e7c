#include "shell/BoardAccessible.h"

#include <QPointer>
#include <QWidget>
#include <QWindow>

#include "shell/BoardVoice.h"
#include "shell/BoardWidget.h"

namespace spindora {
namespace {

const BoardWords kNoWords;

const BoardWords& WordsOf(const QWidget* board) {
    const BoardVoice* voice = VoiceOf(board);
    return voice ? voice->Words() : kNoWords;
}

// One piece of the board. It has no object of its own: the board's voice holds its words.
class PieceAccessible final : public QAccessibleInterface {
public:
    PieceAccessible(QWidget* board, int index) : board_(board), index_(index) {}

    bool isValid() const override {
        return board_ && index_ < static_cast<int>(WordsOf(board_).pieces.size());
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return board_ ? board_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(board_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text t) const override {
        if (!isValid()) return {};
        if (t == QAccessible::Name) return Piece().name;
        if (t == QAccessible::Description) return Piece().description;
        return {};
    }
    QRect rect() const override {
        if (!isValid()) return {};
        // Where the piece shows at the window's zoom.
        const QRect shown = static_cast<const BoardWidget*>(board_.data())->ShownRect(Piece().area);
        return QRect(board_->mapToGlobal(shown.topLeft()), shown.size());
    }
    // A press target is pressed with the keys like a button; the pieces a ring turns are
    // only read.
    QAccessible::Role role() const override { return IsTarget() ? QAccessible::Button : QAccessible::StaticText; }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) return state;
        state.invisible = !board_->isVisible();
        state.focusable = IsTarget();
        state.focused = VoiceOf(board_)->FocusedPiece() == index_;
        return state;
    }

private:
    const BoardPiece& Piece() const { return WordsOf(board_).pieces[static_cast<size_t>(index_)]; }
    bool IsTarget() const { return isValid() && index_ < WordsOf(board_).targets; }

    QPointer<QWidget> board_;
    int index_;
};

}  // namespace

BoardAccessible::BoardAccessible(QWidget* board) : QAccessibleWidget(board, QAccessible::Pane) {}

BoardAccessible::~BoardAccessible() {
    for (const QAccessible::Id id : children_) QAccessible::deleteAccessibleInterface(id);
}

QString BoardAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Description) return VoiceOf(widget()) ? VoiceOf(widget())->Announcement() : QString();
    return QAccessibleWidget::text(t);
}

int BoardAccessible::childCount() const { return static_cast<int>(WordsOf(widget()).pieces.size()); }

QAccessibleInterface* BoardAccessible::child(int index) const {
    if (index < 0 || index >= childCount()) return nullptr;
    while (static_cast<int>(children_.size()) <= index)
        children_.push_back(QAccessible::registerAccessibleInterface(
            new PieceAccessible(widget(), static_cast<int>(children_.size()))));
    return QAccessible::accessibleInterface(children_[static_cast<size_t>(index)]);
}

int BoardAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (int i = 0; i < static_cast<int>(children_.size()) && i < childCount(); ++i)
        if (QAccessible::accessibleInterface(children_[static_cast<size_t>(i)]) == child) return i;
    return -1;
}

QAccessibleInterface* BoardAccessible::childAt(int x, int y) const {
    // The last piece under the point: the rings come before the pieces they turn.
    for (int i = childCount() - 1; i >= 0; --i)
        if (child(i)->rect().contains(x, y)) return child(i);
    return nullptr;
}

QAccessibleInterface* BoardAccessible::focusChild() const {
    const int focused = VoiceOf(widget()) ? VoiceOf(widget())->FocusedPiece() : -1;
    return focused >= 0 ? child(focused) : QAccessibleWidget::focusChild();
}

}  // namespace spindora
