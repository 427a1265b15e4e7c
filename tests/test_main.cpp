#include <QApplication>
#include <gtest/gtest.h>

#include "shell/Startup.h"

int main(int argc, char** argv) {
    // Every test runs headless, whatever the caller's environment says.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    spindora::InstallFontSubstitutes();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
