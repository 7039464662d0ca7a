#include "sitetools/FindInSiteWindow.h"
#include "sitetools/SiteChangeCommands.h"
#include "sitetools/SiteChangeWindow.h"

#include "platform/AppDirs.h"
#include "shared/SiteFileActions.h"

#include "SiteWindowFixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {

class SiteChangeWindowTest : public SiteWindowFixture {
protected:
    SiteChangeWindowTest()
    {
        QDir(SiteChangeStore::journalDirectory()).removeRecursively();
        QFile::remove(AppDirs::settingsFile("sitebase.plr"));
        context.siteFiles = std::make_shared<SiteFileActions>();
        context.siteFiles->filesChanged = [this] { ++filesChanged; };
        context.saveIfModified = [this] { return saveAnswer; };
        context.loadFile = [this](const QString& name) {
            editor.loadFromFile(name);
            documentName = name;
        };
        registerSiteChangeCommands(context);
        write("index.htm", "<a href=\"a.htm\">a</a>\r\n<a href=\"a.htm#x\">x</a>\r\n");
        write("sub/page.htm", "<a href=\"../a.htm\">a</a> <img src='../a.htm'>\n");
        write("a.htm", "<a href=\"sub/page.htm\">back</a>\r\n");
    }
    SiteChangeWindow* changeWindow() { return mainWindow.findChild<SiteChangeWindow*>(); }
    QStringList row(QTreeWidget* list, int r)
    {
        QStringList texts;
        for (int c = 0; c < list->columnCount(); ++c)
            texts << list->topLevelItem(r)->text(c);
        return texts;
    }
    void openDocument(const QString& name)
    {
        editor.loadFromFile(base + name);
        documentName = base + name;
    }

    int filesChanged = 0;
    bool saveAnswer = true;
};

TEST_F(SiteChangeWindowTest, RenameListsTheChangesAndAppliesTheCheckedOnes)
{
    context.siteFiles->renameWithLinks(base + "a.htm");
    SiteChangeWindow* window = changeWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isWindow());
    EXPECT_EQ(window->parentWidget(), &mainWindow);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(window->windowTitle(), "Rename and Update Links - " + QDir::toNativeSeparators(base + "a.htm"));
    EXPECT_EQ(window->newNameEdit()->text(), "a.htm");
    EXPECT_EQ(window->siteBaseEdit()->text(), QDir::toNativeSeparators(base));

    window->newNameEdit()->setText("b.htm");
    // Apply lists first: nothing is written before the list was shown.
    window->apply();
    EXPECT_TRUE(QFileInfo::exists(base + "a.htm"));
    QTreeWidget* list = window->changeList();
    ASSERT_EQ(list->topLevelItemCount(), 4);
    EXPECT_EQ(row(list, 0), QStringList({ "index.htm", "1", "a.htm", "b.htm" }));
    EXPECT_EQ(row(list, 1), QStringList({ "index.htm", "2", "a.htm#x", "b.htm#x" }));
    EXPECT_EQ(row(list, 2), QStringList({ QDir::toNativeSeparators("sub/page.htm"), "1", "../a.htm", "../b.htm" }));
    EXPECT_EQ(window->summaryLabel()->text(), "4 changes in 2 pages; a.htm becomes b.htm.");
    list->topLevelItem(1)->setCheckState(0, Qt::Unchecked);

    window->apply();
    settle();
    EXPECT_EQ(changeWindow(), nullptr);
    EXPECT_EQ(read(base + "index.htm"), "<a href=\"b.htm\">a</a>\r\n<a href=\"a.htm#x\">x</a>\r\n");
    EXPECT_EQ(read(base + "sub/page.htm"), "<a href=\"../b.htm\">a</a> <img src='../b.htm'>\n");
    EXPECT_TRUE(QFileInfo::exists(base + "b.htm"));
    EXPECT_EQ(filesChanged, 1);

    // Undo, even after a restart: the journal is in the settings directory.
    EXPECT_TRUE(registry.run("a_undoSiteChange"));
    EXPECT_EQ(read(base + "index.htm"), "<a href=\"a.htm\">a</a>\r\n<a href=\"a.htm#x\">x</a>\r\n");
    EXPECT_EQ(read(base + "a.htm"), "<a href=\"sub/page.htm\">back</a>\r\n");
    EXPECT_FALSE(QFileInfo::exists(base + "b.htm"));
    prompter.expectMessage(SiteChangeTexts::kNothingToUndo, Icon::Information, Prompter::Ok, Prompter::Ok);
    EXPECT_TRUE(registry.run("a_undoSiteChange"));
}

TEST_F(SiteChangeWindowTest, ThePageOpenInTheEditorChangesThroughTheEditorInOneUndoStep)
{
    openDocument("index.htm");
    editor.setSelStart(0);
    editor.setSelText("<p>typed</p>\r\n");
    const QString typed = editor.text();
    context.siteFiles->moveWithLinks(base + "a.htm");
    SiteChangeWindow* window = changeWindow();
    window->targetDirectoryEdit()->setText(QDir::toNativeSeparators(base + "sub"));
    window->showChanges();
    EXPECT_EQ(row(window->changeList(), 0), QStringList({ "a.htm", "1", "sub/page.htm", "page.htm" }));
    EXPECT_EQ(row(window->changeList(), 1), QStringList({ "index.htm", "2", "a.htm", "sub/a.htm" }));
    window->apply();

    EXPECT_EQ(editor.text(), "<p>typed</p>\r\n<a href=\"sub/a.htm\">a</a>\r\n<a href=\"sub/a.htm#x\">x</a>\r\n");
    EXPECT_EQ(read(base + "index.htm"), "<a href=\"a.htm\">a</a>\r\n<a href=\"a.htm#x\">x</a>\r\n");
    // The moved page's own link follows it, the page beside it changes on disk.
    EXPECT_EQ(read(base + "sub/a.htm"), "<a href=\"page.htm\">back</a>\r\n");
    EXPECT_EQ(read(base + "sub/page.htm"), "<a href=\"a.htm\">a</a> <img src='a.htm'>\n");
    editor.undo();
    EXPECT_EQ(editor.text(), typed);
    editor.redo();

    EXPECT_TRUE(registry.run("a_undoSiteChange"));
    EXPECT_EQ(editor.text(), typed);
    EXPECT_EQ(read(base + "sub/page.htm"), "<a href=\"../a.htm\">a</a> <img src='../a.htm'>\n");
    EXPECT_TRUE(QFileInfo::exists(base + "a.htm"));
}

TEST_F(SiteChangeWindowTest, RefusalsAndChangesSinceAreSaidAndNothingIsTouched)
{
    write("b.htm", "");
    context.siteFiles->renameWithLinks(base + "a.htm");
    SiteChangeWindow* window = changeWindow();
    window->newNameEdit()->setText("b.htm");
    prompter.expectMessage(SiteChangeTexts::kExists.arg(QDir::toNativeSeparators(base + "b.htm")), Icon::Error,
        Prompter::Ok, Prompter::Ok);
    QTest::mouseClick(window->findChild<QPushButton*>("showChangesButton"), Qt::LeftButton);
    window->newNameEdit()->setText("sub/c.htm");
    prompter.expectMessage(SiteChangeWindow::kNameWithDirectory, Icon::Warning, Prompter::Ok, Prompter::Ok);
    window->showChanges();
    prompter.verify();

    window->newNameEdit()->setText("c.htm");
    window->showChanges();
    window->apply();
    write("sub/page.htm", "changed by hand");
    prompter.expectMessage(
        SiteChangeTexts::kUndoChangedSince.arg(QDir::toNativeSeparators(base + "sub/page.htm")), Icon::Warning,
        Prompter::Ok, Prompter::Ok);
    EXPECT_TRUE(registry.run("a_undoSiteChange"));
    EXPECT_TRUE(QFileInfo::exists(base + "c.htm"));
    EXPECT_EQ(read(base + "index.htm"), "<a href=\"c.htm\">a</a>\r\n<a href=\"c.htm#x\">x</a>\r\n");
}

TEST_F(SiteChangeWindowTest, FindInSiteListsMatchesOpensThemAndReplacesAll)
{
    auto* window = openWindow<FindInSiteWindow>("a_findInSite");
    EXPECT_FALSE(registry.action("a_findInSite")->isEnabled());
    EXPECT_EQ(window->parentWidget(), &mainWindow);
    window->siteBaseEdit()->setText(QDir::toNativeSeparators(base));
    window->findEdit()->setText("href");
    ASSERT_TRUE(window->find());
    QTreeWidget* results = window->resultsList();
    ASSERT_EQ(results->topLevelItemCount(), 4);
    EXPECT_EQ(row(results, 2), QStringList({ "index.htm", "2", "4", "<a \u00ABhref\u00BB=\"a.htm#x\">x</a>" }));
    EXPECT_EQ(window->summaryLabel()->text(), "4 matches in 3 files.");

    // A double click opens the page at the match, after the save question.
    openDocument("a.htm");
    saveAnswer = false;
    window->openMatch(2);
    EXPECT_EQ(documentName, base + "a.htm");
    saveAnswer = true;
    window->openMatch(2);
    EXPECT_EQ(documentName, base + "index.htm");
    EXPECT_EQ(editor.selText(), "href");
    EXPECT_EQ(editor.selStart(), 26);

    window->replaceEdit()->setText("HREF");
    window->matchCaseBox()->setChecked(true);
    window->replaceAll();
    SiteChangeWindow* changes = changeWindow();
    ASSERT_NE(changes, nullptr);
    EXPECT_EQ(changes->windowTitle(), "Replace All");
    ASSERT_EQ(changes->changeList()->topLevelItemCount(), 4);
    changes->apply();
    EXPECT_EQ(editor.text(), "<a HREF=\"a.htm\">a</a>\r\n<a HREF=\"a.htm#x\">x</a>\r\n");
    EXPECT_EQ(read(base + "a.htm"), "<a HREF=\"sub/page.htm\">back</a>\r\n");

    EXPECT_TRUE(registry.run("a_undoSiteChange"));
    EXPECT_EQ(read(base + "a.htm"), "<a href=\"sub/page.htm\">back</a>\r\n");
    EXPECT_EQ(editor.text(), "<a href=\"a.htm\">a</a>\r\n<a href=\"a.htm#x\">x</a>\r\n");

    prompter.expectMessage("Type what to find.", Icon::Warning, Prompter::Ok, Prompter::Ok);
    window->findEdit()->clear();
    EXPECT_FALSE(window->find());
}

} // namespace
