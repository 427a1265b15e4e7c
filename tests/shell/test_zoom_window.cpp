// The window at any size: presses land where they land at 100%, and the zoom outlives the run.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "TestSupport.h"
#include "settings/SettingsStore.h"
#include "shell/ScopedEnv.h"
#include "shell/ShownMainForm.h"
#include "shell/Startup.h"

namespace spindora {
namespace {

struct PressRow {
    QSize window;     // the window's client size
    QPoint at;        // a press there, in window pixels
    QPoint expected;  // the board pixel the puzzle hears; (-1, -1): none, it lands on the wood
    bool hand;        // the pointer there is the pointing hand
};

TEST(ZoomWindow, PressesReachTheBoardPixelUnderThemAtEveryZoom) {
    QTemporaryDir cache;
    test::ScopedEnv kept("XDG_CACHE_HOME", cache.path().toUtf8());
    SeededRandom random(35);
    auto form = test::ShownForm(random);
    ASSERT_NE(form, nullptr);
    const PressRow rows[] = {
        {{500, 366}, {79, 112}, {79, 79}, true},       // 100%: the top left dial
        {{625, 458}, {99, 140}, {79, 79}, true},       // 125%
        {{750, 549}, {300, 300}, {200, 167}, true},    // 150%: the middle dial
        {{1000, 732}, {1, 67}, {0, 0}, false},         // 200%: the board's first pixel
        {{1000, 732}, {999, 731}, {499, 332}, false},  // and its last
        {{2000, 1464}, {317, 133}, {79, 0}, false},    // 400%
        {{1000, 549}, {425, 300}, {200, 167}, true},   // 150% centred, 125 pixels of wood each side
        {{1000, 549}, {60, 300}, {-1, -1}, false},     // on the wood
    };
    for (const PressRow& row : rows) {
        SCOPED_TRACE(testing::Message() << row.window.width() << "x" << row.window.height() << " at "
                                        << row.at.x() << "," << row.at.y());
        form->resize(row.window);
        QApplication::processEvents();
        QPoint heard(-1, -1);
        form->boardWidget()->onMouseDown = [&heard](int x, int y, MouseButton) { heard = {x, y}; };
        QWidget* under = form->childAt(row.at);
        if (under == form->boardWidget()) {
            const QPoint local = under->mapFrom(form.get(), row.at);
            QMouseEvent move(QEvent::MouseMove, local, form->mapToGlobal(row.at), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(under, &move);
            EXPECT_EQ(under->cursor().shape() == Qt::PointingHandCursor, row.hand);
            // A screen reader finds there the piece the press turns.
            const QPoint global = form->mapToGlobal(row.at);
            QAccessibleInterface* board = QAccessible::queryAccessibleInterface(under);
            QAccessibleInterface* found = board->childAt(global.x(), global.y());
            const std::vector<PressTarget> targets = form->flow().PuzzleOf(kZibbo)->PressTargets();
            int pressed = -1;
            for (size_t i = 0; i < targets.size(); ++i)
                if (targets[i].area.contains(row.expected)) pressed = static_cast<int>(i);
            EXPECT_EQ(found ? board->indexOfChild(found) : -1, pressed);
            QTest::mouseClick(under, Qt::LeftButton, {}, local);
        }
        EXPECT_EQ(heard, row.expected);
    }
    form->boardWidget()->onMouseDown = nullptr;
    form->sheets().Finish();
    test::AnswerNextModal(Qt::Key_Return);
    form->close();
}

struct KeptRow {
    const char* stored;  // what [common] holds beyond the language
    QSize window;        // the client size the window opens at
    const char* zoom;    // what the file holds after the window closed
    const char* fullScreen;
};

TEST(ZoomWindow, TheZoomIsKeptAndOneTooLargeForTheScreenShrinksToAStepThatFits) {
    // The headless screen is 800 x 800: it holds 150% (750 x 549) but not 200% (1000 x 732).
    ASSERT_EQ(QGuiApplication::primaryScreen()->availableGeometry().size(), QSize(800, 800));
    QTemporaryDir cache;
    test::ScopedEnv kept("XDG_CACHE_HOME", cache.path().toUtf8());
    const KeptRow rows[] = {
        {"", {500, 366}, "100", "0"},
        {"zoom=125\n", {625, 458}, "125", "0"},
        {"zoom=150\n", {750, 549}, "150", "0"},
        {"zoom=400\n", {750, 549}, "150", "0"},
        {"zoom=170\n", {750, 549}, "150", "0"},
        {"zoom=big\n", {500, 366}, "100", "0"},
        {"zoom=125\nfullscreen=1\n", {800, 800}, "125", "1"},
    };
    for (const KeptRow& row : rows) {
        SCOPED_TRACE(row.stored);
        const QString path = test::SettingsFile(QStringLiteral("[common]\ntongue=0\n") + row.stored);
        SeededRandom random(1);
        auto form = CreateMainForm(random, QStringLiteral(SPINDORA_BUILD_DIR), path);
        ASSERT_NE(form, nullptr);
        test::DriveClockByHand(*form);
        form->LeaveOutSplash();
        form->show();
        QApplication::processEvents();
        EXPECT_EQ(form->size(), row.window);
        form->sheets().Finish();
        test::AnswerNextModal(Qt::Key_Return);
        form->close();
        const SettingsStore store(path);
        EXPECT_EQ(store.ReadText("common", "zoom", "-"), row.zoom);
        EXPECT_EQ(store.ReadText("common", "fullscreen", "-"), row.fullScreen);
    }
}

struct DialogRow {
    QSize window;  // the main window's client size
    DialogId dialog;
    QSize size;    // the dialog's at that zoom
    Qt::Key answer;
};

TEST(ZoomWindow, DialogsOpenAtTheWindowsZoomCentredOnIt) {
    QTemporaryDir cache;
    test::ScopedEnv kept("XDG_CACHE_HOME", cache.path().toUtf8());
    SeededRandom random(35);
    auto form = test::ShownForm(random);
    ASSERT_NE(form, nullptr);
    const DialogRow rows[] = {
        {{500, 366}, DialogId::Pause, {250, 125}, Qt::Key_Return},
        {{750, 549}, DialogId::Pause, {375, 188}, Qt::Key_Return},
        {{1000, 732}, DialogId::Highscore, {640, 400}, Qt::Key_Escape},
        {{750, 549}, DialogId::Info, {464, 483}, Qt::Key_Return},
        {{1000, 732}, DialogId::Tongue, {640, 182}, Qt::Key_Escape},
        {{500, 366}, DialogId::Highscore, {320, 200}, Qt::Key_Escape},  // back at 100%
    };
    for (const DialogRow& row : rows) {
        SCOPED_TRACE(testing::Message() << row.window.width() << "x" << row.window.height() << " dialog "
                                        << static_cast<int>(row.dialog));
        form->resize(row.window);
        QApplication::processEvents();
        QRect shown;
        test::WhenModalActive([&shown, &row](QWidget* modal) {
            shown = modal->geometry();
            test::TypeInto(modal, {row.answer});
        });
        form->ShowModal(row.dialog);
        EXPECT_EQ(shown.size(), row.size);
        const QPoint off = shown.center() - form->geometry().center();
        EXPECT_LE(off.manhattanLength(), 2) << off.x() << "," << off.y();
    }
    form->sheets().Finish();
    test::AnswerNextModal(Qt::Key_Return);
    form->close();
}

}  // namespace
}  // namespace spindora
