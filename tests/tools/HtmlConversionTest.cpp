#include "tools/HtmlConversion.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

#include "support/QStringPrinter.h"

namespace {

struct Case {
    const char* name;
    const char* input;
    const char* expected;
};

TEST(EscapeHtml, EscapesAngleBracketsOnlyAndTwiceIsOnce)
{
    const Case cases[] = {
        { "tags", "<p class=\"a\">x</p>", "&lt;p class=\"a\"&gt;x&lt;/p&gt;" },
        { "no brackets", "Fish & chips &amp; \"peas\"", "Fish & chips &amp; \"peas\"" },
        { "empty", "", "" },
        { "lone brackets", "a < b > c", "a &lt; b &gt; c" },
    };
    for (const Case& c : cases) {
        const QString once = escapeHtml(QString::fromUtf8(c.input));
        EXPECT_EQ(once, QString::fromUtf8(c.expected)) << c.name;
        EXPECT_EQ(escapeHtml(once), once) << c.name;
    }
}

TEST(AddLineBreaks, EveryLineEndsWithOneBreak)
{
    const QStringList lines { "abc", "", "done<br>", "DONE<BR>", "mixed<Br>", "slash<br/>", "<br> not at end" };
    const QStringList expected { "abc<br>", "<br>", "done<br>", "DONE<BR>", "mixed<Br><br>", "slash<br/><br>",
        "<br> not at end<br>" };
    EXPECT_EQ(addLineBreaks(lines), expected);
    EXPECT_EQ(addLineBreaks(addLineBreaks(lines)), expected);
}

TEST(ConvertHtmlToText, ScriptBlocks)
{
    const Case cases[] = {
        { "none", "<p>no script</p> here", "<p>no script</p> here" },
        { "capitals with attributes", "a<SCRIPT LANGUAGE=\"JavaScript\">\r\nif (a < b) x();\r\n</SCRIPT>b", "ab" },
        { "two blocks", "1<script>x</script>2<Script src=a.js></sCript>3", "123" },
        { "adjacent blocks", "<script>a</script><script>b</script>c", "c" },
        { "unclosed runs to the end", "keep<script>var a = 1;\r\nmore", "keep" },
        { "closing tag alone stays", "a</script>b", "a</script>b" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(removeScriptBlocks(QString::fromUtf8(c.input)), QString::fromUtf8(c.expected)) << c.name;
}

TEST(ConvertHtmlToText, Tags)
{
    const Case cases[] = {
        { "stray > before a tag goes", "a > b <i>c</i>", "a  b c" },
        { "stray > after the last tag stays", "<i>c</i> a > b", "c a > b" },
        { "breaks kept, none added", "<p>one<br>\r\ntwo</p>\r\n<P>three", "one\r\ntwo\r\nthree" },
        { "< without > stays", "if (a < b) go", "if (a < b) go" },
        { "< at the very end stays", "<b>x</b> y <", "x y <" },
        { "a lone < takes all up to the next >", "<b>x</b> a < b <i>c", "x a c" },
        { "after the last >, every < stays", "<b>x</b> a < b <i", "x a < b <i" },
        { "> only", "a > b > c", "a > b > c" },
        { "empty", "", "" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(removeTags(QString::fromUtf8(c.input)), QString::fromUtf8(c.expected)) << c.name;
}

TEST(ConvertHtmlToText, Entities)
{
    const Case cases[] = {
        { "all five", "&nbsp;&quot;&lt;&gt;&copy;2024", " \"<>2024" },
        { "upper case alone stays", "&NBSP;", "&NBSP;" },
        { "upper case before lower goes", "&NBSP; x &nbsp;", "  x  " },
        { "upper case after lower stays", "&nbsp; x &NBSP;", "  x &NBSP;" },
        { "others stay", "&amp; &eacute; &#60;", "&amp; &eacute; &#60;" },
        { "no double decoding of &amp;lt;", "&amp;lt;", "&amp;lt;" },
        { "a removal that joins an entity ends", "&c&copy;opy;", "&copy;" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(decodeEntities(QString::fromUtf8(c.input)), QString::fromUtf8(c.expected)) << c.name;
}

// The conversion as first written, one deletion or replacement at a time with every search from
// the start or from the last change: slow, but plainly the rule. The fast one must agree with it.
QString referenceConversion(const QString& text)
{
    QString out = text;
    for (qsizetype from = 0;;) {
        const qsizetype start = out.indexOf(QLatin1String("<script"), from, Qt::CaseInsensitive);
        if (start < 0) break;
        const qsizetype end = out.indexOf(QLatin1String("</script>"), start, Qt::CaseInsensitive);
        out.remove(start, end < 0 ? out.size() - start : end + 9 - start);
        from = start;
    }
    for (;;) {
        const qsizetype open = out.indexOf(u'<');
        if (open < 0) break;
        const qsizetype stray = out.indexOf(u'>');
        if (stray >= 0 && stray < open) {
            out.remove(stray, 1);
            continue;
        }
        const qsizetype close = out.indexOf(u'>', open);
        if (close < 0) break;
        out.remove(open, close - open + 1);
    }
    const std::pair<const char*, const char*> entities[]
        = { { "&nbsp;", " " }, { "&quot;", "\"" }, { "&lt;", "<" }, { "&gt;", ">" }, { "&copy;", "" } };
    for (const auto& [entity, replacement] : entities) {
        const QString e = QLatin1String(entity);
        for (qsizetype from = 0; out.contains(e);) {
            const qsizetype at = out.indexOf(e, from, Qt::CaseInsensitive);
            if (at < 0) break;
            out.replace(at, e.size(), QLatin1String(replacement));
            from = at;
        }
    }
    return out;
}

// Texts strung together from pieces that meet the rule's corners: tags cut short, stray brackets,
// entities in both cases and halves of entities that a removal joins.
QString randomShape(QRandomGenerator& random, int pieces)
{
    static const char* const kPieces[] = { "<script", "<SCRIPT src=a.js>", "</script>", "</SCRIPT>", "<scr", "ipt>",
        "<", ">", "<b>", "</b>", "x", " ", "\r\n", "&", "&nbsp;", "&NBSP;", "&Nbsp;", "&quot;", "&QUOT;", "&lt;",
        "&LT;", "&gt;", "&copy;", "&COPY;", "&c", "&co", "opy;", "py;", "&amp;", "&lt", "nbsp;", "\xc5\xbf" };
    QString text;
    for (int i = 0; i < pieces; ++i)
        text += QString::fromUtf8(kPieces[random.bounded(int(std::size(kPieces)))]);
    return text;
}

TEST(ConvertHtmlToText, AgreesWithTheRuleOnEveryShape)
{
    QRandomGenerator random(30);
    for (int round = 0; round < 20000; ++round) {
        const QString text = randomShape(random, 1 + round % 24);
        ASSERT_EQ(convertHtmlToText(text), referenceConversion(text)) << text.toStdString();
    }
    // Long texts too, where a search that restarts would also go wrong in a different way.
    for (int round = 0; round < 4; ++round) {
        const QString text = randomShape(random, 3000);
        ASSERT_EQ(convertHtmlToText(text), referenceConversion(text));
    }
}

TEST(ConvertHtmlToText, AllPhases)
{
    EXPECT_EQ(convertHtmlToText("<p>Fish &amp; chips &lt;hot&gt;</p>"), "Fish &amp; chips <hot>");
    EXPECT_EQ(convertHtmlToText("<html><head><title>T</title><script>if (a<b) {}</script></head>\r\n"
                                "<body><p>Hi&nbsp;there</p></body></html>"),
        "T\r\nHi there");
}

} // namespace
