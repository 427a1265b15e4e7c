#pragma once
#include <QString>

#include "settings/TextStore.h"
#include "settings/IniDocument.h"

namespace spindora {

// The per-user store of everything that outlives a run: an INI file with sections of
// named text values. The file is read once, when the store is made; each read or write
// handles one value in memory. Writes reach the file as a whole, through a new file that
// replaces the old one only once it is completely on disk, so a failed write never costs
// what the file held. Section and value names compare without regard to case, also in a
// hand-edited file. Reads never create the file or its folder.
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

    // Each write goes to the file at once, unless writes are held (below). False when the
    // file could not be written; the old file is then left whole.
    bool WriteInteger(const QString& section, const QString& name, int value);
    bool WriteBool(const QString& section, const QString& name, bool value);
    bool WriteText(const QString& section, const QString& name, const QString& value) override;

    // From now on writes stay in memory until Flush, so a run writes the file once at its
    // end (and after a new best time) rather than once per value.
    void HoldWrites() { holding_ = true; }
    // Writes what changed since the file was last written; true when nothing had to be
    // written or the file now holds it all.
    bool Flush();

private:
    QString filePath_;
    IniDocument document_;
    bool dirty_ = false;
    bool holding_ = false;
    // The file there could not be read or is no regular file: replacing it could lose it.
    bool keepOff_ = false;
};

}  // namespace spindora
