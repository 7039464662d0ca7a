#include "sitetools/SiteCheckReport.h"

#include "sitetools/AnchorCheck.h"
#include "sitetools/EveryLink.h"
#include "sitetools/Orphans.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <algorithm>

namespace {

const char* kindName(LinkKind kind)
{
    switch (kind) {
    case LinkKind::File:
        return "file";
    case LinkKind::Anchor:
        return "anchor";
    case LinkKind::Web:
        return "web";
    }
    return "";
}

QByteArray jsonText(const QJsonObject& object) { return QJsonDocument(object).toJson(QJsonDocument::Indented); }

} // namespace

qsizetype LinkReport::broken() const
{
    return std::count_if(listed.begin(), listed.end(), [](const ReportedLink& l) { return l.broken; });
}

namespace {

// What one page gives the link report; pages are checked on several threads, each on its own.
struct PageCheck {
    LinkCheck files;
    QList<FragmentLink> fragments;
    QSet<QString> names;
    QList<FoundLink> web;
};

} // namespace

SiteLists loadLinkSite(const QString& base, LinkRule rule, const SiteProgress& progress)
{
    return loadSite(base, rule == LinkRule::EveryLink ? PageRule::AnyCaseWithStyleSheets : PageRule::AnyCase, progress);
}

LinkReport checkSiteLinks(
    const QString& base, const SiteLists& site, const LinkCheckOptions& options, const SiteProgress& progress)
{
    const QString root = options.root.isEmpty() ? base : options.root;
    LinkReport report;
    report.pages = site.pages;
    report.anchorsChecked = options.anchors;
    report.webChecked = options.web;
    const SiteIndex index(site.everyFile);
    const qsizetype count = site.pages.size();
    std::vector<PageCheck> checks(count);
    const qsizetype done = forEachPage(
        count, options.workers > 0 ? options.workers : pageWorkers(count),
        [&](qsizetype k, int) {
            PageCheck& check = checks[k];
            const QString path = base + site.pages[k];
            // As "Check Site" does, a page gone since the walk is skipped.
            if (!QFileInfo(path).isFile()) return;
            const QString text = readPageText(path);
            check.files = options.rule == LinkRule::EveryLink ? findEveryBrokenLink(text, path, root, index)
                                                              : findBrokenLinks(text, pageDirectory(path), index);
            if (options.anchors) {
                check.fragments = fragmentLinks(text, pageDirectory(path));
                check.names = anchorNames(text);
            }
            if (options.web) check.web = webLinks(text);
        },
        progress);
    // A stop ends the report at the first page not done, as if the pages were checked one by one.
    AnchorIndex anchors;
    for (qsizetype k = 0; k < done; ++k)
        anchors.add(base + site.pages[k], checks[k].names);
    report.stopped = done < count;
    for (qsizetype k = 0; k < done; ++k) {
        const PageCheck& check = checks[k];
        report.links += check.files.examined;
        for (const FoundLink& link : check.files.broken)
            report.listed.append({ k, link });
        if (!check.fragments.isEmpty()) {
            const LinkCheck broken = brokenAnchors(check.fragments, check.names, index, anchors);
            report.links += broken.examined;
            report.anchors += broken.examined;
            for (const FoundLink& link : broken.broken)
                report.listed.append({ k, link, LinkKind::Anchor });
        }
        for (const FoundLink& link : check.web)
            report.webLinks.append({ k, link, LinkKind::Web });
    }
    return report;
}

QStringList webAddresses(const LinkReport& report)
{
    QStringList addresses;
    QSet<QString> seen;
    for (const ReportedLink& link : report.webLinks) {
        const QString address = webAddress(link.link.text);
        if (!seen.contains(address)) {
            seen.insert(address);
            addresses << address;
        }
    }
    return addresses;
}

void addWebResults(LinkReport& report, const QHash<QString, WebResult>& results)
{
    for (const ReportedLink& found : report.webLinks) {
        const auto result = results.constFind(webAddress(found.link.text));
        if (result == results.constEnd()) continue;
        ++report.links;
        ++report.web;
        ++report.statuses[result->statusText()];
        if (!result->broken() && result->finalAddress.isEmpty()) continue;
        ReportedLink listed = found;
        listed.web = *result;
        listed.broken = result->broken();
        listed.link.note = result->statusText();
        report.listed.append(listed);
    }
    std::stable_sort(report.listed.begin(), report.listed.end(),
        [](const ReportedLink& a, const ReportedLink& b) { return a.page < b.page; });
}

OrphanReport checkSiteOrphans(const QString& base, const SiteProgress& progress)
{
    const SiteLists site = loadSite(base, PageRule::ExactCase);
    const OrphanScan scan = findOrphans(base, site.pages, site.everyFile, progress);
    OrphanReport report;
    report.pages = site.pages.size();
    report.files = site.everyFile.size();
    report.stopped = scan.stopped;
    for (const QString& orphan : scan.orphans)
        report.orphans << orphan.mid(base.size());
    return report;
}

QString reportField(const QString& text)
{
    const auto plain
        = [](QChar c) { return c.unicode() >= 0x20 && c != u'\\' && (c.unicode() < 0x7F || c.unicode() > 0x9F); };
    if (std::all_of(text.begin(), text.end(), plain)) return text;
    QString out;
    out.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (plain(c))
            out += c;
        else if (c == u'\\')
            out += QStringLiteral("\\\\");
        else if (c == u'\t')
            out += QStringLiteral("\\t");
        else if (c == u'\r')
            out += QStringLiteral("\\r");
        else if (c == u'\n')
            out += QStringLiteral("\\n");
        else
            out += QStringLiteral("\\x") + QString::number(c.unicode(), 16).rightJustified(2, u'0').toUpper();
    }
    return out;
}

QByteArray linkReportText(const LinkReport& report)
{
    QString out;
    for (const ReportedLink& l : report.listed) {
        out += reportField(report.pages[l.page]) + u'\t' + QString::number(l.link.offset) + u'\t'
            + reportField(l.link.text);
        if (!l.link.attribute.isEmpty()) out += u'\t' + reportField(l.link.attribute);
        if (!l.link.note.isEmpty()) out += u'\t' + reportField(l.link.note);
        if (!l.web.finalAddress.isEmpty()) out += u'\t' + reportField(l.web.finalAddress);
        out += u'\n';
    }
    out += QStringLiteral("pages=%1 links=%2 broken=%3")
               .arg(report.pages.size())
               .arg(report.links)
               .arg(report.broken());
    if (report.anchorsChecked) out += QStringLiteral(" anchors=%1").arg(report.anchors);
    if (report.webChecked) {
        out += QStringLiteral(" web=%1").arg(report.web);
        for (auto it = report.statuses.begin(); it != report.statuses.end(); ++it)
            out += u' ' + reportField(it.key()).replace(u' ', u'_') + u'=' + QString::number(it.value());
    }
    out += u'\n';
    return out.toUtf8();
}

QByteArray linkReportJson(const LinkReport& report)
{
    QJsonArray links;
    for (const ReportedLink& l : report.listed) {
        QJsonObject entry { { "page", report.pages[l.page] }, { "offset", double(l.link.offset) },
            { "link", l.link.text }, { "kind", kindName(l.kind) }, { "broken", l.broken } };
        if (!l.link.attribute.isEmpty()) entry.insert("attribute", l.link.attribute);
        if (l.kind == LinkKind::Web) {
            if (l.web.status) entry.insert("status", l.web.status);
            if (!l.web.error.isEmpty()) entry.insert("error", l.web.error);
            if (l.web.redirectStatus) entry.insert("redirect", l.web.redirectStatus);
            if (!l.web.finalAddress.isEmpty()) entry.insert("final", l.web.finalAddress);
        }
        links.append(entry);
    }
    QJsonObject summary { { "pages", double(report.pages.size()) }, { "links", double(report.links) },
        { "broken", double(report.broken()) } };
    if (report.anchorsChecked) summary.insert("anchors", double(report.anchors));
    if (report.webChecked) {
        summary.insert("web", double(report.web));
        QJsonObject statuses;
        for (auto it = report.statuses.begin(); it != report.statuses.end(); ++it)
            statuses.insert(it.key(), double(it.value()));
        summary.insert("statuses", statuses);
    }
    return jsonText({ { "links", links }, { "summary", summary } });
}

QByteArray orphanReportText(const OrphanReport& report)
{
    QString out;
    for (const QString& orphan : report.orphans)
        out += reportField(orphan) + u'\n';
    out += QStringLiteral("pages=%1 files=%2 orphans=%3\n")
               .arg(report.pages)
               .arg(report.files)
               .arg(report.orphans.size());
    return out.toUtf8();
}

QByteArray orphanReportJson(const OrphanReport& report)
{
    const QJsonObject summary { { "pages", double(report.pages) }, { "files", double(report.files) },
        { "orphans", double(report.orphans.size()) } };
    return jsonText({ { "orphans", QJsonArray::fromStringList(report.orphans) }, { "summary", summary } });
}
