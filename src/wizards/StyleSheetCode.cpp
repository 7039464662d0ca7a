#include "wizards/StyleSheetCode.h"

namespace StyleLists {

#define STYLE_LIST(function, ...)                                                                                      \
    const QStringList& function()                                                                                      \
    {                                                                                                                  \
        static const QStringList entries { __VA_ARGS__ };                                                              \
        return entries;                                                                                                \
    }

STYLE_LIST(selectors, "Choose a Selector", "H1", "H2", "H3", "P", "BODY", "BLOCKQUOTE", "OL", "UL", "TABLE", "TR", "TD",
    "A:ACTIVE", "A:HOVER", "A:VISITED", "A:LINK", "B", "STRONG", "I", "U")
STYLE_LIST(marginProperties, "Choose a property", "margin-left", "margin-right", "margin-top", "margin-bottom",
    "margin", "padding-left", "padding-right", "padding-top", "padding-bottom", "padding")
STYLE_LIST(units, "px", "%")
STYLE_LIST(genericFonts, "Default", "sans-serif", "serif", "cursive", "monospace", "fantasy")
STYLE_LIST(weights, "100", "200", "300", "normal", "500", "600", "bold", "800", "900", "bolder", "lighter")
STYLE_LIST(textStyles, "normal", "italic", "oblique", "overline", "underline", "line-through")
STYLE_LIST(aligns, "default", "left", "right", "center", "justify")
STYLE_LIST(attachments, "none", "fixed", "scroll")
STYLE_LIST(backgroundTypes, "none", "background-color", "color")
STYLE_LIST(borderSides, "default", "left", "right", "top", "bottom", "border")
STYLE_LIST(borderStyles, "none", "dotted", "dashed", "double", "solid", "groove", "ridge", "inset", "outset")
STYLE_LIST(sizeWords, "number", "thick", "medium", "thin")
STYLE_LIST(borderUnits, "none", "px", "%")
STYLE_LIST(
    listStyles, "none", "upper-roman", "lower-roman", "upper-alpha", "lower-alpha", "decimal ", "circle", "square")

#undef STYLE_LIST

} // namespace StyleLists

using namespace StyleLists;

namespace {
QString declaration(const QString& property, const QString& value) { return property + ": " + value + "; "; }
} // namespace

QString selectorRule(const QString& selector) { return selector + " { }"; }

int selectorCaret(const QString& sheetText, const QString& selector)
{
    const QString rule = selectorRule(selector);
    // The rule as a line of its own: " { }" is not the end of "H1 { }".
    for (qsizetype at = sheetText.indexOf(rule, 0, Qt::CaseInsensitive); at >= 0;
         at = sheetText.indexOf(rule, at + 1, Qt::CaseInsensitive))
        if (at == 0 || sheetText[at - 1] == u'\n') return int(at + rule.size() - 1);
    return -1;
}

QString marginDeclaration(int propertyEntry, const QString& value, const QString& unit)
{
    if (value.isEmpty() || propertyEntry <= 0 || propertyEntry >= marginProperties().size()) return {};
    return declaration(marginProperties()[propertyEntry], value + unit);
}

QString textDeclarations(
    const QString& colour, int fontEntry, const QString& font, const QString& size, const QString& unit)
{
    QString text;
    if (!colour.isEmpty()) text += declaration("color", colour);
    if (fontEntry > 0) text += declaration("font-family", font);
    if (!size.isEmpty()) text += declaration("font-size", size + unit);
    return text;
}

QString textStyleDeclarations(int weightEntry, int styleEntry, int alignEntry)
{
    QString text;
    if (weightEntry > 0) text += declaration("font-weight", weights().value(weightEntry));
    if (styleEntry == 1 || styleEntry == 2) text += declaration("font-style", textStyles()[styleEntry]);
    if (styleEntry >= 3) text += declaration("text-decoration", textStyles().value(styleEntry));
    if (alignEntry > 0) text += declaration("text-align", aligns().value(alignEntry));
    return text;
}

QString indentDeclaration(const QString& value, const QString& unit)
{
    return declaration("text-indent", value + unit);
}

QString backgroundImageDeclaration(const QString& path)
{
    return declaration("background-image", "url(\"" + path + "\")");
}

QString attachmentDeclaration(int entry)
{
    return entry > 0 ? declaration("background-attachment", attachments().value(entry)) : QString();
}

QString backgroundColourDeclaration(int typeEntry, const QString& colour)
{
    if (typeEntry <= 0 || colour.isEmpty()) return {};
    return declaration(backgroundTypes().value(typeEntry), colour);
}

std::optional<QString> borderDeclaration(
    int sideEntry, int styleEntry, const QString& colour, const QString& size, int unitEntry)
{
    if (sideEntry <= 0 || styleEntry <= 0 || colour.isEmpty() || size.isEmpty()) return std::nullopt;
    const QString side = borderSides().value(sideEntry);
    const QString name = side == QLatin1String("border") ? side : "border-" + side;
    const QString unit = unitEntry > 0 ? borderUnits().value(unitEntry) : QString();
    return declaration(name, borderStyles().value(styleEntry) + " " + colour + " " + size + unit);
}

QString bulletImageDeclaration(const QString& path) { return declaration("list-style-image", "url(\"" + path + "\")"); }

QString listStyleDeclaration(const QString& value)
{
    return value.isEmpty() ? QString() : "list-style:" + value + "; ";
}

QString styleSheetSamplePage()
{
    static const QStringList lines {
        "<HTML>",
        "<HEAD>",
        "<LINK REL=stylesheet HREF=\"1xiv.css\" TYPE=\"text/css\">",
        "</HEAD>",
        "<BODY BGCOLOR=\"white\">",
        "<H1>My Heading 1</H1>",
        "<P>Some text in a paragraph. Some text in a paragraph. Some text in a paragraph. <B>bold text</B> Some text "
        "in a paragraph. Some text in a paragraph. Some text in a paragraph.</P>",
        "<H2>My Heading 2</H2>",
        "<P>Some text in a paragraph. Some text in a paragraph.</P>",
        "<H3>My Heading 3</H3>",
        "<P>Some text in a paragraph. Some text in a paragraph.</P>",
        "<BLOCKQUOTE>Some text in a block quote, with <B>bold text</B> in it.</BLOCKQUOTE>",
        "",
        "<!--####### start of table #######-->",
        "",
        "<TABLE border=1>",
        "<!--####### Row Number 1 ######-->",
        "<TR>",
        "<TD>",
        "Row1Column1",
        "</TD>",
        "<TD>",
        "Row1Column2",
        "</TD>",
        "</TR>",
        "<!--####### Row Number 2 ######-->",
        "<TR>",
        "<TD>",
        "Row2Column1",
        "</TD>",
        "<TD>",
        "Row2Column2",
        "</TD>",
        "</TR>",
        "</TABLE>",
        "",
        "<!--####### end of table #######-->",
        "<P>Read on: <A HREF=\"https://www.w3.org/Style/CSS/\">More about style sheets</A><BR>",
        "</P>",
        "<OL>",
        "<LI>One</LI>",
        "<LI>Two</LI>",
        "<LI>Three</LI>",
        "<LI>Four</LI>",
        "</OL>",
        "<UL>",
        "<LI>One</LI>",
        "<LI>Two</LI>",
        "<LI>Three</LI>",
        "<LI>Four</LI>",
        "</UL>",
        "<hr>",
        "</BODY>",
        "</HTML>",
    };
    return lines.join("\r\n");
}
