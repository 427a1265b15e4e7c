#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>

#include "help/ChmLibrary.h"

namespace spindora {

// One line of the help file's contents list.
struct ContentsEntry {
    QString name;
    QString page;  // the object's path inside the file, "/de/index.html"
    int depth = 0;  // 0 for a book, 1 for its pages
};

// A compiled help file opened through libmspack: its pages and pictures, its context map and
// its contents list. Object paths are absolute inside the file ("/en/zibbo.html").
class HelpFile {
public:
    // nullptr when the library is absent or the file is missing or not a compiled help file.
    static std::unique_ptr<HelpFile> Open(const ChmLibrary& library, const QString& path);

    bool Contains(const QString& object) const { return file_->Contains(object); }
    QByteArray Read(const QString& object) const { return file_->Read(object); }
    // Every page of the file, listed or not in the contents ("/de/zibbo.html").
    QStringList Pages() const;

    // The page that context number `context` opens, from the file's /#IVB and /#STRINGS.
    std::optional<QString> PageForContext(uint32_t context) const;

    // The contents list, from the contents file named in the project ("/toc.hhc").
    QList<ContentsEntry> Contents() const;

    explicit HelpFile(std::unique_ptr<ChmLibrary::File> file) : file_(std::move(file)) {}

private:
    std::optional<QString> ObjectForString(const QByteArray& text) const;

    std::unique_ptr<ChmLibrary::File> file_;
};

// Reads the contents of a sitemap (.hhc) text.
QList<ContentsEntry> ParseSitemap(const QString& sitemap);

}  // namespace spindora
