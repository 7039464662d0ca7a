#include "support/ListWidgets.h"
#include "sitetools/LinkRotWindow.h"
#include "sitetools/FixWindow.h"
#include "sitetools/PaneSearch.h"
#include "sitetools/SiteToolCommands.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "SiteWindowFixture.h"

namespace {

class LinkRotTest : public LinkRotFixture {
protected:
    void SetUp() override
    {
        copySite("linksite");
        LinkRotFixture::SetUp();
    }
    QString pane() const { return window->codePane()->text(); }
    QString paneSelection() const { return window->codePane()->selText(); }
};

TEST_F(LinkRotTest, OpensOnceAndComesBackWhenClosed)
{
    QAction* action = registry.action("a_findBrokenLinks");
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text(), "Find &Broken Links in Site ...");
    EXPECT_EQ(window->windowTitle(), "Link Rot - find broken links");
    EXPECT_FALSE(action->isEnabled());
    EXPECT_EQ(child<QSpinBox>(window, "fontSizeBox")->value(), 10);
    EXPECT_EQ(status->text(), "Broken Links");
    EXPECT_EQ(checkButton->text(), "Check Site");
    window->close();
    settle();
    EXPECT_TRUE(action->isEnabled());
    EXPECT_EQ(mainWindow.findChild<LinkRotWindow*>(), nullptr);
}

TEST_F(LinkRotTest, LoadsTheSiteSortedIgnoringCase)
{
    write("Zebra.HTM", "");
    write(".hidden/x.htm", "");
    chooseSite();
    EXPECT_EQ(child<QLineEdit>(window, "baseDirEdit")->text(), base);
    EXPECT_EQ(itemTexts(pages), (QStringList { "about.htm", "index.htm", "sub/news.html", "sub/page.htm", "Zebra.HTM" }));
    EXPECT_EQ(status->text(), "Broken links appear here.");
    EXPECT_EQ(checkButton->text(), "Start");
    EXPECT_TRUE(checkButton->isEnabled());

    prompter.expectDirectory("Select a Directory", top + "nowhere");
    prompter.expectMessage("Please select a VALID directory.", Icon::None, Prompter::Ok, Prompter::Ok);
    window->getDirectory();
    EXPECT_EQ(pages->count(), 5);

    prompter.expectDirectory("Select a Directory", std::nullopt);
    window->getDirectory();
    EXPECT_EQ(pages->count(), 5);
}

TEST_F(LinkRotTest, EnterInTheBaseBoxLoadsTheTypedDirectory)
{
    auto* edit = child<QLineEdit>(window, "baseDirEdit");
    edit->setText(base + "sub");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(edit->text(), base + "sub/");
    EXPECT_EQ(itemTexts(pages), (QStringList { "news.html", "page.htm" }));

    edit->clear();
    prompter.expectMessage("Please select a directory first.", Icon::None, Prompter::Ok, Prompter::Ok);
    QTest::keyClick(edit, Qt::Key_Return);
}

TEST_F(LinkRotTest, CheckSiteStopsAtBrokenLinksAndContinuesToTheEnd)
{
    chooseSite();
    window->checkSite();
    EXPECT_EQ(pages->currentRow(), 1);
    EXPECT_EQ(window->currentFile(), base + "index.htm");
    EXPECT_EQ(itemTexts(broken), (QStringList { "news.htm", "gone.htm", "about.html", "images/Logo.GIF" }));
    EXPECT_EQ(broken->currentRow(), 0);
    EXPECT_EQ(status->text(), "Broken links found on page");
    EXPECT_EQ(checkButton->text(), "Continue");
    EXPECT_EQ(pane(), QString::fromLatin1(read(base + "index.htm")));
    EXPECT_EQ(child<QProgressBar>(window, "pageProgress")->value(), 0);
    EXPECT_FALSE(window->cancelWindow()->isVisible());

    // A click selects the link in the pane, left button only.
    clickRow(broken, 2, Qt::RightButton);
    EXPECT_EQ(broken->currentRow(), 0);
    clickRow(broken, 2);
    EXPECT_EQ(paneSelection(), "about.html");
    EXPECT_TRUE(window->codePane()->hasFocus() || !window->isActiveWindow());

    prompter.expectMessage("Finished Checking.", Icon::Information, Prompter::Ok, Prompter::Ok);
    window->checkSite();
    EXPECT_EQ(pages->currentRow(), 0);
    EXPECT_EQ(checkButton->text(), "Check Site");
    // The pane holds the page the list shows.
    EXPECT_EQ(window->currentFile(), base + "about.htm");
    EXPECT_EQ(pane(), "<p>About us</p>\r\n");
    EXPECT_EQ(status->text(), "No broken links found on page");
    EXPECT_EQ(child<QProgressBar>(window, "pageProgress")->value(), 0);
    EXPECT_EQ(child<QProgressBar>(window, "linkProgress")->value(), 0);

    // Another site while the pane holds edits: they are saved or dropped first, and the pane
    // then holds no page of the old site.
    window->codePane()->setSelText("edited ");
    prompter.expectDirectory("Select a Directory", top + "site");
    prompter.expectMessage("File  has changed. Save now?", Icon::Confirmation, YNC, Prompter::Cancel);
    window->getDirectory();
    EXPECT_EQ(window->currentFile(), base + "about.htm");
    EXPECT_TRUE(pane().startsWith("edited "));
    prompter.expectDirectory("Select a Directory", top + "site");
    prompter.expectMessage("File  has changed. Save now?", Icon::Confirmation, YNC, Prompter::No);
    window->getDirectory();
    EXPECT_EQ(read(base + "about.htm"), "<p>About us</p>\r\n");
    EXPECT_EQ(window->currentFile(), "");
    EXPECT_EQ(pane(), "");
}

TEST_F(LinkRotTest, LeavingAChangedPageAsksToSave)
{
    chooseSite();
    clickRow(pages, 1);
    window->codePane()->setSelStart(0);
    window->codePane()->setSelText("X");
    EXPECT_TRUE(window->saveButtonRed());

    prompter.expectMessage("File  has changed. Save now?", Icon::Confirmation, YNC, Prompter::Cancel);
    clickRow(pages, 3);
    EXPECT_EQ(pages->currentRow(), 1);
    EXPECT_TRUE(pane().startsWith("X<p>"));

    prompter.expectMessage("File  has changed. Save now?", Icon::Confirmation, YNC, Prompter::Yes);
    clickRow(pages, 3);
    EXPECT_TRUE(read(base + "index.htm").startsWith("X<p>"));
    EXPECT_EQ(window->currentFile(), base + "sub/page.htm");
    EXPECT_FALSE(window->saveButtonRed());
    EXPECT_EQ(status->text(), "No broken links found on page");
}

// The finder's pane keeps the main editor's promises: a NUL, an encoding, another program's
// change and a failed save each stop the save and lose nothing.
TEST_F(LinkRotTest, ThePaneSavesAsSafelyAsTheMainEditor)
{
    constexpr auto YN = Prompter::Yes | Prompter::No;
    write("about.htm", QByteArray("<p>a</p>\0tail", 13));
    write("index.htm", "<p>caf\xE9</p>");
    chooseSite();
    clickRow(pages, 0);
    window->codePane()->setSelStart(0);
    window->codePane()->setSelText("X");
    prompter.expectMessage("Saving will cut the file at its first NUL byte (byte 8). Save anyway?", Icon::Warning,
        YN | Prompter::DefaultNo, Prompter::No);
    window->save();
    EXPECT_EQ(read(base + "about.htm"), QByteArray("<p>a</p>\0tail", 13));
    EXPECT_TRUE(window->saveButtonRed());

    prompter.expectMessage("File  has changed. Save now?", Icon::Confirmation, YNC, Prompter::No);
    clickRow(pages, 1);
    window->codePane()->setSelStart(0);
    window->codePane()->setSelText("\u03A9");
    prompter.expectMessage(base + "index.htm cannot be saved in Windows-1252. Save as UTF-8?", Icon::Confirmation, YN,
        Prompter::No);
    window->save();
    EXPECT_EQ(read(base + "index.htm"), "<p>caf\xE9</p>");
    window->codePane()->setSelStart(0);
    window->codePane()->setSelLength(1);
    window->codePane()->setSelText("\u00E9");
    window->save();
    EXPECT_EQ(read(base + "index.htm"), "\xE9<p>caf\xE9</p>");

    // Another program appends a line: saving over it asks first.
    write("index.htm", "\xE9<p>caf\xE9</p>\r\nappended");
    window->codePane()->setSelText("Y");
    prompter.expectMessage(base
            + "index.htm was changed by another program since it was loaded here.\r\nSave over the other program's "
              "changes?",
        Icon::Warning, YN | Prompter::DefaultNo, Prompter::No);
    window->save();
    EXPECT_EQ(read(base + "index.htm"), "\xE9<p>caf\xE9</p>\r\nappended");

    // A save that fails at the question of leaving the page ends the command: the edits stay.
    QFile::remove(base + "index.htm");
    QDir(base).mkdir("index.htm");
    prompter.expectMessage("File  has changed. Save now?", Icon::Confirmation, YNC, Prompter::Yes);
    prompter.expectMessage("Cannot create file \"" + base + "index.htm\". Filename refers to a directory", Icon::Error,
        Prompter::Ok, Prompter::Ok);
    clickRow(pages, 3);
    EXPECT_EQ(pages->currentRow(), 1);
    EXPECT_EQ(window->currentFile(), base + "index.htm");
    EXPECT_TRUE(pane().startsWith("\u00E9Y<p>"));
    QDir(base).rmdir("index.htm");
    window->codePane()->setModified(false);
}

TEST_F(LinkRotTest, CheckSiteAsksOnceAboutADroppedChange)
{
    write("index.htm", "<p>clean</p>");
    chooseSite();
    clickRow(pages, 0);
    window->codePane()->setSelText("X");
    prompter.expectMessage("File  has changed. Save now?", Icon::Confirmation, YNC, Prompter::No);
    prompter.expectMessage("Finished Checking.", Icon::Information, Prompter::Ok, Prompter::Ok);
    window->checkSite();
    EXPECT_EQ(pane(), "<p>About us</p>\r\n");
    EXPECT_FALSE(window->codePane()->isModified());
    EXPECT_EQ(read(base + "about.htm"), "<p>About us</p>\r\n");
}

TEST_F(LinkRotTest, AMissingPageIsReported)
{
    chooseSite();
    QFile::remove(base + "about.htm");
    prompter.expectMessage("This file no longer exists. \r\nPerhaps it was a temporary file.\r\nAnd I just deleted it.",
        Icon::None, Prompter::Ok, Prompter::Ok);
    clickRow(pages, 0);
    EXPECT_EQ(window->currentFile(), "");
    EXPECT_EQ(pane(), "");
}

TEST_F(LinkRotTest, CancelStopsTheCheckAndKeepsTheWindowUsable)
{
    chooseSite();
    // Pressed at the first check point.
    QTimer::singleShot(0, window->cancelWindow()->cancelButton(), &QPushButton::click);
    window->checkSite();
    EXPECT_FALSE(window->cancelWindow()->isVisible());
    EXPECT_EQ(child<QProgressBar>(window, "pageProgress")->value(), 0);
    EXPECT_EQ(child<QProgressBar>(window, "linkProgress")->value(), 0);
    EXPECT_FALSE(window->isBusy());
    EXPECT_TRUE(pages->isEnabled());
    // The pane holds the page it stopped in, named in the current file box.
    ASSERT_GE(pages->currentRow(), 0);
    EXPECT_EQ(window->currentFile(), base + itemTexts(pages)[pages->currentRow()]);
}

TEST_F(LinkRotTest, ClosingDuringACheckStopsItFirst)
{
    chooseSite();
    QTimer::singleShot(0, window, &QWidget::close);
    window->checkSite();
    settle();
    EXPECT_EQ(mainWindow.findChild<LinkRotWindow*>(), nullptr);
    EXPECT_TRUE(registry.action("a_findBrokenLinks")->isEnabled());
}

TEST_F(LinkRotTest, AllLinksInOneQuotingStyle)
{
    chooseSite();
    clickRow(pages, 1);
    window->codePane()->setSelStart(0);
    window->codePane()->setSelText("<a href='b.htm'>");
    window->findAllLinks();
    EXPECT_EQ(status->text(), "All links on this page.");
    EXPECT_EQ(itemTexts(broken), (QStringList { "about.html", "news.htm", "gone.htm" }));
    // The text changed since: a click finds the broken links again first.
    window->codePane()->setSelStart(0);
    window->codePane()->setSelText(" ");
    clickRow(broken, 0);
    EXPECT_EQ(itemTexts(broken), (QStringList { "news.htm", "gone.htm", "about.html", "images/Logo.GIF" }));
    EXPECT_EQ(paneSelection(), "news.htm");
}

TEST_F(LinkRotTest, BrokenLinksMenuNeedsBrokenLinks)
{
    chooseSite();
    prompter.expectMessage("Please find some broken links first", Icon::None, Prompter::Ok, Prompter::Ok);
    window->prepareBrokenLinksMenu();
    EXPECT_FALSE(window->fixAction()->isEnabled());
    clickRow(pages, 1);
    window->prepareBrokenLinksMenu();
    EXPECT_TRUE(window->fixAction()->isEnabled());
}

TEST_F(LinkRotTest, OpenAddsThePageAndSaveAsWritesElsewhere)
{
    chooseSite();
    write("../other.htm", "<a href=\"site/about.htm\"> <a href=\"x.htm\">");
    prompter.expectOpenFile("Choose a file in your site directory to check for broken links", std::nullopt);
    window->openPage();
    EXPECT_EQ(pages->count(), 4);

    prompter.expectOpenFile("Choose a file in your site directory to check for broken links", top + "other.htm");
    window->openPage();
    EXPECT_EQ(prompter.lastFileDialog().filter, "Internet Files|*.htm*|All Files|*.*");
    EXPECT_EQ(
        itemTexts(pages), (QStringList { "../other.htm", "about.htm", "index.htm", "sub/news.html", "sub/page.htm" }));
    EXPECT_EQ(pages->currentRow(), 0);
    EXPECT_EQ(itemTexts(broken), QStringList { "x.htm" });

    prompter.expectSaveFile("Save File As ...", top + "copy.htm");
    window->saveAs();
    EXPECT_EQ(window->currentFile(), top + "copy.htm");
    EXPECT_EQ(read(top + "copy.htm"), "<a href=\"site/about.htm\"> <a href=\"x.htm\">");
}

TEST_F(LinkRotTest, ViewerTabShowsThePaneThroughATemporaryPage)
{
    chooseSite();
    clickRow(pages, 1);
    window->codePane()->setSelStart(0);
    window->codePane()->setSelText("<b>edited</b>");
    auto* tabs = child<QTabWidget>(window, "pages");
    tabs->setCurrentIndex(1);
    // After the line that marks the page as the program's own.
    EXPECT_TRUE(read(base + "1view.htm").startsWith("<!-- Pelorin95 temporary page"));
    EXPECT_TRUE(read(base + "1view.htm").contains("-->\r\n<b>edited</b><p>"));
    EXPECT_EQ(child<QLineEdit>(window, "viewerAddressEdit")->text(), "Temp view of " + base + "index.htm");
    auto* browser = window->findChild<FakeBrowserView*>();
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->navigations, QStringList { base + "1view.htm" });
    tabs->setCurrentIndex(0);
    EXPECT_FALSE(QFile::exists(base + "1view.htm"));
    EXPECT_FALSE(read(base + "index.htm").startsWith("<b>"));
    prompter.expectMessage("File  has changed. Save now?", Icon::Confirmation, YNC, Prompter::No);
    window->close();
}

TEST_F(LinkRotTest, FindAndReplaceInThePane)
{
    chooseSite();
    clickRow(pages, 1);
    auto* search = window->findChild<PaneSearch*>();
    ASSERT_NE(search, nullptr);
    window->codePane()->setSelStart(0);
    search->openReplace();
    search->setFindText("href");
    search->setReplaceText("HREF");
    search->setMatchCase(true);
    prompter.expectMessage("End of the page. 3 occurrences.\r\nShall I go to the start?", Icon::Confirmation,
        Prompter::Yes | Prompter::No, Prompter::No);
    search->replaceAll();
    EXPECT_EQ(pane().count("HREF"), 3);
    EXPECT_EQ(window->codePane()->selStart(), 0);

    search->openFind();
    search->setFindText("p");
    search->setWholeWord(true);
    EXPECT_TRUE(search->findNext());
    EXPECT_EQ(window->codePane()->selStart(), 1);
    EXPECT_TRUE(search->findNext());
    prompter.expectMessage("End of the page. 2 occurrences.\r\nShall I go to the start?", Icon::Confirmation,
        Prompter::Yes | Prompter::No, Prompter::Yes);
    EXPECT_FALSE(search->findNext());
    EXPECT_EQ(window->codePane()->selStart(), 0);
    prompter.expectMessage("File  has changed. Save now?", Icon::Confirmation, YNC, Prompter::No);
    window->close();
}

// ---- The fix dialog

class FixWindowTest : public LinkRotTest {
protected:
    // The dialog closes itself when no broken link is left; its controls go with it.
    QPointer<FixWindow> fix;
    QListWidget* fixBroken = nullptr;
    QListWidget* suggested = nullptr;
    QLineEdit* fixEdit = nullptr;

    void openFix()
    {
        chooseSite();
        clickRow(pages, 1);
        window->fixAction()->trigger();
        fix = window->fixWindow();
        ASSERT_NE(fix, nullptr);
        ASSERT_NE(fixBroken = child<QListWidget>(fix, "brokenLinksList"), nullptr);
        ASSERT_NE(suggested = child<QListWidget>(fix, "suggestedList"), nullptr);
        ASSERT_NE(fixEdit = child<QLineEdit>(fix, "fixEdit"), nullptr);
    }
    bool fixOpen() const { return fix && fix->isVisible(); }
};

TEST_F(FixWindowTest, SuggestsChangesAndClosesWhenNothingIsLeft)
{
    ASSERT_NO_FATAL_FAILURE(openFix());
    EXPECT_EQ(fix->windowTitle(), "Fix Broken Links");
    EXPECT_TRUE(fix->isModal());
    EXPECT_FALSE(window->fixAction()->isEnabled());
    EXPECT_EQ(itemTexts(fixBroken), (QStringList { "news.htm", "gone.htm", "about.html", "images/Logo.GIF" }));
    EXPECT_EQ(fixBroken->currentRow(), 0);
    EXPECT_EQ(itemTexts(suggested), QStringList { "sub/news.html" });
    EXPECT_EQ(fixEdit->text(), "sub/news.html");
    EXPECT_EQ(paneSelection(), "news.htm");

    // No suggestion for gone.htm: nothing changes.
    clickRow(fixBroken, 1);
    EXPECT_TRUE(suggested->count() == 0 && fixEdit->text().isEmpty());
    EXPECT_EQ(paneSelection(), "gone.htm");
    prompter.expectMessage("No link was changed. If you expected a link to change, then perhaps you forgot to "
                           "select a suggested link.",
        Icon::None, Prompter::Ok, Prompter::Ok);
    child<QPushButton>(fix, "changeLinkButton")->click();
    ASSERT_TRUE(fixOpen());

    // The third of four: after the change the third place shows what was the fourth.
    clickRow(fixBroken, 2);
    EXPECT_EQ(fixEdit->text(), "about.htm");
    QTest::keyClick(fixEdit, Qt::Key_Return);
    ASSERT_TRUE(fixOpen());
    EXPECT_EQ(itemTexts(fixBroken), (QStringList { "news.htm", "gone.htm", "images/Logo.GIF" }));
    EXPECT_EQ(fixBroken->currentRow(), 2);
    EXPECT_EQ(fixEdit->text(), "images/logo.gif");
    EXPECT_EQ(paneSelection(), "images/Logo.GIF");

    // A double-click on a suggestion changes the link too.
    QListWidgetItem* item = suggested->item(0);
    ASSERT_NE(item, nullptr);
    int doubles = 0;
    QObject::connect(suggested, &QListWidget::itemDoubleClicked, [&] { ++doubles; });
    QTest::mouseClick(suggested->viewport(), Qt::LeftButton, {}, suggested->visualItemRect(item).center());
    QTest::mouseDClick(suggested->viewport(), Qt::LeftButton, {}, suggested->visualItemRect(item).center());
    EXPECT_EQ(doubles, 1);
    ASSERT_TRUE(fixOpen());
    EXPECT_EQ(itemTexts(fixBroken), (QStringList { "news.htm", "gone.htm" }));
    EXPECT_EQ(fixBroken->currentRow(), 0);

    child<QPushButton>(fix, "changeLinkButton")->click();
    ASSERT_TRUE(fixOpen());
    EXPECT_EQ(itemTexts(fixBroken), QStringList { "gone.htm" });

    // Browsing fixes the link at once; nothing is left, so the dialog closes.
    prompter.expectOpenFile("Find the correct file", base + "sub/page.htm");
    child<QPushButton>(fix, "browseButton")->click();
    settle();
    EXPECT_EQ(window->fixWindow(), nullptr);
    EXPECT_TRUE(window->fixAction()->isEnabled());
    EXPECT_TRUE(broken->count() == 0);
    const QString fixed = "<p><a href=\"about.htm\">About</a>\r\n<a href=\"sub/news.html\">News</a>\r\n<img "
                          "src=\"images/logo.gif\">\r\n<a href=\"sub/page.htm\">Gone</a></p>\r\n";
    EXPECT_EQ(pane(), fixed);

    // Nothing was written until the user saves.
    EXPECT_EQ(read(base + "index.htm"),
        QByteArray(R"(<p><a href="about.html">About</a>)") + "\r\n" + R"(<a href="news.htm">News</a>)" + "\r\n"
            + R"(<img src="images/Logo.GIF">)" + "\r\n" + R"(<a href="gone.htm">Gone</a></p>)" + "\r\n");
    prompter.expectMessage("File  has changed. Save now?", Icon::Confirmation, YNC, Prompter::Yes);
    window->close();
    EXPECT_EQ(QString::fromLatin1(read(base + "index.htm")), fixed);
}

TEST_F(FixWindowTest, BrowseWithNothingToFixAndEscapeCloses)
{
    ASSERT_NO_FATAL_FAILURE(openFix());
    QTest::keyClick(fix, Qt::Key_Escape);
    settle();
    EXPECT_EQ(window->fixWindow(), nullptr);
    EXPECT_TRUE(window->fixAction()->isEnabled());

    window->fixAction()->trigger();
    fix = window->fixWindow();
    ASSERT_NE(fix, nullptr);
    prompter.expectOpenFile("Find the correct file", std::nullopt);
    child<QPushButton>(fix, "browseButton")->click();
    ASSERT_NE(window->fixWindow(), nullptr);
    fix->close();
    settle();
    EXPECT_EQ(window->fixWindow(), nullptr);
}

} // namespace
