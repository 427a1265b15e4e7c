#include "shell/CommandMenu.h"

#include "dialogs/Texts.h"

namespace spindora {
namespace {

struct Item {
    Command command;
    TextPair text;
    QKeySequence key;
    bool checkable;
    // A line before the item.
    bool group;
};

const std::array<Item, kCommands>& Items() {
    static const std::array<Item, kCommands> items{{
        {Command::Hint, {"Tipp", "Hint"}, QKeySequence(Qt::Key_H), false, false},
        {Command::Solution, {"Lösung zeigen", "Show the solution"}, QKeySequence(Qt::SHIFT | Qt::Key_H), false, false},
        {Command::Undo, {"Rückgängig", "Undo"}, QKeySequence(Qt::CTRL | Qt::Key_Z), false, true},
        {Command::Redo, {"Wiederholen", "Redo"}, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), false, false},
        {Command::ZoomIn, {"Vergrößern", "Zoom in"}, QKeySequence(Qt::CTRL | Qt::Key_Plus), false, true},
        {Command::ZoomOut, {"Verkleinern", "Zoom out"}, QKeySequence(Qt::CTRL | Qt::Key_Minus), false, false},
        {Command::ActualSize, {"Originalgröße", "Actual size"}, QKeySequence(Qt::CTRL | Qt::Key_0), false, false},
        {Command::FullScreen, {"Vollbild", "Full screen"}, QKeySequence(Qt::Key_F11), true, false},
        {Command::KeepGames, {"Unfertige Spiele behalten", "Keep unfinished games"}, QKeySequence(), true, true},
        {Command::BestTimes, {"Bestzeiten", "Best times"}, QKeySequence(Qt::CTRL | Qt::Key_H), false, true},
        {Command::Help, {"Hilfe", "Help"}, QKeySequence(Qt::Key_F1), false, false},
    }};
    return items;
}

}  // namespace

QString KeyText(const QKeySequence& key, int tongue) {
    QString text = key.toString(QKeySequence::PortableText);
    if (IsGerman(tongue))
        text.replace(QStringLiteral("Ctrl+"), QStringLiteral("Strg+")).replace(QStringLiteral("Shift+"), QStringLiteral("Umschalt+"));
    return text;
}

CommandMenu::CommandMenu(QWidget* parent, Hooks hooks) : QMenu(parent), hooks_(std::move(hooks)) {
    setObjectName(QStringLiteral("CommandMenu"));
    for (const Item& item : Items()) {
        if (item.group) addSeparator();
        QAction* action = addAction(QString());
        action->setCheckable(item.checkable);
        const Command command = item.command;
        connect(action, &QAction::triggered, this, [this, command] { hooks_.act(command); });
        actions_[static_cast<size_t>(command)] = action;
    }
    connect(this, &QMenu::aboutToShow, this, &CommandMenu::Refresh);
}

void CommandMenu::ApplyTexts(int tongue) {
    // The key goes after a tab, where the menu shows keys; named in the player's language
    // rather than as a shortcut of the action, which would compete with the window's keys.
    for (const Item& item : Items()) {
        QString text = Pick(item.text, tongue);
        if (!item.key.isEmpty()) text += QLatin1Char('\t') + KeyText(item.key, tongue);
        ActionOf(item.command)->setText(text);
    }
}

void CommandMenu::Refresh() {
    for (const Item& item : Items()) {
        QAction* action = ActionOf(item.command);
        action->setEnabled(hooks_.canAct(item.command));
        if (item.checkable) action->setChecked(hooks_.isOn(item.command));
    }
}

}  // namespace spindora
