// Writes the pictures the game is built with: the board sheets beside the program, and
// the pictures it carries inside itself together with the resource list that embeds them.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>

#include "assets/DialogBackground.h"
#include "assets/DigitStrip.h"
#include "assets/Glyphs.h"
#include "assets/ProgramPictures.h"
#include "assets/Waves.h"
#include "assets/EmbeddedAssets.h"
#include "pictures/BoardPicture.h"
#include "game/PuzzleDescriptors.h"

namespace {

bool Save(const QImage& image, const QString& path, const char* format, int quality = -1) {
    if (image.save(path, format, quality)) return true;
    std::fprintf(stderr, "make_assets: cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: make_assets PROGRAM_DIR EMBEDDED_DIR [ICON_SIZE...]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString programDir = QString::fromLocal8Bit(argv[1]);
    const QString embeddedDir = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(programDir);
    QDir().mkpath(embeddedDir);

    // Each board at 1:1, the design's bitmap, and denser for the screens that show twice
    // the pixels (see kDenseFileScale), as PNG at zlib's strongest level: 5 % smaller than
    // at its default, and every KiB is installed.
    bool ok = true;
    for (const spindora::Mode mode : spindora::kAllModes) {
        const spindora::PuzzleDescriptor& puzzle = spindora::Describe(mode);
        const QString path = programDir + '/' + QString::fromLatin1(puzzle.pictureFile);
        ok = Save(puzzle.paintSheet(1).convertToFormat(QImage::Format_RGB888), path, "BMP") && ok;
        const QImage dense =
            puzzle.paintSheet(spindora::kDenseFileScale).convertToFormat(QImage::Format_RGB888);
        ok = Save(dense, spindora::DenseFileName(path), "PNG", 0) && ok;
    }

    // The program icon in the sizes the desktop's icon theme asks for (installed under
    // share/icons/hicolor).
    const QString iconDir = programDir + "/icons";
    QDir().mkpath(iconDir);
    for (int i = 3; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        if (size <= 0) {
            std::fprintf(stderr, "make_assets: not an icon size: %s\n", argv[i]);
            return 2;
        }
        ok = Save(spindora::PaintProgramIcon(size),
                  QStringLiteral("%1/spindora-%2.png").arg(iconDir).arg(size), "PNG") && ok;
    }

    QStringList embedded;
    const auto embed = [&](const QImage& image, const QString& name, const char* format) {
        ok = Save(image, embeddedDir + '/' + name, format) && ok;
        embedded << name;
    };
    embed(spindora::PaintDigitStrip(), spindora::kDigitStripResource, "BMP");
    for (const int scale : {2, 3})
        embed(spindora::PaintDigitStrip(scale).convertToFormat(QImage::Format_RGB888),
              spindora::DenseResourceName(spindora::kDigitStripResource, scale), "BMP");
    for (const int scale : {1, 2, 3}) {
        embed(spindora::PaintDialogBackground(scale).convertToFormat(QImage::Format_RGB888),
              spindora::DenseResourceName(spindora::kDialogBackgroundResource, scale), "BMP");
        embed(spindora::PaintSplashPicture(scale).convertToFormat(QImage::Format_RGB888),
              spindora::DenseResourceName(spindora::kSplashResource, scale), "BMP");
        embed(spindora::PaintAboutPicture(scale).convertToFormat(QImage::Format_Indexed8, Qt::AvoidDither),
              spindora::DenseResourceName(spindora::kAboutResource, scale), "BMP");
    }
    for (const int size : spindora::kProgramIconSizes)
        embed(spindora::PaintProgramIcon(size), spindora::ProgramIconResourceName(size), "PNG");
    for (const spindora::GlyphLayout& info : spindora::AllGlyphs())
        for (const int scale : {1, 2, 3})
            embed(spindora::PaintGlyph(info.id, scale), spindora::GlyphResourceName(info, scale), "PNG");

    for (int item = 0; item < spindora::kWaveCount; ++item) {
        const QString name = spindora::WaveResourceName(item);
        QFile wave(embeddedDir + '/' + name);
        const QByteArray image = spindora::WaveFileImage(spindora::WaveFormatOf(item).sampleRate,
                                                         spindora::SynthesiseWave(item));
        if (!wave.open(QIODevice::WriteOnly | QIODevice::Truncate) || wave.write(image) != image.size()) {
            std::fprintf(stderr, "make_assets: cannot write %s\n", qPrintable(wave.fileName()));
            ok = false;
        }
        embedded << name;
    }

    QFile qrc(embeddedDir + "/assets.qrc");
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "make_assets: cannot write %s\n", qPrintable(qrc.fileName()));
        return 1;
    }
    QTextStream out(&qrc);
    out << "<RCC>\n  <qresource prefix=\"/assets\">\n";
    for (const QString& name : embedded) out << "    <file>" << name << "</file>\n";
    out << "  </qresource>\n</RCC>\n";
    return ok ? 0 : 1;
}
