#include "sitetools/EveryLink.h"

#include "shared/RelativePath.h"
#include "shared/SettingsFiles.h"
#include "sitetools/PageLinks.h"

#include <QFileInfo>
#include <QUrl>

const QString kLinkRuleFile = QStringLiteral("linkrule.plr");

namespace {

const QString kClassicWord = QStringLiteral("classic");
const QString kEveryLinkWord = QStringLiteral("every link");

// The length of the scheme the text starts with ("http" of "http://"), -1 when it has none. One
// letter before a colon is a drive, not a scheme.
qsizetype schemeLength(QStringView text)
{
    const auto letter = [](QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); };
    if (text.isEmpty() || !letter(text[0])) return -1;
    for (qsizetype i = 1; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u':') return i >= 2 ? i : -1;
        if (!letter(c) && !(c >= u'0' && c <= u'9') && c != u'+' && c != u'-' && c != u'.') return -1;
    }
    return -1;
}

} // namespace

LinkStart linkStart(const QString& page, const std::optional<QString>& base, const QString& root)
{
    LinkStart start { pageDirectory(page), root };
    if (!base || base->isEmpty()) return start;
    const qsizetype scheme = schemeLength(*base);
    if ((scheme >= 0 && QStringView(*base).left(scheme).compare(u"file", Qt::CaseInsensitive) != 0)
        || base->startsWith(QStringLiteral("//"))) {
        start.web = true;
    } else if (const auto path = localLinkPath(*base, start)) {
        start.directory = pageDirectory(*path);
    }
    return start;
}

std::optional<QString> localLinkPath(QStringView url, const LinkStart& start)
{
    QStringView rest = url;
    bool fromFileSystem = false; // file:/// paths start at the root of the file system
    const qsizetype scheme = schemeLength(url);
    if (scheme >= 0) {
        if (url.left(scheme).compare(u"file", Qt::CaseInsensitive) != 0) return std::nullopt;
        rest = url.mid(scheme + 1);
        if (rest.startsWith(u"//")) {
            const qsizetype slash = rest.indexOf(u'/', 2);
            rest = slash < 0 ? QStringView() : rest.mid(slash);
        }
        fromFileSystem = rest.startsWith(u'/');
    } else if (start.web || url.startsWith(u"//") || url.startsWith(u"\\\\")) {
        return std::nullopt;
    }
    qsizetype cut = rest.size();
    for (const QChar mark : { u'?', u'#' }) {
        const qsizetype at = rest.indexOf(mark);
        if (at >= 0 && at < cut) cut = at;
    }
    rest = rest.left(cut);
    if (rest.isEmpty()) return std::nullopt;

    QString names = rest.contains(u'%') ? QUrl::fromPercentEncoding(rest.toUtf8()) : rest.toString();
    names.replace(u'\\', u'/');
    QString path;
    qsizetype floor = 0; // ".." goes no higher than this
    if (names.startsWith(u'/')) {
        if (!fromFileSystem) path = start.root;
        while (path.endsWith(u'/'))
            path.chop(1);
        floor = path.size();
    } else {
        path = start.directory;
        path.chop(1);
    }
    bool directory = false;
    for (qsizetype from = 0; from <= names.size();) {
        qsizetype end = names.indexOf(u'/', from);
        if (end < 0) end = names.size();
        const QStringView name = QStringView(names).mid(from, end - from);
        directory = name.isEmpty() || name == u"." || name == u"..";
        if (name == u"..") {
            if (path.size() > floor) path.truncate(path.lastIndexOf(u'/'));
        } else if (!directory) {
            path += u'/';
            path += name;
        }
        from = end + 1;
    }
    if (directory || path.isEmpty()) path += u'/';
    return path;
}

bool linkTargetExists(const QString& path, const SiteIndex& index)
{
    if (!path.endsWith(u'/') && index.contains(path)) return true;
    const QString directory = path.endsWith(u'/') ? path : path + u'/';
    return index.contains(directory + QStringLiteral("index.html"))
        || index.contains(directory + QStringLiteral("index.htm"));
}

LinkCheck findEveryBrokenLink(const QString& text, const QString& page, const QString& root, const SiteIndex& index,
    const SiteProgress& progress, QString* verifying)
{
    LinkCheck check;
    const QString extension = fileExtension(page).toLower();
    if (extension == u".js") return check;
    PageLinks links;
    if (extension == u".css")
        links.links = cssLinks(text);
    else
        links = htmlLinks(text);
    const LinkStart start = linkStart(page, links.base, root);
    PaneOffsets offsets(text);
    for (const PageLink& link : links.links) {
        if (verifying) *verifying = link.url;
        if (progress && !progress(link.at, text.size())) {
            check.stopped = true;
            break;
        }
        const auto path = localLinkPath(link.url, start);
        if (!path) continue;
        ++check.examined;
        if (!linkTargetExists(*path, index))
            check.broken.append({ text.mid(link.at, link.length), offsets.offset(link.at), {}, link.attribute });
    }
    return check;
}

LinkRule readLinkRule(const QString& path)
{
    if (!QFileInfo::exists(path)) return LinkRule::Classic;
    return SettingsFiles::readLines(path).value(0).trimmed() == kEveryLinkWord ? LinkRule::EveryLink
                                                                               : LinkRule::Classic;
}

void writeLinkRule(const QString& path, LinkRule rule)
{
    SettingsFiles::writeLines(path, { rule == LinkRule::EveryLink ? kEveryLinkWord : kClassicWord });
}
