#pragma once

#include "editor/HighlightEngine.h"

#include <QString>
#include <QStringList>
#include <QStringView>

// What the completion list offers at the caret: tag names after "<", the attributes of an
// element after its name and a space, style sheet properties after "{" or ";".
struct CompletionRequest {
    enum class Kind { None, Tag, Attribute, CssProperty };
    Kind kind = Kind::None;
    int wordStart = 0; // column where the word being completed starts
    QString prefix; // what the user typed of it
    QString element; // for attributes: the element's name
};

// `before` is the caret's line up to the caret, `place` where that text ends.
CompletionRequest completionAt(QStringView before, TextPlace place);
// The entries that start with the prefix (ignoring case), in the letter case the user started
// with: capitals unless the prefix (or, for attributes, the element's name) starts in lower case.
QStringList completionItems(const CompletionRequest& request);

// Known tag names and HTML5 elements, in capitals.
const QStringList& elementNames();
// The element's own attributes and the global ones, in lower case.
QStringList attributeNames(QStringView element);
// Elements written without a closing tag (BR, IMG, ...).
bool isVoidElement(QStringView name);

// A ">" typed after `before` (the line up to the caret, `place` where it ends) with `after`
// following: the closing tag to put after the caret, or nothing.
QString closingTagFor(QStringView before, TextPlace place, QStringView after);
// The innermost element still open at the end of `text`, as written there; empty when none.
QString innermostOpenElement(QStringView text);
