#include "shell/Startup.h"

#include <QFileInfo>
#include <QFont>
#include <QApplication>
#include <QMessageBox>
#include <cstdio>

#include "help/TDLogFile.h"
#include "shell/Captions.h"
#include "shell/CommandLine.h"
#include "game/PuzzleRegistry.h"
#include "shell/QuitSignals.h"

namespace spindora {

void InstallFontSubstitutes() {
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

std::unique_ptr<TMainForm> CreateMainForm(RandomSource& random, const QString& programDir,
                                          const QString& settingsFile) {
    auto form = std::make_unique<TMainForm>(random, programDir, SettingsStore(settingsFile));
    InstallPuzzles(form->flow());
    const ShellSettings settings = ReadShellSettings(form->store());
    if (!form->FormCreate(settings)) {
        // A board picture that failed has said so, with the reason, where it was read.
        if (form->flow().FailedFile().isEmpty())
            std::fprintf(stderr, "spindora: cannot load the off-screen bitmap\n");
        QMessageBox::critical(nullptr, WindowTitle(), StartupFailureText(settings.tongue));
        return nullptr;
    }
    return form;
}

std::optional<int> AnswerWithoutWindow(const CommandLine& options) {
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "spindora: %s\n", qPrintable(options.error));
        return 2;
    }
    if (options.help || options.version) {
        std::fputs(qPrintable(options.help ? UsageText() : WindowTitle() + QLatin1Char('\n')), stdout);
        return 0;
    }
    return std::nullopt;
}

int RunGame(const QStringList& arguments, const QString& programDir) {
    const CommandLine options = ParseCommandLine(arguments);
    if (const auto status = AnswerWithoutWindow(options)) return *status;
    TDLogFile log(programDir + QFileInfo(QCoreApplication::applicationFilePath()).fileName(), arguments);
    SetDebugLog(&log);
    const struct Unset { ~Unset() { SetDebugLog(nullptr); } } unsetLog;
    SeededRandom random(options.seed ? *options.seed : ClockSeed());
    std::unique_ptr<TMainForm> form;
    // Made before the window, so that a signal that comes early waits for the event loop;
    // gone before it, so that no late signal reaches a window that is no more.
    QuitSignals quitSignals([&form] {
        // Before the window exists only the message of a failed start can be open.
        if (form)
            form->CloseWithoutAsking();
        else
            DismissActiveModal();
    });
    form = CreateMainForm(random, programDir,
                          options.config.isEmpty() ? SettingsStore::DefaultPath() : options.config);
    if (!form) return 1;
    quitSignals.FilterInputFirst();
    form->show();
    return QApplication::exec();
}

}  // namespace spindora
