#include "TestSupport.h"

#include <gtest/gtest.h>


#include "puzzles/BoardGeometry.h"
#include "assets/Raster.h"
#include "puzzles/kolluk/KollukSheetPainter.h"
#include "puzzles/murvo/MurvoSheetPainter.h"
#include "puzzles/pluf/PlufSheetPainter.h"
#include "puzzles/zibbo/ZibboSheetPainter.h"

namespace spindora::test {

int ScriptedRandom::Random(int n) {
    ranges.push_back(n);
    if (script.empty()) {
        ADD_FAILURE() << "script ran out of draws";
        return 0;
    }
    const int value = script.front();
    script.pop_front();
    return value;
}

FakeHost::FakeHost(QImage sheetImage, RandomSource* randomSource)
    : sheet(ToRasterFormat(sheetImage)),
      offScreen(kOffScreenWidth, kOffScreenHeight, QImage::Format_RGB32),
      random(randomSource) {
    offScreen.fill(Qt::black);
}

int FakeHost::Random(int n) { return random ? random->Random(n) : fallback.Random(n); }

const QImage& ZibboSheet() {
    static const QImage sheet = ToRasterFormat(zibbo::PaintZibboSheet());
    return sheet;
}

const QImage& KollukSheet() {
    static const QImage sheet = ToRasterFormat(kolluk::PaintKollukSheet());
    return sheet;
}

const QImage& MurvoSheet() {
    static const QImage sheet = ToRasterFormat(murvo::PaintMurvoSheet());
    return sheet;
}

const QImage& PlufSheet() {
    static const QImage sheet = ToRasterFormat(pluf::PaintPlufSheet());
    return sheet;
}

}  // namespace spindora::test
