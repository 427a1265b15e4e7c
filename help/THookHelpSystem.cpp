#include "help/THookHelpSystem.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <algorithm>
#include <cstdio>

namespace spindora {
namespace {

// The handlers in the order they were made; the newest handles the requests. A list rather
// than one saved predecessor, so that modules ending out of order never leave a dangling one.
QList<THookHelpSystem*>& Handlers() {
    static QList<THookHelpSystem*> handlers;
    return handlers;
}

const char* CommandName(unsigned command) {
    switch (command) {
    case THookHelpSystem::HELP_CONTEXT: return "HELP_CONTEXT";
    case THookHelpSystem::HELP_CONTEXTPOPUP: return "HELP_CONTEXTPOPUP";
    case THookHelpSystem::HELP_SETPOPUP_POS: return "HELP_SETPOPUP_POS";
    default: return "unknown";
    }
}

QString MissingFileText(int tongue, const QString& file) {
    return tongue == 1 ? QStringLiteral("Die Hilfedatei %1 fehlt oder ist beschädigt.").arg(file)
                       : QStringLiteral("The help file %1 is missing or damaged.").arg(file);
}

QString NoTopicText(int tongue, const QString& file, int context) {
    return tongue == 1 ? QStringLiteral("Die Hilfedatei %1 hat kein Thema %2.").arg(file).arg(context)
                       : QStringLiteral("The help file %1 has no topic %2.").arg(file).arg(context);
}

// The viewer belongs to the desktop, not to the game, but it opens overlapping the game's
// lower right so that the board stays in view beside the page.
void PlaceBesideGame(HelpViewer& viewer) {
    const QWidget* game = QApplication::activeWindow();
    // Without a window manager nothing may be active; the game's window is then the one.
    for (const QWidget* window : QApplication::topLevelWidgets())
        if (!game && window->isVisible() && window->objectName() == QLatin1String("MainForm")) game = window;
    if (!game || !game->screen()) return;
    const QRect screen = game->screen()->availableGeometry();
    const QPoint wanted = game->frameGeometry().topLeft() + QPoint(game->width() / 3, game->height() / 3);
    viewer.move(std::clamp(wanted.x(), screen.left(), std::max(screen.left(), screen.right() - viewer.width())),
                std::clamp(wanted.y(), screen.top(), std::max(screen.top(), screen.bottom() - viewer.height())));
}

}  // namespace

THookHelpSystem::THookHelpSystem(QString helpFile, const ChmLibrary& library, const TDLogFile* log)
    : helpFile_(std::move(helpFile)), library_(library), log_(log) {
    Handlers().append(this);
    if (log_)
        log_->Log("THookHelpSystem.Create(\"%s\",\"%s\", %d)", qPrintable(helpFile_),
                  qPrintable(windowDefinition_), viewerMode_);
}

THookHelpSystem::~THookHelpSystem() {
    if (log_) log_->Log("THookHelpSystem.Destroy");
    CloseAll();
    Handlers().removeOne(this);
}

void THookHelpSystem::SetOwner(QWidget* window, QString title, const Tongue& tongue) {
    owner_ = window;
    title_ = std::move(title);
    tongue_ = &tongue;
}

THookHelpSystem* THookHelpSystem::Current() { return Handlers().isEmpty() ? nullptr : Handlers().last(); }

bool ApplicationHelpContext(int context) {
    THookHelpSystem* handler = THookHelpSystem::Current();
    return handler && handler->HelpHook(THookHelpSystem::HELP_CONTEXT, context);
}

bool THookHelpSystem::HelpHook(unsigned command, qintptr data) {
    if (log_)
        log_->Log("THookHelpSystem.HelpHook(%u (%s), %lld)", command, CommandName(command),
                  static_cast<long long>(data));
    if (command == HELP_SETPOPUP_POS) {
        // The position comes packed as in the platform's message: x low, y high.
        popupPosition_ = QPoint(static_cast<int16_t>(data & 0xFFFF), static_cast<int16_t>((data >> 16) & 0xFFFF));
        return true;
    }
    if (command != HELP_CONTEXT && command != HELP_CONTEXTPOPUP) return false;
    ShowContext(static_cast<int>(data));
    return true;
}

int THookHelpSystem::ShowContext(int context) {
    if (log_) {
        log_->Log("HHHelpContext(\"%s\", %d, \"%s\", %d)", qPrintable(helpFile_), context,
                  qPrintable(windowDefinition_), viewerMode_);
        log_->Log("ShowContext(\"%s\", %d)", qPrintable(helpFile_), context);
    }
    if (!library_.Present()) {
        std::fprintf(stderr, "spindora: no help viewer: cannot load %s: %s\n",
                     qPrintable(library_.Name()), qPrintable(library_.Failure()));
        return Report(1, QLatin1String(kNotInstalledText));
    }
    if (!file_) file_ = HelpFile::Open(library_, helpFile_);
    const int tongue = tongue_ ? tongue_->value() : 0;
    if (!file_) return Report(2, MissingFileText(tongue, helpFile_));
    const auto page = context >= 0 ? file_->PageForContext(static_cast<uint32_t>(context)) : std::nullopt;
    if (!page) return Report(3, NoTopicText(tongue, helpFile_, context));

    // One viewer per module, reused: a second request turns its page and brings it forward.
    QPointer<HelpViewer> viewer = Viewers().isEmpty() ? nullptr : Viewers().last();
    if (!viewer) {
        viewer = new HelpViewer(file_);
        viewers_ << viewer;
        PlaceBesideGame(*viewer);
    }
    viewer->ShowPage(*page);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return Report(0, QString());
}

int THookHelpSystem::Report(int result, const QString& text) const {
    if (log_) log_->Log("  returned - %d", result);
    if (result == 0) return result;
    if (result == 2 || result == 3) std::fprintf(stderr, "spindora: %s\n", qPrintable(text));
    QMessageBox::warning(owner_ && owner_->isVisible() ? owner_.data() : nullptr, title_, text);
    if (log_) log_->Log("HHShowError(%d), \"%s\"", result, qPrintable(text));
    return result;
}

QList<HelpViewer*> THookHelpSystem::Viewers() const {
    QList<HelpViewer*> open;
    for (const auto& viewer : viewers_)
        if (viewer) open << viewer.data();
    return open;
}

void THookHelpSystem::CloseAll() {
    for (HelpViewer* viewer : Viewers()) {
        delete viewer;
    }
    viewers_.clear();
}

}  // namespace spindora
