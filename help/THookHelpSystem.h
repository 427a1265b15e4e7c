#pragma once
#include <QList>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>

#include "dialogs/Tongue.h"
#include "help/ChmLibrary.h"
#include "help/HelpViewer.h"
#include "help/TDLogFile.h"

namespace spindora {

// The help module: while it exists it handles the application's help requests, showing
// the topic asked for in the game's own help viewer. Destroying it closes every viewer
// window it opened and puts back the handler that was there before.
class THookHelpSystem {
public:
    // Kinds of help request, numbered as the platform's help commands.
    enum Command : unsigned { HELP_CONTEXT = 0x0001, HELP_CONTEXTPOPUP = 0x0008, HELP_SETPOPUP_POS = 0x000D };

    static constexpr const char* kNotInstalledText = "MS Html Help is not installed on this PC.";

    explicit THookHelpSystem(QString helpFile, const ChmLibrary& library = ChmLibrary::Shared(),
                             const TDLogFile* log = DebugLog());
    ~THookHelpSystem();
    THookHelpSystem(const THookHelpSystem&) = delete;
    THookHelpSystem& operator=(const THookHelpSystem&) = delete;

    // The module handling help requests now, or nullptr.
    static THookHelpSystem* Current();

    // A help request; false when it is left to the platform's default handling.
    bool HelpHook(unsigned command, qintptr data);

    // Shows topic `context` and returns 0, or reports why not: 1 without the help library,
    // 2 when the help file cannot be opened, 3 when the file has no such topic.
    int ShowContext(int context);

    // The viewer windows this module opened that are still open.
    QList<HelpViewer*> Viewers() const;
    void CloseAll();

    // The messages stand over the owner's window under its title, in its language;
    // `tongue` must outlive this module.
    void SetOwner(QWidget* window, QString title, const Tongue& tongue);

    const QString& HelpFilePath() const { return helpFile_; }
    QPoint PopupPosition() const { return popupPosition_; }

private:
    int Report(int result, const QString& text) const;

    QString helpFile_;
    QPointer<QWidget> owner_;
    QString title_ = QStringLiteral("Spindora");
    const Tongue* tongue_ = nullptr;
    QString windowDefinition_;  // the viewer window's definition: this program names none
    int viewerMode_ = 0;        // the viewer library is called directly
    const ChmLibrary& library_;
    const TDLogFile* log_;
    QPoint popupPosition_;
    std::shared_ptr<const HelpFile> file_;
    QList<QPointer<HelpViewer>> viewers_;
};

// Asks the application's help handler for a topic; false when there is none.
bool ApplicationHelpContext(int context);

}  // namespace spindora
