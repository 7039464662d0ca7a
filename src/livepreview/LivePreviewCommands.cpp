#include "livepreview/LivePreviewCommands.h"

#include "editor/CodeEditor.h"
#include "livepreview/LivePreviewPane.h"
#include "livepreview/ViewOptions.h"
#include "platform/AppDirs.h"
#include "shared/CommandRegistry.h"
#include "shared/FeatureContext.h"

#include <QAction>
#include <memory>

namespace {
// A remembered check entry: `apply` shows the state now and at start; choosing the entry
// applies the new state and writes the options back.
void addCheckEntry(CommandRegistry& commands, const std::shared_ptr<ViewOptions>& options, const char* name,
    const char* caption, const char* statusTip, bool ViewOptions::*flag, std::function<void(bool)> apply)
{
    auto entry = std::make_shared<QAction*>(nullptr);
    *entry = commands.add(QLatin1String(name), QString::fromUtf8(caption), QString(), QString::fromUtf8(statusTip),
        [entry, options, flag, apply] {
            const bool on = (*entry)->isChecked();
            apply(on);
            (*options).*flag = on;
            options->write(AppDirs::settingsFile(ViewOptions::kFileName));
        });
    (*entry)->setCheckable(true);
    (*entry)->setChecked((*options).*flag);
    apply((*options).*flag);
}
} // namespace

QWidget* registerLivePreviewCommands(const FeatureContext& context)
{
    CommandRegistry& commands = *context.commands;
    auto options = std::make_shared<ViewOptions>();
    commands.runGuarded([&] { *options = ViewOptions::read(AppDirs::settingsFile(ViewOptions::kFileName)); });
    CodeEditor* editor = context.editor;
    // Owned by the main window until it places the pane beside the editor.
    auto* pane = new LivePreviewPane(*editor, context.documentFileName, context.window);
    if (context.document)
        QObject::connect(context.document, &DocumentSignals::written, pane, &LivePreviewPane::documentWritten);
    addCheckEntry(commands, options, "a_livePreview", "Live &Preview", "Shows the page beside the editor as you type.",
        &ViewOptions::livePreview, [pane](bool on) { pane->setVisible(on); });
    addCheckEntry(commands, options, "a_lineNumbers", "&Line Numbers",
        "Shows or hides the paragraph numbers at the left of the editor.", &ViewOptions::lineNumbers,
        [editor](bool on) { editor->setLineNumbers(on); });
    return pane;
}
