#include "shell/SettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <optional>

namespace spindora {
namespace {

// The stored key of `name` in `section`, spelled as the file spells it; nothing when
// absent. A section may appear more than once under different cases.
std::optional<QString> FindKey(QSettings& file, const QString& section, const QString& name) {
    for (const QString& group : file.childGroups()) {
        if (group.compare(section, Qt::CaseInsensitive) != 0) continue;
        file.beginGroup(group);
        const QStringList keys = file.childKeys();
        file.endGroup();
        for (const QString& key : keys)
            if (key.compare(name, Qt::CaseInsensitive) == 0) return group + QLatin1Char('/') + key;
    }
    return std::nullopt;
}

// Where a new value goes: into a section that already exists under any case.
QString NewKey(QSettings& file, const QString& section, const QString& name) {
    for (const QString& group : file.childGroups())
        if (group.compare(section, Qt::CaseInsensitive) == 0) return group + QLatin1Char('/') + name;
    return section + QLatin1Char('/') + name;
}

std::optional<QString> ReadRaw(const QString& path, const QString& section, const QString& name) {
    if (path.isEmpty() || !QFileInfo(path).isFile()) return std::nullopt;
    QSettings file(path, QSettings::IniFormat);
    const std::optional<QString> key = FindKey(file, section, name);
    if (!key) return std::nullopt;
    const QVariant value = file.value(*key);
    // A hand-written value with commas and no quotes reads as a list; it meant one text.
    if (value.userType() == QMetaType::QStringList) return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

}  // namespace

SettingsStore::SettingsStore(QString filePath) : filePath_(std::move(filePath)) {}

QString SettingsStore::DefaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Brizzels/Spindora/V1.conf");
}

int SettingsStore::ReadInteger(const QString& section, const QString& name, int fallback) const {
    const std::optional<QString> text = ReadRaw(filePath_, section, name);
    if (!text) return fallback;
    bool ok = false;
    const int value = text->trimmed().toInt(&ok);
    return ok ? value : fallback;
}

bool SettingsStore::ReadBool(const QString& section, const QString& name, bool fallback) const {
    return ReadInteger(section, name, fallback ? 1 : 0) != 0;
}

QString SettingsStore::ReadText(const QString& section, const QString& name,
                                const QString& fallback) const {
    return ReadRaw(filePath_, section, name).value_or(fallback);
}

bool SettingsStore::WriteInteger(const QString& section, const QString& name, int value) {
    return WriteText(section, name, QString::number(value));
}

bool SettingsStore::WriteBool(const QString& section, const QString& name, bool value) {
    return WriteText(section, name, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool SettingsStore::WriteText(const QString& section, const QString& name, const QString& value) {
    if (filePath_.isEmpty()) return true;
    if (!QDir().mkpath(QFileInfo(filePath_).absolutePath())) return false;
    QSettings file(filePath_, QSettings::IniFormat);
    // QSettings replaces the file through a temporary one, so the old file stays whole
    // until the new one is complete.
    file.setAtomicSyncRequired(true);
    const QString key = FindKey(file, section, name).value_or(NewKey(file, section, name));
    file.setValue(key, value);
    file.sync();
    return file.status() == QSettings::NoError;
}

}  // namespace spindora
