#include "support/ListWidgets.h"
#include "editor/CodeEditor.h"
#include "editor/Completion.h"
#include "editor/SyntaxColourer.h"
#include "editor/TagCompletion.h"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QTest>

namespace {

class Completion : public ::testing::Test {
protected:
    Completion()
    {
        editor.resize(600, 400);
        editor.show();
        colourer.attach(&editor);
        editor.setFocus();
    }
    // Starts from `text` with the caret at its end.
    void begin(const QString& text)
    {
        editor.setText(text);
        editor.setSelStart(editor.charCount());
    }
    void type(const char* keys) { QTest::keyClicks(&editor, QString::fromUtf8(keys)); }
    std::string text() const { return editor.text().toStdString(); }
    QStringList shown() const
    {
        return completion.isListShown() ? itemTexts(completion.list()) : QStringList();
    }

    CodeEditor editor;
    SyntaxColourer colourer;
    TagCompletion completion { editor, colourer };
};

} // namespace

TEST_F(Completion, TagNamesFilterAsYouTypeAndGoInOnlyWhenAccepted)
{
    begin("<P>");
    type("<");
    EXPECT_TRUE(shown().contains("SECTION"));
    EXPECT_TRUE(shown().contains("TABLE"));
    type("se");
    EXPECT_EQ(shown(), QStringList({ "section", "select" }));
    EXPECT_EQ(text(), "<P><se");
    QTest::keyClick(&editor, Qt::Key_Down);
    QTest::keyClick(&editor, Qt::Key_Return);
    EXPECT_EQ(text(), "<P><select");
    EXPECT_FALSE(completion.isListShown());

    // Escape closes the list and leaves the text; capitals give capitals.
    type(" <VI");
    EXPECT_EQ(shown(), QStringList({ "VIDEO" }));
    QTest::keyClick(&editor, Qt::Key_Escape);
    EXPECT_FALSE(completion.isListShown());
    EXPECT_EQ(text(), "<P><select <VI");
    // Backspace goes on filtering an open list; a name that nothing starts with closes it.
    type(" <ar");
    EXPECT_EQ(shown(), QStringList({ "area", "article" }));
    QTest::keyClick(&editor, Qt::Key_Backspace);
    EXPECT_TRUE(shown().contains("applet"));
    type("zz");
    EXPECT_FALSE(completion.isListShown());
}

TEST_F(Completion, AttributesOfTheElementAfterItsNameAndASpace)
{
    begin("");
    type("<A ");
    EXPECT_TRUE(shown().contains("HREF"));
    EXPECT_TRUE(shown().contains("CLASS"));
    EXPECT_FALSE(shown().contains("SRC"));
    type("hr");
    EXPECT_EQ(shown(), QStringList({ "href", "hreflang" }));
    QTest::keyClick(&editor, Qt::Key_Tab);
    EXPECT_EQ(text(), "<A href=\"\"");
    type("x.htm");
    EXPECT_EQ(text(), "<A href=\"x.htm\"");
    // Inside a value nothing is offered.
    EXPECT_FALSE(completion.isListShown());
}

TEST_F(Completion, PropertiesInStyleSheetsOnly)
{
    begin("<STYLE>\r\n");
    type("p {");
    EXPECT_TRUE(shown().contains("margin"));
    type(" co");
    EXPECT_EQ(shown().first(), "color");
    QTest::keyClick(&editor, Qt::Key_Enter);
    type("red; ");
    EXPECT_EQ(text(), "<STYLE>\r\np { color: red; ");
    EXPECT_TRUE(completion.isListShown());
    QTest::keyClick(&editor, Qt::Key_Escape);
    // Nothing in a script or a comment, or among plain text.
    begin("<SCRIPT>\r\nif (a ");
    type("<b");
    EXPECT_FALSE(completion.isListShown());
    begin("<!-- ");
    type("<b");
    EXPECT_FALSE(completion.isListShown());
    begin("Tom ");
    type("{ co");
    EXPECT_FALSE(completion.isListShown());
}

TEST_F(Completion, ClosingTagsAsYouType)
{
    struct Case {
        const char* before;
        const char* typed;
        const char* after;
    };
    const Case cases[] = {
        { "", "<B>", "<B></B>" },
        { "", "<div class=\"a>b\">", "<div class=\"a>b\"></div>" },
        // Void elements, an element closed already, self-closing and declarations stay as typed.
        { "", "<br>", "<br>" },
        { "", "<IMG src=x.gif>", "<IMG src=x.gif>" },
        { "", "<p/>", "<p/>" },
        { "", "<!DOCTYPE html>", "<!DOCTYPE html>" },
        { "", "</B>", "</B>" },
        // Nothing happens in a script or a comment.
        { "<SCRIPT>\r\n", "if (a<b>c)", "<SCRIPT>\r\nif (a<b>c)" },
        { "<!-- ", "<B>", "<!-- <B>" },
        // "</" closes the innermost open element.
        { "<DIV><P>text ", "</", "<DIV><P>text </P>" },
        { "<DIV><P>a</P><BR>", "</", "<DIV><P>a</P><BR></DIV>" },
        { "<ul><li>a<!-- <b> -->", "</", "<ul><li>a<!-- <b> --></li>" },
        { "<p>a</p>", "</", "<p>a</p></" },
    };
    completion.setCloseTags(true);
    for (const Case& c : cases) {
        begin(QString::fromUtf8(c.before));
        type(c.typed);
        QTest::keyClick(&editor, Qt::Key_Escape);
        EXPECT_EQ(text(), c.after) << c.before << c.typed;
    }
    // The caret stays between the tags; typing an already closed tag adds nothing.
    begin("");
    type("<I>");
    EXPECT_EQ(editor.selStart(), 3);
    editor.setText("</U>");
    editor.setSelStart(0);
    type("<U>");
    EXPECT_EQ(text(), "<U></U>");
    completion.setCloseTags(false);
    begin("");
    type("<B>");
    EXPECT_EQ(text(), "<B>");
}
