#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>

#include "dialogs/MessageDialogs.h"
#include "shell/EmbeddedAssets.h"
#include "shell/ShellView.h"

namespace spindora {
namespace {

// Runs `answer` on the dialog once it is open, then returns what exec() gave.
int ExecAnswering(MessageDlg& dlg, std::function<void(QWidget*)> answer) {
    QTimer::singleShot(0, [answer] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        answer(modal);
    });
    return dlg.exec();
}

struct Expected {
    const MessageDlgLayout& layout;
    QRect label;
    QRect ok;
    QRect cancel;
    const char* english;
    const char* german;
    const char* okEnglish;
    const char* okGerman;
};

TEST(MessageDialogs, GeometryAndTextsInBothLanguages) {
    const Expected all[] = {
        {PauseDlgLayout(), {32, 21, 185, 24}, {144, 88, 94, 27}, {}, "Game paused!",
         "Spiel angehalten!", "Continue", "Fortsetzen"},
        {DoneDlgLayout(), {32, 20, 185, 21}, {168, 88, 70, 27}, {}, "Hurrah, you did it!",
         "Hurra, geschafft!", "OK", "OK"},
        {NewGameDlgLayout(), {40, 13, 169, 37}, {92, 88, 70, 27}, {168, 88, 70, 27},
         "Do you really want to giveup the puzzle?", "Willst Du das Rätsel wirklich aufgeben?",
         "Yes", "Ja"},
        {EndGameDlgLayout(), {32, 13, 185, 37}, {92, 88, 70, 27}, {168, 88, 70, 27},
         "Do you really want to end the game?", "Willst Du das Spiel wirklich beenden?", "Yes",
         "Ja"},
    };
    QWidget main;
    main.setGeometry(100, 80, 500, 366);
    for (const Expected& e : all) {
        int tongue = 0;
        MessageDlg dlg(e.layout, &main, tongue, Bitmaps(kDialogBackgroundItem));
        EXPECT_EQ(dlg.size(), QSize(250, 125));
        EXPECT_EQ(dlg.msg()->geometry(), e.label);
        EXPECT_EQ(dlg.OKBtn()->geometry(), e.ok);
        EXPECT_EQ(dlg.CancelBtn() ? dlg.CancelBtn()->geometry() : QRect(), e.cancel);
        EXPECT_EQ(dlg.msg()->font().bold(), true);

        for (int language : {0, 1, -1}) {
            tongue = language;
            const int result = ExecAnswering(dlg, [&](QWidget* open) {
                EXPECT_EQ(open, &dlg);
                EXPECT_EQ(dlg.focusWidget(), dlg.OKBtn());
                QTest::keyClick(open, Qt::Key_Return);
            });
            EXPECT_EQ(result, kModalOk);
            const bool german = language == 1;
            EXPECT_EQ(dlg.msg()->text(), QString::fromUtf8(german ? e.german : e.english));
            EXPECT_EQ(dlg.OKBtn()->text(), QString::fromUtf8(german ? e.okGerman : e.okEnglish));
            if (dlg.CancelBtn()) {
                EXPECT_EQ(dlg.CancelBtn()->text(), german ? "Nein" : "No");
            }
        }
    }
}

TEST(MessageDialogs, EscapeCancelsConfirmationsOnly) {
    QWidget main;
    int tongue = 0;
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
    int tongue = 0;
    const QImage& picture = Bitmaps(kDialogBackgroundItem);
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
