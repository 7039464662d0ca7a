#pragma once

#include "editor/DocumentFile.h"
#include "sitetools/SiteWalk.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// One change of a site-wide edit: in the page's text (breaks as single LFs), oldText at index
// becomes newText. line and column count from 1; lineText is the whole line, for the list.
struct SiteChange {
    QString page;
    qsizetype index = 0;
    int line = 0;
    int column = 0;
    QString oldText;
    QString newText;
    QString lineText;
    bool operator==(const SiteChange&) const = default;
};

// A site-wide edit: the changes, page by page in the order of linkingFiles(), and for a rename or move the file
// that goes from `from` to `to` (both empty for a replace).
struct SitePlan {
    QString base;
    QString from;
    QString to;
    QList<SiteChange> changes;
};

// A page's text as the main window's editor holds it, used in place of the file on disk.
struct OpenPage {
    QString path;
    QString text; // breaks as single LFs
};

// The pages and style sheets of the site below base (a directory with a trailing '/'), as full
// paths sorted ignoring case.
QStringList linkingFiles(const QString& base, const SiteProgress& progress = {});

// Every change that moving the file `from` to `to` makes in the site: the links to it in every
// page and style sheet, and, when it holds links itself, its own relative links from its new
// place. Refuses with FileError before anything is read when `to` exists, either name lies
// outside the site or `from` is not a file; a page that cannot be read throws its FileError.
// An empty plan with from and to empty means the progress stopped it.
SitePlan planMove(const QString& base, const QString& from, const QString& to, const OpenPage& open = {},
    const SiteProgress& progress = {});

// The site base to offer for a change to file: lastBase when the file lies below it, else the
// highest directory, at most eight levels above the file, that holds a page linking to it, else
// the file's own directory. With a trailing '/'.
QString defaultSiteBase(const QString& file, const QString& lastBase);

// Fills line, column and lineText of changes of one page from its text, the changes in index order.
void placeChanges(const QString& text, QList<SiteChange>& changes);

// The changes made to a text (changes of that text, in index order, not overlapping).
QString changedText(const QString& text, const QList<SiteChange>& changes);

// A page read afresh with its chosen changes made, ready to be written in its own format.
struct PageRewrite {
    QString path;
    DocumentFile file; // as loaded; empty for the page open in the editor
    QByteArray oldBytes;
    QString oldText;
    QString newText;
    QList<SiteChange> changes;
    QStringList paragraphs() const { return newText.split(u'\n'); }
};

// Groups the chosen changes by page and reads every page again. Throws FileError, before anything
// is written, for a page that cannot be read, cannot be written, would not be written back byte
// for byte apart from its changes, or no longer holds an old text where the list found it. The page open in the editor is taken from open.
QList<PageRewrite> prepareRewrites(const QList<SiteChange>& chosen, const OpenPage& open = {});

// The last site change, kept in a directory of the settings so that it can be undone after a
// restart: the pages as they were, how they were left, and the file's move.
class SiteJournal {
public:
    explicit SiteJournal(const QString& directory)
        : m_dir(directory)
    { }
    QString directory() const { return m_dir; }
    bool isEmpty() const;

    // Writes the pages (each in the format given for it), moves the file of the plan, and
    // records all of it as the last change. Pages changed in the editor are only recorded
    // (editorPage, with the text the editor got). Nothing is half-done: a failed write or move
    // puts back what was written and throws FileError.
    void commit(const SitePlan& plan, QList<PageRewrite>& pages, const QList<TextFormat>& formats,
        const OpenPage& editorPage = {});

    // What undoing finds: the files changed since the change (each named), the page the
    // editor must put back (path and text), and whether the change is still there.
    struct Check {
        bool present = false;
        QString from; // the move undone goes from `to` back to `from`
        QString to;
        QStringList changedSince;
        QString editorPath;
        QString editorText;
    };
    // Compares every recorded page with what is there now; the editor page with editorNow.
    Check check(const OpenPage& editorNow = {}) const;
    // Puts every page on disk back as it was and the file back in its place, then forgets the
    // change. Call after check() found nothing changed; throws FileError.
    void undo();

    static QString journalFile() { return QStringLiteral("journal.plr"); }

private:
    QString m_dir;
};

// Runs work(k) for k in 0..count-1 on a few threads; progress is asked on the calling thread and
// may stop it. Returns false when it was stopped (some k were then not run).
bool forEachPage(qsizetype count, const SiteProgress& progress, const std::function<void(qsizetype)>& work);

// The messages of a site change that is refused before anything is touched.
namespace SiteChangeTexts {
inline const QString kExists = QStringLiteral("A file named %1 already exists. Nothing was changed.");
inline const QString kOutside = QStringLiteral("%1 is outside the site %2. Nothing was changed.");
inline const QString kNotAFile = QStringLiteral("%1 is not a file. Nothing was changed.");
inline const QString kNoDirectory = QStringLiteral("The directory %1 does not exist. Nothing was changed.");
inline const QString kChangedSince
    = QStringLiteral("%1 was changed since the list was made. Show the changes again; nothing was changed.");
inline const QString kNotKept = QStringLiteral(
    "%1 would change in more than its links when written (mixed line breaks or a NUL byte). Nothing was changed.");
inline const QString kCannotWrite = QStringLiteral("%1 cannot be written. Nothing was changed.");
inline const QString kCannotMove = QStringLiteral("%1 cannot be moved to %2. Nothing was changed.");
inline const QString kNothingToUndo = QStringLiteral("There is no site change to undo.");
inline const QString kUndoChangedSince
    = QStringLiteral("These files were changed since the last site change, so it was not undone:\r\n%1");
} // namespace SiteChangeTexts
