#pragma once

#include <QString>
#include <QStringList>

// Turning markup into text a browser shows literally, and HTML into plain text.

// Every "<" becomes "&lt;" and every ">" becomes "&gt;"; nothing else changes, so escaping twice
// changes nothing.
QString escapeHtml(const QString& text);

// Appends "<br>" to every line that does not already end with "<br>" or "<BR>".
QStringList addLineBreaks(const QStringList& lines);

// The three phases of "Convert to Text", each usable alone.
// Deletes each "<script" ... "</script>" block (letter case ignored); an unclosed block runs to
// the end of the text.
QString removeScriptBlocks(const QString& text);
// Deletes every tag and every stray ">" that stands before a tag. A "<" with no ">" after it
// stays, as does everything after it.
QString removeTags(const QString& text);
// Decodes "&nbsp;", "&quot;", "&lt;", "&gt;" and drops "&copy;"; other entities stay.
QString decodeEntities(const QString& text);
// All three, in order.
QString convertHtmlToText(const QString& text);
