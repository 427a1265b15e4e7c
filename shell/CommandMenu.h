#pragma once
#include <QKeySequence>
#include <QMenu>
#include <array>
#include <functional>

namespace spindora {

// Every command of the game, in the menu's order.
enum class Command { Hint, Solution, Undo, Redo, ZoomIn, ZoomOut, ActualSize, FullScreen, KeepGames, BestTimes, Help };
inline constexpr int kCommands = 11;

// The menu that finds every command with its key: a real QMenu, so that screen readers
// read it as a menu. Whether an item can act is asked each time the menu opens.
class CommandMenu final : public QMenu {
public:
    struct Hooks {
        std::function<void(Command)> act;
        std::function<bool(Command)> canAct;
        // For the check items; false for the others.
        std::function<bool(Command)> isOn;
    };
    CommandMenu(QWidget* parent, Hooks hooks);

    void ApplyTexts(int tongue);
    // Greys the items that cannot act now and sets the check items.
    void Refresh();
    QAction* ActionOf(Command command) const { return actions_[static_cast<size_t>(command)]; }

private:
    Hooks hooks_;
    std::array<QAction*, kCommands> actions_{};
};

// A key as the menu names it in `tongue`.
QString KeyText(const QKeySequence& key, int tongue);

}  // namespace spindora
