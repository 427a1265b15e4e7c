#include <QApplication>
#include <cstdio>

#include "shell/CommandLine.h"
#include "shell/Startup.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Spindora"));
    spindora::InstallFontSubstitutes();

    const spindora::CommandLine options = spindora::ParseCommandLine(app.arguments().mid(1));
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "spindora: %s\n", qPrintable(options.error));
        return 2;
    }
    spindora::SeededRandom random(options.seed ? *options.seed : spindora::ClockSeed());
    const QString programDir = QCoreApplication::applicationDirPath() + QLatin1Char('/');

    auto form = spindora::CreateMainForm(random, programDir);
    if (!form) return 1;
    form->show();
    return app.exec();
}
