#pragma once
#include <QDialog>
#include <QPushButton>

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

public slots:
    // The close box and Escape answer Cancel, and leave the language alone.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void EnglishBtnClick();
    void GermanBtnClick();

    QWidget* mainWindow_;
    Tongue& tongue_;
    QPushButton* english_;
    QPushButton* german_;
};

}  // namespace spindora
