#pragma once
#include <QList>
#include <QString>
#include <memory>
#include <optional>

#include "help/HelpFile.h"

namespace spindora {

// Finds the pages of a help file that hold all of some words. The pages are read once, at
// the first search: most players never search, and reading them all takes a moment.
class HelpSearch {
public:
    explicit HelpSearch(std::shared_ptr<const HelpFile> file) : file_(std::move(file)) {}

    struct Hit {
        QString page;  // "/en/playing.html"
        QString title;
    };
    // The pages inside `folder` ("/en/") whose text holds every word of `words`, whatever
    // their case, in the order of their titles; none for no words.
    QList<Hit> Find(const QString& words, const QString& folder);

private:
    struct Page {
        QString page, title, text;  // the text case-folded
    };
    std::shared_ptr<const HelpFile> file_;
    std::optional<QList<Page>> pages_;
};

// The text a reader sees of an HTML page: no tags, no head, entities decoded.
QString PageText(const QString& html);
// The content of the page's <title>, entities decoded.
QString PageTitle(const QString& html);

}  // namespace spindora
