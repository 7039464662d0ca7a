#include "sitetools/AnchorCheck.h"

#include "shared/RelativePath.h"

#include <QUrl>

const QString kAnchorNote = QStringLiteral("anchor");

namespace {

bool isSpace(QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f'; }

bool isLetter(QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

} // namespace

void forEachAttribute(const QString& text, const std::function<void(const TagAttribute&)>& found)
{
    const qsizetype size = text.size();
    for (qsizetype i = text.indexOf(u'<'); i >= 0 && i < size; i = text.indexOf(u'<', i)) {
        if (QStringView(text).mid(i, 4) == u"<!--") {
            const qsizetype end = text.indexOf(QStringLiteral("-->"), i + 4);
            if (end < 0) return;
            i = end + 3;
            continue;
        }
        ++i;
        if (i >= size || !isLetter(text[i])) continue;
        const qsizetype tagStart = i;
        while (i < size && !isSpace(text[i]) && text[i] != u'>' && text[i] != u'/')
            ++i;
        const QStringView tag = QStringView(text).mid(tagStart, i - tagStart);
        for (;;) {
            while (i < size && (isSpace(text[i]) || text[i] == u'/'))
                ++i;
            if (i >= size || text[i] == u'>' || text[i] == u'<') break;
            const qsizetype nameStart = i;
            while (i < size && !isSpace(text[i]) && text[i] != u'=' && text[i] != u'>' && text[i] != u'/')
                ++i;
            const QStringView name = QStringView(text).mid(nameStart, i - nameStart);
            qsizetype after = i;
            while (after < size && isSpace(text[after]))
                ++after;
            if (after >= size || text[after] != u'=') {
                found({ tag, name, {}, i });
                continue;
            }
            i = after + 1;
            while (i < size && isSpace(text[i]))
                ++i;
            if (i >= size) return;
            qsizetype valueStart = i, valueEnd;
            if (text[i] == u'"' || text[i] == u'\'') {
                valueStart = i + 1;
                valueEnd = text.indexOf(text[i], valueStart);
                // An unclosed quote runs to the end: there is no tag left to read.
                if (valueEnd < 0) return;
                i = valueEnd + 1;
            } else {
                while (i < size && !isSpace(text[i]) && text[i] != u'>')
                    ++i;
                valueEnd = i;
            }
            found({ tag, name, QStringView(text).mid(valueStart, valueEnd - valueStart), valueStart });
        }
    }
}

QSet<QString> anchorNames(const QString& text)
{
    QSet<QString> names;
    forEachAttribute(text, [&](const TagAttribute& a) {
        if (a.name.compare(u"id", Qt::CaseInsensitive) == 0
            || (a.name.compare(u"name", Qt::CaseInsensitive) == 0 && a.tag.compare(u"a", Qt::CaseInsensitive) == 0))
            names.insert(a.value.toString());
    });
    return names;
}

bool reachesAnchor(const QSet<QString>& names, const QString& fragment)
{
    if (fragment.isEmpty() || fragment.compare(u"top", Qt::CaseInsensitive) == 0) return true;
    if (names.contains(fragment)) return true;
    return fragment.contains(u'%') && names.contains(QUrl::fromPercentEncoding(fragment.toUtf8()));
}

QList<FragmentLink> fragmentLinks(const QString& text, const QString& pageDirectory)
{
    QList<FragmentLink> links;
    PaneOffsets offsets(text);
    forEachAttribute(text, [&](const TagAttribute& a) {
        if (a.name.compare(u"href", Qt::CaseInsensitive) != 0) return;
        const qsizetype hash = a.value.indexOf(u'#');
        if (hash < 0) return;
        QStringView path = a.value.left(hash);
        const qsizetype query = path.indexOf(u'?');
        if (query >= 0) path = path.left(query);
        if (path.contains(u':') || path.startsWith(u"//")) return;
        if (!path.isEmpty()) {
            const QString extension = fileExtension(path.toString()).toUpper();
            if (extension != u".HTM" && extension != u".HTML") return;
        }
        links.append({ { a.value.toString(), offsets.offset(a.at) },
            path.isEmpty() ? QString() : expandLink(path, pageDirectory), a.value.mid(hash + 1).toString() });
    });
    return links;
}

const QSet<QString>& AnchorIndex::namesOf(const QString& page)
{
    auto it = m_names.constFind(page);
    if (it == m_names.constEnd()) it = m_names.insert(page, anchorNames(readPageText(page)));
    return *it;
}

LinkCheck brokenAnchors(
    const QList<FragmentLink>& links, const QSet<QString>& own, const SiteIndex& index, AnchorIndex& anchors)
{
    LinkCheck check;
    static const QSet<QString> none;
    for (const FragmentLink& link : links) {
        ++check.examined;
        const QSet<QString>& names = link.target.isEmpty() ? own
            : index.contains(link.target)                  ? anchors.namesOf(link.target)
                                                           : none;
        if (!reachesAnchor(names, link.fragment))
            check.broken.append({ link.link.text, link.link.offset, kAnchorNote });
    }
    return check;
}

LinkCheck findBrokenAnchors(const QString& text, const QString& page, const SiteIndex& index, AnchorIndex& anchors)
{
    return brokenAnchors(fragmentLinks(text, pageDirectory(page)), anchorNames(text), index, anchors);
}
