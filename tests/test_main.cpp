#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "shell/Startup.h"

int main(int argc, char** argv) {
    // Every test runs headless, whatever the caller's environment says.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // A run without --config must never touch the settings of whoever runs the tests, nor
    // play their music, nor keep boards among theirs.
    QTemporaryDir config, data, cache;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    qputenv("XDG_CACHE_HOME", cache.path().toLocal8Bit());
    QApplication app(argc, argv);
    spindora::InstallFontSubstitutes();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
