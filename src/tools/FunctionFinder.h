#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Finding the JavaScript functions defined in a page's script blocks, and the uses of one.
// Offsets are into the text as given (the editor's text, where a line break counts two).

// One entry per definition line in the script blocks, in document order: the text after
// "function" through the line's first ")", without leading blanks.
QStringList findFunctions(const QString& text);

// The entry up to and including its first "(" ("MyFunction(a, b)" -> "MyFunction(").
QString functionKey(const QString& entry);

struct Occurrence {
    QString text; // from the key through the next ")"
    int offset = 0;
    bool operator==(const Occurrence&) const = default;
};
// Every occurrence of the entry's key (letter case ignored), each through its next ")".
QList<Occurrence> findOccurrences(const QString& text, const QString& entry);

// A stand-alone script wrapped in script tags, and the reverse: the first line when it is exactly
// "<script>" and the last when it is exactly "</script>" go. Lines are separated by CR LF.
QString addScriptTags(const QString& text);
QString removeScriptTags(const QString& text);
