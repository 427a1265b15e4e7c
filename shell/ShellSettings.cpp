#include "shell/ShellSettings.h"

#include <algorithm>

namespace spindora {

void ApplyLimits(ShellSettings& s) {
    s.levels.gmode = std::clamp(s.levels.gmode, 1, 9);
    s.levels.hmode = std::clamp(s.levels.hmode, 1, 4);
    s.levels.dmode = std::clamp(s.levels.dmode, 1, 4);
    s.levels.pmode = std::clamp(s.levels.pmode, 2, 5);
    s.levels.rmode = std::clamp(s.levels.rmode, 1, 10);
}

ShellSettings ReadShellSettings() {
    ShellSettings settings;
    ApplyLimits(settings);
    return settings;
}

}  // namespace spindora
