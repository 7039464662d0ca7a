#include "sitetools/SiteWalk.h"

#include "editor/TextFile.h"
#include "shared/RelativePath.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <exception>
#include <thread>
#include <vector>

namespace {

QString joined(const QString& dir, const QString& name) { return dir.endsWith(u'/') ? dir + name : dir + u'/' + name; }

// One directory's entries: subdirectories to walk and files to list.
// dir is taken by value: it may be an entry of the list that grows.
void enumerate(const QString dir, QStringList* subdirectories, QStringList* files)
{
    QDirIterator it(dir, QDir::Dirs | QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        const QString name = info.fileName();
        if (info.isDir()) {
            // A link to a directory may lead back up the tree; hidden directories are private.
            if (subdirectories && !info.isSymLink() && !name.startsWith(u'.'))
                subdirectories->append(joined(dir, name));
        } else if (files) {
            files->append(joined(dir, name));
        }
    }
}

bool reached(const SiteProgress& progress, qsizetype position, qsizetype total)
{
    return !progress || progress(position, total);
}

QString lowered(const QString& text) { return text.toLower(); }

} // namespace

bool isSitePage(const QString& fileName, PageRule rule)
{
    const QString extension = fileExtension(fileName);
    if (rule != PageRule::ExactCase) {
        const QString upper = extension.toUpper();
        return upper == u".HTM" || upper == u".HTML" || upper == u".JS"
            || (rule == PageRule::AnyCaseWithStyleSheets && upper == u".CSS");
    }
    static const QStringList exact { ".htm", ".html", ".HTM", ".HTML", ".js", ".JS" };
    return exact.contains(extension);
}

QString pageDirectory(const QString& path) { return path.left(path.lastIndexOf(u'/') + 1); }

QString directoryWithSlash(const QString& dir)
{
    QString result = dir;
    while (result.size() > 1 && result.endsWith(u'/'))
        result.chop(1);
    return result.endsWith(u'/') ? result : result + u'/';
}

QString siteBaseDirectory(const QString& typed)
{
    return directoryWithSlash(QDir::cleanPath(QFileInfo(typed).absoluteFilePath()));
}

QStringList siteDirectories(const QString& base, const SiteProgress& progress)
{
    QStringList directories { base };
    for (qsizetype i = 0; i < directories.size(); ++i) {
        if (!reached(progress, i, directories.size())) break;
        enumerate(directories[i], &directories, nullptr);
    }
    return directories;
}

QStringList directoryFiles(const QString& dir)
{
    QStringList files;
    enumerate(dir, nullptr, &files);
    return files;
}

QStringList siteFiles(const QStringList& directories, const SiteProgress& progress, bool* stopped)
{
    QStringList files;
    if (stopped) *stopped = false;
    for (qsizetype i = 0; i < directories.size(); ++i) {
        if (!reached(progress, i, directories.size())) {
            if (stopped) *stopped = true;
            break;
        }
        enumerate(directories[i], nullptr, &files);
    }
    return files;
}

SiteLists loadSite(const QString& base, PageRule rule, const SiteProgress& progress)
{
    SiteLists site;
    site.directories << base;
    for (qsizetype i = 0; i < site.directories.size(); ++i) {
        if (!reached(progress, i, site.directories.size())) break;
        const qsizetype first = site.everyFile.size();
        enumerate(site.directories[i], &site.directories, &site.everyFile);
        for (qsizetype f = first; f < site.everyFile.size(); ++f) {
            const QString& file = site.everyFile[f];
            if (isSitePage(fileNameOf(file), rule)) site.pages << file.mid(base.size());
        }
    }
    if (rule != PageRule::ExactCase) sortIgnoringCase(site.pages);
    return site;
}

void sortIgnoringCase(QStringList& list)
{
    std::vector<std::pair<QString, QString>> keyed;
    keyed.reserve(list.size());
    for (const QString& text : list)
        keyed.emplace_back(lowered(text), text);
    std::sort(keyed.begin(), keyed.end());
    for (qsizetype i = 0; i < list.size(); ++i)
        list[i] = keyed[i].second;
}

qsizetype sortedPosition(const QStringList& list, const QString& text)
{
    const std::pair<QString, QString> key { lowered(text), text };
    const auto at = std::upper_bound(
        list.begin(), list.end(), key, [](const std::pair<QString, QString>& k, const QString& entry) {
            return k < std::pair<QString, QString> { lowered(entry), entry };
        });
    return at - list.begin();
}

QString readPageText(const QString& path)
{
    TextFormat format;
    return decodeToText(readBytes(path), &format);
}

int pageWorkers(qsizetype pages)
{
    // A thread costs more than reading a few small pages.
    return pages > 16 ? std::clamp(QThread::idealThreadCount(), 1, 8) : 1;
}

qsizetype forEachPage(qsizetype count, int workers, const PageWork& work, const SiteProgress& progress)
{
    std::vector<char> done(count, 0);
    std::vector<std::exception_ptr> errors(count);
    std::atomic<qsizetype> next { 0 };
    std::atomic<bool> stop { false };
    auto run = [&](int worker) {
        while (!stop) {
            const qsizetype k = next++;
            if (k >= count) break;
            if (worker == 0 && progress && !progress(k, count)) {
                stop = true;
                break;
            }
            try {
                work(k, worker);
            } catch (...) {
                errors[k] = std::current_exception();
                // One by one the scan ends at the first failing page: later pages are not needed.
                stop = true;
            }
            done[k] = 1;
        }
    };
    {
        std::vector<std::thread> helpers;
        for (int w = 1; w < workers; ++w)
            helpers.emplace_back(run, w);
        run(0);
        for (std::thread& helper : helpers)
            helper.join();
    }
    qsizetype finished = 0;
    for (; finished < count && done[finished]; ++finished)
        if (errors[finished]) std::rethrow_exception(errors[finished]);
    return finished;
}
