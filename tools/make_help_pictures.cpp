// Build-time step: deals each puzzle once on the generated board pictures and writes a
// reduced PNG of the dealt board for the help pages, so that the help shows the boards
// exactly as the game draws them.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <cstdio>

#include "puzzles/BoardGeometry.h"
#include "rules/Random.h"
#include "game/PuzzleDescriptors.h"
#include "shell/Startup.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s PROGRAM_DIR OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString programDir = QDir(QString::fromLocal8Bit(argv[1])).absolutePath() + QLatin1Char('/');
    const QDir out(QString::fromLocal8Bit(argv[2]));
    if (!out.mkpath(QStringLiteral("."))) return 1;

    spindora::SeededRandom random(20261207);  // the same pictures on every build
    auto form = spindora::CreateMainForm(random, programDir);
    if (!form) return 1;
    for (const spindora::Mode mode : spindora::kAllModes) {
        form->flow().SwitchMode(mode);
        const QImage board = form->box().image().copy(0, 0, spindora::kBoardWidth, spindora::kBoardHeight);
        const QImage small = board.scaled(board.size() * 3 / 4, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        const QString page = QLatin1String(spindora::Describe(mode).helpPage);
        const QString file = out.filePath(page + QLatin1String(".png"));
        if (!small.save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
