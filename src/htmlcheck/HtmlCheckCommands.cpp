#include "htmlcheck/HtmlCheckCommands.h"

#include "htmlcheck/HtmlCheckPanel.h"
#include "shared/CommandRegistry.h"
#include "shared/FeatureContext.h"

#include <QAction>

QWidget* registerHtmlCheckCommands(const FeatureContext& context)
{
    // Owned by the main window until it places the panel under the editor.
    auto* panel = new HtmlCheckPanel(*context.editor, *context.prompter, context.documentFileName, context.window);
    panel->hide();
    QAction* check = context.commands->add(QStringLiteral("a_checkHtml"), QStringLiteral("Check &HTML"), QString(),
        QStringLiteral("Lists HTML Tidy's errors and warnings about the document."), [panel] { panel->check(); });
    QObject::connect(panel, &HtmlCheckPanel::checkingChanged, check, [check](bool on) { check->setEnabled(!on); });
    return panel;
}
