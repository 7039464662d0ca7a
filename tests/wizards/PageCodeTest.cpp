#include "wizards/PageCode.h"
#include "wizards/StyleSheetCode.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

#include "support/QStringPrinter.h"

namespace {

TEST(DocWriteTest, EscapingAndTheWorkedExample)
{
    DocWriteOptions options;
    options.source = "<p class=\"x\">Don't</p>";
    EXPECT_EQ(docWriteCode(options),
        "mystring=\"\";\r\nmystring=mystring+\"<p class=\\\"x\\\">Don\\'t</p>\"\r\ndocument.write(mystring)");
}

TEST(DocWriteTest, EmptyLinesStayAndBothWrappersNest)
{
    DocWriteOptions options;
    options.source = "a\r\n\r\nb\r\n";
    EXPECT_EQ(docWriteCode(options),
        "mystring=\"\";\r\nmystring=mystring+\"a\"\r\n\r\nmystring=mystring+\"b\"\r\ndocument.write(mystring)");
    options.addFunctionTags = true;
    EXPECT_EQ(docWriteCode(options),
        "function MyDocWriteFunction() {\r\nmystring=\"\";\r\nmystring=mystring+\"a\"\r\n\r\n"
        "mystring=mystring+\"b\"\r\ndocument.write(mystring)\r\n}");
    options.addJavaScriptTags = true;
    options.functionName = "Write()";
    options.source = "x";
    EXPECT_EQ(docWriteCode(options),
        "<script language=\"JavaScript\">\r\n<!--//\r\nfunction Write() {\r\nmystring=\"\";\r\n"
        "mystring=mystring+\"x\"\r\ndocument.write(mystring)\r\n}\r\n//-->\r\n</script>");
    options.addFunctionTags = false;
    EXPECT_EQ(docWriteCode(options),
        "<script language=\"JavaScript\">\r\n<!--//\r\nmystring=\"\";\r\nmystring=mystring+\"x\"\r\n"
        "document.write(mystring)\r\n//-->\r\n</script>");
    EXPECT_TRUE(docWriteSourceHasScript("a</SCRIPT>"));
    EXPECT_FALSE(docWriteSourceHasScript("<script>"));
}

// The form written into a buffer, with '|' at the caret.
QString form(const FormOptions& options, const QString& selected = {})
{
    CodeBuffer buffer;
    buffer.insert(selected);
    buffer.select(0, int(selected.size()));
    writeForm(options, buffer);
    return buffer.text().insert(buffer.caret(), u'|');
}

TEST(FormWizardTest, DefaultsAreTheWorkedExample)
{
    EXPECT_EQ(form(FormOptions {}),
        "\r\n<FORM NAME=\"form1\">\r\n\r\n<INPUT TYPE=\"button\" VALUE=\"Click\">\r\n|\r\n\r\n</FORM>\r\n");
}

TEST(FormWizardTest, AttributesAndButtonRules)
{
    struct Case {
        const char* name;
        std::function<void(FormOptions&)> change;
        const char* formTag;
        const char* input;
    };
    const Case cases[] = {
        { "name off", [](FormOptions& o) { o.name = false; }, "<FORM >", "<INPUT TYPE=\"button\" VALUE=\"Click\">" },
        { "name empty", [](FormOptions& o) { o.nameText.clear(); }, "<FORM >",
            "<INPUT TYPE=\"button\" VALUE=\"Click\">" },
        { "method, enctype", [](FormOptions& o) { o.method = o.enctype = true; },
            "<FORM NAME=\"form1\" METHOD=\"post\" ENCTYPE=\"text/plain\">", "<INPUT TYPE=\"button\" VALUE=\"Click\">" },
        { "get, enctype empty",
            [](FormOptions& o) { o.method = o.enctype = true, o.methodEntry = 0, o.enctypeText.clear(); },
            "<FORM NAME=\"form1\" METHOD=\"get\">", "<INPUT TYPE=\"button\" VALUE=\"Click\">" },
        { "action", [](FormOptions& o) { o.action = true, o.actionText = "send.cgi"; },
            "<FORM NAME=\"form1\" ACTION=\"send.cgi\">", "<INPUT TYPE=\"button\" VALUE=\"Click\">" },
        { "action ticked but empty", [](FormOptions& o) { o.action = true; }, "<FORM NAME=\"form1\">",
            "<INPUT TYPE=\"button\" VALUE=\"Click\">" },
        { "onClick", [](FormOptions& o) { o.onClick = true, o.typeEntry = 0; }, "<FORM NAME=\"form1\">",
            "<INPUT TYPE=\"submit\" VALUE=\"Click\" onClick=\"\">" },
        { "no button still writes one, without onClick",
            [](FormOptions& o) { o.addButton = false, o.onClick = true, o.buttonValue.clear(), o.typeEntry = 1; },
            "<FORM NAME=\"form1\">", "<INPUT TYPE=\"reset\" VALUE=\"My Button\">" },
    };
    for (const Case& c : cases) {
        FormOptions options;
        c.change(options);
        EXPECT_EQ(
            form(options, "sel"), "\r\n" + QString(c.formTag) + "\r\nsel\r\n" + c.input + "\r\n|\r\n\r\n</FORM>\r\n")
            << c.name;
    }
}

TEST(CookieWizardTest, LibraryPiecesInOrder)
{
    const QString library = cookieLibrary();
    EXPECT_TRUE(library.startsWith(
        "<!-- ####################### \r\nstart of cookie code. Start copying here\r\n ####################### -->\r\n"
        "\r\n<script\r\nLANGUAGE=\"JAVASCRIPT\">\r\n<!--//\r\n"));
    EXPECT_TRUE(library.endsWith(
        "//-->\r\n</script>\r\n<!-- ####################### \r\nend of cookie code\r\nstop copying here\r\n"
        " ####################### -->"));
    EXPECT_FALSE(library.contains(QRegularExpression("[^\r]\n")));
    qsizetype at = 0;
    for (const char* piece :
        { "var expdate", "24 * 60 * 60 * 1000 * 365", "function setCookie(name, value, expires, path, domain, secure)",
            "function showCookie()", "function getCookieVal(offset)", "function GetCookie(name)",
            "function DeleteCookie(name, path, domain)", "; expires=Thu, 01-Jan-70 00:00:01 GMT", "function NewNamer()",
            "prompt(\"Please enter your name:\", \"\")", "function ChangeName()", "function VisitCounter()",
            "By the way, this is your first time here.", "I note, you have been here " }) {
        const qsizetype found = library.indexOf(QLatin1String(piece), at);
        EXPECT_GE(found, at) << piece;
        at = qMax(at, found);
    }
    EXPECT_TRUE(library.contains("/* ####################### start set cookie  ####################### */"));
    EXPECT_EQ(cookieCallBlock(),
        "<script language=\"JavaScript\">\r\n<!--//\r\nNewNamer()\r\nVisitCounter()\r\n\r\n//-->\r\n</script></p>\r\n");
}

TEST(ArrayWizardTest, OneElementPerLine)
{
    EXPECT_EQ(arrayCode("myArray", { "red", "green" }),
        "myArray=new Array(2);\r\nmyArray[0]=\"red\";\r\nmyArray[1]=\"green\";");
    EXPECT_EQ(arrayCode("myArray", { "" }), "myArray=new Array(1);\r\nmyArray[0]=\"\";");
    EXPECT_EQ(arrayCode("", { "say \"x\"" }), "=new Array(1);\r\n[0]=\"say \"x\"\";");
}

TEST(ListDialogTest, TagsAndItems)
{
    struct Case {
        const char* name;
        ListOptions options;
        const char* text;
        bool badStart;
    };
    const Case cases[] = {
        { "defaults", {}, "<OL >\r\n<LI>One</LI>\r\n<LI>Two</LI>\r\n</OL>\r\n", false },
        { "start 3, type A", { true, "3", 1 },
            "<OL start=\"3\" TYPE=\"A\">\r\n<LI>One</LI>\r\n<LI>Two</LI>\r\n</OL>\r\n", false },
        { "start 1 or less writes none", { true, "0", 4 },
            "<OL  TYPE=\"I\">\r\n<LI>One</LI>\r\n<LI>Two</LI>\r\n</OL>\r\n", false },
        { "start x", { true, "x", 0 }, "<OL >\r\n<LI>One</LI>\r\n<LI>Two</LI>\r\n</OL>\r\n", true },
        { "unordered", { false, "x", 0 }, "<UL>\r\n<LI>One</LI>\r\n<LI>Two</LI>\r\n</UL>\r\n", false },
        { "square", { false, "1", 1 }, "<UL TYPE=\"square\">\r\n<LI>One</LI>\r\n<LI>Two</LI>\r\n</UL>\r\n", false },
    };
    for (const Case& c : cases) {
        const ListCode code = listCode({ "One", "Two" }, c.options);
        EXPECT_EQ(code.text, QString(c.text)) << c.name;
        EXPECT_EQ(code.badStart, c.badStart) << c.name;
    }
    EXPECT_EQ(listCode({ "a", "", "  ", " b" }, {}).text, "<OL >\r\n<LI>a</LI>\r\n\r\n  \r\n<LI> b</LI>\r\n</OL>\r\n");
    EXPECT_EQ(withBreaks({ "a", "", "  ", " b" }), (QStringList { "a<BR>", "", "  ", " b<BR>" }));
}

TEST(FontDialogTest, StartTag)
{
    EXPECT_EQ(fontStartTag({}), "<FONT SIZE=\"3\">");
    EXPECT_EQ(
        fontStartTag({ 3, "Serif Sans", "#FF0000", 6 }), "<FONT FACE=\"Serif Sans\" COLOR=\"#FF0000\" SIZE=\"7\">");
    EXPECT_EQ(fontStartTag({ 0, "ignored", "", -1 }), "<FONT>");
    const int points[] = { 9, 10, 12, 14, 18, 24, 36 };
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(fontSamplePoints(i), points[i]);
}

TEST(StyleSheetCodeTest, SelectorRuleAndCaret)
{
    EXPECT_EQ(selectorRule("H1"), "H1 { }");
    EXPECT_EQ(selectorRule(""), " { }");
    const QString sheet = "h1 { color: red; }\r\nH1 { }\r\nH1 { }\r\n";
    EXPECT_EQ(selectorCaret(sheet, "H1"), sheet.indexOf("H1 { }") + 5);
    EXPECT_EQ(selectorCaret("", "P"), -1);
    EXPECT_EQ(selectorCaret("H1 { }\r\n { }\r\n", ""), 11);
    EXPECT_EQ(selectorCaret("xH1 { }\r\n", "H1"), -1);
}

TEST(StyleSheetCodeTest, Declarations)
{
    EXPECT_EQ(marginDeclaration(1, "10", "px"), "margin-left: 10px; ");
    EXPECT_EQ(marginDeclaration(0, "10", "px"), "");
    EXPECT_EQ(marginDeclaration(10, "", "%"), "");
    EXPECT_EQ(
        textDeclarations("#FF0000", 2, "serif", "12", "px"), "color: #FF0000; font-family: serif; font-size: 12px; ");
    EXPECT_EQ(textDeclarations("", 0, "Default", "", "px"), "");
    EXPECT_EQ(textStyleDeclarations(6, 1, 4), "font-weight: bold; font-style: italic; text-align: justify; ");
    EXPECT_EQ(textStyleDeclarations(0, 2, 0), "font-style: oblique; ");
    EXPECT_EQ(textStyleDeclarations(0, 4, 0), "text-decoration: underline; ");
    EXPECT_EQ(textStyleDeclarations(0, 0, 0), "");
    EXPECT_EQ(indentDeclaration("", "%"), "text-indent: %; ");
    EXPECT_EQ(backgroundImageDeclaration("img/b.gif"), "background-image: url(\"img/b.gif\"); ");
    EXPECT_EQ(attachmentDeclaration(1), "background-attachment: fixed; ");
    EXPECT_EQ(attachmentDeclaration(0), "");
    EXPECT_EQ(backgroundColourDeclaration(1, "#FFFFFF"), "background-color: #FFFFFF; ");
    EXPECT_EQ(backgroundColourDeclaration(2, ""), "");
    EXPECT_EQ(borderDeclaration(5, 4, "#000000", "1", 1), "border: solid #000000 1px; ");
    EXPECT_EQ(borderDeclaration(1, 1, "#000000", "thin", 0), "border-left: dotted #000000 thin; ");
    EXPECT_EQ(borderDeclaration(0, 4, "#000000", "1", 1), std::nullopt);
    EXPECT_EQ(borderDeclaration(5, 4, "#000000", "", 1), std::nullopt);
    EXPECT_EQ(bulletImageDeclaration("dot.gif"), "list-style-image: url(\"dot.gif\"); ");
    EXPECT_EQ(listStyleDeclaration("decimal "), "list-style:decimal ; ");
    EXPECT_EQ(listStyleDeclaration(""), "");
}

TEST(StyleSheetCodeTest, SamplePageLinksThePreviewSheet)
{
    const QString page = styleSheetSamplePage();
    EXPECT_TRUE(page.startsWith("<HTML>\r\n<HEAD>\r\n<LINK REL=stylesheet HREF=\"1xiv.css\" TYPE=\"text/css\">\r\n"
                                "</HEAD>\r\n<BODY BGCOLOR=\"white\">\r\n<H1>My Heading 1</H1>"));
    EXPECT_TRUE(page.endsWith("<hr>\r\n</BODY>\r\n</HTML>"));
    for (const char* part : { "<B>bold text</B>", "<H2>My Heading 2</H2>", "<H3>My Heading 3</H3>", "<BLOCKQUOTE>",
             "<!--####### start of table #######-->", "Row2Column2", "More about style sheets</A><BR>", "<OL>", "<UL>",
             "<LI>Four</LI>" })
        EXPECT_TRUE(page.contains(QLatin1String(part))) << part;
}

} // namespace
