#pragma once
#include <QTextBrowser>
#include <QWidget>
#include <functional>
#include <memory>

#include "help/HelpFile.h"
#include "help/HelpSearch.h"

class QLineEdit;
class QListWidget;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace spindora {

// Shows the pages of a compiled help file; links and pictures are read from the file.
class HelpBrowser final : public QTextBrowser {
    Q_OBJECT
public:
    HelpBrowser(std::shared_ptr<const HelpFile> file, QWidget* parent);
    QVariant loadResource(int type, const QUrl& name) override;

    // The pictures of one page decode up to this many pixels together; the rest show as
    // empty frames of their size.
    static constexpr qint64 kPagePixels = 16'000'000;

    // What hands a web or mail link to the desktop; tests put a recorder in its place.
    using Opener = std::function<void(const QUrl&)>;
    void SetOpener(Opener opener) { opener_ = std::move(opener); }

protected:
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;

private:
    void FollowLink(const QUrl& link);
    QVariant LoadPicture(const QByteArray& bytes);
    QUrl loading_;  // the page being loaded: its style sheet and pictures are relative to it
    qint64 pagePixels_ = 0;  // decoded for the page being shown
    std::shared_ptr<const HelpFile> file_;
    Opener opener_;
};

// The game's help window: search, contents list, back and forward, and the page. Esc and
// Ctrl+W close it; Ctrl+F goes to the search.
class HelpViewer final : public QWidget {
    Q_OBJECT
public:
    explicit HelpViewer(std::shared_ptr<const HelpFile> file);

    // Shows `page`, an object path inside the file ("/de/zibbo.html").
    void ShowPage(const QString& page);
    QString CurrentPage() const;
    HelpBrowser* browser() const { return browser_; }
    QTreeWidget* contents() const { return contents_; }
    QLineEdit* searchField() const { return search_; }
    // The pages found, shown in place of the contents while the search field holds words.
    QListWidget* searchResults() const { return results_; }
    QToolButton* backButton() const { return back_; }
    QToolButton* forwardButton() const { return forward_; }

    static QUrl UrlOf(const QString& page);

private:
    void PageChanged(const QUrl& url);
    void Search();
    int ContentsWidth();
    std::shared_ptr<const HelpFile> file_;
    HelpBrowser* browser_;
    QTreeWidget* contents_;
    QLineEdit* search_;
    QListWidget* results_;
    HelpSearch finder_;
    QString folder_;  // of the language shown, where a search looks: "/en/"
    QToolButton* back_;
    QToolButton* forward_;
};

}  // namespace spindora
