#pragma once

#include <QString>
#include <QStringView>

#include <utility>

// Where words end. Two rules, kept apart on purpose:
// - The editor's: a word ends at one of kSeparators or at the paragraph's edge. Double-click,
//   Ctrl+Backspace and Ctrl+Delete, wordAtCaret() and the main window's Find and Replace
//   ("Match whole word only") use it.
// - A code pane's search (the broken-link finder's pane): a word is a run of letters, digits and
//   underscores, so anything else ends it.
// They differ on every character that is neither a separator nor a word character: '-', '!',
// '#', '*', '?', '@', '[', ']', '\\', '^', '`', '{', '|', '}', '~', and punctuation outside ASCII.
// Searching "color" as a whole word finds it in "background-color" or "{color" in a code pane,
// not in the editor.
namespace WordRules {
inline constexpr QStringView kSeparators = u"\t \"$%&'()+,./:;<=>";

inline bool isSeparator(QChar c) { return kSeparators.contains(c); }

// The editor's rule: the match of length characters at index of a paragraph's text has a
// separator or the paragraph's edge on each side.
bool isWholeWordInParagraph(QStringView paragraph, qsizetype index, qsizetype length);
// A code pane's rule: no letter, digit or underscore touches the match on either side.
bool isWholeWordAmongWordCharacters(QStringView text, qsizetype index, qsizetype length);

// The editor's word around a column of a paragraph: [first, second). Empty between two separators.
std::pair<int, int> wordAround(QStringView paragraph, int column);
// The column where the run of separators or of word characters at column ends, forward or back;
// column stays inside [0, size].
int runEnd(QStringView paragraph, int column, bool forward);

// The start of the match of what in a paragraph that Find goes to: the first at or after column
// going down, the last that starts before column going up; -1 when there is none.
qsizetype findInParagraph(
    const QString& paragraph, const QString& what, int column, bool down, Qt::CaseSensitivity cs, bool wholeWord);
} // namespace WordRules
