// The help file as built, the help viewer it opens in, and the help button's topics.
#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QBuffer>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QTextBlock>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <atomic>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

#include "help/HelpFile.h"
#include "help/HelpViewer.h"
#include "help/THookHelpSystem.h"
#include "rules/Random.h"
#include "tests/shell/ShownMainForm.h"

namespace spindora {
namespace {

const QString kHelpFile = QStringLiteral(SPINDORA_BUILD_DIR "spdr.chm");
const char* const kPages[] = {"index", "zibbo", "kolluk", "pluf", "murvo", "playing", "options"};
const char* const kPuzzlePages[] = {"zibbo", "kolluk", "pluf", "murvo"};

// Writes a help project of `files` (its path inside the project, then its bytes) into `dir`,
// the first file its default topic, and compiles and opens it with chmcmd as the build does.
std::shared_ptr<const HelpFile> CompileHelp(const QTemporaryDir& dir, QList<QPair<QString, QByteArray>> files) {
    QByteArray project = "[OPTIONS]\nCompiled file=spdr.chm\nDefault topic=" + files[0].first.toUtf8() +
                         "\nTitle=Spindora\n\n[FILES]\n";
    for (const auto& file : files) project += file.first.toUtf8() + '\n';
    files.append({"spdr.hhp", project});
    for (const auto& [name, bytes] : files) {
        QDir().mkpath(QFileInfo(dir.filePath("project/" + name)).path());
        QFile file(dir.filePath("project/" + name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return nullptr;
    }
    QProcess compiler;
    compiler.setWorkingDirectory(dir.filePath("project"));
    compiler.start(QStringLiteral(SPINDORA_CHMCMD), {"spdr.hhp"});
    if (!compiler.waitForFinished(60000)) return nullptr;
    return HelpFile::Open(ChmLibrary::Shared(), dir.filePath("project/spdr.chm"));
}

QByteArray Png(const QImage& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return bytes;
}

QList<QTextFragment> Fragments(const QTextDocument* document) {
    QList<QTextFragment> fragments;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) fragments << it.fragment();
    return fragments;
}

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
    for (const char* word : {"*.mid", "/usr/lib/games/spindora/", "~/.local/share/spindora/music/", "-debug", "debug.debug",
                             "--seed", "--config", "V1.conf", "200 Millisekunden", "fünf besten", "Strg+Z", "Strg+Y", "Tipp", "Umschalt+H", "Umschalt+F10"})
        EXPECT_TRUE(de.contains(QString::fromUtf8(word))) << word;
    for (const char* word : {"*.mid", "/usr/lib/games/spindora/", "~/.local/share/spindora/music/", "-debug", "debug.debug",
                             "--seed", "--config", "V1.conf", "200 milliseconds", "five best", "Ctrl+Z", "Ctrl+Y", "hint", "Shift+H", "Shift+F10"})
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

// Everything a reader asks of a help file: its pages, pictures, contents and topics.
QList<QByteArray> ReadEverything(const QString& path) {
    const auto file = HelpFile::Open(ChmLibrary::Shared(), path);
    if (!file) return {};
    QList<QByteArray> read;
    for (const char* lang : {"de", "en"})
        for (const char* page : kPages) read << file->Read(QStringLiteral("/%1/%2.html").arg(lang, page));
    for (const char* puzzle : kPuzzlePages) read << file->Read(QStringLiteral("/pics/%1.png").arg(puzzle));
    for (const ContentsEntry& entry : file->Contents()) read << entry.page.toUtf8();
    for (const uint32_t context : {1u, 2u}) read << file->PageForContext(context).value_or("none").toUtf8();
    return read;
}

// A damaged help file reads the same on every run: nothing read depends on what the memory
// held before, here filled with another byte on each of two reads.
TEST(HelpFile, DamagedCopiesReadTheSameWhateverMemoryHeld) {
    QFile real(kHelpFile);
    ASSERT_TRUE(real.open(QIODevice::ReadOnly));
    const QByteArray intact = real.readAll();
    QTemporaryDir dir;
    int readable = 0;
    for (int seed = 1; seed <= 30; ++seed) {
        // Fifty bytes changed in the compressed pages, past the directory.
        SeededRandom random(seed);
        QByteArray damaged = intact;
        for (int i = 0; i < 50; ++i) damaged[16384 + random.Random(int(damaged.size()) - 16384)] = char(random.Random(256));
        QFile copy(dir.filePath(QStringLiteral("%1.chm").arg(seed)));
        ASSERT_TRUE(copy.open(QIODevice::WriteOnly) && copy.write(damaged) == damaged.size());
        copy.close();
        mallopt(M_PERTURB, 0x5A);
        const QList<QByteArray> first = ReadEverything(copy.fileName());
        mallopt(M_PERTURB, 0xA5);
        const QList<QByteArray> second = ReadEverything(copy.fileName());
        mallopt(M_PERTURB, 0);
        EXPECT_EQ(first, second) << "seed " << seed;
        readable += std::count_if(first.begin(), first.end(), [](const QByteArray& b) { return !b.isEmpty(); }) > 0;
    }
    EXPECT_GT(readable, 20) << "the damage left too little to read";
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

// Esc and Ctrl+W close the viewer, wherever the focus is in it.
TEST(HelpWindow, EscAndCtrlWCloseTheViewer) {
    const std::shared_ptr<const HelpFile> file = HelpFile::Open(ChmLibrary::Shared(), kHelpFile);
    ASSERT_TRUE(file);
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
        for (const bool inSearch : {false, true}) {
            auto* viewer = new HelpViewer(file);
            viewer->ShowPage("/en/index.html");
            viewer->show();
            viewer->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(viewer));
            QWidget* focus = inSearch ? static_cast<QWidget*>(viewer->searchField()) : viewer->browser();
            focus->setFocus();
            QTest::keySequence(focus, keys);
            EXPECT_FALSE(viewer->isVisible()) << keys.toString().toStdString() << " in the search field " << inSearch;
            delete viewer;
        }
}

// The viewer opens on the page; Ctrl+F goes to the search with its words selected, so that
// typing replaces them, and Return shows the first page found and goes on to the list. The search field carries a
// name for a screen reader in the page's language.
TEST(HelpWindow, TheViewerOpensOnThePageAndCtrlFGoesToTheSearch) {
    const std::shared_ptr<const HelpFile> file = HelpFile::Open(ChmLibrary::Shared(), kHelpFile);
    ASSERT_TRUE(file);
    HelpViewer viewer(file);
    viewer.ShowPage("/en/index.html");
    viewer.show();
    viewer.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&viewer));
    EXPECT_EQ(QApplication::focusWidget(), viewer.browser());
    EXPECT_EQ(viewer.searchField()->accessibleName(), "Search the help");
    QTest::keySequence(viewer.browser(), QKeySequence(Qt::CTRL | Qt::Key_F));
    EXPECT_EQ(QApplication::focusWidget(), viewer.searchField());
    QTest::keyClicks(viewer.searchField(), "podium");
    QTest::keySequence(viewer.searchField(), QKeySequence(Qt::CTRL | Qt::Key_F));
    QTest::keyClicks(viewer.searchField(), "midi");
    EXPECT_EQ(viewer.searchField()->text(), "midi");
    QTest::keyClick(viewer.searchField(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), viewer.searchResults());
    EXPECT_EQ(viewer.searchResults()->currentRow(), 0);
    EXPECT_EQ(viewer.CurrentPage().toStdString(), "/en/options.html");
    QTest::keySequence(viewer.searchResults(), QKeySequence(Qt::CTRL | Qt::Key_F));
    EXPECT_EQ(QApplication::focusWidget(), viewer.searchField());
    viewer.ShowPage("/de/index.html");
    EXPECT_EQ(viewer.searchField()->accessibleName(), "Hilfe durchsuchen");
}

// Every contents entry shows whole in the pane the viewer opens with; a search lists the
// pages of the shown language that hold all the words, and choosing one shows it.
TEST(HelpWindow, TheContentsShowEveryEntryWholeAndASearchListsThePagesHoldingTheWords) {
    const std::shared_ptr<const HelpFile> file = HelpFile::Open(ChmLibrary::Shared(), kHelpFile);
    ASSERT_TRUE(file);
    HelpViewer viewer(file);
    viewer.ShowPage("/en/index.html");
    viewer.show();
    QTreeWidget* contents = viewer.contents();
    contents->expandAll();
    int entries = 0;
    for (QTreeWidgetItemIterator it(contents); *it; ++it, ++entries) {
        const QRect rect = contents->visualItemRect(*it);
        const int text = contents->fontMetrics().horizontalAdvance((*it)->text(0));
        EXPECT_LE(text, rect.width()) << (*it)->text(0).toStdString();
        EXPECT_LE(rect.left() + text, contents->viewport()->width()) << (*it)->text(0).toStdString();
    }
    EXPECT_EQ(entries, 14);

    const struct {
        const char* shown;
        const char* words;
        QStringList titles;
        const char* chosen;
    } searches[] = {{"/en/index.html", "podium", {"Clock and best times"}, "/en/playing.html"},
                    {"/de/zibbo.html", "SIEGERTREPPCHEN", {"Uhr und Bestenliste"}, "/de/playing.html"},
                    {"/en/index.html", "Siegertreppchen", {}, nullptr},
                    {"/en/index.html", " midi  podium ", {}, nullptr},
                    {"/en/index.html", "midi", {"Settings"}, "/en/options.html"},
                    {"/en/index.html", "href", {}, nullptr},
                    // Words of the menu line on every page find no page by it; a page whose
                    // title holds the word comes first, then the one that says it most.
                    {"/en/zibbo.html", "deutsch", {}, nullptr},
                    {"/en/index.html", "kolluk", {"KOLLUK", "Spindora – Help", "Clock and best times"}, "/en/kolluk.html"},
                    {"/de/index.html", "einstellungen", {"Einstellungen", "PLUF"}, "/de/options.html"}};
    for (const auto& search : searches) {
        viewer.ShowPage(search.shown);
        viewer.searchField()->clear();
        QTest::keyClicks(viewer.searchField(), search.words);
        QListWidget* results = viewer.searchResults();
        EXPECT_TRUE(results->isVisible() && !contents->isVisible()) << search.words;
        QStringList titles;
        for (int i = 0; i < results->count(); ++i) titles << results->item(i)->text();
        EXPECT_EQ(titles, search.titles) << search.words;
        if (!search.chosen) continue;
        QTest::mouseClick(results->viewport(), Qt::LeftButton, {}, results->visualItemRect(results->item(0)).center());
        EXPECT_EQ(viewer.CurrentPage(), search.chosen) << search.words;
    }
    viewer.searchField()->clear();
    EXPECT_TRUE(contents->isVisible());
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
    QImage blue(6, 6, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    const QStringList outside = {
        QUrl::fromLocalFile(pipe).toString(), pipe, QUrl::fromLocalFile(local).toString(), local,
        QStringLiteral("http://127.0.0.1:9/remote.png")};
    QString page = QStringLiteral("<html><head><title>Spindora</title>"
                                  "<link rel=\"stylesheet\" href=\"%1\"></head><body>"
                                  "<p><img src=\"../pics/inside.png\"></p>").arg(outside[0]);
    for (const QString& src : outside) page += QStringLiteral("<p><img src=\"%1\"></p>").arg(src);
    page += QStringLiteral("</body></html>");
    std::shared_ptr<const HelpFile> file = CompileHelp(dir, {{"en/index.html", page.toUtf8()}, {"pics/inside.png", Png(blue)}});
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

// Only web and mail links leave the help, for the desktop's opener. Every other link that
// leaves the file stays unopened, with a line on stderr; links inside it turn the page.
TEST(HelpWindow, OnlyWebAndMailLinksGoToTheDesktop) {
    const struct {
        const char* href;
        bool desktop;
    } links[] = {{"file:///etc/passwd", false},          {"javascript:alert(1)", false},
                 {"data:text/plain;base64,aGk=", false},  {"file:///home/player/Desktop/x.desktop", false},
                 {"spindora-unknown:x", false},           {"http://127.0.0.1:9/page", true},
                 {"https://spindora.example.org/", true}, {"mailto:player@example.org", true}};
    QString page = QStringLiteral("<html><body><a href=\"next.html\">next</a>");
    for (const auto& link : links) page += QStringLiteral("<p><a href=\"%1\">link</a></p>").arg(link.href);
    QTemporaryDir dir;
    const auto file = CompileHelp(dir, {{"en/index.html", page.toUtf8()}, {"en/next.html", "<html></html>"}});
    ASSERT_TRUE(file);
    HelpViewer viewer(file);
    QList<QUrl> opened;
    viewer.browser()->SetOpener([&opened](const QUrl& url) { opened << url; });
    viewer.ShowPage("/en/index.html");
    QStringList hrefs;  // as the page holds them
    for (const QTextFragment& fragment : Fragments(viewer.browser()->document()))
        if (fragment.charFormat().isAnchor()) hrefs << fragment.charFormat().anchorHref();
    ASSERT_EQ(hrefs.size(), int(std::size(links)) + 1);
    for (size_t i = 0; i < std::size(links); ++i) {
        testing::internal::CaptureStderr();
        emit viewer.browser()->anchorClicked(QUrl(hrefs[int(i) + 1]));
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  links[i].desktop ? "" : "spindora: help link not opened: " + std::string(links[i].href) +
                                              " (only http, https and mailto leave the help)\n");
        EXPECT_EQ(opened, links[i].desktop ? QList<QUrl>{QUrl(links[i].href)} : QList<QUrl>{}) << links[i].href;
        opened.clear();
    }
    EXPECT_EQ(viewer.CurrentPage(), "/en/index.html");
    emit viewer.browser()->anchorClicked(QUrl(hrefs[0]));
    EXPECT_EQ(viewer.CurrentPage(), "/en/next.html");
    EXPECT_TRUE(opened.isEmpty());
}

// The pictures of one page decode up to 16 million pixels together, in the page's order;
// the rest are empty frames of their size. The next page has the whole budget again.
TEST(HelpWindow, APagesPicturesDecodeUpToSixteenMillionPixelsAndTheRestAreEmptyFrames) {
    const struct {
        const char* page;
        QSize size;
        bool decoded;
    } pictures[] = {{"index", {3000, 3000}, true},  {"index", {3000, 3000}, false}, {"index", {2000, 2000}, true},
                    {"index", {2000, 1000}, true},  {"index", {1000, 1001}, false}, {"index", {1000, 1000}, true},
                    {"index", {5000, 5000}, false}, {"next", {3000, 3000}, true}};
    QList<QPair<QString, QByteArray>> files = {{"en/index.html", {}}, {"en/next.html", {}}};
    for (int i = 0; i < int(std::size(pictures)); ++i) {
        QImage picture(pictures[i].size, QImage::Format_Mono);  // small to write, as many pixels to decode
        picture.fill(0);
        files[pictures[i].page[0] == 'n'].second += QStringLiteral("<img src=\"../pics/p%1.png\">").arg(i).toUtf8();
        files.append({QStringLiteral("pics/p%1.png").arg(i), Png(picture)});
    }
    QTemporaryDir dir;
    const auto file = CompileHelp(dir, files);
    ASSERT_TRUE(file);
    HelpViewer viewer(file);
    viewer.show();
    for (const QString page : {"index", "next"}) {
        viewer.ShowPage("/en/" + page + ".html");
        viewer.browser()->viewport()->grab();
        QTextDocument* document = viewer.browser()->document();
        QTextObjectInterface* layout = document->documentLayout()->handlerForObject(QTextFormat::ImageObject);
        qint64 decoded = 0;
        int shown = 0;
        for (const QTextFragment& fragment : Fragments(document)) {
            if (!fragment.charFormat().isImageFormat()) continue;
            const QTextImageFormat image = fragment.charFormat().toImageFormat();
            const auto& expected = pictures[image.name().mid(9, 1).toInt()];
            const QImage resource = document->resource(QTextDocument::ImageResource, QUrl(image.name())).value<QImage>();
            EXPECT_EQ(resource.size(), expected.decoded ? expected.size : QSize(1, 1)) << image.name().toStdString();
            EXPECT_EQ(resource.pixelColor(0, 0).alpha(), expected.decoded ? 255 : 0);
            // Decoded or not, each takes the place of its size.
            EXPECT_EQ(layout->intrinsicSize(document, fragment.position(), image), QSizeF(expected.size));
            decoded += resource.size() == QSize(1, 1) ? 0 : qint64(resource.width()) * resource.height();
            shown += page == QLatin1String(expected.page);
        }
        EXPECT_EQ(shown, page == "index" ? 7 : 1);
        EXPECT_LE(decoded, 16'000'000);
    }
}

// A page's own width and height for a picture are kept to a size the page can lay out, in
// the picture's shape; the rest of the page shows as ever.
TEST(HelpWindow, APictureDeclaredHugeIsClampedAndThePageAroundItShows) {
    const QByteArray page = "<html><body><h1>Heading</h1>"
                            "<p><img src=\"p.png\" width=1000000000 height=1000000000></p>"
                            "<p><img src=\"p.png\" width=1000000000 height=10></p><p>Below</p></body></html>";
    QTemporaryDir dir;
    const auto file = CompileHelp(dir, {{"en/index.html", page}});
    ASSERT_TRUE(file);
    HelpViewer viewer(file);
    viewer.show();
    viewer.ShowPage("/en/index.html");
    const QImage shown = viewer.browser()->viewport()->grab().toImage();
    int darkest = 255;  // the heading's letters, at the top of the page
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < shown.width(); ++x) darkest = std::min(darkest, qGray(shown.pixel(x, y)));
    EXPECT_LT(darkest, 96) << "the heading is not on the page";
    QTextDocument* document = viewer.browser()->document();
    QTextObjectInterface* layout = document->documentLayout()->handlerForObject(QTextFormat::ImageObject);
    QList<QSizeF> sizes;
    for (const QTextFragment& fragment : Fragments(document))
        if (fragment.charFormat().isImageFormat())
            sizes << layout->intrinsicSize(document, fragment.position(), fragment.charFormat().toImageFormat());
    EXPECT_EQ(sizes, (QList<QSizeF>{QSizeF(16384, 16384), QSizeF(16384, 1)}));
}

}  // namespace
}  // namespace spindora
