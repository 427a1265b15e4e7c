#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QFontMetrics>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "dialogs/BalancedLabel.h"
#include "dialogs/MessageDialogs.h"
#include "assets/EmbeddedAssets.h"
#include "game/ShellView.h"
#include "shell/ShownMainForm.h"

namespace spindora {
namespace {

using test::TypeInto;
using test::WhenModalActive;

// Runs `answer` on the dialog once it is open and active, then returns what exec() gave.
int ExecAnswering(QDialog& dlg, std::function<void(QWidget*)> answer) {
    WhenModalActive(std::move(answer));
    return dlg.exec();
}

int ExecTyping(QDialog& dlg, std::vector<Qt::Key> keys) {
    return ExecAnswering(dlg, [keys](QWidget* open) { TypeInto(open, keys); });
}

struct Expected {
    DialogId id;
    const char* className;
    const char* labelName;
    QRect label;
    int labelPixels;
    QRect ok;
    QSize okGlyph;
    QRect cancel;
    const char* english;
    const char* german;
    const char* okEnglish;
    const char* okGerman;
};

const Expected kDialogs[] = {
    {DialogId::Pause, "TPauseDlg", "msg", {32, 21, 185, 24}, 16, {144, 88, 94, 27}, {17, 17}, {},
     "Game paused!", "Spiel angehalten!", "Continue", "Fortsetzen"},
    {DialogId::Done, "TDoneDlg", "Msg", {32, 20, 185, 21}, 16, {168, 88, 70, 27}, {17, 17}, {},
     "Hurrah, you did it!", "Hurra, geschafft!", "OK", "OK"},
    {DialogId::NewGame, "TNewGameDlg", "msg", {40, 13, 169, 37}, 15, {92, 88, 70, 27}, {18, 18},
     {168, 88, 70, 27}, "Do you really want to giveup the puzzle?",
     "Willst Du das Rätsel wirklich aufgeben?", "Yes", "Ja"},
    {DialogId::EndGame, "TEndGameDlg", "msg", {32, 13, 185, 37}, 13, {92, 88, 70, 27}, {18, 18},
     {168, 88, 70, 27}, "Do you really want to end the game?",
     "Willst Du das Spiel wirklich beenden?", "Yes", "Ja"},
    {DialogId::Hinted, "THintedDlg", "msg", {20, 13, 209, 37}, 13, {168, 88, 70, 27}, {17, 17}, {},
     "Solved with a hint: this time is not entered in the best times.",
     "Mit Tipp gelöst: diese Zeit kommt nicht in die Bestenliste.", "OK", "OK"},
};

// The dialogs as the main window made them.
std::unique_ptr<TMainForm> MainForm() {
    static SeededRandom random(8);
    auto form = CreateMainForm(random, QStringLiteral(SPINDORA_BUILD_DIR));
    EXPECT_NE(form, nullptr);
    if (form) form->setGeometry(100, 80, 500, 366);
    return form;
}

TEST(MessageDialogs, GeometryAndTextsInBothLanguages) {
    auto form = MainForm();
    ASSERT_NE(form, nullptr);
    for (const Expected& e : kDialogs) {
        SCOPED_TRACE(e.className);
        MessageDlg& dlg = *form->dialog(e.id);
        EXPECT_EQ(dlg.objectName(), e.className);
        EXPECT_EQ(dlg.size(), QSize(250, 125));
        EXPECT_TRUE(dlg.windowFlags() & Qt::FramelessWindowHint);
        EXPECT_EQ(dlg.font().pixelSize(), 11);
        EXPECT_EQ(dlg.msg()->objectName(), e.labelName);
        EXPECT_EQ(dlg.msg()->geometry(), e.label);
        EXPECT_EQ(dlg.msg()->font().bold(), true);
        EXPECT_EQ(dlg.msg()->font().pixelSize(), e.labelPixels);
        EXPECT_EQ(dlg.msg()->font().family(), "Arial");
        EXPECT_EQ(dlg.OKBtn()->objectName(), "OKBtn");
        EXPECT_EQ(dlg.OKBtn()->geometry(), e.ok);
        EXPECT_EQ(dlg.OKBtn()->iconSize(), e.okGlyph);
        EXPECT_EQ(dlg.CancelBtn() ? dlg.CancelBtn()->geometry() : QRect(), e.cancel);

        for (int language : {0, 1, -1}) {
            form->flow().tongue.Set(language);
            const int result = ExecAnswering(dlg, [&](QWidget* open) {
                EXPECT_EQ(open, &dlg);
                EXPECT_EQ(QApplication::focusWidget(), dlg.OKBtn());
                TypeInto(open, {Qt::Key_Return});
            });
            EXPECT_EQ(result, kModalOk);
            const bool german = language == 1;
            EXPECT_EQ(dlg.msg()->text(), QString::fromUtf8(german ? e.german : e.english));
            EXPECT_EQ(dlg.OKBtn()->text(), QString::fromUtf8(german ? e.okGerman : e.okEnglish));
            if (dlg.CancelBtn()) {
                EXPECT_EQ(dlg.CancelBtn()->text(), german ? "Nein" : "No");
            }
            // A message on two lines never leaves one word alone under a full line.
            const auto* balanced = qobject_cast<const BalancedLabel*>(dlg.msg());
            ASSERT_NE(balanced, nullptr);
            const QStringList lines = balanced->Lines();
            ASSERT_FALSE(lines.isEmpty());
            EXPECT_LE(lines.size() * QFontMetrics(dlg.msg()->font()).lineSpacing(), e.label.height())
                << "every line within the label";
            if (lines.size() > 1) {
                for (const QString& line : lines) EXPECT_TRUE(line.contains(' ')) << line.toStdString();
            }
        }
    }
}

// Enter presses the button that has the focus: OK when the window opens, No once the
// player has tabbed to it. Escape always answers No.
TEST(MessageDialogs, EnterPressesTheFocusedButtonInEveryDialog) {
    auto form = MainForm();
    ASSERT_NE(form, nullptr);
    for (const DialogId id : {DialogId::NewGame, DialogId::EndGame}) {
        MessageDlg& dlg = *form->dialog(id);
        SCOPED_TRACE(qPrintable(dlg.objectName()));
        const struct { std::vector<Qt::Key> keys; int answer; } cases[] = {
            {{Qt::Key_Return}, kModalOk},
            {{Qt::Key_Enter}, kModalOk},
            {{Qt::Key_Tab, Qt::Key_Return}, kModalCancel},
            {{Qt::Key_Return}, kModalOk},  // the next showing starts on OK again
            {{Qt::Key_Tab, Qt::Key_Enter}, kModalCancel},
            {{Qt::Key_Backtab, Qt::Key_Return}, kModalCancel},
            {{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return}, kModalOk},
            {{Qt::Key_Escape}, kModalCancel},
            {{Qt::Key_Tab, Qt::Key_Escape}, kModalCancel},
        };
        for (const auto& c : cases) {
            QWidget* focusBeforeEnter = nullptr;
            const int answer = ExecAnswering(dlg, [&](QWidget* open) {
                std::vector<Qt::Key> moves(c.keys.begin(), c.keys.end() - 1);
                TypeInto(open, moves);
                focusBeforeEnter = QApplication::focusWidget();
                TypeInto(open, {c.keys.back()});
            });
            EXPECT_EQ(answer, c.answer) << c.keys.size() << " keys, last " << c.keys.back();
            if (c.keys.back() != Qt::Key_Escape) {
                EXPECT_EQ(focusBeforeEnter, c.answer == kModalOk ? static_cast<QWidget*>(dlg.OKBtn())
                                                                 : dlg.CancelBtn());
            }
        }
    }
    for (const DialogId id : {DialogId::Pause, DialogId::Done}) {
        MessageDlg& dlg = *form->dialog(id);
        SCOPED_TRACE(qPrintable(dlg.objectName()));
        EXPECT_EQ(ExecTyping(dlg, {Qt::Key_Return}), kModalOk);
        EXPECT_EQ(ExecTyping(dlg, {Qt::Key_Enter}), kModalOk);
        EXPECT_EQ(ExecTyping(dlg, {Qt::Key_Tab, Qt::Key_Return}), kModalOk);
    }
}

TEST(MessageDialogs, EscapeCancelsConfirmationsOnly) {
    QWidget main;
    Tongue tongue{0};
    MessageDlg ask(NewGameDlgLayout(), &main, tongue, Bitmaps(kDialogBackgroundItem));
    EXPECT_EQ(ExecAnswering(ask, [](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); }),
              kModalCancel);
    EXPECT_EQ(ExecAnswering(ask, [&](QWidget*) { QTest::mouseClick(ask.CancelBtn(), Qt::LeftButton); }),
              kModalCancel);

    MessageDlg pause(PauseDlgLayout(), &main, tongue, Bitmaps(kDialogBackgroundItem));
    const int result = ExecAnswering(pause, [&](QWidget* w) {
        QTest::keyClick(w, Qt::Key_Escape);
        EXPECT_TRUE(pause.isVisible()) << "the pause notice waits for its button";
        QTest::mouseClick(pause.OKBtn(), Qt::LeftButton);
    });
    EXPECT_EQ(result, kModalOk);

    MessageDlg end(EndGameDlgLayout(), &main, tongue, Bitmaps(kDialogBackgroundItem));
    EXPECT_TRUE(end.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(pause.windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST(MessageDialogs, CentredOverTheMainWindowEvenOffScreen) {
    EXPECT_EQ(MessageDlg::CentredOver(QRect(100, 80, 506, 392), QSize(250, 125)), QPoint(228, 213));
    EXPECT_EQ(MessageDlg::CentredOver(QRect(-300, -40, 505, 391), QSize(250, 125)), QPoint(-173, 93));
}

TEST(MessageDialogs, BackgroundShowsTheBottomRowsWithBothOutlines) {
    QWidget main;
    Tongue tongue{0};
    const QImage& picture = Bitmaps(kDialogBackgroundItem);
    ASSERT_EQ(picture.size(), QSize(320, 200));
    MessageDlg dlg(DoneDlgLayout(), &main, tongue, picture);
    dlg.msg()->clear();
    const QImage shot = dlg.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shot.size(), QSize(250, 125));
    // Places that no control covers show picture row 75 + y.
    for (const QPoint p : {QPoint(3, 60), QPoint(40, 110), QPoint(120, 70), QPoint(4, 4)})
        EXPECT_EQ(shot.pixel(p), picture.pixel(p.x(), p.y() + 75)) << p.x() << "," << p.y();
    for (const QPoint p : {QPoint(0, 0), QPoint(249, 124), QPoint(0, 124), QPoint(8, 8),
                           QPoint(240, 52), QPoint(100, 8), QPoint(100, 52)})
        EXPECT_EQ(shot.pixel(p), qRgb(0, 0, 0)) << p.x() << "," << p.y();
}

}  // namespace
}  // namespace spindora
