#pragma once
#include <QList>
#include <QString>
#include <memory>
#include <optional>

#include "help/HelpFile.h"

namespace spindora {

// Finds the pages of a help file that hold all of some words in their own text: a block that
// every page of a folder repeats (the menu line, a common header) is not a page's own and
// would otherwise make its words find every page. The pages are read once, at the first
// search: most players never search, and reading them all takes a moment.
class HelpSearch {
public:
    explicit HelpSearch(std::shared_ptr<const HelpFile> file) : file_(std::move(file)) {}

    struct Hit {
        QString page;  // "/en/playing.html"
        QString title;
    };
    // The pages inside `folder` ("/en/") whose title or own text holds every word of
    // `words`, whatever their case; none for no words. Pages whose title holds more of the
    // words come first, then those that hold them more often, then by title.
    QList<Hit> Find(const QString& words, const QString& folder);

private:
    struct Page {
        QString page, title;
        QString foldedTitle, text;  // case-folded; the text without the folder's shared blocks
    };
    void ReadPages();
    std::shared_ptr<const HelpFile> file_;
    std::optional<QList<Page>> pages_;
};

}  // namespace spindora
