#pragma once

#include <QString>
#include <QStringList>

// The table dialog's lists, entry 0 first.
const QStringList& tableAlignEntries(); // "Default", "Left", ...
const QStringList& tableColourEntries(); // "DEFAULT", "CUSTOM", ..., "GRAY", ..., ""
// The cell dialog's lists.
const QStringList& cellVAlignEntries(); // "DEFAULT", "TOP", ...
const QStringList& cellAlignEntries(); // "DEFAULT", "LEFT", ...
const QStringList& cellColourEntries(); // as the table's, with "GREY"

// The colour list entry that asks for a colour of one's own.
inline constexpr int kCustomColourEntry = 1;

// List positions count from 0; -1 is a list with no entry chosen.
struct TableOptions {
    int rows = 2;
    int columns = 2;
    int alignEntry = -1;
    int colourEntry = -1;
    QString customColour; // six hex digits, for the "CUSTOM" entry
    int border = 1;
    int cellSpacing = 0;
    int cellPadding = 5;
    bool stateWidth = true;
    int width = 600;
    bool perCent = false;
};

struct TableDataOptions {
    int vAlignEntry = 1;
    int alignEntry = 1;
    bool stateWidth = false;
    int width = 90;
    bool perCent = false;
    int colourEntry = -1;
    QString customColour;
};

// A whole table with numbered rows and cells between comment markers.
QString tableWriter(const TableOptions& options);
// One cell's start tag.
QString tableDataWriter(const TableDataOptions& options);
