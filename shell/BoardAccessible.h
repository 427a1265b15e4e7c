#pragma once
#include <QAccessibleWidget>
#include <vector>

namespace spindora {

// The board as screen readers walk it: a panel whose children are its pieces, named in
// words, with the keyboard focus on the piece the keys press. Its description is the last
// thing the game announced on it. Its words come from the board's voice; a board without
// one yet is a panel with no pieces.
class BoardAccessible final : public QAccessibleWidget {
public:
    explicit BoardAccessible(QWidget* board);
    ~BoardAccessible() override;

    QAccessible::Role role() const override { return QAccessible::Pane; }
    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

private:
    // A piece keeps its interface, and so its place in the client's tree, across moves and
    // deals; only its words change.
    mutable std::vector<QAccessible::Id> children_;
};

}  // namespace spindora
