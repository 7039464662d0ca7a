#include "main/ButtonBars.h"
#include "navigator/NavigatorPanel.h"
#include "support/MainWindowFixture.h"
#include "support/QStringPrinter.h"

#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QToolButton>

namespace {
using Bar = ButtonBars::Bar;

class ButtonBarsTest : public MainWindowFixture {
protected:
    ButtonBars& bars() { return *window->buttonBars(); }
    void press(Bar bar, int position) { bars().bar(bar)->button(position)->click(); }
    QAction* viewEntry(const QString& name) { return bars().action(name); }
    QStringList checks()
    {
        QStringList on;
        for (const char* name :
            { "viewDirectories", "viewHtmlButtons", "viewJavaScriptButtons", "barShowHtmlButtons", "barShowJsButtons" })
            if (viewEntry(name)->isChecked()) on << name;
        return on;
    }
    static QStringList texts(const QList<QAction*>& actions)
    {
        QStringList out;
        for (QAction* a : actions)
            out << (a->isSeparator() ? QString("-") : a->text());
        return out;
    }
};

TEST_F(ButtonBarsTest, StartsHiddenWithTheViewMenuAndBarMenuInPlace)
{
    start();
    EXPECT_TRUE(window->buttonBarPanel()->isHidden());
    EXPECT_EQ(bars().lastButton(), 0);
    EXPECT_EQ(bars().bar(Bar::Html)->selected(), 0);
    EXPECT_EQ(bars().bar(Bar::JavaScript)->selected(), 0);
    EXPECT_EQ(checks(), QStringList { "viewDirectories" });
    auto* view = window->findChild<QMenu*>("viewMenu");
    EXPECT_EQ(texts(view->actions()),
        QStringList({ "&Directories", "&HTML Buttons", "&JavaScript Buttons", "-", window->action("a_browsers")->text(),
            "-", "Hide &Buttons", "-", "Live &Preview", "&Line Numbers", "Close Tags as You Type" }));
    EXPECT_EQ(
        texts(bars().barMenu()->actions()), QStringList({ "Show JS Buttons", "Show HTML Buttons", "Hide buttons" }));
    const QString hint = "Click on a button or click on the 'Repeat Last' button. Right-click for the options of "
                         "loading HTML or JS buttons, or to hide the buttons. ";
    EXPECT_EQ(bars().bar(Bar::Html)->statusTip(), hint);
    EXPECT_EQ(bars().bar(Bar::JavaScript)->button(5)->statusTip(), hint);
    discard();
}

TEST_F(ButtonBarsTest, ShowsOneBarAtATimeAndHidesBoth)
{
    start();
    QWidget* panel = window->buttonBarPanel();
    QWidget* splitter = panel->findChild<QWidget*>("buttonBarSplitter");
    ASSERT_NE(splitter, nullptr);

    viewEntry("viewHtmlButtons")->trigger();
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->height(), 110);
    EXPECT_TRUE(splitter->isVisible());
    EXPECT_TRUE(bars().bar(Bar::Html)->isVisible());
    EXPECT_FALSE(bars().bar(Bar::JavaScript)->isVisible());
    EXPECT_EQ(checks(), QStringList({ "viewDirectories", "viewHtmlButtons", "barShowHtmlButtons" }));

    // Choosing the shown bar again keeps its check mark.
    viewEntry("barShowHtmlButtons")->trigger();
    EXPECT_EQ(checks(), QStringList({ "viewDirectories", "viewHtmlButtons", "barShowHtmlButtons" }));

    viewEntry("barShowJsButtons")->trigger();
    EXPECT_FALSE(bars().bar(Bar::Html)->isVisible());
    EXPECT_TRUE(bars().bar(Bar::JavaScript)->isVisible());
    EXPECT_EQ(checks(), QStringList({ "viewDirectories", "viewJavaScriptButtons", "barShowJsButtons" }));

    viewEntry("barHideButtons")->trigger();
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(bars().bar(Bar::Html)->isHidden());
    EXPECT_TRUE(bars().bar(Bar::JavaScript)->isHidden());
    EXPECT_EQ(checks(), QStringList { "viewDirectories" });
    discard();
}

TEST_F(ButtonBarsTest, RightClickOnABarOpensTheBarMenu)
{
    start();
    bars().showJsButtons();
    ButtonBar* bar = bars().bar(Bar::JavaScript);
    emit bar->customContextMenuRequested(QPoint(2, 2));
    EXPECT_EQ(QApplication::activePopupWidget(), bars().barMenu());
    bars().barMenu()->close();
    discard();
}

TEST_F(ButtonBarsTest, RepeatLastRunsTheStoredPositionAgain)
{
    start();
    bars().showHtmlButtons();
    ButtonBar* bar = bars().bar(Bar::Html);

    // Nothing to repeat right after showing the bar.
    press(Bar::Html, 0); // already selected: no press at all
    press(Bar::Html, 18);
    EXPECT_EQ(editor().text(), "<B></B>");
    press(Bar::Html, 18); // pressing the selected button does nothing
    EXPECT_EQ(editor().text(), "<B></B>");
    press(Bar::Html, 0);
    EXPECT_EQ(editor().text(), "<B><B></B></B>");
    EXPECT_EQ(bar->selected(), 18);
    EXPECT_EQ(bars().lastButton(), 18);
    press(Bar::Html, 0);
    EXPECT_EQ(editor().text(), "<B><B><B></B></B></B>");

    // Showing the other bar resets the index: its repeat does nothing, then repeats its own buttons.
    bars().showJsButtons();
    EXPECT_EQ(bars().lastButton(), 0);
    EXPECT_EQ(bars().bar(Bar::JavaScript)->selected(), 0);
    press(Bar::JavaScript, 0);
    EXPECT_EQ(editor().text(), "<B><B><B></B></B></B>");
    press(Bar::JavaScript, 6);
    press(Bar::JavaScript, 0);
    EXPECT_EQ(editor().text(), "<B><B><B>\"\"\"\r\n\"\r\n</B></B></B>");
    EXPECT_EQ(bars().bar(Bar::JavaScript)->selected(), 6);
    discard();
}

TEST_F(ButtonBarsTest, RepeatWithNothingStoredSelectsTheRepeatButtonAgain)
{
    start();
    bars().showHtmlButtons();
    press(Bar::Html, 1);
    EXPECT_EQ(editor().text(), "\r\n<H1></H1>\r\n");
    bars().showJsButtons(); // index back to 0
    bars().bar(Bar::JavaScript)->setSelected(5);
    press(Bar::JavaScript, 0);
    EXPECT_EQ(bars().bar(Bar::JavaScript)->selected(), 0);
    EXPECT_EQ(editor().text(), "\r\n<H1></H1>\r\n");

    // An index beyond the bar (stored on the longer HTML bar) repeats nothing either.
    bars().showHtmlButtons();
    press(Bar::Html, 34);
    EXPECT_EQ(editor().text(), "\r\n<H1>\r\n<!--  --></H1>\r\n");
    bars().bar(Bar::JavaScript)->setSelected(3);
    bars().barChange(Bar::JavaScript, 0);
    EXPECT_EQ(bars().bar(Bar::JavaScript)->selected(), 0);
    EXPECT_EQ(bars().lastButton(), 34);
    EXPECT_EQ(editor().text(), "\r\n<H1>\r\n<!--  --></H1>\r\n");
    discard();
}

TEST_F(ButtonBarsTest, RepeatOfAPromptingCommandAsksAgain)
{
    start();
    bars().showJsButtons();
    answers = { "a<b", "c" };
    press(Bar::JavaScript, 8);
    press(Bar::JavaScript, 0);
    EXPECT_EQ(prompts,
        QStringList({ "Enter the condition, for example, x==y|x==y", "Enter the condition, for example, x==y|x==y" }));
    EXPECT_EQ(editor().text(), "if (a<b) {\r\nif (c) {\r\n\r\n}\r\n}");
    discard();
}

// The event attributes go next to the selection, at its end opposite the anchor, and leave it alone.
TEST_F(ButtonBarsTest, EventButtonsCollapseTheSelectionFirst)
{
    struct Case {
        int position;
        QString attribute;
    };
    const QList<Case> cases {
        { 17, " onClick=\"alert('You Clicked Me')\"" },
        { 18, " onMouseOver=\"alert('Mouse Over')\"" },
        { 19, " onSubmit=\"alert('You submitted')\"" },
        { 20, " onChange=\"alert('It Changed')\"" },
    };
    start();
    for (const Case& c : cases) {
        for (bool backwards : { false, true }) {
            SCOPED_TRACE(c.position);
            bars().showJsButtons();
            editor().setText("word");
            editor().setSelStart(backwards ? 4 : 0);
            editor().setSelLength(backwards ? -4 : 4);
            press(Bar::JavaScript, c.position);
            EXPECT_EQ(editor().text(), backwards ? c.attribute + "word" : "word" + c.attribute);
        }
    }
    EXPECT_EQ(prompts.first(),
        "Enter a value for onClick. For example, alert('You clicked')alert('You Clicked Me')|"
        "alert('You Clicked Me')");
    discard();
}

TEST_F(ButtonBarsTest, LeftPanelButtonLeavesTheCheckMarkAlone)
{
    start();
    QWidget* left = window->leftPanel();
    auto* button = window->findChild<QToolButton*>("leftPanelButton");
    EXPECT_EQ(button->statusTip(), "Shows or hides the directory on the left. ");
    button->click();
    EXPECT_FALSE(left->isVisible());
    EXPECT_TRUE(viewEntry("viewDirectories")->isChecked());
    viewEntry("viewDirectories")->trigger(); // shows it again and checks
    EXPECT_TRUE(left->isVisible());
    EXPECT_TRUE(viewEntry("viewDirectories")->isChecked());
    viewEntry("viewDirectories")->trigger();
    EXPECT_FALSE(left->isVisible());
    EXPECT_FALSE(viewEntry("viewDirectories")->isChecked());
    button->click();
    EXPECT_TRUE(left->isVisible());
    EXPECT_FALSE(viewEntry("viewDirectories")->isChecked());
    discard();
}
} // namespace

TEST_F(ButtonBarsTest, EachButtonWritesItsCode)
{
    // Each position's caption and what pressing it does to an empty saved page "page.htm":
    // the code it writes, or the window it opens. Some first need a file selected in the
    // navigator; the colour buttons are answered with #336699; other questions take the
    // value offered.
    struct Row {
        const char* caption;
        const char* inserted;
        const char* select = ""; // the file selected in the navigator first
        const char* opens = ""; // the window it opens instead
    };
    const QList<Row> html {
        { "H1", "\r\n<H1></H1>\r\n" },
        { "H2", "\r\n<H2></H2>\r\n" },
        { "H3", "<H3></H3>\r\n" },
        { "P", "<P></P>" },
        { "BR", "<BR>" },
        { "HTML", "<HTML>\r\n\r\n</HTML>" },
        { "BODY", "\r\n<BODY>\r\n\r\n</BODY>" },
        { "HEAD", "<HEAD>\r\n\r\n</HEAD>\r\n" },
        { "PRE", "\r\n<PRE>\r\n\r\n</PRE>" },
        { "BLOCKQUOTE", "\r\n<BLOCKQUOTE>\r\n\r\n</BLOCKQUOTE>\r\n" },
        { "LIST ...", "", "", "listDialog" },
        { "A-LEFT", "\r\n<P ALIGN=\"LEFT\">\r\n\r\n</P>\r\n" },
        { "A-CENTER", "<CENTER>\r\n\r\n</CENTER>" },
        { "A-RIGHT", "<P ALIGN=\"RIGHT\">\r\n\r\n</P>" },
        { "TITLE", "<TITLE></TITLE>\r\n" },
        { "KEYWORDS", "<META NAME=\"KEYWORDS\" CONTENT=\"\">" },
        { "DESCRIPTION", "\r\n<META NAME=\"DESCRIPTION\" CONTENT=\"\">\r\n" },
        { "B", "<B></B>" },
        { "I", "<I></I>" },
        { "U", "<U></U>" },
        { "FONT ...", "", "", "fontDialog" },
        { "FRAME",
            "<FRAME NAME=\"MyFrameName1\" TARGET=\"MyFrameName2\" NORESIZE SCROLLING=\"NO\" SRC=\"MyMenuPage.htm\">\r\n" },
        { "ROWS", "\r\n<FRAMESET ROWS=\"15%,*\">\r\n\r\n</FRAMESET>" },
        { "COLS", "\r\n<FRAMESET COLS=\"15%,*\">\r\n\r\n</FRAMESET>" },
        { "NOFRAMES", "\r\n<NOFRAMES>\r\n<BODY>\r\n<P>Helpful message here</P>\r\n</BODY>\r\n</NOFRAMES>" },
        { "LINK", "<A HREF=\"other.htm\">Other page</A>", "other.htm" },
        { "PLAIN LINK", "<A HREF=\"\"></A>" },
        { "LINK WITH BR", "<A HREF=\"other.htm\">Other page</A><BR>", "other.htm" },
        { "EMAIL LINK", "<A HREF=\"MAILTO:someone@example.com?SUBJECT=My Page \">email</A>" },
        { "BOOKMARK", "<A NAME=\"bottom\"></A>" },
        { "TOC",
            "<a href=\"menu.js\">menu.js</a><br>\r\n<a href=\"other.htm\">Other page</a><br>\r\n"
            "<a href=\"page.htm\">page.htm</a><br>\r\n<a href=\"style.css\">style.css</a><br>\r\n" },
        { "# COL ...", "#336699" },
        { "BGCOLOR ...", " bgColor=\"#336699\"" },
        { "<!--", "\r\n<!--  -->" },
        { "FANCY <!--", "\r\n<!-- #######################  ####################### -->\r\n" },
        { "OPTIONS", "\r\n<OPTION VALUE=\"other.htm\">Other page\r\n", "other.htm" },
    };
    const QList<Row> javaScript {
        { "Java Script Tags", "<SCRIPT LANGUAGE=\"JAVASCRIPT\">\r\n<!--//\r\n\r\n//-->\r\n</SCRIPT>" },
        { "JS File", "<SCRIPT LANGUAGE=\"JAVASCRIPT\" SRC=\"menu.js\">\r\n<!--//\r\n//--></SCRIPT>", "menu.js" },
        { "CSS File", "\r\n<LINK REL=stylesheet HREF=\"style.css\" TYPE=\"text/css\">\r\n", "style.css" },
        { "Relative Filename", "other.htm", "other.htm" },
        { "File Title", "Other page", "other.htm" },
        { "quotes", "\"\"\r\n" },
        { "function", "function MyFunction(){\r\n\r\n\r\n}" },
        { "if", "if (x==y) {\r\n\r\n}" },
        { "else", "\r\nelse {\r\n \r\n}" },
        { "for", "\r\nfor (i=0;i<n; i++) {\r\n\r\n}" },
        { "while", "while (x==y) {\r\n\r\n\r\n}" },
        { "switch",
            "\r\nswitch (expression) {\r\ncase label1:\r\nstatements\r\nbreak    \r\ncase label2:  \r\nstatements  "
            "\r\nbreak       \r\ncase label3:\r\nstatements  \r\nbreak       \r\n[default:   \r\nstatements]\r\n}\r\n" },
        { "with", "\r\nwith (document) {\r\n\r\n\r\n}" },
        { "alert", "alert(\"\");\r\n" },
        { "confirm", "\r\nanswer=confirm();\r\n" },
        { "prompt", "\r\nName1=prompt(\"Enter data\",\"DefaultAnswer\");\r\n" },
        { "onClick", " onClick=\"alert('You Clicked Me')\"" },
        { "onMouseOver", " onMouseOver=\"alert('Mouse Over')\"" },
        { "onSubmit", " onSubmit=\"alert('You submitted')\"" },
        { "onChange", " onChange=\"alert('It Changed')\"" },
        { "DocWrite", "document.write(\"\")" },
        { "array", "var MyArray=new Array(\"item1\",\"item2\");" },
        { "indexOf", " indexOf(\"cat\")" },
        { "lastIndexOf", " lastIndexOf(\"cat\")" },
        { "substring", "substring(startnumber,endnumber)" },
        { "charAt", "charAt(4)" },
        { "Find Matching Brace", "" },
    };
    const QSet<QByteArray> colourRows { "# COL ...", "BGCOLOR ..." };
    const auto write = [this](const char* name, const char* text) {
        QFile file(workFile(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    };
    write("page.htm", "");
    write("other.htm", "<html><head><title>Other page</title></head></html>\r\n");
    write("menu.js", "var menu;\r\n");
    write("style.css", "p { }\r\n");
    start({ workFile("page.htm") });
    for (Bar bar : { Bar::Html, Bar::JavaScript }) {
        const QList<Row>& rows = bar == Bar::Html ? html : javaScript;
        ButtonBar* buttons = bars().bar(bar);
        ASSERT_EQ(buttons->count(), rows.size() + 1);
        EXPECT_EQ(buttons->button(0)->text(), bar == Bar::Html ? "REPEAT LAST" : "Repeat Last");
        for (int p = 1; p < buttons->count(); ++p) {
            const Row& row = rows[p - 1];
            SCOPED_TRACE(row.caption);
            EXPECT_EQ(buttons->button(p)->text(), row.caption);
            editor().setText("");
            if (*row.select) ASSERT_TRUE(window->navigator()->selectFile(workFile(row.select)));
            if (colourRows.contains(row.caption)) prompter.expectColor(QColor("#336699"));
            if (QByteArray(row.caption) == "TOC")
                prompter.expectMessage("Make a TOC of all the files in the directory at the current cursor position?",
                    Prompter::Icon::Confirmation, Prompter::Yes | Prompter::No, Prompter::Yes);
            const QWidgetList before = QApplication::topLevelWidgets();
            press(bar, p);
            prompter.verify();
            EXPECT_EQ(editor().text(), row.inserted);
            QString opened;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (!before.contains(w) && w->isVisible()) {
                    opened = w->objectName();
                    w->close();
                }
            EXPECT_EQ(opened, row.opens);
        }
    }
    discard();
}
