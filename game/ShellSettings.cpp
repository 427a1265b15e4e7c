#include "game/ShellSettings.h"

#include <algorithm>

#include "game/PuzzleDescriptors.h"

namespace spindora {
namespace {

const QString kCommon = QStringLiteral("common");

int ReadLevel(const SettingsStore& store, const char* name, int fallback, int low, int high) {
    return std::clamp(store.ReadInteger(kCommon, QString::fromLatin1(name), fallback), low, high);
}

// A puzzle's level: 1 when missing, and limited to the levels it has.
void ReadLevelOf(const SettingsStore& store, Mode mode, LevelSettings& levels) {
    const PuzzleDescriptor& puzzle = Describe(mode);
    levels.*puzzle.level = ReadLevel(store, puzzle.levelSetting, 1, 1, puzzle.levels);
}

}  // namespace

ShellSettings ReadShellSettings(const SettingsStore& store) {
    ShellSettings s;
    s.tongue = store.ReadInteger(kCommon, QStringLiteral("tongue"), -1);
    // Only the low eight bits are kept; the game flow makes the mode of them at start-up.
    s.mode = static_cast<uint8_t>(store.ReadInteger(kCommon, QStringLiteral("mode"), 0) & 0xFF);
    for (const Mode mode : kAllModes) ReadLevelOf(store, mode, s.levels);
    // A colour setting of 1 (two colours) is dealt while playing but comes back as 2; the
    // palette holds six colours, so nothing above 5 can be dealt.
    s.levels.pmode = ReadLevel(store, "pmode", 3, 2, 5);
    s.sound = store.ReadBool(kCommon, QStringLiteral("sound"), true);
    s.music = store.ReadBool(kCommon, QStringLiteral("music"), true);
    // Beyond the design's own keys: the window's size comes back with its zoom. Far beyond
    // any screen is brought back to what the screen holds when the window shows.
    s.zoom = std::clamp(store.ReadInteger(kCommon, QStringLiteral("zoom"), 100), 100, 10000);
    s.fullScreen = store.ReadBool(kCommon, QStringLiteral("fullscreen"), false);
    s.keepGames = store.ReadBool(kCommon, QStringLiteral("keepgames"), false);
    return s;
}

bool WriteShellSettings(SettingsStore& store, const ShellSettings& s) {
    bool ok = true;
    const auto integer = [&](const char* name, int value) {
        ok = store.WriteInteger(kCommon, QString::fromLatin1(name), value) && ok;
    };
    integer("mode", s.mode);
    const auto level = [&](Mode mode) {
        integer(Describe(mode).levelSetting, s.levels.*Describe(mode).level);
    };
    level(kZibbo);
    level(kKolluk);
    level(kPluf);
    integer("pmode", s.levels.pmode);
    level(kMurvo);
    ok = store.WriteBool(kCommon, QStringLiteral("sound"), s.sound) && ok;
    ok = store.WriteBool(kCommon, QStringLiteral("music"), s.music) && ok;
    integer("tongue", s.tongue);
    integer("zoom", s.zoom);
    ok = store.WriteBool(kCommon, QStringLiteral("fullscreen"), s.fullScreen) && ok;
    ok = store.WriteBool(kCommon, QStringLiteral("keepgames"), s.keepGames) && ok;
    return ok;
}

}  // namespace spindora
