#pragma once

#include "sitetools/LinkCheck.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <functional>

// An attribute of a tag as a page spells it: the tag's and the attribute's names as written, the
// value without its quotes, and the text index where the value starts.
struct TagAttribute {
    QStringView tag;
    QStringView name;
    QStringView value;
    qsizetype at = 0;
};

// Calls found for every attribute of every tag, in text order; comments are skipped. Values may
// be double-quoted, single-quoted or bare.
void forEachAttribute(const QString& text, const std::function<void(const TagAttribute&)>& found);

// The names a fragment can reach in a page: every id="..." and every NAME="..." of an A tag
// (attribute names in any letter case, values exact).
QSet<QString> anchorNames(const QString& text);

// True when a fragment reaches one of the names, spelt exactly or percent-encoded. An empty
// fragment and "top" reach the top of any page, as browsers have it.
bool reachesAnchor(const QSet<QString>& names, const QString& fragment);

// An HREF with a fragment to a page of the site: target is the page's full path, empty for the
// page itself.
struct FragmentLink {
    FoundLink link;
    QString target;
    QString fragment;
};

// The page links with a fragment (to ".htm" or ".html" pages, or "#name" alone), in text order,
// resolved against the page's directory; addresses with a scheme are left to the web check.
QList<FragmentLink> fragmentLinks(const QString& text, const QString& pageDirectory);

// The anchor names of the pages of a site, each page read once, when it is first asked for.
class AnchorIndex {
public:
    void add(const QString& page, const QSet<QString>& names) { m_names.insert(page, names); }
    // Reads the page the first time; file errors throw FileError.
    const QSet<QString>& namesOf(const QString& page);

private:
    QHash<QString, QSet<QString>> m_names;
};

// The links that reach no anchor, each noted "anchor": own holds the names of the page itself;
// a target page that is not a file of the site reaches none.
LinkCheck brokenAnchors(
    const QList<FragmentLink>& links, const QSet<QString>& own, const SiteIndex& index, AnchorIndex& anchors);

// The anchor check of one page's text (page is its full path).
LinkCheck findBrokenAnchors(const QString& text, const QString& page, const SiteIndex& index, AnchorIndex& anchors);

extern const QString kAnchorNote;
