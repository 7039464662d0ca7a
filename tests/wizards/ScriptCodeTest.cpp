#include "wizards/ScriptCode.h"

#include <gtest/gtest.h>

#include "support/QStringPrinter.h"

namespace {

const QString kStart = "<SCRIPT LANGUAGE=\"JAVASCRIPT\">\r\n<!--//\r\n";
const QString kEnd = "\r\n//-->\r\n</SCRIPT>";

TEST(CodeBufferTest, WrapsNestLeavingTheEndsInReverseOrder)
{
    CodeBuffer buffer;
    buffer.wrap("<a>", "</a>");
    buffer.wrap("<b>", "</b>");
    buffer.insert("x");
    buffer.append("!");
    EXPECT_EQ(buffer.text(), "<a><b>x</b></a>!");
    EXPECT_EQ(buffer.caret(), 7);
    // A selection is wrapped, not replaced; a backward one as well as a forward one.
    buffer.select(7, -1);
    buffer.wrap("[", "]");
    EXPECT_EQ(buffer.text(), "<a><b>[x]</b></a>!");
    EXPECT_EQ(buffer.caret(), 8);
}

TEST(BoxLinesTest, AFinalBreakStartsNoLine)
{
    EXPECT_EQ(boxLines(""), QStringList());
    EXPECT_EQ(boxLines("a"), QStringList { "a" });
    EXPECT_EQ(boxLines("a\r\n"), QStringList { "a" });
    EXPECT_EQ(boxLines("\r\n"), QStringList { "" });
    EXPECT_EQ(boxLines("a\r\n\r\nb\nc\rd"), (QStringList { "a", "", "b", "c", "d" }));
}

TEST(FunctionWizardTest, AlertOnlyIsTheWorkedExample)
{
    FunctionOptions options;
    options.alert = true;
    EXPECT_EQ(functionCode(options), "\r\nfunction MyFunction() {\r\n\r\nalert(\"Hello World\");\r\n\r\n}\r\n");
}

TEST(FunctionWizardTest, EveryPartNestsInItsOrder)
{
    FunctionOptions options;
    options.name = "Go()";
    options.javaScriptTags = options.ifCondition = options.alert = options.forCondition = options.whileCondition = true;
    options.ifText = "a<b";
    options.alertText = "Hi";
    options.forText = "i=0;i<3;i++";
    options.whileText = "busy";
    EXPECT_EQ(functionCode(options),
        kStart + "\r\nfunction Go() {\r\n" + "\r\nif (a<b){\r\n//Statements here\r\n}" + "\r\nalert(\"Hi\");"
            + "\r\nfor (i=0;i<3;i++){\r\n//Statements here\r\n}" + "\r\nwhile (busy){\r\n//Statements here\r\n}"
            + "\r\n\r\n" // while
            + "\r\n" // for
            + "\r\n" // alert
            + "\r\n\r\n" // if
            + "\r\n}\r\n" + kEnd);
}

TEST(FunctionWizardTest, EmptyNameAndTheInsertionMarkers)
{
    FunctionOptions options;
    options.name.clear();
    EXPECT_EQ(functionCode(options), "\r\nfunction MyFunction() {\r\n\r\n}\r\n");
    EXPECT_EQ(functionInsertion("X", true), "<!--start of function-->\r\nX<!--end of function-->\r\n");
    EXPECT_EQ(functionInsertion("X", false), "//start of function\r\nX//end of function\r\n");
}

TEST(AlertWizardTest, MessageJoiningRule)
{
    const struct {
        const char* box;
        const char* message;
    } cases[] = {
        { "", "" },
        { "one line", "one line" },
        { "one line\r\n", "one line" },
        { "a\r\n\r\nb", "a\\nb" },
        { "a\r\nb\r\nc", "a\\nb\\nc" },
        { "a\r\nb\r\n\r\n", "a\\nb\\n" },
        { "say \"hi\"\r\nnow", "say \"hi\"\\nnow" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(alertMessage(c.box), QString(c.message)) << c.box;
}

TEST(AlertWizardTest, CodeForEachOption)
{
    struct Case {
        const char* name;
        std::function<void(AlertOptions&)> change;
        QString code;
    };
    const Case cases[] = {
        { "bare alert", [](AlertOptions&) {}, "alert(\"Hi\\nthere\")" },
        { "script tags", [](AlertOptions& o) { o.javaScriptTags = true; }, kStart + "alert(\"Hi\\nthere\")" + kEnd },
        { "function", [](AlertOptions& o) { o.functionTags = true; },
            "\r\nfunction MyFunction(){\r\nalert(\"Hi\\nthere\")}\r\n\r\n" },
        { "empty name calls MyFunction()", [](AlertOptions& o) { o.functionTags = o.textLink = true, o.name.clear(); },
            "\r\nfunction MyFunction(){\r\nalert(\"Hi\\nthere\")}\r\n\r\n"
            "\r\n<a href=\"#\" onClick=\"MyFunction()\">Link to my alert</a>" },
        { "everything",
            [](AlertOptions& o) {
                o.javaScriptTags = o.functionTags = o.textLink = o.formButton = true;
                o.name = "Go()";
                o.linkCaption = "Tell me";
                o.buttonText = "Press";
            },
            kStart + "\r\nfunction Go(){\r\nalert(\"Hi\\nthere\")}\r\n\r\n" + kEnd
                + "\r\n<a href=\"#\" onClick=\"Go()\">Tell me</a>"
                + "\r\n<BR><FORM>\r\n<INPUT TYPE=\"BUTTON\" VALUE=\"Press\" onClick=\"Go()\">\r\n</FORM>" },
    };
    for (const Case& c : cases) {
        AlertOptions options;
        options.message = "Hi\r\nthere";
        c.change(options);
        EXPECT_EQ(alertCode(options), c.code) << c.name;
    }
}

TEST(DummyLinkTest, AttributesInOrderAroundTheSelection)
{
    DummyLinkOptions none;
    EXPECT_EQ(dummyLinkCode(none, ""), "<a href=\"#\" ></a>");
    EXPECT_EQ(dummyLinkCode(none, "abc"), "<a href=\"#\" >abc</a>");

    DummyLinkOptions click;
    click.onClick = true;
    click.onClickAction = "MyFunction()";
    EXPECT_EQ(dummyLinkCode(click, ""), "<a href=\"#\"  onClick=\"MyFunction()\"></a>");

    DummyLinkOptions all;
    all.onClick = all.onMouseOver = all.onMouseOut = all.title = all.useLinkText = true;
    all.onClickAction = "a()";
    all.onMouseOverAction = "b()";
    all.onMouseOutAction = "c()";
    all.titleText = "T";
    EXPECT_EQ(dummyLinkCode(all, "abc"),
        "<a href=\"#\"  onClick=\"a()\" onMouseOver=\"b()\" onMouseOut=\"c()\" Title=\"T\">Click Me!abc</a>");
}

TEST(FunctionLinkTest, AttributeOrLink)
{
    EXPECT_EQ(functionLinkCode("MyFunction()", true, "sel"), " onClick=\"MyFunction();return false\"");
    EXPECT_EQ(functionLinkCode("MyFunction()", false, ""),
        "<a href=\"#\" onClick=\"MyFunction();return false\">Click Here</a>");
    EXPECT_EQ(functionLinkCode("Go()", false, "words"), "<a href=\"#\" onClick=\"Go();return false\">words</a>");
}

TEST(WindowWizardTest, DefaultCodeLineByLine)
{
    const QStringList expected { "<SCRIPT LANGUAGE=\"JAVASCRIPT\">", "<!--//", "", "function MyFunction(){",
        "window.open('MyExistingWindow.htm','win1','resizable,scrollbars,width=400,height=400')}", "", "", "//-->",
        "</SCRIPT>" };
    EXPECT_EQ(windowCode(withWindowDefaults(WindowOptions {})), expected.join("\r\n"));
}

TEST(WindowWizardTest, WriteToWindow)
{
    WindowOptions options;
    options.writeToWindow = true;
    options.useExistingFile = false;
    options = withWindowDefaults(options);
    EXPECT_EQ(options.existingFile, "");
    QStringList expected { "<SCRIPT LANGUAGE=\"JAVASCRIPT\">", "<!--//", "", "function MyFunction(){", "mystring='';" };
    for (const QString& line : kDefaultWindowContents)
        expected << "mystring=mystring+\"" + line + "\"";
    expected << "win1=window.open('','win1','resizable,scrollbars,width=400,height=400')"
             << "win1.document.writeln(mystring)}"
             << ""
             << ""
             << "//-->"
             << "</SCRIPT>";
    EXPECT_EQ(windowCode(options), expected.join("\r\n"));
}

TEST(WindowWizardTest, WriteStringTurnsQuotesIntoApostrophesAndKeepsEmptyLines)
{
    EXPECT_EQ(windowWriteString("<a href=\"x\">\r\n\r\nend\""),
        "mystring='';\r\nmystring=mystring+\"<a href='x'>\"\r\n\r\nmystring=mystring+\"end'\"");
    EXPECT_EQ(windowWriteString(""), "mystring='';");
}

// The window.open call of the code.
QString openCall(const WindowOptions& options)
{
    const QString code = windowCode(withWindowDefaults(options));
    const int from = code.indexOf("window.open(");
    return code.mid(from, code.indexOf(')', from) + 1 - from);
}

TEST(WindowWizardTest, FeaturesAndSize)
{
    WindowOptions options;
    for (bool& feature : options.features)
        feature = false;
    options.useSize = false;
    EXPECT_EQ(openCall(options), "window.open('MyExistingWindow.htm','win1','')");
    options.useSize = true;
    options.width = 300;
    options.height = 200;
    EXPECT_EQ(openCall(options), "window.open('MyExistingWindow.htm','win1',',width=300,height=200')");
    for (bool& feature : options.features)
        feature = true;
    options.useSize = false;
    options.useExistingFile = false;
    EXPECT_EQ(
        openCall(options), "window.open('','win1','toolbar,menubar,resizable,status,directories,scrollbars,location')");
    for (int f = 0; f < kWindowFeatureCount; ++f) {
        WindowOptions one;
        for (int g = 0; g < kWindowFeatureCount; ++g)
            one.features[g] = g == f;
        one.useSize = false;
        EXPECT_EQ(openCall(one), "window.open('MyExistingWindow.htm','win1','" + windowFeatureNames()[f] + "')");
    }
}

TEST(WindowWizardTest, EmptyFieldsGetTheirDefaultsAndLinkComesBeforeButton)
{
    WindowOptions options;
    options.functionName.clear();
    options.windowName.clear();
    options.linkText.clear();
    options.buttonText.clear();
    options.textLink = options.formButton = true;
    options = withWindowDefaults(options);
    EXPECT_EQ(options.functionName, "MyFunction()");
    EXPECT_EQ(options.windowName, "win1");
    EXPECT_EQ(options.linkText, "Link");
    EXPECT_EQ(options.buttonText, "Open");
    EXPECT_TRUE(windowCode(options).endsWith("</SCRIPT>"
                                             "\r\n<a href='#' onClick='MyFunction();return false'>Link</a>"
                                             "\r\n<BR><FORM>\r\n<INPUT TYPE=BUTTON VALUE='Open' "
                                             "onClick='MyFunction();return false'>\r\n</FORM>"));
}

TEST(WindowWizardTest, ScriptInContentsOnlyMattersWhenWriting)
{
    WindowOptions options;
    options.contents = "<SCRIPT>x()</Script>";
    EXPECT_FALSE(windowContentsHaveScript(options));
    options.writeToWindow = true;
    EXPECT_TRUE(windowContentsHaveScript(options));
}

} // namespace
