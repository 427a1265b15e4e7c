#include "shell/ShellSettings.h"

#include <algorithm>

namespace spindora {
namespace {

const QString kCommon = QStringLiteral("common");

int ReadLevel(const SettingsStore& store, const char* name, int fallback, int low, int high) {
    return std::clamp(store.ReadInteger(kCommon, QString::fromLatin1(name), fallback), low, high);
}

}  // namespace

ShellSettings ReadShellSettings(const SettingsStore& store) {
    ShellSettings s;
    s.tongue = store.ReadInteger(kCommon, QStringLiteral("tongue"), -1);
    // Only the low eight bits are kept; a mode outside 0..3 is caught at start-up.
    s.mode = static_cast<uint8_t>(store.ReadInteger(kCommon, QStringLiteral("mode"), 0) & 0xFF);
    s.levels.gmode = ReadLevel(store, "gmode", 1, 1, 9);
    s.levels.hmode = ReadLevel(store, "hmode", 1, 1, 4);
    s.levels.dmode = ReadLevel(store, "dmode", 1, 1, 4);
    // A colour setting of 1 (two colours) is dealt while playing but comes back as 2; the
    // palette holds six colours, so nothing above 5 can be dealt.
    s.levels.pmode = ReadLevel(store, "pmode", 3, 2, 5);
    s.levels.rmode = ReadLevel(store, "rmode", 1, 1, 10);
    s.sound = store.ReadBool(kCommon, QStringLiteral("sound"), true);
    s.music = store.ReadBool(kCommon, QStringLiteral("music"), true);
    return s;
}

bool WriteShellSettings(SettingsStore& store, const ShellSettings& s) {
    bool ok = true;
    const auto integer = [&](const char* name, int value) {
        ok = store.WriteInteger(kCommon, QString::fromLatin1(name), value) && ok;
    };
    integer("mode", s.mode);
    integer("gmode", s.levels.gmode);
    integer("hmode", s.levels.hmode);
    integer("dmode", s.levels.dmode);
    integer("pmode", s.levels.pmode);
    integer("rmode", s.levels.rmode);
    ok = store.WriteBool(kCommon, QStringLiteral("sound"), s.sound) && ok;
    ok = store.WriteBool(kCommon, QStringLiteral("music"), s.music) && ok;
    integer("tongue", s.tongue);
    return ok;
}

}  // namespace spindora
