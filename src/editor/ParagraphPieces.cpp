#include "editor/ParagraphPieces.h"

#include <algorithm>

int ParagraphPieces::pieceEnd(QStringView text, int from)
{
    const int size = int(text.size());
    if (size - from <= kMax) return size;
    // Half a piece, ended after a character where colouring and words break anyway.
    const int target = from + kMax / 2;
    for (int at = target; at > from + kMax / 4; --at)
        if (QStringView(u" ;{,(>").contains(text[at - 1])) return at;
    return text[target - 1].isHighSurrogate() ? target - 1 : target;
}

ParagraphPieces::Cut ParagraphPieces::cut(const QString& text)
{
    Cut out;
    QString& pieced = out.text;
    int blockNumber = 0;
    for (qsizetype i = 0; i <= text.size();) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), i);
        if (end < 0) end = text.size();
        const QStringView paragraph = QStringView(text).sliced(i, end - i);
        if (paragraph.size() > kMax && pieced.isEmpty()) {
            pieced.reserve(text.size() + text.size() / (kMax / 4));
            pieced += QStringView(text).first(i);
        }
        if (!pieced.isNull()) {
            for (int from = 0;;) {
                const int to = pieceEnd(paragraph, from);
                pieced += paragraph.sliced(from, to - from);
                if (to == paragraph.size()) break;
                out.breaks.push_back(int(pieced.size()));
                pieced += QChar(QChar::ParagraphSeparator);
                out.blocks.push_back(++blockNumber);
                from = to;
            }
            if (end < text.size()) pieced += QLatin1Char('\n');
        }
        ++blockNumber;
        i = end + 1;
    }
    return out;
}

int ParagraphPieces::before(int position) const
{
    return int(std::lower_bound(m_breaks.begin(), m_breaks.end(), position) - m_breaks.begin());
}

bool ParagraphPieces::isBreak(int position) const
{
    return std::binary_search(m_breaks.begin(), m_breaks.end(), position);
}

int ParagraphPieces::positionOfLogical(int logical) const
{
    int position = logical;
    for (const int piece : m_breaks) {
        if (piece >= position) break;
        ++position;
    }
    return position;
}

QString ParagraphPieces::strip(QString raw, int from) const
{
    auto piece = std::lower_bound(m_breaks.begin(), m_breaks.end(), from);
    if (piece == m_breaks.end() || *piece >= from + raw.size()) return raw;
    qsizetype out = *piece - from;
    for (qsizetype in = out; in < raw.size(); ++in) {
        if (piece != m_breaks.end() && *piece == from + in) {
            ++piece;
            continue;
        }
        raw[out++] = raw[in];
    }
    raw.truncate(out);
    return raw;
}

void ParagraphPieces::edited(int from, int to, int length)
{
    const auto first = std::lower_bound(m_breaks.begin(), m_breaks.end(), from);
    const auto last = std::lower_bound(first, m_breaks.end(), to);
    const auto kept = m_breaks.erase(first, last);
    for (auto it = kept; it != m_breaks.end(); ++it)
        *it += length - (to - from);
}

void ParagraphPieces::split(int position)
{
    edited(position, position, 1);
    m_breaks.insert(std::lower_bound(m_breaks.begin(), m_breaks.end(), position), position);
}
