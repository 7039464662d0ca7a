#include "tools/ToolCommands.h"

#include "editor/CodeEditor.h"
#include "platform/AppDirs.h"
#include "shared/CommandRegistry.h"
#include "shared/FeatureContext.h"
#include "tools/ConvertHtmlWindow.h"
#include "tools/ConvertToTextWindow.h"
#include "tools/FunctionNavigatorWindow.h"
#include "tools/JotterWindow.h"
#include "tools/ReferenceWindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QPointer>
#include <QShortcut>
#include <memory>

namespace {

// The open tool windows, so that a command finds its window instead of opening a second one.
struct OpenWindows {
    QPointer<JotterWindow> jotter;
    QPointer<ConvertHtmlWindow> convertHtml;
    QPointer<ConvertToTextWindow> convertToText;
    QPointer<FunctionNavigatorWindow> functionNavigator;
    QPointer<ReferenceWindow> reference;
};

void bringUp(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

// Shows the window held in `slot`, making it first when there is none; `command` stays disabled
// while it is open.
template <typename Window, typename Make>
Window* openOnce(const FeatureContext& context, QPointer<Window>& slot, const char* command, Make make)
{
    if (!slot) {
        slot = make();
        context.commands->disableWhileOpen({ QLatin1String(command) }, slot);
    }
    bringUp(slot);
    return slot;
}

} // namespace

void registerToolCommands(const FeatureContext& context)
{
    auto open = std::make_shared<OpenWindows>();
    const auto reference = [context, open] {
        return openOnce(context, open->reference, "a_jsReference",
            [&] { return new ReferenceWindow(AppDirs::dataDir(), *context.prompter, context.window); });
    };
    const auto lookUp = [context, reference] {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        // The normal cursor comes back however the look-up ends.
        struct Restore {
            ~Restore() { QApplication::restoreOverrideCursor(); }
        } restore;
        reference()->lookUp(context.editor->wordAtCaret());
    };

    context.commands->add({
        { "a_jotter", "&Jotter", "", "Notes that are kept only while the jotter is open",
            [context, open] {
                openOnce(context, open->jotter, "a_jotter",
                    [&] { return new JotterWindow(*context.prompter, context.window); });
            } },
        { "a_makeViewable", "Make HTML &Viewable ...", "", "Escape markup so that a browser shows it as text",
            [context, open] {
                openOnce(context, open->convertHtml, "a_makeViewable",
                    [&] { return new ConvertHtmlWindow(*context.editor, *context.prompter, context.window); });
            } },
        { "a_convertToText", "Convert to &text ...", "", "Turn HTML files into plain text files",
            [context, open] {
                openOnce(context, open->convertToText, "a_convertToText",
                    [&] { return new ConvertToTextWindow(*context.prompter, context.window); });
            } },
        { "a_functionNavigator", "Function &Navigator", "", "List the document's JavaScript functions and their uses",
            [context, open] {
                openOnce(context, open->functionNavigator, "a_functionNavigator", [&] {
                    const QString name = context.documentFileName ? context.documentFileName() : QString();
                    const bool script = QFileInfo(name).suffix().compare(QLatin1String("js"), Qt::CaseInsensitive) == 0;
                    return new FunctionNavigatorWindow(*context.editor, script, context.window);
                });
            } },
        { "a_jsReference", "JS &Reference...", "", "A JavaScript reference with an example for each topic",
            [reference] { reference(); } },
        { "a_lookUpWordAtCaret", "Look up in JS Reference", "",
            "Find the word at the caret in the JavaScript reference", lookUp },
    });

    auto* f4 = new QShortcut(QKeySequence(Qt::Key_F4), context.editor);
    f4->setContext(Qt::WidgetShortcut);
    CommandRegistry* commands = context.commands;
    QObject::connect(
        f4, &QShortcut::activated, commands, [commands] { commands->run(QStringLiteral("a_lookUpWordAtCaret")); });
}
