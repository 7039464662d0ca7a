#pragma once

#include <QList>
#include <QStringList>
#include <QTextEdit>

#include <algorithm>

class QPalette;
class QTextDocument;

// A block (column) selection: the rectangle between an anchor and a caret corner, each a text
// block and a column, that Shift+Alt with the arrow keys spans. It has no place with word wrap.
class BlockSelection {
public:
    bool isActive() const { return m_active; }
    void start(int line, int column)
    {
        m_active = true;
        m_anchorLine = m_caretLine = line;
        m_anchorCol = m_caretCol = column;
    }
    void end() { *this = BlockSelection(); }

    // Moves the caret corner by one for an arrow key: columns from 0, lines inside the document.
    void move(int key, int lineCount);
    int caretLine() const { return m_caretLine; }
    int caretColumn() const { return m_caretCol; }

    int top() const { return std::min(m_anchorLine, m_caretLine); }
    int bottom() const { return std::max(m_anchorLine, m_caretLine); }
    int left() const { return std::min(m_anchorCol, m_caretCol); }
    int right() const { return std::max(m_anchorCol, m_caretCol); }

    // The rows of the rectangle, '\n' between them (the clipboard's text of a block).
    QString text(const QTextDocument& doc) const;
    // The part of each line that reaches into the rectangle, shown as selected.
    QList<QTextEdit::ExtraSelection> highlight(QTextDocument* doc, const QPalette& palette) const;

    // The lines after a block of rows is pasted at column over them: each row goes into its
    // line, which is padded with spaces up to the column; rows past the last line get lines of
    // their own.
    static QStringList pasted(const QStringList& lines, int column, const QStringList& rows);

private:
    bool m_active = false;
    int m_anchorLine = 0, m_anchorCol = 0, m_caretLine = 0, m_caretCol = 0;
};
