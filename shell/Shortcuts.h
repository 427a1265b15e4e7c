#pragma once
#include <QKeySequence>
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

}  // namespace spindora
