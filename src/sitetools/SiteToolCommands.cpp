#include "sitetools/SiteToolCommands.h"

#include "shared/CommandRegistry.h"
#include "shared/FeatureContext.h"
#include "shared/WindowLauncher.h"
#include "sitetools/AltTextWindow.h"
#include "sitetools/LinkRotWindow.h"
#include "sitetools/RubbishWindow.h"

namespace {

// The command that opens the window once: it stays disabled until the window is gone.
template <typename Window> std::function<void()> opener(const FeatureContext& context, const char* command, ShowAs how)
{
    return windowOpener<Window>(
        context.commands, { QString::fromLatin1(command) }, [context] { return new Window(context, context.window); },
        how);
}

} // namespace

void registerSiteToolCommands(const FeatureContext& context)
{
    context.commands->add(QList<CommandRow> {
        { "a_findBrokenLinks", "Find &Broken Links in Site ...", "", "Find and fix the broken links of a site",
            opener<LinkRotWindow>(context, "a_findBrokenLinks", ShowAs::Maximised) },
        { "a_findOrphans", "Find &Orphans in Site ...", "", "Find the files of a site that no page refers to",
            opener<RubbishWindow>(context, "a_findOrphans", ShowAs::Maximised) },
        { "a_findAltText", "Find image &ALT text ...", "", "List the ALT texts of the document's images",
            opener<AltTextWindow>(context, "a_findAltText", ShowAs::Normal) },
    });
}
