#include "settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>
#include <fcntl.h>
#include <stdio.h>

#include "files/FileReplace.h"
#include "files/ForeignFile.h"

namespace spindora {
namespace {

// Moves an oversized file out of the way under `<name>.damaged`, never over an earlier one.
bool SetAside(const QString& path) {
    const QString target = FollowLinks(path);
    const QByteArray from = QFile::encodeName(target);
    const QByteArray to = QFile::encodeName(target + QStringLiteral(".damaged"));
    return ::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0;
}

}  // namespace

SettingsStore::SettingsStore(QString filePath) : filePath_(std::move(filePath)) {
    if (filePath_.isEmpty()) return;
    const ForeignBytes file = ReadForeignFile(filePath_, FileKind::Settings);
    switch (file.check) {
    case FileCheck::Regular: document_ = IniDocument::Parse(file.bytes); break;
    case FileCheck::Missing: break;
    case FileCheck::TooLarge: {
        const bool moved = SetAside(filePath_);
        std::fprintf(stderr, "spindora: the settings file %s is too large to be settings; %s\n",
                     qPrintable(filePath_),
                     moved ? "it is kept with the ending .damaged and the game starts afresh"
                           : "it is left alone and nothing is saved this run");
        keepOff_ = !moved;
        break;
    }
    case FileCheck::NotRegular:
    case FileCheck::Unreadable: keepOff_ = true; break;
    }
}

QString SettingsStore::DefaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Brizzels/Spindora/V1.conf");
}

int SettingsStore::ReadInteger(const QString& section, const QString& name, int fallback) const {
    const std::optional<QString> text = document_.Value(section, name);
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
    return document_.Value(section, name).value_or(fallback);
}

bool SettingsStore::WriteInteger(const QString& section, const QString& name, int value) {
    return WriteText(section, name, QString::number(value));
}

bool SettingsStore::WriteBool(const QString& section, const QString& name, bool value) {
    return WriteText(section, name, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool SettingsStore::WriteText(const QString& section, const QString& name, const QString& value) {
    if (filePath_.isEmpty()) return true;
    document_.SetValue(section, name, value);
    dirty_ = true;
    return holding_ || Flush();
}

bool SettingsStore::Flush() {
    if (filePath_.isEmpty() || !dirty_) return true;
    if (keepOff_) return false;
    if (!QDir().mkpath(QFileInfo(FollowLinks(filePath_)).absolutePath())) return false;
    if (ReplaceFile(filePath_, document_.Serialize()) != ReplaceResult::Written) return false;
    dirty_ = false;
    return true;
}

}  // namespace spindora
