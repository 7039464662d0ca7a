#include "navigator/LinkTexts.h"

#include <gtest/gtest.h>

#include "support/QStringPrinter.h"

namespace {

TEST(LinkTexts, Anchors)
{
    EXPECT_EQ(linkTexts("b.htm", "Bee", "Home", false), (TagTexts { "<A HREF=\"b.htm\">", "</A>" }));
    EXPECT_EQ(linkTexts("b.htm", "Bee", "", false), (TagTexts { "<A HREF=\"b.htm\">Bee", "</A>" }));
    EXPECT_EQ(linkTexts("b.htm", "Bee", "", true), (TagTexts { "<A HREF=\"b.htm\">Bee", "</A><BR>" }));
    EXPECT_EQ(optionTexts("b.htm", "Bee", ""), (TagTexts { "\r\n<OPTION VALUE=\"b.htm\">", "Bee\r\n" }));
    EXPECT_EQ(optionTexts("b.htm", "Bee", "x"), (TagTexts { "\r\n<OPTION VALUE=\"b.htm\">", "\r\n" }));
}

TEST(LinkTexts, ScriptAndStyleSheetReferencesTestTheExtensionWithCase)
{
    const ReferenceTexts js = jsFileTexts("js/a.js");
    EXPECT_EQ(
        js.tags, (TagTexts { "<SCRIPT LANGUAGE=\"JAVASCRIPT\" SRC=\"js/a.js\">\r\n<!--//\r\n", "//--></SCRIPT>" }));
    EXPECT_EQ(js.message, "");
    for (const char* rel : { "js/A.JS", "a.htm", "" }) {
        const ReferenceTexts wrong = jsFileTexts(rel);
        EXPECT_EQ(wrong.tags,
            (TagTexts {
                "<SCRIPT LANGUAGE=\"JAVASCRIPT\" SRC=\"MyJavaScriptfile.js\">", "\r\n<!--//\r\n//--></SCRIPT>" }));
        EXPECT_EQ(wrong.message, "You haven't selected a js file in the file box.\r\nYou can add the file later.");
    }
    const ReferenceTexts css = cssFileTexts("../s.css");
    EXPECT_EQ(css.tags, (TagTexts { "\r\n<LINK REL=stylesheet HREF=\"../s.css\" TYPE=\"text/css\">", "\r\n" }));
    EXPECT_EQ(css.message, "");
    const ReferenceTexts wrongCss = cssFileTexts("S.CSS");
    EXPECT_EQ(
        wrongCss.tags, (TagTexts { "\r\n<LINK REL=stylesheet HREF=\"MyStyleSheet.css\" TYPE=\"text/css\">", "\r\n" }));
    EXPECT_EQ(wrongCss.message, "You haven't selected a css file in the file box.\r\nYou can add the file later.");
}

TEST(LinkTexts, TocLinesAndImages)
{
    EXPECT_EQ(tocLine("sub/a.htm", "A page"), "<a href=\"sub/a.htm\">A page</a><br>\r\n");
    EXPECT_EQ(imageTag("img/a.gif", "10", "20", "0", "EnterALTText"),
        "<img src=\"img/a.gif\" width=\"10\" height=\"20\" border=\"0\" ALT=\"EnterALTText\" >");
    EXPECT_EQ(plainImageTag(), "<img src=\"\" width=\"\" height=\"\" border=\"\" ALT=\"\" >");
}

struct PageLinkCase {
    const char* name;
    const char* document;
    const char* page;
    const char* pageText;
    PageLink::Outcome outcome;
    const char* result; // message when refused, new text when linked
};

const PageLinkCase kPageLinkCases[] = {
    { "script", "/site/js/menu.js", "/site/docs/page.htm", "<html><HEAD><title>x</title>", PageLink::Outcome::Linked,
        "<html><HEAD>\r\n<SCRIPT LANGUAGE=\"JAVASCRIPT\" "
        "SRC=\"../js/menu.js\">\r\n<!--//\r\n//--></SCRIPT>\r\n<title>x</title>" },
    { "style sheet", "/site/Style.CSS", "/site/page.htm", "<head></head>", PageLink::Outcome::Linked,
        "<head>\r\n<LINK REL=stylesheet HREF=\"Style.CSS\" TYPE=\"text/css\">\r\n</head>" },
    { "script without page", "/site/a.JS", "", "", PageLink::Outcome::Refused, "Please select a file to link" },
    { "style sheet without page", "/site/a.css", "", "", PageLink::Outcome::Refused,
        "Please select a file to link this one to." },
    { "script already linked", "/site/menu.js", "/site/p.htm", "<head><script src=\"MENU.JS\">",
        PageLink::Outcome::Refused, "A file with the same name as this is already linked. I made no changes" },
    { "style sheet already linked", "/site/s.css", "/site/p.htm", "<head>S.css", PageLink::Outcome::Refused,
        "A file with the same name as this is already linked. I made no changes." },
    { "script without head", "/site/menu.js", "/site/p.htm", "<html><body>", PageLink::Outcome::Refused,
        "Couldn't find the <head> tag. This might not be a proper HTML file" },
    { "style sheet without head", "/site/s.css", "/site/p.htm", "", PageLink::Outcome::Refused,
        "Couldn't find the <head> tag. Perhaps this isn't a proper HTML file" },
    { "other document", "/site/page.htm", "/site/p.htm", "<head>", PageLink::Outcome::NotApplicable, "" },
    { "never saved", "", "/site/p.htm", "<head>", PageLink::Outcome::NotApplicable, "" },
};

TEST(LinkTexts, LinkingTheDocumentIntoAPage)
{
    for (const PageLinkCase& c : kPageLinkCases) {
        const PageLink link = linkDocumentIntoPage(c.document, c.page, c.pageText, CaseRule::Exact);
        EXPECT_EQ(link.outcome, c.outcome) << c.name;
        EXPECT_EQ(c.outcome == PageLink::Outcome::Linked ? link.text : link.message, c.result) << c.name;
        if (c.outcome != PageLink::Outcome::Linked) EXPECT_EQ(link.text, "") << c.name;
    }
}

TEST(LinkTexts, LinkingAcrossWindowsDrives)
{
    const PageLink link = linkDocumentIntoPage(R"(D:\lib\menu.js)", R"(C:\site\p.htm)", "<head>", CaseRule::IgnoreCase);
    EXPECT_EQ(
        link.text, "<head>\r\n<SCRIPT LANGUAGE=\"JAVASCRIPT\" SRC=\"D:/lib/menu.js\">\r\n<!--//\r\n//--></SCRIPT>\r\n");
}

} // namespace
