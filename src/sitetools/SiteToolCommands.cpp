#include "sitetools/SiteToolCommands.h"

#include "shared/CommandRegistry.h"
#include "shared/FeatureContext.h"
#include "sitetools/AltTextWindow.h"
#include "sitetools/LinkRotWindow.h"
#include "sitetools/RubbishWindow.h"

namespace {

// Opens a window once: its command stays disabled until the window is gone.
template <typename Window> void openOnce(const FeatureContext& context, const char* command, bool maximised)
{
    auto* window = new Window(context, context.window);
    context.commands->disableWhileOpen({ QString::fromLatin1(command) }, window);
    if (maximised)
        window->showMaximized();
    else
        window->show();
}

} // namespace

void registerSiteToolCommands(const FeatureContext& context)
{
    context.commands->add(QList<CommandRow> {
        { "a_findBrokenLinks", "Find &Broken Links in Site ...", "", "Find and fix the broken links of a site",
            [context] { openOnce<LinkRotWindow>(context, "a_findBrokenLinks", true); } },
        { "a_findOrphans", "Find &Orphans in Site ...", "", "Find the files of a site that no page refers to",
            [context] { openOnce<RubbishWindow>(context, "a_findOrphans", true); } },
        { "a_findAltText", "Find image &ALT text ...", "", "List the ALT texts of the document's images",
            [context] { openOnce<AltTextWindow>(context, "a_findAltText", false); } },
    });
}
