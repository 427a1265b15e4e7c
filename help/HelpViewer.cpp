#include "help/HelpViewer.h"

#include <QBuffer>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QImageReader>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cstdio>

#include "help/PictureFrames.h"

namespace spindora {
namespace {

constexpr const char* kScheme = "chm";

bool IsGerman(const QString& page) { return page.startsWith(QLatin1String("/de/")); }

// The folder of a page's language: "/en/" for "/en/zibbo.html".
QString LanguageFolder(const QString& page) { return page.left(page.indexOf(QLatin1Char('/'), 1) + 1); }

// A page may link anywhere; only the web and mail leave it for the desktop. A local file, a
// script or a launcher handed to the desktop's opener would run or show whatever it names.
bool GoesToTheDesktop(const QUrl& link) {
    for (const char* scheme : {"http", "https", "mailto"})
        if (link.scheme().compare(QLatin1String(scheme), Qt::CaseInsensitive) == 0) return true;
    return false;
}

}  // namespace

HelpBrowser::HelpBrowser(std::shared_ptr<const HelpFile> file, QWidget* parent)
    : QTextBrowser(parent), file_(std::move(file)), opener_([](const QUrl& url) { QDesktopServices::openUrl(url); }) {
    // Links are followed here: the browser's own handling sends relative links of a
    // non-file page to the desktop.
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &HelpBrowser::FollowLink);
    PictureFrames::Install(document());
}

void HelpBrowser::FollowLink(const QUrl& link) {
    const QUrl target = source().resolved(link);
    if (target.scheme() == QLatin1String(kScheme))
        setSource(target);
    else if (GoesToTheDesktop(target))
        opener_(target);
    else
        std::fprintf(stderr, "spindora: help link not opened: %s (only http, https and mailto leave the help)\n",
                     target.toEncoded().constData());
}

void HelpBrowser::doSetSource(const QUrl& name, QTextDocument::ResourceType type) {
    loading_ = source().resolved(name);
    QTextBrowser::doSetSource(name, type);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    // Only the help file is read. Anything else, and anything the file lacks, is answered
    // with an empty resource rather than none: given none, the text document opens the
    // named file from the disk itself, and a picture that does not decode is tried again
    // there by its bare name, so a page could read a device, hang on a pipe or show a
    // private picture.
    const QUrl url = loading_.resolved(name);
    const bool inside = url.scheme() == QLatin1String(kScheme);
    // Going back and forward loads a page without doSetSource. A new page drops the
    // pictures of the last one, and so starts with the whole budget.
    if (inside && type == QTextDocument::HtmlResource) {
        loading_ = url;
        pagePixels_ = 0;
    }
    const QByteArray bytes = inside ? file_->Read(url.path()) : QByteArray();
    if (type == QTextDocument::ImageResource) return LoadPicture(bytes);
    if (type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource)
        return QString::fromUtf8(bytes);
    return bytes;
}

QVariant HelpBrowser::LoadPicture(const QByteArray& bytes) {
    // The size comes from the picture's header: one over the budget is never decoded, so a
    // small file that declares huge pictures costs nothing.
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (size.isEmpty()) return PictureFrames::Empty();
    const qint64 pixels = qint64{size.width()} * size.height();
    if (pixels > kPagePixels - pagePixels_) return PictureFrames::Frame(size);
    pagePixels_ += pixels;
    const QImage picture = reader.read();
    // Held as a pixmap: the text layout makes one of a picture at every layout and paint,
    // which for a large picture takes longer than decoding it.
    return picture.isNull() ? QVariant(PictureFrames::Empty()) : QVariant(QPixmap::fromImage(picture));
}

QUrl HelpViewer::UrlOf(const QString& page) {
    QUrl url;
    url.setScheme(QLatin1String(kScheme));
    url.setPath(page);
    return url;
}

HelpViewer::HelpViewer(std::shared_ptr<const HelpFile> file)
    : QWidget(nullptr, Qt::Window), file_(std::move(file)), finder_(file_) {
    setObjectName(QStringLiteral("HelpViewer"));
    setAttribute(Qt::WA_DeleteOnClose);

    back_ = new QToolButton(this);
    back_->setArrowType(Qt::LeftArrow);
    forward_ = new QToolButton(this);
    forward_->setArrowType(Qt::RightArrow);
    browser_ = new HelpBrowser(file_, this);
    search_ = new QLineEdit(this);
    search_->setClearButtonEnabled(true);
    results_ = new QListWidget(this);
    results_->hide();
    contents_ = new QTreeWidget(this);
    contents_->setHeaderHidden(true);
    contents_->setRootIsDecorated(true);
    // An entry is never shortened: a pane made narrower scrolls sideways instead.
    contents_->setTextElideMode(Qt::ElideNone);
    contents_->header()->setStretchLastSection(false);
    contents_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // The lists in the page's paper colour, so that the window reads as one piece.
    const QString paper = QStringLiteral("background: #f3ead6; color: #2b2118;");
    // The pane with the keys wears a darker edge of the same width, so a player who reads
    // with keys sees where they go and nothing shifts when they move.
    const auto edged = [](const char* type, const QString& more) {
        return QStringLiteral("%1 { border: 2px solid #d8c9a8; %2 } %1:focus { border-color: #8b4513; }")
            .arg(QLatin1String(type), more);
    };
    contents_->setStyleSheet(edged("QTreeWidget", paper));
    results_->setStyleSheet(edged("QListWidget", paper));
    browser_->setStyleSheet(edged("QTextBrowser", QString()));

    QTreeWidgetItem* book = nullptr;
    for (const ContentsEntry& entry : file_->Contents()) {
        auto* item = entry.depth == 0 || !book ? new QTreeWidgetItem(contents_) : new QTreeWidgetItem(book);
        if (entry.depth == 0) book = item;
        item->setText(0, entry.name);
        item->setData(0, Qt::UserRole, entry.page);
    }

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(4, 4, 4, 0);
    bar->addWidget(back_);
    bar->addWidget(forward_);
    bar->addStretch();
    auto* pane = new QWidget(this);
    auto* paneLayout = new QVBoxLayout(pane);
    paneLayout->setContentsMargins(0, 0, 0, 0);
    paneLayout->setSpacing(2);
    paneLayout->addWidget(search_);
    paneLayout->addWidget(contents_);
    paneLayout->addWidget(results_);
    auto* split = new QSplitter(this);
    split->addWidget(pane);
    split->addWidget(browser_);
    const int paneWidth = ContentsWidth();
    split->setSizes({paneWidth, 450});
    split->setStretchFactor(1, 1);
    resize(paneWidth + 450, 430);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addLayout(bar);
    layout->addWidget(split);

    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);
    // The window opens on the page, where the arrow and page keys scroll and a screen reader
    // starts reading; Ctrl+F goes to the search with its words selected, so typing replaces
    // them, and Return there goes on to the pages found.
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [this] {
        search_->setFocus(Qt::ShortcutFocusReason);
        search_->selectAll();
    });
    const auto choose = [this](QListWidgetItem* item) {
        const QString page = item->data(Qt::UserRole).toString();
        if (page != CurrentPage()) ShowPage(page);
    };
    // Return shows the best page found at once; the list keeps the keys for the others.
    connect(search_, &QLineEdit::returnPressed, this, [this, choose] {
        if (results_->count() == 0) return;
        results_->setCurrentRow(0);
        choose(results_->item(0));
        results_->setFocus(Qt::OtherFocusReason);
    });
    setTabOrder(back_, forward_);
    setTabOrder(forward_, search_);
    setTabOrder(search_, contents_);
    setTabOrder(contents_, results_);
    setTabOrder(results_, browser_);
    browser_->setFocus();
    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpViewer::PageChanged);
    connect(contents_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        const QString page = item->data(0, Qt::UserRole).toString();
        if (!page.isEmpty() && page != CurrentPage()) ShowPage(page);
    });
    connect(search_, &QLineEdit::textChanged, this, &HelpViewer::Search);
    connect(results_, &QListWidget::itemClicked, this, choose);
    connect(results_, &QListWidget::itemActivated, this, choose);
    back_->setEnabled(false);
    forward_->setEnabled(false);
}

int HelpViewer::ContentsWidth() {
    // Measured with every book open, so that the other language's entries fit as well.
    contents_->ensurePolished();
    contents_->expandAll();
    const int column = static_cast<const QAbstractItemView*>(contents_)->sizeHintForColumn(0);
    contents_->collapseAll();
    return std::max(150, column + 2 * contents_->frameWidth() + contents_->verticalScrollBar()->sizeHint().width());
}

void HelpViewer::Search() {
    const QString words = search_->text().simplified();
    contents_->setVisible(words.isEmpty());
    results_->setVisible(!words.isEmpty());
    results_->clear();
    for (const HelpSearch::Hit& hit : finder_.Find(words, folder_)) {
        auto* item = new QListWidgetItem(hit.title, results_);
        item->setData(Qt::UserRole, hit.page);
    }
}

void HelpViewer::ShowPage(const QString& page) { browser_->setSource(UrlOf(page)); }

QString HelpViewer::CurrentPage() const { return browser_->source().path(); }

void HelpViewer::PageChanged(const QUrl& url) {
    // The browser announces the new page before source() gives it.
    const QString page = url.path();
    const bool german = IsGerman(page);
    const QString title = browser_->documentTitle();
    setWindowTitle(title.startsWith(QLatin1String("Spindora")) ? title : QStringLiteral("Spindora – %1").arg(title));
    back_->setToolTip(german ? QStringLiteral("Zurück") : QStringLiteral("Back"));
    forward_->setToolTip(german ? QStringLiteral("Vorwärts") : QStringLiteral("Forward"));
    back_->setAccessibleName(back_->toolTip());
    forward_->setAccessibleName(forward_->toolTip());
    search_->setPlaceholderText(german ? QStringLiteral("Suchen (Strg+F)") : QStringLiteral("Search (Ctrl+F)"));
    search_->setAccessibleName(german ? QStringLiteral("Hilfe durchsuchen") : QStringLiteral("Search the help"));
    contents_->setAccessibleName(german ? QStringLiteral("Inhalt") : QStringLiteral("Contents"));
    results_->setAccessibleName(german ? QStringLiteral("Gefundene Seiten") : QStringLiteral("Pages found"));
    // A search follows the reader into the other language.
    const QString folder = LanguageFolder(page);
    if (folder != folder_) {
        folder_ = folder;
        if (results_->isVisibleTo(this)) Search();
    }
    // Open the book of the page's language, and mark the page in it.
    for (int i = 0; i < contents_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* book = contents_->topLevelItem(i);
        book->setExpanded(IsGerman(book->data(0, Qt::UserRole).toString()) == german);
        QList<QTreeWidgetItem*> items{book};
        for (int c = 0; c < book->childCount(); ++c) items << book->child(c);
        for (QTreeWidgetItem* item : items)
            if (item->data(0, Qt::UserRole).toString() == page) contents_->setCurrentItem(item);
    }
}

}  // namespace spindora
