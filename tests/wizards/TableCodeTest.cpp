#include "wizards/TableCode.h"

#include <gtest/gtest.h>

#include "support/QStringPrinter.h"

namespace {

TEST(TableWriterTest, DefaultTableLineByLine)
{
    const QStringList expected { "", "<!--####### start of table #######-->", "",
        "<TABLE BORDER=\"1\" WIDTH=\"600\" CELLPADDING=\"5\" CELLSPACING=\"0\">", "<!--####### Row Number 1 ######-->",
        "<TR>", "<TD>", "Row1Column1", "</TD>", "<TD>", "Row1Column2", "</TD>", "</TR>",
        "<!--####### Row Number 2 ######-->", "<TR>", "<TD>", "Row2Column1", "</TD>", "<TD>", "Row2Column2", "</TD>",
        "</TR>", "</TABLE>", "", "<!--####### end of table #######-->" };
    EXPECT_EQ(tableWriter(TableOptions {}), expected.join("\r\n"));
}

// The TABLE start tag (line 4) for each option.
QString tableTag(const TableOptions& options) { return tableWriter(options).split("\r\n").value(3); }

TEST(TableWriterTest, TagAttributesForEachOption)
{
    struct Case {
        const char* name;
        std::function<void(TableOptions&)> change;
        const char* tag;
    };
    const Case cases[] = {
        { "border 0, padding and spacing 0 still written",
            [](TableOptions& o) { o.border = 0, o.cellPadding = 0, o.cellSpacing = 0; },
            "<TABLE BORDER=\"0\" WIDTH=\"600\" CELLPADDING=\"0\" CELLSPACING=\"0\">" },
        { "width not stated, whatever the unit", [](TableOptions& o) { o.stateWidth = false, o.perCent = true; },
            "<TABLE BORDER=\"1\" CELLPADDING=\"5\" CELLSPACING=\"0\">" },
        { "per cent", [](TableOptions& o) { o.perCent = true, o.width = 100; },
            "<TABLE BORDER=\"1\" WIDTH=\"100%\" CELLPADDING=\"5\" CELLSPACING=\"0\">" },
        { "align Default writes nothing", [](TableOptions& o) { o.alignEntry = 0; },
            "<TABLE BORDER=\"1\" WIDTH=\"600\" CELLPADDING=\"5\" CELLSPACING=\"0\">" },
        { "align Center in its letter case", [](TableOptions& o) { o.alignEntry = 2; },
            "<TABLE BORDER=\"1\" WIDTH=\"600\" ALIGN=\"Center\" CELLPADDING=\"5\" CELLSPACING=\"0\">" },
        { "colour DEFAULT writes nothing", [](TableOptions& o) { o.colourEntry = 0; },
            "<TABLE BORDER=\"1\" WIDTH=\"600\" CELLPADDING=\"5\" CELLSPACING=\"0\">" },
        { "custom colour", [](TableOptions& o) { o.colourEntry = 1, o.customColour = "FF0000"; },
            "<TABLE BORDER=\"1\" WIDTH=\"600\" BGCOLOR=\"#FF0000\" CELLPADDING=\"5\" CELLSPACING=\"0\">" },
        { "named colour GRAY", [](TableOptions& o) { o.colourEntry = 7; },
            "<TABLE BORDER=\"1\" WIDTH=\"600\" BGCOLOR=\"GRAY\" CELLPADDING=\"5\" CELLSPACING=\"0\">" },
        { "the empty tenth entry", [](TableOptions& o) { o.colourEntry = 9; },
            "<TABLE BORDER=\"1\" WIDTH=\"600\" BGCOLOR=\"\" CELLPADDING=\"5\" CELLSPACING=\"0\">" },
        { "all together",
            [](TableOptions& o) {
                o.border = 3, o.alignEntry = 3, o.colourEntry = 2, o.cellSpacing = 4, o.cellPadding = 7;
            },
            "<TABLE BORDER=\"3\" WIDTH=\"600\" ALIGN=\"Right\" BGCOLOR=\"WHITE\" CELLPADDING=\"7\" "
            "CELLSPACING=\"4\">" },
    };
    for (const Case& c : cases) {
        TableOptions options;
        c.change(options);
        EXPECT_EQ(tableTag(options), QString(c.tag)) << c.name;
    }
}

TEST(TableWriterTest, RowsAndColumnsAtTheirLimits)
{
    TableOptions one;
    one.rows = one.columns = 1;
    EXPECT_EQ(tableWriter(one),
        "\r\n<!--####### start of table #######-->\r\n\r\n"
        "<TABLE BORDER=\"1\" WIDTH=\"600\" CELLPADDING=\"5\" CELLSPACING=\"0\">\r\n"
        "<!--####### Row Number 1 ######-->\r\n<TR>\r\n<TD>\r\nRow1Column1\r\n</TD>\r\n</TR>\r\n</TABLE>\r\n\r\n"
        "<!--####### end of table #######-->");

    TableOptions ten;
    ten.rows = ten.columns = 10;
    const QString text = tableWriter(ten);
    EXPECT_EQ(text.count("<!--####### Row Number "), 10);
    EXPECT_EQ(text.count("<TD>"), 100);
    // Row-major numbering: row 1's ten cells come before row 2's first.
    EXPECT_LT(text.indexOf("Row1Column10"), text.indexOf("Row2Column1\r\n"));
    EXPECT_TRUE(text.contains("<!--####### Row Number 10 ######-->"));
    EXPECT_TRUE(
        text.endsWith("Row10Column10\r\n</TD>\r\n</TR>\r\n</TABLE>\r\n\r\n<!--####### end of table #######-->"));
}

TEST(TableDataWriterTest, CellTagForEachOption)
{
    struct Case {
        const char* name;
        std::function<void(TableDataOptions&)> change;
        const char* tag;
    };
    const Case cases[] = {
        { "defaults", [](TableDataOptions&) {}, "\r\n<TD  ALIGN=\"LEFT\" VALIGN=\"TOP\">" },
        { "every option off", [](TableDataOptions& o) { o.alignEntry = 0, o.vAlignEntry = -1; }, "\r\n<TD >" },
        { "width in pixels", [](TableDataOptions& o) { o.stateWidth = true; },
            "\r\n<TD  WIDTH=\"90\" ALIGN=\"LEFT\" VALIGN=\"TOP\">" },
        { "width in per cent", [](TableDataOptions& o) { o.stateWidth = true, o.perCent = true, o.width = 100; },
            "\r\n<TD  WIDTH=\"100%\" ALIGN=\"LEFT\" VALIGN=\"TOP\">" },
        { "alignments", [](TableDataOptions& o) { o.alignEntry = 3, o.vAlignEntry = 2; },
            "\r\n<TD  ALIGN=\"RIGHT\" VALIGN=\"MIDDLE\">" },
        { "GREY in the cell list", [](TableDataOptions& o) { o.colourEntry = 7; },
            "\r\n<TD  ALIGN=\"LEFT\" VALIGN=\"TOP\" BGCOLOR=\"GREY\">" },
        { "custom colour cancelled", [](TableDataOptions& o) { o.colourEntry = 1, o.customColour = "000000"; },
            "\r\n<TD  ALIGN=\"LEFT\" VALIGN=\"TOP\" BGCOLOR=\"#000000\">" },
        { "colour DEFAULT", [](TableDataOptions& o) { o.colourEntry = 0; }, "\r\n<TD  ALIGN=\"LEFT\" VALIGN=\"TOP\">" },
    };
    for (const Case& c : cases) {
        TableDataOptions options;
        c.change(options);
        EXPECT_EQ(tableDataWriter(options), QString(c.tag)) << c.name;
    }
}

TEST(TableListsTest, ColourListsDifferInOneEntry)
{
    EXPECT_EQ(tableColourEntries().size(), 10);
    EXPECT_EQ(cellColourEntries().size(), 10);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(tableColourEntries()[i] == cellColourEntries()[i], i != 7) << i;
}

} // namespace
