#include "help/HelpSearch.h"

#include <QRegularExpression>
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

}  // namespace

QString PageText(const QString& html) {
    static const QRegularExpression hidden(
        QStringLiteral("<!--.*?-->|<(head|script|style)\\b.*?</\\1\\s*>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    QString text = html;
    text.replace(hidden, QStringLiteral(" "));
    text.replace(tag, QStringLiteral(" "));
    return DecodeEntities(text).simplified();
}

QString PageTitle(const QString& html) {
    static const QRegularExpression title(QStringLiteral("<title\\b[^>]*>(.*?)</title\\s*>"),
                                          QRegularExpression::CaseInsensitiveOption |
                                              QRegularExpression::DotMatchesEverythingOption);
    return DecodeEntities(title.match(html).captured(1)).simplified();
}

QList<HelpSearch::Hit> HelpSearch::Find(const QString& words, const QString& folder) {
    const QStringList wanted = words.toCaseFolded().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (wanted.isEmpty()) return {};
    if (!pages_) {
        pages_.emplace();
        for (const QString& page : file_->Pages()) {
            const QString html = QString::fromUtf8(file_->Read(page));
            pages_->append({page, PageTitle(html), PageText(html).toCaseFolded()});
        }
    }
    QList<Hit> hits;
    for (const Page& page : *pages_)
        if (page.page.startsWith(folder, Qt::CaseInsensitive) &&
            std::all_of(wanted.begin(), wanted.end(), [&page](const QString& word) { return page.text.contains(word); }))
            hits.append({page.page, page.title.isEmpty() ? page.page : page.title});
    std::sort(hits.begin(), hits.end(), [](const Hit& a, const Hit& b) { return a.title.localeAwareCompare(b.title) < 0; });
    return hits;
}

}  // namespace spindora
