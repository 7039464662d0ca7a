#include "editor/HighlightRules.h"

#include <array>

namespace {

constexpr int kAqua = 0x00FFFF;
constexpr int kBlue = 0x0000FF;
constexpr int kFunctionPink = 0xFF0080;
constexpr int kGray = 0x808080;
constexpr int kGreen = 0x008000;
constexpr int kNavy = 0x000080;
constexpr int kPurple = 0x800080;
constexpr int kRed = 0xFF0000;
constexpr int kTeal = 0x008080;
constexpr int kWhite = 0xFFFFFF;
constexpr int kMaroon = 0x800000;
constexpr int kBrown = 0x804000;
constexpr int kMagenta = 0xC000C0;

struct StyleRow {
    HighlightStyle style;
    const char* name;
    StyleLook look;
};

// Window text and window colours are the editor's own, so they are written as kNoColour.
constexpr std::array<StyleRow, kHighlightStyleCount> kStyles = { {
    { HighlightStyle::None, "None", {} },
    { HighlightStyle::Keyword, "Keyword", { .bold = true } },
    { HighlightStyle::FunctionKeyword, "FunctionKeyword",
        { .bold = true, .background = kAqua, .foreground = kFunctionPink } },
    { HighlightStyle::Brace, "Brace", { .bold = true, .background = kWhite, .foreground = kBlue } },
    { HighlightStyle::Escape, "Escape", { .bold = true, .background = kWhite, .foreground = kTeal } },
    { HighlightStyle::ScriptComment, "ScriptComment", { .foreground = kTeal } },
    { HighlightStyle::ScriptString, "ScriptString", { .foreground = kBlue } },
    { HighlightStyle::Bracket, "Bracket", { .foreground = kBlue } },
    { HighlightStyle::DefaultText, "DefaultText", {} },
    { HighlightStyle::HtmlKeyword, "HtmlKeyword", { .foreground = kNavy } },
    { HighlightStyle::HtmlTag, "HtmlTag", { .italic = true, .foreground = kGreen } },
    { HighlightStyle::HtmlComment, "HtmlComment", { .italic = true, .foreground = kGreen } },
    { HighlightStyle::HtmlAttribute, "HtmlAttribute", { .foreground = kGreen } },
    { HighlightStyle::HtmlAttributeValue, "HtmlAttributeValue", { .foreground = kGray } },
    { HighlightStyle::ScriptTag, "ScriptTag", { .bold = true, .foreground = kPurple } },
    { HighlightStyle::ScriptContent, "ScriptContent", { .altFont = true } },
    { HighlightStyle::SpecialChars, "SpecialChars", { .foreground = kPurple } },
    { HighlightStyle::UnknownTag, "UnknownTag", { .foreground = kRed } },
    { HighlightStyle::CssSelector, "CssSelector", { .bold = true, .foreground = kMaroon } },
    { HighlightStyle::CssProperty, "CssProperty", { .foreground = kBlue } },
    { HighlightStyle::CssValue, "CssValue", { .foreground = kBrown } },
    { HighlightStyle::CssNumber, "CssNumber", { .foreground = kTeal } },
    { HighlightStyle::CssColour, "CssColour", { .foreground = kMagenta } },
    { HighlightStyle::CssString, "CssString", { .foreground = kGray } },
    { HighlightStyle::CssComment, "CssComment", { .italic = true, .foreground = kGreen } },
    { HighlightStyle::CssAtRule, "CssAtRule", { .bold = true, .foreground = kPurple } },
    { HighlightStyle::CssImportant, "CssImportant", { .bold = true, .foreground = kRed } },
} };

// Each colour of the light looks and its variant for dark backgrounds. Foregrounds keep a
// contrast of at least 4.5:1 against window backgrounds up to #404040 and against the dark
// variants of their own backgrounds.
struct ColourPair {
    int light;
    int dark;
};
constexpr ColourPair kDarkColours[] = {
    { kAqua, 0x004C4C },
    { kWhite, 0x3A3A60 },
    { kBlue, 0x7CB8FF },
    { kFunctionPink, 0xFF9ECF },
    { kGray, 0xB4B4B4 },
    { kGreen, 0x80D880 },
    { kNavy, 0xB0A8FF },
    { kPurple, 0xE0A0FF },
    { kRed, 0xFF9898 },
    { kTeal, 0x60D8D8 },
    { kMaroon, 0xF0A878 },
    { kBrown, 0xE0C878 },
    { kMagenta, 0xFF88FF },
};

constexpr int darkColour(int light)
{
    for (const ColourPair& p : kDarkColours)
        if (p.light == light) return p.dark;
    return light; // kNoColour: the editor's own colour, which the palette already sets
}

constexpr std::array<StyleLook, kHighlightStyleCount> makeDarkLooks()
{
    std::array<StyleLook, kHighlightStyleCount> looks {};
    for (std::size_t i = 0; i < looks.size(); ++i) {
        looks[i] = kStyles[i].look;
        looks[i].background = darkColour(looks[i].background);
        looks[i].foreground = darkColour(looks[i].foreground);
    }
    return looks;
}
constexpr std::array<StyleLook, kHighlightStyleCount> kDarkLooks = makeDarkLooks();

constexpr bool everyColourHasADarkVariant()
{
    for (const StyleRow& row : kStyles)
        for (int c : { row.look.background, row.look.foreground })
            if (c != kNoColour && darkColour(c) == c) return false;
    return true;
}
static_assert(everyColourHasADarkVariant(), "every style colour needs a dark variant");

constexpr bool stylesInEnumOrder()
{
    for (std::size_t i = 0; i < kStyles.size(); ++i)
        if (std::size_t(kStyles[i].style) != i) return false;
    return true;
}
static_assert(stylesInEnumOrder(), "style rows must follow the enum");

const char* const kKeywordTexts[] = {
    "abstract",
    "boolean",
    "break",
    "byte",
    "case",
    "catch",
    "char",
    "class",
    "const",
    "continue",
    "debugger",
    "default",
    "delete",
    "do",
    "double",
    "else",
    "enum",
    "export",
    "extends",
    "false",
    "final",
    "finally",
    "float",
    "for",
    "function",
    "goto",
    "if",
    "implements",
    "import",
    "in",
    "instanceof",
    "int",
    "interface",
    "long",
    "native",
    "new",
    "null",
    "package",
    "private",
    "protected",
    "public",
    "return",
    "short",
    "static",
    "super",
    "switch",
    "synchronized",
    "this",
    "throws",
    "transient",
    "true",
    "try",
    "typeof",
    "var",
    "void",
    "volatile",
    "while",
    "with",
    "{",
    "}",
    "\\n",
    "\\r",
};

// Entries that differ from a plain bold keyword of the script context.
struct KeywordException {
    const char* text;
    int options;
    HighlightStyle style;
    int appliesIn;
};
const KeywordException kKeywordExceptions[] = {
    { "function", MatchCase | WholeWord, HighlightStyle::FunctionKeyword, kScriptContext },
    { "instanceof", MatchCase, HighlightStyle::Keyword, kScriptContext },
    { "null", MatchCase, HighlightStyle::Keyword, kScriptContext },
    { "{", MatchCase | WholeWord, HighlightStyle::Brace, kScriptContext },
    { "}", MatchCase | WholeWord, HighlightStyle::Brace, kScriptContext },
    { "\\n", MatchCase, HighlightStyle::Escape, kCommentOrStringContext },
    { "\\r", MatchCase, HighlightStyle::Escape, kCommentOrStringContext },
};

HighlightRules makeStandardRules()
{
    HighlightRules rules;
    for (const char* text : kKeywordTexts) {
        KeywordEntry entry;
        entry.text = QString::fromLatin1(text);
        entry.appliesIn = kScriptContext;
        for (const KeywordException& e : kKeywordExceptions) {
            if (entry.text == QLatin1String(e.text)) {
                entry.options = e.options;
                entry.style = e.style;
                entry.appliesIn = e.appliesIn;
            }
        }
        rules.keywords.push_back(entry);
    }
    const auto region = [](const char* start, const char* stop, HighlightStyle style, int context, int appliesIn,
                            bool endsAtLineEnd) {
        StartStopEntry e;
        e.start = QString::fromLatin1(start);
        e.stop = QString::fromLatin1(stop);
        e.style = style;
        e.context = context;
        e.appliesIn = appliesIn;
        e.endsAtLineEnd = endsAtLineEnd;
        return e;
    };
    rules.startStops = {
        region("<SCRIPT", "</SCRIPT>", HighlightStyle::None, kScriptContext, 0, false),
        region("/*", "*/", HighlightStyle::ScriptComment, kCommentOrStringContext, kScriptContext, false),
        region("//", "-->", HighlightStyle::ScriptComment, kCommentOrStringContext, kScriptContext, true),
        region("'", "'", HighlightStyle::ScriptString, kCommentOrStringContext, kScriptContext, true),
        region("\"", "\"", HighlightStyle::ScriptString, kCommentOrStringContext, kScriptContext, true),
    };
    rules.separators = QStringLiteral(" (,.;{");
    return rules;
}

// Name, takes attributes, has a closing form.
const std::vector<KnownTag> kKnownTags = {
    { "SCRIPT", true, false },
    { "A", true, true },
    { "ADDRESS", true, true },
    { "ACRONYM", true, true },
    { "APPLET", true, true },
    { "AREA", true, true },
    { "B", false, true },
    { "BASE", true, false },
    { "BASEFONT", true, false },
    { "BGSOUND", true, true },
    { "BIG", true, true },
    { "BLINK", true, true },
    { "BLOCKQUOTE", true, true },
    { "BODY", true, true },
    { "BR", false, false },
    { "BUTTON", true, true },
    { "CAPTION", true, true },
    { "CITE", true, true },
    { "CENTER", true, true },
    { "CODE", true, true },
    { "COL", true, true },
    { "COLGROUP", true, true },
    { "COMMENT", true, true },
    { "DD", true, true },
    { "DEL", true, true },
    { "DFN", true, true },
    { "DIR", true, true },
    { "DIV", true, true },
    { "DL", true, true },
    { "DT", true, true },
    { "EM", true, true },
    { "EMBED", true, true },
    { "FIELDSET", true, true },
    { "FORM", true, true },
    { "FONT", true, true },
    { "FRAME", true, false },
    { "FRAMESET", true, true },
    { "H1", true, true },
    { "H2", true, true },
    { "H3", true, true },
    { "H4", true, true },
    { "H5", true, true },
    { "H6", true, true },
    { "HEAD", false, true },
    { "HR", true, true },
    { "HTML", false, true },
    { "I", false, true },
    { "IFRAME", true, true },
    { "ILAYER", true, true },
    { "IMG", true, false },
    { "INPUT", true, false },
    { "INS", true, true },
    { "ISINDEX", true, true },
    { "KBD", true, true },
    { "KEYGEN", true, true },
    { "LABEL", true, true },
    { "LAYER", true, true },
    { "LEGEND", true, true },
    { "LI", true, true },
    { "LINK", true, true },
    { "LISTING", true, true },
    { "MAP", true, true },
    { "MARQUEE", true, true },
    { "MENU", true, true },
    { "META", true, false },
    { "MULTICOL", true, true },
    { "NEXTID", true, true },
    { "NOBR", true, true },
    { "NOEMBED", true, true },
    { "NOFRAMES", true, true },
    { "NOLAYER", true, true },
    { "NOSCRIPT", true, true },
    { "OBJECT", true, true },
    { "OL", true, true },
    { "OPTION", true, true },
    { "P", true, true },
    { "PARAM", true, true },
    { "PLAINTEXT", true, true },
    { "Q", true, true },
    { "S", false, true },
    { "SAMP", true, true },
    { "SELECT", true, true },
    { "SOUND", true, true },
    { "SMALL", true, true },
    { "SPACER", true, true },
    { "SPAN", true, true },
    { "STRIKE", true, true },
    { "STRONG", true, true },
    { "STYLE", true, true },
    { "SUB", true, true },
    { "SUP", true, true },
    { "TABLE", true, true },
    { "TBODY", true, true },
    { "TD", true, true },
    { "TEXTAREA", true, true },
    { "TFOOT", true, true },
    { "TH", true, true },
    { "THEAD", true, true },
    { "TITLE", false, true },
    { "TR", true, true },
    { "TT", true, true },
    { "U", false, true },
    { "UL", true, true },
    { "VAR", true, true },
    { "WBR", true, true },
    { "!DOCTYPE", true, false },
};

} // namespace

const StyleLook& styleLook(HighlightStyle style, bool darkBackground)
{
    return darkBackground ? kDarkLooks[std::size_t(style)] : kStyles[std::size_t(style)].look;
}

QString styleName(HighlightStyle style) { return QString::fromLatin1(kStyles[std::size_t(style)].name); }

const HighlightRules& HighlightRules::standard()
{
    static const HighlightRules rules = makeStandardRules();
    return rules;
}

const std::vector<KnownTag>& knownTags() { return kKnownTags; }
