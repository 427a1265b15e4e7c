#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <csignal>

#include "dialogs/HighscoreList.h"
#include "game/LevelKey.h"
#include "shell/ShownMainForm.h"
#include "shell/ZibboDeal.h"

namespace spindora {
namespace {

using test::TypeInto;
using test::AfterTheSplash;
using test::WhenModalActive;

// Names typed after a win come back exactly as typed after a restart, letter for letter:
// what looks like markup is shown as text and never read.
TEST(HighscoreWindow, ASolvedGamesNameAndTimeOutliveARestart) {
    for (const QString& name : {QStringLiteral("Jörg Ötzi, Esq."), QStringLiteral("<img src=/dev/zero>"),
                                QStringLiteral("<b>x</b>"), QStringLiteral("&amp;"),
                                QChar(0x200F) + QStringLiteral("Dana Levi from Tel Aviv!"), QString()}) {
        SCOPED_TRACE(name.toStdString());
        const QString config = test::SettingsFile();
        int32_t solvedIn = -1;
        QString cheer;
        AfterTheSplash([&](TMainForm& form) {
            const std::vector<QPoint> presses = test::UndoingPresses(99);
            ASSERT_FALSE(presses.empty());
            // The solved notice, then the list with the name box over the new first row.
            WhenModalActive([&](QWidget* notice) {
                if (auto* done = qobject_cast<MessageDlg*>(notice)) cheer = done->msg()->text();
                TypeInto(notice, {Qt::Key_Return});
                WhenModalActive([&](QWidget* list) {
                    EXPECT_EQ(list, form.highscoreDialog());
                    EXPECT_EQ(form.highscoreDialog()->EditRow, 0);
                    form.highscoreDialog()->Edit1()->clear();
                    for (const QChar c : name) {
                        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
                        QApplication::sendEvent(QApplication::focusWidget(), &key);
                    }
                    TypeInto(list, {Qt::Key_Return});
                });
            });
            for (const QPoint at : presses) {
                QTest::mouseClick(form.boardWidget(), Qt::RightButton, {}, at);
                form.flow().TimerTimer();
            }
            EXPECT_EQ(form.flow().GameState(0), kSolved);
            solvedIn = form.flow().ClockTicks(0);
        });
        ASSERT_EQ(RunGame({"--seed", "99", "--config", config}, QStringLiteral(SPINDORA_BUILD_DIR)), 0);
        EXPECT_EQ(cheer, "Hurrah, you did it!");
        ASSERT_GT(solvedIn, 0);

        // Started again, the highscore button shows the list as it was left.
        std::vector<QString> names, times;
        bool clockStopped = false, plain = false;
        QString player;
        AfterTheSplash([&](TMainForm& form) {
            // The list takes the name stored when the game started, whatever is stored later.
            SettingsStore(config).WriteText("highscore", "player", "Someone Else");
            WhenModalActive([&](QWidget* list) {
                clockStopped = !form.timer().isActive();
                player = form.highscoreDialog()->PlayerName;
                for (int row = 0; row < 5; ++row) {
                    names.push_back(form.highscoreDialog()->pla(row)->text());
                    times.push_back(form.highscoreDialog()->sco(row)->text());
                }
                plain = form.highscoreDialog()->pla(0)->textFormat() == Qt::PlainText;
                EXPECT_FALSE(form.highscoreDialog()->Edit1()->isVisible());
                TypeInto(list, {Qt::Key_Escape});
            });
            QTest::mouseClick(form.findChild<QToolButton*>("HighScoreBtn"), Qt::LeftButton);
        });
        ASSERT_EQ(RunGame({"--seed", "99", "--config", config}, QStringLiteral(SPINDORA_BUILD_DIR)), 0);
        EXPECT_TRUE(clockStopped);
        EXPECT_EQ(player, name);
        EXPECT_EQ(names, (std::vector<QString>{name, "Mr. Brain", "Mr. Brain", "Mr. Brain", "Mr. Brain"}));
        EXPECT_EQ(times, (std::vector<QString>{QString::number(solvedIn), "-----", "-----", "-----", "-----"}));
        EXPECT_TRUE(plain) << "the name is shown as markup";
    }
}

// A new best time is on disk as soon as its list closes, before the game ends: a crash
// later in the run cannot take it.
TEST(HighscoreWindow, ANewBestTimeIsOnDiskBeforeTheRunEnds) {
    SeededRandom random(4);
    auto form = test::ShownForm(random);
    ASSERT_NE(form, nullptr);
    const QString config = form->store().FilePath();
    WhenModalActive([](QWidget* list) { TypeInto(list, {Qt::Key_Return}); });
    form->ShowHighscore(123);
    QFile file(config);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("[highscore]\nplayer=Mr. Brain\n")) << text.constData();
}

// A log-out, a shutdown or Ctrl+C during the solved flow keeps the new time as OK would:
// under the name typed so far, or the stored one when the box holds none. A wipe that was
// ticked but never confirmed is no answer, and the game still saves and ends well.
TEST(HighscoreWindow, ASignalDuringTheSolvedFlowStillEntersTheNewTime) {
    enum class At { Notice, NameTyped, NameEmptiedAndWipeTicked };
    const struct { At at; int signal; QString name; } rows[] = {
        {At::Notice, SIGTERM, "Ada"},
        {At::NameTyped, SIGHUP, "Zed"},
        {At::NameEmptiedAndWipeTicked, SIGINT, "Ada"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.signal);
        const QString config = test::SettingsFile("[common]\ntongue=0\n[highscore]\nplayer=Ada\n");
        QString key;
        int32_t solvedIn = -1;
        QTimer::singleShot(0, [&] {
            WhenModalActive([&](QWidget* splash) {
                QTest::mouseClick(splash, Qt::LeftButton);
                QTimer::singleShot(0, [&] {
                    TMainForm* form = test::VisibleMainForm();
                    ASSERT_NE(form, nullptr);
                    test::DriveClockByHand(*form);
                    key = LevelKeyFor(form->flow().CurrentMode(), form->flow().Levels());
                    SaveHighscores(form->store(), key, HighscoreList{HighscoreEntry{"Old", 99999}});
                    WhenModalActive([&, form](QWidget* notice) {
                        if (row.at == At::Notice) return (void)std::raise(row.signal);
                        TypeInto(notice, {Qt::Key_Return});
                        WhenModalActive([&, form](QWidget*) {
                            THighscoreDlg& list = *form->highscoreDialog();
                            list.Edit1()->clear();
                            if (row.at == At::NameTyped) QTest::keyClicks(list.Edit1(), row.name);
                            else list.ClearBox()->setChecked(true);
                            std::raise(row.signal);
                        });
                    });
                    for (const QPoint at : test::UndoingPresses(99)) {
                        QTest::mouseClick(form->boardWidget(), Qt::RightButton, {}, at);
                        form->flow().TimerTimer();
                    }
                    solvedIn = form->flow().ClockTicks(0);
                });
            });
        });
        ASSERT_EQ(RunGame({"--seed", "99", "--config", config}, QStringLiteral(SPINDORA_BUILD_DIR)), 0);
        ASSERT_GT(solvedIn, 0);
        const SettingsStore saved(config);
        const HighscoreList list = LoadHighscores(saved, key);
        EXPECT_EQ(list[0].name.toStdString(), row.name.toStdString());
        EXPECT_EQ(list[0].time, solvedIn);
        EXPECT_EQ(list[1].name.toStdString(), "Old");
        EXPECT_EQ(list[1].time, 99999);
        EXPECT_EQ(saved.ReadText("highscore", "player", "").toStdString(), row.name.toStdString());
        EXPECT_NE(saved.ReadText("Common", "MainForm", ""), "") << "the settings were saved too";
    }
}

}  // namespace
}  // namespace spindora
