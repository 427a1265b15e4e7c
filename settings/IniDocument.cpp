#include "settings/IniDocument.h"

#include <QHash>
#include <QStringList>

namespace spindora {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }
bool IsHex(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
int HexValue(char c) { return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10; }

QByteArray Trimmed(const QByteArray& bytes) {
    qsizetype from = 0, to = bytes.size();
    while (from < to && IsSpace(bytes[from])) ++from;
    while (to > from && IsSpace(bytes[to - 1])) --to;
    return bytes.mid(from, to - from);
}

// One logical line from `pos`: its start and length, and where its first '=' outside quotes
// lies (-1 when none). Comment lines starting with ';' and blank lines are skipped; a
// backslash joins the next character, a line end included, and quotes may span lines.
bool ReadLine(const QByteArray& data, qsizetype& pos, qsizetype& start, qsizetype& length,
              qsizetype& equals) {
    const qsizetype size = data.size();
    bool inQuotes = false;
    equals = -1;
    start = pos;
    while (start < size && IsSpace(data[start])) ++start;
    qsizetype i = start;
    while (i < size) {
        const char c = data[i++];
        if (c == '=') {
            if (!inQuotes && equals == -1) equals = i - 1;
        } else if (c == '\n' || c == '\r') {
            if (i == start + 1) {
                ++start;
            } else if (!inQuotes) {
                --i;
                break;
            }
        } else if (c == '\\') {
            if (i < size) {
                const char next = data[i++];
                if (i < size) {
                    const char after = data[i];
                    if ((next == '\n' && after == '\r') || (next == '\r' && after == '\n')) ++i;
                }
            }
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else if (c == ';') {
            if (i == start + 1) {
                while (i < size && data[i] != '\n' && data[i] != '\r') ++i;
                while (i < size && IsSpace(data[i])) ++i;
                start = i;
            } else if (!inQuotes) {
                --i;
                break;
            }
        }
    }
    pos = i;
    length = i - start;
    return length > 0;
}

// Names: '/' is stored as '\', letters, digits and "_-." as they are, the rest as %XX or %UXXXX.
QByteArray EscapedName(const QString& name) {
    QByteArray out;
    for (const QChar qc : name) {
        const char16_t c = qc.unicode();
        if (c == '/') {
            out += '\\';
        } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                   c == '_' || c == '-' || c == '.') {
            out += static_cast<char>(c);
        } else if (c <= 0xFF) {
            out += '%' + QByteArray::number(c, 16).toUpper().rightJustified(2, '0');
        } else {
            out += "%U" + QByteArray::number(c, 16).toUpper().rightJustified(4, '0');
        }
    }
    return out;
}

QString UnescapedName(const QByteArray& bytes) {
    const QString text = QString::fromUtf8(bytes);
    QString out;
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text[i];
        if (c == QLatin1Char('\\')) {
            out += QLatin1Char('/');
            ++i;
            continue;
        }
        if (c != QLatin1Char('%') || i == text.size() - 1) {
            out += c;
            ++i;
            continue;
        }
        qsizetype first = i + 1;
        int digits = 2;
        if (text[first] == QLatin1Char('U')) {
            ++first;
            digits = 4;
        }
        bool ok = false;
        const ushort code = first + digits <= text.size() ? text.mid(first, digits).toUShort(&ok, 16) : 0;
        if (!ok) {
            out += QLatin1Char('%');
            ++i;
            continue;
        }
        out += QChar(code);
        i = first + digits;
    }
    return out;
}

// Texts: control characters, quotes and backslashes escaped, the rest as UTF-8; quoted when
// they hold ',', ';' or '=' or begin or end with a space. A leading '@' is doubled, as it
// marks typed values.
QByteArray EscapedText(const QString& value) {
    const QString text = value.startsWith(QLatin1Char('@')) ? QLatin1Char('@') + value : value;
    QByteArray out;
    bool quotes = false;
    bool hexFollows = false;
    for (const char32_t c : text.toUcs4()) {
        if (c == ';' || c == ',' || c == '=') quotes = true;
        if (hexFollows && c < 0x80 && IsHex(static_cast<char>(c))) {
            out += "\\x" + QByteArray::number(c, 16);
            continue;
        }
        hexFollows = false;
        switch (c) {
        case '\0': out += "\\0"; hexFollows = true; break;
        case '\a': out += "\\a"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\v': out += "\\v"; break;
        case '"': case '\\': out += '\\'; out += static_cast<char>(c); break;
        default:
            if (c <= 0x1F) {
                out += "\\x" + QByteArray::number(c, 16);
                hexFollows = true;
            } else {
                out += QString::fromUcs4(&c, 1).toUtf8();
            }
        }
    }
    if (quotes || (!out.isEmpty() && (out.front() == ' ' || out.back() == ' '))) out = '"' + out + '"';
    return out;
}

void ChopTrailingSpaces(QString& text, qsizetype limit) {
    qsizetype n = text.size();
    while (n > limit && (text[n - 1] == QLatin1Char(' ') || text[n - 1] == QLatin1Char('\t'))) --n;
    text.truncate(n);
}

// The stored bytes as text; a list (commas outside quotes) as one text joined by ',', as
// a hand-written value with commas meant one text.
QString UnescapedText(const QByteArray& str) {
    QStringList items;
    QString current;
    bool isList = false, inQuotes = false, quoted = false;
    qsizetype i = 0;
    const qsizetype size = str.size();
    const auto skipSpaces = [&] {
        while (i < size && (str[i] == ' ' || str[i] == '\t')) ++i;
    };
    skipSpaces();
    qsizetype chopLimit = 0;
    while (i < size) {
        const char c = str[i];
        if (c == '\\') {
            if (++i >= size) break;
            const char e = str[i++];
            static const char codes[][2] = {{'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'},
                                            {'r', '\r'}, {'t', '\t'}, {'v', '\v'}, {'"', '"'},
                                            {'?', '?'}, {'\'', '\''}, {'\\', '\\'}};
            bool simple = false;
            for (const auto& code : codes)
                if (e == code[0]) {
                    current += QLatin1Char(code[1]);
                    simple = true;
                    break;
                }
            if (simple) {
                chopLimit = current.size();
                continue;
            }
            if (e == 'x' || (e >= '0' && e <= '7')) {
                char32_t code = e == 'x' ? 0 : static_cast<char32_t>(e - '0');
                const bool hex = e == 'x';
                while (i < size && (hex ? IsHex(str[i]) : (str[i] >= '0' && str[i] <= '7'))) {
                    code = code * (hex ? 16 : 8) + static_cast<char32_t>(hex ? HexValue(str[i]) : str[i] - '0');
                    ++i;
                }
                current += QChar(static_cast<char16_t>(code));
            } else if ((e == '\n' || e == '\r') && i < size) {
                const char next = str[i];
                if ((next == '\n' || next == '\r') && next != e) ++i;
            }
            chopLimit = current.size();
        } else if (c == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) skipSpaces();
        } else if (c == ',' && !inQuotes) {
            if (!quoted) ChopTrailingSpaces(current, chopLimit);
            isList = true;
            items << current;
            current.clear();
            chopLimit = 0;
            quoted = false;
            ++i;
            skipSpaces();
        } else {
            qsizetype j = i + 1;
            while (j < size && str[j] != '\\' && str[j] != '"' && str[j] != ',') ++j;
            current += QString::fromUtf8(str.mid(i, j - i));
            i = j;
        }
    }
    if (!quoted) ChopTrailingSpaces(current, chopLimit);
    const auto typed = [](const QString& text) {
        // "@@" marks a text that begins with '@'; other '@' forms are typed values of which
        // only texts and byte arrays are text.
        if (text.startsWith(QLatin1String("@@"))) return text.mid(1);
        if (text.startsWith(QLatin1String("@ByteArray(")) && text.endsWith(QLatin1Char(')')))
            return text.mid(11, text.size() - 12);
        if (text.startsWith(QLatin1String("@String(")) && text.endsWith(QLatin1Char(')')))
            return text.mid(8, text.size() - 9);
        if (text == QLatin1String("@Invalid()")) return QString();
        return text;
    };
    if (!isList) return typed(current);
    items << current;
    for (QString& item : items) item = typed(item);
    return items.join(QLatin1Char(','));
}

}  // namespace

IniDocument IniDocument::Parse(const QByteArray& input) {
    IniDocument doc;
    const QByteArray data = input.startsWith("\xEF\xBB\xBF") ? input.mid(3) : input;
    Section* current = nullptr;  // keys before any section header live in "General"
    QHash<QString, QHash<QString, size_t>> seen;
    qsizetype pos = 0, start = 0, length = 0, equals = -1;
    while (ReadLine(data, pos, start, length, equals)) {
        const QByteArray line = data.mid(start, length);
        if (line.startsWith('[')) {
            qsizetype close = line.indexOf(']');
            if (close < 0) close = line.size();
            const QByteArray name = Trimmed(line.mid(1, close - 1));
            current = &doc.SectionFor(name.compare("general", Qt::CaseInsensitive) == 0
                                          ? QStringLiteral("General")
                                          : UnescapedName(name));
            continue;
        }
        if (equals < 0) continue;
        const QByteArray key = Trimmed(data.mid(start, equals - start));
        if (key.isEmpty()) continue;
        if (!current) current = &doc.SectionFor(QStringLiteral("General"));
        const QString name = UnescapedName(key);
        const QByteArray raw = Trimmed(data.mid(equals + 1, start + length - equals - 1));
        // A name given twice keeps its last value; the index keeps large files linear.
        QHash<QString, size_t>& index = seen[current->name];
        if (const auto it = index.constFind(name); it != index.constEnd()) {
            current->entries[*it].raw = raw;
        } else {
            index.insert(name, current->entries.size());
            current->entries.push_back({name, raw});
        }
    }
    return doc;
}

QByteArray IniDocument::Serialize() const {
    QByteArray out;
    bool first = true;
    for (const Section& section : sections_) {
        if (section.entries.empty()) continue;
        if (!first) out += '\n';
        first = false;
        out += '[' + EscapedName(section.name) + "]\n";
        for (const Entry& entry : section.entries) out += EscapedName(entry.name) + '=' + entry.raw + '\n';
    }
    return out;
}

IniDocument::Section& IniDocument::SectionFor(const QString& name) {
    for (Section& section : sections_)
        if (section.name == name) return section;
    sections_.push_back({name, {}});
    return sections_.back();
}

const IniDocument::Entry* IniDocument::Find(const QString& section, const QString& name) const {
    for (const Section& s : sections_) {
        if (s.name.compare(section, Qt::CaseInsensitive) != 0) continue;
        for (const Entry& e : s.entries)
            if (e.name.compare(name, Qt::CaseInsensitive) == 0) return &e;
    }
    return nullptr;
}

IniDocument::Entry* IniDocument::Find(const QString& section, const QString& name) {
    return const_cast<Entry*>(std::as_const(*this).Find(section, name));
}

std::optional<QString> IniDocument::Value(const QString& section, const QString& name) const {
    const Entry* entry = Find(section, name);
    if (!entry) return std::nullopt;
    return UnescapedText(entry->raw);
}

void IniDocument::SetValue(const QString& section, const QString& name, const QString& value) {
    if (Entry* entry = Find(section, name)) {
        entry->raw = EscapedText(value);
        return;
    }
    for (Section& s : sections_)
        if (s.name.compare(section, Qt::CaseInsensitive) == 0) {
            s.entries.push_back({name, EscapedText(value)});
            return;
        }
    sections_.push_back({section, {{name, EscapedText(value)}}});
}

}  // namespace spindora
