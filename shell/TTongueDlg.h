#pragma once
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <optional>

#include "dialogs/DialogZoom.h"
#include "dialogs/Tongue.h"

namespace spindora {

// The language question: two flag buttons, English first and answering Enter. A choice
// sets `tongue` (0 English, 1 German) and answers OK; closing the window otherwise leaves
// `tongue` as it was.
class TTongueDlg final : public QDialog {
    Q_OBJECT
public:
    TTongueDlg(QWidget* mainWindow, Tongue& tongue);

    QPushButton* EnglishBtn() const { return english_; }
    QPushButton* GermanBtn() const { return german_; }

    // Centred across the main window, its middle at the middle of the main window's
    // client area; both divisions truncate toward zero.
    static QPoint PlaceOver(const QRect& mainFrame, int mainClientHeight, QSize size);

    // Opens at the main window's `zoom` from now on.
    void SetZoom(double zoom);

public slots:
    // The close box and Escape answer Cancel, and leave the language alone.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void EnglishBtnClick();
    void GermanBtnClick();
    void ShowPictures();

    QWidget* mainWindow_;
    Tongue& tongue_;
    QPushButton* english_;
    QPushButton* german_;
    QLabel* image_;
    std::optional<DialogZoom> zoom_;
};

}  // namespace spindora
