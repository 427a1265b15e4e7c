#include "shell/Startup.h"

#include <QFont>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <cstdio>

#include "shell/Captions.h"
#include "shell/PuzzleRegistry.h"

namespace spindora {

void InstallFontSubstitutes() {
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

std::unique_ptr<TMainForm> CreateMainForm(RandomSource& random, const QString& programDir) {
    auto form = std::make_unique<TMainForm>(random, programDir);
    InstallPuzzles(form->flow());
    const ShellSettings settings = ReadShellSettings();
    if (!form->FormCreate(settings)) {
        const QString file = form->flow().FailedFile();
        std::fprintf(stderr, "spindora: cannot load %s\n",
                     qPrintable(file.isEmpty() ? QStringLiteral("the off-screen bitmap") : file));
        QMessageBox::critical(nullptr, WindowTitle(), StartupFailureText(settings.tongue));
        return nullptr;
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect desk = screen->geometry();
        form->move(desk.left() + (desk.width() - form->width()) / 2,
                   desk.top() + (desk.height() - form->height()) / 2);
    }
    return form;
}

}  // namespace spindora
