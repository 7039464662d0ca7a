#include "sitetools/SiteChanges.h"

#include "editor/TextFile.h"
#include "platform/FileError.h"
#include "shared/RelativePath.h"
#include "shared/SettingsFiles.h"
#include "sitetools/SiteLinks.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QUrl>

#include <algorithm>
#include <atomic>
#include <optional>
#include <thread>
#include <vector>

using namespace SiteChangeTexts;

namespace {

QString native(const QString& path) { return QDir::toNativeSeparators(path); }
QByteArray hashHex(const QByteArray& bytes) { return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex(); }
QByteArray textHash(const QString& text) { return hashHex(text.toUtf8()); }

// The ways a page can spell the file's name in its bytes; a page holding none of them cannot
// link to the file, and is not decoded at all.
QList<QByteArray> spellingsOf(const QString& name)
{
    QList<QByteArray> spellings { name.toUtf8(), QUrl::toPercentEncoding(name, "!$&'()*+,;=:@~-._") };
    QByteArray windows;
    if (encodeWindows1252(name, &windows) && !spellings.contains(windows)) spellings << windows;
    return spellings;
}

bool mentions(const QByteArray& bytes, const QList<QByteArray>& spellings)
{
    // A UTF-16 page hides every name from a byte search.
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) return true;
    return std::any_of(spellings.begin(), spellings.end(), [&](const QByteArray& s) { return bytes.contains(s); });
}

struct PageScan {
    QList<SiteChange> changes;
    std::optional<FileError> error;
};

} // namespace

bool forEachPage(qsizetype count, const SiteProgress& progress, const std::function<void(qsizetype)>& work)
{
    std::atomic<qsizetype> next = 0;
    std::atomic<bool> stop = false;
    auto run = [&](bool reporting) {
        for (qsizetype k = next++; k < count && !stop; k = next++) {
            if (reporting && progress && !progress(k, count)) {
                stop = true;
                break;
            }
            work(k);
        }
    };
    std::vector<std::thread> helpers;
    const int threads = std::clamp(QThread::idealThreadCount(), 1, 8);
    for (int t = 1; t < threads && count > 16; ++t)
        helpers.emplace_back(run, false);
    run(true);
    for (std::thread& helper : helpers)
        helper.join();
    return !stop;
}

QStringList linkingFiles(const QString& base, const SiteProgress& progress)
{
    QStringList files = siteFiles(siteDirectories(base, progress), progress);
    files.erase(std::remove_if(files.begin(), files.end(), [](const QString& f) { return !holdsLinks(f); }), files.end());
    // The same list on every machine, whatever order the file system lists them in.
    sortIgnoringCase(files);
    return files;
}

QString defaultSiteBase(const QString& file, const QString& lastBase)
{
    if (!lastBase.isEmpty() && file.startsWith(directoryWithSlash(lastBase))) return directoryWithSlash(lastBase);
    const QList<QByteArray> spellings = spellingsOf(fileNameOf(file));
    auto linksHere = [&](const QString& dir) {
        for (const QString& page : directoryFiles(dir)) {
            if (!holdsLinks(page)) continue;
            try {
                const QByteArray bytes = readBytes(page);
                if (!mentions(bytes, spellings)) continue;
                TextFormat format;
                for (const LinkSpot& spot : linkSpots(decodeToText(bytes, &format), isStyleSheet(page)))
                    if (linkTarget(spot.value, dir, dir) == file) return true;
            } catch (const FileError&) {
                // An unreadable page says nothing about the site.
            }
        }
        return false;
    };
    QString best = pageDirectory(file);
    QString dir = best;
    for (int level = 0; level < 8 && dir.size() > 1; ++level) {
        dir = pageDirectory(dir.chopped(1));
        if (dir.isEmpty()) break;
        if (linksHere(dir)) best = dir;
    }
    return best;
}

void placeChanges(const QString& text, QList<SiteChange>& changes)
{
    int line = 1;
    qsizetype lineStart = 0;
    qsizetype at = 0;
    for (SiteChange& change : changes) {
        for (; at < change.index; ++at)
            if (text[at] == u'\n') {
                ++line;
                lineStart = at + 1;
            }
        qsizetype lineEnd = text.indexOf(u'\n', change.index);
        if (lineEnd < 0) lineEnd = text.size();
        change.line = line;
        change.column = int(change.index - lineStart + 1);
        change.lineText = text.mid(lineStart, lineEnd - lineStart);
    }
}

QString changedText(const QString& text, const QList<SiteChange>& changes)
{
    QString result;
    result.reserve(text.size() + 64);
    qsizetype at = 0;
    for (const SiteChange& change : changes) {
        result += QStringView(text).mid(at, change.index - at);
        result += change.newText;
        at = change.index + change.oldText.size();
    }
    result += QStringView(text).mid(at);
    return result;
}

SitePlan planMove(const QString& base, const QString& fromName, const QString& toName, const OpenPage& open,
    const SiteProgress& progress)
{
    const QString from = QDir::cleanPath(fromName);
    const QString to = QDir::cleanPath(toName);
    for (const QString& path : { from, to })
        if (!path.startsWith(base)) throw FileError(kOutside.arg(native(path), native(base)));
    if (!QFileInfo(from).isFile()) throw FileError(kNotAFile.arg(native(from)));
    if (QFileInfo::exists(to)) throw FileError(kExists.arg(native(to)));
    if (!QFileInfo(pageDirectory(to)).isDir()) throw FileError(kNoDirectory.arg(native(pageDirectory(to))));

    const QStringList files = linkingFiles(base, progress);
    const QList<QByteArray> spellings = spellingsOf(fileNameOf(from));
    QStringList names;
    for (const QByteArray& spelling : spellings)
        names << QString::fromUtf8(spelling);
    names << fileNameOf(from);
    names.removeDuplicates();
    std::vector<PageScan> scans(files.size());
    const bool finished = forEachPage(files.size(), progress, [&](qsizetype k) {
        const QString& file = files[k];
        const bool moved = file == from;
        QString text;
        try {
            if (!open.path.isEmpty() && file == open.path) {
                text = open.text;
            } else {
                const QByteArray bytes = readBytes(file);
                if (!moved && !mentions(bytes, spellings)) return;
                TextFormat format;
                text = decodeToText(bytes, &format);
            }
        } catch (const FileError& error) {
            scans[k].error = error;
            return;
        }
        const QString pageDir = pageDirectory(file);
        QList<SiteChange>& changes = scans[k].changes;
        const bool sheet = isStyleSheet(file);
        for (const LinkSpot& spot : moved ? linkSpots(text, sheet) : linkSpotsNaming(text, sheet, names)) {
            const QString target = linkTarget(spot.value, pageDir, base);
            if (target.isEmpty()) continue;
            QString value;
            if (moved) {
                // The moved page's own links: each still names what it named, from the new place.
                if (target != from && spot.value.startsWith(u'/')) continue;
                value = rewrittenLink(spot.value, target == from ? to : target, pageDirectory(to), base);
            } else {
                if (target != from) continue;
                value = rewrittenLink(spot.value, to, pageDir, base);
            }
            if (value != spot.value) changes.append({ file, spot.index, 0, 0, spot.value, value, {} });
        }
        placeChanges(text, changes);
    });
    SitePlan plan;
    if (!finished) return plan;
    plan.base = base;
    plan.from = from;
    plan.to = to;
    for (PageScan& scan : scans) {
        if (scan.error) throw *scan.error;
        plan.changes += scan.changes;
    }
    return plan;
}

QList<PageRewrite> prepareRewrites(const QList<SiteChange>& chosen, const OpenPage& open)
{
    QList<PageRewrite> pages;
    QHash<QString, qsizetype> pageIndex;
    for (const SiteChange& change : chosen) {
        auto found = pageIndex.constFind(change.page);
        if (found == pageIndex.constEnd()) {
            found = pageIndex.insert(change.page, pages.size());
            pages.append(PageRewrite { change.page, {}, {}, {}, {}, {} });
        }
        pages[*found].changes.append(change);
    }
    for (PageRewrite& page : pages) {
        std::sort(page.changes.begin(), page.changes.end(),
            [](const SiteChange& a, const SiteChange& b) { return a.index < b.index; });
        if (!open.path.isEmpty() && page.path == open.path) {
            page.oldText = open.text;
        } else {
            page.oldBytes = readBytes(page.path);
            page.oldText = page.file.load(page.path);
            // Written back as it was read, the page must come out as it is, or more than its
            // links would change (mixed line breaks, a NUL that ends the text read).
            if (encodeText(page.oldText.split(u'\n'), page.file.format()) != page.oldBytes)
                throw FileError(kNotKept.arg(native(page.path)));
            if (!QFileInfo(page.path).isWritable()) throw FileError(kCannotWrite.arg(native(page.path)));
        }
        qsizetype end = 0;
        for (const SiteChange& change : page.changes) {
            if (change.index < end || QStringView(page.oldText).mid(change.index, change.oldText.size()) != change.oldText)
                throw FileError(kChangedSince.arg(native(page.path)));
            end = change.index + change.oldText.size();
        }
        page.newText = changedText(page.oldText, page.changes);
    }
    return pages;
}

// ---- the journal ----------------------------------------------------------------------------
//
// journal.plr, one value a line: the move's from and to (empty for a replace), then four lines a
// page: its path before the change, "bytes" or "text", the name of its copy here, and the hash
// of what the change left (the file's bytes, or for a page changed in the editor its text).

namespace {

struct JournalPage {
    QString path;
    bool text = false;
    QString copy;
    QByteArray after;
};

struct Journal {
    QString from;
    QString to;
    QList<JournalPage> pages;
    // Where the page is now: the moved file has its new name.
    QString now(const JournalPage& page) const { return !from.isEmpty() && page.path == from ? to : page.path; }
};

std::optional<Journal> readJournal(const QString& dir)
{
    const QString file = dir + SiteJournal::journalFile();
    if (!QFileInfo(file).isFile()) return std::nullopt;
    const QStringList lines = SettingsFiles::readLines(file);
    if (lines.size() < 2 || (lines.size() - 2) % 4 != 0) return std::nullopt;
    Journal journal { lines[0], lines[1], {} };
    for (qsizetype i = 2; i + 3 < lines.size(); i += 4)
        journal.pages.append({ lines[i], lines[i + 1] == u"text", lines[i + 2], lines[i + 3].toLatin1() });
    return journal;
}

QString decodeUtf8(const QByteArray& bytes) { return QString::fromUtf8(bytes); }

} // namespace

bool SiteJournal::isEmpty() const { return !readJournal(m_dir).has_value(); }

void SiteJournal::commit(
    const SitePlan& plan, QList<PageRewrite>& pages, const QList<TextFormat>& formats, const OpenPage& editorPage)
{
    // The new journal is made beside the old one, which stays until the change has been made.
    const QString next = directoryWithSlash(m_dir).chopped(1) + QStringLiteral(".next/");
    QDir(next).removeRecursively();
    if (!QDir().mkpath(next)) throw FileError::cannotCreate(next, QStringLiteral("The directory cannot be made."));
    Journal journal { plan.from, plan.to, {} };
    for (qsizetype k = 0; k < pages.size(); ++k) {
        const PageRewrite& page = pages[k];
        const bool inEditor = !editorPage.path.isEmpty() && page.path == editorPage.path;
        const QString copy = QStringLiteral("page%1.old").arg(k);
        writeBytes(next + copy, inEditor ? page.oldText.toUtf8() : page.oldBytes);
        journal.pages.append({ page.path, inEditor, copy, inEditor ? textHash(page.newText) : QByteArray() });
    }
    // Pages first, then the move; whatever fails puts back what went before.
    qsizetype written = 0;
    auto putBack = [&] {
        for (qsizetype k = 0; k < written; ++k)
            if (!journal.pages[k].text) writeBytes(pages[k].path, pages[k].oldBytes);
    };
    try {
        for (; written < pages.size(); ++written) {
            PageRewrite& page = pages[written];
            if (journal.pages[written].text) continue;
            page.file.write(page.path, page.paragraphs(), formats.value(written, page.file.format()));
            journal.pages[written].after = page.file.disk().hash.toHex();
        }
        if (!plan.from.isEmpty() && !QFile::rename(plan.from, plan.to))
            throw FileError(kCannotMove.arg(native(plan.from), native(plan.to)));
    } catch (const FileError&) {
        putBack();
        QDir(next).removeRecursively();
        throw;
    }
    QStringList lines { journal.from, journal.to };
    for (const JournalPage& page : journal.pages)
        lines << page.path << (page.text ? QStringLiteral("text") : QStringLiteral("bytes")) << page.copy
              << QString::fromLatin1(page.after);
    SettingsFiles::writeLines(next + journalFile(), lines);
    QDir(m_dir).removeRecursively();
    if (!QDir().rename(next.chopped(1), directoryWithSlash(m_dir).chopped(1)))
        throw FileError::cannotCreate(m_dir, QStringLiteral("The journal cannot be kept."));
}

SiteJournal::Check SiteJournal::check(const OpenPage& editorNow) const
{
    Check check;
    const std::optional<Journal> journal = readJournal(m_dir);
    if (!journal) return check;
    check.present = true;
    check.from = journal->from;
    check.to = journal->to;
    if (!journal->from.isEmpty() && (!QFileInfo(journal->to).isFile() || QFileInfo::exists(journal->from)))
        check.changedSince << native(journal->to);
    for (const JournalPage& page : journal->pages) {
        const QString now = journal->now(page);
        bool same = false;
        if (page.text && !editorNow.path.isEmpty() && editorNow.path == now) {
            same = textHash(editorNow.text) == page.after;
            if (same) {
                check.editorPath = now;
                check.editorText = decodeUtf8(readBytes(m_dir + page.copy));
            }
        } else if (QFileInfo(now).isFile()) {
            try {
                if (page.text) {
                    // Saved since, or never saved (the file is still as it was before).
                    DocumentFile file;
                    const QByteArray hash = textHash(file.load(now));
                    same = hash == page.after || hash == textHash(decodeUtf8(readBytes(m_dir + page.copy)));
                } else {
                    same = hashHex(readBytes(now)) == page.after;
                }
            } catch (const FileError&) {
                same = false;
            }
        }
        if (!same && !check.changedSince.contains(native(now))) check.changedSince << native(now);
    }
    return check;
}

void SiteJournal::undo()
{
    const std::optional<Journal> journal = readJournal(m_dir);
    if (!journal) throw FileError(kNothingToUndo);
    if (!journal->from.isEmpty() && !QFile::rename(journal->to, journal->from))
        throw FileError(kCannotMove.arg(native(journal->to), native(journal->from)));
    for (const JournalPage& page : journal->pages) {
        const QByteArray old = readBytes(m_dir + page.copy);
        if (!page.text) {
            writeBytes(page.path, old);
        } else if (QFileInfo(page.path).isFile()) {
            // A page changed in the editor and saved: its text goes back in its own format.
            DocumentFile file;
            if (textHash(file.load(page.path)) == page.after)
                file.write(page.path, decodeUtf8(old).split(u'\n'), file.format());
        }
    }
    QDir(m_dir).removeRecursively();
}
