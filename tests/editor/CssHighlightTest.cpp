#include "editor/HighlightEngine.h"

#include <gtest/gtest.h>

namespace {

// Styled runs as [Style:text], unstyled text as it is; each line coloured from the state the one
// before left, so a case may run over several lines.
QString colourLines(const HighlightEngine& engine, const QStringList& lines, HighlightState state)
{
    QStringList rendered;
    std::vector<HighlightSpan> spans;
    for (const QString& line : lines) {
        state = engine.highlightLine(line, state, spans);
        QString out;
        int pos = 0;
        for (const HighlightSpan& s : spans) {
            out += line.mid(pos, s.start - pos) + u'[' + styleName(s.style) + u':' + line.mid(s.start, s.length)
                + u']';
            pos = s.start + s.length;
        }
        rendered << out + line.mid(pos);
    }
    return rendered.join(u'\n');
}

struct CssCase {
    const char* text; // lines separated by \n
    const char* expected;
};

void expectCss(const HighlightEngine& engine, const std::vector<CssCase>& cases, const HighlightState& start)
{
    for (const CssCase& c : cases) {
        const QStringList lines = QString::fromUtf8(c.text).split(u'\n');
        EXPECT_EQ(colourLines(engine, lines, start).toStdString(), c.expected) << c.text;
    }
}

} // namespace

TEST(CssHighlight, StyleSheetDocument)
{
    const HighlightEngine engine;
    expectCss(engine,
        {
            { "h1, p.note > a:hover { color: #fff; }",
                "[CssSelector:h1], [CssSelector:p.note] [CssSelector:>] [CssSelector:a:hover] { "
                "[CssProperty:color]: [CssColour:#fff]; }" },
            { "div{margin:0 auto;padding:1.5em -2px 50% .5rem}",
                "[CssSelector:div]{[CssProperty:margin]:[CssNumber:0] [CssValue:auto];[CssProperty:padding]:"
                "[CssNumber:1.5em] [CssNumber:-2px] [CssNumber:50%] [CssNumber:.5rem]}" },
            { "a { background: rgb(10, 20, 30) url(\"x.png\") no-repeat; }",
                "[CssSelector:a] { [CssProperty:background]: [CssColour:rgb(10, 20, 30)] "
                "[CssValue:url(\"x.png\")] [CssValue:no-repeat]; }" },
            { "b { color: #12345 !important; font-family: 'Times New Roman', serif }",
                "[CssSelector:b] { [CssProperty:color]: [CssValue:#12345] [CssImportant:!important]; "
                "[CssProperty:font-family]: [CssString:'Times New Roman'], [CssValue:serif] }" },
            { "@import url(base.css);\np { x: 1 }",
                "[CssAtRule:@import] [CssValue:url(base.css)];\n[CssSelector:p] { [CssProperty:x]: [CssNumber:1] }" },
            // A group rule holds rules; a font-face block holds declarations.
            { "@media screen and (max-width: 600px) {\n  nav { display: none }\n}\nul { top: 0 }",
                "[CssAtRule:@media] [CssValue:screen] [CssValue:and] ([CssValue:max-width]: [CssNumber:600px]) {\n"
                "  [CssSelector:nav] { [CssProperty:display]: [CssValue:none] }\n}\n"
                "[CssSelector:ul] { [CssProperty:top]: [CssNumber:0] }" },
            { "@font-face { font-family: x }",
                "[CssAtRule:@font-face] { [CssProperty:font-family]: [CssValue:x] }" },
            // Comments run across lines, anywhere; strings end with their line.
            { "p { /* one\ntwo */ color: red }",
                "[CssSelector:p] { [CssComment:/* one]\n[CssComment:two */] [CssProperty:color]: [CssValue:red] }" },
            { "q { content: \"open\nx: 1 }", "[CssSelector:q] { [CssProperty:content]: [CssString:\"open]\n"
                                            "[CssValue:x]: [CssNumber:1] }" },
            // Declarations and values go on over line ends.
            { "p {\n  margin:\n    4px;\n}\nem {}",
                "[CssSelector:p] {\n  [CssProperty:margin]:\n    [CssNumber:4px];\n}\n[CssSelector:em] {}" },
            // Markup means nothing in a style sheet.
            { "p:after { content: '<b>&amp;' }", "[CssSelector:p:after] { [CssProperty:content]: [CssString:'<b>&amp;'] }" },
        },
        engine.styleSheetStart());
}

TEST(CssHighlight, StyleBlocksInPages)
{
    const HighlightEngine engine;
    expectCss(engine,
        {
            { "<STYLE type=\"text/css\">\nbody { color: navy }\n</STYLE> <B>",
                "[Bracket:<][HtmlKeyword:STYLE][HtmlTag: ][HtmlAttribute:type=][HtmlAttributeValue:\"text/css\"]"
                "[Bracket:>]\n[CssSelector:body] { [CssProperty:color]: [CssValue:navy] }\n"
                "[Bracket:<][HtmlKeyword:/STYLE][Bracket:>] [Bracket:<][HtmlKeyword:B][Bracket:>]" },
            { "<style>p{x:1}</style>&amp;",
                "[Bracket:<][HtmlKeyword:style][Bracket:>][CssSelector:p]{[CssProperty:x]:[CssNumber:1]}"
                "[Bracket:<][HtmlKeyword:/style][Bracket:>][SpecialChars:&amp;]" },
            // The end tag closes the sheet even in an unfinished comment, value or block.
            { "<style>p { color: /* x </style> <I>",
                "[Bracket:<][HtmlKeyword:style][Bracket:>][CssSelector:p] { [CssProperty:color]: [CssComment:/* x ]"
                "[Bracket:<][HtmlKeyword:/style][Bracket:>] [Bracket:<][HtmlKeyword:I][Bracket:>]" },
            // Script rules do not reach into a style sheet, and a script does not see style rules.
            { "<style>p { content: 'function' }</style><script> var a = 1px;</script>",
                "[Bracket:<][HtmlKeyword:style][Bracket:>][CssSelector:p] { [CssProperty:content]: "
                "[CssString:'function'] }[Bracket:<][HtmlKeyword:/style][Bracket:>]<script> [Keyword:var] a = 1px;"
                "</script>" },
        },
        {});
}

TEST(CssHighlight, StateSaysWhereAParagraphStarts)
{
    const HighlightEngine engine;
    std::vector<HighlightSpan> spans;
    const auto after = [&](const char* text, const HighlightState& from) {
        return engine.highlightLine(QString::fromUtf8(text), from, spans);
    };
    const HighlightState page = after("<STYLE>", {});
    EXPECT_EQ(engine.describe(page), QStringList { "CssSheet" });
    EXPECT_EQ(engine.describe(after("@media print { p { margin:", page)),
        (QStringList { "CssSheet", "CssRules", "CssBlock", "CssValue" }));
    EXPECT_EQ(engine.describe(after("a { b: c; } /* open", page)), (QStringList { "CssSheet", "CssComment" }));
    EXPECT_EQ(after("</STYLE>", page), HighlightState());
    // A style sheet document never leaves its sheet: an end tag there is just text.
    const HighlightState sheet = engine.styleSheetStart();
    EXPECT_EQ(after("p {} </style> q {", sheet), after("q {", sheet));
    EXPECT_NE(sheet, page);
}
