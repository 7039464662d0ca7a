#include "sitetools/LinkCheck.h"

#include "shared/RelativePath.h"

#include <QStringDecoder>
#include <QUrl>
#include <algorithm>

namespace {

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') return u - u'0';
    if (u >= u'a' && u <= u'f') return u - u'a' + 10;
    if (u >= u'A' && u <= u'F') return u - u'A' + 10;
    return -1;
}

QString decodedBytes(const QByteArray& bytes)
{
    // An escaped U+FEFF is a character of the name, not a mark to drop.
    QStringDecoder utf8(
        QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    const QString text = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

const QString kExtensions[] = { "htm", "html", "css", "js", "gif", "jpg", "jpeg" };

// The extension (index into kExtensions) that text ends with just before position end, preceded
// by a dot; -1 when none does.
int extensionBefore(const QString& text, qsizetype end)
{
    // Most quotes end other values: a quick look at the last letter and where the dot would be.
    if (end < 3) return -1;
    const char16_t last = text[end - 1].unicode() | 0x20;
    if (last != u'm' && last != u'l' && last != u's' && last != u'f' && last != u'g') return -1;
    if (text[end - 3] != u'.' && text[end - 4 < 0 ? 0 : end - 4] != u'.' && text[end - 5 < 0 ? 0 : end - 5] != u'.')
        return -1;
    for (int e = 0; e < int(std::size(kExtensions)); ++e) {
        const QString& ext = kExtensions[e];
        const qsizetype start = end - ext.size();
        if (start < 1 || text[start - 1] != u'.') continue;
        bool same = true;
        for (qsizetype i = 0; i < ext.size() && same; ++i) {
            const char16_t c = text[start + i].unicode();
            same = (c >= u'A' && c <= u'Z' ? c + 32 : c) == ext[i].unicode();
        }
        if (same) return e;
    }
    return -1;
}

bool skipped(QStringView link)
{
    static const QString kSkips[] = { "http", "#", "mailto", "javascript:", "(" };
    return std::any_of(std::begin(kSkips), std::end(kSkips), [&](const QString& s) { return link.contains(s); });
}

} // namespace

SiteIndex::SiteIndex(const QStringList& everyFile)
{
    m_files.reserve(everyFile.size());
    for (const QString& file : everyFile)
        m_files.insert(file);
}

QString urlDecode(const QString& text)
{
    if (!text.contains(u'%') && !text.contains(u'+')) return text;
    QString out;
    out.reserve(text.size());
    QByteArray bytes;
    auto flush = [&] {
        if (bytes.isEmpty()) return;
        out += decodedBytes(bytes);
        bytes.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 && hexValue(text[i + 2]) >= 0) {
            bytes += char(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
            continue;
        }
        flush();
        if (c == u'+') {
            out += u' ';
        } else if (c == u'%' && i + 1 < text.size() && text[i + 1] == u'%') {
            out += u'%';
            ++i;
        } else {
            out += c;
        }
    }
    flush();
    return out;
}

QString expandLink(QStringView link, QStringView pageDirectory)
{
    // The link's names always end the path; only they are decoded, once the path is expanded.
    QString path;
    path.reserve(pageDirectory.size() + link.size() + 1);
    qsizetype linkStart = 0;
    auto add = [&](QStringView names) {
        for (qsizetype from = 0; from <= names.size();) {
            qsizetype end = names.indexOf(u'/', from);
            if (end < 0) end = names.size();
            const QStringView name = names.mid(from, end - from);
            if (name == u"..") {
                path.truncate(std::max<qsizetype>(path.lastIndexOf(u'/'), 0));
                linkStart = std::min(linkStart, path.size());
            } else if (!name.isEmpty() && name != u".") {
                path += u'/';
                path += name;
            }
            from = end + 1;
        }
    };
    if (!link.startsWith(u'/')) add(pageDirectory);
    linkStart = path.size();
    add(link);
    if (path.isEmpty()) return QStringLiteral("/");
    const QStringView own = QStringView(path).mid(linkStart);
    if (own.contains(u'%') || own.contains(u'+')) return path.left(linkStart) + urlDecode(own.toString());
    return path;
}

bool checkTheFile(QStringView link, QStringView pageDirectory, const SiteIndex& index)
{
    return !link.contains(u':') && index.contains(expandLink(link, pageDirectory));
}

LinkCheck findBrokenLinks(const QString& text, const QString& pageDirectory, const SiteIndex& index,
    const SiteProgress& progress, QString* verifying)
{
    struct Found {
        int extension;
        FoundLink link;
    };
    std::vector<Found> broken;
    LinkCheck check;
    PaneOffsets offsets(text);
    // The quote that opens a link is always the last one before it: an extension holds none.
    qsizetype lastQuote = -1;
    for (qsizetype quote = text.indexOf(u'"'); quote >= 0; quote = text.indexOf(u'"', quote + 1)) {
        const qsizetype open = lastQuote;
        lastQuote = quote;
        if (open < 0) continue;
        const int extension = extensionBefore(text, quote);
        if (extension < 0) continue;
        const QStringView link = QStringView(text).mid(open + 1, quote - open - 1);
        if (verifying) *verifying = link.toString();
        if (progress && !progress(open + 1, text.size())) {
            check.stopped = true;
            break;
        }
        if (skipped(link)) continue;
        ++check.examined;
        if (!checkTheFile(link, pageDirectory, index))
            broken.push_back({ extension, { link.toString(), offsets.offset(open + 1) } });
    }
    std::stable_sort(
        broken.begin(), broken.end(), [](const Found& a, const Found& b) { return a.extension < b.extension; });
    for (const Found& found : broken)
        check.broken << found.link;
    return check;
}

QList<FoundLink> findAttributeValues(const QString& text, const QString& attribute)
{
    QString open, close;
    if (text.contains(attribute + QStringLiteral("=\""), Qt::CaseInsensitive)) {
        open = attribute + QStringLiteral("=\"");
        close = QStringLiteral("\"");
    } else if (text.contains(attribute + QStringLiteral("='"), Qt::CaseInsensitive)) {
        open = attribute + QStringLiteral("='");
        close = QStringLiteral("'");
    } else {
        return {};
    }
    QList<FoundLink> values;
    PaneOffsets offsets(text);
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = text.indexOf(open, from, Qt::CaseInsensitive);
        if (at < 0) break;
        const qsizetype start = at + open.size();
        const qsizetype end = text.indexOf(close, start);
        if (end < 0) break;
        values.append({ text.mid(start, end - start), offsets.offset(start) });
        from = end + close.size();
    }
    return values;
}

QList<FoundLink> findAllLinks(const QString& text) { return findAttributeValues(text, QStringLiteral("href")); }

QString asciiUpper(const QString& text)
{
    QString upper = text;
    for (QChar& c : upper)
        if (c.unicode() >= u'a' && c.unicode() <= u'z') c = QChar(c.unicode() - 32);
    return upper;
}

QString fixKey(const QString& link, LinkRule rule)
{
    const bool every = rule == LinkRule::EveryLink;
    QString key = link;
    if (every) {
        for (const QChar mark : { u'?', u'#' }) {
            const qsizetype at = key.indexOf(mark);
            if (at >= 0) key.truncate(at);
        }
        while (key.endsWith(u'/'))
            key.chop(1);
        if (key.contains(u'%')) key = QUrl::fromPercentEncoding(key.toUtf8());
    }
    key = asciiUpper(key);
    key = key.mid(key.lastIndexOf(u'/') + 1);
    key = key.mid(key.lastIndexOf(u'\\') + 1);
    if (key.contains(QStringLiteral(".HTML"))) key.chop(1);
    if (key.contains(QStringLiteral(".JPEG"))) key.chop(2);
    if (key.contains(QStringLiteral(".JPG"))) key.chop(1);
    return every ? key : urlDecode(key);
}

QStringList fixSuggestions(const QString& link, const QStringList& everyFile, const QString& page, LinkRule rule)
{
    const QString key = fixKey(link, rule);
    QStringList suggestions;
    for (const QString& file : everyFile)
        if (asciiUpper(file).contains(key)) suggestions << webby(extractRelativePath(page, file));
    return suggestions;
}
