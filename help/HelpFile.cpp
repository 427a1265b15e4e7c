#include "help/HelpFile.h"

#include <QRegularExpression>
#include <QtEndian>

namespace spindora {

std::unique_ptr<HelpFile> HelpFile::Open(const ChmLibrary& library, const QString& path) {
    auto file = library.Open(path);
    // Any file that starts like a compiled help file opens; one without pages is of no use.
    if (!file || !file->Contains(QStringLiteral("/#SYSTEM"))) return nullptr;
    return std::make_unique<HelpFile>(std::move(file));
}

std::optional<QString> HelpFile::PageForContext(uint32_t context) const {
    // /#IVB: a byte count, then {context id, offset into /#STRINGS} pairs, all little-endian u32.
    const QByteArray ivb = Read(QStringLiteral("/#IVB"));
    const QByteArray strings = Read(QStringLiteral("/#STRINGS"));
    if (ivb.size() < 4 || strings.isEmpty()) return std::nullopt;
    const auto u32 = [&ivb](qsizetype at) {
        return qFromLittleEndian<uint32_t>(reinterpret_cast<const uchar*>(ivb.constData()) + at);
    };
    const qsizetype end = std::min<qsizetype>(ivb.size(), 4 + static_cast<qsizetype>(u32(0)));
    for (qsizetype at = 4; at + 8 <= end; at += 8) {
        if (u32(at) != context) continue;
        const qsizetype offset = u32(at + 4);
        if (offset >= strings.size()) return std::nullopt;
        return ObjectForString(QByteArray(strings.constData() + offset));
    }
    return std::nullopt;
}

std::optional<QString> HelpFile::ObjectForString(const QByteArray& text) const {
    // chmcmd records the page as the absolute path it compiled from, so the page is the
    // longest tail of that path that names an object in the file.
    QString path = QString::fromUtf8(text);
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!path.startsWith(QLatin1Char('/'))) path.prepend(QLatin1Char('/'));
    for (qsizetype slash = 0; slash >= 0; slash = path.indexOf(QLatin1Char('/'), slash + 1)) {
        const QString tail = path.mid(slash);
        if (tail.size() > 1 && Contains(tail)) return tail;
    }
    return std::nullopt;
}

QStringList HelpFile::Pages() const {
    QStringList pages;
    for (const QString& name : file_->Names())
        if (name.endsWith(QLatin1String(".html"), Qt::CaseInsensitive) || name.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive))
            pages << name;
    return pages;
}

QList<ContentsEntry> HelpFile::Contents() const {
    return ParseSitemap(QString::fromUtf8(Read(QStringLiteral("/toc.hhc"))));
}

QList<ContentsEntry> ParseSitemap(const QString& sitemap) {
    static const QRegularExpression token(
        QStringLiteral("<(/?)ul\\b|<object\\b[^>]*text/sitemap[^>]*>(.*?)</object>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression param(
        QStringLiteral("<param\\s+name=\"(\\w+)\"\\s+value=\"([^\"]*)\""),
        QRegularExpression::CaseInsensitiveOption);
    QList<ContentsEntry> entries;
    int depth = -1;
    for (auto it = token.globalMatch(sitemap); it.hasNext();) {
        const auto match = it.next();
        if (!match.captured(0).startsWith(QLatin1String("<o"), Qt::CaseInsensitive)) {
            depth += match.captured(1).isEmpty() ? 1 : -1;
            continue;
        }
        ContentsEntry entry;
        entry.depth = std::max(depth, 0);
        for (auto p = param.globalMatch(match.captured(2)); p.hasNext();) {
            const auto pm = p.next();
            if (pm.captured(1).compare(QLatin1String("Name"), Qt::CaseInsensitive) == 0)
                entry.name = pm.captured(2);
            else if (pm.captured(1).compare(QLatin1String("Local"), Qt::CaseInsensitive) == 0)
                entry.page = QLatin1Char('/') + pm.captured(2);
        }
        if (!entry.name.isEmpty()) entries << entry;
    }
    return entries;
}

}  // namespace spindora
