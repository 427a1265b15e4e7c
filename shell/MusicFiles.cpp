#include "shell/MusicFiles.h"

#include <QDir>

#include "files/ForeignFile.h"

namespace spindora {

MidiSearch::MidiSearch(const QString& programDir) : dir_(programDir) {
    // Name filters ignore letter case, so "Song.MID" counts too, as it would elsewhere.
    names_ = QDir(programDir).entryList({QStringLiteral("*.mid")},
                                        QDir::Files | QDir::Hidden | QDir::System,
                                        QDir::Name | QDir::IgnoreCase);
    // Listing counts FIFOs and device nodes as files; only regular ones can be music.
    names_.removeIf([&](const QString& name) {
        return OpenForeignFile(QDir(programDir).filePath(name), FileKind::Midi).check == FileCheck::NotRegular;
    });
}

QString MidiSearch::First() {
    current_ = 0;
    return names_.isEmpty() ? QString() : QDir(dir_).filePath(names_[0]);
}

QString MidiSearch::Next() {
    if (names_.isEmpty()) return QString();
    current_ = (current_ + 1) % names_.size();
    return QDir(dir_).filePath(names_[current_]);
}

}  // namespace spindora
