#include "dialogs/HighscoreList.h"

#include <QByteArray>
#include <QStringDecoder>
#include <limits>

namespace spindora {
namespace {

// The scrambling. The entry's UTF-8 bytes get a check byte in front (the low byte of
// their sum, mixed with a constant). Every byte is then XORed with a key stream from a
// small congruential generator and with the scrambled byte before it, so one changed
// character changes everything after it. The result is written in the URL-safe Base64
// alphabet without padding: letters, digits, "-" and "_" only, so the settings file holds
// any name (umlauts included) with no quoting, commas or line breaks. Reading reverses each
// step and refuses text outside the alphabet, a wrong check byte or broken UTF-8.
constexpr uint8_t kFirstKey = 0xA7;
constexpr uint8_t kChainStart = 0x5C;
constexpr uint8_t kCheckMix = 0x6D;
constexpr auto kAlphabet = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;

QString RowName(const QString& levelKey, int row) { return levelKey + QString::number(row); }

uint8_t NextKey(uint8_t key) { return static_cast<uint8_t>(key * 73 + 41); }

uint8_t CheckByte(const QByteArray& bytes) {
    uint8_t sum = 0;
    for (const char c : bytes) sum = static_cast<uint8_t>(sum + static_cast<uint8_t>(c));
    return sum ^ kCheckMix;
}

bool InAlphabet(const QString& text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool ok = (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') ||
                        u == '-' || u == '_';
        if (!ok) return false;
    }
    return true;
}

}  // namespace

QString ScrambleEntry(const QString& plain) {
    const QByteArray bytes = plain.toUtf8();
    QByteArray mixed;
    mixed.reserve(bytes.size() + 1);
    uint8_t key = kFirstKey, previous = kChainStart;
    const auto put = [&](uint8_t byte) {
        previous = static_cast<uint8_t>(byte ^ key ^ previous);
        mixed.append(static_cast<char>(previous));
        key = NextKey(key);
    };
    put(CheckByte(bytes));
    for (const char c : bytes) put(static_cast<uint8_t>(c));
    return QString::fromLatin1(mixed.toBase64(kAlphabet));
}

std::optional<QString> UnscrambleEntry(const QString& stored) {
    if (stored.isEmpty() || !InAlphabet(stored)) return std::nullopt;
    const auto decoded = QByteArray::fromBase64Encoding(
        stored.toLatin1(), kAlphabet | QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.isEmpty()) return std::nullopt;
    QByteArray bytes;
    bytes.reserve(decoded.decoded.size());
    uint8_t key = kFirstKey, previous = kChainStart;
    for (const char c : decoded.decoded) {
        const auto byte = static_cast<uint8_t>(c);
        bytes.append(static_cast<char>(byte ^ key ^ previous));
        previous = byte;
        key = NextKey(key);
    }
    const auto check = static_cast<uint8_t>(bytes.front());
    bytes.remove(0, 1);
    if (check != CheckByte(bytes)) return std::nullopt;
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (utf8.hasError()) return std::nullopt;
    return text;
}

QString FormatEntry(const HighscoreEntry& entry) {
    return QString::number(entry.time) + QLatin1Char(',') + entry.name;
}

HighscoreEntry ParseEntry(const QString& text) {
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    if (comma <= 0 || comma > 10) return {};
    int64_t time = 0;
    for (qsizetype i = 0; i < comma; ++i) {
        const char16_t u = text[i].unicode();
        if (u < '0' || u > '9') return {};
        time = time * 10 + (u - '0');
    }
    if (time > std::numeric_limits<int32_t>::max()) return {};
    return {text.mid(comma + 1), static_cast<int32_t>(time)};
}

HighscoreList LoadHighscores(const TextStore& store, const QString& levelKey) {
    HighscoreList list;
    const QString section = QString::fromLatin1(kHighscoreSection);
    for (int row = 0; row < kHighscoreRows; ++row) {
        const QString stored = store.ReadText(section, RowName(levelKey, row), QString());
        if (const std::optional<QString> text = UnscrambleEntry(stored)) list[row] = ParseEntry(*text);
    }
    return list;
}

bool SaveHighscores(TextStore& store, const QString& levelKey, const HighscoreList& list) {
    const QString section = QString::fromLatin1(kHighscoreSection);
    bool ok = true;
    for (int row = 0; row < kHighscoreRows; ++row)
        ok = store.WriteText(section, RowName(levelKey, row), ScrambleEntry(FormatEntry(list[row]))) && ok;
    return ok;
}

std::optional<int> RowForTime(const HighscoreList& list, int32_t time) {
    for (int row = 0; row < kHighscoreRows; ++row)
        if (list[row].time == 0 || list[row].time > time) return row;
    return std::nullopt;
}

void InsertEntry(HighscoreList& list, int row, const HighscoreEntry& entry) {
    for (int r = kHighscoreRows - 1; r > row; --r) list[r] = list[r - 1];
    list[row] = entry;
}

}  // namespace spindora
