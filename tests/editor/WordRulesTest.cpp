// The two whole-word rules side by side, and the editor's word moves.
#include "editor/WordRules.h"

#include <gtest/gtest.h>

namespace {
struct WholeWordCase {
    const char* text;
    int index, length;
    bool editor; // the editor's Find
    bool pane; // a code pane's search
};

TEST(WordRules, TheEditorsAndThePanesWholeWordsDifferOnlyOnNonWordCharactersThatAreNoSeparators)
{
    const WholeWordCase cases[] = {
        { "a color b", 2, 5, true, true },
        { "color", 0, 5, true, true },
        { "x=color;", 2, 5, true, true },
        { "<p>", 1, 1, true, true },
        { "\"color\"", 1, 5, true, true },
        { "colors", 0, 5, false, false },
        { "my_color", 3, 5, false, false },
        { "\u00e9color", 1, 5, false, false },
        { "background-color", 11, 5, false, true },
        { "{color}", 1, 5, false, true },
        { "#color", 1, 5, false, true },
        { "[color]", 1, 5, false, true },
        { "color!", 0, 5, false, true },
    };
    for (const WholeWordCase& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        SCOPED_TRACE(c.text);
        EXPECT_EQ(WordRules::isWholeWordInParagraph(text, c.index, c.length), c.editor);
        EXPECT_EQ(WordRules::isWholeWordAmongWordCharacters(text, c.index, c.length), c.pane);
    }
}

TEST(WordRules, WordsAndRunsEndAtSeparators)
{
    const QString line = QStringLiteral("x = document.getElementById(\"id\");");
    EXPECT_EQ(WordRules::wordAround(line, 8), std::make_pair(4, 12));
    EXPECT_EQ(WordRules::wordAround(line, 4), std::make_pair(4, 12));
    EXPECT_EQ(WordRules::wordAround(line, 0), std::make_pair(0, 1));
    EXPECT_EQ(WordRules::wordAround(line, 2), std::make_pair(2, 2)); // between two separators
    EXPECT_EQ(WordRules::runEnd(line, 4, true), 12);
    EXPECT_EQ(WordRules::runEnd(line, 1, true), 4); // " = " is one run
    EXPECT_EQ(WordRules::runEnd(line, 12, false), 4);
    EXPECT_EQ(WordRules::runEnd(line, 4, false), 1);
    EXPECT_EQ(WordRules::runEnd(line, 0, false), 0);
    EXPECT_EQ(WordRules::runEnd(line, int(line.size()), true), int(line.size()));
}

struct FindCase {
    const char* what;
    int column;
    bool down, wholeWord;
    qsizetype found;
};

TEST(WordRules, FindInParagraphGoesToTheNearestMatchThatFits)
{
    const QString line = QStringLiteral("word words sword word");
    const FindCase cases[] = {
        { "word", 0, true, false, 0 },
        { "word", 1, true, false, 5 },
        { "word", 1, true, true, 17 },
        { "WORD", 0, true, false, 0 },
        { "word", 21, false, false, 17 },
        { "word", 17, false, false, 12 },
        { "word", 17, false, true, 0 },
        { "word", 22, false, true, 17 }, // past the end: every start is before it
        { "word", 0, false, false, -1 },
        { "none", 0, true, false, -1 },
    };
    for (const FindCase& c : cases) {
        SCOPED_TRACE(std::string(c.what) + " from " + std::to_string(c.column));
        EXPECT_EQ(
            WordRules::findInParagraph(line, c.what, c.column, c.down, Qt::CaseInsensitive, c.wholeWord), c.found);
    }
    EXPECT_EQ(WordRules::findInParagraph(line, "WORD", 0, true, Qt::CaseSensitive, false), -1);
}
} // namespace
