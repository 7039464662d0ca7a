#include "support/ListWidgets.h"
#include "sitetools/RubbishWindow.h"
#include "sitetools/AltTextWindow.h"
#include "sitetools/RubbishOperationsWindow.h"
#include "sitetools/SiteToolCommands.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "SiteWindowFixture.h"

namespace {

class RubbishTest : public SiteWindowFixture {
protected:
    RubbishWindow* window = nullptr;
    QListWidget* orphans = nullptr;
    QLabel* label = nullptr;

    void SetUp() override
    {
        write("index.htm", "<a href=\"a.htm\">A</a> <a href=\"sub/c.htm\">C</a>");
        write("a.htm", "<img src=\"images/Logo.gif\">");
        write("b.htm", "");
        write("pic.gif", "GIF89a");
        write("images/logo.gif", "GIF89a");
        write("x.Css", "");
        write("y.css", "");
        write("sub/c.htm", "<img src=\"../pic.gif\">");
        registerSiteToolCommands(context);
        window = openWindow<RubbishWindow>("a_findOrphans");
        ASSERT_NE(window, nullptr);
        window->checkPoints().setInterval(0);
        orphans = child<QListWidget>(window, "orphansList");
        label = child<QLabel>(window, "orphansLabel");
    }
    void TearDown() override { prompter.verify(); }

    void chooseSite()
    {
        prompter.expectDirectory("Select a Directory", top + "site");
        window->getDirectory();
        EXPECT_EQ(prompter.lastOwner(), window);
    }
    // The orphans of the site found, and the move dialog opened on them with no moves remembered.
    RubbishOperationsWindow* openMoveDialog()
    {
        QFile::remove(RubbishOperationsWindow::moveLogFile());
        chooseSite();
        window->start();
        window->moveAction()->trigger();
        return window->operationsWindow();
    }
    QStringList orphanNames() const
    {
        QStringList names;
        for (const QString& path : itemTexts(orphans))
            names << path.mid(base.size());
        names.sort();
        return names;
    }
};

TEST_F(RubbishTest, FindsTheOrphansOfASite)
{
    EXPECT_EQ(window->windowTitle(), "Dorvane's Find Orphans - (Rubbish)");
    EXPECT_EQ(registry.action("a_findOrphans")->text(), "Find &Orphans in Site ...");
    EXPECT_FALSE(registry.action("a_findOrphans")->isEnabled());
    EXPECT_EQ(label->text(), "Orphans");
    chooseSite();
    EXPECT_EQ(label->text(), "Orphans found: 0");
    EXPECT_EQ(child<QLabel>(window, "sitePagesLabel")->text(), "Site files: 4");
    EXPECT_FALSE(child<QLabel>(window, "busyLabel")->isVisible());

    child<QPushButton>(window, "startButton")->click();
    EXPECT_EQ(orphanNames(), (QStringList { "b.htm", "images/logo.gif", "index.htm", "x.Css" }));
    EXPECT_EQ(label->text(), "Orphans found.");
    EXPECT_FALSE(child<QProgressBar>(window, "gauge")->isVisible());
    EXPECT_TRUE(child<QPushButton>(window, "startButton")->isEnabled());
    EXPECT_TRUE(window->isIdle());
    EXPECT_FALSE(window->cancelWindow()->isVisible());
    EXPECT_EQ(window->cancelWindow()->windowTitle(), "Processing ...");

    // A picture shows as an IMG tag, so that the viewer shows it.
    const int picture = itemTexts(orphans).indexOf(base + "images/logo.gif");
    clickRow(orphans, picture);
    const QString tag = "<img src=\"" + base + "images/logo.gif\">";
    EXPECT_EQ(window->findChild<CodeEditor*>("codePane")->text(), tag);
    EXPECT_EQ(child<QLineEdit>(window, "currentFileEdit")->text(), base + "images/logo.gif");
    QTest::keyClick(window, Qt::Key_F9);
    EXPECT_EQ(child<QTabWidget>(window, "pages")->currentIndex(), 1);
    EXPECT_TRUE(QString::fromLatin1(read(base + "images/1view.htm")).endsWith("-->\r\n" + tag));
    child<QTabWidget>(window, "pages")->setCurrentIndex(0);
    EXPECT_FALSE(QFile::exists(base + "images/1view.htm"));

    clickRow(child<QListWidget>(window, "sitePagesList"),
        itemTexts(child<QListWidget>(window, "sitePagesList")).indexOf("b.htm"));
    EXPECT_EQ(child<QLineEdit>(window, "currentFileEdit")->text(), base + "b.htm");

    QFile::remove(base + "b.htm");
    prompter.expectMessage(
        "File no longer exists. Perhaps it was a temporary file.", Icon::None, Prompter::Ok, Prompter::Ok);
    clickRow(orphans, itemTexts(orphans).indexOf(base + "b.htm"));

    window->close();
    settle();
    EXPECT_TRUE(registry.action("a_findOrphans")->isEnabled());
}

TEST_F(RubbishTest, DirectoryChoicesAndMissingBase)
{
    prompter.expectMessage("Please select a base directory first.", Icon::None, Prompter::Ok, Prompter::Ok);
    window->start();
    EXPECT_TRUE(window->isIdle());

    // Cancelling the chooser reloads the current base, or asks for one.
    prompter.expectDirectory("Select a Directory", std::nullopt);
    prompter.expectMessage("Please select a directory first.", Icon::None, Prompter::Ok, Prompter::Ok);
    window->getDirectory();
    chooseSite();
    write("new.htm", "");
    prompter.expectDirectory("Select a Directory", std::nullopt);
    window->getDirectory();
    EXPECT_EQ(child<QLabel>(window, "sitePagesLabel")->text(), "Site files: 5");

    prompter.expectDirectory("Select a Directory", top + "nowhere");
    prompter.expectMessage("Please select a VALID directory.", Icon::None, Prompter::Ok, Prompter::Ok);
    window->getDirectory();
    EXPECT_TRUE(child<QPushButton>(window, "startButton")->isEnabled());
}

TEST_F(RubbishTest, CancelDuringThePagesStopsWithAMessage)
{
    chooseSite();
    auto* current = child<QLineEdit>(window, "currentFileEdit");
    bool pressed = false;
    QObject::connect(current, &QLineEdit::textChanged, [&](const QString& text) {
        if (text.isEmpty() || pressed) return;
        pressed = true;
        // Closing is refused while the scan runs.
        prompter.expectMessage(
            "Please stop the current operation before exiting.", Icon::Warning, Prompter::Ok, Prompter::Ok);
        window->close();
        window->cancelWindow()->cancelButton()->click();
        prompter.expectMessage("Action stopped by user.", Icon::None, Prompter::Ok, Prompter::Ok);
    });
    window->codePane()->setText("<img src=\"another site's picture\">");
    window->start();
    EXPECT_TRUE(pressed);
    EXPECT_EQ(orphans->count(), 0);
    // The name box names no page the pane does not hold.
    EXPECT_EQ(current->text(), "");
    EXPECT_EQ(window->codePane()->text(), "");
    EXPECT_TRUE(child<QPushButton>(window, "startButton")->isEnabled());
    EXPECT_TRUE(window->isIdle());
    window->close();
    settle();
    EXPECT_EQ(mainWindow.findChild<RubbishWindow*>(), nullptr);
}

TEST_F(RubbishTest, MoveAllAndMoveSelected)
{
    chooseSite();
    window->start();
    ASSERT_EQ(orphans->count(), 4);
    orphans->setCurrentRow(1);
    window->moveAction()->trigger();
    RubbishOperationsWindow* operations = window->operationsWindow();
    ASSERT_NE(operations, nullptr);
    EXPECT_EQ(operations->windowTitle(), "Remove orphans. ");
    EXPECT_FALSE(window->moveAction()->isEnabled());
    QListWidget* list = operations->orphansList();
    EXPECT_EQ(itemTexts(list), itemTexts(orphans));
    EXPECT_EQ(operations->selectedNameEdit()->text(), itemTexts(orphans)[1]);

    prompter.expectMessage(
        "Shall I move all orphan files", Icon::Confirmation, Prompter::Yes | Prompter::No, Prompter::No);
    child<QPushButton>(operations, "moveAllButton")->click();
    ASSERT_EQ(list->count(), 4);
    EXPECT_TRUE(QFile::exists(base + "b.htm"));

    // Two selected of four: two move, two are left in both lists.
    list->clearSelection();
    clickRow(list, 0);
    clickRow(list, 2, Qt::LeftButton, Qt::ControlModifier);
    const QStringList moved { itemTexts(list)[0], itemTexts(list)[2] };
    child<QPushButton>(operations, "moveSelectedButton")->click();
    for (const QString& path : moved) {
        EXPECT_FALSE(QFile::exists(path));
        EXPECT_TRUE(QFile::exists(top + "siteRubbish/" + path.mid(base.size()))) << path.toStdString();
    }
    ASSERT_EQ(list->count(), 2);

    // A file of that name waiting in the Rubbish directory: nothing is overwritten.
    const QString waiting = itemTexts(list)[0];
    const QString target = top + "siteRubbish/" + waiting.mid(base.size());
    QDir().mkpath(QFileInfo(target).path());
    QFile(target).open(QIODevice::WriteOnly);
    prompter.expectMessage(
        "Shall I move all orphan files", Icon::Confirmation, Prompter::Yes | Prompter::No, Prompter::Yes);
    prompter.expectMessage(
        "Cannot move file \"" + waiting + "\" to \"" + target + "\". A file of that name is already there.",
        Icon::Error, Prompter::Ok, Prompter::Ok);
    child<QPushButton>(operations, "moveAllButton")->click();
    EXPECT_EQ(list->count(), 2);
    QFile::remove(target);

    prompter.expectMessage(
        "Shall I move all orphan files", Icon::Confirmation, Prompter::Yes | Prompter::No, Prompter::Yes);
    child<QPushButton>(operations, "moveAllButton")->click();
    EXPECT_EQ(list->count(), 0);
    EXPECT_EQ(orphans->count(), 0);
    QTest::keyClick(operations, Qt::Key_Escape);
    settle();
    EXPECT_EQ(window->operationsWindow(), nullptr);
    EXPECT_TRUE(window->moveAction()->isEnabled());
}

TEST_F(RubbishTest, ClosingTheMoveDialogHandsTheListBack)
{
    chooseSite();
    window->start();
    window->moveAction()->trigger();
    RubbishOperationsWindow* operations = window->operationsWindow();
    ASSERT_NE(operations, nullptr);
    ASSERT_EQ(orphans->count(), 4);
    clickRow(operations->orphansList(), 3);
    EXPECT_EQ(operations->selectedNameEdit()->text(), itemTexts(orphans)[3]);
    child<QPushButton>(operations, "moveSelectedButton")->click();
    operations->close();
    settle();
    EXPECT_EQ(orphans->count(), 3);
}

TEST_F(RubbishTest, RememberedMovesAreRestored)
{
    RubbishOperationsWindow* operations = openMoveDialog();
    ASSERT_NE(operations, nullptr);
    EXPECT_FALSE(operations->rememberMovesBox()->isChecked());
    EXPECT_FALSE(operations->restoreButton()->isEnabled());
    operations->rememberMovesBox()->setChecked(true);
    const QStringList all = itemTexts(operations->orphansList());
    prompter.expectMessage(
        "Shall I move all orphan files", Icon::Confirmation, Prompter::Yes | Prompter::No, Prompter::Yes);
    child<QPushButton>(operations, "moveAllButton")->click();
    EXPECT_TRUE(operations->restoreButton()->isEnabled());
    write("b.htm", "taken");

    prompter.expectMessage("Files moved back: 3.\r\nFiles left in the Rubbish directory, their places being taken: 1.",
        Icon::Information, Prompter::Ok, Prompter::Ok);
    operations->restoreButton()->click();
    for (const QString& path : all)
        EXPECT_TRUE(QFile::exists(path)) << path.toStdString();
    EXPECT_EQ(read(base + "b.htm"), "taken");
    EXPECT_TRUE(QFile::exists(top + "siteRubbish/b.htm"));
    EXPECT_EQ(operations->orphansList()->count(), 3);
    operations->close();
    settle();
    EXPECT_EQ(orphans->count(), 3);
    QFile::remove(RubbishOperationsWindow::moveLogFile());
}

// A Move All that fails half way: what moved leaves the list, so a restore lists it once.
TEST_F(RubbishTest, AMoveAllThatFailsHalfWayListsEachOrphanOnceAfterARestore)
{
    RubbishOperationsWindow* operations = openMoveDialog();
    ASSERT_NE(operations, nullptr);
    operations->rememberMovesBox()->setChecked(true);
    QListWidget* list = operations->orphansList();
    const QStringList all = itemTexts(list);
    ASSERT_EQ(all.size(), 4);
    const QString blocked = top + "siteRubbish/" + all[1].mid(base.size());
    QDir().mkpath(QFileInfo(blocked).path());
    QFile(blocked).open(QIODevice::WriteOnly);
    prompter.expectMessage(
        "Shall I move all orphan files", Icon::Confirmation, Prompter::Yes | Prompter::No, Prompter::Yes);
    prompter.expectMessage(
        "Cannot move file \"" + all[1] + "\" to \"" + blocked + "\". A file of that name is already there.",
        Icon::Error, Prompter::Ok, Prompter::Ok);
    child<QPushButton>(operations, "moveAllButton")->click();
    EXPECT_EQ(prompter.lastOwner(), operations);
    EXPECT_EQ(itemTexts(list), all.mid(1));

    prompter.expectMessage("Files moved back: 1.", Icon::Information, Prompter::Ok, Prompter::Ok);
    operations->restoreButton()->click();
    QStringList listed = itemTexts(list);
    listed.sort();
    QStringList expected = all;
    expected.sort();
    EXPECT_EQ(listed, expected);
    QFile::remove(RubbishOperationsWindow::moveLogFile());
}

// ---- ALT texts

class AltTextTest : public SiteWindowFixture {
protected:
    void SetUp() override { registerSiteToolCommands(context); }
    void TearDown() override { prompter.verify(); }
};

TEST_F(AltTextTest, ListsTheAltTextsAndSelectsThemInTheEditor)
{
    documentName = "/web/page.htm";
    editor.setText("<img alt=\"Logo\">\r\n<IMG ALT=\"\"><img alt=\" \"><img alt='b'>");
    auto* window = openWindow<AltTextWindow>("a_findAltText");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(registry.action("a_findAltText")->text(), "Find image &ALT text ...");
    EXPECT_FALSE(registry.action("a_findAltText")->isEnabled());
    EXPECT_EQ(window->windowTitle(), "Find image ALT text ... /web/page.htm");
    QListWidget* list = window->altTextList();
    EXPECT_EQ(itemTexts(list), (QStringList { "Logo", "Empty ALT text", "Empty ALT text" }));
    EXPECT_EQ(editor.selText(), " ");

    editor.show();
    QApplication::setActiveWindow(window);
    clickRow(list, 0);
    EXPECT_EQ(editor.selStart(), 10);
    EXPECT_EQ(editor.selText(), "Logo");
    // The keys go to the editor that shows the text picked.
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == editor.window(); }, 2000));
    clickRow(list, 1);
    EXPECT_EQ(editor.selStart(), 28);
    EXPECT_EQ(editor.selLength(), 0);

    // Coming back to the window lists the texts afresh.
    editor.setText("<img alt=\"New\">");
    window->activateWindow();
    QApplication::setActiveWindow(window);
    QApplication::processEvents();
    window->scan();
    EXPECT_EQ(itemTexts(list), QStringList { "New" });

    child<QPushButton>(window, "closeButton")->click();
    settle();
    EXPECT_TRUE(registry.action("a_findAltText")->isEnabled());
}

TEST_F(AltTextTest, NoAltTextsAndAMissingClosingQuote)
{
    editor.setText("<img src=x>");
    auto* window = openWindow<AltTextWindow>("a_findAltText");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->altTextList()->count(), 0);
    EXPECT_EQ(editor.selStart(), 0);
    editor.setText("<img alt=\"a\"><img alt=\"b>");
    window->scan();
    EXPECT_EQ(itemTexts(window->altTextList()), QStringList { "a" });
}

} // namespace
