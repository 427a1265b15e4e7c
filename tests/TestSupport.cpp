#include "TestSupport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "puzzles/BoardGeometry.h"
#include "puzzles/Raster.h"
#include "puzzles/kolluk/KollukSheetPainter.h"
#include "puzzles/zibbo/ZibboSheetPainter.h"
#include "shell/Startup.h"

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

void AnswerNextModal(Qt::Key key, QString* text, int triesLeft) {
    QTimer::singleShot(triesLeft == 500 ? 0 : 5, [key, text, triesLeft] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            if (triesLeft > 0) AnswerNextModal(key, text, triesLeft - 1);
            else ADD_FAILURE() << "no modal window opened";
            return;
        }
        if (text) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) *text = box->text();
        }
        QTest::keyClick(modal, key);
    });
}

std::unique_ptr<TMainForm> ShownForm(RandomSource& random) {
    auto form = CreateMainForm(random, QStringLiteral(SPINDORA_BUILD_DIR));
    if (form) {
        form->show();
        QApplication::processEvents();
    }
    return form;
}

}  // namespace spindora::test
