#include "shared/CommandRegistry.h"
#include "main/ButtonBars.h"
#include "main/EditorModes.h"
#include "main/MenuTables.h"
#include "support/MainWindowFixture.h"

#include <QAction>
#include <QDialog>
#include <QTest>

namespace {

using CommandRegistryWindowTest = MainWindowFixture;

// Every name that a menu, bar or context menu uses is a registered command.
TEST_F(CommandRegistryWindowTest, EveryTableNamesRegisteredCommands)
{
    MainWindow& w = start({}, false);
    QList<QPair<QString, QStringList>> tables;
    for (const MenuTable& t : MenuTables::fullMenuBar() + MenuTables::previewMenuBar())
        tables << qMakePair(QString::fromLatin1(t.objectName), MenuTables::commandNames(t.rows));
    tables << qMakePair(QStringLiteral("toolBar1"), MenuTables::commandNames(MenuTables::toolBar1()))
           << qMakePair(QStringLiteral("toolBar2"), MenuTables::commandNames(MenuTables::toolBar2()))
           << qMakePair(QStringLiteral("colourMenu"), MenuTables::commandNames(MenuTables::colourMenu()))
           << qMakePair(QStringLiteral("buttonBarMenu"), MenuTables::commandNames(MenuTables::buttonBarMenu()));
    for (EditorMode mode : { EditorMode::Html, EditorMode::Standard, EditorMode::JavaScript })
        tables << qMakePair(QStringLiteral("editor menu %1").arg(int(mode)), EditorModes::commandNames(mode));
    for (ButtonBars::Bar bar : { ButtonBars::Bar::Html, ButtonBars::Bar::JavaScript })
        tables << qMakePair(
            QStringLiteral("button bar %1").arg(int(bar)), MenuTables::commandNames(ButtonBars::positions(bar)));
    for (const auto& [table, names] : tables) {
        EXPECT_FALSE(names.isEmpty()) << table.toStdString();
        for (const QString& name : names) {
            if (name == "-" || name.startsWith('>') || name == "<") continue;
            EXPECT_TRUE(w.commands().contains(name)) << table.toStdString() << ": " << name.toStdString();
        }
    }
    discard();
}

TEST(CommandRegistryTest, RunsHandlersInsideTheBoundaryEvenWhileDisabled)
{
    CommandRegistry registry;
    QStringList log;
    registry.setBoundary([&](const std::function<void()>& command) {
        log << "enter";
        command();
        log << "leave";
    });
    QAction* a = registry.add("a_x", "&X", "Ctrl+K", "Tip", [&] { log << "run"; });
    EXPECT_EQ(a->objectName(), "a_x");
    EXPECT_EQ(a->statusTip(), "Tip");
    EXPECT_EQ(a->shortcut(), QKeySequence("Ctrl+K"));
    a->setEnabled(false);
    EXPECT_TRUE(registry.run("a_x"));
    EXPECT_EQ(log, (QStringList { "enter", "run", "leave" }));
    EXPECT_FALSE(registry.run("a_none"));
}

TEST(CommandRegistryTest, MissingListsUnregisteredNamesOnly)
{
    CommandRegistry registry;
    registry.add("a_x", "X", "", "", [] {});
    registry.addCheck("a_later", "Later", "", false, [](bool) {});
    EXPECT_EQ(registry.missing({ "a_x", "-", ">Sub", "<", "a_later" }, "test"), QStringList {});
}

// An open-once window gives its commands back however it closes.
TEST(CommandRegistryTest, OpenOnceCommandComesBackOnEveryWayOfClosing)
{
    CommandRegistry registry;
    QAction* a = registry.add("a_window", "Window", "", "", [] {});
    QAction* b = registry.add("a_other", "Other", "", "", [] {});
    for (int way = 0; way < 3; ++way) {
        auto* window = new QDialog;
        window->setAttribute(Qt::WA_DeleteOnClose);
        registry.disableWhileOpen({ "a_window", "a_other" }, window);
        window->show();
        EXPECT_FALSE(a->isEnabled());
        EXPECT_FALSE(b->isEnabled());
        if (way == 0) QTest::keyClick(window, Qt::Key_Escape);
        if (way == 1) window->close();
        if (way == 2) delete window;
        EXPECT_TRUE(a->isEnabled()) << way;
        EXPECT_TRUE(b->isEnabled()) << way;
    }
}

} // namespace

#include <QApplication>
#include <QMenuBar>
#include <QPointer>
#include <QScopeGuard>

namespace {
// The full menu bar, entry by entry with its accelerator ("-" a separator, "> X" a submenu's
// entries). Features added after these entries (at the end of a menu, after a separator) may
// follow.
TEST_F(CommandRegistryWindowTest, TheFullMenuBarMatchesTheCommandMap)
{
    MainWindow& w = start({}, false);
    const QList<QPair<QString, QStringList>> expected {
        { "&File",
            { "&New", "New &HTML File", "&Open File ...", "&Save File ...", "Save &As ...", "&Close", "-", "&Font ...",
                "-", "E&xit" } },
        { "&Edit", { "Cu&t", "&Copy", "&Paste", "Select &all", "-", "&Undo", "&Redo", "-", "Word Wrap" } },
        { "Fi&nd", { "&Find text ...", "&Replace text", "Matching Brace" } },
        { "&View",
            { "&Directories", "&HTML Buttons", "&JavaScript Buttons", "-", "&Browsers ...", "-", "Hide &Buttons" } },
        { "&Tools",
            { "&Jotter", "Create &Search ...", "Insert &TOC", "&Sort Selection > &Ascending, &Descending", "-",
                "Make HTML &Viewable ...", "Convert to &text ...", "-", "Find &Broken Links in Site ...",
                "Find &Orphans in Site ...", "Find image &ALT text ...", "-", "Function &Navigator",
                "St&yle Sheets" } },
        { "Wizards",
            { "&Table Wizard ...", "&Alert Wizard ...", "&Function Wizard ...", "&Window Wizard ...",
                "&Dummy Link Wizard ...", "Do&c Write Wizard ...", "&Form Wizard ...", "A&rray Wizard ...",
                "&Cookie Message Wizard", "-", "Wizard Function &Link ..." } },
        { "&Data", { "JS &Reference..." } },
        { "&Help", { "Contents ...", "Useful Links ...", "Brief Help", "&About..." } },
    };
    const QList<QAction*> menus = w.menuBar()->actions();
    ASSERT_EQ(menus.size(), expected.size());
    for (int m = 0; m < menus.size(); ++m) {
        EXPECT_EQ(menus[m]->text(), expected[m].first);
        QStringList entries;
        for (QAction* a : menus[m]->menu()->actions()) {
            if (a->isSeparator()) {
                entries << "-";
            } else if (a->menu()) {
                QStringList inner;
                for (QAction* i : a->menu()->actions())
                    inner << i->text();
                entries << a->text() + " > " + inner.join(", ");
            } else {
                entries << a->text();
                // Every entry is a registered command's own action.
                EXPECT_EQ(w.commands().action(a->objectName()), a) << a->objectName().toStdString();
            }
        }
        const QStringList& want = expected[m].second;
        EXPECT_EQ(entries.mid(0, want.size()), want) << expected[m].first.toStdString();
        // Whatever follows starts after a separator (the recent files, later features).
        if (entries.size() > want.size()) EXPECT_EQ(entries[want.size()], "-") << expected[m].first.toStdString();
    }
    discard();
}
} // namespace

namespace {
// Every launcher: the window it opens, its caption, the main window as its owner, and its menu
// entries disabled while it is open and enabled again when it closes.
TEST_F(CommandRegistryWindowTest, EveryLauncherOpensItsWindowOnceOwnedByTheMainWindow)
{
    struct Launcher {
        const char* command;
        const char* windowClass;
        const char* caption; // the start of it
        QStringList disabled;
    };
    const QList<Launcher> launchers {
        { "a_fontDialog", "FontDialog", "Select a Font or Size", { "a_fontDialog" } },
        { "a_listDialog", "ListDialog", "Make a List", { "a_listDialog" } },
        { "a_tableDialog", "TableDialog", "New Table", { "a_tableDialog", "a_tableWizard" } },
        { "a_tableWizard", "TableDialog", "New Table", { "a_tableDialog", "a_tableWizard" } },
        { "a_tableDataDialog", "TableDataDialog", "Table Data Wizard", { "a_tableDataDialog" } },
        { "a_alertWizard", "AlertDialog", "Alert Dialogue", { "a_alertWizard" } },
        { "a_functionWizard", "FunctionDialog", "Function Dialogue", { "a_functionWizard" } },
        { "a_windowWizard", "WindowDialog", "Windows Dialogue", { "a_windowWizard" } },
        { "a_dummyLinkWizard", "DummyLinkDialog", "Links Dialogue", { "a_dummyLinkWizard" } },
        { "a_docWriteWizard", "DocWriteDialog", "Document Write Wizard", { "a_docWriteWizard" } },
        { "a_formWizard", "FormDialog", "Form Dialogue", { "a_formWizard" } },
        { "a_arrayWizard", "ArrayDialog", "Make Array Wizard", { "a_arrayWizard" } },
        { "a_cookieWizard", "CookieDialog", "Cookie Code to Recognise Your Visitors", { "a_cookieWizard" } },
        { "a_wizardFunctionLink", "FunctionLinkDialog", "Link to Function", { "a_wizardFunctionLink" } },
        { "a_jotter", "JotterWindow", "Jotter", { "a_jotter" } },
        { "a_createSearch", "SearchWindow", "Search Engine Generator", { "a_createSearch" } },
        { "a_makeViewable", "ConvertHtmlWindow", "Make HTML Viewable", { "a_makeViewable" } },
        { "a_convertToText", "ConvertToTextWindow", "Convert HTML to text", { "a_convertToText" } },
        { "a_findBrokenLinks", "LinkRotWindow", "Link Rot - find broken links", { "a_findBrokenLinks" } },
        { "a_findOrphans", "RubbishWindow", "Dorvane's Find Orphans - (Rubbish)", { "a_findOrphans" } },
        { "a_findAltText", "AltTextWindow", "Find image ALT text", { "a_findAltText" } },
        { "a_findInSite", "FindInSiteWindow", "Find in Site", { "a_findInSite" } },
        { "a_functionNavigator", "FunctionNavigatorWindow", "Function Navigator", { "a_functionNavigator" } },
        { "a_styleSheets", "StyleSheetWindow", "Dorvane's Style Sheet Maker", { "a_styleSheets" } },
        { "a_jsReference", "ReferenceWindow", "JavaScript Data", { "a_jsReference" } },
        { "a_browsers", "ApplicationsWindow", "Open Application ", { "a_browsers" } },
        { "a_fileOperations", "FileHandlingWindow", "File Handling", { "a_fileOperations" } },
        { "a_font", "EditorFontDialog", "Editor Font", { "a_font" } },
    };
    AppDirs::setDataDir(PELORIN_DATA_SOURCE); // the reference data the JavaScript window reads
    const auto restore = qScopeGuard([] { AppDirs::setDataDir(QString()); });
    MainWindow& w = start();
    for (const Launcher& l : launchers) {
        SCOPED_TRACE(l.command);
        ASSERT_TRUE(w.commands().run(l.command));
        QWidget* opened = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible() && QLatin1String(top->metaObject()->className()) == l.windowClass) opened = top;
        ASSERT_NE(opened, nullptr);
        EXPECT_TRUE(opened->windowTitle().startsWith(l.caption)) << opened->windowTitle().toStdString();
        EXPECT_EQ(opened->parentWidget(), &w);
        for (const QString& name : l.disabled)
            EXPECT_FALSE(w.commands().action(name)->isEnabled()) << name.toStdString();
        QPointer<QWidget> guard(opened);
        opened->close();
        QApplication::processEvents();
        if (guard && guard->isVisible()) guard->hide(); // a window that asks before closing
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (const QString& name : l.disabled)
            EXPECT_TRUE(w.commands().action(name)->isEnabled()) << name.toStdString();
    }
    discard();
}
} // namespace
