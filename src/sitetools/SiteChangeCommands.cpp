#include "sitetools/SiteChangeCommands.h"

#include "platform/Prompter.h"
#include "shared/CommandRegistry.h"
#include "shared/FeatureContext.h"
#include "shared/SiteFileActions.h"
#include "shared/WindowLauncher.h"
#include "sitetools/FindInSiteWindow.h"
#include "sitetools/SiteChangeWindow.h"

#include <QFileInfo>

namespace {

void openChangeWindow(const FeatureContext& context, SiteChangeWindow::Mode mode, const QString& file)
{
    if (!QFileInfo(file).isFile()) {
        context.prompter->inform(QStringLiteral("Please select a file."));
        return;
    }
    auto* window = new SiteChangeWindow(context, mode, file, context.window);
    window->show();
}

} // namespace

void registerSiteChangeCommands(const FeatureContext& context)
{
    if (context.siteFiles) {
        context.siteFiles->renameWithLinks
            = [context](const QString& file) { openChangeWindow(context, SiteChangeWindow::Mode::Rename, file); };
        context.siteFiles->moveWithLinks
            = [context](const QString& file) { openChangeWindow(context, SiteChangeWindow::Mode::Move, file); };
    }
    context.commands->add({
        { "a_undoSiteChange", "Undo Last Site Change", "",
            "Put back the pages and the file of the last rename, move or replace across a site",
            [context] { undoLastSiteChange(context); } },
        { "a_findInSite", "Find in Site ...", "",
            "Find, and replace, a text in every page, style sheet and script of a site",
            windowOpener<FindInSiteWindow>(context.commands, { QStringLiteral("a_findInSite") },
                [context] { return new FindInSiteWindow(context, context.window); }) },
    });
}
