// pelorin95-site: the site checks of the broken-link and orphans finders from the command line,
// for continuous integration. The report goes to standard output, messages and progress to
// standard error; the exit status is 0 when nothing was found, 1 when something was, 2 on bad
// use or a site that cannot be read.

#include "platform/AppDirs.h"
#include "platform/FileError.h"
#include "platform/Terminal.h"
#include "sitetools/SiteCheckReport.h"
#include "sitetools/WebLinkCheck.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFileInfo>
#include <cstdio>

namespace {

constexpr int kFound = 1;
constexpr int kFailed = 2;

const char kUsage[]
    = "Usage: pelorin95-site [options] links|orphans DIR\n"
      "\n"
      "  links DIR     every broken link of the site: page<TAB>offset<TAB>link, then a summary\n"
      "  orphans DIR   every file of the site that no page refers to, then a summary\n"
      "\n"
      "  --json              one JSON document instead of lines\n"
      "  --every-link        check every address of the pages' markup and style sheets, to a\n"
      "                      file of any type, instead of the seven file types (lines end with\n"
      "                      the attribute that gave the link)\n"
      "  --root DIR          where an every-link address starting with \"/\" starts (the site)\n"
      "  --anchors           also check links to #anchors (lines marked \"anchor\")\n"
      "  --external          also check http: and https: links (lines marked with the answer,\n"
      "                      and the final address of a redirect)\n"
      "  --timeout SECONDS   for each web request (10)\n"
      "  --no-cache          ask again for web links checked in the last 24 hours\n"
      "  --settings-dir DIR  where the web-link cache is kept\n"
      "  --help, --version\n"
      "\n"
      "Exit status: 0 when nothing is broken, 1 when something is, 2 on bad use or an unreadable site.\n";

void write(FILE* to, const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), to);
    std::fflush(to);
}

int fail(const QString& message)
{
    write(stderr, message.toUtf8() + '\n');
    return kFailed;
}

// One line on standard error, drawn over itself, and only on a terminal: a redirected standard
// error stays free of it.
class ProgressLine {
public:
    ProgressLine()
        : m_shown(standardErrorIsTerminal())
    {
        m_clock.start();
    }
    ~ProgressLine() { clear(); }

    SiteProgress counting(const char* what)
    {
        return [this, what](qsizetype position, qsizetype total) {
            if (m_shown && m_clock.elapsed() >= m_drawnAt + 100) {
                m_drawnAt = m_clock.elapsed();
                write(stderr, QStringLiteral("\r\x1b[K%1 %2/%3").arg(what).arg(position).arg(total).toUtf8());
                m_drawn = true;
            }
            return true;
        };
    }
    void clear()
    {
        if (m_drawn) write(stderr, "\r\x1b[K");
        m_drawn = false;
    }

private:
    bool m_shown;
    bool m_drawn = false;
    QElapsedTimer m_clock;
    qint64 m_drawnAt = -1000;
};

int checkLinks(const QString& base, const QCommandLineParser& parser)
{
    const bool external = parser.isSet("external");
    LinkCheckOptions checks { parser.isSet("anchors"), external };
    if (parser.isSet("every-link")) checks.rule = LinkRule::EveryLink;
    if (parser.isSet("root")) {
        if (checks.rule != LinkRule::EveryLink) return fail(QStringLiteral("--root goes with --every-link"));
        const QString root = parser.value("root");
        if (root.isEmpty() || !QFileInfo(root).isDir()) return fail(QStringLiteral("--root needs a directory"));
        checks.root = siteBaseDirectory(root);
    }
    ProgressLine progress;
    const SiteLists site = loadLinkSite(base, checks.rule);
    LinkReport report = checkSiteLinks(base, site, checks, progress.counting("pages"));
    if (external) {
        WebCheckOptions options;
        if (parser.isSet("timeout")) {
            bool ok = false;
            const double seconds = parser.value("timeout").toDouble(&ok);
            if (!ok || seconds <= 0) return fail(QStringLiteral("--timeout needs a number of seconds"));
            options.timeoutMs = int(seconds * 1000);
        }
        const bool cached = !parser.isSet("no-cache");
        const QString cacheFile = cached ? AppDirs::settingsFile(kWebCacheFile) : QString();
        WebLinkCache cache;
        if (cached) cache.read(cacheFile, QDateTime::currentDateTimeUtc());
        addWebResults(report,
            checkWebLinks(webAddresses(report), options, cached ? &cache : nullptr, progress.counting("web links")));
        if (cached) {
            try {
                cache.write(cacheFile);
            } catch (const FileError& error) {
                // The report stands without the cache.
                write(stderr, error.message().toUtf8() + '\n');
            }
        }
    }
    progress.clear();
    write(stdout, parser.isSet("json") ? linkReportJson(report) : linkReportText(report));
    return report.broken() > 0 ? kFound : 0;
}

int checkOrphans(const QString& base, const QCommandLineParser& parser)
{
    ProgressLine progress;
    const OrphanReport report = checkSiteOrphans(base, progress.counting("pages"));
    progress.clear();
    write(stdout, parser.isSet("json") ? orphanReportJson(report) : orphanReportText(report));
    return report.orphans.isEmpty() ? 0 : kFound;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pelorin95-site"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PELORIN_VERSION));
    const QStringList arguments = AppDirs::takeSettingsOverride(QCoreApplication::arguments());

    QCommandLineParser parser;
    parser.addOptions({ { "json", "" }, { "anchors", "" }, { "every-link", "" }, { "root", "", "dir" },
        { "external", "" }, { "no-cache", "" }, { "timeout", "", "seconds" }, { "help", "" }, { "version", "" } });
    if (!parser.parse(arguments)) return fail(parser.errorText() + u'\n' + QString::fromUtf8(kUsage));
    if (parser.isSet("help")) {
        write(stdout, kUsage);
        return 0;
    }
    if (parser.isSet("version")) {
        write(stdout, "pelorin95-site " PELORIN_VERSION "\n");
        return 0;
    }
    const QStringList words = parser.positionalArguments();
    if (words.size() != 2 || (words[0] != u"links" && words[0] != u"orphans")) return fail(QString::fromUtf8(kUsage));
    // The messages the finders' windows give for the same directory.
    if (words[1].isEmpty()) return fail(QStringLiteral("Please select a directory first."));
    if (!QFileInfo(words[1]).isDir()) return fail(QStringLiteral("Please select a VALID directory."));
    const QString base = siteBaseDirectory(words[1]);
    try {
        return words[0] == u"links" ? checkLinks(base, parser) : checkOrphans(base, parser);
    } catch (const FileError& error) {
        return fail(error.message());
    }
}
