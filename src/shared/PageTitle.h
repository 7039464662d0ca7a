#pragma once

#include <QString>

// The navigator's title box for a page's text: the text between the first "<title>" and the
// first "</title>" after it, both in any letter case, trimmed; "No title found" when that is
// empty, "No title tags found" when either tag is missing.
QString findTitle(const QString& text);

// The title a table of contents shows for a page. Only "<title>" or, failing that, "<TITLE>"
// is recognised, with its own closing tag after it. A page with neither tag is listed under
// its file name.
QString findAllTitles(const QString& text, const QString& fileName);

// Trims spaces and control characters from both ends.
QString trimControl(const QString& text);
