#pragma once

#include "sitetools/SiteChanges.h"

#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// What Find in Site looks for.
struct SiteFindOptions {
    QString text;
    bool regularExpression = false;
    bool matchCase = false;
    bool wholeWords = false;
};

// One match: where it is in its page's text (breaks as single LFs), its line and column from 1,
// the whole line, and the text it matched with its groups (for a replacement's \1 .. \9).
struct SiteMatch {
    QString page;
    qsizetype index = 0;
    qsizetype length = 0;
    int line = 0;
    int column = 0;
    QString lineText;
    QStringList captured; // the whole match, then each group
};

// The files Find in Site reads: pages, style sheets and scripts (".htm", ".html", ".css", ".js",
// any letter case).
bool isSearchedFile(const QString& fileName);

// The options as a pattern; nothing, with the reason in *error, for an empty text or an invalid
// regular expression.
std::optional<QRegularExpression> sitePattern(const SiteFindOptions& options, QString* error = nullptr);

// Searches every searched file of the site below base (nothing is found for options that make
// no pattern). found is called on the calling thread
// with the matches of each page, page after page in site order, while the search runs; progress
// may stop it. The page open in the editor is searched in its editor text. Unreadable files are
// passed over. Returns false when stopped.
bool findInSite(const QString& base, const SiteFindOptions& options, const SiteProgress& progress,
    const std::function<void(const QList<SiteMatch>&)>& found, const OpenPage& open = {});

// Each match as a change to the replacement; with a regular expression "\1" .. "\9" stand for its
// groups and "\\" for a backslash.
QList<SiteChange> replacementChanges(const QList<SiteMatch>& matches, const QString& replacement, bool regularExpression);
