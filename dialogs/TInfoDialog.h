#pragma once
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <functional>
#include <optional>

#include "dialogs/DialogZoom.h"
#include "dialogs/LinkLabel.h"
#include "dialogs/Tongue.h"

namespace spindora {

// The about window: the program, its maker and how to reach them. Its language button asks
// for the language through the main window; this window follows the language as it changes,
// and the main window sets its captions anew.
class TInfoDialog final : public QDialog {
    Q_OBJECT
public:
    struct Hooks {
        std::function<void()> askTongue;      // shows the language question modally
        std::function<void()> applyCaptions;  // the main window's captions and hints
    };
    TInfoDialog(QWidget* mainWindow, const Tongue& tongue, const QString& webAddress, Hooks hooks,
                UrlOpener open = OpenThroughDesktop);

    QPushButton* TongBtn() const { return tong_; }
    QPushButton* OKBtn() const { return ok_; }
    LinkLabel* MailLabel() const { return mail_; }
    LinkLabel* Wumbatek_URL() const { return web_; }

    static QString MailAddress();
    // Opens at the main window's `zoom` from now on.
    void SetZoom(double zoom);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormActivate();
    void SetTexts();
    void TongBtnClick();
    void BuildLowerBlock(const QString& webAddress, const UrlOpener& open);
    void ShowPictures();

    QWidget* mainWindow_;
    const Tongue& tongue_;
    Hooks hooks_;
    QLabel* notice_ = nullptr;
    LinkLabel* mail_ = nullptr;
    LinkLabel* web_ = nullptr;
    QPushButton* tong_ = nullptr;
    QPushButton* ok_ = nullptr;
    QLabel* picture_ = nullptr;
    QLabel* icon_ = nullptr;
    QLabel* marks_ = nullptr;
    QIcon programIcon_;
    std::optional<DialogZoom> zoom_;
};

}  // namespace spindora
