// Site changes over the openjdk-17 API tree (about 10,000 pages): the change list for renaming a
// much-linked page (every page read, the links to it rewritten in memory; nothing is written),
// and Find in Site of a word, as plain text and as a whole word with case. Each is timed five
// times after one warm-up run; the median and the slowest are printed. Targets: under 1 s each.
// Inputs: bench/sitetools-data installs the tree.

#include "Measures.h"
#include "sitetools/SiteChanges.h"
#include "sitetools/SiteFind.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Median and slowest of five runs after a warm-up, in seconds.
std::pair<double, double> timed(const std::function<void()>& work)
{
    work();
    std::vector<double> seconds;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        seconds.push_back(double(timer.nsecsElapsed()) / 1e9);
    }
    return { percentile(seconds, 0.5), *std::max_element(seconds.begin(), seconds.end()) };
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString base = QStringLiteral("/usr/share/doc/openjdk-17-jre-headless/api/");
    const QString page = base + QStringLiteral("java.base/java/lang/String.html");
    if (!QFileInfo(page).isFile()) {
        std::printf("openjdk-17-doc: %s is missing, skipped (bench/sitetools-data installs it)\n", qPrintable(page));
        return 0;
    }
    std::printf("openjdk-17-doc: %s, %lld pages and style sheets\n", qPrintable(base),
        (long long)linkingFiles(base).size());

    SitePlan plan;
    const auto [renameMedian, renameMax] = timed([&] {
        plan = planMove(base, page, base + QStringLiteral("java.base/java/lang/Text.html"));
    });
    QSet<QString> pages;
    for (const SiteChange& change : plan.changes)
        pages.insert(change.page);
    std::printf("  rename String.html: changes=%lld pages=%lld median_s=%.3f max_s=%.3f target_s=1 peak_mb=%.0f\n",
        (long long)plan.changes.size(), (long long)pages.size(), renameMedian, renameMax,
        double(peakKilobytes()) / 1024.0);

    for (const SiteFindOptions& options :
        { SiteFindOptions { QStringLiteral("Serializable") },
            SiteFindOptions { QStringLiteral("deprecated"), false, true, true } }) {
        qsizetype matches = 0;
        const auto [median, max] = timed([&] {
            matches = 0;
            findInSite(base, options, {}, [&](const QList<SiteMatch>& found) { matches += found.size(); });
        });
        std::printf("  find \"%s\"%s: matches=%lld median_s=%.3f max_s=%.3f target_s=1\n", qPrintable(options.text),
            options.wholeWords ? " (whole word, match case)" : "", (long long)matches, median, max);
    }
    return 0;
}
