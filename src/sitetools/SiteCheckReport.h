#pragma once

#include "sitetools/LinkCheck.h"
#include "sitetools/SiteWalk.h"
#include "sitetools/WebLinks.h"

#include <QByteArray>
#include <QHash>
#include <QMap>
#include <QString>
#include <QStringList>

// The site checks of the command line: the broken-link check of every page and the orphans scan,
// by the same core functions as the windows, and their reports as text and as JSON.

enum class LinkKind { File, Anchor, Web };

// A link the report lists: on which page, the link with its offset, and for a web link its answer.
struct ReportedLink {
    qsizetype page = 0; // index into LinkReport::pages
    FoundLink link;
    LinkKind kind = LinkKind::File;
    WebResult web;
    bool broken = true; // a web link that was redirected to a working address is listed, not broken
};

struct LinkReport {
    QStringList pages; // relative to the base, in the finder's order
    qsizetype links = 0; // links verified, of every kind
    qsizetype anchors = 0; // of those, links to #anchors
    qsizetype web = 0; // of those, web links
    QList<ReportedLink> listed; // by page; on a page, files, then anchors, then web links
    QList<ReportedLink> webLinks; // every web link found, for the web check
    QMap<QString, qsizetype> statuses; // web links by their outcome ("200", "404", "timeout")
    bool anchorsChecked = false;
    bool webChecked = false;
    bool stopped = false;

    qsizetype broken() const;
};

struct LinkCheckOptions {
    bool anchors = false;
    bool web = false;
    int workers = 0; // threads the pages are checked on; 0: pageWorkers
    LinkRule rule = LinkRule::Classic;
    QString root; // where an every-link "/..." starts; empty: the base
};

// The site's lists as the finder loads them for a rule: the every-link rule checks style sheets too.
SiteLists loadLinkSite(const QString& base, LinkRule rule, const SiteProgress& progress = {});

// Checks every page of the site (loaded by loadLinkSite) as "Check Site" does, without its
// stops; with anchors the links to #anchors too, with web the web links are gathered for
// addWebResults. progress is called before each page. Page read errors throw FileError.
LinkReport checkSiteLinks(
    const QString& base, const SiteLists& site, const LinkCheckOptions& options, const SiteProgress& progress = {});

// The distinct addresses of the gathered web links, in the order they were first met.
QStringList webAddresses(const LinkReport& report);

// Lists the web links by their results and counts them; links without a result (a cancelled
// check) are left out.
void addWebResults(LinkReport& report, const QHash<QString, WebResult>& results);

struct OrphanReport {
    qsizetype pages = 0;
    qsizetype files = 0;
    QStringList orphans; // relative to the base, in the finder's order
    bool stopped = false;
};

// The orphans scan of the site, as the orphans finder's Start does.
OrphanReport checkSiteOrphans(const QString& base, const SiteProgress& progress = {});

// A field of a report line: a backslash and control characters written as "\\", "\t", "\r",
// "\n" or "\xHH", so that every line holds one entry and its fields split at tabs.
QString reportField(const QString& text);

// One line per listed link, "page<TAB>offset<TAB>link", an every-link one's followed by the
// attribute that gave it, an anchor's by "anchor", a web link's by its outcome and, when
// redirected, its final address; then the summary line.
QByteArray linkReportText(const LinkReport& report);
QByteArray linkReportJson(const LinkReport& report);
// One line per orphan, then "pages=N files=N orphans=N".
QByteArray orphanReportText(const OrphanReport& report);
QByteArray orphanReportJson(const OrphanReport& report);
