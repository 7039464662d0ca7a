#include "livepreview/LivePreviewCommands.h"

#include "livepreview/LivePreviewPane.h"
#include "shared/CommandRegistry.h"
#include "shared/FeatureContext.h"

QWidget* registerLivePreviewCommands(
    const FeatureContext& context, bool shown, const std::function<void(bool)>& remember)
{
    // Owned by the main window until it places the pane beside the editor.
    auto* pane = new LivePreviewPane(*context.editor, context.documentFileName, context.window);
    if (context.document)
        QObject::connect(context.document, &DocumentSignals::written, pane, &LivePreviewPane::documentWritten);
    context.commands->addCheck(QStringLiteral("a_livePreview"), QStringLiteral("Live &Preview"),
        QStringLiteral("Shows the page beside the editor as you type."), shown, [pane, remember](bool on) {
            pane->setVisible(on);
            remember(on);
        });
    pane->setVisible(shown);
    return pane;
}
