#pragma once

#include "sitetools/LinkCheck.h"

#include <QString>
#include <QStringView>
#include <optional>

// The "every link" rule: every address a page's markup gives (see PageLinks) that names a local
// file is verified, whatever the file's type.

// Where a page's links start: the page's directory, or its <base href>'s; root is where a link
// starting with "/" starts (the site's base unless told otherwise). A <base> that is a web
// address makes every link without a scheme a web link.
struct LinkStart {
    QString directory; // with a trailing '/'
    QString root; // with a trailing '/'
    bool web = false;
};

LinkStart linkStart(const QString& page, const std::optional<QString>& base, const QString& root);

// The full path a local link names: "%XX" escapes read as UTF-8, "?query" and "#fragment" cut,
// "\" read as "/", "." and ".." resolved (never above the root for a link from "/"), a trailing
// "/" kept. Nothing when the link is not local (a scheme other than file:, "//host"), or names
// only the page itself ("", "#name", "?query").
std::optional<QString> localLinkPath(QStringView url, const LinkStart& start);

// A good target is a file of the site, or a directory of it that holds index.html or index.htm.
bool linkTargetExists(const QString& path, const SiteIndex& index);

// The every-link check of one page (page: its full path): an HTML page by its markup, a ".css"
// file as a style sheet, a ".js" file not at all. Broken links come in text order, each with the
// attribute that gave it; examined counts the local links. progress is called before each link
// with its place in the text; *verifying names it.
LinkCheck findEveryBrokenLink(const QString& text, const QString& page, const QString& root, const SiteIndex& index,
    const SiteProgress& progress = {}, QString* verifying = nullptr);

// The settings file that remembers the broken-link finder's rule: one line, "classic" or
// "every link"; a missing file or another word is the classic rule.
extern const QString kLinkRuleFile;
LinkRule readLinkRule(const QString& path); // errors throw FileError
void writeLinkRule(const QString& path, LinkRule rule); // errors throw FileError
