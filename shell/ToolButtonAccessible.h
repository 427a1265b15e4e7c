#pragma once
#include <QAbstractButton>
#include <QAccessibleWidget>

namespace spindora {

// A tool-bar button for screen readers. A toggle reads as a check box that is checked
// exactly while what it names is on: the music button, disabled for want of music, keeps its
// stored state down but reads unchecked, as the music is off.
class ToolButtonAccessible final : public QAccessibleWidget {
public:
    explicit ToolButtonAccessible(QAbstractButton* button);

    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

// Tells screen readers that `button`'s checked state may read differently now: its own
// checked flag did not change, but whether it may act did.
void TellToggleState(QAbstractButton& button);

}  // namespace spindora
