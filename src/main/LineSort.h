#pragma once

#include <QString>

// Sorts the lines of a selected text without regard to letter case; every line of the result
// is followed by CR LF. CR LF, a lone CR or a lone LF ends a line; a break at the very end does
// not start a further line.
QString sortLines(const QString& text, bool descending);
