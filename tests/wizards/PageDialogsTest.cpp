#include "wizards/PageDialogs.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include "WizardFixture.h"

namespace {

using Icon = Prompter::Icon;

class PageDialogsTest : public WizardFixture {
protected:
    static QStringList captions(QMenu* menu)
    {
        QStringList texts;
        for (QAction* a : menu->actions())
            texts << a->text();
        return texts;
    }
    QString writeFile(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QTemporaryDir dir;
};

TEST_F(PageDialogsTest, DocWriteShowCodeWarnsOkWritesAndStoresTheFunctionName)
{
    selectInDocument("<body>", 6, 0);
    auto* dialog = open<DocWriteDialog>("a_docWriteWizard");
    EXPECT_EQ(
        captions(dialog->sourceMenu()), (QStringList { "Cu&t", "&Copy", "&Paste", "", "Load &File ...", "C&lear" }));
    auto* source = child<CodeEditor>(dialog, "sourceEdit");
    source->setText("<p>Don't</p>\r\n<script>x()</SCRIPT>");
    prompter.expectMessage(kDocWriteScriptWarning, Icon::None, Prompter::Ok, Prompter::Ok);
    click(dialog, "showCodeButton");
    EXPECT_EQ(child<CodeViewer>(dialog, "codeViewer")->text(),
        "mystring=\"\";\r\nmystring=mystring+\"<p>Don\\'t</p>\"\r\nmystring=mystring+\"<script>x()</SCRIPT>\"\r\n"
        "document.write(mystring)");

    // OK does not warn; with function tags the name is passed on, even an empty one.
    source->setText("x");
    click(dialog, "addFunctionTagsCheck");
    setText(dialog, "functionNameEdit", "");
    click(dialog, "okButton");
    EXPECT_EQ(textWithCaret(),
        "<body>function  {\r\nmystring=\"\";\r\nmystring=mystring+\"x\"\r\n"
        "document.write(mystring)\r\n}|");
    EXPECT_EQ(wizard.functionName, "");
}

TEST_F(PageDialogsTest, DocWriteLoadsAndClearsTheSource)
{
    const QString file = writeFile("part.htm", "<b>a</b>\n<i>b</i>\n");
    auto* dialog = open<DocWriteDialog>("a_docWriteWizard");
    auto* source = child<CodeEditor>(dialog, "sourceEdit");
    prompter.expectOpenFile("", file);
    click(dialog, "openFileButton");
    EXPECT_EQ(prompter.lastFileDialog().filter, "");
    EXPECT_EQ(source->lines(), (QStringList { "<b>a</b>", "<i>b</i>" }));
    dialog->sourceMenu()->actions()[5]->trigger();
    EXPECT_EQ(source->text(), "");
    prompter.expectOpenFile("", std::nullopt);
    dialog->sourceMenu()->actions()[4]->trigger();
    EXPECT_EQ(source->text(), "");
}

TEST_F(PageDialogsTest, FormWrapsTheSelectionWithTheButtonInside)
{
    selectInDocument("a", 0, 0);
    auto* dialog = open<FormDialog>("a_formWizard");
    click(dialog, "okButton");
    EXPECT_EQ(textWithCaret(),
        "\r\n<FORM NAME=\"form1\">\r\n\r\n<INPUT TYPE=\"button\" VALUE=\"Click\">\r\n|\r\n\r\n</FORM>\r\na");
    settle();

    selectInDocument("<p>Fields</p>", 0, 13);
    dialog = open<FormDialog>("a_formWizard");
    click(dialog, "methodCheck");
    click(dialog, "onClickCheck");
    child<QComboBox>(dialog, "typeCombo")->setCurrentIndex(0);
    click(dialog, "okButton");
    EXPECT_EQ(textWithCaret(),
        "\r\n<FORM NAME=\"form1\" METHOD=\"post\">\r\n<p>Fields</p>\r\n<INPUT TYPE=\"submit\" "
        "VALUE=\"Click\" onClick=\"\">\r\n|\r\n\r\n</FORM>\r\n");
}

TEST_F(PageDialogsTest, CookieLibraryGoesIntoTheHeadAndTheCaretToTheBodyEnd)
{
    const QString page = "<html><head><title>t</title></head>\r\n<body>\r\n<p>Hello visitor\r\n</body></html>";
    selectInDocument(page, page.indexOf("Hello"), 5);
    auto* dialog = open<CookieDialog>("a_cookieWizard");
    EXPECT_TRUE(child<QPlainTextEdit>(dialog, "explanationText")->isReadOnly());
    click(dialog, "okButton");
    const QString expected = "<html><head><title>t</title>" + cookieLibrary() + "</HEAD>\r\n<body>\r\n<p>Hello"
        + cookieCallBlock() + " visitor\r\n</body></html>";
    EXPECT_EQ(editor->text(), expected);
    EXPECT_EQ(editor->selStart(), expected.indexOf("</body>"));
    EXPECT_EQ(editor->selLength(), 0);
}

TEST_F(PageDialogsTest, CookieWithoutHeadTakesTheCallBlockOutAgain)
{
    selectInDocument("<body>\r\nno head here\r\n", 8, 0);
    auto* dialog = open<CookieDialog>("a_cookieWizard");
    prompter.expectMessage(kNoHeadMessage, Icon::None, Prompter::Ok, Prompter::Ok);
    click(dialog, "okButton");
    EXPECT_EQ(editor->text(), "<body>\r\nno head here\r\n");
    EXPECT_EQ(editor->selStart(), 0);
}

TEST_F(PageDialogsTest, ArrayShowCodeChecksOkDoesNot)
{
    selectInDocument("", 0, 0);
    auto* dialog = open<ArrayDialog>("a_arrayWizard");
    EXPECT_EQ(
        captions(dialog->elementsMenu()), (QStringList { "Cu&t", "&Copy", "&Paste", "", "Load &File ...", "C&lear" }));
    prompter.expectMessage(
        "Please enter some elements for the array\r\nOne per line.", Icon::None, Prompter::Ok, Prompter::Ok);
    click(dialog, "showCodeButton");
    EXPECT_EQ(child<CodeViewer>(dialog, "codeViewer")->text(), "");

    child<CodeEditor>(dialog, "elementsEdit")->setText("red\r\ngreen\r\n");
    setText(dialog, "arrayNameEdit", "");
    click(dialog, "showCodeButton");
    EXPECT_EQ(child<QLineEdit>(dialog, "arrayNameEdit")->text(), "myArray");
    EXPECT_EQ(child<CodeViewer>(dialog, "codeViewer")->text(),
        "myArray=new Array(2);\r\nmyArray[0]=\"red\";\r\nmyArray[1]=\"green\";");
    click(dialog, "clearButton");
    EXPECT_EQ(child<CodeEditor>(dialog, "elementsEdit")->text(), "");
    EXPECT_EQ(child<CodeViewer>(dialog, "codeViewer")->text(), "");

    const QString file = writeFile("colours.txt", "blue\n");
    prompter.expectOpenFile("", file);
    dialog->elementsMenu()->actions()[4]->trigger();
    setText(dialog, "arrayNameEdit", "");
    click(dialog, "okButton");
    EXPECT_EQ(textWithCaret(), "=new Array(1);\r\n[0]=\"blue\";|");
}

TEST_F(PageDialogsTest, ListFromTheSelectedLines)
{
    // The selection starts inside "One" and ends inside "Two": both lines, whole.
    selectInDocument("before\r\nOne\r\nTwo\r\nafter", 9, 6);
    auto* dialog = open<ListDialog>("a_listDialog");
    click(dialog, "listButton");
    EXPECT_EQ(textWithCaret(), "before\r\n<OL >\r\n<LI>One</LI>\r\n<LI>Two</LI>|\r\n</OL>\r\n\r\nafter");

    // Unordered: the check box switches caption, start field and type list.
    selectInDocument("One\r\nTwo", 0, 0);
    click(dialog, "orderedCheck");
    EXPECT_EQ(child<QPushButton>(dialog, "listButton")->text(), "Add Unordered List");
    EXPECT_FALSE(isEnabled(dialog, "startEdit"));
    auto* types = child<QComboBox>(dialog, "typeCombo");
    EXPECT_EQ(types->count(), 3);
    EXPECT_EQ(types->currentText(), "Default");
    types->setCurrentIndex(1);
    click(dialog, "listButton");
    EXPECT_EQ(textWithCaret(), "<UL TYPE=\"square\">\r\n<LI>One</LI>|\r\n</UL>\r\n\r\nTwo");

    click(dialog, "orderedCheck");
    EXPECT_EQ(child<QPushButton>(dialog, "listButton")->text(), "Add Ordered List");
    EXPECT_EQ(types->itemText(4), "I");
    selectInDocument("One", 1, 0);
    setText(dialog, "startEdit", "x");
    prompter.expectMessage("Please enter a valid number", Icon::None, Prompter::Ok, Prompter::Ok);
    click(dialog, "listButton");
    EXPECT_EQ(editor->text(), "<OL >\r\n<LI>One</LI>\r\n</OL>\r\n");
}

TEST_F(PageDialogsTest, BreaksOnEveryLineTheSelectionTouches)
{
    selectInDocument("a\r\n  \r\nthird line\r\nlast", 1, 8);
    auto* dialog = open<ListDialog>("a_listDialog");
    click(dialog, "breaksButton");
    EXPECT_EQ(textWithCaret(), "a<BR>\r\n  \r\nthird line<BR>|\r\nlast");
}

TEST_F(PageDialogsTest, FontTagAroundTheSelection)
{
    selectInDocument("big word", 4, 4);
    auto* dialog = open<FontDialog>("a_fontDialog");
    EXPECT_EQ(child<QComboBox>(dialog, "fontCombo")->currentText(), "Default Font");
    EXPECT_EQ(child<QComboBox>(dialog, "sizeCombo")->currentText(), "3");
    EXPECT_EQ(dialog->sample()->text(), "Example of formatting");
    EXPECT_EQ(dialog->sample()->font().pointSize(), 12);
    click(dialog, "okButton");
    EXPECT_EQ(textWithCaret(), "big <FONT SIZE=\"3\">word|</FONT>");
}

TEST_F(PageDialogsTest, FontColourSizeAndActivationReset)
{
    auto* dialog = open<FontDialog>("a_fontDialog");
    auto* fonts = child<QComboBox>(dialog, "fontCombo");
    const int fontCount = fonts->count();
    prompter.expectColor(QColor(255, 0, 0));
    click(dialog, "colourButton");
    EXPECT_EQ(prompter.lastOwner(), dialog);
    EXPECT_EQ(child<QLineEdit>(dialog, "colourEdit")->text(), "#FF0000");
    EXPECT_EQ(dialog->sample()->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    child<QComboBox>(dialog, "sizeCombo")->setCurrentIndex(6);
    EXPECT_EQ(dialog->sample()->font().pointSize(), 36);

    // Coming back from another window starts afresh; the font list is not filled again.
    activate(&mainWindow);
    activate(dialog);
    EXPECT_EQ(child<QLineEdit>(dialog, "colourEdit")->text(), "");
    EXPECT_EQ(child<QComboBox>(dialog, "sizeCombo")->currentIndex(), 2);
    EXPECT_EQ(fonts->count(), fontCount);
    EXPECT_EQ(dialog->sample()->font().pointSize(), 12);
}

// A colour dialog that takes the activation away while it is up, as a real one does.
class ModalColourPrompter : public ScriptedPrompter {
public:
    QWidget* elsewhere = nullptr;
    std::optional<QColor> chooseColorFor(QWidget*, const QColor&) override
    {
        QApplication::setActiveWindow(elsewhere);
        return QColor(0, 0, 255);
    }
};

TEST_F(PageDialogsTest, ComingBackFromItsOwnColourDialogKeepsTheChoice)
{
    ModalColourPrompter modal;
    QWidget colourDialog;
    colourDialog.show();
    modal.elsewhere = &colourDialog;
    context.prompter = &modal;
    auto* dialog = new FontDialog(context);
    dialog->show();
    activate(dialog);
    click(dialog, "colourButton");
    activate(dialog);
    EXPECT_EQ(child<QLineEdit>(dialog, "colourEdit")->text(), "#0000FF");
    delete dialog;
}

} // namespace

namespace {

// A right click in a source box opens its menu.
TEST_F(PageDialogsTest, RightClickOpensTheSourceBoxMenus)
{
    struct Case {
        const char* command;
        const char* box;
        std::function<QMenu*(QWidget*)> menu;
    };
    const Case cases[] = {
        { "a_docWriteWizard", "sourceEdit", [](QWidget* w) { return static_cast<DocWriteDialog*>(w)->sourceMenu(); } },
        { "a_arrayWizard", "elementsEdit", [](QWidget* w) { return static_cast<ArrayDialog*>(w)->elementsMenu(); } },
    };
    for (const Case& c : cases) {
        auto* window = open<WizardWindow>(c.command);
        auto* box = child<CodeEditor>(window, c.box);
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5));
        QApplication::sendEvent(box->viewport(), &event);
        QMenu* menu = c.menu(window);
        EXPECT_TRUE(menu->isVisible()) << c.command;
        menu->hide();
        window->close();
        settle();
    }
}

} // namespace
