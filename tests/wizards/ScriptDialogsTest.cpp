#include "wizards/ScriptDialogs.h"
#include "wizards/TableDialogs.h"
#include "wizards/WindowDialog.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTemporaryDir>

#include "WizardFixture.h"

namespace {

using Icon = Prompter::Icon;

class WizardDialogsTest : public WizardFixture { };

TEST_F(WizardDialogsTest, CommandsCarryTheirCaptions)
{
    const QList<QPair<const char*, const char*>> commands { { "a_tableWizard", "&Table Wizard ..." },
        { "a_alertWizard", "&Alert Wizard ..." }, { "a_functionWizard", "&Function Wizard ..." },
        { "a_windowWizard", "&Window Wizard ..." }, { "a_dummyLinkWizard", "&Dummy Link Wizard ..." },
        { "a_wizardFunctionLink", "Wizard Function &Link ..." }, { "a_tableDialog", "Table Dialogue ..." },
        { "a_tableDataDialog", "Table Data Dialogue ..." }, { "a_docWriteWizard", "Do&c Write Wizard ..." },
        { "a_formWizard", "&Form Wizard ..." }, { "a_arrayWizard", "A&rray Wizard ..." },
        { "a_cookieWizard", "&Cookie Message Wizard" }, { "a_listDialog", "List Dialogue ..." },
        { "a_fontDialog", "Font ..." } };
    for (const auto& [name, caption] : commands) {
        ASSERT_NE(registry.action(name), nullptr) << name;
        EXPECT_EQ(registry.action(name)->text(), caption);
    }
}

// Each window: its command, caption, and the commands disabled while it is open.
struct WindowCase {
    const char* command;
    const char* caption;
    QStringList disabled;
    bool stayOnTop;
};
const WindowCase kWindows[] = {
    { "a_tableWizard", "New Table", { "a_tableWizard", "a_tableDialog" }, true },
    { "a_tableDialog", "New Table", { "a_tableWizard", "a_tableDialog" }, true },
    { "a_tableDataDialog", "Table Data Wizard", { "a_tableDataDialog" }, false },
    { "a_alertWizard", "Alert Dialogue", { "a_alertWizard" }, true },
    { "a_functionWizard", "Function Dialogue", { "a_functionWizard" }, true },
    { "a_windowWizard", "Windows Dialogue", { "a_windowWizard" }, true },
    { "a_dummyLinkWizard", "Links Dialogue", { "a_dummyLinkWizard" }, true },
    { "a_wizardFunctionLink", "Link to Function", { "a_wizardFunctionLink" }, true },
    { "a_docWriteWizard", "Document Write Wizard", { "a_docWriteWizard" }, false },
    { "a_formWizard", "Form Dialogue", { "a_formWizard" }, true },
    { "a_arrayWizard", "Make Array Wizard", { "a_arrayWizard" }, true },
    { "a_cookieWizard", "Cookie Code to Recognise Your Visitors and Count the Number of Visits", { "a_cookieWizard" },
        true },
    { "a_listDialog", "Make a List", { "a_listDialog" }, true },
    { "a_fontDialog", "Select a Font or Size", { "a_fontDialog" }, false },
};

TEST_F(WizardDialogsTest, EachWindowOpensOnceAndEveryWayOfClosingEnablesItsCommandsAgain)
{
    enum class Close { Escape, CloseBox, CancelButton };
    for (const WindowCase& w : kWindows) {
        for (Close how : { Close::Escape, Close::CloseBox, Close::CancelButton }) {
            SCOPED_TRACE(std::string(w.command) + " closed by " + std::to_string(int(how)));
            selectInDocument("keep me", 2, 3);
            auto* window = open<WizardWindow>(w.command);
            ASSERT_NE(window, nullptr);
            EXPECT_EQ(window->windowTitle(), w.caption);
            // Above the main window by ownership; no window is above every other program.
            EXPECT_FALSE(window->windowFlags() & Qt::WindowStaysOnTopHint);
            EXPECT_EQ(window->parentWidget(), &mainWindow);
            EXPECT_FALSE(window->isModal());
            for (const QString& name : w.disabled)
                EXPECT_FALSE(enabled(name)) << name.toStdString();
            // Asking again brings the same window forward.
            registry.run(w.command);
            EXPECT_EQ(mainWindow.findChildren<WizardWindow*>().size(), 1);

            QPointer<WizardWindow> alive(window);
            if (how == Close::Escape)
                QTest::keyClick(window, Qt::Key_Escape);
            else if (how == Close::CloseBox)
                window->close();
            else
                for (const char* name : { "cancelButton", "abortButton", "closeButton" })
                    if (window->findChild<QWidget*>(name)) click(window, name);
            settle();
            EXPECT_TRUE(alive.isNull());
            for (const QString& name : w.disabled)
                EXPECT_TRUE(enabled(name)) << name.toStdString();
            EXPECT_EQ(textWithCaret(), "ke[ep ]me");
        }
    }
}

TEST_F(WizardDialogsTest, TableOkReplacesTheSelectionAndFocusesTheEditor)
{
    selectInDocument("ab-XY-cd", 3, 2);
    otherField->setFocus();
    auto* table = open<TableDialog>("a_tableWizard");
    click(table, "okButton");
    settle();
    EXPECT_EQ(editor->text(), "ab-" + tableWriter(TableOptions {}) + "-cd");
    EXPECT_EQ(editor->selLength(), 0);
    EXPECT_EQ(editor->selStart(), 3 + tableWriter(TableOptions {}).size());
    activate(&mainWindow);
    EXPECT_EQ(QApplication::focusWidget(), editor);
}

TEST_F(WizardDialogsTest, TableWidthRulesAndCustomColourAcrossOpenings)
{
    auto* table = open<TableDialog>("a_tableDialog");
    auto* width = child<QSpinBox>(table, "widthSpin");
    auto* colour = child<QComboBox>(table, "colourCombo");
    EXPECT_EQ(colour->currentIndex(), -1);
    EXPECT_EQ(colour->placeholderText(), "DEFAULT");
    EXPECT_EQ(child<QComboBox>(table, "alignCombo")->placeholderText(), "Default");
    EXPECT_TRUE(width->isEnabled());
    click(table, "stateWidthCheck");
    EXPECT_FALSE(width->isEnabled());
    click(table, "stateWidthCheck");
    click(table, "perCentRadio");
    EXPECT_EQ(width->maximum(), 100);
    EXPECT_EQ(width->value(), 100);
    click(table, "pixelsRadio");
    EXPECT_EQ(width->maximum(), 1200);
    EXPECT_EQ(width->value(), 600);

    prompter.expectColor(QColor(255, 0, 0));
    colour->setCurrentIndex(1);
    emit colour->activated(1);
    EXPECT_EQ(table->options().customColour, "FF0000");
    click(table, "okButton");
    EXPECT_TRUE(editor->text().contains("<TABLE BORDER=\"1\" WIDTH=\"600\" BGCOLOR=\"#FF0000\" CELLPADDING"));
    settle();

    // The colour outlives the window; leaving the list unchosen writes none.
    editor->setText("");
    table = open<TableDialog>("a_tableWizard");
    EXPECT_EQ(TableDialog::customColour(), "FF0000");
    click(table, "okButton");
    EXPECT_FALSE(editor->text().contains("BGCOLOR"));
    settle();

    // Choosing it again asks again; a cancelled colour dialog gives black.
    editor->setText("");
    table = open<TableDialog>("a_tableWizard");
    colour = child<QComboBox>(table, "colourCombo");
    prompter.expectColor(std::nullopt);
    colour->setCurrentIndex(1);
    emit colour->activated(1);
    click(table, "okButton");
    EXPECT_TRUE(editor->text().contains("BGCOLOR=\"#000000\""));
}

TEST_F(WizardDialogsTest, CellDialogDefaultsAndWidthRules)
{
    auto* cell = open<TableDataDialog>("a_tableDataDialog");
    EXPECT_EQ(child<QComboBox>(cell, "alignCombo")->currentText(), "LEFT");
    EXPECT_EQ(child<QComboBox>(cell, "vAlignCombo")->currentText(), "TOP");
    auto* width = child<QSpinBox>(cell, "widthSpin");
    EXPECT_FALSE(width->isEnabled());
    EXPECT_EQ(width->value(), 90);
    click(cell, "stateWidthCheck");
    EXPECT_TRUE(width->isEnabled());
    click(cell, "perCentRadio");
    EXPECT_EQ(width->value(), 100);
    EXPECT_EQ(width->maximum(), 100);
    click(cell, "pixelsRadio");
    EXPECT_EQ(width->value(), 90);
    EXPECT_EQ(width->maximum(), 1200);
    // A click into the width's text takes the stated width back, left or right button.
    for (Qt::MouseButton button : { Qt::LeftButton, Qt::RightButton }) {
        if (!checked(cell, "stateWidthCheck")) click(cell, "stateWidthCheck");
        QTest::mouseClick(width->findChild<QLineEdit*>(), button);
        EXPECT_FALSE(checked(cell, "stateWidthCheck"));
        EXPECT_FALSE(width->isEnabled());
    }
    click(cell, "okButton");
    EXPECT_EQ(textWithCaret(), "\r\n<TD  ALIGN=\"LEFT\" VALIGN=\"TOP\">|");
}

TEST_F(WizardDialogsTest, FunctionWizardWritesBetweenMarkersAndStoresANewName)
{
    selectInDocument("<body>", 6, 0);
    auto* dialog = open<FunctionDialog>("a_functionWizard");
    auto* viewer = child<CodeViewer>(dialog, "codeViewer");
    EXPECT_TRUE(viewer->text().startsWith("Click on the generate button to view the code here.\r\n"));
    EXPECT_EQ(viewer->lineCount(), 6);
    EXPECT_TRUE(viewer->isReadOnly());
    click(dialog, "alertCheck");
    click(dialog, "generateButton");
    EXPECT_EQ(viewer->text(), "\r\nfunction MyFunction() {\r\n\r\nalert(\"Hello World\");\r\n\r\n}\r\n");
    EXPECT_FALSE(viewer->wordWrap());
    click(dialog, "okButton");
    EXPECT_EQ(editor->text(),
        "<body>//start of function\r\n\r\nfunction MyFunction() {\r\n\r\nalert(\"Hello World\");\r\n\r\n}\r\n"
        "//end of function\r\n");
    EXPECT_EQ(wizard.functionName, "MyFunction()");
    settle();

    // An empty name is filled in and stored nowhere; a new one is stored.
    editor->setText("");
    dialog = open<FunctionDialog>("a_functionWizard");
    setText(dialog, "functionEdit", "");
    click(dialog, "javaScriptCheck");
    click(dialog, "generateButton");
    EXPECT_EQ(child<QLineEdit>(dialog, "functionEdit")->text(), "MyFunction()");
    setText(dialog, "functionEdit", "Go()");
    click(dialog, "okButton");
    EXPECT_EQ(editor->text(),
        "<!--start of function-->\r\n<SCRIPT LANGUAGE=\"JAVASCRIPT\">\r\n<!--//\r\n\r\n"
        "function Go() {\r\n\r\n}\r\n\r\n//-->\r\n</SCRIPT><!--end of function-->\r\n");
    EXPECT_EQ(wizard.functionName, "Go()");
}

TEST_F(WizardDialogsTest, AlertTickRules)
{
    auto* alert = open<AlertDialog>("a_alertWizard");
    click(alert, "javaScriptCheck");
    EXPECT_TRUE(checked(alert, "functionCheck"));
    EXPECT_FALSE(isEnabled(alert, "functionCheck"));
    click(alert, "javaScriptCheck");
    EXPECT_TRUE(isEnabled(alert, "functionCheck"));
    EXPECT_TRUE(checked(alert, "functionCheck"));
    click(alert, "functionCheck");

    for (const char* box : { "textLinkCheck", "formButtonCheck" }) {
        click(alert, box);
        EXPECT_TRUE(checked(alert, "javaScriptCheck"));
        EXPECT_TRUE(checked(alert, "functionCheck"));
        EXPECT_FALSE(isEnabled(alert, "javaScriptCheck"));
        EXPECT_FALSE(isEnabled(alert, "functionCheck"));
    }
    click(alert, "textLinkCheck"); // the button still needs them
    EXPECT_FALSE(isEnabled(alert, "javaScriptCheck"));
    click(alert, "formButtonCheck");
    EXPECT_TRUE(isEnabled(alert, "javaScriptCheck"));
    EXPECT_TRUE(isEnabled(alert, "functionCheck"));
    EXPECT_TRUE(checked(alert, "javaScriptCheck"));
    EXPECT_TRUE(checked(alert, "functionCheck"));
}

TEST_F(WizardDialogsTest, AlertOkWithEmptyNameLeavesTheWizardNameEmpty)
{
    selectInDocument("old", 0, 3);
    auto* alert = open<AlertDialog>("a_alertWizard");
    child<QPlainTextEdit>(alert, "messageEdit")->setPlainText("a\n\nb");
    setText(alert, "functionEdit", "Named()");
    click(alert, "updateButton");
    EXPECT_EQ(wizard.functionName, "Named()");
    EXPECT_EQ(child<CodeViewer>(alert, "codeViewer")->text(), "alert(\"a\\nb\")");

    setText(alert, "functionEdit", "");
    click(alert, "okButton");
    EXPECT_EQ(textWithCaret(), "alert(\"a\\nb\")|");
    EXPECT_EQ(wizard.functionName, "");
    settle();

    auto* link = open<FunctionLinkDialog>("a_wizardFunctionLink");
    EXPECT_EQ(child<QLineEdit>(link, "nameEdit")->text(), "MyFunction()");
}

TEST_F(WizardDialogsTest, AlertActivationEmptiesMessageAndViewer)
{
    auto* alert = open<AlertDialog>("a_alertWizard");
    child<QPlainTextEdit>(alert, "messageEdit")->setPlainText("typed");
    click(alert, "updateButton");
    activate(&mainWindow);
    activate(alert);
    EXPECT_EQ(child<QPlainTextEdit>(alert, "messageEdit")->toPlainText(), "");
    EXPECT_EQ(child<CodeViewer>(alert, "codeViewer")->text(), "");
}

TEST_F(WizardDialogsTest, DummyLinkAroundTheSelectionWithTheWizardName)
{
    wizard.functionName = "Go()";
    selectInDocument("x abc y", 2, 3);
    auto* link = open<DummyLinkDialog>("a_dummyLinkWizard");
    EXPECT_EQ(child<QLineEdit>(link, "onClickEdit")->text(), "Go()");
    click(link, "addTextCheck");
    click(link, "updateButton");
    EXPECT_EQ(child<CodeViewer>(link, "codeViewer")->text(), "<a href=\"#\" >Click Me!abc</a>");
    click(link, "onClickCheck");
    click(link, "okButton");
    EXPECT_EQ(textWithCaret(), "x <a href=\"#\"  onClick=\"Go()\">Click Me!abc</a>| y");
}

TEST_F(WizardDialogsTest, FunctionLinkForms)
{
    struct Case {
        bool onClickOnly;
        int selStart, selLength;
        const char* result;
    };
    const Case cases[] = {
        { true, 3, 0, "<p  onClick=\"MyFunction();return false\"|>' q" },
        { false, 3, 0, "<p <a href=\"#\" onClick=\"MyFunction();return false\">Click Here</a>|>' q" },
        { false, 5, 2, "<p >'<a href=\"#\" onClick=\"MyFunction();return false\"> q</a>|" },
    };
    for (const Case& c : cases) {
        selectInDocument("<p >' q", c.selStart, c.selLength);
        auto* link = open<FunctionLinkDialog>("a_wizardFunctionLink");
        if (c.onClickOnly) click(link, "onClickOnlyCheck");
        click(link, "okButton");
        settle();
        EXPECT_EQ(textWithCaret(), QString(c.result));
    }
    // The name comes back from the wizard name on activation: an edit not confirmed is lost.
    auto* link = open<FunctionLinkDialog>("a_wizardFunctionLink");
    setText(link, "nameEdit", "Typed()");
    wizard.functionName = "Later()";
    activate(&mainWindow);
    activate(link);
    EXPECT_EQ(child<QLineEdit>(link, "nameEdit")->text(), "Later()");
}

TEST_F(WizardDialogsTest, WindowWizardOkWritesTheDefaultCodeAndPassesTheName)
{
    selectInDocument("<body></body>", 6, 0);
    auto* dialog = open<WindowDialog>("a_windowWizard");
    EXPECT_EQ(child<CodeEditor>(dialog, "contentsEdit")->lines(), kDefaultWindowContents);
    setText(dialog, "functionEdit", "OpenIt()");
    click(dialog, "okButton");
    WindowOptions expected = withWindowDefaults(WindowOptions {});
    expected.functionName = "OpenIt()";
    EXPECT_EQ(textWithCaret(), "<body>" + windowCode(expected) + "|</body>");
    EXPECT_EQ(wizard.functionName, "OpenIt()");
}

TEST_F(WizardDialogsTest, WindowWizardWriteToWindowWarnsAboutScriptAndEmptiesTheFileBox)
{
    auto* dialog = open<WindowDialog>("a_windowWizard");
    click(dialog, "writeToWindowCheck");
    EXPECT_FALSE(checked(dialog, "existingFileCheck"));
    click(dialog, "existingFileCheck");
    EXPECT_FALSE(checked(dialog, "writeToWindowCheck"));
    click(dialog, "writeToWindowCheck");
    setText(dialog, "windowNameEdit", "");
    child<CodeEditor>(dialog, "contentsEdit")->setText("<p>\"hi\"</p>\r\n<SCRIPT>x()</Script>");
    prompter.expectMessage(kWindowScriptWarning, Icon::None, Prompter::Ok, Prompter::Ok);
    click(dialog, "updateButton");
    EXPECT_EQ(child<QLineEdit>(dialog, "existingFileEdit")->text(), "");
    EXPECT_EQ(child<QLineEdit>(dialog, "windowNameEdit")->text(), "win1");
    EXPECT_TRUE(child<CodeViewer>(dialog, "codeViewer")
                    ->text()
                    .contains("mystring='';\r\nmystring=mystring+\"<p>'hi'</p>\"\r\n"
                              "mystring=mystring+\"<SCRIPT>x()</Script>\"\r\nwin1=window.open('','win1',"));
    // Activation empties the viewer.
    activate(&mainWindow);
    activate(dialog);
    EXPECT_EQ(child<CodeViewer>(dialog, "codeViewer")->text(), "");
}

TEST_F(WizardDialogsTest, WindowWizardGetFilenameUnsavedAskedThenRelativeOnceSaved)
{
    QTemporaryDir dir;
    const QString page = dir.filePath("site/page.htm");
    const QString target = dir.filePath("site/pop/up.htm");
    QDir(dir.path()).mkpath("site/pop");
    int saves = 0;
    saveDocument = [&] {
        ++saves;
        QFile file(page);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        documentFile = page;
        return true;
    };
    auto* dialog = open<WindowDialog>("a_windowWizard");
    const QString question
        = "Main file has not been saved, \r\nso I won't be able to compute a relative path. \r\n"
          "You are highly recommended to choose Yes to save \r\nthis file.\r\nIf you choose No, then "
          "I will enter an absolute path \r\nfor the file you select (not recommended). \r\nIn which "
          "case, please edit the filepath, in the box, or later.\r\nClick Yes to save.";

    // No: the full path, forward slashes.
    prompter.expectMessage(question, Icon::Warning, Prompter::Yes | Prompter::No, Prompter::No);
    prompter.expectOpenFile("", target);
    click(dialog, "getFilenameButton");
    EXPECT_EQ(prompter.lastFileDialog().filter, "Internet Files |*.htm*|All Files|*.*");
    EXPECT_EQ(prompter.lastFileDialog().defaultExtension, "htm");
    EXPECT_TRUE(prompter.lastFileDialog().mustExist);
    EXPECT_EQ(child<QLineEdit>(dialog, "existingFileEdit")->text(), target);
    EXPECT_EQ(saves, 0);

    // Yes saves; the path is then relative. A cancelled file dialog leaves the box alone.
    prompter.expectMessage(question, Icon::Warning, Prompter::Yes | Prompter::No, Prompter::Yes);
    prompter.expectOpenFile("", target);
    click(dialog, "getFilenameButton");
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(child<QLineEdit>(dialog, "existingFileEdit")->text(), "pop/up.htm");
    prompter.expectOpenFile("", std::nullopt);
    click(dialog, "getFilenameButton");
    EXPECT_EQ(child<QLineEdit>(dialog, "existingFileEdit")->text(), "pop/up.htm");
}

TEST_F(WizardDialogsTest, WindowContentsMenuOpenClearAndCloseButton)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("contents.htm");
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("<p>one</p>\n<p>two</p>\n");
    }
    auto* dialog = open<WindowDialog>("a_windowWizard");
    auto* contents = child<CodeEditor>(dialog, "contentsEdit");
    QStringList captions;
    for (QAction* a : dialog->contentsMenu()->actions())
        captions << a->text();
    EXPECT_EQ(captions,
        (QStringList {
            "Cu&t", "&Copy", "&Paste", "", "Insert Close Window Button", "Open File ...", "C&lear this window" }));

    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5));
    QApplication::sendEvent(contents->viewport(), &rightClick);
    EXPECT_TRUE(dialog->contentsMenu()->isVisible());
    dialog->contentsMenu()->hide();

    prompter.expectOpenFile("", file);
    click(dialog, "openFileButton");
    EXPECT_EQ(contents->lines(), (QStringList { "<p>one</p>", "<p>two</p>" }));
    contents->setSelStart(3);
    contents->setSelLength(3);
    dialog->contentsMenu()->actions()[4]->trigger();
    EXPECT_EQ(contents->lines(),
        (QStringList { "<p>one", "<form>", "<input type=button value=Close onClick=window.close()>", "</form>", "</p>",
            "<p>two</p>" }));
    dialog->contentsMenu()->actions()[6]->trigger();
    EXPECT_EQ(contents->text(), "");

    // A missing file is reported and changes nothing.
    contents->setText("kept");
    prompter.expectOpenFile("", dir.filePath("gone.htm"));
    prompter.expectMessage("Cannot open file \"" + dir.filePath("gone.htm") + "\". No such file or directory",
        Icon::Error, Prompter::Ok, Prompter::Ok);
    click(dialog, "openFileButton");
    EXPECT_EQ(contents->text(), "kept");
    prompter.verify();
}

TEST_F(WizardDialogsTest, HintPanelShowsHintsWhileActive)
{
    HintRouter router;
    auto* dialog = open<FunctionDialog>("a_functionWizard");
    router.showHint(child<QWidget>(dialog, "alertCheck")->statusTip());
    EXPECT_EQ(dialog->hintPanel()->toPlainText(), "Add an alert box");
}

} // namespace
