#include "sitetools/SearchCommands.h"

#include "shared/CommandRegistry.h"
#include "shared/FeatureContext.h"
#include "sitetools/SearchWindow.h"

#include <QPointer>
#include <memory>

void registerSearchCommands(const FeatureContext& context)
{
    auto open = std::make_shared<QPointer<SearchWindow>>();
    context.commands->add({
        { "a_createSearch", "Create &Search ...", "", "Build a search page for a set of web pages",
            [context, open] {
                if (!*open) {
                    *open = new SearchWindow(*context.prompter, context.makeBrowser, context.window);
                    context.commands->disableWhileOpen({ QStringLiteral("a_createSearch") }, *open);
                }
                SearchWindow* window = *open;
                window->showMaximized();
                window->raise();
                window->activateWindow();
            } },
    });
}
