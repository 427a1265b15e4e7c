#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <QToolButton>

#include "assets/EmbeddedAssets.h"
#include "dialogs/TInfoDialog.h"
#include "dialogs/TSplash.h"
#include "shell/ShownMainForm.h"

namespace spindora {
namespace {

using test::TypeInto;
using test::WhenModalActive;

TEST(Splash, ClosesByItselfAtItsTimersTickOrAtAClickOrKeyCentredOnTheScreen) {
    TSplash splash(nullptr, SplashPicture());
    EXPECT_EQ(splash.size(), QSize(200, 150));
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(splash.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(splash.Image1()->geometry(), QRect(0, 0, 200, 150));
    EXPECT_EQ(splash.Image1()->pixmap().size(), QSize(200, 150));
    EXPECT_EQ(splash.Timer1().interval(), 3000);
    EXPECT_TRUE(splash.Timer1().isActive()) << "the timer runs from creation";

    // A click on the picture closes it at once.
    QPoint at;
    WhenModalActive([&](QWidget* open) {
        at = open->pos();
        QTest::mouseClick(splash.Image1(), Qt::LeftButton, {}, QPoint(100, 75));
    });
    EXPECT_EQ(splash.exec(), kModalOk);
    EXPECT_FALSE(splash.isVisible());
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(at, QPoint(screen.left() + (screen.width() - 200) / 2,
                         screen.top() + (screen.height() - 150) / 2));
    EXPECT_FALSE(splash.Timer1().isActive()) << "no more ticks once it has been seen";

    // Any key ends it as early, with the tick's result.
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Space, Qt::Key_Return, Qt::Key_Q}) {
        TSplash keyed(nullptr, SplashPicture());
        bool closed = false;
        WhenModalActive([&](QWidget* open) {
            TypeInto(open, {key});
            closed = !open->isVisible();
            keyed.Click();  // no waiting for the tick when the key did nothing
        });
        EXPECT_EQ(keyed.exec(), kModalOk) << "key " << key;
        EXPECT_TRUE(closed) << "key " << key;
    }

    // Without a click: a tick before the window shows does nothing, the next one closes it.
    TSplash quick(nullptr, SplashPicture(), 20);
    quick.Click();
    bool shown = false;
    WhenModalActive([&](QWidget* open) { shown = open->isVisible(); });
    EXPECT_EQ(quick.exec(), kModalOk);
    EXPECT_TRUE(shown);
    EXPECT_FALSE(quick.isVisible());
}

// Distinct colours in a picture: a blank or flat one has a handful.
int Colours(const QImage& image) {
    QSet<QRgb> seen;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) seen.insert(image.pixel(x, y));
    return seen.size();
}

TEST(ProgramPictures, SplashAndAboutPicturesAreEmbeddedAtTheirSizesAndDepths) {
    const QImage splash(QStringLiteral(":/assets/splash.bmp"));
    EXPECT_EQ(splash.size(), QSize(200, 150));
    EXPECT_EQ(splash.depth(), 32) << "24-bit colour";
    EXPECT_GT(Colours(splash), 1000);
    const QImage about(QStringLiteral(":/assets/about.bmp"));
    EXPECT_EQ(about.size(), QSize(100, 75));
    EXPECT_EQ(about.format(), QImage::Format_Indexed8) << "256 colours";
    EXPECT_GT(Colours(about), 60);
    EXPECT_EQ(SplashPicture().size(), QSize(200, 150));
    EXPECT_EQ(AboutPicture().size(), QSize(100, 75));
}

struct Opened {
    std::vector<QUrl> urls;
    bool works = true;
    UrlOpener opener() {
        return [this](const QUrl& url) {
            urls.push_back(url);
            return works;
        };
    }
};

TEST(InfoDialog, ShowsTheMakerAndOpensItsAddressesOrGivesUpOnThem) {
    Tongue tongue{1};
    Opened opened;
    TInfoDialog dlg(nullptr, tongue, "https://spindora.example.org/", {}, opened.opener());
    EXPECT_EQ(dlg.size(), QSize(309, 322));
    const struct { const char* name; QRect place; } controls[] = {
        {"Bevel1", {4, 4, 301, 197}},    {"Image1", {8, 8, 101, 77}},
        {"progname", {112, 8, 189, 25}}, {"version", {112, 32, 189, 13}},
        {"Image4", {36, 96, 37, 37}},    {"Label13", {44, 155, 62, 21}},
        {"Label6", {21, 174, 85, 21}},   {"Bevel3", {4, 206, 301, 77}},
        {"TongBtn", {120, 290, 89, 27}}, {"OKBtn", {216, 290, 89, 27}},
    };
    for (const auto& c : controls) {
        auto* w = dlg.findChild<QWidget*>(c.name);
        ASSERT_NE(w, nullptr) << c.name;
        EXPECT_EQ(w->geometry(), c.place) << c.name;
    }
    EXPECT_EQ(dlg.findChild<QLabel*>("progname")->text(), "Spindora");
    EXPECT_EQ(dlg.findChild<QLabel*>("progname")->font().pixelSize(), 19);
    EXPECT_EQ(dlg.findChild<QLabel*>("version")->text(), "Version  V1.3");
    EXPECT_EQ(dlg.findChild<QLabel*>("Label13")->text(), "E-Mail:");
    EXPECT_EQ(dlg.findChild<QLabel*>("Label6")->text(), "Homepage:");
    EXPECT_EQ(dlg.findChild<QLabel*>("Image1")->pixmap().size(), QSize(100, 75));
    EXPECT_EQ(dlg.MailLabel()->pos(), QPoint(112, 155));
    EXPECT_EQ(dlg.Wumbatek_URL()->pos(), QPoint(112, 174));
    EXPECT_EQ(dlg.Wumbatek_URL()->text(), "https://spindora.example.org/");
    EXPECT_TRUE(dlg.MailLabel()->font().underline());

    QString title, tong;
    WhenModalActive([&](QWidget* open) {
        title = open->windowTitle();
        tong = dlg.TongBtn()->text();
        QTest::mouseClick(dlg.MailLabel(), Qt::LeftButton);
        QTest::mouseClick(dlg.Wumbatek_URL(), Qt::LeftButton);
        opened.works = false;
        QTest::mouseClick(dlg.Wumbatek_URL(), Qt::LeftButton);
        QTest::mouseClick(dlg.Wumbatek_URL(), Qt::LeftButton);
        TypeInto(open, {Qt::Key_Return});
    });
    EXPECT_EQ(dlg.exec(), kModalOk);
    EXPECT_EQ(title, "Info über ...");
    EXPECT_EQ(tong, "Sprache");
    ASSERT_EQ(opened.urls.size(), 3u) << "a label the desktop could not open is disabled";
    EXPECT_EQ(opened.urls[0].toString(), "mailto:" + TInfoDialog::MailAddress());
    EXPECT_TRUE(TInfoDialog::MailAddress().endsWith("@example.org"));
    EXPECT_EQ(opened.urls[1].toString(), "https://spindora.example.org/");
    EXPECT_TRUE(dlg.MailLabel()->isEnabled());
    EXPECT_FALSE(dlg.Wumbatek_URL()->isEnabled());

    tongue.Set(0);
    WhenModalActive([&](QWidget* open) {
        title = open->windowTitle();
        tong = dlg.TongBtn()->text();
        TypeInto(open, {Qt::Key_Return});
    });
    dlg.exec();
    EXPECT_EQ(title, "Info about ...");
    EXPECT_EQ(tong, "Tongue");
}

TEST(InfoDialog, ItsLanguageButtonChangesItsTextsAndTheMainWindowsHintsWithTheClockStopped) {
    SeededRandom random(8);
    auto form = test::ShownForm(random);
    ASSERT_NE(form, nullptr);
    QString title, tong;
    bool timerDuring = true;
    WhenModalActive([&](QWidget* about) {
        timerDuring = form->timer().isActive();
        // The language question opens over the about window: German is the second button.
        test::AnswerNextModal({Qt::Key_Tab, Qt::Key_Return});
        QTest::mouseClick(form->infoDialog()->TongBtn(), Qt::LeftButton);
        title = about->windowTitle();
        tong = form->infoDialog()->TongBtn()->text();
        TypeInto(about, {Qt::Key_Return});
    });
    QTest::mouseClick(form->findChild<QToolButton*>("InfoBtn"), Qt::LeftButton);
    EXPECT_FALSE(timerDuring);
    EXPECT_TRUE(form->timer().isActive());
    EXPECT_EQ(form->flow().tongue.value(), 1);
    EXPECT_EQ(title, "Info über ...");
    EXPECT_EQ(tong, "Sprache");
    EXPECT_EQ(form->findChild<QWidget*>("MixBtn")->toolTip(), "Ich fang neu an.");
    EXPECT_EQ(form->findChild<QLabel*>("TimeLabel")->text(), "Zeit:");
    form->flow().FormClose();
}

}  // namespace
}  // namespace spindora
