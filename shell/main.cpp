#include <QApplication>

#include <cstdio>

#include "shell/DisplayCheck.h"
#include "shell/Startup.h"

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    // --help and --version must work without a display.
    if (const auto status = spindora::AnswerWithoutWindow(spindora::ParseCommandLine(arguments)))
        return *status;
    if (const auto message = spindora::MissingDisplayMessage(arguments)) {
        std::fprintf(stderr, "%s\n", qPrintable(*message));
        return 1;
    }

    QApplication app(argc, argv);
    spindora::ReleaseDisplayProbe();
    QApplication::setApplicationName(QStringLiteral("Spindora"));
    spindora::InstallFontSubstitutes();
    return spindora::RunGame(arguments, QCoreApplication::applicationDirPath() + QLatin1Char('/'));
}
