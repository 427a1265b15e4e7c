#pragma once
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <optional>

#include "assets/Glyphs.h"
#include "dialogs/DialogZoom.h"
#include "dialogs/Tongue.h"

namespace spindora {

// The layout and texts of one of the four small message windows.
struct MessageDlgLayout {
    const char* className;  // TPauseDlg, TDoneDlg, ...
    const char* labelName;  // msg, or Msg in TDoneDlg
    TextPair title;         // never drawn (the window has no title bar): its name for screen readers
    QRect label;
    int labelPixels;
    QRect okBtn;  // height is always 27
    Glyph okGlyph;
    QRect cancelBtn;  // empty: the window has no cancel button
    TextPair message;
    TextPair okText;
    TextPair cancelText;
    bool staysOnTop;
};

// A borderless 250 x 125 window over the bottom of the dialog background, with a framed
// message and an OK (and maybe a Cancel) button. It answers kModalOk or kModalCancel.
class MessageDlg final : public QDialog {
    Q_OBJECT
public:
    MessageDlg(const MessageDlgLayout& layout, QWidget* mainWindow, const Tongue& tongue,
               const QImage& background);

    QLabel* msg() const { return msg_; }
    QPushButton* OKBtn() const { return ok_; }
    QPushButton* CancelBtn() const { return cancel_; }
    // Opens at the main window's `zoom` from now on.
    void SetZoom(double zoom);

    // Where the window goes: centred over the main window's outer frame.
    static QPoint CentredOver(const QRect& mainFrame, QSize size);

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void FormActivate();

    const MessageDlgLayout& layout_;
    QWidget* mainWindow_;
    const Tongue& tongue_;
    const QImage& background_;
    QLabel* msg_;
    QPushButton* ok_;
    QPushButton* cancel_ = nullptr;
    std::optional<DialogZoom> zoom_;
};

}  // namespace spindora
