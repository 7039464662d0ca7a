#include "main/ButtonBars.h"
#include "support/MainWindowFixture.h"

#include <QApplication>
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

TEST_F(ButtonBarsTest, EveryPositionRunsItsCommand)
{
    // Caption and command of each position; "" for the repeat button.
    const QList<std::pair<QString, QString>> html {
        { "REPEAT LAST", "" },
        { "H1", "snippet_h1" },
        { "H2", "snippet_h2" },
        { "H3", "snippet_h3" },
        { "P", "snippet_paragraph" },
        { "BR", "snippet_break" },
        { "HTML", "snippet_html" },
        { "BODY", "snippet_body" },
        { "HEAD", "snippet_head" },
        { "PRE", "snippet_pre" },
        { "BLOCKQUOTE", "snippet_blockquote" },
        { "LIST ...", "a_listDialog" },
        { "A-LEFT", "snippet_alignLeft" },
        { "A-CENTER", "snippet_alignCentre" },
        { "A-RIGHT", "snippet_alignRight" },
        { "TITLE", "snippet_title" },
        { "KEYWORDS", "snippet_keywords" },
        { "DESCRIPTION", "snippet_descriptions" },
        { "B", "snippet_bold" },
        { "I", "snippet_italic" },
        { "U", "snippet_underline" },
        { "FONT ...", "a_fontDialog" },
        { "FRAME", "snippet_frame" },
        { "ROWS", "snippet_framesetRows" },
        { "COLS", "snippet_framesetCols" },
        { "NOFRAMES", "snippet_noFramesTag" },
        { "LINK", "a_linkToSelectedFile" },
        { "PLAIN LINK", "snippet_plainLink" },
        { "LINK WITH BR", "a_tocLink" },
        { "EMAIL LINK", "snippet_emailLink" },
        { "BOOKMARK", "snippet_bookmark" },
        { "TOC", "a_insertToc" },
        { "# COL ...", "snippet_hexColour" },
        { "BGCOLOR ...", "snippet_backgroundColour" },
        { "<!--", "snippet_htmlComments" },
        { "FANCY <!--", "snippet_htmlFancyComments" },
        { "OPTIONS", "a_option" },
    };
    const QList<std::pair<QString, QString>> javaScript {
        { "Repeat Last", "" },
        { "Java Script Tags", "snippet_javaScriptTags" },
        { "JS File", "a_jsFile" },
        { "CSS File", "a_cssFile" },
        { "Relative Filename", "a_relativeFilename" },
        { "File Title", "a_fileTitle" },
        { "quotes", "snippet_quotes" },
        { "function", "snippet_function" },
        { "if", "snippet_if" },
        { "else", "snippet_else" },
        { "for", "snippet_for" },
        { "while", "snippet_while" },
        { "switch", "snippet_switch" },
        { "with", "snippet_with" },
        { "alert", "snippet_alert" },
        { "confirm", "snippet_confirm" },
        { "prompt", "snippet_promptButton" },
        { "onClick", "snippet_onClick" },
        { "onMouseOver", "snippet_onMouseOver" },
        { "onSubmit", "snippet_onSubmit" },
        { "onChange", "snippet_onChange" },
        { "DocWrite", "snippet_documentWrite" },
        { "array", "snippet_array" },
        { "indexOf", "snippet_indexOf" },
        { "lastIndexOf", "snippet_lastIndexOf" },
        { "substring", "snippet_substring" },
        { "charAt", "snippet_charAt" },
        { "Find Matching Brace", "a_matchingBrace" },
    };
    start();
    for (Bar bar : { Bar::Html, Bar::JavaScript }) {
        const auto& table = bar == Bar::Html ? html : javaScript;
        ButtonBar* buttons = bars().bar(bar);
        ASSERT_EQ(buttons->count(), table.size());
        for (int p = 0; p < buttons->count(); ++p) {
            SCOPED_TRACE(table[p].first.toStdString());
            EXPECT_EQ(buttons->button(p)->text(), table[p].first);
            QAction* command = bars().command(bar, p);
            EXPECT_EQ(command ? command->objectName() : QString(), table[p].second);
            EXPECT_EQ(buttons->button(p)->isEnabled(), p == 0 || !table[p].second.isEmpty());
        }
    }

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
