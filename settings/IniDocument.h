#pragma once
#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace spindora {

// The settings file's text held in memory: sections of named values in the spelling and
// escapes that Qt's INI settings use, so files written by earlier versions read the same
// and files written now read the same in them. Values nobody sets keep their stored bytes.
class IniDocument {
public:
    static IniDocument Parse(const QByteArray& text);
    QByteArray Serialize() const;

    // The value of `name` in any section spelled like `section` without regard to case
    // (a section may appear under several spellings); nothing when absent.
    std::optional<QString> Value(const QString& section, const QString& name) const;
    // Replaces the value where Value finds it, or adds it to the first section of that
    // name, or to a new section.
    void SetValue(const QString& section, const QString& name, const QString& value);

private:
    struct Entry {
        QString name;
        QByteArray raw;  // as stored, escapes and quotes included
    };
    struct Section {
        QString name;
        std::vector<Entry> entries;
    };
    Entry* Find(const QString& section, const QString& name);
    const Entry* Find(const QString& section, const QString& name) const;
    Section& SectionFor(const QString& name);

    std::vector<Section> sections_;
};

}  // namespace spindora
