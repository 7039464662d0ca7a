#include "support/CaretMarkup.h"
#include "editor/CodeEditor.h"
#include "main/SnippetCommands.h"
#include "main/SnippetTable.h"
#include "shared/HexColour.h"
#include "shared/WizardState.h"
#include "support/ScriptedPrompter.h"

#include <QAction>
#include <QSet>
#include <gtest/gtest.h>

namespace {

// Stands in for the instant-code prompt: records each question and gives the scripted answers.
struct ScriptedAsker {
    struct Question {
        QString label;
        QString defaultValue;
    };
    QList<Question> asked;
    QStringList answers;

    ValuePrompt prompt()
    {
        return [this](const QString& label, const QString& defaultValue) {
            asked.append({ label, defaultValue });
            if (answers.isEmpty()) {
                ADD_FAILURE() << "unexpected prompt: " << label.toStdString();
                return defaultValue;
            }
            return answers.takeFirst();
        };
    }
};

const QString kBefore = QStringLiteral("ab word cd");
const QString kColourDialog = QStringLiteral("(colour dialog)");
const QString kAnswer = QStringLiteral("val");

struct Case {
    const char* name;
    bool selected; // "word" selected, else a bare caret before it
    QString label; // the prompt expected: empty for none, kColourDialog for the colour dialog
    QString defaultValue;
    QString after; // the whole text afterwards, '|' marking the caret
};

// Expected results written out from the command tables, independently of the snippet data.
const QList<Case> kCases = {
    { "snippet_html", false, {}, {}, "ab <HTML>\r\n|\r\n</HTML>word cd" },
    { "snippet_head", false, {}, {}, "ab <HEAD>\r\n|\r\n</HEAD>\r\nword cd" },
    { "snippet_body", false, {}, {}, "ab \r\n<BODY>\r\n|\r\n</BODY>word cd" },
    { "snippet_blockquote", false, {}, {}, "ab \r\n<BLOCKQUOTE>\r\n|\r\n</BLOCKQUOTE>\r\nword cd" },
    { "snippet_pre", false, {}, {}, "ab \r\n<PRE>\r\n|\r\n</PRE>word cd" },
    { "snippet_h1", false, {}, {}, "ab \r\n<H1>|</H1>\r\nword cd" },
    { "snippet_h2", false, {}, {}, "ab \r\n<H2>|</H2>\r\nword cd" },
    { "snippet_h3", false, {}, {}, "ab <H3>|</H3>\r\nword cd" },
    { "snippet_paragraph", false, {}, {}, "ab <P>|</P>word cd" },
    { "snippet_paragraph", true, {}, {}, "ab <P>\r\nword|\r\n</P> cd" },
    { "snippet_break", false, {}, {}, "ab <BR>|word cd" },
    { "snippet_break", true, {}, {}, "ab word|<BR> cd" },
    { "snippet_title", false, {}, {}, "ab <TITLE>|</TITLE>\r\nword cd" },
    { "snippet_keywords", false, {}, {}, "ab <META NAME=\"KEYWORDS\" CONTENT=\"|\">word cd" },
    { "snippet_descriptions", false, {}, {}, "ab \r\n<META NAME=\"DESCRIPTION\" CONTENT=\"|\">\r\nword cd" },
    { "snippet_alignLeft", false, {}, {}, "ab \r\n<P ALIGN=\"LEFT\">\r\n|\r\n</P>\r\nword cd" },
    { "snippet_alignRight", false, {}, {}, "ab <P ALIGN=\"RIGHT\">\r\n|\r\n</P>word cd" },
    { "snippet_alignCentre", false, {}, {}, "ab <CENTER>\r\n|\r\n</CENTER>word cd" },
    { "snippet_bold", false, {}, {}, "ab <B>|</B>word cd" },
    { "snippet_bold", true, {}, {}, "ab <B>word|</B> cd" },
    { "snippet_italic", false, {}, {}, "ab <I>|</I>word cd" },
    { "snippet_underline", true, {}, {}, "ab <U>word|</U> cd" },
    { "snippet_form", false, {}, {},
        "ab <FORM NAME=\"\" METHOD=\"POST\" ACTION=\"\" ENCTYPE=\"TEXT/PLAIN\">\r\n|\r\n</FORM>word cd" },
    { "snippet_select", false, {}, {},
        "ab <SELECT NAME=\"\">\r\n<OPTION VALUE=\"\" SELECTED>\r\n<OPTION VALUE=\"\">\r\n|\r\n</SELECT>\r\nword cd" },
    { "snippet_aButton", false, {}, {}, "ab \r\n<INPUT TYPE=\"BUTTON\" VALUE=\"BUTTON\"><BR>|\r\nword cd" },
    { "snippet_aButton", true, {}, {}, "ab \r\n<INPUT TYPE=\"BUTTON\" VALUE=\"word|\"><BR> cd" },
    { "snippet_submit", false, {}, {}, "ab <INPUT TYPE=\"SUBMIT\" VALUE=\"SUBMIT\">|<BR>\r\nword cd" },
    { "snippet_submit", true, {}, {}, "ab \r\n<INPUT TYPE=\"SUBMIT\" VALUE=\"word|\"><BR> cd" },
    { "snippet_reset", false, {}, {}, "ab \r\n<INPUT TYPE=\"RESET\" VALUE=\"RESET\"><BR>|\r\nword cd" },
    { "snippet_reset", true, {}, {}, "ab \r\n<INPUT TYPE=\"RESET\" VALUE=\"word|\"><BR> cd" },
    { "snippet_text", false, {}, {},
        "ab <INPUT TYPE=\"TEXT\" NAME=\"\" VALUE=\"|\" SIZE=\"25\" MAXLENGTH=\"25\"><BR>\r\nword cd" },
    { "snippet_textArea", false, {}, {}, "ab <TEXTAREA NAME=\"\" ROWS=\"4\" COLS=\"25\">|</TEXTAREA><BR>word cd" },
    { "snippet_hidden", false, {}, {}, "ab \r\n<INPUT TYPE=\"HIDDEN\" NAME=\"H1\" VALUE=\"\">|\r\nword cd" },
    { "snippet_hidden", true, {}, {}, "ab \r\n<INPUT TYPE=\"HIDDEN\" NAME=\"H1\" VALUE=\"word|\">\r\n cd" },
    { "snippet_checkbox", false, {}, {},
        "ab \r\n<INPUT TYPE=\"CHECKBOX\" NAME=\"C1\" VALUE=\"\" CHECKED>|\r\nword cd" },
    { "snippet_radio", false, {}, {}, "ab \r\n<INPUT TYPE=\"RADIO\" NAME=\"C1\" VALUE=\"\" CHECKED>|\r\nword cd" },
    { "snippet_framesetRows", false, {}, {}, "ab \r\n<FRAMESET ROWS=\"15%,*\">\r\n|\r\n</FRAMESET>word cd" },
    { "snippet_framesetCols", false, {}, {}, "ab \r\n<FRAMESET COLS=\"15%,*\">\r\n|\r\n</FRAMESET>word cd" },
    { "snippet_frame", false, {}, {},
        "ab <FRAME NAME=\"MyFrameName1\" TARGET=\"MyFrameName2\" NORESIZE SCROLLING=\"NO\" "
        "SRC=\"MyMenuPage.htm\">\r\n|word cd" },
    { "snippet_noFramesTag", false, {}, {},
        "ab \r\n<NOFRAMES>\r\n<BODY>\r\n<P>Helpful message here</P>\r\n</BODY>\r\n|</NOFRAMES>word cd" },
    { "snippet_plainLink", false, {}, {}, "ab <A HREF=\"\">|</A>word cd" },
    { "snippet_emailLink", false, "Enter an e-mail address", "someone@example.com?SUBJECT=My Page",
        "ab <A HREF=\"MAILTO:val \">email|</A>word cd" },
    { "snippet_emailLink", true, "Enter an e-mail address", "someone@example.com?SUBJECT=My Page",
        "ab <A HREF=\"MAILTO:val \">word|</A> cd" },
    { "snippet_bookmark", false, "Enter a bookmark name.", "bottom", "ab <A NAME=\"val\">|</A>word cd" },
    { "snippet_bookmark", true, "Enter a bookmark name.", "bottom", "ab <A NAME=\"val\">word|</A> cd" },
    { "snippet_htmlComments", false, {}, {}, "ab \r\n<!-- | -->word cd" },
    { "snippet_htmlFancyComments", false, {}, {},
        "ab \r\n<!-- ####################### | ####################### -->\r\nword cd" },
    { "snippet_styleTags", false, {}, {},
        "ab \r\n<STYLE TYPE=\"text/css\">\r\n<!--\r\n|\r\n-->\r\n</STYLE>\r\nword cd" },
    { "snippet_horizontalLine", false, {}, {}, "ab \r\n<HR>\r\n|\r\n\r\nword cd" },
    { "snippet_orderedList", false, {}, {}, "ab <OL>\r\n|\r\n</OL>word cd" },
    { "snippet_unorderedList", false, {}, {}, "ab <UL>|\r\n</UL>word cd" },
    { "snippet_listItem", false, {}, {}, "ab <LI>|</LI>word cd" },
    { "snippet_tableTags", false, {}, {}, "ab <TABLE>\r\n|\r\n</TABLE>word cd" },
    { "snippet_tableRowTags", false, {}, {}, "ab <TR>\r\n|\r\n</TR>word cd" },
    { "snippet_tableDataTags", true, {}, {}, "ab <TD>\r\nword|\r\n</TD> cd" },
    { "snippet_hexColour", false, kColourDialog, {}, "ab #12ABEF|word cd" },
    { "snippet_hexColour", true, kColourDialog, {}, "ab #12ABEF| cd" },
    { "snippet_backgroundColour", false, kColourDialog, {}, "ab  bgColor=\"#12ABEF\"|word cd" },
    { "snippet_backgroundColour", true, kColourDialog, {}, "ab  bgColor=\"#12ABEF\"| cd" },

    { "snippet_javaScriptTags", false, {}, {},
        "ab <SCRIPT LANGUAGE=\"JAVASCRIPT\">\r\n<!--//\r\n|\r\n//-->\r\n</SCRIPT>word cd" },
    { "snippet_quotes", true, {}, {}, "ab \"word|\"\r\n cd" },
    { "snippet_function", false, "Enter a function.", "MyFunction()", "ab function val{\r\n|\r\n\r\n}word cd" },
    { "snippet_if", false, "Enter the condition, for example, x==y", "x==y", "ab if (val) {\r\n|\r\n}word cd" },
    { "snippet_else", false, {}, {}, "ab \r\nelse {\r\n |\r\n}word cd" },
    { "snippet_for", false, "Enter the condition, for example, i=0;i<n; i++", "i=0;i<n; i++",
        "ab \r\nfor (val) {\r\n|\r\n}word cd" },
    { "snippet_while", true, "Enter the condition, for example, x==y", "x==y",
        "ab while (val) {\r\nword|\r\n\r\n} cd" },
    { "snippet_switch", false, {}, {},
        "ab \r\nswitch (|expression) {\r\ncase label1:\r\nstatements\r\nbreak    \r\ncase label2:  \r\nstatements  \r\n"
        "break       \r\ncase label3:\r\nstatements  \r\nbreak       \r\n[default:   \r\nstatements]\r\n}\r\nword cd" },
    { "snippet_with", false, "With ...", "document", "ab \r\nwith (val) {\r\n|\r\n\r\n}word cd" },
    { "snippet_alert", false, {}, {}, "ab alert(\"|\");\r\nword cd" },
    { "snippet_confirm", false, {}, {}, "ab \r\nanswer=confirm(|);\r\nword cd" },
    { "snippet_prompt", false, {}, {}, "ab \r\nanswer=prompt(\"|Message\",\"DefaultAnswer\");\r\nword cd" },
    { "snippet_newWindow", false, {}, {},
        "ab \r\nwindow.open('MyExistingWindow.htm', 'MyTitle', "
        "'toolbar,menubar,scrollbars,resizable,status,location,directories,copyhistory,height=200,width=200');|\r\n"
        "word cd" },
    { "snippet_onClick", false, "Enter a value for onClick. For example, alert('You clicked')alert('You Clicked Me')",
        "alert('You Clicked Me')", "ab  onClick=\"val\"|word cd" },
    { "snippet_onClick", true, "Enter a value for onClick. For example, alert('You clicked')alert('You Clicked Me')",
        "alert('You Clicked Me')", "ab  onClick=\"val\"word| cd" },
    { "snippet_onSubmit", false,
        "Enter a value for onSubmit. For example, alert('You submitted')alert('You submitted')",
        "alert('You submitted')", "ab  onSubmit=\"val\"|word cd" },
    { "snippet_onChange", false, "Enter a value for onChange. For example, alert('It Changed')alert('It Changed')",
        "alert('It Changed')", "ab  onChange=\"val\"|word cd" },
    { "snippet_onMouseOver", false, "Enter a value for onMouseOut. For example, alert('Hello')alert('Mouse Over')",
        "alert('Mouse Over')", "ab  onMouseOver=\"val\"|word cd" },
    { "snippet_onMouseOut", false, "Enter a value for onMouseOut. For example, alert('Hello')alert('Bye')",
        "alert('Bye')", "ab  onMouseOut=\"val\"|word cd" },
    { "snippet_onMouseUp", false, "Enter a value for onMouseUp. For example, alert('Mouse released')alert('Mouse Up')",
        "alert('Mouse Up')", "ab  onMouseUp=\"val\"|word cd" },
    { "snippet_onMouseDown", false,
        "Enter a value for onMouseDown. For example, alert('Mouse Pressed')alert('Mouse Pressed')",
        "alert('Mouse Pressed')", "ab  onMouseDown=\"val\"|word cd" },
    { "snippet_documentWrite", false, {}, {}, "ab document.write(\"|\")word cd" },
    { "snippet_historyGo", false, {}, {}, "ab \r\nhistory.go(-1|)word cd" },
    { "snippet_topLocation", false, {}, {}, "ab \r\ntop.location=\"|\"word cd" },
    { "snippet_array", false, "Enter the items for the array.", "\"item1\",\"item2\"",
        "ab var MyArray=new Array(val);|word cd" },
    { "snippet_array", true, "Enter the items for the array.", "\"item1\",\"item2\"",
        "ab var MyArray=new Array(val);word| cd" },
    { "snippet_indexOf", false, "Enter a value for indexOf. For example, \"cat\"", "\"cat\"",
        "ab  indexOf(val)|word cd" },
    { "snippet_lastIndexOf", false, "Enter a value for lastIndexOf. For example, \"cat\"", "\"cat\"",
        "ab  lastIndexOf(val)|word cd" },
    { "snippet_substring", false, {}, {}, "ab substring(startnumber,endnumber)|word cd" },
    { "snippet_charAt", false, "Enter a value for charAt. For example, 4", "4", "ab charAt(val)|word cd" },
    { "snippet_length", true, {}, {}, "ab lengthword| cd" },
    { "snippet_parseFloat", false, "Enter a value for parseFloat. For example, aNumber", "aNumber",
        "ab  parseFloat(val)|word cd" },
    { "snippet_parseInt", false, "Enter a value for parseInt. For example, myNumber", "myNumber",
        "ab  parseInt(val)|word cd" },
    { "snippet_isNaN", false, "Enter a value for isNaN. For example, NumberToCheck", "NumberToCheck",
        "ab  isNaN(val)|word cd" },
    { "snippet_javaScriptComments", false, {}, {}, "ab \r\n/* | */word cd" },
    { "snippet_javaScriptFancyComments", false, {}, {},
        "ab \r\n/* ####################### | ####################### */\r\nword cd" },
    { "snippet_promptButton", false, {}, {}, "ab \r\nName1=prompt(\"Enter data\",\"DefaultAnswer\");|\r\nword cd" },
};


class SnippetCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetHexColour();
        editor.setText(kBefore);
        editor.clearUndo();
        editor.setModified(false);
    }

    void select(int start, int length)
    {
        editor.setSelStart(start);
        editor.setSelLength(length);
    }

    CodeEditor editor;
    ScriptedPrompter prompter;
    ScriptedAsker asker;
    WizardState wizard;
    QString& functionName = wizard.functionName;
    SnippetCommands commands { editor, asker.prompt(), prompter, wizard };
};

TEST_F(SnippetCommandsTest, EveryCommandInsertsItsTextsAsOneUndoStep)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.name) + (c.selected ? " (selected)" : " (caret)"));
        SetUp();
        const int length = c.selected ? 4 : 0;
        select(3, length);
        functionName = kInitialFunctionName;
        if (c.label == kColourDialog)
            prompter.expectColor(QColor(0x12, 0xAB, 0xEF));
        else if (!c.label.isEmpty())
            asker.answers = { kAnswer };
        asker.asked.clear();

        QAction* action = commands.action(QString::fromLatin1(c.name));
        ASSERT_NE(action, nullptr);
        action->trigger();

        if (!c.label.isEmpty() && c.label != kColourDialog) {
            ASSERT_EQ(asker.asked.size(), 1);
            EXPECT_EQ(asker.asked[0].label, c.label);
            EXPECT_EQ(asker.asked[0].defaultValue, c.defaultValue);
        } else {
            EXPECT_TRUE(asker.asked.isEmpty());
        }
        const auto [after, caret] = splitCaret(c.after);
        EXPECT_EQ(editor.text(), after);
        EXPECT_EQ(editor.selStart(), caret);
        EXPECT_EQ(editor.selLength(), 0);
        EXPECT_TRUE(editor.isModified());

        editor.undo();
        EXPECT_EQ(editor.text(), kBefore);
        EXPECT_EQ(editor.selText(), c.selected ? QStringLiteral("word") : QString());
        EXPECT_EQ(std::min(editor.selStart(), editor.selStart() + editor.selLength()), 3);
        EXPECT_FALSE(editor.canUndo());
        prompter.verify();
        if (c.label == kColourDialog) EXPECT_EQ(prompter.lastColorInitial(), QColor(Qt::black));
    }
}

TEST_F(SnippetCommandsTest, EverySnippetIsCoveredByTheCases)
{
    QSet<QString> covered;
    for (const Case& c : kCases)
        covered.insert(QString::fromLatin1(c.name));
    for (const Snippet& s : snippetTable())
        EXPECT_TRUE(covered.contains(s.name)) << s.name.toStdString();
}

TEST_F(SnippetCommandsTest, ActionsCarryCaptionsAndShortcutsOfTheMenus)
{
    const QList<std::pair<const char*, const char*>> shortcuts = {
        { "snippet_blockquote", "Ctrl+Q" },
        { "snippet_h1", "Ctrl+1" },
        { "snippet_h2", "Ctrl+2" },
        { "snippet_h3", "Ctrl+3" },
        { "snippet_paragraph", "Ctrl+P" },
        { "snippet_break", "Ctrl+R" },
        { "snippet_bold", "Ctrl+B" },
        { "snippet_italic", "Ctrl+I" },
        { "snippet_underline", "Ctrl+U" },
        { "snippet_bookmark", "Ctrl+Alt+B" },
        { "snippet_horizontalLine", "Ctrl+H" },
        { "snippet_listItem", "Ctrl+L" },
        { "snippet_tableRowTags", "Ctrl+W" },
        { "snippet_tableDataTags", "Ctrl+D" },
    };
    QSet<QString> withShortcut;
    for (const auto& [name, keys] : shortcuts) {
        withShortcut.insert(QString::fromLatin1(name));
        EXPECT_EQ(commands.action(QString::fromLatin1(name))->shortcut(), QKeySequence(QString::fromLatin1(keys)))
            << name;
    }
    for (QAction* a : commands.htmlActions() + commands.javaScriptActions()) {
        if (!withShortcut.contains(a->objectName()))
            EXPECT_TRUE(a->shortcut().isEmpty()) << a->objectName().toStdString();
        EXPECT_FALSE(a->statusTip().isEmpty());
    }
    EXPECT_EQ(commands.action("snippet_bold")->text(), "&Bold");
    EXPECT_EQ(commands.action("snippet_tableDataTags")->text(), "Table &Data Tags");
    EXPECT_EQ(commands.htmlActions().first()->text(), "HTML");
    EXPECT_EQ(commands.htmlActions().last()->text(), "Background Colour");
    EXPECT_EQ(commands.javaScriptActions().first()->text(), "JavaScript Tags");
    EXPECT_EQ(commands.javaScriptActions().last()->text(), "JavaScript Fancy Comments");
    EXPECT_EQ(commands.promptButtonAction()->text(), "prompt");
    EXPECT_FALSE(commands.htmlActions().contains(commands.promptButtonAction()));
    EXPECT_FALSE(commands.javaScriptActions().contains(commands.promptButtonAction()));
    EXPECT_EQ(commands.action("snippet_none"), nullptr);
}

TEST_F(SnippetCommandsTest, FunctionNameChosenForAFunctionIsOfferedByValuePrompts)
{
    select(3, 0);
    asker.answers = { "doIt()", "doIt()" };
    commands.action("snippet_function")->trigger();
    EXPECT_EQ(functionName, "doIt()");

    select(0, 0);
    commands.action("snippet_onClick")->trigger();
    ASSERT_EQ(asker.asked.size(), 2);
    EXPECT_EQ(asker.asked[1].label, "Enter a value for onClick. For example, alert('You clicked')doIt()");
    EXPECT_EQ(asker.asked[1].defaultValue, "doIt()");
    EXPECT_EQ(editor.text(), " onClick=\"doIt()\"ab function doIt(){\r\n\r\n\r\n}word cd");

    // Direct prompts keep their own default whatever the function name is.
    asker.answers = { "x" };
    commands.action("snippet_if")->trigger();
    EXPECT_EQ(asker.asked[2].defaultValue, "x==y");
}

TEST_F(SnippetCommandsTest, FunctionWithAnEmptyFieldClearsTheNameAndPromptsOfferTheirOwnDefaults)
{
    functionName = "earlier()";
    select(3, 0);
    asker.answers = { "", "" };
    commands.action("snippet_function")->trigger();
    EXPECT_EQ(functionName, "");
    EXPECT_EQ(editor.text(), "ab function {\r\n\r\n\r\n}word cd");
    EXPECT_EQ(editor.selStart(), 15);

    // An empty answer to a value prompt inserts the bare attribute.
    select(0, 0);
    commands.action("snippet_onChange")->trigger();
    EXPECT_EQ(asker.asked[1].defaultValue, "alert('It Changed')");
    EXPECT_EQ(editor.text(), " onChange=\"\"ab function {\r\n\r\n\r\n}word cd");
    EXPECT_EQ(editor.selStart(), 12);
}

TEST_F(SnippetCommandsTest, FunctionConfirmedWithTheInitialNameKeepsPromptsOnTheirDefaults)
{
    asker.answers = { "MyFunction()", "4" };
    commands.action("snippet_function")->trigger();
    EXPECT_EQ(functionName, "MyFunction()");
    commands.action("snippet_charAt")->trigger();
    EXPECT_EQ(asker.asked[1].label, "Enter a value for charAt. For example, 4");
}

TEST_F(SnippetCommandsTest, ColourDialogRemembersTheLastColourAndCancelGivesBlack)
{
    select(3, 4);
    prompter.expectColor(std::nullopt);
    commands.action("snippet_hexColour")->trigger();
    EXPECT_EQ(editor.text(), "ab #000000 cd");
    EXPECT_EQ(prompter.lastColorInitial(), QColor(Qt::black));

    select(0, 0);
    prompter.expectColor(QColor(Qt::red));
    commands.action("snippet_backgroundColour")->trigger();
    EXPECT_EQ(editor.text(), " bgColor=\"#FF0000\"ab #000000 cd");
    EXPECT_EQ(editor.selStart(), 18);

    // A cancel does not forget the colour chosen before.
    prompter.expectColor(std::nullopt);
    EXPECT_EQ(hexcolor(prompter), "000000");
    EXPECT_EQ(prompter.lastColorInitial(), QColor(Qt::red));
    prompter.expectColor(QColor(10, 11, 200));
    EXPECT_EQ(hexcolor(prompter), "0A0BC8");
    EXPECT_EQ(prompter.lastColorInitial(), QColor(Qt::red));
    prompter.expectColor(std::nullopt);
    hexcolor(prompter);
    EXPECT_EQ(prompter.lastColorInitial(), QColor(10, 11, 200));
}

} // namespace
