#pragma once
// The main window as the game starts it, and a way to answer its modal windows from the
// keyboard, for the tests that drive the real window.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "shell/Startup.h"

namespace spindora::test {

// Runs `act` on the next modal window once it is open and active: a player acts on the
// window in front. Input simulation may run the event loop before the window exists or is
// activated, so it looks again until it is. An answer the test did not use dies with the
// test, so that it cannot answer a later test's window with that test's stale state.
inline void WhenModalActive(std::function<void(QWidget*)> act, int triesLeft = 500,
                            const testing::TestInfo* owner = nullptr) {
    if (!owner) owner = testing::UnitTest::GetInstance()->current_test_info();
    QTimer::singleShot(triesLeft == 500 ? 0 : 5, [act, triesLeft, owner] {
        if (testing::UnitTest::GetInstance()->current_test_info() != owner) return;
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isActiveWindow()) {
            if (triesLeft > 0) WhenModalActive(act, triesLeft - 1, owner);
            else ADD_FAILURE() << "no modal window opened and became active";
            return;
        }
        act(modal);
    });
}

// Types one key to whatever has the keys in `window`, as a player does.
inline void Key(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus && window.isAncestorOf(focus) ? focus : &window, key, modifiers);
}

// Types `keys` into the window in front, each to the widget that has the focus there.
inline void TypeInto(QWidget* window, const std::vector<Qt::Key>& keys) {
    for (const Qt::Key key : keys) Key(*window, key);
}

// What an assistive tool reads of the widget.
inline QString Accessible(QWidget* widget, QAccessible::Text text) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(text) : QStringLiteral("(none)");
}

// The widget as the screen shows it, overlays included.
inline QImage OnScreen(QWidget* widget) { return widget->grab().toImage().convertToFormat(QImage::Format_RGB32); }

// Answers the next modal window from the keyboard; `text` receives a message box's text.
inline void AnswerNextModal(std::vector<Qt::Key> keys, QString* text = nullptr) {
    WhenModalActive([keys, text](QWidget* modal) {
        if (text) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) *text = box->text();
        }
        TypeInto(modal, keys);
    });
}

inline void AnswerNextModal(Qt::Key key, QString* text = nullptr) {
    AnswerNextModal(std::vector<Qt::Key>{key}, text);
}

// Answers the next modal windows one after the other, each with its own keys: a solve
// brings the solved notice and then the highscore list.
inline void AnswerNextModals(std::vector<std::vector<Qt::Key>> answers) {
    if (answers.empty()) return;
    WhenModalActive([answers](QWidget* modal) {
        TypeInto(modal, answers.front());
        AnswerNextModals(std::vector<std::vector<Qt::Key>>(answers.begin() + 1, answers.end()));
    });
}

// Leaves the window's clock to the test, which ticks it with TimerTimer(): the timer still
// runs, as the game's does, but its 200 ms ticks no longer reach the game, so a slow machine
// cannot add a second to a clock while a modal window waits for its answer.
inline void DriveClockByHand(TMainForm& form) {
    form.timer().DetachSystemTicks();
}

// The main window the running game shows, if any.
inline TMainForm* VisibleMainForm() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<TMainForm*>(w); form && form->isVisible()) return form;
    return nullptr;
}

// For a test that runs the whole game with RunGame: once the game's loop runs, clicks the
// splash away, lets `play` use the window, then ends the game through the end question.
inline void AfterTheSplash(std::function<void(TMainForm&)> play) {
    QTimer::singleShot(0, [play] {
        WhenModalActive([play](QWidget* splash) {
            EXPECT_EQ(splash->objectName(), "TSplash");
            QTest::mouseClick(splash, Qt::LeftButton);
            QTimer::singleShot(0, [play] {
                TMainForm* form = VisibleMainForm();
                ASSERT_NE(form, nullptr);
                DriveClockByHand(*form);
                play(*form);
                AnswerNextModal(Qt::Key_Return);  // yes, end the game
                form->close();
            });
        });
    });
}

// A settings file of its own for one window, holding `contents`. The default has the
// language chosen, so that no first-start question waits for an answer.
inline QString SettingsFile(const QString& contents = QStringLiteral("[common]\ntongue=0\n")) {
    static QTemporaryDir dir;
    static int count = 0;
    const QString path = dir.filePath(QStringLiteral("V1-%1.conf").arg(++count));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents.toUtf8()) < 0)
        ADD_FAILURE() << "cannot write " << path.toStdString();
    return path;
}

// The main window started from the build folder, shown and settled, without the splash.
inline std::unique_ptr<TMainForm> ShownForm(
    RandomSource& random, const QString& settings = QStringLiteral("[common]\ntongue=0\n")) {
    auto form = CreateMainForm(random, QStringLiteral(SPINDORA_BUILD_DIR), SettingsFile(settings));
    if (form) {
        DriveClockByHand(*form);
        form->LeaveOutSplash();
        form->show();
        QApplication::processEvents();
    }
    return form;
}

}  // namespace spindora::test
