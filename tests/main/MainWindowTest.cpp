#include "editor/SyntaxColourer.h"
#include "editor/TextFile.h"
#include "main/DocumentSession.h"
#include "main/EditingAids.h"
#include "main/EditorFontControl.h"
#include "main/EditorFontDialog.h"
#include "main/MenuTables.h"
#include "platform/FileError.h"
#include "support/MainWindowFixture.h"

#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QWindow>

namespace {
using Icon = Prompter::Icon;
constexpr auto YNC = Prompter::Yes | Prompter::No | Prompter::Cancel;
const QString kChanged = "File has changed. Save now?";

class MainWindowTest : public MainWindowFixture {
protected:
    QStringList recentMenu() const
    {
        QStringList names;
        const QList<QAction*> items = window->fileMenu()->actions();
        for (qsizetype i = 10; i < items.size(); ++i)
            names << (items[i]->isSeparator() ? QString("-") : items[i]->data().toString());
        return names;
    }
    QString makeFile(const QString& name, const QByteArray& bytes = "<p>text</p>\r\n")
    {
        writeFile(workFile(name), bytes);
        return workFile(name);
    }
};

TEST_F(MainWindowTest, StartsWithNoSettingsFiles)
{
    start();
    EXPECT_EQ(window->windowTitle(), "Dorvane's Pelorin95");
    EXPECT_EQ(window->editorFont().name(), "Arial");
    EXPECT_EQ(window->editorFont().size(), "10");
    EXPECT_EQ(window->fileMenu()->actions().size(), 10); // no recent tail, not even a separator
    EXPECT_EQ(window->session().fileName(), "");
    EXPECT_EQ(editor().text(), "");
    EXPECT_FALSE(editor().isModified());
    EXPECT_TRUE(window->isHtmlTabActive());
    EXPECT_EQ(window->menuBarTitles(),
        QStringList({ "&File", "&Edit", "Fi&nd", "&View", "&Tools", "Wizards", "&Data", "&Help" }));
    QStringList file;
    for (QAction* a : window->fileMenu()->actions())
        file << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(file,
        QStringList({ "&New", "New &HTML File", "&Open File ...", "&Save File ...", "Save &As ...", "&Close", "-",
            "&Font ...", "-", "E&xit" }));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(window->statusText(i), QStringList({ "Line:", "Col:", "Char: " })[i]);
    EXPECT_FALSE(window->action("a_save")->isEnabled());
    discard();
}

TEST_F(MainWindowTest, RestoresTheLastFileThenOpensTheArgumentWithoutAQuestion)
{
    const QString last = makeFile("last.htm", "last");
    const QString arg = makeFile("arg.htm", "argument");
    writeFile(settingsFile("lastfile.plr"), (last + "\r\n").toUtf8());
    writeFile(settingsFile("fontDetails.plr"), "Courier\r\nbig\r\n");
    start({ arg }, false);
    EXPECT_EQ(editor().text(), "last");
    EXPECT_EQ(window->windowTitle(), "Dorvane's Pelorin95"); // the caption is not changed by the last file
    EXPECT_EQ(window->editorFont().name(), "Courier");
    EXPECT_EQ(window->editorFont().size(), "10");
    window->show();
    EXPECT_EQ(editor().text(), "argument");
    EXPECT_FALSE(editor().isModified());
    EXPECT_EQ(window->windowTitle(), "Dorvane's Pelorin95  -" + arg);
    EXPECT_EQ(window->currentFileField(), arg);
    EXPECT_EQ(QDir::currentPath(), work.path());
    discard();
}

TEST_F(MainWindowTest, ShowsTheBriefHelpPageWithoutAnArgument)
{
    QTemporaryDir data;
    writeFile(data.filePath("brief.htm"), "<p>help</p>");
    AppDirs::setDataDir(data.path());
    start();
    // The window comes up with the "Preview" tab before the browser starts: the page follows
    // the first paint.
    EXPECT_FALSE(window->isHtmlTabActive());
    EXPECT_EQ(window->menuBarTitles(), QStringList({ "&File", "&Help" }));
    EXPECT_EQ(browser->navigations, QStringList());
    bool painted = false;
    struct PaintSpy : QObject {
        bool* painted;
        FakeBrowserView* browser;
        bool eventFilter(QObject*, QEvent* e) override
        {
            // The page is not asked for while the first paint is under way.
            if (e->type() == QEvent::Paint && !*painted) {
                *painted = true;
                EXPECT_EQ(browser->navigations, QStringList());
            }
            return false;
        }
    } spy;
    spy.painted = &painted;
    spy.browser = browser;
    window->installEventFilter(&spy);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !browser->navigations.isEmpty(); }, 5000));
    window->removeEventFilter(&spy);
    AppDirs::setDataDir({});
    EXPECT_TRUE(painted);
    EXPECT_FALSE(window->isHtmlTabActive());
    EXPECT_EQ(browser->navigations, QStringList({ data.filePath("brief.htm") }));
    window->setHtmlTabActive(true);
    EXPECT_EQ(window->menuBarTitles().size(), 8);
    discard();
}

// A list grown by hand to a million lines costs no more than its end.
TEST_F(MainWindowTest, AHugeRecentFilesListShowsOnlyItsNewestEntries)
{
    QByteArray list;
    for (int i = 0; i < 1000000; ++i)
        list += "/nowhere/page" + QByteArray::number(i) + ".htm\r\n";
    writeFile(settingsFile("mylistfile.dvn"), list);
    start();
    const QStringList menu = recentMenu();
    ASSERT_EQ(menu.size(), 1 + RecentFiles::kMaxRead);
    EXPECT_EQ(menu[1], "/nowhere/page999999.htm");
    EXPECT_EQ(menu.last(), QString("/nowhere/page%1.htm").arg(1000000 - RecentFiles::kMaxRead));
}

// A question at start (a NUL byte in the file named on the command line) comes over the window,
// once the window itself is on screen.
TEST_F(MainWindowTest, AWarningAtStartComesOnceTheWindowIsOnScreen)
{
    const QString page = makeFile("nul.htm", QByteArray("ab\0c", 4));
    struct Watching : ScriptedPrompter {
        std::function<bool()> onScreen;
        bool seen = false;
        Button messageFor(QWidget* owner, const QString& text, Icon icon, Buttons buttons, const QString& caption) override
        {
            seen = onScreen();
            return ScriptedPrompter::messageFor(owner, text, icon, buttons, caption);
        }
    };
    Watching watching;
    watching.onScreen = [this] { return window && window->windowHandle() && window->windowHandle()->isVisible(); };
    watching.expectMessage(page + " holds a NUL byte: only the text before it is shown.", Icon::Warning, Prompter::Ok,
        Prompter::Ok);
    MainWindow::Services services;
    services.prompter = &watching;
    services.shell = &shell;
    services.makeBrowser = [](QWidget* parent) { return new FakeBrowserView(parent); };
    window = std::make_unique<MainWindow>(services, QStringList { page });
    window->show();
    EXPECT_TRUE(watching.seen);
    EXPECT_EQ(editor().text(), "ab");
    watching.verify();
    editor().setModified(false);
    watching.expectMessage("Exit the editor?", Icon::Confirmation, Prompter::Ok | Prompter::Cancel, Prompter::Ok);
    window->close();
    window.reset();
}

// Without a desktop icon theme every tool button still has a picture of its own.
TEST_F(MainWindowTest, EveryToolButtonHasADistinctPictureWithoutATheme)
{
    AppDirs::setDataDir(PELORIN_DATA_SOURCE);
    QIcon::setThemeName("no-such-theme");
    start();
    QList<QImage> pictures;
    for (const MenuRows& bar : { MenuTables::toolBar1(), MenuTables::toolBar2() })
        for (const QString& name : MenuTables::commandNames(bar)) {
            const QImage picture = window->action(name)->icon().pixmap(24, 24).toImage();
            ASSERT_FALSE(picture.isNull()) << name.toStdString();
            EXPECT_FALSE(pictures.contains(picture)) << name.toStdString() << " looks like another button";
            pictures << picture;
        }
    AppDirs::setDataDir({});
    discard();
}

TEST_F(MainWindowTest, RecentFilesListKeepsTheFiveNewestAndIsWrittenWithCrLf)
{
    QStringList eight;
    for (int i = 1; i <= 8; ++i)
        eight << makeFile(QString("f%1.htm").arg(i));
    writeFile(settingsFile("mylistfile.dvn"), (eight.join("\r\n") + "\r\n").toUtf8());
    start();
    QStringList expected { "-" };
    for (int i = 8; i >= 1; --i)
        expected << eight[i - 1];
    EXPECT_EQ(recentMenu(), expected); // a longer list is shown whole until the next addition

    // Opening a name already listed under another letter case makes it the newest, in its new case.
    const QString upper = workFile("F3.htm");
    QFile::rename(eight[2], upper);
    window->openTheFile(upper);
    EXPECT_EQ(recentMenu(), QStringList({ "-", upper, eight[7], eight[6], eight[5], eight[4] }));
    EXPECT_EQ(readFile(settingsFile("mylistfile.dvn")),
        QStringList({ eight[4], eight[5], eight[6], eight[7], upper }).join("\r\n").toUtf8() + "\r\n");

    // A deleted file's entry goes, with a message.
    QFile::remove(eight[7]);
    prompter.expectMessage("File no longer exists.", Icon::None, Prompter::Ok, Prompter::Ok);
    window->fileMenu()->actions()[12]->trigger();
    EXPECT_EQ(recentMenu(), QStringList({ "-", upper, eight[6], eight[5], eight[4] }));
    EXPECT_FALSE(readFile(settingsFile("mylistfile.dvn")).contains("f8.htm"));

    // Choosing an entry opens it.
    window->fileMenu()->actions()[12]->trigger();
    EXPECT_EQ(window->session().fileName(), eight[6]);
    EXPECT_EQ(window->windowTitle(), "Dorvane's Pelorin95  -" + eight[6]);
    EXPECT_EQ(recentMenu().value(1), eight[6]);

    // A listed name reopened in another letter case stays one entry.
    const QString lower = workFile("f3.htm");
    QFile::rename(upper, lower);
    window->openTheFile(lower);
    EXPECT_EQ(recentMenu(), QStringList({ "-", lower, eight[6], eight[5], eight[4] }));
    discard();
}

TEST_F(MainWindowTest, OpenAsksToSaveChangesAndCancelKeepsTheDocument)
{
    const QString a = makeFile("a.htm", "A");
    const QString b = makeFile("b.htm", "B");
    start();
    window->openTheFile(a);
    editor().setSelText("x");
    prompter.expectMessage(kChanged, Icon::Confirmation, YNC, Prompter::Cancel);
    window->openTheFile(b);
    EXPECT_EQ(editor().text(), "xA");
    EXPECT_EQ(window->session().fileName(), a);

    prompter.expectMessage(kChanged, Icon::Confirmation, YNC, Prompter::Yes);
    window->openTheFile(b);
    EXPECT_EQ(readFile(a), "xA");
    EXPECT_EQ(editor().text(), "B");
    EXPECT_FALSE(editor().canUndo());

    // The open command: its dialog; cancelled, it leaves the caption as it was.
    const QString caption = window->windowTitle();
    prompter.expectOpenFile("Open File", std::nullopt);
    trigger("a_open");
    EXPECT_EQ(prompter.lastFileDialog().filter, "HTML Files|*.htm*;*.js|Text Files|*.txt|All Files|*.*");
    EXPECT_EQ(prompter.lastFileDialog().defaultExtension, "htm");
    EXPECT_TRUE(prompter.lastFileDialog().mustExist);
    EXPECT_EQ(window->windowTitle(), caption);
    discard();
}

TEST_F(MainWindowTest, ImagesOpenInThePreviewAndLeaveTheDocument)
{
    const QString image = makeFile("PIC.JPG", "\xFF\xD8");
    start();
    editor().setSelText("text");
    window->openTheFile(image);
    EXPECT_FALSE(window->isHtmlTabActive());
    EXPECT_EQ(browser->navigations.value(0), image);
    EXPECT_EQ(editor().text(), "text");
    EXPECT_TRUE(editor().isModified());
    EXPECT_FALSE(window->findChild<QToolBar*>("toolBar2")->isVisible());
    window->setHtmlTabActive(true);
    EXPECT_TRUE(window->findChild<QToolBar*>("toolBar2")->isVisible());

    // File > Open takes the same way: the image is shown, never loaded as text.
    const QString gif = makeFile("anim.gif", QByteArray("GIF89a\0\0", 8));
    const QString caption = window->windowTitle();
    prompter.expectOpenFile("Open File", gif);
    trigger("a_open");
    EXPECT_FALSE(window->isHtmlTabActive());
    EXPECT_EQ(browser->navigations.last(), gif);
    EXPECT_EQ(editor().text(), "text");
    EXPECT_EQ(window->windowTitle(), caption);
    EXPECT_FALSE(window->session().recentFiles().contains(gif));
    window->setHtmlTabActive(true);
    discard();
}

TEST_F(MainWindowTest, SaveOfANeverSavedDocumentGoesThroughSaveAs)
{
    start();
    editor().setSelText("hello");
    EXPECT_TRUE(window->action("a_save")->isEnabled());
    prompter.expectSaveFile("Save File", std::nullopt);
    trigger("a_save");
    EXPECT_TRUE(editor().isModified());
    EXPECT_TRUE(QDir(work.path()).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(prompter.lastFileDialog().overwritePrompt);

    const QString name = workFile("new.htm");
    prompter.expectSaveFile("Save File", name);
    trigger("a_save");
    EXPECT_EQ(readFile(name), "hello");
    EXPECT_FALSE(editor().isModified());
    EXPECT_FALSE(window->action("a_save")->isEnabled());
    EXPECT_EQ(window->windowTitle(), "Dorvane's Pelorin95 - new.htm");
    EXPECT_EQ(window->currentFileField(), name);
    EXPECT_EQ(recentMenu(), QStringList({ "-", name }));

    // Save writes the named file and leaves the caption.
    editor().setSelText(" again");
    trigger("a_save");
    EXPECT_EQ(readFile(name), "hello again");
    EXPECT_EQ(window->windowTitle(), "Dorvane's Pelorin95 - new.htm");
    discard();
}

TEST_F(MainWindowTest, NewNewHtmlAndClose)
{
    const QString a = makeFile("a.htm", "A");
    start();
    window->openTheFile(a);
    editor().setSelText("changed ");
    prompter.expectMessage(kChanged, Icon::Confirmation, YNC, Prompter::Cancel);
    trigger("a_new");
    EXPECT_EQ(editor().text(), "changed A");

    prompter.expectMessage(kChanged, Icon::Confirmation, YNC, Prompter::No);
    trigger("a_newHtml");
    EXPECT_EQ(editor().text(), MainWindow::kHtmlTemplate + "\r\n");
    EXPECT_EQ(editor().selStart(), editor().charCount());
    EXPECT_FALSE(editor().isModified());
    EXPECT_FALSE(editor().canUndo());
    EXPECT_EQ(window->windowTitle(), "Dorvane's Pelorin95 - New File");
    EXPECT_EQ(window->currentFileField(), "File has never been saved");
    EXPECT_EQ(readFile(a), "A");

    window->openTheFile(a);
    editor().setSelText("x");
    prompter.expectMessage(kChanged, Icon::Confirmation, YNC, Prompter::No);
    trigger("a_close");
    EXPECT_EQ(editor().text(), "");
    EXPECT_FALSE(editor().isModified());
    EXPECT_EQ(window->windowTitle(), "Dorvane's Pelorin95 - New File");
    EXPECT_EQ(window->session().fileName(), "");
    prompter.expectMessage("Exit the editor?", Icon::Confirmation, Prompter::Ok | Prompter::Cancel, Prompter::Cancel);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    discard();
}

TEST_F(MainWindowTest, ClosingWritesTheListAndTheLastFile)
{
    const QString a = makeFile("a.htm", "A");
    writeFile(settingsFile("lastfile.plr"), "previous\r\n");
    start();
    editor().setSelText("unsaved");
    prompter.expectMessage("File  has changed. Save now?", Icon::Confirmation, YNC, Prompter::Cancel);
    EXPECT_FALSE(window->close());
    prompter.expectMessage("File  has changed. Save now?", Icon::Confirmation, YNC, Prompter::No);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(readFile(settingsFile("lastfile.plr")), "previous\r\n"); // never saved: left as it was
    EXPECT_EQ(readFile(settingsFile("mylistfile.dvn")), "");

    start();
    window->openTheFile(a);
    prompter.expectMessage("Exit the editor?", Icon::Confirmation, Prompter::Ok | Prompter::Cancel, Prompter::Ok);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(readFile(settingsFile("lastfile.plr")), (a + "\r\n").toUtf8());
    EXPECT_EQ(readFile(settingsFile("mylistfile.dvn")), (a + "\r\n").toUtf8());

    // A document saved under an image name does not become the last file.
    const QString gif = makeFile("b.gif", "GIF89a");
    start();
    EXPECT_EQ(editor().text(), "A"); // the last file came back
    trigger("a_new");
    editor().setSelText("text");
    prompter.expectMessage("File  has changed. Save now?", Icon::Confirmation, YNC, Prompter::Yes);
    prompter.expectSaveFile("Save File", gif);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(readFile(settingsFile("lastfile.plr")), (a + "\r\n").toUtf8());
    window.reset();
}

TEST_F(MainWindowTest, FileErrorsReachTheUserAndStopTheCommand)
{
    start();
    prompter.expectMessage(QString("Cannot open file \"%1\". No such file or directory").arg(workFile("gone.htm")),
        Icon::Error, Prompter::Ok, Prompter::Ok);
    window->runCommand([this] { window->openTheFile(workFile("gone.htm")); });
    EXPECT_EQ(window->session().fileName(), "");
    EXPECT_TRUE(window->session().recentFiles().isEmpty());

    // A failed save keeps the window open and the text.
    editor().setSelText("precious");
    const QString bad = workFile("no/such/dir/x.htm");
    QString reason;
    try {
        writeBytes(bad, {});
    } catch (const FileError& e) {
        reason = e.message();
    }
    ASSERT_FALSE(reason.isEmpty());
    prompter.expectMessage("File  has changed. Save now?", Icon::Confirmation, YNC, Prompter::Yes);
    prompter.expectSaveFile("Save File", bad);
    prompter.expectMessage(reason, Icon::Error, Prompter::Ok, Prompter::Ok);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(editor().text(), "precious");
    discard();
}

TEST_F(MainWindowTest, DroppedFileOpens)
{
    const QString name = makeFile(QString(300, 'n').append(".htm").right(240), "dropped");
    start();
    window->openDroppedFiles({ QUrl("https://example.com/x.htm"), QUrl::fromLocalFile(name) });
    EXPECT_EQ(editor().text(), "dropped");
    EXPECT_EQ(window->session().fileName(), name);
    discard();
}

TEST_F(MainWindowTest, SavePromptsForOtherCommands)
{
    start();
    prompter.expectMessage("The file has never been saved, \r\nso the link will work only if this file is \r\nsaved in "
                           "the current directory.\r\nWould you like to save the file now?\r\nClick YES to save or NO "
                           "to continue without saving",
        Icon::Warning, Prompter::Yes | Prompter::No, Prompter::No);
    window->session().warnToSave();
    EXPECT_TRUE(window->session().saveBeforeBrowsing()); // not modified: no question
    editor().setSelText("x");
    prompter.expectMessage("File has changed. The browser will view the saved version\r\nYou are advised to save the "
                           "file now.\r\nChoose Yes to ave now? No to continue without saving.",
        Icon::Confirmation, YNC, Prompter::Cancel);
    EXPECT_FALSE(window->session().saveBeforeBrowsing());
    discard();
}

// ---- editing aids -------------------------------------------------------------------------

TEST_F(MainWindowTest, FindNextCountsUntilTheEndOfThePage)
{
    start();
    editor().setText("cat dog cat bird CAT");
    editor().setSelStart(0);
    FindReplace& fr = *window->findReplace();
    fr.findDialog()->setFindText("cat");
    for (int i = 0; i < 3; ++i)
        fr.findNext();
    EXPECT_EQ(editor().selStart(), 20);
    prompter.expectMessage("End of the page. \r\n3 occurrences.\r\nShall I go to the start?", Icon::Confirmation,
        Prompter::Yes | Prompter::No, Prompter::Yes);
    fr.findNext();
    EXPECT_EQ(editor().selStart(), 0);
    fr.findNext();
    EXPECT_EQ(fr.occurrences(), 1);

    // Replace All from the start; the replace dialog matches case by default.
    editor().setSelStart(0);
    fr.replaceDialog()->setFindText("cat");
    fr.replaceDialog()->setReplaceText("cow");
    prompter.expectMessage("End of the page. \r\n3 occurrences.\r\nShall I go to the start?", Icon::Confirmation,
        Prompter::Yes | Prompter::No, Prompter::No);
    fr.replace(true);
    EXPECT_EQ(editor().text(), "cow dog cow bird CAT");

    // A case-insensitive match is selected, but Replace then looks for an exact one.
    fr.replaceDialog()->setMatchCase(false);
    fr.replaceDialog()->setFindText("cAt");
    editor().setSelStart(0);
    fr.replaceDialogFind();
    EXPECT_EQ(editor().selText(), "CAT");
    prompter.expectMessage("End of the page. \r\n1 occurrences.\r\nShall I go to the start?", Icon::Confirmation,
        Prompter::Yes | Prompter::No, Prompter::No);
    fr.replace(false);
    EXPECT_EQ(editor().text(), "cow dog cow bird CAT");
    discard();
}

TEST_F(MainWindowTest, GoToLine)
{
    start();
    QStringList ten;
    for (int i = 0; i < 10; ++i)
        ten << QString("line %1").arg(i + 1);
    editor().setText(ten.join("\r\n"));
    auto go = [this](const QString& text) {
        window->findChild<QLineEdit*>("lineNumberEdit")->setText(text);
        window->goToLine();
    };
    go("3");
    EXPECT_EQ(editor().selStart(), 16);
    go("1");
    EXPECT_EQ(editor().selStart(), 0);
    go("11");
    EXPECT_EQ(editor().selStart(), editor().charCount());
    prompter.expectMessage(
        "Entering zero will take you to the end of the document.", Icon::None, Prompter::Ok, Prompter::Ok);
    editor().setSelStart(0);
    go("-3");
    EXPECT_EQ(editor().selStart(), editor().charCount());
    prompter.expectMessage(
        "As there are only 10 lines on this page, I cannot go to line 50\r\n. But I will go to the end.", Icon::None,
        Prompter::Ok, Prompter::Ok);
    editor().setSelStart(0);
    go("50");
    EXPECT_EQ(editor().selStart(), editor().charCount());
    prompter.expectMessage("Please enter a valid whole \r\nnumber, greater than zero, \r\nso I can go to that line.",
        Icon::None, Prompter::Ok, Prompter::Ok);
    editor().setSelStart(5);
    go("ten");
    EXPECT_EQ(editor().selStart(), 5);

    // Enter in the box goes to the line.
    window->findChild<QLineEdit*>("lineNumberEdit")->setText("2");
    QTest::keyClick(window->findChild<QLineEdit*>("lineNumberEdit"), Qt::Key_Return);
    EXPECT_EQ(editor().selStart(), 8);
    discard();
}

TEST_F(MainWindowTest, MatchingBrace)
{
    start();
    //                   0123456789012345678
    editor().setText("f{ a{ b } c } {}");
    auto select = [this](int start, int length) {
        editor().setSelStart(start);
        editor().setSelLength(length);
    };
    select(1, 1);
    trigger("a_matchingBrace");
    EXPECT_EQ(editor().selStart(), 12);
    EXPECT_EQ(editor().selText(), "}");
    select(13, -1); // a backward selection of the outer "}"
    trigger("a_matchingBrace");
    EXPECT_EQ(editor().selStart(), 1);
    select(15, 1); // "}" of an empty pair
    trigger("a_matchingBrace");
    EXPECT_EQ(editor().selStart(), 14);
    select(0, 0);
    trigger("a_matchingBrace");
    EXPECT_EQ(editor().selStart(), 0);
    prompter.expectMessage("Please select a brace to match.", Icon::None, Prompter::Ok, Prompter::Ok);
    select(2, 1);
    trigger("a_matchingBrace");
    prompter.expectMessage("Couldn't find a match!", Icon::None, Prompter::Ok, Prompter::Ok);
    editor().setText("x { y");
    select(2, 1);
    trigger("a_matchingBrace");
    EXPECT_EQ(editor().selText(), " "); // the character after the brace stays selected
    discard();
}

TEST_F(MainWindowTest, SortSelection)
{
    start();
    editor().setText("b\r\nA\r\nc");
    editor().selectAll();
    trigger("a_sortAscending");
    EXPECT_EQ(editor().text(), "A\r\nb\r\nc\r\n");
    editor().selectAll();
    trigger("a_sortDescending");
    EXPECT_EQ(editor().text(), "c\r\nb\r\nA\r\n");
    editor().setSelStart(0);
    prompter.expectMessage("Please select some lines of text to sort", Icon::None, Prompter::Ok, Prompter::Ok);
    trigger("a_sortAscending");
    prompter.expectMessage("Please select some lines to sort", Icon::None, Prompter::Ok, Prompter::Ok);
    trigger("a_sortDescending");
    discard();
}

TEST_F(MainWindowTest, StatusBarTabIndentAndWordWrap)
{
    start();
    editor().setText("one\r\ntwo\r\nthree");
    editor().setSelStart(0);
    editor().setSelStart(6);
    EXPECT_EQ(window->statusText(0), "Line:2");
    EXPECT_EQ(window->statusText(1), "Col: 2");
    EXPECT_EQ(window->statusText(2), "Char: 7");
    editor().setSelStart(0);
    EXPECT_EQ(window->statusText(0), "Line:1");
    EXPECT_EQ(window->statusText(1), "Col: 1");
    EXPECT_EQ(window->statusText(2), "Char: 1");

    // Tab with two lines selected indents the first and keeps both.
    editor().setSelStart(10);
    editor().setSelLength(-10);
    editor().setFocus();
    QTest::keyClick(&editor(), Qt::Key_Tab);
    EXPECT_EQ(editor().text(), "\tone\r\ntwo\r\nthree");

    QAction* wrap = window->action("a_wordWrap");
    wrap->trigger();
    EXPECT_TRUE(editor().wordWrap());
    EXPECT_TRUE(wrap->isChecked());
    wrap->trigger();
    EXPECT_FALSE(wrap->isChecked());
    discard();
}

// Wrapping a minified page lays it out once; the status follows without asking again and again.
TEST_F(MainWindowTest, WordWrapOnALongSingleLinePageKeepsTheStatus)
{
    const QString page = makeFile("minified.htm", QByteArray(5 * 1024 * 1024, 'a'));
    start({ page });
    editor().setSelStart(3);
    window->action("a_wordWrap")->trigger();
    EXPECT_TRUE(editor().wordWrap());
    EXPECT_EQ(window->statusText(0), "Line:1");
    EXPECT_EQ(window->statusText(2), "Char: 4");
    window->action("a_wordWrap")->trigger();
    EXPECT_FALSE(editor().wordWrap());
}

TEST_F(MainWindowTest, EditCommandsFollowTheSelectionAndHistory)
{
    start();
    EXPECT_FALSE(window->action("a_undo")->isEnabled());
    editor().setSelText("abc");
    EXPECT_TRUE(window->action("a_undo")->isEnabled());
    EXPECT_FALSE(window->action("a_copy")->isEnabled());
    editor().setSelLength(-2);
    EXPECT_TRUE(window->action("a_cut")->isEnabled());
    trigger("a_cut");
    EXPECT_EQ(editor().text(), "a");
    EXPECT_TRUE(window->action("a_paste")->isEnabled());
    trigger("a_paste");
    trigger("a_paste");
    EXPECT_EQ(editor().text(), "abcbc");
    trigger("a_undo");
    EXPECT_TRUE(window->action("a_redo")->isEnabled());
    trigger("a_redo");
    EXPECT_EQ(editor().text(), "abcbc");
    discard();
}

TEST_F(MainWindowTest, EditorFontDialogKeepsTheModifiedFlagAndWritesItsFile)
{
    start();
    editor().setText("some text");
    editor().setModified(false);
    trigger("a_font");
    EditorFontDialog* dialog = window->editorFont().dialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(window->action("a_font")->isEnabled());
    EXPECT_EQ(dialog->windowTitle(), "Editor Font");
    const QStringList faces = EditorFontDialog::faceEntries();
    EXPECT_EQ(faces.first(), "Choose a Font");
    EXPECT_TRUE(faces.contains("Default"));
    EXPECT_TRUE(std::is_sorted(faces.begin() + 1, faces.end(),
        [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; }));
    dialog->sizeList()->setCurrentIndex(4);
    emit dialog->sizeList()->activated(4); // "14"
    EXPECT_FALSE(editor().isModified());
    EXPECT_EQ(editor().selStart(), 0);
    EXPECT_EQ(editor().font().pointSize(), 14);
    dialog->findChild<QPushButton*>("closeButton")->click();
    EXPECT_EQ(readFile(settingsFile("fontDetails.plr")), "Arial\r\n14\r\n");
    EXPECT_TRUE(window->action("a_font")->isEnabled());

    // Escape and the close box end the dialog as "Close" does.
    for (int way = 0; way < 2; ++way) {
        QFile::remove(settingsFile("fontDetails.plr"));
        trigger("a_font");
        dialog = window->editorFont().dialog();
        ASSERT_NE(dialog, nullptr);
        if (way == 0)
            QTest::keyClick(dialog, Qt::Key_Escape);
        else
            dialog->close();
        EXPECT_EQ(readFile(settingsFile("fontDetails.plr")), "Arial\r\n14\r\n") << way;
        EXPECT_TRUE(window->action("a_font")->isEnabled()) << way;
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(window->editorFont().dialog(), nullptr) << way;
    }
    discard();
}
} // namespace

namespace {
TEST_F(MainWindowTest, ColourCommandsAndRichTextCopy)
{
    start();
    editor().setText("<B>bold</B> text");
    SyntaxColourer* colourer = window->colourer();
    colourer->finishColouring();
    const auto formats = [this] { return editor().document()->firstBlock().layout()->formats().size(); };
    EXPECT_GT(formats(), 0);
    trigger("a_removeColour");
    EXPECT_EQ(formats(), 0);
    trigger("a_colourise");
    colourer->finishColouring();
    EXPECT_GT(formats(), 0);
    trigger("a_removeColour");
    trigger("a_colourize"); // "Colour the tags" on tool bar 1 does the same
    colourer->finishColouring();
    EXPECT_GT(formats(), 0);

    editor().setSelStart(0);
    editor().setSelLength(11);
    trigger("a_copy");
    const QMimeData* data = QApplication::clipboard()->mimeData();
    EXPECT_EQ(data->text(), "<B>bold</B>");
    const QByteArray rtf = data->data("text/rtf");
    EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
    EXPECT_TRUE(rtf.contains("bold"));
    discard();
}
} // namespace

namespace {
TEST_F(MainWindowTest, HintsGoToTheHintBoxNotTheStatusBar)
{
    start();
    QStatusTipEvent tip("Save the file");
    QApplication::sendEvent(window.get(), &tip);
    EXPECT_EQ(window->findChild<QPlainTextEdit*>("hintBox")->toPlainText(), "Save the file");
    EXPECT_EQ(window->statusBar()->currentMessage(), "");
    discard();
}
} // namespace

// Close Tags as You Type: off at first, remembered in the settings directory.
TEST_F(MainWindowFixture, CloseTagsAsYouTypeIsRememberedBetweenRuns)
{
    start();
    QAction* closeTags = window->action("a_closeTags");
    ASSERT_NE(closeTags, nullptr);
    EXPECT_TRUE(closeTags->isCheckable());
    EXPECT_FALSE(closeTags->isChecked());
    editor().setFocus();
    QTest::keyClicks(&editor(), "<B>");
    EXPECT_EQ(editor().text(), "<B>");
    closeTags->trigger();
    EXPECT_TRUE(closeTags->isChecked());
    EXPECT_EQ(readFile(settingsFile("closetags.plr")), "1\r\n");
    QTest::keyClicks(&editor(), "<I>");
    EXPECT_EQ(editor().text(), "<B><I></I>");
    discard();
    window.reset();
    start();
    EXPECT_TRUE(window->action("a_closeTags")->isChecked());
    discard();
}

// A .css document is coloured as a style sheet from its first line; other documents are not.
TEST_F(MainWindowFixture, StyleSheetDocumentsAreColouredAsStyleSheets)
{
    writeFile(workFile("site.css"), "p { color: red }");
    start();
    window->openTheFile(workFile("site.css"));
    EXPECT_TRUE(window->colourer()->isStyleSheet());
    trigger("a_new");
    EXPECT_FALSE(window->colourer()->isStyleSheet());
    discard();
}
