#include "game/KeptGame.h"

#include <QList>

#include "files/UserFolders.h"
#include "game/PuzzleDescriptors.h"

namespace spindora {
namespace {

QByteArray VersionLine() { return QByteArrayLiteral("Spindora kept game " SPINDORA_VERSION); }

QByteArray Line(const char* key, const std::vector<int>& values) {
    QByteArray line(key);
    for (const int value : values) line += ' ' + QByteArray::number(value);
    return line + '\n';
}

// "key n n n": the numbers, each of plain digits and at most `most`; nothing when the key
// differs or a number is not one.
std::optional<std::vector<int>> Values(const QByteArray& line, const char* key, int most) {
    const QList<QByteArray> words = line.split(' ');
    if (words.first() != key) return std::nullopt;
    std::vector<int> values;
    for (qsizetype i = 1; i < words.size(); ++i) {
        const QByteArray& word = words[i];
        if (word.isEmpty() || word.size() > 9) return std::nullopt;
        for (const char c : word)
            if (c < '0' || c > '9') return std::nullopt;
        const int value = word.toInt();
        if (value > most) return std::nullopt;
        values.push_back(value);
    }
    return values;
}

// One number between `low` and `high`.
std::optional<int> Value(const QByteArray& line, const char* key, int low, int high) {
    const auto values = Values(line, key, high);
    if (!values || values->size() != 1 || values->front() < low) return std::nullopt;
    return values->front();
}

}  // namespace

QString KeptFolder() { return XdgBaseFolder("XDG_STATE_HOME", ".local/state") + QStringLiteral("/spindora"); }

QString KeptFilePath(Mode mode) {
    return KeptFolder() + QLatin1Char('/') + QString::fromLatin1(Describe(mode).name).toLower() +
           QStringLiteral(".kept");
}

QByteArray WriteKeptGame(const KeptGame& game) {
    return VersionLine() + '\n' + Line("level", {game.level}) + Line("colours", {game.colours}) +
           Line("clock", {game.clockTicks}) + Line("hint", {game.hintShown ? 1 : 0}) +
           Line("position", game.board.position) + Line("done", game.board.done) +
           Line("undone", game.board.undone);
}

std::optional<KeptGame> ReadKeptGame(const QByteArray& bytes, Mode mode) {
    if (!bytes.endsWith('\n')) return std::nullopt;
    const QList<QByteArray> lines = bytes.chopped(1).split('\n');
    if (lines.size() != 8 || lines[0] != VersionLine()) return std::nullopt;
    const auto level = Value(lines[1], "level", 1, Describe(mode).levels);
    const auto colours = Value(lines[2], "colours", 1, 5);
    const auto clock = Value(lines[3], "clock", 0, 999'999'999);
    const auto hint = Value(lines[4], "hint", 0, 1);
    const auto position = Values(lines[5], "position", 255);
    // A move is its place in a level's list of moves, of which no level has a thousand.
    const auto done = Values(lines[6], "done", 999);
    const auto undone = Values(lines[7], "undone", 999);
    if (!level || !colours || !clock || !hint || !position || !done || !undone) return std::nullopt;
    return KeptGame{*level, *colours, *clock, *hint == 1, KeptBoard{*position, *done, *undone}};
}

}  // namespace spindora
