#include "shell/DisplayCheck.h"

#include <dlfcn.h>

#include <cstdlib>

namespace spindora {

namespace {

// The platform the toolkit would pick: -platform on the command line wins over the variable.
QString ChosenPlatform(const QStringList& arguments, const EnvironmentReader& environment) {
    for (int i = 0; i + 1 < arguments.size(); ++i)
        if (arguments[i] == QLatin1String("-platform") || arguments[i] == QLatin1String("--platform"))
            return arguments[i + 1];
    for (const QString& arg : arguments)
        if (arg.startsWith(QLatin1String("-platform="))) return arg.mid(10);
    return environment("QT_QPA_PLATFORM");
}

}  // namespace

QString ReadEnvironment(const char* name) { return QString::fromLocal8Bit(std::getenv(name)); }

namespace {

// The probe's connection stays open until the toolkit has made its own: an X server
// without other clients (Xvfb, a bare X session) resets itself when its last client
// leaves, and a connection made during the reset is refused.
struct HeldConnection {
    void* library = nullptr;
    void* connection = nullptr;
    void (*disconnect)(void*) = nullptr;
};
HeldConnection held;

}  // namespace

bool ProbeXDisplay(const QString& display) {
    // Asked through the same library the toolkit's X platform uses, loaded only for the
    // question so the program does not link against X itself.
    ReleaseDisplayProbe();
    void* xcb = dlopen("libxcb.so.1", RTLD_NOW | RTLD_LOCAL);
    if (!xcb) return true;  // no way to ask: leave the answer to the toolkit
    using Connect = void* (*)(const char*, int*);
    using HasError = int (*)(void*);
    const auto connect = reinterpret_cast<Connect>(dlsym(xcb, "xcb_connect"));
    const auto hasError = reinterpret_cast<HasError>(dlsym(xcb, "xcb_connection_has_error"));
    held = {xcb, nullptr, reinterpret_cast<void (*)(void*)>(dlsym(xcb, "xcb_disconnect"))};
    if (!connect || !hasError || !held.disconnect) {
        ReleaseDisplayProbe();
        return true;
    }
    held.connection = connect(display.toLocal8Bit().constData(), nullptr);
    const bool usable = hasError(held.connection) == 0;
    if (!usable) ReleaseDisplayProbe();  // also frees a connection in its error state
    return usable;
}

void ReleaseDisplayProbe() {
    if (held.connection) held.disconnect(held.connection);
    if (held.library) dlclose(held.library);
    held = {};
}

std::optional<QString> MissingDisplayMessage(const QStringList& arguments,
                                             const EnvironmentReader& environment,
                                             const DisplayProbe& probe) {
    const QString platform = ChosenPlatform(arguments, environment);
    if (!platform.isEmpty() && !platform.startsWith(QLatin1String("xcb"))) return std::nullopt;
    if (platform.isEmpty() && !environment("WAYLAND_DISPLAY").isEmpty()) return std::nullopt;
    const QString display = environment("DISPLAY");
    QString reason;
    if (display.isEmpty())
        reason = QStringLiteral("DISPLAY is not set");
    else if (!probe(display))
        reason = QStringLiteral("cannot open display %1").arg(display);
    else
        return std::nullopt;
    return QStringLiteral("spindora: no graphical display found (%1); start it from a desktop session")
        .arg(reason);
}

}  // namespace spindora
