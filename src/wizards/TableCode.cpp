#include "wizards/TableCode.h"

const QStringList& tableAlignEntries()
{
    static const QStringList entries { "Default", "Left", "Center", "Right" };
    return entries;
}

const QStringList& tableColourEntries()
{
    static const QStringList entries { "DEFAULT", "CUSTOM", "WHITE", "RED", "YELLOW", "BLUE", "GREEN", "GRAY", "BLACK",
        "" };
    return entries;
}

const QStringList& cellVAlignEntries()
{
    static const QStringList entries { "DEFAULT", "TOP", "MIDDLE", "BOTTOM" };
    return entries;
}

const QStringList& cellAlignEntries()
{
    static const QStringList entries { "DEFAULT", "LEFT", "CENTER", "RIGHT" };
    return entries;
}

const QStringList& cellColourEntries()
{
    static const QStringList entries { "DEFAULT", "CUSTOM", "WHITE", "RED", "YELLOW", "BLUE", "GREEN", "GREY", "BLACK",
        "" };
    return entries;
}

namespace {

QString attribute(const char* name, const QString& value) { return QStringLiteral(" %1=\"%2\"").arg(name, value); }

QString widthAttribute(bool stateWidth, int width, bool perCent)
{
    if (!stateWidth) return {};
    return attribute("WIDTH", QString::number(width) + (perCent ? "%" : ""));
}

// Entry 1 is the custom colour; the entries after it name their colour; 0 and none say nothing.
QString colourAttribute(const QStringList& entries, int entry, const QString& customColour)
{
    if (entry == kCustomColourEntry) return attribute("BGCOLOR", "#" + customColour);
    if (entry > kCustomColourEntry && entry < entries.size()) return attribute("BGCOLOR", entries[entry]);
    return {};
}

QString entryAttribute(const char* name, const QStringList& entries, int entry)
{
    return entry > 0 && entry < entries.size() ? attribute(name, entries[entry]) : QString();
}

} // namespace

QString tableWriter(const TableOptions& o)
{
    QString text = "\r\n<!--####### start of table #######-->\r\n\r\n";
    text += "<TABLE BORDER=\"" + QString::number(o.border) + "\"";
    text += widthAttribute(o.stateWidth, o.width, o.perCent);
    text += entryAttribute("ALIGN", tableAlignEntries(), o.alignEntry);
    text += colourAttribute(tableColourEntries(), o.colourEntry, o.customColour);
    text += attribute("CELLPADDING", QString::number(o.cellPadding));
    text += attribute("CELLSPACING", QString::number(o.cellSpacing));
    text += ">";
    for (int r = 1; r <= o.rows; ++r) {
        text += QStringLiteral("\r\n<!--####### Row Number %1 ######-->\r\n<TR>").arg(r);
        for (int c = 1; c <= o.columns; ++c)
            text += QStringLiteral("\r\n<TD>\r\nRow%1Column%2\r\n</TD>").arg(r).arg(c);
        text += "\r\n</TR>";
    }
    text += "\r\n</TABLE>\r\n\r\n<!--####### end of table #######-->";
    return text;
}

QString tableDataWriter(const TableDataOptions& o)
{
    QString text = "\r\n<TD ";
    text += widthAttribute(o.stateWidth, o.width, o.perCent);
    text += entryAttribute("ALIGN", cellAlignEntries(), o.alignEntry);
    text += entryAttribute("VALIGN", cellVAlignEntries(), o.vAlignEntry);
    text += colourAttribute(cellColourEntries(), o.colourEntry, o.customColour);
    return text + ">";
}
