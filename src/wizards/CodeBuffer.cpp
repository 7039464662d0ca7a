#include "wizards/CodeBuffer.h"

#include <QRegularExpression>

void CodeBuffer::select(int start, int length)
{
    m_caret = start;
    m_length = length;
}

void CodeBuffer::wrap(const QString& start, const QString& end)
{
    const int from = qMin(m_caret, m_caret + m_length);
    const int length = qAbs(m_length);
    const QString selected = m_text.mid(from, length);
    m_text.replace(from, length, start + selected + end);
    m_caret = int(from + start.size() + selected.size());
    m_length = 0;
}

QStringList boxLines(const QString& text)
{
    if (text.isEmpty()) return {};
    static const QRegularExpression kBreak(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(kBreak);
    if (lines.size() > 1 && lines.last().isEmpty()) lines.removeLast();
    return lines;
}
