#include "support/CaretMarkup.h"
#include "navigator/LinkCommands.h"
#include "navigator/ImageDialog.h"
#include "navigator/NavigatorPanel.h"

#include "editor/CodeEditor.h"
#include "editor/TagInsertion.h"
#include "support/FakeShell.h"
#include "support/ScriptedPrompter.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include "support/QStringPrinter.h"
#include "support/SiteFixture.h"

namespace {

using Icon = Prompter::Icon;

class LinkCommandsTest : public ::testing::Test {
protected:
    SiteFixture site;
    ScriptedPrompter prompter;
    FakeShell shell;
    NavigatorPanel panel { prompter, shell };
    CodeEditor editor;
    int warnings = 0;
    LinkCommands commands { editor, panel, prompter, [this] { ++warnings; },
        [this](const QString& start, const QString& end) { insertTheTags(editor, start, end); } };

    void SetUp() override
    {
        panel.setDocumentFileName(site.path("sub/page.htm"));
        panel.setDirectory(site.root);
        editor.setText("Go Home now");
    }
    void select(const QString& name) { ASSERT_TRUE(panel.selectFile(site.path(name))) << name.toStdString(); }
    void selectHome(bool selection)
    {
        editor.setSelStart(3);
        editor.setSelLength(selection ? 4 : 0);
    }
    QString textWithCaret() const { return ::textWithCaret(editor); }
};

struct CommandCase {
    const char* name;
    void (LinkCommands::*command)();
    const char* file;
    bool selection;
    const char* expected;
    const char* message; // shown before the insertion, or nullptr
};

const CommandCase kCommandCases[] = {
    { "link, selection", &LinkCommands::linkToSelectedFile, "about.html", true,
        "Go <A HREF=\"../about.html\">Home|</A> now", nullptr },
    { "link, caret", &LinkCommands::linkToSelectedFile, "about.html", false,
        "Go <A HREF=\"../about.html\">About us|</A>Home now", nullptr },
    { "toc link, selection", &LinkCommands::tocLink, "about.html", true,
        "Go <A HREF=\"../about.html\">Home|</A><BR> now", nullptr },
    { "toc link, caret", &LinkCommands::tocLink, "about.html", false,
        "Go <A HREF=\"../about.html\">About us|</A><BR>Home now", nullptr },
    { "relative filename, selection", &LinkCommands::relativeFilename, "about.html", true, "Go ../about.htmlHome| now",
        nullptr },
    { "relative filename, caret", &LinkCommands::relativeFilename, "about.html", false, "Go ../about.html|Home now",
        nullptr },
    { "file title, selection", &LinkCommands::fileTitle, "about.html", true, "Go About usHome| now", nullptr },
    { "file title, caret", &LinkCommands::fileTitle, "about.html", false, "Go About us|Home now", nullptr },
    { "option, selection", &LinkCommands::option, "about.html", true,
        "Go \r\n<OPTION VALUE=\"../about.html\">Home|\r\n now", nullptr },
    { "option, caret", &LinkCommands::option, "about.html", false,
        "Go \r\n<OPTION VALUE=\"../about.html\">|About us\r\nHome now", nullptr },
    { "js file, selection", &LinkCommands::jsFile, "menu.js", true,
        "Go <SCRIPT LANGUAGE=\"JAVASCRIPT\" SRC=\"../menu.js\">\r\n<!--//\r\nHome|//--></SCRIPT> now", nullptr },
    { "js file, caret", &LinkCommands::jsFile, "menu.js", false,
        "Go <SCRIPT LANGUAGE=\"JAVASCRIPT\" SRC=\"../menu.js\">\r\n<!--//\r\n|//--></SCRIPT>Home now", nullptr },
    { "js file, not a script", &LinkCommands::jsFile, "about.html", false,
        "Go <SCRIPT LANGUAGE=\"JAVASCRIPT\" SRC=\"MyJavaScriptfile.js\">|\r\n<!--//\r\n//--></SCRIPT>Home now",
        "You haven't selected a js file in the file box.\r\nYou can add the file later." },
    { "css file, selection", &LinkCommands::cssFile, "style.css", true,
        "Go \r\n<LINK REL=stylesheet HREF=\"../style.css\" TYPE=\"text/css\">Home|\r\n now", nullptr },
    { "css file, caret", &LinkCommands::cssFile, "style.css", false,
        "Go \r\n<LINK REL=stylesheet HREF=\"../style.css\" TYPE=\"text/css\">|\r\nHome now", nullptr },
    { "css file, not a style sheet", &LinkCommands::cssFile, "menu.js", true,
        "Go \r\n<LINK REL=stylesheet HREF=\"MyStyleSheet.css\" TYPE=\"text/css\">Home|\r\n now",
        "You haven't selected a css file in the file box.\r\nYou can add the file later." },
};

TEST_F(LinkCommandsTest, CommandsWriteTheirTextsAroundSelectionOrCaret)
{
    for (const CommandCase& c : kCommandCases) {
        editor.setText("Go Home now");
        select(c.file);
        selectHome(c.selection);
        warnings = 0;
        if (c.message) prompter.expectMessage(c.message, Icon::None, Prompter::Ok, Prompter::Ok);
        (commands.*c.command)();
        prompter.verify();
        EXPECT_EQ(textWithCaret(), c.expected) << c.name;
        EXPECT_EQ(warnings, c.command == &LinkCommands::option ? 0 : 1) << c.name;
    }
}

TEST_F(LinkCommandsTest, CommandsUseTheBoxesAsEdited)
{
    select("about.html");
    panel.relativePathEdit()->setText("x/y.htm");
    panel.titleEdit()->setText("Why");
    selectHome(false);
    commands.linkToSelectedFile();
    EXPECT_EQ(textWithCaret(), "Go <A HREF=\"x/y.htm\">Why|</A>Home now");
}

TEST_F(LinkCommandsTest, RefusalsWithoutASelectedFileLeaveTheDocument)
{
    struct Refusal {
        void (LinkCommands::*command)();
        const char* message;
        int warnings;
    };
    const Refusal refusals[] = {
        { &LinkCommands::linkToSelectedFile, "Please select a file in the file box first.", 0 },
        { &LinkCommands::tocLink, "Please select a file in the file box first.", 0 },
        { &LinkCommands::relativeFilename,
            "Please choose a file in the filebox first.\r\nAnd ensure that the current file has been saved.", 0 },
        { &LinkCommands::fileTitle, "Please select a file in the filebox.", 1 },
        { &LinkCommands::jsFile, "Please select a file first.", 1 },
    };
    select("menu.js");
    panel.fileList()->setCurrentRow(-1);
    ASSERT_EQ(panel.selectedFile(), "");
    for (const Refusal& r : refusals) {
        selectHome(true);
        warnings = 0;
        prompter.expectMessage(r.message, Icon::None, Prompter::Ok, Prompter::Ok);
        (commands.*r.command)();
        prompter.verify();
        EXPECT_EQ(textWithCaret(), "Go [Home] now") << r.message;
        EXPECT_EQ(warnings, r.warnings) << r.message;
    }
}

TEST_F(LinkCommandsTest, InsertTocWritesOneLinePerListedFile)
{
    selectHome(true);
    prompter.expectMessage("Make a TOC of all the files in the directory at the current cursor position?",
        Icon::Confirmation, Prompter::Yes | Prompter::No, Prompter::Yes);
    commands.insertToc();
    EXPECT_EQ(textWithCaret(),
        "Go <a href=\"../about.html\">About us</a><br>\r\n"
        "<a href=\"../empty-title.htm\">####Title was empty####</a><br>\r\n"
        "<a href=\"../index.htm\">Home</a><br>\r\n"
        "<a href=\"../menu.js\">menu.js</a><br>\r\n"
        "<a href=\"../Mixed.htm\">Mixed.htm</a><br>\r\n"
        "<a href=\"../nohead.htm\">nohead.htm</a><br>\r\n"
        "<a href=\"../style.css\">style.css</a><br>\r\n| now");
    EXPECT_EQ(warnings, 1);
    EXPECT_EQ(panel.bufferText(), "");

    // A never-saved document measures from the current directory.
    panel.setDocumentFileName({});
    panel.setDirectory(site.path("sub"));
    editor.setText("");
    prompter.expectMessage("Make a TOC of all the files in the directory at the current cursor position?",
        Icon::Confirmation, Prompter::Yes | Prompter::No, Prompter::Yes);
    commands.insertToc();
    EXPECT_EQ(textWithCaret(), "<a href=\"page.htm\">Sub page</a><br>\r\n|");
}

TEST_F(LinkCommandsTest, InsertTocRefusals)
{
    selectHome(true);
    prompter.expectMessage("Make a TOC of all the files in the directory at the current cursor position?",
        Icon::Confirmation, Prompter::Yes | Prompter::No, Prompter::No);
    commands.insertToc();
    EXPECT_EQ(warnings, 1);
    panel.setDirectory(site.path("images"));
    prompter.expectMessage("The directory was empty.", Icon::None, Prompter::Ok, Prompter::Ok);
    commands.insertToc();
    EXPECT_EQ(warnings, 1);
    EXPECT_EQ(textWithCaret(), "Go [Home] now");
}

TEST_F(LinkCommandsTest, LinkingAScriptIntoAPageWritesThePageOnly)
{
    panel.setDocumentFileName(site.path("menu.js"));
    select("about.html");
    commands.linkThisCssJsFileToSelectedFile();
    // The page keeps its LF line breaks.
    const QByteArray linked
        = "<html>\n<head>\n<SCRIPT LANGUAGE=\"JAVASCRIPT\" SRC=\"menu.js\">\n<!--//\n//--></SCRIPT>\n\n"
          "<title>About us</title>\n</head>\n<body></body>\n</html>\n";
    EXPECT_EQ(site.read("about.html"), linked);
    EXPECT_EQ(editor.text(), "Go Home now");

    prompter.expectMessage("A file with the same name as this is already linked. I made no changes", Icon::None,
        Prompter::Ok, Prompter::Ok);
    commands.linkThisCssJsFileToSelectedFile();
    EXPECT_EQ(site.read("about.html"), linked);

    select("nohead.htm");
    prompter.expectMessage(
        "Couldn't find the <head> tag. This might not be a proper HTML file", Icon::None, Prompter::Ok, Prompter::Ok);
    commands.linkThisCssJsFileToSelectedFile();
    EXPECT_EQ(site.read("nohead.htm"), "<html><body>No head here</body></html>\r\n");

    panel.fileList()->setCurrentRow(-1);
    prompter.expectMessage("Please select a file to link", Icon::None, Prompter::Ok, Prompter::Ok);
    commands.linkThisCssJsFileToSelectedFile();
}

// The page rewritten keeps what follows a NUL unless the user agrees to cut it.
TEST_F(LinkCommandsTest, LinkingIntoAPageHoldingANulAsksFirst)
{
    const QByteArray page("<html><head><title>T</title></head>\0rest", 40);
    site.write("nul.htm", page);
    panel.refreshFiles();
    panel.setDocumentFileName(site.path("style.css"));
    select("nul.htm");
    prompter.expectMessage("Saving will cut the file at its first NUL byte (byte 35). Save anyway?", Icon::Warning,
        Prompter::Yes | Prompter::No | Prompter::DefaultNo, Prompter::No);
    commands.linkThisCssJsFileToSelectedFile();
    EXPECT_EQ(site.read("nul.htm"), page);
}

TEST_F(LinkCommandsTest, LinkingAStyleSheetIntoAPage)
{
    panel.setDocumentFileName(site.path("style.css"));
    select("sub/page.htm");
    commands.linkThisCssJsFileToSelectedFile();
    EXPECT_EQ(site.read("sub/page.htm"),
        "<html><head>\r\n<LINK REL=stylesheet HREF=\"../style.css\" TYPE=\"text/css\">\r\n"
        "<title>Sub page</title></head></html>\r\n");
    // Reading the page afresh: an emptied navigator buffer does not hide its head.
    panel.setDocumentFileName(site.path("STYLE2.CSS"));
    panel.clearBuffer();
    commands.linkThisCssJsFileToSelectedFile();
    EXPECT_TRUE(site.read("sub/page.htm").contains("HREF=\"../STYLE2.CSS\""));

    select("nohead.htm");
    prompter.expectMessage(
        "Couldn't find the <head> tag. Perhaps this isn't a proper HTML file", Icon::None, Prompter::Ok, Prompter::Ok);
    commands.linkThisCssJsFileToSelectedFile();

    // Neither a script nor a style sheet: nothing happens.
    panel.setDocumentFileName(site.path("index.htm"));
    select("about.html");
    commands.linkThisCssJsFileToSelectedFile();
    EXPECT_EQ(site.read("about.html").left(14), "<html>\n<head>\n");
    EXPECT_EQ(site.read("about.html").size(), 68);
}

TEST_F(LinkCommandsTest, ImageDialogFollowsTheNavigatorAndWritesTheTag)
{
    QSignalSpy open(&commands, &LinkCommands::imageDialogOpenChanged);
    panel.setDirectory(site.path("images"));
    panel.browser()->filterBox()->setCurrentIndex(1);
    emit panel.browser()->filterBox()->activated(1);
    select("images/a.gif");
    commands.image();
    ImageDialog* dialog = commands.imageDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Insert an Image File");
    EXPECT_EQ(panel.relativePathEdit()->text(), "../images/a.gif");
    EXPECT_EQ(dialog->imageFileEdit()->text(), site.path("images/a.gif"));
    EXPECT_EQ(dialog->widthEdit()->text(), "300");
    EXPECT_EQ(dialog->heightEdit()->text(), "200");
    EXPECT_EQ(dialog->altTextEdit()->text(), "EnterALTText");
    EXPECT_EQ(dialog->borderEdit()->text(), "0");
    EXPECT_TRUE(dialog->imageFileEdit()->isReadOnly());
    ASSERT_EQ(open.count(), 1);
    EXPECT_TRUE(open.last().first().toBool());

    struct Step {
        const char* file;
        const char* width;
        const char* height;
    };
    const Step steps[]
        = { { "images/b.jpg", "800", "600" }, { "images/broken.jpg", "", "" }, { "images/c.png", "16", "8" } };
    for (const Step& step : steps) {
        select(step.file);
        EXPECT_EQ(dialog->imageFileEdit()->text(), site.path(step.file));
        EXPECT_EQ(dialog->widthEdit()->text(), step.width) << step.file;
        EXPECT_EQ(dialog->heightEdit()->text(), step.height) << step.file;
    }
    // An extension not in lower case does not refresh the dialog while browsing.
    site.write("images/D.GIF", imagebytes::gif(imagebytes::gifDescriptor(1, 2)));
    panel.refreshFiles();
    select("images/D.GIF");
    EXPECT_EQ(dialog->imageFileEdit()->text(), site.path("images/c.png"));

    dialog->altTextEdit()->setText("Logo");
    dialog->borderEdit()->setText("2");
    selectHome(true);
    dialog->accept();
    EXPECT_EQ(
        textWithCaret(), "Go <img src=\"../images/c.png\" width=\"16\" height=\"8\" border=\"2\" ALT=\"Logo\" >| now");
    EXPECT_EQ(warnings, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(commands.imageDialog(), nullptr);
    ASSERT_EQ(open.count(), 2);
    EXPECT_FALSE(open.last().first().toBool());
}

TEST_F(LinkCommandsTest, ImageWithoutAnImageOffersPlainTags)
{
    const QString question
        = "No image file was selected in the file box\r\nWould you like me to enter plain image tags?";
    select("index.htm");
    selectHome(false);
    prompter.expectMessage(question, Icon::Confirmation, Prompter::Yes | Prompter::No, Prompter::No);
    commands.image();
    EXPECT_EQ(textWithCaret(), "Go |Home now");
    EXPECT_EQ(panel.relativePathEdit()->text(), "../index.htm");
    prompter.expectMessage(question, Icon::Confirmation, Prompter::Yes | Prompter::No, Prompter::Yes);
    commands.image();
    EXPECT_EQ(textWithCaret(), "Go <img src=\"\" width=\"\" height=\"\" border=\"\" ALT=\"\" >|Home now");
    EXPECT_EQ(commands.imageDialog(), nullptr);

    // A never-saved document: the image's full path.
    panel.setDocumentFileName({});
    panel.fileList()->setCurrentRow(-1);
    prompter.expectMessage(question, Icon::Confirmation, Prompter::Yes | Prompter::No, Prompter::No);
    commands.image();
    EXPECT_EQ(panel.relativePathEdit()->text(), "");
}

} // namespace
