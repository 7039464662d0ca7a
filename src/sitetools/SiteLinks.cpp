#include "sitetools/SiteLinks.h"

#include "shared/RelativePath.h"

#include <QDir>
#include <QRegularExpression>
#include <QUrl>

#include <algorithm>

namespace {

// The attribute must start a name ("data-src" and "xhref" are other attributes).
const QRegularExpression& pageLinks()
{
    static const QRegularExpression re(
        QStringLiteral(R"re((?<![\w\-.:])(?:href|src|background|action|data|poster)\s*=\s*(?:"([^"]*)"|'([^']*)'))re"
                       R"re(|url\(\s*(?:"([^"]*)"|'([^']*)'|([^"'()\s][^()\s]*))\s*\))re"),
        QRegularExpression::CaseInsensitiveOption);
    return re;
}

const QRegularExpression& styleLinks()
{
    static const QRegularExpression re(
        QStringLiteral(R"re(url\(\s*(?:"([^"]*)"|'([^']*)'|([^"'()\s][^()\s]*))\s*\))re"),
        QRegularExpression::CaseInsensitiveOption);
    return re;
}

qsizetype endOfPath(const QString& value)
{
    for (qsizetype i = 0; i < value.size(); ++i)
        if (value[i] == u'?' || value[i] == u'#') return i;
    return value.size();
}

// "http:", "mailto:", "javascript:": letters (and digits, "+", "-", ".") before a colon.
bool hasScheme(const QString& path)
{
    for (qsizetype i = 0; i < path.size(); ++i) {
        const QChar c = path[i];
        if (c == u':') return i > 0;
        const bool letter = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
        if (!letter && (i == 0 || !(c.isDigit() || c == u'+' || c == u'-' || c == u'.'))) return false;
    }
    return false;
}

bool endsWithIgnoringCase(const QString& name, const char* suffix)
{
    return name.endsWith(QLatin1String(suffix), Qt::CaseInsensitive);
}

} // namespace

QList<LinkSpot> linkSpots(const QString& text, bool styleSheet)
{
    QList<LinkSpot> spots;
    auto matches = (styleSheet ? styleLinks() : pageLinks()).globalMatch(text);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        for (int group = 1; group <= match.lastCapturedIndex(); ++group) {
            if (match.capturedStart(group) < 0) continue;
            spots.append({ match.capturedStart(group), match.captured(group) });
            break;
        }
    }
    return spots;
}

QList<LinkSpot> linkSpotsNaming(const QString& text, bool styleSheet, const QStringList& names)
{
    // Every occurrence gets the stretch of its tag or line, which holds any value around it.
    QList<std::pair<qsizetype, qsizetype>> stretches;
    for (const QString& name : names) {
        for (qsizetype at = text.indexOf(name); at >= 0; at = text.indexOf(name, at + 1)) {
            const qsizetype start = std::max(text.lastIndexOf(u'<', at), text.lastIndexOf(u'\n', at)) + 1;
            qsizetype end = at + name.size();
            while (end < text.size() && text[end] != u'>' && text[end] != u'\n')
                ++end;
            stretches.append({ start, end });
        }
    }
    std::sort(stretches.begin(), stretches.end());
    QList<LinkSpot> spots;
    qsizetype covered = 0;
    for (auto [start, end] : stretches) {
        start = std::max(start, covered);
        if (start >= end) continue;
        for (LinkSpot spot : linkSpots(text.mid(start, end - start), styleSheet)) {
            spot.index += start;
            if (std::any_of(names.begin(), names.end(), [&](const QString& n) { return spot.value.contains(n); }))
                spots.append(spot);
        }
        covered = end;
    }
    return spots;
}

bool holdsLinks(const QString& fileName)
{
    return endsWithIgnoringCase(fileName, ".htm") || endsWithIgnoringCase(fileName, ".html")
        || isStyleSheet(fileName);
}

bool isStyleSheet(const QString& fileName) { return endsWithIgnoringCase(fileName, ".css"); }

QString linkTarget(const QString& value, const QString& pageDir, const QString& base)
{
    QString path = value.left(endOfPath(value));
    if (path.isEmpty() || path.startsWith(QLatin1String("//")) || hasScheme(path)) return {};
    if (path.contains(u'%')) path = QUrl::fromPercentEncoding(path.toUtf8());
    return QDir::cleanPath(path.startsWith(u'/') ? base + path.mid(1) : pageDir + path);
}

QString rewrittenLink(const QString& oldValue, const QString& target, const QString& pageDir, const QString& base)
{
    const qsizetype end = endOfPath(oldValue);
    const QString oldPath = oldValue.left(end);
    QString path;
    if (oldPath.startsWith(u'/')) {
        path = u'/' + target.mid(base.size());
    } else {
        path = extractRelativePath(pageDir, target, CaseRule::Exact);
        if (oldPath.startsWith(QLatin1String("./")) && !path.startsWith(QLatin1String("../")))
            path = QStringLiteral("./") + path;
    }
    if (oldPath.contains(u'%')) path = QString::fromLatin1(QUrl::toPercentEncoding(path, "/!$&'()*+,;=:@~-._"));
    return path + oldValue.mid(end);
}
