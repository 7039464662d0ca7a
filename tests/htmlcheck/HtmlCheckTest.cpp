#include "htmlcheck/HtmlCheck.h"
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

namespace {
using HtmlCheck::Problem;

void PrintTo(const Problem& p, std::ostream* out)
{
    *out << p.line << ":" << p.column << (p.error ? " E " : " W ") << p.message.toStdString();
}

// Tidy's errors and warnings in line order, columns counting a tab and an accented letter as
// one character each, as the editor does.
TEST(HtmlCheckTest, ListsErrorsAndWarningsByPosition)
{
    const QString text
        = "<html><head><title>x</title></head>\r\n<body>\r\n\t<p>\u00e9<b>bold\r\n<foo>x</foo></body></html>";
    const HtmlCheck::Result result = HtmlCheck::check(text);
    const QList<Problem> expected {
        { 1, 1, false, "missing <!DOCTYPE> declaration" },
        { 3, 6, false, "missing </b> before </body>" },
        { 4, 1, true, "<foo> is not recognized!" },
        { 4, 1, false, "discarding unexpected <foo>" },
        { 4, 7, false, "discarding unexpected </foo>" },
    };
    EXPECT_EQ(result.problems, expected);
    EXPECT_EQ(result.errors, 1);
    EXPECT_EQ(result.warnings, 4);
    EXPECT_EQ(HtmlCheck::offsetOf(text, 3, 6), text.indexOf("<b>"));
    EXPECT_EQ(HtmlCheck::offsetOf(text, 4, 7), text.indexOf("</foo>"));
}

// A clean page has nothing to say; a page with many problems has every one listed, not the
// first few.
TEST(HtmlCheckTest, CleanPagesAndManyProblems)
{
    EXPECT_TRUE(HtmlCheck::check("<!DOCTYPE html>\r\n<html><head><title>t</title></head><body><p>x</p></body></html>")
                    .problems.isEmpty());
    const HtmlCheck::Result many = HtmlCheck::check("<!DOCTYPE html>\r\n<html><head><title>t</title></head><body>"
        + QString("<zap>\r\n").repeated(40) + "</body></html>");
    EXPECT_EQ(many.errors, 40);
    EXPECT_EQ(many.problems.last().line, 41);
}

TEST(HtmlCheckTest, OffsetsOfLinesAndColumns)
{
    const QString text = "ab\r\n\tc\U0001F600d\r\nlast";
    const struct {
        int line, column, offset;
    } rows[] = {
        { 1, 1, 0 }, { 1, 3, 2 }, { 1, 9, 2 }, // past a line's end: its end
        { 2, 1, 4 }, { 2, 2, 5 }, { 2, 3, 6 }, { 2, 4, 8 }, // the emoji is one column, two units
        { 3, 4, 14 }, { 9, 1, 15 }, // past the last line: the end
        { 0, 0, 0 }, // the document as a whole
    };
    for (const auto& row : rows)
        EXPECT_EQ(HtmlCheck::offsetOf(text, row.line, row.column), row.offset) << row.line << ":" << row.column;
}

TEST(HtmlCheckTest, WhatCountsAsHtml)
{
    for (const char* name : { "", "/site/page.htm", "/site/page.HTML", "/site/page.shtml", "/site/page.php" })
        EXPECT_TRUE(HtmlCheck::isHtmlDocument(name)) << name;
    for (const char* name : { "/site/code.js", "/site/style.CSS", "/site/notes.txt", "/site/data.json" })
        EXPECT_FALSE(HtmlCheck::isHtmlDocument(name)) << name;
}
} // namespace
