#include "shell/Shortcuts.h"

#include <QAbstractButton>
#include <QShortcut>

namespace spindora {

void AddButtonKeys(QWidget& window, std::initializer_list<ButtonKey> keys) {
    for (const ButtonKey& key : keys) {
        auto* shortcut = new QShortcut(key.key, &window);
        // click() does nothing on a disabled button, just as the mouse cannot click it.
        QObject::connect(shortcut, &QShortcut::activated, key.button, &QAbstractButton::click);
    }
}

void AddActionKeys(QWidget& window, std::initializer_list<ActionKey> keys) {
    for (const ActionKey& key : keys) {
        auto* shortcut = new QShortcut(key.key, &window);
        QObject::connect(shortcut, &QShortcut::activated, &window, key.act);
    }
}

}  // namespace spindora
