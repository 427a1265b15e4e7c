#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace spindora {

// Reads one environment variable; empty when it is not set.
using EnvironmentReader = std::function<QString(const char*)>;
QString ReadEnvironment(const char* name);

// Tries to reach the X server named by `display`; true when it answers. A connection that
// worked is held open until ReleaseDisplayProbe, to be called once the toolkit is connected.
using DisplayProbe = std::function<bool(const QString& display)>;
bool ProbeXDisplay(const QString& display);
void ReleaseDisplayProbe();

// The toolkit aborts with a core dump and advice to reinstall when it finds no display.
// Asked before the toolkit starts: the one line to print when the X display the toolkit
// would use is missing or unusable, nothing when the game can start (a Wayland session,
// or a platform without a display such as offscreen chosen through QT_QPA_PLATFORM or
// -platform).
std::optional<QString> MissingDisplayMessage(const QStringList& arguments,
                                             const EnvironmentReader& environment = ReadEnvironment,
                                             const DisplayProbe& probe = ProbeXDisplay);

}  // namespace spindora
