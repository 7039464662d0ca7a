#include "tools/HtmlConversion.h"

#include <gtest/gtest.h>

#include "QStringPrinter.h"

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

TEST(ConvertHtmlToText, AllPhases)
{
    EXPECT_EQ(convertHtmlToText("<p>Fish &amp; chips &lt;hot&gt;</p>"), "Fish &amp; chips <hot>");
    EXPECT_EQ(convertHtmlToText("<html><head><title>T</title><script>if (a<b) {}</script></head>\r\n"
                                "<body><p>Hi&nbsp;there</p></body></html>"),
        "T\r\nHi there");
}

} // namespace
