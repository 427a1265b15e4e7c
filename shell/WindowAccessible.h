#pragma once
#include <QAccessibleWidget>

namespace spindora {

// The main window for screen readers: a frame whose children are its widgets and, last, a
// status line holding the window's news (shell/NewsLine.h) as one notification.
class WindowAccessible final : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget* window);
    ~WindowAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

private:
    QAccessible::Id statusLine_;
};

}  // namespace spindora
