#pragma once

#include <QString>

#include <cstdint>
#include <vector>

// The styles a coloured span can carry. None marks text that keeps the editor's font and colour.
enum class HighlightStyle : std::uint8_t {
    None,
    // Script keywords, comments and strings.
    Keyword,
    FunctionKeyword,
    Brace,
    Escape,
    ScriptComment,
    ScriptString,
    // Markup.
    Bracket,
    DefaultText,
    HtmlKeyword,
    HtmlTag,
    HtmlComment,
    HtmlAttribute,
    HtmlAttributeValue,
    ScriptTag,
    ScriptContent,
    SpecialChars,
    UnknownTag,
    // Style sheets: .css documents and the inside of STYLE blocks.
    CssSelector,
    CssProperty,
    CssValue,
    CssNumber,
    CssColour,
    CssString,
    CssComment,
    CssAtRule,
    CssImportant,
};
constexpr int kHighlightStyleCount = int(HighlightStyle::CssImportant) + 1;

// Colours are 0xRRGGBB; kNoColour leaves the editor's own colour.
constexpr int kNoColour = -1;

struct StyleLook {
    bool altFont = false;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int background = kNoColour;
    int foreground = kNoColour;
};

// The look on a light window background, or its variant for a dark one: every colour lighter,
// each still telling the same styles apart.
const StyleLook& styleLook(HighlightStyle style, bool darkBackground = false);
QString styleName(HighlightStyle style);

// Match options of keywords and start keys.
enum MatchOption { MatchCase = 1, WholeWord = 2 };

// An entry with this level bound applies in every context.
constexpr int kAllLevels = 32767;

struct KeywordEntry {
    QString text;
    int options = MatchCase | WholeWord;
    HighlightStyle style = HighlightStyle::Keyword;
    int spanContext = 1; // 0 disables the entry
    int appliesIn = 0;
    int levelBound = 0;
};

struct StartStopEntry {
    QString start;
    QString stop;
    int options = 0;
    HighlightStyle style = HighlightStyle::None;
    int context = 0;
    int appliesIn = 0;
    int levelBound = 0;
    bool endsAtLineEnd = false;
};

struct KnownTag {
    const char* name;
    bool takesAttributes;
    bool hasClosingForm;
};

// The script highlighter's tables; markup rules follow them for text outside every region.
struct HighlightRules {
    std::vector<KeywordEntry> keywords;
    std::vector<StartStopEntry> startStops;
    // Word separators besides the control characters 0 to 26.
    QString separators;

    static const HighlightRules& standard();
};

const std::vector<KnownTag>& knownTags();

// Context numbers of the standard tables.
constexpr int kKeywordContext = 1;
constexpr int kCommentOrStringContext = 5;
constexpr int kScriptContext = 10;
