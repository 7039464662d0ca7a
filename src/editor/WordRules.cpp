#include "editor/WordRules.h"

namespace WordRules {
namespace {
bool isWordCharacter(QChar c) { return c.isLetterOrNumber() || c == u'_'; }
} // namespace

bool isWholeWordInParagraph(QStringView paragraph, qsizetype index, qsizetype length)
{
    const bool before = index == 0 || isSeparator(paragraph[index - 1]);
    const bool after = index + length >= paragraph.size() || isSeparator(paragraph[index + length]);
    return before && after;
}

bool isWholeWordAmongWordCharacters(QStringView text, qsizetype index, qsizetype length)
{
    return (index == 0 || !isWordCharacter(text[index - 1]))
        && (index + length >= text.size() || !isWordCharacter(text[index + length]));
}

std::pair<int, int> wordAround(QStringView paragraph, int column)
{
    int from = column, to = column;
    while (from > 0 && !isSeparator(paragraph[from - 1]))
        --from;
    while (to < paragraph.size() && !isSeparator(paragraph[to]))
        ++to;
    return { from, to };
}

int runEnd(QStringView paragraph, int column, bool forward)
{
    if (forward) {
        if (column >= paragraph.size()) return column;
        const bool separators = isSeparator(paragraph[column]);
        while (column < paragraph.size() && isSeparator(paragraph[column]) == separators)
            ++column;
    } else {
        if (column == 0) return column;
        const bool separators = isSeparator(paragraph[column - 1]);
        while (column > 0 && isSeparator(paragraph[column - 1]) == separators)
            --column;
    }
    return column;
}

qsizetype findInParagraph(
    const QString& paragraph, const QString& what, int column, bool down, Qt::CaseSensitivity cs, bool wholeWord)
{
    const auto fits = [&](qsizetype i) { return !wholeWord || isWholeWordInParagraph(paragraph, i, what.size()); };
    if (down) {
        for (qsizetype i = paragraph.indexOf(what, column, cs); i >= 0; i = paragraph.indexOf(what, i + 1, cs))
            if (fits(i)) return i;
        return -1;
    }
    for (qsizetype from = column - 1; from >= 0;) {
        const qsizetype i = paragraph.lastIndexOf(what, from, cs);
        if (i < 0) break;
        if (fits(i)) return i;
        from = i - 1;
    }
    return -1;
}
} // namespace WordRules
