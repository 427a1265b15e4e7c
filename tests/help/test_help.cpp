// The help file as built, the help viewer it opens in, and the help button's topics.
#include <gtest/gtest.h>

#include <QApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <atomic>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "help/HelpFile.h"
#include "help/HelpViewer.h"
#include "help/THookHelpSystem.h"
#include "puzzles/Random.h"
#include "tests/shell/ShownMainForm.h"

namespace spindora {
namespace {

const QString kHelpFile = QStringLiteral(SPINDORA_BUILD_DIR "spdr.chm");
const char* const kPages[] = {"index", "zibbo", "kolluk", "pluf", "murvo", "playing", "options"};
const char* const kPuzzlePages[] = {"zibbo", "kolluk", "pluf", "murvo"};

QStringList LogLines(const TDLogFile& log) {
    QFile file(log.FilePath());
    if (!file.open(QIODevice::ReadOnly)) return {};
    QStringList lines;
    static const QRegularExpression stamp(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d   "));
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n'))
        if (stamp.match(line).hasMatch()) lines << line.mid(11);
    return lines;
}

TEST(HelpFile, HoldsBothLanguagesCompleteAndMapsTopicsOneAndTwo) {
    ASSERT_TRUE(ChmLibrary::Shared().Present()) << ChmLibrary::Shared().Failure().toStdString();
    const auto file = HelpFile::Open(ChmLibrary::Shared(), kHelpFile);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->PageForContext(1).value_or("none"), "/de/index.html");
    EXPECT_EQ(file->PageForContext(2).value_or("none"), "/en/index.html");
    EXPECT_FALSE(file->PageForContext(3));
    for (const char* page : kPages) {
        const QString german = QString::fromUtf8(file->Read(QStringLiteral("/de/%1.html").arg(page)));
        const QString english = QString::fromUtf8(file->Read(QStringLiteral("/en/%1.html").arg(page)));
        EXPECT_TRUE(german.contains("<html lang=\"de\">")) << page;
        EXPECT_TRUE(english.contains("<html lang=\"en\">")) << page;
    }
    // The subjects a new player looks for, in both languages.
    const QString de = QString::fromUtf8(file->Read("/de/options.html") + file->Read("/de/playing.html"));
    const QString en = QString::fromUtf8(file->Read("/en/options.html") + file->Read("/en/playing.html"));
    for (const char* word : {"*.mid", "-debug", "debug.debug", "--seed", "--config", "V1.conf", "200 Millisekunden", "fünf besten"})
        EXPECT_TRUE(de.contains(QString::fromUtf8(word))) << word;
    for (const char* word : {"*.mid", "-debug", "debug.debug", "--seed", "--config", "V1.conf", "200 milliseconds", "five best"})
        EXPECT_TRUE(en.contains(QString::fromUtf8(word))) << word;

    const QList<ContentsEntry> contents = file->Contents();
    ASSERT_EQ(contents.size(), 14);
    EXPECT_EQ(contents[0].page, "/de/index.html");
    EXPECT_EQ(contents[0].depth, 0);
    EXPECT_EQ(contents[1].depth, 1);
    EXPECT_EQ(contents[7].page, "/en/index.html");
    EXPECT_EQ(contents[7].depth, 0);
}

TEST(HelpFile, EveryLinkAndPictureResolvesInsideTheFile) {
    const auto file = HelpFile::Open(ChmLibrary::Shared(), kHelpFile);
    ASSERT_TRUE(file);
    static const QRegularExpression reference(QStringLiteral("(?:href|src)=\"([^\"#]+)\""));
    int checked = 0;
    for (const ContentsEntry& entry : file->Contents()) {
        const QString html = QString::fromUtf8(file->Read(entry.page));
        ASSERT_FALSE(html.isEmpty()) << entry.page.toStdString();
        for (auto it = reference.globalMatch(html); it.hasNext();) {
            const QString target = QUrl("chm:" + entry.page).resolved(QUrl(it.next().captured(1))).path();
            EXPECT_TRUE(file->Contains(target)) << entry.page.toStdString() << " -> " << target.toStdString();
            ++checked;
        }
    }
    EXPECT_GT(checked, 100);
    for (const char* puzzle : kPuzzlePages) {
        const QImage picture = QImage::fromData(file->Read(QStringLiteral("/pics/%1.png").arg(puzzle)));
        EXPECT_GT(picture.width(), 300) << puzzle;
        for (const char* lang : {"de", "en"})
            EXPECT_TRUE(file->Read(QStringLiteral("/%1/%2.html").arg(lang, puzzle)).contains(
                QStringLiteral("src=\"../pics/%1.png\"").arg(puzzle).toUtf8())) << lang << puzzle;
    }
}

TEST(HelpWindow, HelpButtonOpensThePageOfTheLanguageAndTheViewerBrowsesTheFile) {
    SeededRandom random(3);
    auto form = test::ShownForm(random, "[common]\ntongue=1\n");
    ASSERT_TRUE(form);
    auto* helpBtn = form->findChild<QToolButton*>("HelpBtn");
    ASSERT_TRUE(helpBtn);
    QTest::mouseClick(helpBtn, Qt::LeftButton);
    THookHelpSystem* help = form->helpSystem();
    ASSERT_EQ(help->Viewers().size(), 1);
    HelpViewer* viewer = help->Viewers()[0];
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_FALSE(viewer->isModal());
    EXPECT_EQ(viewer->parentWidget(), nullptr) << "the viewer belongs to the desktop, not the game";
    const QImage icon = viewer->windowIcon().pixmap(32).toImage();
    const QImage game = form->windowIcon().pixmap(32).toImage();
    EXPECT_FALSE(icon.isNull()) << "the viewer carries the game's icon";
    EXPECT_EQ(icon.convertToFormat(QImage::Format_ARGB32), game.convertToFormat(QImage::Format_ARGB32));
    EXPECT_EQ(viewer->CurrentPage(), "/de/index.html");
    EXPECT_TRUE(form->timer().isActive());

    // Links, back and forward, the contents list and the pictures.
    emit viewer->browser()->anchorClicked(QUrl("zibbo.html"));
    EXPECT_EQ(viewer->CurrentPage(), "/de/zibbo.html");
    EXPECT_FALSE(viewer->browser()->loadResource(QTextDocument::ImageResource, QUrl("../pics/zibbo.png")).value<QImage>().isNull());
    EXPECT_TRUE(viewer->backButton()->isEnabled());
    QTest::mouseClick(viewer->backButton(), Qt::LeftButton);
    EXPECT_EQ(viewer->CurrentPage(), "/de/index.html");
    QTest::mouseClick(viewer->forwardButton(), Qt::LeftButton);
    EXPECT_EQ(viewer->CurrentPage(), "/de/zibbo.html");
    QTreeWidget* contents = viewer->contents();
    ASSERT_EQ(contents->topLevelItemCount(), 2);
    EXPECT_TRUE(contents->topLevelItem(0)->isExpanded());
    EXPECT_FALSE(contents->topLevelItem(1)->isExpanded());
    emit contents->itemClicked(contents->topLevelItem(1)->child(2), 0);
    EXPECT_EQ(viewer->CurrentPage(), "/en/pluf.html");

    // English, and a language not chosen yet, open topic 2 in the same window.
    for (const int tongue : {0, -1}) {
        form->flow().tongue.Set(tongue);
        QTest::mouseClick(helpBtn, Qt::LeftButton);
        ASSERT_EQ(help->Viewers().size(), 1);
        EXPECT_EQ(help->Viewers()[0]->CurrentPage(), "/en/index.html") << tongue;
    }
}

TEST(HelpWindow, DestroyingTheModuleClosesItsViewersAndLogsTheRequest) {
    QTemporaryDir dir;
    const TDLogFile log(dir.filePath("spindora"), {"-debug"}, dir.filePath("state"));
    QPointer<HelpViewer> viewer;
    {
        THookHelpSystem help(kHelpFile, ChmLibrary::Shared(), &log);
        EXPECT_EQ(THookHelpSystem::Current(), &help);
        {
            // A module made later takes over, and ending it hands the requests back.
            auto later = std::make_unique<THookHelpSystem>(kHelpFile, ChmLibrary::Shared(), nullptr);
            EXPECT_EQ(THookHelpSystem::Current(), later.get());
        }
        EXPECT_EQ(THookHelpSystem::Current(), &help);
        EXPECT_TRUE(ApplicationHelpContext(2));
        ASSERT_EQ(help.Viewers().size(), 1);
        viewer = help.Viewers()[0];
        EXPECT_TRUE(viewer->isVisible());
    }
    EXPECT_TRUE(viewer.isNull());
    const QString path = kHelpFile;
    EXPECT_EQ(LogLines(log), (QStringList{
        "THookHelpSystem.Create(\"" + path + "\",\"\", 0)",
        "THookHelpSystem.HelpHook(1 (HELP_CONTEXT), 2)",
        "HHHelpContext(\"" + path + "\", 2, \"\", 0)",
        "ShowContext(\"" + path + "\", 2)",
        "  returned - 0",
        "THookHelpSystem.Destroy"}));
}

TEST(HelpWindow, MissingLibraryOrHelpFileGivesTheirMessages) {
    QTemporaryDir dir;
    const TDLogFile log(dir.filePath("spindora"), {"-debug"}, dir.filePath("state"));
    const ChmLibrary missing(dir.filePath("libchm-gone.so.1"));
    EXPECT_FALSE(missing.Present());
    EXPECT_TRUE(missing.Version().isEmpty());
    {
        THookHelpSystem help(kHelpFile, missing, &log);
        QString text;
        test::AnswerNextModal(Qt::Key_Return, &text);
        testing::internal::CaptureStderr();
        EXPECT_EQ(help.ShowContext(1), 1);
        const std::string stderrText = testing::internal::GetCapturedStderr();
        EXPECT_EQ(text, "MS Html Help is not installed on this PC.");
        EXPECT_NE(stderrText.find("libchm-gone.so.1"), std::string::npos) << stderrText;
        EXPECT_TRUE(help.Viewers().isEmpty());
        // A popup position is only kept; other kinds of request are left to the platform.
        EXPECT_TRUE(help.HelpHook(THookHelpSystem::HELP_SETPOPUP_POS, (20 << 16) | 10));
        EXPECT_EQ(help.PopupPosition(), QPoint(10, 20));
        EXPECT_FALSE(help.HelpHook(0x0003, 0));
    }
    EXPECT_EQ(VersionFromFileName("/usr/lib/libchm.so.1.0.0"), "1.0.0.0");
    EXPECT_EQ(VersionFromFileName("/usr/lib/libchm.so.1"), "1.0.0.0");
    const QStringList lines = LogLines(log);
    EXPECT_TRUE(lines.contains("  returned - 1"));
    EXPECT_TRUE(lines.contains("HHShowError(1), \"MS Html Help is not installed on this PC.\""));

    QFile damaged(dir.filePath("spdr.chm"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray("ITSF") + QByteArray(200, 'x'));
    damaged.close();
    for (const QString& file : {dir.filePath("nothing/spdr.chm"), damaged.fileName()}) {
        THookHelpSystem help(file, ChmLibrary::Shared(), &log);
        QString text;
        test::AnswerNextModal(Qt::Key_Return, &text);
        testing::internal::CaptureStderr();
        EXPECT_EQ(help.ShowContext(2), 2);
        testing::internal::GetCapturedStderr();
        EXPECT_TRUE(text.contains(file)) << text.toStdString();
        EXPECT_TRUE(help.Viewers().isEmpty());
    }

    // A German player reads both in German.
    const Tongue german{1};
    struct GermanCase {
        QString file;
        int context, result;
        QString text;
    };
    const QString gone = dir.filePath("nothing/spdr.chm");
    for (const GermanCase& c : {GermanCase{gone, 1, 2, "Die Hilfedatei " + gone + " fehlt oder ist beschädigt."},
                                GermanCase{kHelpFile, 99, 3, "Die Hilfedatei " + QString(kHelpFile) + " hat kein Thema 99."}}) {
        THookHelpSystem help(c.file, ChmLibrary::Shared(), &log);
        help.SetOwner(nullptr, "Spindora V1.3", german);
        QString text;
        test::AnswerNextModal(Qt::Key_Return, &text);
        testing::internal::CaptureStderr();
        EXPECT_EQ(help.ShowContext(c.context), c.result);
        testing::internal::GetCapturedStderr();
        EXPECT_EQ(text, c.text);
    }
}

// Notices whether anything opens a pipe for reading: such a reader waits in open() until a
// writer comes, so the watch opens it for writing, which lets the reader go on and is seen.
class PipeWatch {
public:
    explicit PipeWatch(const QString& path) : path_(QFile::encodeName(path)) {
        thread_ = std::thread([this] {
            while (!stop_) {
                const int fd = ::open(path_.constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0) {
                    opened_ = true;
                    ::close(fd);
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
        });
    }
    ~PipeWatch() {
        stop_ = true;
        thread_.join();
    }
    bool Opened() const { return opened_; }

private:
    QByteArray path_;
    std::atomic<bool> stop_{false}, opened_{false};
    std::thread thread_;
};

// A page may name pictures and style sheets anywhere; only those inside the help file are
// read, everything else is an empty picture. Nothing outside is opened, not even a pipe
// that would keep the window waiting.
TEST(HelpWindow, APageReadsNothingFromOutsideTheHelpFile) {
    QTemporaryDir dir;
    const QString pipe = dir.filePath("pipe.png"), local = dir.filePath("local.png");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QImage green(4, 4, QImage::Format_RGB32);
    green.fill(Qt::green);
    ASSERT_TRUE(green.save(local));
    QDir().mkpath(dir.filePath("project/en"));
    QDir().mkpath(dir.filePath("project/pics"));
    QImage blue(6, 6, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    ASSERT_TRUE(blue.save(dir.filePath("project/pics/inside.png")));
    const QStringList outside = {
        QUrl::fromLocalFile(pipe).toString(), pipe, QUrl::fromLocalFile(local).toString(), local,
        QStringLiteral("http://127.0.0.1:9/remote.png")};
    QString page = QStringLiteral("<html><head><title>Spindora</title>"
                                  "<link rel=\"stylesheet\" href=\"%1\"></head><body>"
                                  "<p><img src=\"../pics/inside.png\"></p>").arg(outside[0]);
    for (const QString& src : outside) page += QStringLiteral("<p><img src=\"%1\"></p>").arg(src);
    page += QStringLiteral("</body></html>");
    const struct { const char* name; QByteArray text; } files[] = {
        {"project/spdr.hhp", "[OPTIONS]\nCompiled file=spdr.chm\nDefault topic=en/index.html\n"
                             "Title=Spindora\n\n[FILES]\nen/index.html\npics/inside.png\n"},
        {"project/en/index.html", page.toUtf8()},
    };
    for (const auto& f : files) {
        QFile file(dir.filePath(f.name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(f.text);
    }
    QProcess compiler;
    compiler.setWorkingDirectory(dir.filePath("project"));
    compiler.start(QStringLiteral(SPINDORA_CHMCMD), {"spdr.hhp"});
    ASSERT_TRUE(compiler.waitForFinished(60000));
    std::shared_ptr<const HelpFile> file = HelpFile::Open(ChmLibrary::Shared(), dir.filePath("project/spdr.chm"));
    ASSERT_TRUE(file);

    PipeWatch watch(pipe);
    HelpViewer viewer(file);
    viewer.ShowPage("/en/index.html");
    viewer.show();
    const QImage shown = viewer.browser()->viewport()->grab().toImage();
    EXPECT_FALSE(watch.Opened()) << "the pipe was opened";
    QTextDocument* document = viewer.browser()->document();
    EXPECT_EQ(document->resource(QTextDocument::ImageResource, QUrl("../pics/inside.png")).value<QImage>().pixelColor(0, 0),
              QColor(Qt::blue));
    for (const QString& src : outside) {
        const QImage picture = document->resource(QTextDocument::ImageResource, QUrl(src)).value<QImage>();
        EXPECT_EQ(picture.size(), QSize(1, 1)) << src.toStdString();
        EXPECT_EQ(picture.pixelColor(0, 0).alpha(), 0) << src.toStdString();
    }
    bool greenShown = false;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) greenShown = greenShown || shown.pixel(x, y) == qRgb(0, 255, 0);
    EXPECT_FALSE(greenShown) << "the local picture is on the page";
    EXPECT_FALSE(watch.Opened()) << "the pipe was opened";
}

}  // namespace
}  // namespace spindora
