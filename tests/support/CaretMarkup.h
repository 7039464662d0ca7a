#pragma once

#include "editor/CodeEditor.h"

#include <QString>
#include <utility>

// The editor's text with '|' where the caret is; a selection shows as [ ].
inline QString textWithCaret(const CodeEditor& editor)
{
    QString text = editor.text();
    if (editor.selLength() == 0) return text.insert(editor.selStart(), u'|');
    return text.insert(editor.selStart() + editor.selLength(), u']').insert(editor.selStart(), u'[');
}

// The text without its '|' marker, and the marker's editor offset (the text's breaks are CR LF).
inline std::pair<QString, int> splitCaret(const QString& marked)
{
    const qsizetype bar = marked.indexOf(u'|');
    const QString head = marked.left(bar);
    return { head + marked.mid(bar + 1), int(head.size()) };
}
