#pragma once

#include "sitetools/SiteWalk.h"

#include <QString>
#include <QStringList>

// Style sheets and scripts are never reported as orphans once any page was searched.
bool isNeverOrphan(const QString& path);

// The candidates that the page does not refer to: a candidate is referred to when the page text
// holds its path relative to the page (with '/'), letter case kept, anywhere.
QStringList findRubbish(const QString& pageText, const QString& page, const QStringList& candidates);

struct OrphanScan {
    QStringList orphans; // full paths, in the order of the every-file list
    qsizetype pagesSearched = 0;
    bool stopped = false;
};

// Reads a page's text; file errors throw FileError.
using PageReader = std::function<QString(const QString& path)>;

// Searches every page (base + entry) for references to every file. progress is called before
// each page; false stops the scan. The pages of one directory share their reference strings,
// and all of a page's references are found in one pass over its text. Pages are read and
// searched on `workers` threads (0: pageWorkers), so read must be safe to call on several.
OrphanScan findOrphans(const QString& base, const QStringList& pages, const QStringList& everyFile,
    const SiteProgress& progress = {}, const PageReader& read = readPageText, int workers = 0);

// The same result, page by page and candidate by candidate with findRubbish.
OrphanScan findOrphansOneByOne(const QString& base, const QStringList& pages, const QStringList& everyFile,
    const SiteProgress& progress = {}, const PageReader& read = readPageText);

// The last name of a directory ("/web/mysite/" gives "mysite").
QString extractThisDirectory(const QString& base);
// Beside the base, named after it: "/web/mysite/" gives "/web/mysiteRubbish/". Empty for a base
// that has no name of its own (the root).
QString rubbishDirectory(const QString& base);

// Moves a file of the site to the same place under the Rubbish directory, making the
// directories it needs; never overwrites. Returns where it went, or nothing when the file is not
// there any more. Throws FileError "Cannot create " + directory, or with the file layer's message.
QString moveToRubbish(const QString& file, const QString& base);

// A file moved aside: where it was and where it went.
struct RubbishMove {
    QString from;
    QString to;
    bool operator==(const RubbishMove&) const = default;
};
// The moves as the log keeps them (one "to<TAB>from" line each, CR LF) and back.
QByteArray moveLogText(const QList<RubbishMove>& moves);
QList<RubbishMove> parseMoveLog(const QByteArray& text);
// Moves files back where their places are free, the last move first, making directories as
// needed; returns the moves that could not be undone.
QList<RubbishMove> restoreMoves(const QList<RubbishMove>& moves);
