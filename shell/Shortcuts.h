#pragma once
#include <QKeySequence>
#include <functional>
#include <initializer_list>

class QAbstractButton;
class QWidget;

namespace spindora {

struct ButtonKey {
    QKeySequence key;
    QAbstractButton* button;
};

// Each key clicks its tool-bar button anywhere in `window`: exactly what a click does, and
// nothing while the button is disabled.
void AddButtonKeys(QWidget& window, std::initializer_list<ButtonKey> keys);

// A key of the window that no button stands for.
struct ActionKey {
    QKeySequence key;
    std::function<void()> act;
};

void AddActionKeys(QWidget& window, std::initializer_list<ActionKey> keys);

}  // namespace spindora
