#include "shared/PageTitle.h"

#include <gtest/gtest.h>

#include "support/QStringPrinter.h"

namespace {

struct TitleCase {
    const char* text;
    const char* title; // findTitle
    const char* tocTitle; // findAllTitles with file name "f.htm"
};

const TitleCase kTitleCases[] = {
    { "<html><head><title>Home</title></head>", "Home", "Home" },
    { "<HTML><HEAD><TITLE>  Home \t</TITLE>", "Home", "Home" },
    { "<Title>Mixed</Title>", "Mixed", "f.htm" },
    { "<title> \r\n </title>", "No title found", "####Title was empty####" },
    { "<TITLE></TITLE>", "No title found", "####Title was empty####" },
    { "<title>Never closed", "No title tags found", "####No title found####" },
    { "<TITLE>Never closed</title>", "Never closed", "####No title found####" },
    // A closing tag before the opening one does not count; the one after it does.
    { "</title><title>Late</title>", "Late", "Late" },
    { "</title><title>Never closed", "No title tags found", "####No title found####" },
    // Lower case wins when both spellings appear.
    { "<TITLE>Upper</TITLE><title>lower</title>", "Upper", "lower" },
    { "<title>Line one\r\nline two</title>", "Line one\r\nline two", "Line one\r\nline two" },
    // Neither tag: the table of contents still needs a text, so it shows the file name.
    { "var x = 1;", "No title tags found", "f.htm" },
    { "", "No title tags found", "f.htm" },
};

TEST(PageTitle, TitleBoxAndTableOfContents)
{
    for (const TitleCase& c : kTitleCases) {
        EXPECT_EQ(findTitle(c.text), c.title) << c.text;
        EXPECT_EQ(findAllTitles(c.text, "f.htm"), c.tocTitle) << c.text;
    }
}

} // namespace
