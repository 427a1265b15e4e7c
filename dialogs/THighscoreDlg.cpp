#include "dialogs/THighscoreDlg.h"

#include <QPainter>
#include <algorithm>

#include "assets/Glyphs.h"
#include "dialogs/DialogParts.h"
#include "dialogs/HighscoreAccessible.h"
#include "dialogs/HighscoreTable.h"
#include "dialogs/MessageDlg.h"
#include "dialogs/ModalResult.h"
#include "dialogs/NameBox.h"

namespace spindora {
namespace {

constexpr QSize kWindowSize{320, 200};
constexpr QRect kListFrame{8, 8, 305, 121};     // Shape1
constexpr QRect kClearFrame{168, 136, 145, 21};  // Shape3
constexpr int kRowTop = 20;
constexpr int kRowPitch = 21;
constexpr int kNameLeft = 60;
constexpr int kNameWidth = 140;
constexpr int kNameBoxHeight = 15;
constexpr int kMaxNameLength = 25;

constexpr TextPair kHighscoreTitle{"Spindora - Bestenliste", "Spindora - Highscore"};
constexpr TextPair kClearText{"alle Einträge löschen", "remove all entries"};
constexpr TextPair kCancelText{"Abbruch", "Cancel"};

QLabel* ListLabel(QWidget* parent, const char* stem, int row, int left, int width,
                  Qt::Alignment align) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(stem) + QString::number(row));
    label->setGeometry(left, kRowTop + kRowPitch * row, width, kRowPitch);
    label->setAlignment(align | Qt::AlignTop);
    // A name is what the player typed, letter for letter: "<b>" or "<img src=...>" in it is
    // no markup, and a picture it names is never opened.
    label->setTextFormat(Qt::PlainText);
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

}  // namespace

void THighscoreDlg::OfferName(const QString& name) {
    PlayerName = name;
    edit_->Offer(name);
}

QString THighscoreDlg::StoredPlayerName(const TextStore& store) {
    return store.ReadText(QString::fromLatin1(kHighscoreSection), QStringLiteral("player"),
                          QString::fromLatin1(kDefaultPlayer));
}

THighscoreDlg::THighscoreDlg(QWidget* mainWindow, TextStore& store, const QString& levelKey,
                             const Tongue& tongue, const QImage& background)
    : QDialog(mainWindow, Qt::Dialog | Qt::FramelessWindowHint),
      mainWindow_(mainWindow), store_(store), levelKey_(levelKey), tongue_(tongue),
      background_(background) {
    setObjectName(QStringLiteral("THighscoreDlg"));
    setModal(true);
    setFixedSize(kWindowSize);
    setFont(PixelFont("Arial", 15, true));
    setStyleSheet(QStringLiteral("QLabel { color: black; background: transparent; }"));

    PlayerName = StoredPlayerName(store_);
    for (int row = 0; row < kHighscoreRows; ++row) {
        num_[row] = ListLabel(this, "num", row, 20, 40, Qt::AlignRight);
        num_[row]->setText(QStringLiteral("%1.   ").arg(row + 1));
    }
    for (int row = 0; row < kHighscoreRows; ++row)
        pla_[row] = ListLabel(this, "pla", row, kNameLeft, kNameWidth, Qt::AlignLeft);
    for (int row = 0; row < kHighscoreRows; ++row)
        sco_[row] = ListLabel(this, "sco", row, 200, 90, Qt::AlignRight);

    // Under the name box, which takes its clicks; it lets all others through.
    table_ = new HighscoreTable(this, kListFrame, QRect(26, kRowTop, 272, kRowPitch), kHighscoreRows);
    edit_ = new NameBox(PlayerName, this);
    edit_->setObjectName(QStringLiteral("Edit1"));
    edit_->setFrame(false);
    edit_->setMaxLength(kMaxNameLength);
    // The box is as high as the list's letters; a slightly smaller face keeps accents and
    // descenders whole inside it.
    edit_->setFont(PixelFont("Arial", kNameBoxHeight - 2, true));
    edit_->setFocusPolicy(Qt::ClickFocus);  // Tab passes it by
    edit_->setStyleSheet(QStringLiteral("QLineEdit { border: none; padding: 0px; margin: 0px;"
                                        " background: rgb(255, 128, 128); color: black; }"));
    edit_->hide();

    const QFont small = PixelFont("MS Sans Serif", 11);
    clearBox_ = new QCheckBox(this);
    clearBox_->setObjectName(QStringLiteral("ClearBox"));
    clearBox_->setGeometry(175, 139, 13, 13);
    delcheck_ = new QLabel(this);
    delcheck_->setObjectName(QStringLiteral("delcheck"));
    delcheck_->setFont(small);
    delcheck_->move(196, 140);

    cancel_ = MakeGlyphButton(this, "CancelBtn", QRect(168, 164, 70, 27), Glyph::Cross);
    cancel_->setFont(small);
    cancel_->setAutoDefault(false);
    connect(cancel_, &QPushButton::clicked, this, [this] { done(kModalCancel); });
    ok_ = MakeGlyphButton(this, "OKBtn", QRect(244, 164, 70, 27), Glyph::HighScore);
    ok_->setFont(small);
    ok_->setText(QStringLiteral("OK"));
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, [this] { okClick(); });
    zoom_.emplace(*this);
}

void THighscoreDlg::SetZoom(double zoom) { zoom_->Set(zoom); }

void THighscoreDlg::SetRow(int row, const HighscoreEntry& entry) {
    EntryNames[row] = entry.name;
    EntryTimes[row] = entry.time;
}

HighscoreEntry THighscoreDlg::Row(int row) const { return {EntryNames[row], EntryTimes[row]}; }

void THighscoreDlg::LoadList() {
    const HighscoreList list = LoadHighscores(store_, levelKey_);
    for (int row = 0; row < kHighscoreRows; ++row) SetRow(row, list[row]);
}

void THighscoreDlg::ShowList() {
    for (int row = 0; row < kHighscoreRows; ++row) {
        pla_[row]->setText(EntryNames[row]);
        sco_[row]->setText(EntryTimes[row] == 0 ? QStringLiteral("-----")
                                                : QString::number(EntryTimes[row]));
    }
}

bool THighscoreDlg::MakeEntry(int32_t time) {
    clearBox_->setChecked(false);
    LoadList();
    EditRow = -1;
    if (time <= 0) return true;
    HighscoreList list;
    for (int row = 0; row < kHighscoreRows; ++row) list[row] = Row(row);
    const std::optional<int> row = RowForTime(list, time);
    if (!row) return false;
    InsertEntry(list, *row, {PlayerName, time});
    for (int r = 0; r < kHighscoreRows; ++r) SetRow(r, list[r]);
    EditRow = *row;
    edit_->Offer(PlayerName);
    return true;
}

int THighscoreDlg::ShowModal(int32_t time) {
    if (!MakeEntry(time)) return 0;
    ShowList();
    if (EditRow >= 0) {
        edit_->setGeometry(
            zoom_->Place(QRect(kNameLeft, kRowTop + kRowPitch * EditRow, kNameWidth, kNameBoxHeight)));
        edit_->setEnabled(true);
        edit_->show();
    }
    return exec();
}

void THighscoreDlg::EnterWithoutShowing(int32_t time) {
    if (MakeEntry(time)) KeepEntry();
}

void THighscoreDlg::KeepEntry() {
    if (EditRow < 0) return;
    clearBox_->setChecked(false);
    if (edit_->text().isEmpty()) edit_->setText(PlayerName);
    okClick();
}

void THighscoreDlg::okClick() {
    if (clearBox_->isChecked()) {
        for (int row = 0; row < kHighscoreRows; ++row) SetRow(row, HighscoreEntry{});
        PlayerName = QString::fromLatin1(kDefaultPlayer);
        EditRow = -1;
    }
    if (EditRow >= 0) {
        PlayerName = edit_->text();
        EntryNames[EditRow] = PlayerName;
    }
    edit_->hide();
    store_.WriteText(QString::fromLatin1(kHighscoreSection), QStringLiteral("player"), PlayerName);
    HighscoreList list;
    for (int row = 0; row < kHighscoreRows; ++row) list[row] = Row(row);
    SaveHighscores(store_, levelKey_, list);
    done(kModalOk);
}

void THighscoreDlg::done(int result) {
    // Escape, Cancel and OK all close here; the name box shows only while an entry is made.
    edit_->hide();
    QDialog::done(result);
}

void THighscoreDlg::reject() { done(kModalCancel); }

void THighscoreDlg::FormActivate() {
    if (mainWindow_) move(MessageDlg::CentredOver(mainWindow_->frameGeometry(), size()));
    setWindowTitle(ListTitle ? ListTitle(tongue_.value()) : Pick(kHighscoreTitle, tongue_));
    delcheck_->setText(Pick(kClearText, tongue_));
    delcheck_->adjustSize();
    cancel_->setText(Pick(kCancelText, tongue_));
    NameHighscoreParts(*this, tongue_.value());
    table_->SetCurrentRow(std::max(EditRow, 0));
    if (EditRow >= 0) edit_->setFocus();
    else ok_->setFocus();
}

void THighscoreDlg::showEvent(QShowEvent* event) {
    FormActivate();
    QDialog::showEvent(event);
}

void THighscoreDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    zoom_->PaintFace(painter, background_, {kListFrame, kClearFrame});
}

}  // namespace spindora
