// pelorin95-site as a whole process on the postgresql-doc-15 and openjdk-17 API trees: "links",
// "links --every-link" and "orphans" (best of three runs) beside `cat` of every page and beside
// Debian's LinkChecker
// on the same tree (local files only; left out when it is not installed). The reports are also
// compared with the finders' core functions run in this process, page by page.
// Inputs: bench/sitetools-data installs the trees and LinkChecker.

#include "Measures.h"
#include "sitetools/LinkCheck.h"
#include "sitetools/Orphans.h"
#include "sitetools/SiteWalk.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <cstdio>

namespace {

struct Timed {
    double seconds = 0;
    double cpu = 0; // user and system
    QByteArray out;
    bool finished = true;
};

// One child process to its end, its standard output kept (or dropped), its wall time measured.
Timed timed(const QString& program, const QStringList& arguments, bool keepOutput, int timeoutMs = -1)
{
    QProcess child;
    if (!keepOutput) child.setStandardOutputFile(QProcess::nullDevice());
    child.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer clock;
    const double cpuBefore = childCpuSeconds();
    clock.start();
    child.start(program, arguments);
    Timed result;
    result.finished = child.waitForFinished(timeoutMs);
    if (!result.finished) {
        child.kill();
        child.waitForFinished();
    }
    result.seconds = double(clock.nsecsElapsed()) / 1e9;
    result.cpu = childCpuSeconds() - cpuBefore;
    if (keepOutput) result.out = child.readAllStandardOutput();
    return result;
}

Timed bestOfThree(const QString& program, const QStringList& arguments)
{
    Timed best;
    for (int i = 0; i < 3; ++i) {
        Timed run = timed(program, arguments, true);
        if (i == 0 || run.seconds < best.seconds) best = run;
    }
    return best;
}


// The lines the broken-link finder's core gives, page by page, without the summary.
QByteArray finderLinks(const QString& base, const SiteLists& site)
{
    const SiteIndex index(site.everyFile);
    QString lines;
    for (const QString& page : site.pages)
        for (const FoundLink& link : findBrokenLinks(readPageText(base + page), pageDirectory(base + page), index).broken)
            lines += page + u'\t' + QString::number(link.offset) + u'\t' + link.text + u'\n';
    return lines.toUtf8();
}

QByteArray finderOrphans(const QString& base)
{
    const SiteLists site = loadSite(base, PageRule::ExactCase);
    QString lines;
    for (const QString& orphan : findOrphans(base, site.pages, site.everyFile).orphans)
        lines += orphan.mid(base.size()) + u'\n';
    return lines.toUtf8();
}

// The report without its summary line, and the summary.
std::pair<QByteArray, QByteArray> split(const QByteArray& out)
{
    const qsizetype summary = out.lastIndexOf('\n', out.size() - 2) + 1;
    return { out.left(summary), out.mid(summary).trimmed() };
}

const char* same(bool yes) { return yes ? "yes" : "NO"; }

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString site = QStringLiteral(PELORIN_SITE_EXECUTABLE);
    const QString linkchecker = QStandardPaths::findExecutable(QStringLiteral("linkchecker"));
    const int linkcheckerSeconds = qEnvironmentVariableIsSet("PELORIN_BENCH_LINKCHECKER_TIMEOUT")
        ? qEnvironmentVariableIntValue("PELORIN_BENCH_LINKCHECKER_TIMEOUT")
        : 900;
    const QList<std::pair<QString, QString>> trees {
        { "postgresql-doc-15", "/usr/share/doc/postgresql-doc-15/html" },
        { "openjdk-17-doc", "/usr/share/doc/openjdk-17-jre-headless/api" },
    };
    for (const auto& [name, root] : trees) {
        if (!QFileInfo(root).isDir()) {
            std::printf(
                "%s: %s is missing, skipped (bench/sitetools-data installs it)\n", qPrintable(name), qPrintable(root));
            continue;
        }
        const QString base = directoryWithSlash(root);
        const SiteLists lists = loadSite(base, PageRule::AnyCase);
        std::printf("%s: %s, %lld pages, %lld files\n", qPrintable(name), qPrintable(root),
            (long long)lists.pages.size(), (long long)lists.everyFile.size());
        std::fflush(stdout);

        QStringList pages;
        for (const QString& page : lists.pages)
            pages << base + page;
        double catSeconds = 0, catCpu = 0;
        for (qsizetype from = 0; from < pages.size(); from += 2000) {
            const Timed cat = timed(QStringLiteral("cat"), pages.mid(from, 2000), false);
            catSeconds += cat.seconds;
            catCpu += cat.cpu;
        }
        std::printf("  cat          s=%.2f cpu_s=%.2f\n", catSeconds, catCpu);

        const Timed links = bestOfThree(site, { "links", root });
        const auto [linkLines, linkSummary] = split(links.out);
        std::printf("  links        s=%.2f cpu_s=%.2f  %s  same_as_finder=%s\n", links.seconds, links.cpu,
            linkSummary.constData(), same(linkLines == finderLinks(base, lists)));
        // The every-link rule reads every page's markup (and the style sheets): its time beside the
        // classic rule's.
        const Timed every = bestOfThree(site, { "--every-link", "links", root });
        std::printf("  every-link   s=%.2f cpu_s=%.2f  %s  classic_ratio=%.2f\n", every.seconds, every.cpu,
            split(every.out).second.constData(), every.seconds / links.seconds);
        const Timed orphans = bestOfThree(site, { "orphans", root });
        const auto [orphanLines, orphanSummary] = split(orphans.out);
        std::printf("  orphans      s=%.2f cpu_s=%.2f  %s  same_as_finder=%s\n", orphans.seconds, orphans.cpu,
            orphanSummary.constData(), same(orphanLines == finderOrphans(base)));
        std::fflush(stdout);

        if (linkchecker.isEmpty()) {
            std::printf("  linkchecker  not installed, skipped (bench/sitetools-data installs it)\n");
            continue;
        }
        const QString start = QFileInfo::exists(base + "index.html") ? base + "index.html" : base;
        const Timed checker = timed(
            linkchecker, { "--no-status", "-o", "none", "--no-warnings", start }, false, linkcheckerSeconds * 1000);
        if (checker.finished)
            std::printf("  linkchecker  s=%.2f cpu_s=%.2f  links_ratio=%.0f\n", checker.seconds, checker.cpu,
                checker.seconds / links.seconds);
        else
            std::printf("  linkchecker  stopped after %d s  links_ratio>%.0f\n", linkcheckerSeconds,
                checker.seconds / links.seconds);
        std::fflush(stdout);
    }
    return 0;
}
