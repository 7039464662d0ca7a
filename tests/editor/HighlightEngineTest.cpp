#include "editor/HighlightEngine.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

// Styled runs as [Style:text], unstyled text as it is.
QString render(const QString& line, const std::vector<HighlightSpan>& spans)
{
    QString out;
    int pos = 0;
    for (const HighlightSpan& s : spans) {
        out += line.mid(pos, s.start - pos);
        out += QLatin1Char('[') + styleName(s.style) + QLatin1Char(':') + line.mid(s.start, s.length)
            + QLatin1Char(']');
        pos = s.start + s.length;
    }
    return out + line.mid(pos);
}

struct Coloured {
    QStringList lines;
    std::vector<QStringList> states; // open regions after each line
};

Coloured colour(const HighlightEngine& engine, const QStringList& lines, HighlightState state = {})
{
    Coloured result;
    std::vector<HighlightSpan> spans;
    for (const QString& line : lines) {
        state = engine.highlightLine(line, state, spans);
        result.lines << render(line, spans);
        result.states.push_back(engine.describe(state));
    }
    return result;
}

HighlightState insideScript(const HighlightEngine& engine)
{
    std::vector<HighlightSpan> spans;
    return engine.highlightLine(u"<SCRIPT>", {}, spans);
}

struct Case {
    const char* line;
    const char* expected;
};

void expectLines(const HighlightEngine& engine, const std::vector<Case>& cases, const HighlightState& start)
{
    for (const Case& c : cases) {
        const Coloured got = colour(engine, { QString::fromUtf8(c.line) }, start);
        EXPECT_EQ(got.lines.front(), QString::fromUtf8(c.expected)) << c.line;
    }
}

} // namespace

TEST(HighlightEngine, MarkupOutsideScripts)
{
    const HighlightEngine engine;
    expectLines(engine,
        {
            { "<TABLE border=1>",
                "[Bracket:<][HtmlKeyword:TABLE][HtmlTag: ][HtmlAttribute:border=][HtmlAttributeValue:1][Bracket:>]" },
            { "</BR>", "[Bracket:<][UnknownTag:/BR][Bracket:>]" },
            { "<br>", "[Bracket:<][HtmlKeyword:br][Bracket:>]" },
            { "</table>", "[Bracket:<][HtmlKeyword:/table][Bracket:>]" },
            { "<B class=x>", "[Bracket:<][HtmlKeyword:B][UnknownTag: class=x][Bracket:>]" },
            { "<BLINKY a=1>", "[Bracket:<][UnknownTag:BLINKY a=1][Bracket:>]" },
            { "<A HREF=\"x.htm\" target = 'top'>",
                "[Bracket:<][HtmlKeyword:A][HtmlTag: ][HtmlAttribute:HREF=][HtmlAttributeValue:\"x.htm\"]"
                "[HtmlTag: ][HtmlAttribute:target =][HtmlTag: ][HtmlAttributeValue:'top'][Bracket:>]" },
            { "<IMG src=a.gif alt=\"a > b\">",
                "[Bracket:<][HtmlKeyword:IMG][HtmlTag: ][HtmlAttribute:src=][HtmlAttributeValue:a.gif]"
                "[HtmlTag: ][HtmlAttribute:alt=][HtmlAttributeValue:\"a > b\"][Bracket:>]" },
            { "<!DOCTYPE html>", "[Bracket:<][HtmlKeyword:!DOCTYPE][HtmlTag: html][Bracket:>]" },
            { "a&nbsp;b", "a[SpecialChars:&nbsp;]b" },
            { "&#160;&amp x", "[SpecialChars:&#160;&amp] x" },
            { "Tom & Jerry", "Tom [SpecialChars:&] Jerry" },
            { "<!-- <SCRIPT> --> x", "[HtmlComment:<!-- <SCRIPT> -->] x" },
            { "<% x = 1 %>", "[Bracket:<][ScriptContent:% x = 1 %][Bracket:>]" },
            { "<?php echo 1; ?>", "[Bracket:<][ScriptContent:?php echo 1; ?][Bracket:>]" },
            { "<>", "[Bracket:<>]" },
            // Script words mean nothing outside a script block.
            { "function if {", "function if {" },
            { "<script language=\"JavaScript\"> var s = 'a';</script> <I>",
                "<script language=[ScriptString:\"JavaScript\"]> [Keyword:var] s = [ScriptString:'a'];</script> "
                "[Bracket:<][HtmlKeyword:I][Bracket:>]" },
        },
        {});
}

TEST(HighlightEngine, KeywordsInsideScripts)
{
    const HighlightEngine engine;
    expectLines(engine,
        {
            { "function f() {", "[FunctionKeyword:function] f() [Brace:{]" },
            { "If FUNCTION Var", "If FUNCTION Var" },
            { "functional(x); variable; newer", "functional(x); variable; newer" },
            { "\tvar a=(typeof b)", "\t[Keyword:var] a=([Keyword:typeof] b)" },
            { "x=new Y; x =new Y; x= new Y", "x=new Y; x =new Y; x= [Keyword:new] Y" },
            { "f(a){ f(a) {", "f(a){ f(a) [Brace:{]" },
            { "if (a) {return;}", "[Keyword:if] (a) {[Keyword:return];[Brace:}]" },
            { "(true) (true", "(true) ([Keyword:true]" },
            { "do doubled double", "[Keyword:do] doubled [Keyword:double]" },
            { "{{", "[Brace:{{]" },
            // instanceof and null match inside words too.
            { "nullify(a instanceof B)", "[Keyword:null]ify(a [Keyword:instanceof] B)" },
            { "s = 'abc", "s = [ScriptString:'abc]" },
            { "x = \"a\\nb\\r\" + \"\\t\"",
                "x = [ScriptString:\"a][Escape:\\n][ScriptString:b][Escape:\\r][ScriptString:\"] + "
                "[ScriptString:\"\\t\"]" },
            { "a /* if */ if", "a [ScriptComment:/* if */] [Keyword:if]" },
            { "// note --> var", "[ScriptComment:// note -->] [Keyword:var]" },
            { "x = '//'; y = \"/*\"", "x = [ScriptString:'//']; y = [ScriptString:\"/*\"]" },
            { "<!-- hide <B>", "<!-- hide <B>" },
            { "</SCRIPT> <B>&lt; var", "</SCRIPT> [Bracket:<][HtmlKeyword:B][Bracket:>][SpecialChars:&lt;] var" },
        },
        insideScript(engine));
}

TEST(HighlightEngine, RegionsRunOnAcrossParagraphs)
{
    const HighlightEngine engine;
    struct MultiCase {
        QStringList lines;
        QStringList rendered;
        std::vector<QStringList> states;
    };
    const QString tag = QStringLiteral("HtmlTag:>");
    const std::vector<MultiCase> cases = {
        { { "<SCRIPT>", "/* a {", "b */ var x; // c {", "s = 'open", "</script><P>" },
            { "<SCRIPT>", "[ScriptComment:/* a {]", "[ScriptComment:b */] [Keyword:var] x; [ScriptComment:// c {]",
                "s = [ScriptString:'open]", "</script>[Bracket:<][HtmlKeyword:P][Bracket:>]" },
            { { "<SCRIPT" }, { "<SCRIPT", "/*" }, { "<SCRIPT" }, { "<SCRIPT" }, {} } },
        { { "<!-- a <B>", "b", "c --> <I>" },
            { "[HtmlComment:<!-- a <B>]", "[HtmlComment:b]",
                "[HtmlComment:c -->] [Bracket:<][HtmlKeyword:I][Bracket:>]" },
            { { "HtmlComment:-->" }, { "HtmlComment:-->" }, {} } },
        { { "<% if x", "y %> &amp;" },
            { "[Bracket:<][ScriptContent:% if x]", "[ScriptContent:y %][Bracket:>] [SpecialChars:&amp;]" },
            { { "ScriptContent:%>" }, {} } },
        { { "<TABLE", "  border=1", " width=\"5", "0\">" },
            { "[Bracket:<][HtmlKeyword:TABLE]", "[HtmlTag:  ][HtmlAttribute:border=][HtmlAttributeValue:1]",
                "[HtmlTag: ][HtmlAttribute:width=][HtmlAttributeValue:\"5]", "[HtmlAttributeValue:0\"][Bracket:>]" },
            { { tag }, { tag }, { tag, "HtmlAttributeValue:\"" }, {} } },
        // An unclosed "<" swallows text up to the next ">", as a browser would.
        { { "a < b", "c> d" }, { "a [Bracket:<][UnknownTag: b]", "[UnknownTag:c][Bracket:>] d" },
            { { "UnknownTag:>" }, {} } },
    };
    for (const MultiCase& c : cases) {
        const Coloured got = colour(engine, c.lines);
        EXPECT_EQ(got.lines, c.rendered) << c.lines.join(u'|').toStdString();
        EXPECT_EQ(got.states, c.states) << c.lines.join(u'|').toStdString();
    }
}

TEST(HighlightEngine, StatesCompareByOpenRegions)
{
    const HighlightEngine engine;
    std::vector<HighlightSpan> spans;
    const HighlightState script = insideScript(engine);
    EXPECT_EQ(engine.highlightLine(u"var a; // {", script, spans), script);
    EXPECT_EQ(engine.highlightLine(u"/* x */", script, spans), script);
    EXPECT_NE(engine.highlightLine(u"/* x", script, spans), script);
    EXPECT_EQ(engine.highlightLine(u"</SCRIPT>", script, spans), HighlightState());
    EXPECT_TRUE(spans.empty());
    EXPECT_EQ(engine.highlightLine(u"", script, spans), script);
}

// Without the script start key in front, the markup rules colour a script block themselves.
TEST(HighlightEngine, ScriptTagRuleOfTheMarkupHighlighter)
{
    HighlightRules rules = HighlightRules::standard();
    rules.startStops.clear();
    const HighlightEngine engine(rules);
    const Coloured got = colour(engine, { "<SCRIPT src=a.js>if (a)", "b</script> <B>" });
    EXPECT_EQ(got.lines,
        QStringList({ "[Bracket:<][HtmlKeyword:SCRIPT][HtmlTag: ][HtmlAttribute:src=]"
                      "[HtmlAttributeValue:a.js][Bracket:>][ScriptContent:if (a)]",
            "[ScriptContent:b][Bracket:</script>] [Bracket:<][HtmlKeyword:B][Bracket:>]" }));
}

TEST(HighlightEngine, NestingStopsAtFifteenLevelsAndLevelBoundAppliesEverywhere)
{
    HighlightRules rules;
    StartStopEntry outer;
    outer.start = QStringLiteral("(");
    outer.stop = QStringLiteral(")");
    outer.style = HighlightStyle::ScriptComment;
    outer.context = 7;
    StartStopEntry inner = outer;
    inner.appliesIn = 7;
    rules.startStops = { outer, inner };
    KeywordEntry k;
    k.text = QStringLiteral("k");
    k.options = MatchCase;
    k.appliesIn = 7;
    KeywordEntry everywhere;
    everywhere.text = QStringLiteral("w");
    everywhere.options = MatchCase;
    everywhere.levelBound = kAllLevels;
    rules.keywords = { k, everywhere };
    const HighlightEngine engine(rules);

    std::vector<HighlightSpan> spans;
    const QString fourteen(14, u'(');
    HighlightState state = engine.highlightLine(QString(fourteen + "kw"), {}, spans);
    EXPECT_EQ(state.depth(), 14);
    EXPECT_EQ(render(fourteen + "kw", spans), "[ScriptComment:((((((((((((((][Keyword:kw]");

    const QString twenty(20, u'(');
    state = engine.highlightLine(QString(twenty + "kw"), {}, spans);
    EXPECT_EQ(state.depth(), HighlightState::kMaxDepth);
    // At the deepest level neither a region nor a keyword starts; the extra "(" are plain text inside.
    EXPECT_EQ(render(twenty + "kw", spans), "[ScriptComment:" + twenty + "kw]");

    state = engine.highlightLine(u"w k", {}, spans);
    EXPECT_EQ(render("w k", spans), "[Keyword:w] k");
}

TEST(HighlightEngine, Tables)
{
    const HighlightRules& rules = HighlightRules::standard();
    EXPECT_EQ(rules.keywords.size(), 62u);
    EXPECT_EQ(rules.startStops.size(), 5u);
    ASSERT_EQ(knownTags().size(), 106u);
    QSet<QString> withoutAttributes, withoutClosingForm;
    for (const KnownTag& t : knownTags()) {
        if (!t.takesAttributes) withoutAttributes << QString::fromLatin1(t.name);
        if (!t.hasClosingForm) withoutClosingForm << QString::fromLatin1(t.name);
    }
    EXPECT_EQ(withoutAttributes, QSet<QString>({ "B", "BR", "HEAD", "HTML", "I", "S", "TITLE", "U" }));
    EXPECT_EQ(withoutClosingForm,
        QSet<QString>({ "SCRIPT", "BASE", "BASEFONT", "BR", "FRAME", "IMG", "INPUT", "META", "!DOCTYPE" }));
}
