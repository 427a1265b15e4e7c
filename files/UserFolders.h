#pragma once
#include <QString>

namespace spindora {

// A base folder of the XDG layout: `$variable` when it holds an absolute path, otherwise
// `fallbackInHome` under the home folder (an empty or relative value is to be ignored).
QString XdgBaseFolder(const char* variable, const char* fallbackInHome);

}  // namespace spindora
