// "Check Site" in the broken-links window against the core check of the same pages: the window
// walks the whole site, pressing "Continue" at every page where it stops, and should cost little
// more than the core, since it loads a page into its pane only when it stops there.
// Inputs as bench_sitetools (bench/sitetools-data), or the trees named on the command line; a
// missing tree is skipped.

#include "platform/BrowserView.h"
#include "QuietPrompter.h"
#include "platform/Prompter.h"
#include "shared/CommandRegistry.h"
#include "shared/FeatureContext.h"
#include "sitetools/LinkCheck.h"
#include "sitetools/LinkRotWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <cstdio>

namespace {

class NoBrowser : public BrowserView {
public:
    using BrowserView::BrowserView;
    void navigate(const QString&) override { }
    void stop() override { }
    QString locationUrl() const override { return {}; }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QString generated = qEnvironmentVariable("PELORIN_BENCH_SITE");
    if (generated.isEmpty()) generated = QStringLiteral("/tmp/pelorin95-bench-site");
    QStringList roots = QApplication::arguments().mid(1);
    if (roots.isEmpty())
        roots = QStringList { QStringLiteral("/usr/share/doc/postgresql-doc-15/html"),
            QStringLiteral("/usr/share/doc/openjdk-17-jre-headless/api"), generated };
    for (const QString& root : roots) {
        if (!QFileInfo(root).isDir()) {
            std::printf("%s is missing, skipped (bench/sitetools-data makes it)\n", qPrintable(root));
            continue;
        }
        QuietPrompter prompter;
        prompter.root = root;
        CommandRegistry registry;
        FeatureContext context;
        context.prompter = &prompter;
        context.commands = &registry;
        context.makeBrowser = [](QWidget* parent) { return new NoBrowser(parent); };
        auto* window = new LinkRotWindow(context);
        window->resize(1200, 800);
        window->show();
        QApplication::processEvents();
        window->getDirectory();

        QElapsedTimer timer;
        timer.start();
        int stops = 0;
        while (!prompter.messages.contains(QStringLiteral("Finished Checking."))) {
            window->checkSite();
            ++stops;
        }
        const double windowSeconds = double(timer.nsecsElapsed()) / 1e9;

        timer.restart();
        const SiteIndex index(window->everyFile());
        qsizetype broken = 0;
        for (const QString& page : window->sitePages()) {
            const QString path = window->baseDirectory() + page;
            broken += findBrokenLinks(readPageText(path), path.left(path.lastIndexOf(u'/') + 1), index).broken.size();
        }
        const double coreSeconds = double(timer.nsecsElapsed()) / 1e9;
        std::printf("%s: pages=%lld stops=%d window_s=%.2f core_s=%.2f ratio=%.2f broken=%lld\n", qPrintable(root),
            (long long)window->sitePages().size(), stops - 1, windowSeconds, coreSeconds, windowSeconds / coreSeconds,
            (long long)broken);
        std::fflush(stdout);
        delete window;
    }
    return 0;
}
