#include <gtest/gtest.h>

#include <map>
#include <string>

#include "shell/DisplayCheck.h"

namespace spindora {
namespace {

// Which starts ask for an X display before the toolkit starts, and what the one line says.
TEST(DisplayCheck, AsksOnlyWhenTheToolkitWouldOpenAnXDisplay) {
    std::map<std::string, QString> env;
    const EnvironmentReader read = [&](const char* name) {
        const auto it = env.find(name);
        return it == env.end() ? QString() : it->second;
    };
    QStringList probed;
    bool serverAnswers = false;
    const DisplayProbe probe = [&](const QString& display) {
        probed << display;
        return serverAnswers;
    };
    const auto message = [&](const QStringList& args = {}) { return MissingDisplayMessage(args, read, probe); };

    EXPECT_EQ(message(), QStringLiteral("spindora: no graphical display found (DISPLAY is not set); "
                                        "start it from a desktop session"));
    EXPECT_TRUE(probed.isEmpty());

    env["DISPLAY"] = ":99";
    EXPECT_EQ(message(), QStringLiteral("spindora: no graphical display found (cannot open display :99); "
                                        "start it from a desktop session"));
    EXPECT_EQ(probed, QStringList{":99"});
    serverAnswers = true;
    EXPECT_FALSE(message());
    serverAnswers = false;

    // Platforms without a display, chosen by the variable or on the command line.
    for (const char* platform : {"offscreen", "minimal", "vnc"}) {
        env["QT_QPA_PLATFORM"] = platform;
        EXPECT_FALSE(message()) << platform;
    }
    env.erase("QT_QPA_PLATFORM");
    EXPECT_FALSE(message({"-platform", "offscreen"}));
    EXPECT_FALSE(message({"--seed", "3", "-platform=minimal"}));
    // Asking for X explicitly still checks the X display.
    env["QT_QPA_PLATFORM"] = "xcb";
    EXPECT_TRUE(message());
    env.erase("QT_QPA_PLATFORM");

    // A Wayland session needs no X server; but X chosen explicitly there is still checked.
    env["WAYLAND_DISPLAY"] = "wayland-0";
    EXPECT_FALSE(message());
    EXPECT_TRUE(message({"-platform", "xcb"}));
}

}  // namespace
}  // namespace spindora
