#include "navigator/NavigatorCommands.h"

#include "editor/CodeEditor.h"
#include "navigator/ApplicationsWindow.h"
#include "navigator/ExternalApps.h"
#include "navigator/FileHandlingWindow.h"
#include "navigator/ImageDialog.h"
#include "navigator/LinkCommands.h"
#include "navigator/NavigatorPanel.h"
#include "platform/Prompter.h"
#include "platform/Shell.h"
#include "shared/CommandRegistry.h"
#include "shared/FeatureContext.h"
#include "shared/SiteFileActions.h"

#include <QAction>
#include <QMenu>
#include <QSysInfo>

namespace {
// Shows a menu of named commands ("" is a separator) on a right click on the widget.
void attachCommandMenu(CommandRegistry& commands, QWidget* widget, std::initializer_list<const char*> names)
{
    auto* menu = new QMenu(widget);
    for (const char* name : names) {
        if (!*name)
            menu->addSeparator();
        else
            menu->addAction(commands.action(QLatin1String(name)));
    }
    widget->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(widget, &QWidget::customContextMenuRequested, menu,
        [widget, menu](const QPoint& at) { menu->popup(widget->mapToGlobal(at)); });
}

void openInDefaultBrowser(const FeatureContext& context)
{
    if (context.editor->isModified()) {
        const auto answer
            = context.prompter->message(QStringLiteral("Please save the file first (or use the viewer). Save now?"),
                Prompter::Icon::Confirmation, Prompter::Yes | Prompter::No | Prompter::Cancel);
        if (answer != Prompter::Yes) return;
        context.save();
    }
    const QString name = context.documentFileName();
    if (context.editor->isModified() || name.isEmpty()) return;
    context.shell->openFile(name);
}
} // namespace

void registerNavigatorCommands(const FeatureContext& context, NavigatorPanel& navigator, LinkCommands& links,
    std::function<QString()> shownFileName)
{
    CommandRegistry& commands = *context.commands;
    NavigatorPanel* nav = &navigator;
    QWidget* window = context.window;
    Prompter* prompter = context.prompter;
    commands.add({
        { "a_UpdateFilesAndDir", "Update File and Directory Boxes", "F5", "Re-read the directory and file lists",
            [nav] { nav->refresh(); } },
        { "a_deleteFile", "Delete Selected &File...", "", "Move the selected file to the trash",
            [nav] { nav->deleteSelectedFile(); } },
        { "a_deleteDir", "&Delete Selected Directory ...", "", "Move the selected directory to the trash",
            [nav] { nav->deleteSelectedDirectory(); } },
        { "a_NewDir", "&Create New Directory...", "", "Create a directory in the selected one",
            [nav] { nav->createNewDirectory(); } },
        { "a_fileOperations", "File Operations", "", "Change the extension of a file",
            [nav, window, prompter, &commands, siteFiles = context.siteFiles] {
                auto* files = new FileHandlingWindow(*nav, *prompter, window);
                if (siteFiles) files->offerSiteFileActions(siteFiles);
                commands.disableWhileOpen({ QStringLiteral("a_fileOperations") }, files);
                files->show();
            } },
        { "a_renameWithLinks", "Rename and Update Links ...", "", "Rename the selected file and update every link to it",
            [nav, siteFiles = context.siteFiles] {
                if (siteFiles && siteFiles->renameWithLinks) siteFiles->renameWithLinks(nav->selectedFile());
            } },
        { "a_moveWithLinks", "Move and Update Links ...", "",
            "Move the selected file to another directory and update every link to it",
            [nav, siteFiles = context.siteFiles] {
                if (siteFiles && siteFiles->moveWithLinks) siteFiles->moveWithLinks(nav->selectedFile());
            } },
    });
    if (context.siteFiles) context.siteFiles->filesChanged = [nav] { nav->refreshFiles(); };
    // F5 works anywhere in the main window.
    QAction* refresh = commands.action(QStringLiteral("a_UpdateFilesAndDir"));
    refresh->setShortcutContext(Qt::WindowShortcut);
    window->addAction(refresh);

    attachCommandMenu(
        commands, navigator.fileList(), { "a_fileOperations", "a_renameWithLinks", "a_moveWithLinks", "", "a_UpdateFilesAndDir", "", "a_deleteFile" });
    attachCommandMenu(commands, navigator.directoryList(), { "a_UpdateFilesAndDir", "", "a_deleteDir", "a_NewDir" });

    // Links and assets relative to the document.
    struct LinkCommand {
        const char* name;
        const char* caption;
        const char* tip;
        void (LinkCommands::*run)();
    };
    static const LinkCommand kLinkCommands[] = {
        { "a_linkToSelectedFile", "Link to selected file", "Link to the file selected on the left",
            &LinkCommands::linkToSelectedFile },
        { "a_tocLink", "TOC Link", "Link to the selected file, followed by a line break", &LinkCommands::tocLink },
        { "a_relativeFilename", "Relative Filename", "Insert the relative path of the selected file",
            &LinkCommands::relativeFilename },
        { "a_fileTitle", "File Title", "Insert the title of the selected file", &LinkCommands::fileTitle },
        { "a_option", "Option", "Insert an option for the selected file", &LinkCommands::option },
        { "a_jsFile", "JS File", "Insert a script tag for the selected JavaScript file", &LinkCommands::jsFile },
        { "a_cssFile", "CSS File", "Insert a link to the selected style sheet", &LinkCommands::cssFile },
        { "a_insertToc", "Insert &TOC", "Insert a table of contents of the listed files", &LinkCommands::insertToc },
        { "a_linkCssJs", "Link this css/js file to selected file",
            "Write a link to this style sheet or script into the selected page",
            &LinkCommands::linkThisCssJsFileToSelectedFile },
        { "a_image", "Image", "Insert an image with its size", &LinkCommands::image },
    };
    LinkCommands* linkCommands = &links;
    for (const LinkCommand& c : kLinkCommands)
        commands.add(QLatin1String(c.name), QLatin1String(c.caption), QString(), QLatin1String(c.tip),
            [linkCommands, run = c.run] { (linkCommands->*run)(); });
    QAction* image = commands.action(QStringLiteral("a_image"));
    QObject::connect(
        &links, &LinkCommands::imageDialogOpenChanged, image, [image](bool open) { image->setEnabled(!open); });

    // The document in other programs.
    const FeatureContext ctx = context;
    commands.add({
        { "a_openInDefaultBrowser", "Open File in Default &Browser", "", "Open the saved file in the default browser",
            [ctx] { openInDefaultBrowser(ctx); } },
        { "a_sendEmail", "Send &e-mail", "", "Send e-mail about Pelorin",
            [ctx] {
                ctx.shell->openUrl(ExternalApps::mailtoUrl(
                    ExternalApps::supportAddress(), ExternalApps::emailSubject(QSysInfo::prettyProductName())));
            } },
        { "a_browsers", "&Browsers ...", "", "Open the file in browsers and an editor of your choice",
            [ctx, shownFileName] {
                auto* apps = new ApplicationsWindow(*ctx.prompter, *ctx.shell,
                    { [ctx] { return ctx.saveBeforeBrowsing(); }, shownFileName }, ctx.window);
                ctx.commands->disableWhileOpen({ QStringLiteral("a_browsers") }, apps);
                apps->show();
            } },
    });
}
