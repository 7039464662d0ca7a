#include "tools/JotterWindow.h"

#include "ToolFixture.h"

#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QDir>
#include <QTest>
#include <QTimer>

namespace {

using Icon = Prompter::Icon;

class JotterTest : public ToolFixture {
protected:
    JotterWindow* open()
    {
        registry.run("a_jotter");
        return openWindow<JotterWindow>();
    }
    void expectSaveNow(Prompter::Button answer)
    {
        prompter.expectMessage("The file has not been saved.\r\nSave now?", Icon::Warning,
            Prompter::Yes | Prompter::No | Prompter::Cancel, answer);
    }
};

TEST_F(JotterTest, OpenAndSaveNotes)
{
    JotterWindow* window = open();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Jotter");
    EXPECT_FALSE(enabled("a_jotter"));
    EXPECT_EQ(window->fileNameEdit()->text(), "File has never been saved");
    EXPECT_EQ(window->notes()->lineWrapMode(), QPlainTextEdit::NoWrap);

    QTest::keyClicks(window->notes(), "first note");
    QTest::keyClick(window->notes(), Qt::Key_Return);
    QTest::keyClicks(window->notes(), "second");
    prompter.expectSaveFile("Save File As", workFile("notes.txt"));
    window->findChild<QAction*>("saveFileAsAction")->trigger();
    EXPECT_EQ(prompter.lastOwner(), window); // shown above the jotter, not the main window
    EXPECT_EQ(prompter.lastFileDialog().filter, "HTML Files|*.htm;*.html;*.?htm*|Text Files|*.txt|All Files|*.*");
    EXPECT_EQ(prompter.lastFileDialog().defaultExtension, "htm");
    EXPECT_TRUE(prompter.lastFileDialog().overwritePrompt);
    EXPECT_EQ(readFile(workFile("notes.txt")), QByteArray("first note\r\nsecond"));
    EXPECT_EQ(window->fileNameEdit()->text(), workFile("notes.txt"));

    // Saved: opening asks nothing; the open dialog starts at the saved file.
    writeFile(workFile("other.htm"), "<p>other</p>\r\nline");
    prompter.expectOpenFile("Open File", workFile("other.htm"));
    window->findChild<QAction*>("openFileAction")->trigger();
    EXPECT_EQ(prompter.lastFileDialog().initialName, "notes.txt");
    EXPECT_TRUE(prompter.lastFileDialog().mustExist);
    EXPECT_EQ(window->notes()->toPlainText(), "<p>other</p>\nline");
    EXPECT_FALSE(window->notes()->document()->isModified());
    EXPECT_EQ(window->fileNameEdit()->text(), workFile("other.htm"));
}

TEST_F(JotterTest, OpeningOverChangedNotesAsks)
{
    JotterWindow* window = open();
    ASSERT_NE(window, nullptr);
    writeFile(workFile("a.txt"), "from a");
    QTest::keyClicks(window->notes(), "draft");

    expectSaveNow(Prompter::Cancel);
    window->openFile();
    prompter.verify();
    EXPECT_EQ(window->notes()->toPlainText(), "draft");

    expectSaveNow(Prompter::Yes);
    prompter.expectSaveFile("Save File As", workFile("draft.htm"));
    prompter.expectOpenFile("Open File", std::nullopt);
    window->openFile();
    prompter.verify();
    EXPECT_EQ(readFile(workFile("draft.htm")), QByteArray("draft"));
    EXPECT_EQ(window->notes()->toPlainText(), "draft");

    QTest::keyClicks(window->notes(), " more");
    expectSaveNow(Prompter::No);
    prompter.expectOpenFile("Open File", workFile("a.txt"));
    window->openFile();
    EXPECT_EQ(window->notes()->toPlainText(), "from a");
    EXPECT_EQ(readFile(workFile("draft.htm")), QByteArray("draft"));
}

TEST_F(JotterTest, DelEmptiesTheNotesAsOneUndoStep)
{
    JotterWindow* window = open();
    ASSERT_NE(window, nullptr);
    window->notes()->setPlainText("line one\nline two");
    QTest::keyClick(window->notes(), Qt::Key_Delete);
    EXPECT_EQ(window->notes()->toPlainText(), "");
    window->notes()->undo();
    EXPECT_EQ(window->notes()->toPlainText(), "line one\nline two");
    window->actions().clear->trigger();
    EXPECT_EQ(window->notes()->toPlainText(), "");
}

TEST_F(JotterTest, ContextMenuHoldsTheEditCommandsWithTheirKeys)
{
    JotterWindow* window = open();
    ASSERT_NE(window, nullptr);
    QMenu* menu = window->makeContextMenu();
    QStringList items;
    for (QAction* action : menu->actions())
        items << action->text() + " " + action->shortcut().toString();
    EXPECT_EQ(
        items, (QStringList { "Cu&t Ctrl+X", "&Copy Ctrl+C", "&Paste Ctrl+V", "C&lear Del", "Select &All Ctrl+A" }));
    delete menu;

    // A right click in the notes pops the menu up.
    window->notes()->setPlainText("abc");
    QString shown;
    QTimer::singleShot(0, [&] {
        if (auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            shown = popup->objectName();
            popup->close();
        }
    });
    emit window->notes()->customContextMenuRequested(QPoint(5, 5));
    QTRY_VERIFY(!shown.isEmpty());
    EXPECT_EQ(shown, "notesContextMenu");
    EXPECT_EQ(window->notes()->toPlainText(), "abc");
}

TEST_F(JotterTest, ClosingLosesNotesWithoutAskingAndReopensEmpty)
{
    JotterWindow* window = open();
    ASSERT_NE(window, nullptr);
    QTest::keyClicks(window->notes(), "unsaved");
    window->findChild<QAction*>("exitAction")->trigger();
    flushDeletes();
    EXPECT_EQ(openWindow<JotterWindow>(), nullptr);
    EXPECT_TRUE(enabled("a_jotter"));
    window = open();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->notes()->toPlainText(), "");
}

TEST_F(JotterTest, CommandsAreRegisteredWithTheirCaptions)
{
    const QStringList expected { "a_jotter &Jotter", "a_makeViewable Make HTML &Viewable ...",
        "a_convertToText Convert to &text ...", "a_functionNavigator Function &Navigator",
        "a_jsReference JS &Reference...", "a_lookUpWordAtCaret Look up in JS Reference" };
    QStringList found;
    for (const QString& name : registry.names())
        found << name + " " + registry.action(name)->text();
    EXPECT_EQ(found, expected);
}

} // namespace

#include <QDir>
#include <QTest>

namespace {
class ToolWindowsTest : public ToolFixture { };

// Escape closes each plain tool window, as it closes the wizards; its command comes back.
TEST_F(ToolWindowsTest, EscapeClosesEachToolWindow)
{
    for (const char* name : { "list.jsd", "details.jsd", "details2.jsd" })
        writeFile(QDir(dataDir.path()).filePath(name), "");
    for (const char* command : { "a_jotter", "a_jsReference", "a_functionNavigator", "a_makeViewable", "a_convertToText" }) {
        SCOPED_TRACE(command);
        registry.run(command);
        QWidget* window = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget != &mainWindow && widget->isVisible() && widget->testAttribute(Qt::WA_DeleteOnClose)) window = widget;
        ASSERT_NE(window, nullptr);
        EXPECT_FALSE(enabled(command));
        QPointer<QWidget> alive(window);
        QTest::keyClick(window, Qt::Key_Escape);
        flushDeletes();
        EXPECT_TRUE(alive.isNull() || !alive->isVisible());
        EXPECT_TRUE(enabled(command));
    }
}
} // namespace
