#include "tools/ConvertHtmlWindow.h"
#include "tools/ConvertToTextWindow.h"

#include "ToolFixture.h"

#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

using Icon = Prompter::Icon;

class ConvertHtmlTest : public ToolFixture {
protected:
    ConvertHtmlWindow* open()
    {
        registry.run("a_makeViewable");
        auto* window = openWindow<ConvertHtmlWindow>();
        if (window) {
            QApplication::setActiveWindow(window);
            QCoreApplication::processEvents();
        }
        return window;
    }
    void click(QWidget* window, const char* button)
    {
        QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton);
    }
};

TEST_F(ConvertHtmlTest, ActivationTakesTheSelectionOrTheWholeText)
{
    editor->setText("<p>one</p>\r\n<p>two</p>");
    editor->setSelStart(12);
    editor->setSelLength(10);
    ConvertHtmlWindow* window = open();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Make HTML Viewable");
    EXPECT_EQ(window->fileNameEdit()->text(), "File has never been saved");
    EXPECT_EQ(window->workText()->toPlainText(), "<p>two</p>");
    EXPECT_FALSE(enabled("a_makeViewable"));

    // Coming back from elsewhere takes the editor's text again: here all of it.
    editor->setSelLength(0);
    QApplication::setActiveWindow(&mainWindow);
    QApplication::setActiveWindow(window);
    QCoreApplication::processEvents();
    EXPECT_EQ(window->workText()->toPlainText(), "<p>one</p>\n<p>two</p>");
}

TEST_F(ConvertHtmlTest, ConvertAddBreaksAndOkCopiesAndCloses)
{
    editor->setText("<b>bold</b> & more\r\nabc\r\n");
    ConvertHtmlWindow* window = open();
    ASSERT_NE(window, nullptr);
    click(window, "convertHtmlButton");
    EXPECT_EQ(window->workText()->toPlainText(), "&lt;b&gt;bold&lt;/b&gt; & more\nabc\n");
    click(window, "convertHtmlButton");
    EXPECT_EQ(window->workText()->toPlainText(), "&lt;b&gt;bold&lt;/b&gt; & more\nabc\n");
    click(window, "addLineBreaksButton");
    window->findChild<QAction*>("addLineBreaksAction")->trigger();
    EXPECT_EQ(window->workText()->toPlainText(), "&lt;b&gt;bold&lt;/b&gt; & more<br>\nabc<br>\n<br>");

    click(window, "okButton");
    EXPECT_EQ(QApplication::clipboard()->text(), "&lt;b&gt;bold&lt;/b&gt; & more<br>\nabc<br>\n<br>");
    flushDeletes();
    EXPECT_EQ(openWindow<ConvertHtmlWindow>(), nullptr);
    EXPECT_TRUE(enabled("a_makeViewable"));
    EXPECT_EQ(editor->text(), "<b>bold</b> & more\r\nabc\r\n"); // the document is never touched
}

TEST_F(ConvertHtmlTest, CloseButtonAndCloseBoxCopyNothing)
{
    QApplication::clipboard()->setText("before");
    editor->setText("<i>x</i>");
    click(open(), "closeButton");
    flushDeletes();
    EXPECT_TRUE(enabled("a_makeViewable"));
    ConvertHtmlWindow* window = open();
    ASSERT_NE(window, nullptr);
    window->close();
    flushDeletes();
    EXPECT_EQ(openWindow<ConvertHtmlWindow>(), nullptr);
    EXPECT_TRUE(enabled("a_makeViewable"));
    EXPECT_EQ(QApplication::clipboard()->text(), "before");
}

TEST_F(ConvertHtmlTest, OpenAndSaveAsNameTheFile)
{
    const QString source = workFile("page.htm");
    writeFile(source, "<p>a</p>\r\n<p>b</p>\r\n");
    ConvertHtmlWindow* window = open();
    ASSERT_NE(window, nullptr);
    prompter.expectOpenFile("Open", source);
    window->findChild<QAction*>("openAction")->trigger();
    EXPECT_EQ(prompter.lastOwner(), window);
    EXPECT_EQ(prompter.lastFileDialog().filter, "");
    EXPECT_EQ(window->workText()->toPlainText(), "<p>a</p>\n<p>b</p>\n");
    EXPECT_EQ(window->fileNameEdit()->text(), source);
    EXPECT_EQ(window->windowTitle(), "Convert HTML tags ... " + source);

    window->convertHtml();
    const QString target = workFile("viewable.htm");
    prompter.expectSaveFile("Save As", std::nullopt);
    window->findChild<QAction*>("saveAsAction")->trigger();
    EXPECT_EQ(prompter.lastFileDialog().initialName, "page.htm");
    EXPECT_EQ(window->fileNameEdit()->text(), source);
    prompter.expectSaveFile("Save As", target);
    window->saveAs();
    EXPECT_EQ(readFile(target), QByteArray("&lt;p&gt;a&lt;/p&gt;\r\n&lt;p&gt;b&lt;/p&gt;\r\n"));
    EXPECT_EQ(window->windowTitle(), "Convert HTML tags ... " + target);

    // A file that cannot be read is reported and changes nothing.
    prompter.expectOpenFile("Open", workFile("missing.htm"));
    prompter.expectMessage("Cannot open file \"" + workFile("missing.htm") + "\". No such file or directory",
        Icon::Error, Prompter::Ok, Prompter::Ok);
    window->openFile();
    EXPECT_EQ(window->fileNameEdit()->text(), target);
}

class ConvertToTextTest : public ConvertHtmlTest {
protected:
    ConvertToTextWindow* open()
    {
        registry.run("a_convertToText");
        return openWindow<ConvertToTextWindow>();
    }
};

TEST_F(ConvertToTextTest, OpenConvertAndSave)
{
    const QString page = workFile("page.htm");
    writeFile(page, "<html><SCRIPT>var a = 1 < 2;</SCRIPT><body>\r\n<p>Fish &amp; chips &lt;hot&gt;</p>\r\n</body>");
    ConvertToTextWindow* window = open();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Convert HTML to text");
    EXPECT_EQ(window->fileNameEdit()->text(), "");
    EXPECT_FALSE(enabled("a_convertToText"));

    prompter.expectOpenFile("Open a new HTML file to convert to text", page);
    click(window, "openButton");
    EXPECT_EQ(prompter.lastOwner(), window);
    const Prompter::FileDialog dialog = prompter.lastFileDialog();
    EXPECT_EQ(dialog.filter, "HTML Files|*.htm*|Text Files|*.txt|All Files|*.*");
    EXPECT_EQ(dialog.defaultExtension, "htm");
    EXPECT_TRUE(dialog.mustExist);
    EXPECT_EQ(window->fileNameEdit()->text(), page);
    EXPECT_EQ(window->windowTitle(), "Convert HTML to text ... " + page);
    EXPECT_FALSE(window->workText()->document()->isModified());

    click(window, "convertToTextButton");
    EXPECT_EQ(window->workText()->toPlainText(), "\nFish &amp; chips <hot>\n");
    EXPECT_TRUE(window->workText()->document()->isModified());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    prompter.expectSaveFile("Save As", workFile("page.txt"));
    window->findChild<QAction*>("saveAsAction")->trigger();
    EXPECT_EQ(prompter.lastFileDialog().initialName, "page.txt");
    EXPECT_EQ(prompter.lastFileDialog().filter, "Text Files|*.txt|All files|*.*");
    EXPECT_EQ(prompter.lastFileDialog().defaultExtension, "txt");
    EXPECT_TRUE(prompter.lastFileDialog().overwritePrompt);
    EXPECT_EQ(readFile(workFile("page.txt")), QByteArray("\r\nFish &amp; chips <hot>\r\n"));
    EXPECT_EQ(window->fileNameEdit()->text(), workFile("page.txt"));
    EXPECT_FALSE(window->workText()->document()->isModified());

    // Unmodified: closing asks nothing.
    window->close();
    flushDeletes();
    EXPECT_TRUE(enabled("a_convertToText"));
}

TEST_F(ConvertToTextTest, OpenAsksToSaveChangesFirst)
{
    const QString page = workFile("page.htm");
    writeFile(page, "<p>x</p>");
    ConvertToTextWindow* window = open();
    ASSERT_NE(window, nullptr);
    prompter.expectOpenFile("Open a new HTML file to convert to text", page);
    window->openFile();
    window->convertToText();

    // Yes: the save dialog is preset to the text file's name, which the file-name line shows.
    prompter.expectMessage("File  has changed. Save now?", Icon::Confirmation,
        Prompter::Yes | Prompter::No | Prompter::Cancel, Prompter::Yes);
    prompter.expectSaveFile("Save as a text file", std::nullopt);
    prompter.expectOpenFile("Open a new HTML file to convert to text", std::nullopt);
    window->findChild<QAction*>("openAction")->trigger();
    prompter.verify();
    EXPECT_EQ(window->fileNameEdit()->text(), workFile("page.txt"));
    EXPECT_EQ(window->windowTitle(), "Convert HTML to text ... " + page);
    EXPECT_EQ(window->workText()->toPlainText(), "x");

    // Cancel goes on to the open dialog as well, without saving.
    prompter.expectMessage("File  has changed. Save now?", Icon::Confirmation,
        Prompter::Yes | Prompter::No | Prompter::Cancel, Prompter::Cancel);
    prompter.expectOpenFile("Open a new HTML file to convert to text", page);
    window->openFile();
    EXPECT_EQ(window->workText()->toPlainText(), "<p>x</p>");
    EXPECT_FALSE(QFile::exists(workFile("page.txt")));
}

TEST_F(ConvertToTextTest, ClosingWithChanges)
{
    ConvertToTextWindow* window = open();
    ASSERT_NE(window, nullptr);
    QTest::keyClicks(window->workText(), "<b>notes</b>");
    const auto ask = [&](Prompter::Button answer) {
        prompter.expectMessage("File  has changed. Save now?", Icon::Confirmation,
            Prompter::Yes | Prompter::No | Prompter::Cancel, answer);
    };
    ask(Prompter::Cancel);
    window->close();
    flushDeletes();
    ASSERT_EQ(openWindow<ConvertToTextWindow>(), window);

    // Yes, then a cancelled save dialog: the text is not thrown away.
    ask(Prompter::Yes);
    prompter.expectSaveFile("Save As", std::nullopt);
    window->findChild<QAction*>("exitAction")->trigger();
    flushDeletes();
    ASSERT_EQ(openWindow<ConvertToTextWindow>(), window);

    ask(Prompter::Yes);
    prompter.expectSaveFile("Save As", workFile("notes.txt"));
    window->close();
    flushDeletes();
    EXPECT_EQ(openWindow<ConvertToTextWindow>(), nullptr);
    EXPECT_EQ(readFile(workFile("notes.txt")), QByteArray("<b>notes</b>"));
    EXPECT_TRUE(enabled("a_convertToText"));

    window = open();
    QTest::keyClicks(window->workText(), "more");
    ask(Prompter::No);
    window->close();
    flushDeletes();
    EXPECT_EQ(openWindow<ConvertToTextWindow>(), nullptr);
}

TEST_F(ConvertToTextTest, AddFileReplacesTheSelectionUpToAZeroByte)
{
    const QString part = workFile("part.htm");
    writeFile(part, QByteArray("<p>added</p>\r\nline\0after zero", 30));
    ConvertToTextWindow* window = open();
    ASSERT_NE(window, nullptr);
    window->workText()->setPlainText("start SELECTED end");
    QTextCursor cursor = window->workText()->textCursor();
    cursor.setPosition(6);
    cursor.setPosition(14, QTextCursor::KeepAnchor);
    window->workText()->setTextCursor(cursor);
    prompter.expectOpenFile("Add file to the current document.", part);
    click(window, "addFileButton");
    EXPECT_EQ(prompter.lastFileDialog().filter, "HTML Files|*.htm*|Text Files|*.txt|All Files|*.*");
    EXPECT_EQ(window->workText()->toPlainText(), "start <p>added</p>\nline end");
    EXPECT_EQ(window->fileNameEdit()->text(), "");
}

} // namespace
