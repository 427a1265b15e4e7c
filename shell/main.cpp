#include <QApplication>

#include "shell/Startup.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Spindora"));
    spindora::InstallFontSubstitutes();
    return spindora::RunGame(QApplication::arguments().mid(1),
                             QCoreApplication::applicationDirPath() + QLatin1Char('/'));
}
