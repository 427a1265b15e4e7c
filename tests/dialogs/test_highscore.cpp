#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>

#include "assets/EmbeddedAssets.h"
#include "dialogs/THighscoreDlg.h"
#include "settings/SettingsStore.h"
#include "shell/ShownMainForm.h"

namespace spindora {
namespace {

using test::TypeInto;
using test::WhenModalActive;

const QString kSection = QStringLiteral("highscore");

// Types text as a player would, one character at a time into the focused widget, umlauts
// included.
void TypeText(const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(QApplication::focusWidget(), &press);
    }
}

// A dialog over a settings file of its own.
class HighscoreDlgTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    void Store(const QString& key, std::vector<QString> entries) {
        for (size_t row = 0; row < entries.size(); ++row)
            store.WriteText(kSection, key + QString::number(row), ScrambleEntry(entries[row]));
    }
    // What a row holds in the file, unscrambled; "?" when it does not unscramble.
    QString Stored(const QString& name) const {
        return UnscrambleEntry(store.ReadText(kSection, name, QString())).value_or("?");
    }
    std::vector<QString> StoredList(const QString& key) const {
        std::vector<QString> rows;
        for (int row = 0; row < 5; ++row) rows.push_back(Stored(key + QString::number(row)));
        return rows;
    }
    std::vector<QString> Shown(THighscoreDlg& dlg) const {
        std::vector<QString> rows;
        for (int row = 0; row < 5; ++row)
            rows.push_back(dlg.pla(row)->text() + "|" + dlg.sco(row)->text());
        return rows;
    }
    // Shows the list with `time`, lets `act` work on the open window, then answers `keys`.
    int Show(THighscoreDlg& dlg, int32_t time, std::function<void(QWidget*)> act,
             std::vector<Qt::Key> keys = {Qt::Key_Return}) {
        WhenModalActive([act, keys](QWidget* open) {
            if (act) act(open);
            TypeInto(open, keys);
        });
        return dlg.ShowModal(time);
    }

    QTemporaryDir dir;
    SettingsStore store{dir.filePath("V1.conf")};
    QString levelKey = QStringLiteral("kol03");
    Tongue tongue{0};
};

TEST(HighscoreEntries, ScrambledTextIsPlainSafeAndComesBackWhole) {
    for (const QString& plain : {QStringLiteral("734,Mr. Brain"), QStringLiteral("1,A, B"),
                                 QStringLiteral("5,Jürgen Größe-Äßmann ÖÜ"), QStringLiteral("0,"),
                                 QStringLiteral("12,=;\"#[x]\\ \t%"), QString()}) {
        const QString stored = ScrambleEntry(plain);
        EXPECT_FALSE(stored.isEmpty());
        for (const QChar c : stored)
            EXPECT_TRUE((c.isLetterOrNumber() && c.unicode() < 128) || c == '-' || c == '_')
                << stored.toStdString();
        EXPECT_EQ(UnscrambleEntry(stored), plain);
        if (plain.size() > 3) {
            EXPECT_FALSE(stored.contains(plain.mid(2, 3))) << "the text is hidden";
        }
    }
    EXPECT_NE(ScrambleEntry("100,Anna"), ScrambleEntry("100,Anne"));

    // "time,name": the name is everything after the first comma.
    EXPECT_EQ(ParseEntry("734,Mr. Brain"), (HighscoreEntry{"Mr. Brain", 734}));
    EXPECT_EQ(ParseEntry("7,A, B,"), (HighscoreEntry{"A, B,", 7}));
    EXPECT_EQ(FormatEntry({"Mr. Brain", 734}), "734,Mr. Brain");
    // Anything but a whole non-negative time in 32 bits is an empty row.
    for (const char* bad : {"", "Mr. Brain", "-5,Bob", "x7,Bob", "7x,Bob", ",Bob", " 7,Bob",
                            "+7,Bob", "2147483648,Bob", "99999999999,Bob"})
        EXPECT_EQ(ParseEntry(bad), (HighscoreEntry{"Mr. Brain", 0})) << bad;
    EXPECT_EQ(ParseEntry("2147483647,Max"), (HighscoreEntry{"Max", 2147483647}));
}

TEST(HighscoreEntries, ANewTimeGoesBelowEqualTimesAndAFullListMayRefuseIt) {
    HighscoreList list;
    EXPECT_EQ(RowForTime(list, 999), 0) << "an empty row always takes a time";
    list[0] = {"A", 100};
    list[1] = {"B", 200};
    list[2] = {"C", 300};
    ASSERT_EQ(RowForTime(list, 200), 2);
    InsertEntry(list, 2, {"New", 200});
    EXPECT_EQ(list[2], (HighscoreEntry{"New", 200}));
    EXPECT_EQ(list[3], (HighscoreEntry{"C", 300}));
    EXPECT_EQ(list[4].time, 0);

    HighscoreList full{{{"A", 100}, {"B", 200}, {"C", 300}, {"D", 400}, {"E", 500}}};
    EXPECT_EQ(RowForTime(full, 500), std::nullopt);
    EXPECT_EQ(RowForTime(full, 501), std::nullopt);
    ASSERT_EQ(RowForTime(full, 50), 0);
    InsertEntry(full, 0, {"F", 50});
    EXPECT_EQ(full[0], (HighscoreEntry{"F", 50}));
    EXPECT_EQ(full[4], (HighscoreEntry{"D", 400})) << "500 drops out";
}

TEST_F(HighscoreDlgTest, AnUnwrittenListShowsFiveEmptyRowsAndOkWritesThemAll) {
    THighscoreDlg dlg(nullptr, store, levelKey, tongue, Bitmaps(kDialogBackgroundItem));
    EXPECT_EQ(dlg.PlayerName, "Mr. Brain");
    std::vector<QString> shown;
    EXPECT_EQ(Show(dlg, 0, [&](QWidget*) { shown = Shown(dlg); }), kModalOk);
    EXPECT_EQ(shown, std::vector<QString>(5, "Mr. Brain|-----"));
    EXPECT_EQ(dlg.EditRow, -1);
    EXPECT_FALSE(dlg.Edit1()->isVisible());
    EXPECT_EQ(StoredList("kol03"), std::vector<QString>(5, "0,Mr. Brain"));
    EXPECT_EQ(store.ReadText(kSection, "player", "?"), "Mr. Brain");
    EXPECT_EQ(store.ReadText(kSection, "kol035", "none"), "none") << "five rows, no more";
}

TEST_F(HighscoreDlgTest, ANewTimeOpensTheNameBoxOverItsRowAndOkStoresTheName) {
    Store("kol03", {"100,Ann", "200,Bob", "300,Cid"});
    THighscoreDlg dlg(nullptr, store, levelKey, tongue, Bitmaps(kDialogBackgroundItem));
    std::vector<QString> shown;
    QRect box;
    bool focused = false, tabbed = true;
    QColor fill;
    QString selectedOnOpen, typedAfterClick;
    const int result = Show(dlg, 200, [&](QWidget* open) {
        shown = Shown(dlg);
        box = dlg.Edit1()->geometry();
        focused = dlg.Edit1()->hasFocus();
        fill = open->grab().toImage().pixelColor(box.right() - 2, box.bottom() - 1);
        EXPECT_EQ(dlg.Edit1()->text(), "Mr. Brain");
        EXPECT_EQ(dlg.Edit1()->maxLength(), 25);
        // The offered name is selected however the box takes the focus, so typing replaces it.
        selectedOnOpen = dlg.Edit1()->selectedText();
        dlg.OKBtn()->setFocus();
        QTest::mouseClick(dlg.Edit1(), Qt::LeftButton, {}, QPoint(20, 7));
        TypeText("Q");
        typedAfterClick = dlg.Edit1()->text();
        dlg.Edit1()->clear();
        TypeText("Dörte, B. Übel");
        // Tabbing round the window never lands in the name box.
        dlg.OKBtn()->setFocus();
        tabbed = false;
        for (int i = 0; i < 6; ++i) {
            TypeInto(open, {Qt::Key_Tab});
            tabbed = tabbed || dlg.Edit1()->hasFocus();
        }
        dlg.Edit1()->setFocus();
        TypeText(QString(30, QChar('x')));
    });
    EXPECT_EQ(result, kModalOk);
    EXPECT_EQ(dlg.EditRow, 2);
    EXPECT_EQ(shown, (std::vector<QString>{"Ann|100", "Bob|200", "Mr. Brain|200", "Cid|300",
                                           "Mr. Brain|-----"}));
    EXPECT_EQ(box, QRect(60, 62, 140, 15));
    EXPECT_TRUE(focused);
    EXPECT_FALSE(tabbed);
    EXPECT_EQ(fill, QColor(255, 128, 128));
    EXPECT_EQ(selectedOnOpen, "Mr. Brain");
    EXPECT_EQ(typedAfterClick, "Q");
    const QString name = QStringLiteral("Dörte, B. Übel") + QString(11, QChar('x'));
    EXPECT_EQ(StoredList("kol03"), (std::vector<QString>{"100,Ann", "200,Bob", "200," + name,
                                                         "300,Cid", "0,Mr. Brain"}));
    EXPECT_EQ(store.ReadText(kSection, "player", "?"), name);
    EXPECT_FALSE(dlg.Edit1()->isVisible());

    // The next list is read afresh and offers the last name; another store gives it back.
    Show(dlg, 0, [&](QWidget*) { shown = Shown(dlg); }, {Qt::Key_Escape});
    EXPECT_EQ(shown[2], name + "|200");
    THighscoreDlg again(nullptr, store, levelKey, tongue, Bitmaps(kDialogBackgroundItem));
    EXPECT_EQ(again.PlayerName, name);
}

// True when the label shows its text as the characters they are, not as markup.
bool ShowsPlainly(const QLabel* label) {
    return label->textFormat() == Qt::PlainText ||
           (label->textFormat() == Qt::AutoText && !Qt::mightBeRichText(label->text()));
}

// True when some pixel of `area` in the window's picture is pure green.
bool GreenIn(const QImage& window, QRect area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (window.pixel(x, y) == qRgb(0, 255, 0)) return true;
    return false;
}

// A name shows letter for letter, typed or found in the store, and so again after a
// restart: what looks like markup is text, and a picture it names is never opened.
TEST_F(HighscoreDlgTest, ANameShowsAsExactlyItsCharacters) {
    QImage green(40, 40, QImage::Format_RGB32);
    green.fill(Qt::green);
    ASSERT_TRUE(green.save(dir.filePath("green.png")));
    const QString rightToLeft = QChar(0x200F) + QStringLiteral("Dana Levi from Tel Aviv!");
    ASSERT_EQ(rightToLeft.size(), 25);
    const struct { QString name; bool typed; } names[] = {
        {QStringLiteral("<img src=/dev/zero>"), true},
        {QStringLiteral("<b>x</b>"), true},
        {QStringLiteral("&amp;"), true},
        {rightToLeft, true},
        {QString(), true},
        {"<img src=" + dir.filePath("green.png") + ">", false},
    };
    int list = 0;
    for (const auto& n : names) {
        SCOPED_TRACE(n.name.toStdString());
        levelKey = QStringLiteral("plu0%1").arg(++list);
        if (n.typed) {
            Store(levelKey, {"100,Ann"});
            THighscoreDlg dlg(nullptr, store, levelKey, tongue, Bitmaps(kDialogBackgroundItem));
            Show(dlg, 200, [&](QWidget*) {
                dlg.Edit1()->clear();
                TypeText(n.name);
            });
            EXPECT_EQ(Stored(levelKey + "1"), "200," + n.name);
            EXPECT_EQ(store.ReadText(kSection, "player", "?"), n.name);
        } else {
            Store(levelKey, {"100,Ann", "200," + n.name});
        }
        // Started again: a store of its own over the same file.
        SettingsStore again(store.FilePath());
        THighscoreDlg dlg(nullptr, again, levelKey, tongue, Bitmaps(kDialogBackgroundItem));
        QString shown;
        bool plain = false, pictured = true;
        Show(dlg, 0, [&](QWidget* open) {
            shown = dlg.pla(1)->text();
            plain = ShowsPlainly(dlg.pla(1));
            pictured = GreenIn(open->grab().toImage(), dlg.pla(1)->geometry());
        }, {Qt::Key_Escape});
        EXPECT_EQ(shown, n.name);
        EXPECT_TRUE(plain);
        EXPECT_FALSE(pictured) << "the picture the name points at is shown";
        if (n.typed) {
            EXPECT_EQ(dlg.PlayerName, n.name);
        }
    }
}

TEST_F(HighscoreDlgTest, AFullListRefusesASlowTimeAndCancelKeepsWhatWasStored) {
    Store("kol03", {"100,A", "200,B", "300,C", "400,D", "500,E"});
    const std::vector<QString> before = StoredList("kol03");
    THighscoreDlg dlg(nullptr, store, levelKey, tongue, Bitmaps(kDialogBackgroundItem));
    EXPECT_EQ(dlg.ShowModal(500), 0) << "no window for a time that does not make the list";
    EXPECT_EQ(dlg.ShowModal(4000), 0);
    EXPECT_EQ(dlg.EditRow, -1);

    std::vector<QString> shown;
    EXPECT_EQ(Show(dlg, 50, [&](QWidget*) {
                  shown = Shown(dlg);
                  TypeText("Zoe");
              }, {Qt::Key_Escape}),
              kModalCancel);
    EXPECT_EQ(shown, (std::vector<QString>{"Mr. Brain|50", "A|100", "B|200", "C|300", "D|400"}));
    EXPECT_EQ(StoredList("kol03"), before);
    EXPECT_EQ(store.ReadText(kSection, "player", "none"), "none");
    EXPECT_EQ(dlg.PlayerName, "Mr. Brain");
    EXPECT_FALSE(dlg.Edit1()->isVisible());

    // The cancel button does the same as Escape.
    Show(dlg, 50, [&](QWidget*) { QTest::mouseClick(dlg.CancelBtn(), Qt::LeftButton); }, {});
    EXPECT_EQ(StoredList("kol03"), before);
}

TEST_F(HighscoreDlgTest, RemoveAllEntriesWipesTheListAndTheNameBeingTyped) {
    Store("kol03", {"100,A", "200,B", "300,C", "400,D", "500,E"});
    store.WriteText(kSection, "player", "Zoe");
    THighscoreDlg dlg(nullptr, store, levelKey, tongue, Bitmaps(kDialogBackgroundItem));
    Show(dlg, 50, [&](QWidget*) {
        TypeText("Max");
        QTest::mouseClick(dlg.ClearBox(), Qt::LeftButton);
        dlg.Edit1()->setFocus();
    });
    EXPECT_EQ(StoredList("kol03"), std::vector<QString>(5, "0,Mr. Brain"));
    EXPECT_EQ(store.ReadText(kSection, "player", "?"), "Mr. Brain");
    EXPECT_EQ(dlg.PlayerName, "Mr. Brain");

    // The box is clear again at the next showing.
    bool ticked = true;
    Show(dlg, 0, [&](QWidget*) { ticked = dlg.ClearBox()->isChecked(); }, {Qt::Key_Escape});
    EXPECT_FALSE(ticked);
}

TEST_F(HighscoreDlgTest, GarbageInTheStoreLoadsAsEmptyRowsAndOkWritesThemBackClean) {
    store.WriteText(kSection, "kol030", ScrambleEntry("no comma"));
    store.WriteText(kSection, "kol031", ScrambleEntry("-40,Neg"));
    store.WriteText(kSection, "kol032", ScrambleEntry("ten,Txt"));
    store.WriteText(kSection, "kol033", "this was never scrambled, 12");
    store.WriteText(kSection, "kol034", QString(10000, QChar('Q')));
    THighscoreDlg dlg(nullptr, store, levelKey, tongue, Bitmaps(kDialogBackgroundItem));
    std::vector<QString> shown;
    Show(dlg, 0, [&](QWidget*) { shown = Shown(dlg); });
    EXPECT_EQ(shown, std::vector<QString>(5, "Mr. Brain|-----"));
    EXPECT_EQ(StoredList("kol03"), std::vector<QString>(5, "0,Mr. Brain"));
}

TEST_F(HighscoreDlgTest, EachPuzzleAndLevelKeepsItsOwnList) {
    THighscoreDlg dlg(nullptr, store, levelKey, tongue, Bitmaps(kDialogBackgroundItem));
    Show(dlg, 70, {});
    levelKey = "murv10";
    Show(dlg, 9, {});
    EXPECT_EQ(Stored("kol030"), "70,Mr. Brain");
    EXPECT_EQ(Stored("murv100"), "9,Mr. Brain");
    EXPECT_EQ(Stored("murv104"), "0,Mr. Brain");
    levelKey = "kol03";
    std::vector<QString> shown;
    Show(dlg, 0, [&](QWidget*) { shown = Shown(dlg); }, {Qt::Key_Escape});
    EXPECT_EQ(shown[0], "Mr. Brain|70");
    EXPECT_EQ(shown[1], "Mr. Brain|-----");
}

TEST_F(HighscoreDlgTest, TheWindowHasItsControlsInPlaceAndSpeaksBothLanguages) {
    THighscoreDlg dlg(nullptr, store, levelKey, tongue, Bitmaps(kDialogBackgroundItem));
    EXPECT_EQ(dlg.size(), QSize(320, 200));
    EXPECT_TRUE(dlg.windowFlags() & Qt::FramelessWindowHint);
    const struct { const char* name; QRect place; } controls[] = {
        {"num0", {20, 20, 40, 21}},  {"num4", {20, 104, 40, 21}}, {"pla0", {60, 20, 140, 21}},
        {"pla3", {60, 83, 140, 21}}, {"sco0", {200, 20, 90, 21}}, {"sco4", {200, 104, 90, 21}},
        {"ClearBox", {175, 139, 13, 13}}, {"CancelBtn", {168, 164, 70, 27}},
        {"OKBtn", {244, 164, 70, 27}},
    };
    for (const auto& c : controls) {
        auto* w = dlg.findChild<QWidget*>(c.name);
        ASSERT_NE(w, nullptr) << c.name;
        EXPECT_EQ(w->geometry(), c.place) << c.name;
    }
    EXPECT_EQ(dlg.findChild<QLabel*>("num2")->text(), "3.   ");
    EXPECT_EQ(dlg.font().pixelSize(), 15);
    EXPECT_TRUE(dlg.font().bold());
    EXPECT_EQ(dlg.delcheck()->pos(), QPoint(196, 140));
    EXPECT_EQ(dlg.OKBtn()->text(), "OK");

    struct Seen { QString title, clear, cancel; QImage face; };
    const auto look = [&](int language) {
        tongue.Set(language);
        Seen seen;
        Show(dlg, 0, [&](QWidget* open) {
            seen = {open->windowTitle(), dlg.delcheck()->text(), dlg.CancelBtn()->text(),
                    open->grab().toImage().convertToFormat(QImage::Format_RGB32)};
        }, {Qt::Key_Escape});
        return seen;
    };
    const Seen german = look(1);
    EXPECT_EQ(german.title, "Spindora - Bestenliste");
    EXPECT_EQ(german.clear, "alle Einträge löschen");
    EXPECT_EQ(german.cancel, "Abbruch");
    const Seen english = look(-1);
    EXPECT_EQ(english.title, "Spindora - Highscore");
    EXPECT_EQ(english.clear, "remove all entries");
    EXPECT_EQ(english.cancel, "Cancel");

    // The whole background picture lies under the window, with black outlines over it.
    const QImage& background = Bitmaps(kDialogBackgroundItem);
    const QImage& face = english.face;
    EXPECT_EQ(face.pixel(150, 3), background.pixel(150, 3));
    EXPECT_EQ(face.pixel(40, 160), background.pixel(40, 160)) << "the logo at the lower left";
    for (const QPoint black : {QPoint(0, 0), QPoint(319, 199), QPoint(8, 60), QPoint(312, 60),
                               QPoint(100, 128), QPoint(168, 146), QPoint(250, 156)})
        EXPECT_EQ(face.pixel(black), qRgb(0, 0, 0)) << black.x() << "," << black.y();
}

TEST(HighscoreDlg, CentresItselfOverTheMainWindow) {
    QWidget main;
    main.setGeometry(37, 51, 500, 366);
    main.show();
    SettingsStore none;
    QString key = "zibb01";
    Tongue tongue{0};
    THighscoreDlg dlg(&main, none, key, tongue, Bitmaps(kDialogBackgroundItem));
    QPoint at;
    WhenModalActive([&](QWidget* open) {
        at = open->pos();
        TypeInto(open, {Qt::Key_Escape});
    });
    dlg.ShowModal(0);
    const QRect frame = main.frameGeometry();
    EXPECT_EQ(at, QPoint(frame.left() + (frame.width() - 320) / 2,
                         frame.top() + (frame.height() - 200) / 2));
}

}  // namespace
}  // namespace spindora
