#include "tools/ToolCommands.h"

#include "editor/CodeEditor.h"
#include "platform/AppDirs.h"
#include "platform/WidgetHelpers.h"
#include "shared/CommandRegistry.h"
#include "shared/FeatureContext.h"
#include "shared/WindowLauncher.h"
#include "tools/ConvertHtmlWindow.h"
#include "tools/ConvertToTextWindow.h"
#include "tools/FunctionNavigatorWindow.h"
#include "tools/JotterWindow.h"
#include "tools/ReferenceWindow.h"

#include <QFileInfo>
#include <QPointer>
#include <QShortcut>
#include <memory>

void registerToolCommands(const FeatureContext& context)
{
    CommandRegistry* commands = context.commands;
    // The look-up needs the reference window the launcher opened.
    auto referenceWindow = std::make_shared<QPointer<ReferenceWindow>>();
    const auto reference = windowOpener<ReferenceWindow>(commands, { "a_jsReference" }, [context, referenceWindow] {
        *referenceWindow = new ReferenceWindow(AppDirs::dataDir(), *context.prompter, context.window);
        return referenceWindow->data();
    });
    const auto lookUp = [context, reference, referenceWindow] {
        const WaitCursor wait;
        reference();
        (*referenceWindow)->lookUp(context.editor->wordAtCaret());
    };

    commands->add({
        { "a_jotter", "&Jotter", "", "Notes that are kept only while the jotter is open",
            windowOpener<JotterWindow>(
                commands, { "a_jotter" }, [context] { return new JotterWindow(*context.prompter, context.window); }) },
        { "a_makeViewable", "Make HTML &Viewable ...", "", "Escape markup so that a browser shows it as text",
            windowOpener<ConvertHtmlWindow>(commands, { "a_makeViewable" },
                [context] { return new ConvertHtmlWindow(*context.editor, *context.prompter, context.window); }) },
        { "a_convertToText", "Convert to &text ...", "", "Turn HTML files into plain text files",
            windowOpener<ConvertToTextWindow>(commands, { "a_convertToText" },
                [context] { return new ConvertToTextWindow(*context.prompter, context.window); }) },
        { "a_functionNavigator", "Function &Navigator", "", "List the document's JavaScript functions and their uses",
            windowOpener<FunctionNavigatorWindow>(commands, { "a_functionNavigator" },
                [context] {
                    const QString name = context.documentFileName ? context.documentFileName() : QString();
                    const bool script = QFileInfo(name).suffix().compare(QLatin1String("js"), Qt::CaseInsensitive) == 0;
                    return new FunctionNavigatorWindow(*context.editor, script, context.window);
                }) },
        { "a_jsReference", "JS &Reference...", "", "A JavaScript reference with an example for each topic", reference },
        { "a_lookUpWordAtCaret", "Look up in JS Reference", "",
            "Find the word at the caret in the JavaScript reference", lookUp },
    });

    auto* f4 = new QShortcut(QKeySequence(Qt::Key_F4), context.editor);
    f4->setContext(Qt::WidgetShortcut);
    QObject::connect(
        f4, &QShortcut::activated, commands, [commands] { commands->run(QStringLiteral("a_lookUpWordAtCaret")); });
}
