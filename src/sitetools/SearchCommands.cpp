#include "sitetools/SearchCommands.h"

#include "shared/CommandRegistry.h"
#include "shared/FeatureContext.h"
#include "shared/WindowLauncher.h"
#include "sitetools/SearchWindow.h"

void registerSearchCommands(const FeatureContext& context)
{
    context.commands->add({
        { "a_createSearch", "Create &Search ...", "", "Build a search page for a set of web pages",
            windowOpener<SearchWindow>(
                context.commands, { QStringLiteral("a_createSearch") },
                [context] { return new SearchWindow(*context.prompter, context.makeBrowser, context.window); },
                ShowAs::Maximised) },
    });
}
