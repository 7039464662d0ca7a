#include "navigator/NavigatorPanel.h"
#include "navigator/FileHandlingWindow.h"
#include "shared/SiteFileActions.h"

#include "support/ListWidgets.h"
#include "support/FakeShell.h"
#include "support/ScriptedPrompter.h"

#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "support/QStringPrinter.h"
#include "support/SiteFixture.h"

namespace {

using Icon = Prompter::Icon;

class NavigatorPanelTest : public ::testing::Test {
protected:
    SiteFixture site;
    ScriptedPrompter prompter;
    FakeShell shell;
    NavigatorPanel panel { prompter, shell };

    void SetUp() override { panel.setDirectory(site.root); }
    void select(const QString& name) { ASSERT_TRUE(panel.selectFile(site.path(name))) << name.toStdString(); }
    void press(QWidget* widget, Qt::Key key)
    {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &event);
    }
};

TEST_F(NavigatorPanelTest, ListsTheDirectoryUnderTheFirstFilter)
{
    EXPECT_EQ(panel.directory(), site.root);
    EXPECT_EQ(QDir::currentPath(), site.root);
    EXPECT_EQ(itemTexts(panel.fileList()),
        QStringList(
            { "about.html", "empty-title.htm", "index.htm", "menu.js", "Mixed.htm", "nohead.htm", "style.css" }));
    QComboBox* filter = panel.browser()->filterBox();
    EXPECT_EQ(filter->itemText(1), "Image Files");
    filter->setCurrentIndex(1);
    emit filter->activated(1);
    EXPECT_EQ(itemTexts(panel.fileList()), QStringList()); // no images at the top
    panel.setDirectory(site.path("images"));
    EXPECT_EQ(itemTexts(panel.fileList()), QStringList({ "a.gif", "b.jpg", "broken.jpg", "c.png" }));
    emit filter->activated(4);
    EXPECT_EQ(itemTexts(panel.fileList()).size(), 5);
    panel.resetFilter();
    EXPECT_EQ(filter->currentText(), "HTML Documents");
    EXPECT_EQ(itemTexts(panel.fileList()), QStringList());
}

TEST_F(NavigatorPanelTest, DirectoryListShowsThePathThenTheVisibleSubdirectories)
{
    const QStringList shown = itemTexts(panel.directoryList());
    const int depth = site.root.count('/');
    ASSERT_EQ(shown.size(), depth + 3);
    EXPECT_EQ(shown.first(), "/");
    EXPECT_EQ(shown[depth], QString(depth * 2, ' ') + "site");
    const QString indent((depth + 1) * 2, ' ');
    EXPECT_EQ(shown.mid(depth + 1), QStringList({ indent + "images", indent + "sub" })); // .hidden left out
    // Double-click opens, and the process follows.
    emit panel.directoryList()->itemDoubleClicked(panel.directoryList()->item(depth + 2));
    EXPECT_EQ(panel.directory(), site.path("sub"));
    EXPECT_EQ(QDir::currentPath(), site.path("sub"));
    EXPECT_EQ(itemTexts(panel.fileList()), QStringList({ "page.htm" }));
    emit panel.directoryList()->itemDoubleClicked(panel.directoryList()->item(depth));
    EXPECT_EQ(panel.directory(), site.root);
    EXPECT_EQ(panel.browser()->driveBox()->currentText(),
        QDir::toNativeSeparators(panel.browser()->driveBox()->currentData().toString()));
    EXPECT_GE(panel.browser()->driveBox()->findData(QDir::rootPath()), 0);
    EXPECT_GE(panel.browser()->driveBox()->findData(QDir::homePath()), 0);
}

TEST_F(NavigatorPanelTest, SelectionFillsRelativePathTitleAndBuffer)
{
    struct Case {
        const char* document; // relative to the site; "" for a never-saved document
        const char* file;
        const char* relativePath;
        const char* title;
    };
    const Case cases[] = {
        { "", "index.htm", "index.htm", "Home" },
        { "sub/page.htm", "about.html", "../about.html", "About us" },
        { "sub/gone.htm", "Mixed.htm", "Mixed.htm", "Mixed case" }, // a document not on disk: the current directory
        { "", "empty-title.htm", "empty-title.htm", "No title found" },
        { "", "menu.js", "menu.js", "No title tags found" },
        { "index.htm", "sub/page.htm", "sub/page.htm", "Sub page" },
    };
    for (const Case& c : cases) {
        panel.setDocumentFileName(QString(c.document).isEmpty() ? QString() : site.path(c.document));
        panel.setDirectory(site.root);
        QSignalSpy selected(&panel, &NavigatorPanel::selectionChanged);
        select(c.file);
        EXPECT_EQ(panel.relativePathEdit()->text(), c.relativePath) << c.file;
        EXPECT_EQ(panel.titleEdit()->text(), c.title) << c.file;
        EXPECT_EQ(selected.count(), 1) << c.file;
    }
    select("index.htm");
    EXPECT_EQ(panel.bufferText(), "<HTML><HEAD><TITLE>  Home  </TITLE></HEAD>\r\n<BODY></BODY></HTML>\r\n");
    EXPECT_EQ(panel.selectedFile(), site.path("index.htm"));
}

// The title is found in the file's bytes where it can be, and reads as in the decoded text:
// every encoding, breaks inside the title, a NUL ending the text, a tag left open.
TEST_F(NavigatorPanelTest, TitlesReadTheSameInEveryEncoding)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        QString title;
    };
    const Case cases[] = {
        { "breaks.htm", "<TiTlE>\r\n Two\r\nlines\rthree \n</tItLe>", "Two\r\nlines\r\nthree" },
        { "utf8.htm", "<title>Caf\xC3\xA9</title>", QString::fromUtf8("Caf\xC3\xA9") },
        { "bom.htm", "\xEF\xBB\xBF<title>Marked</title>", "Marked" },
        { "cp1252.htm", "<title>Caf\xE9 \x93q\x94</title>", QString::fromUtf8("Caf\xC3\xA9 \xE2\x80\x9Cq\xE2\x80\x9D") },
        { "cp1252-before.htm", "\xE9<title>Plain</title>", "Plain" },
        { "nul.htm", QByteArray("a\0<title>Hidden</title>", 24), "No title tags found" },
        { "open.htm", "<title>Never closed", "No title tags found" },
        { "closed-first.htm", "</title><title> </title>", "No title found" },
        { "utf16.htm", QByteArray("\xFF\xFE<\0t\0i\0t\0l\0e\0>\0W\0i\0d\0e\0<\0/\0t\0i\0t\0l\0e\0>\0", 40),
            "Wide" },
    };
    for (const Case& c : cases)
        site.write(c.name, c.bytes);
    panel.setDirectory(site.path("sub"));
    panel.setDirectory(site.root);
    for (const Case& c : cases) {
        select(c.name);
        EXPECT_EQ(panel.titleEdit()->text(), c.title) << c.name;
    }
}

// Every way of selecting a file runs the same steps: left and right clicks, the keyboard.
TEST_F(NavigatorPanelTest, EveryWayOfSelectingAFileRunsTheSteps)
{
    panel.resize(300, 600);
    panel.show();
    QListWidget* files = panel.fileList();
    const auto clickOn = [&](const QString& name, Qt::MouseButton button) {
        const auto found = files->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        files->scrollToItem(found.first());
        QTest::mouseClick(files->viewport(), button, {}, files->visualItemRect(found.first()).center());
    };
    clickOn("about.html", Qt::LeftButton);
    EXPECT_EQ(panel.titleEdit()->text(), "About us");
    clickOn("index.htm", Qt::RightButton);
    EXPECT_EQ(panel.selectedFile(), site.path("index.htm"));
    EXPECT_EQ(panel.relativePathEdit()->text(), "index.htm");
    EXPECT_EQ(panel.titleEdit()->text(), "Home");
    files->setFocus();
    QTest::keyClick(files, Qt::Key_Up);
    EXPECT_EQ(panel.relativePathEdit()->text(), QFileInfo(panel.selectedFile()).fileName());
}

TEST_F(NavigatorPanelTest, PreviewTabAndDirectoryClicks)
{
    select("index.htm");
    panel.setHtmlTabActive(false);
    QSignalSpy selected(&panel, &NavigatorPanel::selectionChanged);
    select("about.html");
    EXPECT_EQ(panel.relativePathEdit()->text(), "index.htm");
    EXPECT_EQ(panel.titleEdit()->text(), "Home");
    EXPECT_EQ(selected.count(), 0);
    panel.setHtmlTabActive(true);
    QSignalSpy activated(&panel, &NavigatorPanel::fileActivated);
    emit panel.fileList()->itemDoubleClicked(panel.fileList()->currentItem());
    ASSERT_EQ(activated.count(), 1);
    EXPECT_EQ(activated.first().first().toString(), site.path("about.html"));
    emit panel.directoryList()->itemClicked(panel.directoryList()->item(0));
    EXPECT_EQ(panel.relativePathEdit()->text(), "");
    EXPECT_EQ(panel.titleEdit()->text(), "");
}

TEST_F(NavigatorPanelTest, RefreshKeepsTheSelectionAndTheBoxes)
{
    select("index.htm");
    panel.titleEdit()->setText("Edited");
    site.write("new.htm", "<title>New</title>");
    panel.refresh();
    EXPECT_TRUE(itemTexts(panel.fileList()).contains("new.htm"));
    EXPECT_EQ(panel.selectedFile(), site.path("index.htm"));
    EXPECT_EQ(panel.titleEdit()->text(), "Edited");
    select("index.htm"); // selecting it again runs the steps again
    EXPECT_EQ(panel.titleEdit()->text(), "Home");
}

TEST_F(NavigatorPanelTest, FindAllTitlesReadsWithCaseAndEmptiesTheBuffer)
{
    select("index.htm");
    const QStringList expected { "About us", "####Title was empty####", "Home", "menu.js", "Mixed.htm", "nohead.htm",
        "style.css" };
    for (int i = 0; i < panel.fileCount(); ++i)
        EXPECT_EQ(panel.findAllTitles(i), expected[i]);
    EXPECT_EQ(panel.bufferText(), "");
}

TEST_F(NavigatorPanelTest, DeletingAFileAsksAndMovesItToTheTrash)
{
    prompter.expectMessage("Please select a file to delete.", Icon::Information, Prompter::Ok, Prompter::Ok);
    panel.deleteSelectedFile();

    select("nohead.htm");
    prompter.expectMessage("Send file: " + site.path("nohead.htm") + " to recycle bin?", Icon::Confirmation,
        Prompter::Yes | Prompter::No, Prompter::No);
    prompter.expectMessage("You cancelled the delete.", Icon::None, Prompter::Ok, Prompter::Ok);
    panel.deleteSelectedFile();
    EXPECT_TRUE(QFile::exists(site.path("nohead.htm")));

    shell.trashFails = true;
    prompter.expectMessage("Send file: " + site.path("nohead.htm") + " to recycle bin?", Icon::Confirmation,
        Prompter::Yes | Prompter::No, Prompter::Yes);
    prompter.expectMessage(
        "Could not move " + site.path("nohead.htm") + " to the trash.", Icon::Error, Prompter::Ok, Prompter::Ok);
    panel.deleteSelectedFile();
    EXPECT_TRUE(itemTexts(panel.fileList()).contains("nohead.htm"));

    shell.trashFails = false;
    prompter.expectMessage("Send file: " + site.path("nohead.htm") + " to recycle bin?", Icon::Confirmation,
        Prompter::Yes | Prompter::No, Prompter::Yes);
    press(panel.fileList(), Qt::Key_Delete);
    prompter.verify();
    EXPECT_FALSE(QFile::exists(site.path("nohead.htm")));
    EXPECT_EQ(shell.requests.last(), "trash " + site.path("nohead.htm"));
    EXPECT_EQ(panel.directory(), site.root);
    EXPECT_FALSE(itemTexts(panel.fileList()).contains("nohead.htm"));
}

TEST_F(NavigatorPanelTest, DeletingADirectoryMovesToItsParentAndRootsAreRefused)
{
    panel.setDirectory(site.path("sub"));
    prompter.expectMessage("Send directory: " + site.path("sub") + " to recycle bin?", Icon::Confirmation,
        Prompter::Yes | Prompter::No, Prompter::Yes);
    press(panel.directoryList(), Qt::Key_Delete);
    prompter.verify();
    EXPECT_FALSE(QFileInfo::exists(site.path("sub")));
    EXPECT_EQ(panel.directory(), site.root);
    EXPECT_FALSE(itemTexts(panel.directoryList()).contains(QString(site.root.count('/') * 2 + 2, ' ') + "sub"));

    panel.setDirectory("/");
    prompter.expectMessage("You cannot delete a root directory or drive.", Icon::None, Prompter::Ok, Prompter::Ok);
    panel.deleteSelectedDirectory();
    EXPECT_TRUE(shell.requests.size() == 1);
    EXPECT_TRUE(isVolumeRoot("/"));
    EXPECT_FALSE(isVolumeRoot(site.root));
}

TEST_F(NavigatorPanelTest, CreatingADirectory)
{
    const QString prompt = "Create a new subdirectory to " + site.root + "/ ?";
    prompter.expectInput(prompt, std::nullopt);
    prompter.expectMessage("You cancelled the operation.", Icon::None, Prompter::Ok, Prompter::Ok);
    panel.createNewDirectory();
    prompter.expectInput(prompt, QString());
    prompter.expectMessage("A subdirectory wasn't entered.", Icon::None, Prompter::Ok, Prompter::Ok);
    panel.createNewDirectory();
    prompter.expectInput(prompt, "missing/child");
    prompter.expectMessage("Cannot create " + site.path("missing/child"), Icon::Error, Prompter::Ok, Prompter::Ok);
    panel.createNewDirectory();
    prompter.expectInput(prompt, "new");
    press(panel.directoryList(), Qt::Key_Insert);
    prompter.verify();
    EXPECT_EQ(prompter.lastCaption(), "Type in a new sub-directory.");
    EXPECT_EQ(prompter.lastInputValue(), "");
    EXPECT_TRUE(QFileInfo(site.path("new")).isDir());
    const QString indent(site.root.count('/') * 2 + 2, ' ');
    EXPECT_TRUE(itemTexts(panel.directoryList()).contains(indent + "new"));
    prompter.expectInput(prompt, "sub"); // an existing directory is fine
    panel.createNewDirectory();
}

TEST_F(NavigatorPanelTest, FileHandlingWindowChangesExtensions)
{
    select("index.htm");
    auto* window = new FileHandlingWindow(panel, prompter);
    EXPECT_EQ(window->windowTitle(), "File Handling");
    FileList* files = window->browser()->fileList();
    EXPECT_EQ(itemTexts(files), QStringList({ "about.html", "empty-title.htm", "index.htm", "Mixed.htm", "nohead.htm" }));
    EXPECT_EQ(files->selectedFile(), site.path("index.htm"));
    EXPECT_EQ(window->extensionBox()->currentText(), ".html");

    window->changeExtension();
    EXPECT_TRUE(QFile::exists(site.path("index.html")));
    EXPECT_FALSE(QFile::exists(site.path("index.htm")));
    EXPECT_EQ(itemTexts(files), QStringList({ "about.html", "empty-title.htm", "index.html", "Mixed.htm", "nohead.htm" }));
    EXPECT_EQ(files->currentRow(), 2);

    // The name is taken: the file stays as it is.
    site.write("about.htm", "taken");
    files->refresh();
    files->setCurrentRow(1);
    ASSERT_EQ(files->selectedFile(), site.path("about.html"));
    window->extensionBox()->setCurrentIndex(0);
    prompter.expectMessage("Unable to create file. Perhaps a file with this extension already exists", Icon::Error,
        Prompter::Ok, Prompter::Ok);
    window->changeExtension();
    EXPECT_EQ(site.read("about.htm"), "taken");
    EXPECT_TRUE(QFile::exists(site.path("about.html")));
    EXPECT_EQ(files->currentRow(), 1);

    // A file gone from disk; the last row stays the last.
    files->setCurrentRow(files->count() - 1);
    QFile::remove(site.path("nohead.htm"));
    prompter.expectMessage("Please select a file.", Icon::None, Prompter::Ok, Prompter::Ok);
    window->changeExtension();
    EXPECT_EQ(files->currentRow(), files->count() - 1);
    EXPECT_EQ(files->count(), 5);

    QSignalSpy closed(window, &FileHandlingWindow::closed);
    window->close();
    EXPECT_EQ(closed.count(), 1);
}

// The rename and move with links are the site tools'; the window hands them its selected file.
TEST_F(NavigatorPanelTest, FileHandlingWindowOffersRenameAndMoveWithLinks)
{
    auto actions = std::make_shared<SiteFileActions>();
    QStringList asked;
    actions->renameWithLinks = [&](const QString& file) { asked << "rename " + file; };
    actions->moveWithLinks = [&](const QString& file) { asked << "move " + file; };
    select("index.htm");
    auto* window = new FileHandlingWindow(panel, prompter);
    window->offerSiteFileActions(actions);
    window->browser()->fileList()->setCurrentRow(0);
    QTest::mouseClick(window->findChild<QPushButton*>("renameWithLinksButton"), Qt::LeftButton);
    QTest::mouseClick(window->findChild<QPushButton*>("moveWithLinksButton"), Qt::LeftButton);
    EXPECT_EQ(asked, QStringList({ "rename " + site.path("about.html"), "move " + site.path("about.html") }));
    window->close();
}

} // namespace
