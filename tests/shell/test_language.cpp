#include <gtest/gtest.h>

#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QToolButton>
#include <csignal>
#include <sys/stat.h>
#include <cstdlib>

#include "puzzles/kolluk/Kolluk.h"
#include "shell/ShownMainForm.h"

namespace spindora {
namespace {

using test::AnswerNextModal;
using test::ShownForm;
using test::WhenModalActive;

QString HintOf(TMainForm& form, const char* name) {
    return form.findChild<QWidget*>(QString::fromLatin1(name))->toolTip();
}

TMainForm* ShownMainWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<TMainForm*>(w); form && form->isVisible()) return form;
    return nullptr;
}

TEST(TongueDlg, TwoFlagButtonsEnglishFirstAndCentredOverTheBoard) {
    SeededRandom random(1);
    auto form = ShownForm(random);
    ASSERT_NE(form, nullptr);
    TTongueDlg& dlg = *form->tongueDialog();
    EXPECT_EQ(dlg.windowTitle(), "Spindora V1.3");
    EXPECT_EQ(dlg.size(), QSize(320, 91));
    const struct { const char* name; QRect place; } controls[] = {
        {"Bevel1", {8, 8, 305, 77}},
        {"Image4", {28, 28, 37, 37}},
        {"EnglishBtn", {84, 16, 221, 27}},
        {"GermanBtn", {84, 48, 221, 27}},
    };
    for (const auto& c : controls) {
        auto* w = dlg.findChild<QWidget*>(QString::fromLatin1(c.name));
        ASSERT_NE(w, nullptr) << c.name;
        EXPECT_EQ(w->geometry(), c.place) << c.name;
    }
    EXPECT_EQ(dlg.EnglishBtn()->text(), "I speak english.");
    EXPECT_EQ(dlg.GermanBtn()->text(), "Ich spreche deutsch.");
    EXPECT_FALSE(dlg.EnglishBtn()->icon().isNull());
    EXPECT_FALSE(dlg.GermanBtn()->icon().isNull());
    // Left = 100 + (506 - 326) / 2; top = 50 + 395 - (366 + 117) / 2, truncated.
    EXPECT_EQ(TTongueDlg::PlaceOver(QRect(100, 50, 506, 395), 366, QSize(326, 117)), QPoint(190, 204));
    EXPECT_EQ(TTongueDlg::PlaceOver(QRect(0, 0, 500, 366), 366, QSize(320, 91)), QPoint(90, 138));

    Tongue& tongue = form->flow().tongue;
    const struct { std::vector<Qt::Key> keys; int result; int tongue; } answers[] = {
        {{Qt::Key_Return}, 1, 0},            // Enter chooses English
        {{Qt::Key_Tab, Qt::Key_Return}, 1, 1},
        {{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Enter}, 1, 0},
        {{Qt::Key_Escape}, 2, -1},           // leaving without a choice changes nothing
    };
    for (const auto& a : answers) {
        tongue.Set(-1);
        AnswerNextModal(a.keys);
        EXPECT_EQ(dlg.exec(), a.result);
        EXPECT_EQ(tongue.value(), a.tongue);
    }
    dlg.show();
    QApplication::processEvents();
    const QRect frame = form->frameGeometry();
    EXPECT_EQ(dlg.frameGeometry().topLeft(),
              TTongueDlg::PlaceOver(frame, 366, dlg.frameGeometry().size()));
    dlg.hide();
}

TEST(TongueDlg, FirstStartAsksAndTheChoiceReachesEveryCaption) {
    SeededRandom random(2);
    AnswerNextModal({Qt::Key_Tab, Qt::Key_Return});  // German
    auto form = ShownForm(random, QString());
    ASSERT_NE(form, nullptr);
    // The question was asked and answered while the shown window settled.
    EXPECT_EQ(form->flow().tongue.value(), 1);
    EXPECT_EQ(HintOf(*form, "MixBtn"), "Ich fang neu an.");
    EXPECT_EQ(form->findChild<QLabel*>("TimeLabel")->text(), "Zeit:");
    EXPECT_EQ(HintOf(*form, "TongueBtn"), "I don't speak german.");

    // Switching while a puzzle runs changes every hint at once, and neither the clock nor
    // the board.
    QTest::mouseClick(form->boardWidget(), Qt::LeftButton, {}, QPoint(80, 80));
    ASSERT_EQ(form->flow().GameState(0), kRunning);
    form->flow().TimerTimer();
    const QImage board = form->boardWidget()->image();
    AnswerNextModal(Qt::Key_Return);
    QTest::mouseClick(form->findChild<QWidget*>("TongueBtn"), Qt::LeftButton);
    EXPECT_EQ(form->flow().tongue.value(), 0);
    EXPECT_EQ(HintOf(*form, "MixBtn"), "I start again.");
    EXPECT_EQ(HintOf(*form, "TongueBtn"), "Ich spreche nicht englisch.");
    EXPECT_EQ(form->findChild<QLabel*>("TimeLabel")->text(), "Time:");
    EXPECT_TRUE(form->timer().isActive()) << "the clock runs on during the question";
    EXPECT_EQ(form->flow().ClockTicks(0), 1);
    EXPECT_EQ(form->boardWidget()->image(), board);
    // The message dialogs follow at their next showing.
    form->flow().tongue.Set(1);
    QString question;
    WhenModalActive([&question](QWidget* modal) {
        question = static_cast<MessageDlg*>(modal)->msg()->text();
        test::TypeInto(modal, {Qt::Key_Escape});
    });
    form->flow().MixBtnClick();
    EXPECT_EQ(question, "Willst Du das Rätsel wirklich aufgeben?");
}

TEST(TongueDlg, AStoredLanguageIsNeverAskedFor) {
    for (const char* stored : {"0", "1", "5"}) {
        SeededRandom random(3);
        auto form = ShownForm(random, QStringLiteral("[common]\ntongue=%1\n").arg(stored));
        ASSERT_NE(form, nullptr);
        QApplication::processEvents();
        EXPECT_FALSE(form->flow().FirstActivation());
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << stored;
        EXPECT_EQ(HintOf(*form, "PauseBtn"),
                  QString(stored) == "1" ? "Ich brauch eine kurze Pause." : "I need a break.");
    }
}

// For a first start through RunGame: clicks the splash away, answers the language
// question with `keys`, lets `play` use the window, then ends the game with Yes.
void AfterSplashAndLanguage(std::vector<Qt::Key> keys, std::function<void(TMainForm&)> play) {
    QTimer::singleShot(0, [keys, play] {
        WhenModalActive([keys, play](QWidget* splash) {
            EXPECT_EQ(splash->objectName(), "TSplash");
            QTest::mouseClick(splash, Qt::LeftButton);
            WhenModalActive([keys, play](QWidget* question) {
                EXPECT_EQ(question->objectName(), "TTongueDlg");
                test::TypeInto(question, keys);
                QTimer::singleShot(0, [play] {
                    TMainForm* form = ShownMainWindow();
                    ASSERT_NE(form, nullptr);
                    test::DriveClockByHand(*form);
                    play(*form);
                    AnswerNextModal(Qt::Key_Return);
                    QTest::mouseClick(form->findChild<QWidget*>("ExitBtn"), Qt::LeftButton);
                });
            });
        });
    });
}

// The whole round: a first start that chooses German, play that changes mode, levels and
// sound, a moved window, the end dialog; then a second start that finds all of it.
TEST(Restart, EverythingTheSettingsKeepSurvivesARestart) {
    QTemporaryDir dir;
    const QString config = dir.filePath("Brizzels/Spindora/V1.conf");
    AfterSplashAndLanguage({Qt::Key_Tab, Qt::Key_Return}, [](TMainForm& form) {
        EXPECT_EQ(form.flow().tongue.value(), 1);
        QTest::mousePress(form.findChild<QWidget*>("OptionBtn"), Qt::LeftButton);
        QTest::mouseClick(form.findChild<QWidget*>("KollukBtn"), Qt::LeftButton);
        QTest::mousePress(form.findChild<QWidget*>("OptionBtn"), Qt::RightButton);
        QTest::mouseClick(form.findChild<QWidget*>("soundbtn"), Qt::LeftButton);
        form.move(61, 47);
    });
    ASSERT_EQ(RunGame({"--seed", "5", "--config", config}, QStringLiteral(SPINDORA_BUILD_DIR)), 0);

    QFile file(config);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "the close wrote the settings";
    const QByteArray text = file.readAll();
    for (const char* line : {"mode=1\n", "gmode=2\n", "hmode=4\n", "sound=0\n", "music=1\n", "tongue=1\n"})
        EXPECT_TRUE(text.contains(line)) << line << " in\n" << text.constData();
    EXPECT_TRUE(text.contains("MainForm=\"200,0,1,61,47,")) << text.constData();

    test::AfterTheSplash([](TMainForm& form) {
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the language is known";
        GameFlow& flow = form.flow();
        EXPECT_EQ(flow.CurrentMode(), 1);
        EXPECT_EQ(flow.Levels().gmode, 2);
        EXPECT_EQ(flow.Levels().hmode, 4);
        EXPECT_EQ(flow.tongue.value(), 1);
        EXPECT_TRUE(form.findChild<QToolButton*>("KollukBtn")->isChecked());
        EXPECT_FALSE(form.findChild<QToolButton*>("soundbtn")->isChecked());
        EXPECT_EQ(HintOf(form, "soundbtn"), "Ohne Geräusche ist es doch etwas fad.");
        EXPECT_EQ(form.frameGeometry().topLeft(), QPoint(61, 47));
    });
    ASSERT_EQ(RunGame({"--config", config}, QStringLiteral(SPINDORA_BUILD_DIR)), 0);
}

// Counts the message boxes that open and answers each with Enter.
class MessageBoxCounter final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            if (auto* box = qobject_cast<QMessageBox*>(watched)) {
                texts << box->text();
                QTimer::singleShot(0, box, [box] { box->accept(); });
            }
        }
        return false;
    }
    QStringList texts;
};

TEST(Restart, AnUnwritableStoreIsReportedOnceAndTheGameStillCloses) {
    QTemporaryDir dir;
    QFile blocker(dir.filePath("not-a-folder"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString config = dir.filePath("not-a-folder/V1.conf");
    MessageBoxCounter counter;
    qApp->installEventFilter(&counter);
    AfterSplashAndLanguage({Qt::Key_Return}, [](TMainForm& form) {
        QTest::mouseClick(form.boardWidget(), Qt::LeftButton, {}, QPoint(80, 80));
        EXPECT_EQ(form.flow().GameState(0), kRunning) << "the game plays";
    });
    const int status = RunGame({"--config", config}, QStringLiteral(SPINDORA_BUILD_DIR));
    qApp->removeEventFilter(&counter);
    EXPECT_EQ(status, 0);
    ASSERT_EQ(counter.texts.size(), 1) << counter.texts.join(" | ").toStdString();
    EXPECT_EQ(counter.texts[0], "The settings could not be saved to " + config + ".");
}

// A log-out, a shutdown or Ctrl+C ends the run as Yes to the end question does: whatever
// is open, the run's mode and levels are kept and the game ends well, with music or without.
// A store that cannot be written is reported without a box that nobody is left to answer.
// Presses still waiting are dropped, not played, each with its animation, before the end.
TEST(Restart, ASignalEndsTheRunAsYesDoesWhateverIsGoingOn) {
    enum class State { Idle, DialogOpen, MusicPlaying, PressesQueued };
    const struct {
        State state;
        int signal;
        bool storeIsFifo = false;
    } cases[] = {{State::Idle, SIGTERM}, {State::DialogOpen, SIGHUP}, {State::MusicPlaying, SIGINT},
                 {State::Idle, SIGTERM, true}, {State::PressesQueued, SIGTERM}};
    for (const auto& c : cases) {
        QTemporaryDir dir;
        for (const char* picture : {"b1.bmp", "b2.bmp", "b3.bmp", "b4.bmp"})
            ASSERT_TRUE(QFile::copy(QStringLiteral(SPINDORA_BUILD_DIR) + picture, dir.filePath(picture)));
        if (c.state == State::MusicPlaying) {
            // One piano note of five quarters at 96 ticks a quarter: it outlasts the test.
            const char track[] = {0x00, char(0xC0), 0x00, 0x00, char(0x90), 0x3C, 0x64,
                                  char(0x83), 0x60, char(0x80), 0x3C, 0x40, 0x00, char(0xFF), 0x2F, 0x00};
            QFile midi(dir.filePath("x.mid"));
            ASSERT_TRUE(midi.open(QIODevice::WriteOnly));
            midi.write(QByteArray("MThd\0\0\0\x06\0\0\0\x01\0\x60MTrk\0\0\0", 21) + char(sizeof track) +
                       QByteArray(track, sizeof track));
            midi.close();
            setenv("SDL_AUDIODRIVER", "disk", 1);
            setenv("SDL_DISKAUDIOFILE", QFile::encodeName(dir.filePath("out.raw")).constData(), 1);
            setenv("SDL_DISKAUDIODELAY", "4", 1);
        }
        const QString config = dir.filePath("V1.conf");
        QFile file(config);
        if (c.storeIsFifo) {
            ASSERT_EQ(::mkfifo(QFile::encodeName(config).constData(), 0666), 0);
        } else {
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("[common]\ntongue=0\nmusic=1\n");
            file.close();
        }
        bool signalled = false;
        bool rolled = false;
        QObject endOfRow;
        QTimer::singleShot(0, [&] {
            WhenModalActive([&](QWidget* splash) {
                QTest::mouseClick(splash, Qt::LeftButton);
                QTimer::singleShot(0, [&] {
                    TMainForm* form = ShownMainWindow();
                    ASSERT_NE(form, nullptr);
                    QTest::mouseClick(form->findChild<QWidget*>("KollukBtn"), Qt::LeftButton);
                    QTest::mousePress(form->findChild<QWidget*>("OptionBtn"), Qt::LeftButton);
                    const auto send = [&] {
                        signalled = true;
                        std::raise(c.signal);
                    };
                    switch (c.state) {
                    case State::Idle: send(); break;
                    case State::DialogOpen:
                        WhenModalActive([&](QWidget*) { send(); });
                        QTest::mouseClick(form->findChild<QWidget*>("HighScoreBtn"), Qt::LeftButton);
                        break;
                    case State::MusicPlaying:
                        form->MusicUpkeep();
                        ASSERT_TRUE(form->audio().Midi().WaitUntilReady());
                        form->MusicUpkeep();
                        ASSERT_TRUE(form->audio().Midi().Playing());
                        send();
                        break;
                    case State::PressesQueued: {
                        // A hundred rolls of a KOLLUK ring, typed faster than they play.
                        const auto& kolluk = static_cast<const kolluk::Kolluk&>(*form->flow().PuzzleOf(kKolluk));
                        QObject::connect(qApp, &QCoreApplication::aboutToQuit, &endOfRow,
                                         [&, dealt = kolluk.Rules()] { rolled = kolluk.Rules() != dealt; });
                        for (int press = 0; press < 100; ++press)
                            QCoreApplication::postEvent(form->boardWidget(),
                                                        new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier));
                        send();
                        break;
                    }
                    }
                });
            });
        });
        testing::internal::CaptureStderr();
        const int status = RunGame({"--config", config}, dir.path() + QLatin1Char('/'));
        const std::string said = testing::internal::GetCapturedStderr();
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        ASSERT_TRUE(signalled);
        EXPECT_EQ(status, 0) << c.signal;
        EXPECT_FALSE(rolled) << "a press that waited was played";
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        if (c.storeIsFifo) {
            EXPECT_NE(said.find("cannot write the settings to"), std::string::npos) << said;
            struct stat st {};
            ASSERT_EQ(::stat(QFile::encodeName(config).constData(), &st), 0);
            EXPECT_TRUE(S_ISFIFO(st.st_mode)) << "the FIFO is still there";
            continue;
        }
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        file.close();
        for (const char* line : {"mode=1\n", "hmode=2\n", "MainForm="})
            EXPECT_TRUE(text.contains(line)) << c.signal << ": " << line << " in\n" << text.constData();
    }
}

}  // namespace
}  // namespace spindora
