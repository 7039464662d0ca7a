#include "tools/FunctionFinder.h"

#include <gtest/gtest.h>

#include "support/QStringPrinter.h"

namespace {

void PrintTo(const Occurrence& occurrence, std::ostream* out)
{
    *out << occurrence.offset << ":\"" << occurrence.text.toStdString() << '"';
}

TEST(FindFunctions, Table)
{
    const struct {
        const char* name;
        const char* text;
        QStringList expected;
    } cases[] = {
        { "example", "<script>\r\n  function MyFunction(a, b) {\r\n}\r\n</script>", { "MyFunction(a, b)" } },
        { "two blocks in order",
            "<script>function b(x) {}</script><p>text</p>\r\n<SCRIPT type=\"text/javascript\">\r\n"
            "function a() {}\r\n</SCRIPT>",
            { "b(x)", "a()" } },
        { "duplicates stay", "<script>\r\nfunction f(a)\r\nfunction f(a)\r\n</script>", { "f(a)", "f(a)" } },
        { "comment before a call", "<script>\r\n// function test(x)\r\ntest(1);\r\n</script>", { "test(x)" } },
        { "case ignored", "<script>\r\nFUNCTION Big() {}\r\n</script>", { "Big()" } },
        { "unnamed function", "<script>\r\nvar f = function(a) { return a; }\r\n</script>", { "(a)" } },
        { "word ending in function", "<script>\r\nmyfunction(1);\r\nx = callfunction (z);\r\n</script>",
            { "(1)", "(z)" } },
        { "( on a later line", "<script>\r\nfunction late\r\n(a) {}\r\n</script>", {} },
        { "( before function", "<script>\r\nrun(function (a) {});\r\n</script>", {} },
        { "no ) on the line", "<script>\r\nfunction open(a,\r\nb) {}\r\n</script>", {} },
        { "outside script blocks", "function out(a)\r\n<script>\r\n</script>\r\nfunction after(b)", {} },
        { "no script", "function plain(a) {}", {} },
        { "tabs and blanks before the name", "<script>\r\nfunction \t  spaced(a)\r\n</script>", { "spaced(a)" } },
        { "unclosed block runs to the end", "<script>\r\nfunction tail(a)", { "tail(a)" } },
        { "opening tag without >", "<script\r\nfunction never(a)", {} },
    };
    for (const auto& c : cases)
        EXPECT_EQ(findFunctions(QString::fromUtf8(c.text)), c.expected) << c.name;
}

TEST(FindOccurrences, EachFromTheKeyToItsNextParenthesis)
{
    const QString text = "<script>\r\nfunction Go(a, b) {}\r\n</script>\r\n<a onclick=\"go(1,\r\n2)\">x</a> GO()";
    EXPECT_EQ(functionKey("Go(a, b)"), "Go(");
    const QList<Occurrence> expected {
        { "Go(a, b)", 19 },
        { "go(1,\r\n2)", 55 },
        { "GO()", 72 },
    };
    EXPECT_EQ(findOccurrences(text, "Go(a, b)"), expected);
    EXPECT_EQ(text.mid(55, 3), "go(");
    EXPECT_EQ(text.mid(72, 3), "GO(");
}

TEST(FindOccurrences, EndsOnOpenCallsAndOddEntries)
{
    EXPECT_EQ(findOccurrences("f(1) f(2", "f(x)"), (QList<Occurrence> { { "f(1)", 0 } }));
    EXPECT_EQ(findOccurrences("f(", "f(x)"), QList<Occurrence> {});
    // An entry without "(" is its own key.
    EXPECT_EQ(functionKey("x)"), "x)");
    EXPECT_EQ(findOccurrences("a x) b x)", "x)"), (QList<Occurrence> { { "x) b x)", 2 } }));
    EXPECT_EQ(findOccurrences("abc", ""), QList<Occurrence> {});
}

TEST(ScriptTags, AddAndRemoveRestoreTheText)
{
    const QString script = "function a(x) {\r\n  return x;\r\n}";
    const QString wrapped = addScriptTags(script);
    EXPECT_EQ(wrapped, "<script>\r\nfunction a(x) {\r\n  return x;\r\n}\r\n</script>");
    EXPECT_EQ(findFunctions(script), QStringList {});
    EXPECT_EQ(findFunctions(wrapped), QStringList { "a(x)" });
    EXPECT_EQ(removeScriptTags(wrapped), script);
    EXPECT_EQ(removeScriptTags(addScriptTags("var a;\r\n")), "var a;\r\n");
    EXPECT_EQ(removeScriptTags(addScriptTags("")), "");

    // Only exact lines count.
    EXPECT_EQ(removeScriptTags("<SCRIPT>\r\nx\r\n</script> "), "<SCRIPT>\r\nx\r\n</script> ");
    EXPECT_EQ(removeScriptTags("<script>\r\nx"), "x");
    EXPECT_EQ(removeScriptTags("x\r\n</script>\r\n"), "x\r\n");
    EXPECT_EQ(removeScriptTags("no tags"), "no tags");
}

} // namespace
