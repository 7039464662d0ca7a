#include "sitetools/SearchWindow.h"

#include "editor/CodeEditor.h"
#include "platform/CommandBoundary.h"
#include "platform/HintRouter.h"
#include "shared/CommandRegistry.h"
#include "shared/FeatureContext.h"
#include "shared/TempPages.h"
#include "shared/WizardState.h"
#include "sitetools/SearchCommands.h"
#include "support/ListWidgets.h"
#include "support/FakeBrowserView.h"
#include "support/FakeContext.h"
#include "support/FakeShell.h"
#include "support/FileBytes.h"
#include "support/ScriptedPrompter.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

#include "support/QStringPrinter.h"

using SearchEngine::Project;

namespace {

const QString kSite = QStringLiteral(PELORIN_FIXTURES "/sitetools/search/site");

// The search command registered into a registry of its own, with a copy of the fixture site in
// a temporary directory.
class SearchWindowTest : public ::testing::Test {
public:
    QString startDir = QDir::currentPath();
    QTemporaryDir work;
    QWidget mainWindow;
    CodeEditor* editor = new CodeEditor(&mainWindow);
    ScriptedPrompter prompter;
    FakeShell shell;
    CommandRegistry registry;
    WizardState wizard;
    HintRouter hints;
    QString site = work.filePath("site");

    SearchWindowTest()
    {
        registry.setBoundary([this](const std::function<void()>& command) { runCommand(prompter, command); });
        registerSearchCommands(fakeContext(&mainWindow, editor, &prompter, &shell, &registry, &wizard));
        copySite(kSite, site);
        QDir::setCurrent(work.path());
    }
    ~SearchWindowTest() override
    {
        if (window) {
            window->setAttribute(Qt::WA_DeleteOnClose, false);
            delete window.data();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QDir::setCurrent(startDir);
    }

    static void copySite(const QString& from, const QString& to)
    {
        QDir().mkpath(to);
        for (const QFileInfo& entry : QDir(from).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
            if (entry.isDir())
                copySite(entry.filePath(), QDir(to).filePath(entry.fileName()));
            else
                QFile::copy(entry.filePath(), QDir(to).filePath(entry.fileName()));
        }
    }

    SearchWindow* open()
    {
        registry.run("a_createSearch");
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* found = qobject_cast<SearchWindow*>(widget); found && found->isVisible()) window = found;
        return window;
    }
    // The window on the fixture site, active.
    SearchWindow* openOnSite()
    {
        open();
        QApplication::setActiveWindow(window);
        window->setDirectory(site);
        return window;
    }
    bool commandEnabled() const { return registry.action("a_createSearch")->isEnabled(); }
    QAction* action(const char* name) const { return window->findChild<QAction*>(QLatin1String(name)); }
    QPushButton* button(const char* name) const { return window->findChild<QPushButton*>(QLatin1String(name)); }
    QStringList menuTitles() const
    {
        QStringList titles;
        for (QAction* menu : window->menuBar()->actions())
            titles << menu->text();
        return titles;
    }
    void selectFiles(const QStringList& names)
    {
        window->fileList()->clearSelection();
        for (const QString& name : names) {
            const QList<QListWidgetItem*> found = window->fileList()->findItems(name, Qt::MatchExactly);
            ASSERT_FALSE(found.isEmpty()) << name.toStdString();
            found.first()->setSelected(true);
        }
    }
    void addFiles(const QStringList& names)
    {
        selectFiles(names);
        QTest::mouseClick(button("addSelectedButton"), Qt::LeftButton);
    }
    QString sitePath(const QString& name) const { return QDir::toNativeSeparators(QDir(site).filePath(name)); }
    void closeWithoutSaving()
    {
        prompter.expectMessage("Project File  has changed. Save now?", Prompter::Icon::Confirmation,
            Prompter::Yes | Prompter::No | Prompter::Cancel, Prompter::No);
        window->close();
    }
    FakeBrowserView* browser() const { return static_cast<FakeBrowserView*>(window->browser()); }

    QPointer<SearchWindow> window;
};

TEST_F(SearchWindowTest, OpensOnceMaximisedAndEveryWayOfClosingEnablesTheCommandAgain)
{
    const struct {
        const char* way;
        std::function<void(SearchWindowTest&)> close;
    } ways[] = {
        { "close box", [](SearchWindowTest& t) { t.window->close(); } },
        { "File > Close", [](SearchWindowTest& t) { t.action("closeAction")->trigger(); } },
        { "Viewer File > Exit",
            [](SearchWindowTest& t) {
                t.window->pageControl()->setCurrentIndex(SearchWindow::ViewerTab);
                ASSERT_EQ(t.menuTitles(), QStringList { "&File" });
                t.action("viewerExitAction")->trigger();
            } },
        { "Create Search Page File > Exit",
            [](SearchWindowTest& t) {
                t.prompter.expectMessage(
                    "Please select some files for the search", Prompter::Icon::None, Prompter::Ok, Prompter::Ok);
                t.window->pageControl()->setCurrentIndex(SearchWindow::CreateTab);
                t.action("createExitAction")->trigger();
            } },
    };
    for (const auto& way : ways) {
        ASSERT_NE(open(), nullptr) << way.way;
        EXPECT_EQ(window->windowTitle(), "Search Engine Generator");
        EXPECT_TRUE(window->isMaximized());
        EXPECT_FALSE(commandEnabled());
        SearchWindow* first = window;
        EXPECT_EQ(open(), first) << "a second command shows the same window";
        way.close(*this);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(window.isNull()) << way.way;
        EXPECT_TRUE(commandEnabled()) << way.way;
        prompter.verify();
    }
}

TEST_F(SearchWindowTest, TheFileBrowserListsWebPagesOfTheDirectoryShown)
{
    openOnSite();
    EXPECT_EQ(QDir::currentPath(), site);
    EXPECT_EQ(itemTexts(window->fileList()), (QStringList { "apples.htm", "plain.htm" }));
    EXPECT_EQ(window->fileTypeBox()->currentText(), "Internet Files");
    window->fileTypeBox()->setCurrentIndex(1);
    emit window->fileTypeBox()->activated(1);
    EXPECT_EQ(itemTexts(window->fileList()), (QStringList { "apples.htm", "notes.txt", "plain.htm" }));
    EXPECT_EQ(window->fileList()->selectionMode(), QAbstractItemView::ExtendedSelection);

    // Opening a subdirectory makes it current; the path up to it stays listed.
    QListWidgetItem* sub = window->directoryList()->findItems("  sub", Qt::MatchEndsWith).value(0);
    ASSERT_NE(sub, nullptr);
    emit window->directoryList()->itemDoubleClicked(sub);
    EXPECT_EQ(QDir::currentPath(), site + "/sub");
    EXPECT_EQ(itemTexts(window->fileList()), QStringList { "recipes.html" });
    EXPECT_EQ(window->directoryList()->currentItem()->text().trimmed(), "sub");

    // The drive box offers the root and the home directory.
    EXPECT_EQ(window->driveBox()->count(), 2);
    emit window->driveBox()->activated(0);
    EXPECT_EQ(QDir::currentPath(), QDir::rootPath().chopped(QDir::rootPath().size() > 1 ? 1 : 0));
}

TEST_F(SearchWindowTest, AddingFilesTakesTheirTitlesAndKeywords)
{
    openOnSite();
    EXPECT_FALSE(window->isProjectChanged());
    addFiles({ "apples.htm", "plain.htm" });
    EXPECT_EQ(itemTexts(window->projectFilesList()), (QStringList { sitePath("apples.htm"), sitePath("plain.htm") }));
    EXPECT_EQ(itemTexts(window->titlesList()), (QStringList { "APPLES AND  PEARS", "EnterTitle" }));
    EXPECT_EQ(itemTexts(window->keywordsList()), (QStringList { "FRUIT, ORCHARD", "EnterKeywords" }));
    EXPECT_TRUE(window->isProjectChanged());
    EXPECT_FALSE(window->gauge()->isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // The same file again is a second entry; nothing selected adds nothing.
    addFiles({ "apples.htm" });
    window->fileList()->clearSelection();
    QTest::mouseClick(button("addSelectedButton"), Qt::LeftButton);
    EXPECT_EQ(window->projectFilesList()->count(), 3);
    EXPECT_EQ(itemTexts(window->titlesList()).last(), "APPLES AND  PEARS");

    // "<< All " adds every listed file after the entries there are.
    window->setDirectory(site + "/sub");
    QTest::mouseClick(button("addAllButton"), Qt::LeftButton);
    EXPECT_EQ(itemTexts(window->projectFilesList()).last(), sitePath("sub/recipes.html"));
    EXPECT_EQ(itemTexts(window->titlesList()).last(), "PIE \"DELUXE\" RECIPES");
    EXPECT_EQ(itemTexts(window->keywordsList()).last(), "BAKING, OVEN\\DOOR, FRUIT");
}

TEST_F(SearchWindowTest, AFileDroppedOnTheProjectIsAdded)
{
    openOnSite();
    selectFiles({ "plain.htm" });
    QMimeData* dragged = window->fileList()->model()->mimeData(window->fileList()->selectionModel()->selectedIndexes());
    ASSERT_TRUE(dragged->hasUrls());
    QWidget* target = window->projectFilesList()->viewport();
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, dragged, Qt::LeftButton, {});
    QCoreApplication::sendEvent(target, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, dragged, Qt::LeftButton, {});
    QCoreApplication::sendEvent(target, &drop);
    EXPECT_EQ(itemTexts(window->projectFilesList()), QStringList { sitePath("plain.htm") });
    EXPECT_EQ(itemTexts(window->titlesList()), QStringList { "EnterTitle" });
    delete dragged;
}

TEST_F(SearchWindowTest, APageThatCannotBeReadStopsTheAddingWithTheListsAligned)
{
    openOnSite();
    addFiles({ "apples.htm" });
    QFile::remove(site + "/plain.htm"); // gone after it was listed
    prompter.expectMessage("Cannot open file \"" + sitePath("plain.htm") + "\". No such file or directory",
        Prompter::Icon::Error, Prompter::Ok, Prompter::Ok);
    window->addFiles({ site + "/apples.htm", site + "/plain.htm", site + "/apples.htm" });
    EXPECT_EQ(window->projectFilesList()->count(), 2);
    EXPECT_EQ(window->titlesList()->count(), 2);
    EXPECT_EQ(window->keywordsList()->count(), 2);
}

TEST_F(SearchWindowTest, SelectingAnEntryShowsItInTheLeftPanel)
{
    openOnSite();
    addFiles({ "apples.htm", "plain.htm" });
    EXPECT_EQ(window->projectDirEdit()->text(), "");
    const QRect second = window->titlesList()->visualItemRect(window->titlesList()->item(1));
    QTest::mouseClick(window->titlesList()->viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_EQ(window->projectFilesList()->currentRow(), 1);
    EXPECT_EQ(window->keywordsList()->currentRow(), 1);
    EXPECT_EQ(window->currentFileEdit()->text(), sitePath("plain.htm"));
    EXPECT_EQ(window->titleMemo()->toPlainText(), "EnterTitle");
    EXPECT_EQ(window->keywordsMemo()->toPlainText(), "EnterKeywords");
    EXPECT_EQ(window->projectDirEdit()->text(), QDir::toNativeSeparators(site + "/"));

    window->keywordsList()->setCurrentRow(0);
    EXPECT_EQ(window->projectFilesList()->currentRow(), 0);
    EXPECT_EQ(window->titleMemo()->toPlainText(), "APPLES AND  PEARS");

    // A right click on the project lists opens their popup.
    QContextMenuEvent menu(QContextMenuEvent::Mouse, second.center());
    QCoreApplication::sendEvent(window->projectFilesList()->viewport(), &menu);
    EXPECT_TRUE(window->projectListMenu()->isVisible());
    window->projectListMenu()->close();
}

TEST_F(SearchWindowTest, ChangeStoresTheEditedTitleAndKeywordsUpperCased)
{
    openOnSite();
    // With nothing selected the buttons do nothing.
    window->titleMemo()->setPlainText("lost");
    QTest::mouseClick(button("changeTitleButton"), Qt::LeftButton);
    EXPECT_EQ(window->titlesList()->count(), 0);

    addFiles({ "apples.htm", "plain.htm" });
    window->projectFilesList()->setCurrentRow(1);
    window->titleMemo()->setPlainText("Plain\nPage ");
    QTest::mouseClick(button("changeTitleButton"), Qt::LeftButton);
    window->keywordsMemo()->setPlainText("café, \"quoted\"");
    QTest::mouseClick(button("changeKeywordsButton"), Qt::LeftButton);
    EXPECT_EQ(itemTexts(window->titlesList()), (QStringList { "APPLES AND  PEARS", "PLAIN\r\nPAGE " }));
    EXPECT_EQ(itemTexts(window->keywordsList()), (QStringList { "FRUIT, ORCHARD", "CAFé, \"QUOTED\"" }));
    EXPECT_EQ(itemTexts(window->projectFilesList()).size(), 2);

    // The page gets the title on one line and the quotes escaped.
    window->pageControl()->setCurrentIndex(SearchWindow::CreateTab);
    const QString page = window->codePane()->text();
    EXPECT_TRUE(page.contains("\r\ntitls[1]=\"PLAIN  PAGE \";\r\n"));
    EXPECT_TRUE(page.contains("\r\nKwds[1]=\"CAFé, \\\"QUOTED\\\"\";\r\n"));
    // The page file itself is untouched.
    EXPECT_EQ(readFile(site + "/plain.htm"), readFile(kSite + "/plain.htm"));
}

TEST_F(SearchWindowTest, RemovingSelectsTheEntryBefore)
{
    openOnSite();
    addFiles({ "apples.htm", "plain.htm" });
    window->setDirectory(site + "/sub");
    QTest::mouseClick(button("addAllButton"), Qt::LeftButton);
    window->projectFilesList()->setCurrentRow(2);
    QTest::mouseClick(button("removeButton"), Qt::LeftButton);
    EXPECT_EQ(itemTexts(window->titlesList()), (QStringList { "APPLES AND  PEARS", "EnterTitle" }));
    EXPECT_EQ(window->projectFilesList()->currentRow(), 1);
    EXPECT_EQ(window->titlesList()->currentRow(), 1);
    EXPECT_EQ(window->currentFileEdit()->text(), sitePath("plain.htm"));

    // The Delete key in the project files, at the first entry: the next one moves up.
    window->projectFilesList()->setCurrentRow(0);
    window->projectFilesList()->setFocus();
    QTest::keyClick(window->projectFilesList(), Qt::Key_Delete);
    EXPECT_EQ(itemTexts(window->projectFilesList()), QStringList { sitePath("plain.htm") });
    EXPECT_EQ(itemTexts(window->keywordsList()), QStringList { "EnterKeywords" });
    EXPECT_EQ(window->projectFilesList()->currentRow(), 0);

    action("removeItemAction")->trigger();
    EXPECT_EQ(window->projectFilesList()->count(), 0);
    EXPECT_EQ(window->titlesList()->count(), 0);
    EXPECT_EQ(window->keywordsList()->count(), 0);
    EXPECT_TRUE(window->isProjectChanged());
}

TEST_F(SearchWindowTest, NewProjectClearsTheProjectAndItsDirectory)
{
    openOnSite();
    addFiles({ "apples.htm" });
    window->projectFilesList()->setCurrentRow(0);
    ASSERT_FALSE(window->projectDirEdit()->text().isEmpty());
    QTest::mouseClick(button("newProjectButton"), Qt::LeftButton);
    EXPECT_EQ(window->project(), Project {});
    EXPECT_EQ(window->projectDirEdit()->text(), "");
    EXPECT_EQ(window->currentFileEdit()->text(), "");
    EXPECT_EQ(window->titleMemo()->toPlainText(), "");
    EXPECT_EQ(window->keywordsMemo()->toPlainText(), "");
}

TEST_F(SearchWindowTest, GeneratingNeedsFilesAndADirectory)
{
    openOnSite();
    prompter.expectMessage("Please select some files for the search", Prompter::Icon::None, Prompter::Ok, Prompter::Ok);
    action("createSearchAction")->trigger();
    EXPECT_EQ(prompter.lastOwner(), window);
    EXPECT_EQ(window->pageControl()->currentIndex(), SearchWindow::StartTab);
    EXPECT_TRUE(window->leftPanel()->isVisible());
    EXPECT_EQ(menuTitles(), (QStringList { "&File", "Tools", "View", "&Help" }));
    prompter.verify();

    addFiles({ "apples.htm" });
    window->projectDirEdit()->setText(work.filePath("no such dir"));
    prompter
        .expectMessage("Please select a directory where you will put your search page", Prompter::Icon::Information,
            Prompter::Ok, Prompter::Ok)
        .expectDirectory("Choose the directory for your search page", std::nullopt);
    window->pageControl()->setCurrentIndex(SearchWindow::CreateTab);
    EXPECT_EQ(window->pageControl()->currentIndex(), SearchWindow::StartTab);
    // Cancelled with no directory there: the current directory stands in.
    EXPECT_EQ(window->projectDirEdit()->text(), QDir::toNativeSeparators(site + "/"));
    prompter.verify();

    prompter
        .expectMessage("Please select a directory where you will put your search page", Prompter::Icon::Information,
            Prompter::Ok, Prompter::Ok)
        .expectDirectory("Choose the directory for your search page", site + "/sub");
    window->projectDirEdit()->setText("");
    window->pageControl()->setCurrentIndex(SearchWindow::CreateTab);
    EXPECT_EQ(window->projectDirEdit()->text(), QDir::toNativeSeparators(site + "/sub/"));
    EXPECT_EQ(QDir::currentPath(), site + "/sub");
}

TEST_F(SearchWindowTest, EnteringCreateSearchPageGeneratesThePageAnew)
{
    openOnSite();
    addFiles({ "apples.htm" });
    window->setDirectory(site + "/sub");
    QTest::mouseClick(button("addAllButton"), Qt::LeftButton);
    window->projectDirEdit()->setText(QDir::toNativeSeparators(site + "/"));
    window->pageControl()->setCurrentIndex(SearchWindow::CreateTab);
    EXPECT_FALSE(window->leftPanel()->isVisible());
    EXPECT_EQ(menuTitles(), (QStringList { "&File", "&Edit", "View" }));
    const QString page = SearchEngine::searchPage(window->project(), site + "/");
    EXPECT_EQ(window->codePane()->text(), page);
    EXPECT_TRUE(page.contains("URLs[1]=\"sub/recipes.html\";"));

    // Edits are lost when the tab is entered again.
    window->codePane()->setText("edited");
    window->pageControl()->setCurrentIndex(SearchWindow::StartTab);
    EXPECT_TRUE(window->leftPanel()->isVisible());
    window->pageControl()->setCurrentIndex(SearchWindow::CreateTab);
    EXPECT_EQ(window->codePane()->text(), page);
}

TEST_F(SearchWindowTest, ThePreviewIsWrittenIntoTheProjectDirectoryAndRemovedOnClosing)
{
    openOnSite();
    addFiles({ "apples.htm" });
    window->projectFilesList()->setCurrentRow(0);
    window->pageControl()->setCurrentIndex(SearchWindow::CreateTab);
    window->codePane()->setText("<html>preview</html>\r\n");
    action("previewSearchEngineAction")->trigger();
    const QString view = site + "/1view.htm";
    EXPECT_EQ(readFile(view), TempPages::markerLine(view).toUtf8() + "\r\n<html>preview</html>\r\n");
    EXPECT_EQ(window->pageControl()->currentIndex(), SearchWindow::ViewerTab);
    EXPECT_EQ(menuTitles(), QStringList { "&File" });
    EXPECT_EQ(browser()->navigations, QStringList { view });

    // Choosing the viewer tab shows the selected project file.
    window->pageControl()->setCurrentIndex(SearchWindow::StartTab);
    window->pageControl()->setCurrentIndex(SearchWindow::ViewerTab);
    EXPECT_EQ(browser()->navigations.last(), site + "/apples.htm");
    EXPECT_FALSE(window->leftPanel()->isVisible());

    // "Preview Current File" shows the project file.
    window->pageControl()->setCurrentIndex(SearchWindow::StartTab);
    action("previewCurrentFileAction")->trigger();
    EXPECT_EQ(browser()->navigations.last(), site + "/apples.htm");

    closeWithoutSaving();
    EXPECT_FALSE(QFile::exists(view));
}

TEST_F(SearchWindowTest, AUsersOwn1viewPageIsNeverOverwrittenNorDeleted)
{
    writeFile(site + "/1view.htm", "my own page");
    openOnSite();
    addFiles({ "apples.htm" });
    window->projectDirEdit()->setText(site);
    window->pageControl()->setCurrentIndex(SearchWindow::CreateTab);
    QMenu* popup = window->codePaneMenu();
    QStringList captions;
    for (QAction* item : popup->actions())
        captions << item->text();
    EXPECT_EQ(captions,
        (QStringList {
            "Cu&t", "&Copy", "&Paste", "Sellect &All", "&Save Search Engine Code ...", "Preview Search Engine" }));
    popup->actions().last()->trigger();
    EXPECT_EQ(browser()->navigations, QStringList { site + "/1view-2.htm" });
    closeWithoutSaving();
    EXPECT_EQ(readFile(site + "/1view.htm"), "my own page");
    EXPECT_FALSE(QFile::exists(site + "/1view-2.htm"));
}

TEST_F(SearchWindowTest, SavesAndOpensTheProjectFile)
{
    openOnSite();
    addFiles({ "apples.htm", "plain.htm" });
    window->projectDirEdit()->setText(site);
    const Project saved = window->project();
    const QString file = work.filePath("projects/my.prj");
    QDir().mkpath(work.filePath("projects"));
    prompter.expectSaveFile("Save project file", file);
    action("saveProjectAsAction")->trigger();
    Prompter::FileDialog dialog = prompter.lastFileDialog();
    EXPECT_EQ(dialog.filter, "Project Files|*.prj|Internet Files|*.htm*;*.shtml;*.asp|All Files |*.*");
    EXPECT_EQ(dialog.defaultExtension, "prj");
    EXPECT_EQ(dialog.initialDir, site);
    EXPECT_TRUE(dialog.overwritePrompt);
    EXPECT_FALSE(window->isProjectChanged());
    EXPECT_EQ(QString::fromUtf8(readFile(file)), SearchEngine::projectText(saved));

    // Cancelling the open dialog leaves everything as it was.
    QTest::mouseClick(button("newProjectButton"), Qt::LeftButton);
    window->projectDirEdit()->setText(site);
    prompter.expectOpenFile("Open project file", std::nullopt);
    action("openProjectAction")->trigger();
    EXPECT_EQ(window->projectDirEdit()->text(), site);
    EXPECT_EQ(window->project(), Project {});

    // Opening from another directory makes that directory the project directory.
    prompter.expectOpenFile("Open project file", file);
    action("openProjectAction")->trigger();
    dialog = prompter.lastFileDialog();
    EXPECT_EQ(dialog.filter, "Project Files|*.prj|Internet Files|*.htm;*.html|All Files|*.*");
    EXPECT_EQ(dialog.initialDir, site);
    EXPECT_EQ(dialog.initialName, "");
    EXPECT_EQ(window->project(), saved);
    EXPECT_EQ(window->projectDirEdit()->text(), QDir::toNativeSeparators(work.filePath("projects") + "/"));
    EXPECT_EQ(QDir::currentPath(), work.filePath("projects"));
    EXPECT_FALSE(window->isProjectChanged());
}

TEST_F(SearchWindowTest, AFileThatIsNoProjectIsRefusedAndTheListsKeepTheirEntries)
{
    openOnSite();
    addFiles({ "apples.htm" });
    const Project before = window->project();
    const QString bad = work.filePath("bad.prj");
    writeFile(bad, "my project\r\n/a.htm\r\n");
    prompter.expectOpenFile("Open project file", bad)
        .expectMessage(QStringLiteral("\"%1\" is not a project file: its first line \"my project\" is not the number "
                                      "of its files.")
                           .arg(QDir::toNativeSeparators(bad)),
            Prompter::Icon::Error, Prompter::Ok, Prompter::Ok);
    action("openProjectAction")->trigger();
    EXPECT_EQ(window->project(), before);
    EXPECT_TRUE(window->isProjectChanged());
}

TEST_F(SearchWindowTest, SavesAndOpensTheSearchPageCode)
{
    openOnSite();
    addFiles({ "apples.htm" });
    window->projectDirEdit()->setText(site);
    window->pageControl()->setCurrentIndex(SearchWindow::CreateTab);
    const QString page = window->codePane()->text();

    // The popup proposes "1search.htm" while no name was chosen.
    prompter.expectSaveFile("Save search engine file", site + "/1search.htm");
    action("popupSaveSearchCodeAction")->trigger();
    Prompter::FileDialog dialog = prompter.lastFileDialog();
    EXPECT_EQ(dialog.initialName, "1search.htm");
    EXPECT_EQ(dialog.initialDir, site);
    EXPECT_EQ(dialog.filter, "Internet Files|*.htm*;*.shtml;*.asp|Project Files|*.prj|All Files |*.*");
    EXPECT_EQ(QString::fromUtf8(readFile(site + "/1search.htm")), page);

    window->codePane()->setText("changed");
    prompter.expectSaveFile("Save search code (HTML)", site + "/other.htm");
    action("saveSearchCodeAction")->trigger();
    dialog = prompter.lastFileDialog();
    EXPECT_EQ(dialog.defaultExtension, "htm");
    EXPECT_EQ(dialog.initialName, "1search.htm"); // what the last dialog left
    EXPECT_EQ(readFile(site + "/other.htm"), "changed");
    EXPECT_FALSE(window->codePane()->isModified());

    prompter.expectOpenFile("Open HTML File", site + "/1search.htm");
    action("openHtmlAction")->trigger();
    dialog = prompter.lastFileDialog();
    EXPECT_EQ(dialog.filter, "Internet Files|*.htm;*.html|Project Files|*.prj|All Files|*.*");
    EXPECT_EQ(dialog.initialName, "");
    EXPECT_EQ(window->codePane()->text(), page);
    EXPECT_FALSE(window->codePane()->isModified());
}

TEST_F(SearchWindowTest, ClosingAChangedProjectAsksToSave)
{
    openOnSite();
    addFiles({ "apples.htm" });
    const QString question = "Project File  has changed. Save now?";
    const auto answer = [&](Prompter::Button button) {
        prompter.expectMessage(
            question, Prompter::Icon::Confirmation, Prompter::Yes | Prompter::No | Prompter::Cancel, button);
    };

    answer(Prompter::Cancel);
    window->close();
    EXPECT_TRUE(window->isVisible());

    // Yes saves and keeps the window open; then it closes without asking.
    answer(Prompter::Yes);
    prompter.expectSaveFile("Save project file", work.filePath("kept.prj"));
    action("closeAction")->trigger();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(QFile::exists(work.filePath("kept.prj")));
    EXPECT_FALSE(window->isProjectChanged());
    prompter.verify();

    addFiles({ "plain.htm" });
    answer(Prompter::No);
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(commandEnabled());
}

TEST_F(SearchWindowTest, RefreshProjectReadsEveryPageAgain)
{
    openOnSite();
    addFiles({ "apples.htm", "plain.htm" });
    window->projectFilesList()->setCurrentRow(0);
    window->titleMemo()->setPlainText("mine");
    QTest::mouseClick(button("changeTitleButton"), Qt::LeftButton);
    writeFile(site + "/plain.htm", "<title>now titled</title>");
    action("refreshProjectAction")->trigger();
    EXPECT_EQ(itemTexts(window->titlesList()), (QStringList { "APPLES AND  PEARS", "NOW TITLED" }));
    EXPECT_EQ(itemTexts(window->keywordsList()), (QStringList { "FRUIT, ORCHARD", "EnterKeywords" }));
    EXPECT_EQ(window->projectFilesList()->count(), 2);
    EXPECT_EQ(window->titleMemo()->toPlainText(), "APPLES AND  PEARS");
}

TEST_F(SearchWindowTest, TheFileListPopupOffersOnlyWhatCanBeDone)
{
    openOnSite();
    QAction* addSelected = action("addSelectedFilesAction");
    QAction* addAll = action("addAllFilesAction");
    window->fileList()->clearSelection();
    emit window->fileListMenu()->aboutToShow();
    EXPECT_FALSE(addSelected->isEnabled());
    EXPECT_TRUE(addAll->isEnabled());
    selectFiles({ "plain.htm" });
    emit window->fileListMenu()->aboutToShow();
    EXPECT_TRUE(addSelected->isEnabled());
    addSelected->trigger();
    EXPECT_EQ(itemTexts(window->projectFilesList()), QStringList { sitePath("plain.htm") });

    window->setDirectory(work.filePath("."));
    emit window->fileListMenu()->aboutToShow();
    EXPECT_FALSE(addAll->isEnabled());

    // A right click on the file list opens its popup.
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(5, 5));
    QCoreApplication::sendEvent(window->fileList()->viewport(), &menu);
    EXPECT_TRUE(window->fileListMenu()->isVisible());
    window->fileListMenu()->close();
}

TEST_F(SearchWindowTest, ComingBackFromTheMainWindowShowsTheStartPageButAReturningDialogDoesNot)
{
    openOnSite();
    addFiles({ "apples.htm" });
    window->projectFilesList()->setCurrentRow(0);
    window->projectDirEdit()->setText(site);
    window->pageControl()->setCurrentIndex(SearchWindow::CreateTab);
    window->codePane()->setText("edited");

    QDialog dialog(window);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QApplication::setActiveWindow(window);
    EXPECT_EQ(window->pageControl()->currentIndex(), SearchWindow::CreateTab);
    EXPECT_EQ(window->codePane()->text(), "edited");
    dialog.hide();

    mainWindow.show();
    QApplication::setActiveWindow(&mainWindow);
    QDir::setCurrent(site + "/sub");
    QApplication::setActiveWindow(window);
    EXPECT_EQ(window->pageControl()->currentIndex(), SearchWindow::StartTab);
    EXPECT_EQ(window->currentFileEdit()->text(), "");
    EXPECT_EQ(window->directory(), site + "/sub");
    const QList<int> sizes = window->findChild<QSplitter*>("splitter")->sizes();
    EXPECT_NEAR(sizes[1], 2 * sizes[0], 8) << "the page control takes two thirds of the width";
    // The project was not saved: closing still asks.
    EXPECT_TRUE(window->isProjectChanged());
}

TEST_F(SearchWindowTest, HintsGoToTheWindowsHintBox)
{
    QPlainTextEdit mainHints;
    hints.setMainHintBox(&mainHints);
    openOnSite();
    hints.showHint(button("getDirButton")->statusTip());
    EXPECT_EQ(window->hintBox()->toPlainText(), "Choose the directory where you will put your search page");
    EXPECT_EQ(mainHints.toPlainText(), "");
}

} // namespace
