// The site tools over real documentation trees and a generated site of 10,000 pages and 50,000
// files: the broken-links check of every page (the work of "Check Site" without its stops) and
// the orphans scan, each on one thread and on every core, beside a baseline that walks the site
// and reads every page once; the orphans scan also beside the page-by-candidate loop on a tenth
// of the pages, extrapolated. The runs on one thread and on every core must give the same
// result, compared by a digest of it. Each measurement runs in a child process of its own, so
// that its peak memory is its own.
// Inputs: bench/sitetools-data installs the trees and generates the site.

#include "Measures.h"
#include "sitetools/LinkCheck.h"
#include "sitetools/Orphans.h"
#include "sitetools/SiteCheckReport.h"
#include "sitetools/SiteWalk.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <cstdio>

namespace {

QString siteDirectory()
{
    const QString dir = qEnvironmentVariable("PELORIN_BENCH_SITE");
    return dir.isEmpty() ? QStringLiteral("/tmp/pelorin95-bench-site") : dir;
}

// 20 sections of 10 parts; each part holds 50 pages, 195 images, 2 style sheets, 2 scripts and
// a text file: 10,000 pages and 50,000 files. Pages link within their part, to other parts and
// sections, to images, and now and then to a file that is not there.
int generate(const QString& root)
{
    QRandomGenerator random(2026);
    const QByteArray filler = "<p>Hand-written pages keep their links in double quotes, as this one does; some "
                              "text, a <b>bold</b> word and an &amp; entity fill the lines between them.</p>\r\n";
    for (int s = 0; s < 20; ++s) {
        for (int p = 0; p < 10; ++p) {
            const QString dir = QStringLiteral("%1/sec%2/part%3/").arg(root).arg(s, 2, 10, QLatin1Char('0')).arg(p);
            QDir().mkpath(dir);
            for (int i = 0; i < 195; ++i)
                writeInput(dir + QStringLiteral("img%1.gif").arg(i, 3, 10, QLatin1Char('0')), "GIF89a");
            for (const char* name : { "site.css", "print.css", "menu.js", "search.js", "notes.txt" })
                writeInput(dir + QLatin1String(name), "/* */");
            for (int i = 0; i < 50; ++i) {
                QByteArray page = "<html><head><title>Page</title>\r\n<link rel=\"stylesheet\" href=\"site.css\">\r\n"
                                  "<script src=\"menu.js\"></script></head><body>\r\n";
                for (int k = 0; k < 25; ++k) {
                    page += filler;
                    QByteArray link;
                    switch (k % 8) {
                    case 0:
                    case 1:
                    case 2:
                        link = QByteArray("page") + QByteArray::number(random.bounded(50)).rightJustified(3, '0')
                            + ".htm";
                        break;
                    case 3:
                        link = "../part" + QByteArray::number(random.bounded(10)) + "/page"
                            + QByteArray::number(random.bounded(50)).rightJustified(3, '0') + ".htm";
                        break;
                    case 4:
                        link = "../../sec" + QByteArray::number(random.bounded(20)).rightJustified(2, '0') + "/part"
                            + QByteArray::number(random.bounded(10)) + "/page000.htm";
                        break;
                    case 5:
                        link = "http://example.com/page.htm";
                        break;
                    default:
                        link = "img" + QByteArray::number(random.bounded(195)).rightJustified(3, '0') + ".gif";
                        break;
                    }
                    if (random.bounded(100) == 0) link = "missing" + QByteArray::number(k) + ".htm";
                    page += (link.endsWith(".gif") ? "<img src=\"" : "<a href=\"") + link + "\">link</a>\r\n";
                }
                page += "<a href=\"#top\">top</a> <a href=\"mailto:me@example.com\">mail</a></body></html>\r\n";
                writeInput(dir + QStringLiteral("page%1.htm").arg(i, 3, 10, QLatin1Char('0')), page);
            }
        }
    }
    std::printf("generated %s\n", qPrintable(root));
    return 0;
}

// One measurement in this process.
int run(const QString& mode, const QString& root)
{
    const QString base = directoryWithSlash(root);
    QElapsedTimer timer;
    timer.start();
    const bool links = mode.contains(u"links");
    const SiteLists site = loadSite(base, links ? PageRule::AnyCase : PageRule::ExactCase);
    const double loadSeconds = double(timer.nsecsElapsed()) / 1e9;
    qsizetype examined = 0, broken = 0, orphans = 0, chars = 0;
    qsizetype pages = site.pages.size();
    QByteArray result; // what the two kinds of run must agree on
    if (mode.startsWith(u"read")) {
        for (const QString& page : site.pages)
            chars += readPageText(base + page).size();
    } else if (links) {
        LinkCheckOptions options;
        options.workers = mode == u"links-serial" ? 1 : 0;
        const LinkReport report = checkSiteLinks(base, site, options);
        examined = report.links;
        broken = report.broken();
        result = linkReportText(report);
    } else if (mode.startsWith(u"orphans")) {
        const OrphanScan scan = findOrphans(base, site.pages, site.everyFile, {}, readPageText, mode == u"orphans-serial" ? 1 : 0);
        orphans = scan.orphans.size();
        result = scan.orphans.join(u'\n').toUtf8();
    } else if (mode == u"naive") {
        // A tenth of the pages, one candidate at a time.
        const QStringList tenth = site.pages.mid(0, std::max<qsizetype>(1, site.pages.size() / 10));
        pages = tenth.size();
        orphans = findOrphansOneByOne(base, tenth, site.everyFile).orphans.size();
    }
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    std::printf("  %-14s pages=%lld files=%lld load_s=%.2f total_s=%.2f pages_per_s=%.0f", qPrintable(mode),
        (long long)pages, (long long)site.everyFile.size(), loadSeconds, seconds, double(pages) / seconds);
    if (links && !mode.startsWith(u"read"))
        std::printf(" links=%lld broken=%lld links_per_s=%.0f", (long long)examined, (long long)broken,
            double(examined) / seconds);
    if (mode.startsWith(u"orphans") || mode == u"naive") std::printf(" orphans=%lld", (long long)orphans);
    if (mode == u"naive")
        std::printf(
            " extrapolated_s=%.1f", seconds * double(site.pages.size()) / double(std::max<qsizetype>(pages, 1)));
    if (mode.startsWith(u"read")) std::printf(" chars=%lld", (long long)chars);
    // CPU time above the wall time is the work the other threads did meanwhile.
    std::printf(" cpu_s=%.2f peak_mb=%.0f", cpuSeconds(), double(peakKilobytes()) / 1024.0);
    if (!result.isEmpty() || !mode.startsWith(u"read"))
        std::printf(" digest=%s", QCryptographicHash::hash(result, QCryptographicHash::Sha1).toHex().left(12).constData());
    std::printf("\n");
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 3 && args[1] == u"--generate") return generate(args[2]);
    if (args.size() == 4 && args[1] == u"--run") return run(args[2], args[3]);

    const QList<std::pair<QString, QString>> trees {
        { "postgresql-doc-15", "/usr/share/doc/postgresql-doc-15/html" },
        { "openjdk-17-doc", "/usr/share/doc/openjdk-17-jre-headless/api" },
        { "generated site", siteDirectory() },
    };
    bool ok = true;
    for (const auto& [name, root] : trees) {
        if (!QFileInfo(root).isDir()) {
            std::printf(
                "%s: %s is missing, skipped (bench/sitetools-data makes it)\n", qPrintable(name), qPrintable(root));
            continue;
        }
        std::printf("%s: %s\n", qPrintable(name), qPrintable(root));
        std::fflush(stdout);
        // The seconds and the digest of each run, by mode.
        QHash<QString, std::pair<double, QByteArray>> runs;
        for (const char* mode :
            { "read-links", "links-serial", "links", "read-orph", "orphans-serial", "orphans", "naive" }) {
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            child.start(QCoreApplication::applicationFilePath(), { "--run", QLatin1String(mode), root });
            child.waitForFinished(-1);
            const QByteArray line = child.readAllStandardOutput();
            std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
            std::fflush(stdout);
            auto field = [&](const QByteArray& name) {
                const qsizetype at = line.indexOf(" " + name + "=");
                return at < 0 ? QByteArray() : line.mid(at + name.size() + 2).split(' ').value(0).trimmed();
            };
            runs[QLatin1String(mode)] = { field("total_s").toDouble(), field("digest") };
        }
        for (const auto& [kind, read] : { std::pair { "links", "read-links" }, std::pair { "orphans", "read-orph" } }) {
            const auto& serial = runs[QLatin1String(kind) + "-serial"];
            const auto& parallel = runs[QLatin1String(kind)];
            const bool same = !parallel.second.isEmpty() && parallel.second == serial.second;
            ok = ok && same;
            std::printf("  %-14s serial_s=%.2f parallel_s=%.2f speedup=%.2f x_read=%.1f results %s\n", kind,
                serial.first, parallel.first, serial.first / std::max(parallel.first, 1e-6),
                parallel.first / std::max(runs[QLatin1String(read)].first, 1e-6), same ? "identical" : "DIFFER");
        }
    }
    return ok ? 0 : 1;
}
