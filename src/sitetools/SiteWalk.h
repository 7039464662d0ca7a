#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// The progress of a long site operation: called at each check point with how far it got; it
// returns false to stop the operation there.
using SiteProgress = std::function<bool(qsizetype position, qsizetype total)>;

// Which names count as site pages: the broken-links finder takes ".htm", ".html" and ".js" in any
// letter case, and under its every-link rule ".css" too; the orphans finder only the all-lower
// and all-upper spellings.
enum class PageRule { AnyCase, AnyCaseWithStyleSheets, ExactCase };

bool isSitePage(const QString& fileName, PageRule rule);

// The directory part of a '/'-separated path, with its trailing '/' ("" for a bare name).
QString pageDirectory(const QString& path);

// A directory path with exactly one trailing '/'.
QString directoryWithSlash(const QString& dir);

// A base directory as the site tools keep it: absolute, cleaned, with one trailing '/'.
QString siteBaseDirectory(const QString& typed);

// The directories of a site: the base text as entry 0, then every subdirectory breadth-first,
// as full paths without a trailing '/', in the order the file system lists them. Hidden
// directories (names starting with '.') and symbolic links to directories are left out; a
// directory that cannot be read contributes nothing.
QStringList siteDirectories(const QString& base, const SiteProgress& progress = {});

// Every file of one directory, hidden files included, as full paths in enumeration order.
QStringList directoryFiles(const QString& dir);

// Every file of the listed directories, in their order. Stops (returning what it has, with
// *stopped set) when progress says so.
QStringList siteFiles(const QStringList& directories, const SiteProgress& progress = {}, bool* stopped = nullptr);

struct SiteLists {
    QStringList directories;
    // Site pages relative to the base: sorted ignoring case for the AnyCase rules, walk order for
    // ExactCase.
    QStringList pages;
    // Full paths of every file, in walk order.
    QStringList everyFile;
};

// Walks the site below base (a directory with a trailing '/') in one pass.
SiteLists loadSite(const QString& base, PageRule rule, const SiteProgress& progress = {});

// Sorts by the lower-cased text, code unit by code unit, the exact text breaking ties, so the
// order is the same on every machine.
void sortIgnoringCase(QStringList& list);
// Where a text goes in a list kept in that order.
qsizetype sortedPosition(const QStringList& list, const QString& text);

// A page's text as the code pane would hold it; file errors throw FileError.
QString readPageText(const QString& path);

// How many threads a scan of that many pages uses: the machine's cores, one for a few pages.
int pageWorkers(qsizetype pages);

// Runs work(page, worker) for every page from 0 to count - 1 on `workers` threads, the calling
// one among them. Each worker (numbered from 0) runs one page at a time, so what a caller keeps
// per worker needs no lock. Only the calling thread calls progress, before each page it takes;
// false stops every thread before its next page, and a page once taken is always finished.
// Returns how many pages from the first were done, which is count unless stopped: the prefix a
// one-by-one scan would have done. An exception from one of those pages is rethrown, the first
// in page order, as one by one it would have ended the scan there.
using PageWork = std::function<void(qsizetype page, int worker)>;
qsizetype forEachPage(qsizetype count, int workers, const PageWork& work, const SiteProgress& progress = {});
