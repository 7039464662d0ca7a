#include "editor/BlockSelection.h"

#include <QPalette>
#include <QTextBlock>
#include <QTextDocument>

void BlockSelection::move(int key, int lineCount)
{
    switch (key) {
    case Qt::Key_Left:
        m_caretCol = std::max(0, m_caretCol - 1);
        break;
    case Qt::Key_Right:
        ++m_caretCol;
        break;
    case Qt::Key_Up:
        m_caretLine = std::max(0, m_caretLine - 1);
        break;
    case Qt::Key_Down:
        m_caretLine = std::min(lineCount - 1, m_caretLine + 1);
        break;
    default:
        break;
    }
}

QString BlockSelection::text(const QTextDocument& doc) const
{
    QStringList rows;
    for (int line = top(); line <= bottom(); ++line)
        rows << doc.findBlockByNumber(line).text().mid(left(), right() - left());
    return rows.join(QLatin1Char('\n'));
}

QList<QTextEdit::ExtraSelection> BlockSelection::highlight(QTextDocument* doc, const QPalette& palette) const
{
    QList<QTextEdit::ExtraSelection> selections;
    if (!m_active) return selections;
    for (int line = top(); line <= bottom(); ++line) {
        const QTextBlock block = doc->findBlockByNumber(line);
        const int length = block.length() - 1;
        if (left() >= length) continue;
        QTextEdit::ExtraSelection s;
        s.cursor = QTextCursor(doc);
        s.cursor.setPosition(block.position() + left());
        s.cursor.setPosition(block.position() + std::min(right(), length), QTextCursor::KeepAnchor);
        s.format.setBackground(palette.color(QPalette::Highlight));
        s.format.setForeground(palette.color(QPalette::HighlightedText));
        selections << s;
    }
    return selections;
}

QStringList BlockSelection::pasted(const QStringList& lines, int column, const QStringList& rows)
{
    QStringList out;
    for (int i = 0; i < rows.size(); ++i) {
        QString line = lines.value(i);
        if (line.size() < column) line += QString(column - line.size(), QLatin1Char(' '));
        line.insert(column, rows[i]);
        out << line;
    }
    return out;
}
