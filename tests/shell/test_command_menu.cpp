// The menu of every command, and Shift+H playing the solution, in the real window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>

#include "dialogs/MessageDlg.h"
#include "puzzles/zibbo/Zibbo.h"
#include "shell/ShownMainForm.h"

namespace spindora {
namespace {

using test::Key;

// The menu's items as it shows them when it opens, and which of them are grey.
QStringList Texts(TMainForm& form, bool greyOnly = false) {
    QStringList items;
    form.commandMenu()->Refresh();
    for (QAction* action : form.commandMenu()->actions())
        if (!action->isSeparator() && (!greyOnly || !action->isEnabled()))
            items << (greyOnly ? action->text().section('\t', 0, 0) : action->text());
    return items;
}

TEST(CommandMenu, GreysWhatCannotActAndNamesEachKeyInTheLanguage) {
    SeededRandom random(5);
    auto form = test::ShownForm(random);
    ASSERT_NE(form, nullptr);
    const struct { std::vector<QKeyCombination> keys; QStringList grey; } rows[] = {
        {{}, {"Undo", "Redo", "Zoom out", "Actual size"}},
        {{Qt::Key_Space}, {"Redo", "Zoom out", "Actual size"}},
        {{Qt::CTRL | Qt::Key_Z}, {"Undo", "Zoom out", "Actual size"}},
        {{Qt::CTRL | Qt::Key_Plus}, {"Undo"}},
        {{Qt::CTRL | Qt::SHIFT | Qt::Key_Z}, {"Redo"}},
    };
    for (const auto& row : rows) {
        for (const QKeyCombination key : row.keys) test::Key(*form, key.key(), key.keyboardModifiers());
        EXPECT_EQ(Texts(*form, true).join(", ").toStdString(), row.grey.join(", ").toStdString()) << row.keys.size();
    }
    EXPECT_EQ(Texts(*form).join("|").toStdString(),
              "Hint\tH|Show the solution\tShift+H|Undo\tCtrl+Z|Redo\tCtrl+Shift+Z|Zoom in\tCtrl++|Zoom out\tCtrl+-|"
              "Actual size\tCtrl+0|Full screen\tF11|Keep unfinished games|Best times\tCtrl+H|Help\tF1");
    form->flow().tongue.Set(1);
    form->ApplyCaptions();
    EXPECT_EQ(Texts(*form).join("|").toStdString(),
              "Tipp\tH|Lösung zeigen\tUmschalt+H|Rückgängig\tStrg+Z|Wiederholen\tStrg+Umschalt+Z|Vergrößern\tStrg++|"
              "Verkleinern\tStrg+-|Originalgröße\tStrg+0|Vollbild\tF11|Unfertige Spiele behalten|Bestzeiten\tStrg+H|Hilfe\tF1");

    // The menu opens on the Menu key and on a right click of the tool bar or the frame; on the board a right click plays.
    for (const Qt::Key key : {Qt::Key_Menu, Qt::Key_F10}) {
        Key(*form, key, key == Qt::Key_F10 ? Qt::ShiftModifier : Qt::NoModifier);
        EXPECT_TRUE(form->commandMenu()->isVisible()) << key;
        form->commandMenu()->hide();
    }
    // A right click's menu event, as the window system makes it, starts at the widget clicked.
    const auto rightClick = [&](QWidget* widget, QPoint at = QPoint(2, 2)) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
        QApplication::sendEvent(widget, &event);
        const bool opened = form->commandMenu()->isVisible();
        form->commandMenu()->hide();
        return opened;
    };
    EXPECT_TRUE(rightClick(form->findChild<QWidget*>("ToolPanel")));
    EXPECT_TRUE(rightClick(form->findChild<QWidget*>("MixBtn")));
    EXPECT_FALSE(rightClick(form->boardWidget(), QPoint(150, 150)));
    EXPECT_TRUE(rightClick(form->boardWidget(), QPoint(2, 200))) << "the wood's outer band";
    EXPECT_FALSE(rightClick(form->findChild<QWidget*>("OptionBtn")));
    form->flow().FormClose();
}

TEST(SolutionPlay, PlaysToTheSolveWithoutABestTimeAndAKeyStopsIt) {
    for (const auto& [mode, seed] : {std::pair{kZibbo, 11}, {kKolluk, 12}}) {
        SeededRandom random(seed);
        auto form = test::ShownForm(random, QStringLiteral("[common]\ntongue=0\nmode=%1\n").arg(mode));
        ASSERT_NE(form, nullptr);
        GameFlow& flow = form->flow();
        QString message;
        test::WhenModalActive([&](QWidget* done) {
            test::TypeInto(done, {Qt::Key_Return});
            test::WhenModalActive([&](QWidget* next) {
                auto* hinted = qobject_cast<MessageDlg*>(next);
                message = hinted ? hinted->msg()->text() : next->objectName();
                test::TypeInto(next, {hinted ? Qt::Key_Return : Qt::Key_Escape});
            });
        });
        Key(*form, Qt::Key_H, Qt::ShiftModifier);
        form->solution().timer().stop();  // stepped by hand
        for (int steps = 0; form->solution().Playing() && steps < 200; ++steps) {
            form->hints().worker().WaitIdle();
            QApplication::processEvents();
            form->solution().Step();
        }
        EXPECT_EQ(flow.GameState(mode), kSolved) << mode;
        EXPECT_FALSE(form->CanAct(Command::Hint) || form->CanAct(Command::Solution)) << "greyed once solved";
        EXPECT_EQ(message.toStdString(), "Solved with a hint: this time is not entered in the best times.");
        QApplication::processEvents();
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "no best times list follows";

        // On a new deal a key stops the play, and does nothing else.
        Key(*form, Qt::Key_F2);
        const uint64_t before = flow.MovesBegun();
        Key(*form, Qt::Key_H, Qt::ShiftModifier);
        form->solution().timer().stop();
        form->hints().worker().WaitIdle();
        QApplication::processEvents();
        form->solution().Step();
        const uint64_t moves = flow.MovesBegun();
        EXPECT_EQ(moves, before + 1) << "one move of the solution";
        Key(*form, Qt::Key_Space);
        EXPECT_FALSE(form->solution().Playing());
        form->solution().Step();
        EXPECT_EQ(flow.MovesBegun(), moves);
        flow.FormClose();
    }
}

}  // namespace
}  // namespace spindora
