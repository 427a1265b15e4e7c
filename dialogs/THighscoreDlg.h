#pragma once
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <functional>
#include <optional>

#include "dialogs/DialogZoom.h"
#include "dialogs/HighscoreList.h"
#include "dialogs/NameBox.h"
#include "dialogs/Tongue.h"

namespace spindora {

class HighscoreTable;

// The five best times of one puzzle and level, with a name box for a new entry. The list
// lives in the store under the key the shell keeps up to date in `levelKey`; it is read
// afresh at every showing. OK writes the player's name and all five rows; Cancel nothing.
class THighscoreDlg final : public QDialog {
    Q_OBJECT
public:
    THighscoreDlg(QWidget* mainWindow, TextStore& store, const QString& levelKey,
                  const Tongue& tongue, const QImage& background);

    // Time 0 shows the list; a greater time enters it with a name box, or shows nothing
    // when it does not make the list. Answers the modal result, or 0 when not shown.
    int ShowModal(int32_t time);
    // A run that ends without asking (a log-out, a shutdown) keeps a new best time all the
    // same, as OK would. `EnterWithoutShowing` enters `time` without opening the window;
    // `KeepEntry` closes the open window that way. Either keeps the name typed, or
    // `PlayerName` when the box is empty, and never wipes the list: a tick in the clear box
    // was never confirmed.
    void EnterWithoutShowing(int32_t time);
    void KeepEntry();
    // The name the store holds for the next entry, as the window reads it when made.
    static QString StoredPlayerName(const TextStore& store);
    // Offers `name` for the next entry, as `PlayerName` and in the name box.
    void OfferName(const QString& name);
    // Opens at the main window's `zoom` from now on.
    void SetZoom(double zoom);

    // Names the list in the current language for the window title at each showing; without
    // it the title names only the program.
    std::function<QString(int tongue)> ListTitle;

    QString PlayerName;
    std::array<QString, kHighscoreRows> EntryNames;
    std::array<int32_t, kHighscoreRows> EntryTimes{};
    int EditRow = -1;

    QLineEdit* Edit1() const { return edit_; }
    QCheckBox* ClearBox() const { return clearBox_; }
    QLabel* delcheck() const { return delcheck_; }
    QPushButton* OKBtn() const { return ok_; }
    QPushButton* CancelBtn() const { return cancel_; }
    QLabel* pla(int row) const { return pla_[row]; }
    QLabel* sco(int row) const { return sco_[row]; }

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void done(int result) override;
    void reject() override;

private:
    void FormActivate();
    void okClick();
    // Loads the list and, for a time above 0, makes its entry; false when it does not rank.
    bool MakeEntry(int32_t time);
    void LoadList();
    void ShowList();
    void SetRow(int row, const HighscoreEntry& entry);
    HighscoreEntry Row(int row) const;

    QWidget* mainWindow_;
    TextStore& store_;
    const QString& levelKey_;
    const Tongue& tongue_;
    const QImage& background_;
    std::array<QLabel*, kHighscoreRows> num_{}, pla_{}, sco_{};
    HighscoreTable* table_;
    NameBox* edit_;
    QCheckBox* clearBox_;
    QLabel* delcheck_;
    QPushButton* cancel_;
    QPushButton* ok_;
    std::optional<DialogZoom> zoom_;
};

}  // namespace spindora
