#pragma once
#include <QString>

#include "dialogs/TextStore.h"

namespace spindora {

// The per-user store of everything that outlives a run: an INI file with sections of
// named text values. Every read or write opens the file, handles one value and lets it go,
// so a crash loses at most the value being written; the file is replaced atomically.
// Section and value names compare without regard to case, also in a hand-edited file.
// Reads never create the file or its folder.
class SettingsStore final : public TextStore {
public:
    // An empty path keeps nothing: reads give the defaults and writes are dropped. Tests
    // that build windows use it so that no player's settings are ever touched.
    explicit SettingsStore(QString filePath = QString());

    // $XDG_CONFIG_HOME/Brizzels/Spindora/V1.conf, or ~/.config/... without the variable.
    static QString DefaultPath();
    const QString& FilePath() const { return filePath_; }

    int ReadInteger(const QString& section, const QString& name, int fallback) const;
    bool ReadBool(const QString& section, const QString& name, bool fallback) const;
    QString ReadText(const QString& section, const QString& name,
                     const QString& fallback) const override;

    // False when the file could not be written; the old file is then left whole.
    bool WriteInteger(const QString& section, const QString& name, int value);
    bool WriteBool(const QString& section, const QString& name, bool value);
    bool WriteText(const QString& section, const QString& name, const QString& value) override;

private:
    QString filePath_;
};

}  // namespace spindora
