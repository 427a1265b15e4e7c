#include "help/HelpSearch.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>

namespace spindora {
namespace {

QString DecodeEntities(const QString& text) {
    static const QRegularExpression entity(QStringLiteral("&(#x[0-9a-f]+|#[0-9]+|[a-z]+);"),
                                           QRegularExpression::CaseInsensitiveOption);
    static const QHash<QString, QString> named = {{"amp", "&"}, {"lt", "<"}, {"gt", ">"}, {"quot", "\""},
                                                  {"apos", "'"}, {"nbsp", " "}};
    QString out;
    qsizetype from = 0;
    for (auto it = entity.globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        const QString name = match.captured(1);
        QString replacement = match.captured(0);
        if (name.startsWith(QLatin1Char('#'))) {
            bool ok = false;
            const uint code = name.startsWith(QLatin1String("#x"), Qt::CaseInsensitive) ? name.mid(2).toUInt(&ok, 16)
                                                                                        : name.mid(1).toUInt(&ok, 10);
            if (ok && code > 0 && code <= 0x10FFFF) {
                const char32_t c = code;
                replacement = QString::fromUcs4(&c, 1);
            }
        } else {
            replacement = named.value(name.toLower(), replacement);
        }
        out += QStringView(text).mid(from, match.capturedStart() - from);
        out += replacement;
        from = match.capturedEnd();
    }
    return out += QStringView(text).mid(from);
}

// The text a reader sees of an HTML page, one entry per block (paragraph, heading, list
// item, table cell...): no tags, no head, entities decoded, empty blocks left out.
QStringList PageBlocks(const QString& html) {
    static const QRegularExpression hidden(
        QStringLiteral("<!--.*?-->|<(head|script|style)\\b.*?</\\1\\s*>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression space(QStringLiteral("\\s+"));
    // Where a reader sees one block end and the next begin.
    static const QRegularExpression block(
        QStringLiteral("</?(p|div|h[1-6]|ul|ol|li|dl|dt|dd|table|tr|td|th|caption|pre|blockquote|nav|header|"
                       "footer|section|article|aside|br|hr|body)\\b[^>]*>"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    QString text = html;
    text.replace(hidden, QStringLiteral(" "));
    text.replace(space, QStringLiteral(" "));
    text.replace(block, QStringLiteral("\n"));
    text.replace(tag, QStringLiteral(" "));
    QStringList blocks;
    for (const QString& part : text.split(QLatin1Char('\n')))
        if (const QString words = DecodeEntities(part).simplified(); !words.isEmpty()) blocks << words;
    return blocks;
}

// The content of the page's <title>, entities decoded.
QString PageTitle(const QString& html) {
    static const QRegularExpression title(QStringLiteral("<title\\b[^>]*>(.*?)</title\\s*>"),
                                          QRegularExpression::CaseInsensitiveOption |
                                              QRegularExpression::DotMatchesEverythingOption);
    return DecodeEntities(title.match(html).captured(1)).simplified();
}

}  // namespace

void HelpSearch::ReadPages() {
    struct Read {
        QString page, title, folder;
        QStringList blocks;
    };
    QList<Read> read;
    QHash<QString, QSet<QString>> shared;  // per folder: the blocks all its pages hold
    QHash<QString, int> pagesIn;
    for (const QString& page : file_->Pages()) {
        const QString html = QString::fromUtf8(file_->Read(page));
        Read r{page, PageTitle(html), page.left(page.lastIndexOf(QLatin1Char('/')) + 1), PageBlocks(html)};
        const QSet<QString> blocks(r.blocks.begin(), r.blocks.end());
        if (const auto it = shared.find(r.folder); it != shared.end())
            it->intersect(blocks);
        else
            shared.insert(r.folder, blocks);
        ++pagesIn[r.folder];
        read.append(std::move(r));
    }
    pages_.emplace();
    for (const Read& r : read) {
        // A folder of one page has nothing it repeats.
        const QSet<QString> repeated = pagesIn.value(r.folder) > 1 ? shared.value(r.folder) : QSet<QString>();
        QStringList own;
        for (const QString& b : r.blocks)
            if (!repeated.contains(b)) own << b;
        pages_->append({r.page, r.title, r.title.toCaseFolded(), own.join(QLatin1Char(' ')).toCaseFolded()});
    }
}

QList<HelpSearch::Hit> HelpSearch::Find(const QString& words, const QString& folder) {
    const QStringList wanted = words.toCaseFolded().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (wanted.isEmpty()) return {};
    if (!pages_) ReadPages();
    struct Ranked {
        Hit hit;
        int inTitle;
        qsizetype times;
    };
    QList<Ranked> found;
    for (const Page& page : *pages_) {
        if (!page.page.startsWith(folder, Qt::CaseInsensitive)) continue;
        Ranked r{{page.page, page.title.isEmpty() ? page.page : page.title}, 0, 0};
        bool all = true;
        for (const QString& word : wanted) {
            const qsizetype times = page.text.count(word);
            const bool inTitle = page.foldedTitle.contains(word);
            all = all && (times > 0 || inTitle);
            r.inTitle += inTitle;
            r.times += times;
        }
        if (all) found.append(std::move(r));
    }
    std::stable_sort(found.begin(), found.end(), [](const Ranked& a, const Ranked& b) {
        if (a.inTitle != b.inTitle) return a.inTitle > b.inTitle;
        if (a.times != b.times) return a.times > b.times;
        return a.hit.title.localeAwareCompare(b.hit.title) < 0;
    });
    QList<Hit> hits;
    for (const Ranked& r : found) hits.append(r.hit);
    return hits;
}

}  // namespace spindora
