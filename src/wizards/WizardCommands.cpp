#include "wizards/WizardCommands.h"

#include "shared/CommandRegistry.h"
#include "shared/FeatureContext.h"
#include "shared/WindowLauncher.h"
#include "wizards/PageDialogs.h"
#include "wizards/ScriptDialogs.h"
#include "wizards/StyleSheetWindow.h"
#include "wizards/TableDialogs.h"
#include "wizards/WindowDialog.h"

namespace {
// The table names each window's commands; the launcher does the rest.
template <class W>
std::function<void()> opener(const FeatureContext& context, const QStringList& names, ShowAs how = ShowAs::Normal)
{
    return windowOpener<W>(
        context.commands, names, [context] { return new W(context); }, how);
}
} // namespace

void registerWizardCommands(const FeatureContext& context)
{
    // Both entries of the table dialog open the one window.
    const auto table = opener<TableDialog>(context, { "a_tableWizard", "a_tableDialog" });
    context.commands->add({
        { "a_tableWizard", "&Table Wizard ...", "", "Make a table", table },
        { "a_alertWizard", "&Alert Wizard ...", "", "Make an alert box",
            opener<AlertDialog>(context, { "a_alertWizard" }) },
        { "a_functionWizard", "&Function Wizard ...", "", "Make a JavaScript function",
            opener<FunctionDialog>(context, { "a_functionWizard" }) },
        { "a_windowWizard", "&Window Wizard ...", "", "Make a function that opens a new window",
            opener<WindowDialog>(context, { "a_windowWizard" }) },
        { "a_dummyLinkWizard", "&Dummy Link Wizard ...", "", "Make a link that runs JavaScript",
            opener<DummyLinkDialog>(context, { "a_dummyLinkWizard" }) },
        { "a_wizardFunctionLink", "Wizard Function &Link ...", "", "Make a link that calls the last wizard function",
            opener<FunctionLinkDialog>(context, { "a_wizardFunctionLink" }) },
        { "a_tableDialog", "Table Dialogue ...", "", "Make a table", table },
        { "a_tableDataDialog", "Table Data Dialogue ...", "", "Make a table cell",
            opener<TableDataDialog>(context, { "a_tableDataDialog" }) },
        { "a_docWriteWizard", "Do&c Write Wizard ...", "", "Turn HTML into JavaScript that writes it",
            opener<DocWriteDialog>(context, { "a_docWriteWizard" }) },
        { "a_formWizard", "&Form Wizard ...", "", "Make a form with a button",
            opener<FormDialog>(context, { "a_formWizard" }) },
        { "a_arrayWizard", "A&rray Wizard ...", "", "Make a JavaScript array",
            opener<ArrayDialog>(context, { "a_arrayWizard" }) },
        { "a_cookieWizard", "&Cookie Message Wizard", "", "Greet your visitors by name and count their visits",
            opener<CookieDialog>(context, { "a_cookieWizard" }) },
        { "a_listDialog", "List Dialogue ...", "", "Make a list of the selected lines",
            opener<ListDialog>(context, { "a_listDialog" }) },
        { "a_fontDialog", "Font ...", "", "Put a FONT tag around the selection",
            opener<FontDialog>(context, { "a_fontDialog" }) },
        { "a_styleSheets", "St&yle Sheets", "", "Make a style sheet",
            opener<StyleSheetWindow>(context, { "a_styleSheets" }, ShowAs::Maximised) },
    });
}
