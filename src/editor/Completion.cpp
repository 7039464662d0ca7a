#include "editor/Completion.h"

#include "editor/CssRules.h"
#include "editor/HighlightRules.h"

#include <algorithm>

namespace {

// Elements of later HTML than the colouring's known-tag table.
const char* const kNewerElements[] = { "ARTICLE", "ASIDE", "AUDIO", "CANVAS", "DATA", "DATALIST", "DETAILS",
    "DIALOG", "FIGCAPTION", "FIGURE", "FOOTER", "HEADER", "MAIN", "MARK", "METER", "NAV", "OUTPUT", "PICTURE",
    "PROGRESS", "SECTION", "SLOT", "SOURCE", "SUMMARY", "SVG", "TEMPLATE", "TIME", "TRACK", "VIDEO" };

const char* const kGlobalAttributes = "accesskey class contenteditable dir draggable hidden id lang onclick "
                                      "ondblclick onkeydown onkeyup onmousedown onmouseout onmouseover onmouseup "
                                      "style tabindex title";

struct ElementAttributes {
    const char* element;
    const char* attributes;
};
const ElementAttributes kAttributes[] = {
    { "A", "download href hreflang name rel target type" },
    { "AREA", "alt coords href shape target" },
    { "AUDIO", "autoplay controls loop muted preload src" },
    { "BASE", "href target" },
    { "BODY", "alink background bgcolor link onload onunload text vlink" },
    { "BUTTON", "disabled form name type value" },
    { "CANVAS", "height width" },
    { "COL", "span width" },
    { "COLGROUP", "span width" },
    { "DETAILS", "open" },
    { "DIV", "align" },
    { "EMBED", "height src type width" },
    { "FONT", "color face size" },
    { "FORM", "action enctype method name novalidate onsubmit target" },
    { "FRAME", "frameborder name noresize scrolling src" },
    { "FRAMESET", "cols rows" },
    { "HR", "align noshade size width" },
    { "HTML", "lang" },
    { "IFRAME", "allow frameborder height name scrolling src srcdoc width" },
    { "IMG", "align alt border height hspace ismap loading sizes src srcset usemap vspace width" },
    { "INPUT", "accept autocomplete autofocus checked disabled max maxlength min multiple name pattern "
               "placeholder readonly required size src step type value" },
    { "LABEL", "for" },
    { "LI", "type value" },
    { "LINK", "href media rel type" },
    { "MAP", "name" },
    { "META", "charset content http-equiv name" },
    { "OBJECT", "data height name type width" },
    { "OL", "reversed start type" },
    { "OPTION", "disabled label selected value" },
    { "P", "align" },
    { "PARAM", "name value" },
    { "SCRIPT", "async defer language src type" },
    { "SELECT", "disabled multiple name required size" },
    { "SOURCE", "media sizes src srcset type" },
    { "STYLE", "media type" },
    { "TABLE", "align bgcolor border cellpadding cellspacing summary width" },
    { "TD", "align bgcolor colspan height nowrap rowspan valign width" },
    { "TEXTAREA", "cols disabled maxlength name placeholder readonly required rows wrap" },
    { "TH", "align bgcolor colspan height nowrap rowspan scope valign width" },
    { "TIME", "datetime" },
    { "TR", "align bgcolor valign" },
    { "TRACK", "default kind label src srclang" },
    { "UL", "type" },
    { "VIDEO", "autoplay controls height loop muted poster preload src width" },
};

const char* const kVoidElements[] = { "!DOCTYPE", "AREA", "BASE", "BASEFONT", "BGSOUND", "BR", "COL", "EMBED",
    "FRAME", "HR", "IMG", "INPUT", "ISINDEX", "KEYGEN", "LINK", "META", "PARAM", "SOURCE", "SPACER", "TRACK",
    "WBR" };

bool isNameChar(QChar c) { return c.isLetterOrNumber() || c == u'-' || c == u'_' || c == u':'; }

// The run of name characters that ends at `end`.
int wordStartBefore(QStringView text, int end)
{
    while (end > 0 && isNameChar(text[end - 1]))
        --end;
    return end;
}

QString nameAt(QStringView text, int from)
{
    int end = from;
    while (end < text.size() && isNameChar(text[end]))
        ++end;
    return text.sliced(from, end - from).toString();
}

bool startsLower(QStringView s) { return !s.isEmpty() && s.front().isLower(); }

} // namespace

const QStringList& elementNames()
{
    static const QStringList names = [] {
        QStringList list;
        for (const KnownTag& t : knownTags())
            list << QString::fromLatin1(t.name);
        for (const char* name : kNewerElements)
            list << QString::fromLatin1(name);
        list.sort();
        list.removeDuplicates();
        return list;
    }();
    return names;
}

QStringList attributeNames(QStringView element)
{
    QString own;
    for (const ElementAttributes& e : kAttributes)
        if (element.compare(QLatin1String(e.element), Qt::CaseInsensitive) == 0) own = QString::fromLatin1(e.attributes);
    QStringList names = (own + u' ' + QString::fromLatin1(kGlobalAttributes)).split(u' ', Qt::SkipEmptyParts);
    names.sort();
    names.removeDuplicates();
    return names;
}

bool isVoidElement(QStringView name)
{
    return std::any_of(std::begin(kVoidElements), std::end(kVoidElements),
        [name](const char* v) { return name.compare(QLatin1String(v), Qt::CaseInsensitive) == 0; });
}

CompletionRequest completionAt(QStringView before, TextPlace place)
{
    using Kind = CompletionRequest::Kind;
    CompletionRequest r;
    const int caret = int(before.size());
    const int word = wordStartBefore(before, caret);
    r.wordStart = word;
    r.prefix = before.sliced(word).toString();
    if (place == TextPlace::Tag) {
        const qsizetype lt = before.lastIndexOf(u'<');
        if (lt < 0) return {};
        if (word == lt + 1) {
            r.kind = Kind::Tag;
            return r;
        }
        // An attribute name starts after a space; the element's name follows the "<".
        if (word == 0 || before[word - 1] != u' ' || lt + 1 >= caret || !isNameChar(before[lt + 1])) return {};
        r.element = nameAt(before, int(lt) + 1);
        r.kind = Kind::Attribute;
        return r;
    }
    if (place == TextPlace::StyleDeclarations) {
        int at = word;
        while (at > 0 && before[at - 1].isSpace())
            --at;
        if (at > 0 && before[at - 1] != u'{' && before[at - 1] != u';') return {};
        r.kind = Kind::CssProperty;
        return r;
    }
    return {};
}

QStringList completionItems(const CompletionRequest& request)
{
    using Kind = CompletionRequest::Kind;
    QStringList all;
    bool lower = startsLower(request.prefix);
    switch (request.kind) {
    case Kind::None: return {};
    case Kind::Tag: all = elementNames(); break;
    case Kind::Attribute:
        all = attributeNames(request.element);
        if (request.prefix.isEmpty()) lower = startsLower(request.element);
        break;
    case Kind::CssProperty:
        all = cssPropertyNames();
        lower = true; // properties are written in lower case
        break;
    }
    QStringList items;
    for (const QString& name : all)
        if (name.startsWith(request.prefix, Qt::CaseInsensitive)) items << (lower ? name.toLower() : name.toUpper());
    return items;
}

QString closingTagFor(QStringView before, TextPlace place, QStringView after)
{
    if (place != TextPlace::Tag) return {};
    const qsizetype lt = before.lastIndexOf(u'<');
    if (lt < 0 || before.endsWith(u'/')) return {};
    const QString name = nameAt(before, int(lt) + 1);
    if (name.isEmpty() || !name.front().isLetter() || isVoidElement(name)) return {};
    const QString closing = QStringLiteral("</") + name + u'>';
    if (after.startsWith(closing, Qt::CaseInsensitive)) return {}; // closed already
    return closing;
}

QString innermostOpenElement(QStringView text)
{
    QStringList open;
    qsizetype pos = 0;
    const auto skipTo = [&](QStringView stop) {
        const qsizetype end = text.indexOf(stop, pos, Qt::CaseInsensitive);
        pos = end < 0 ? text.size() : end + stop.size();
    };
    while ((pos = text.indexOf(u'<', pos)) >= 0) {
        const QStringView rest = text.sliced(pos);
        if (rest.startsWith(u"<!--")) {
            skipTo(u"-->");
            continue;
        }
        const bool closing = rest.startsWith(u"</");
        const QString name = nameAt(text, int(pos) + (closing ? 2 : 1));
        const qsizetype gt = text.indexOf(u'>', pos);
        const bool selfClosing = gt > 0 && text[gt - 1] == u'/';
        pos = gt < 0 ? text.size() : gt + 1;
        if (name.isEmpty() || !name.front().isLetter()) continue;
        if (closing) {
            for (qsizetype i = open.size() - 1; i >= 0; --i) {
                if (open[i].compare(name, Qt::CaseInsensitive) == 0) {
                    open.resize(i);
                    break;
                }
            }
        } else if (gt >= 0 && !selfClosing && !isVoidElement(name)) {
            open << name;
            // Script and style text holds no tags of its own.
            if (name.compare(u"script", Qt::CaseInsensitive) == 0 || name.compare(u"style", Qt::CaseInsensitive) == 0) {
                const qsizetype end = text.indexOf(QStringLiteral("</") + name, pos, Qt::CaseInsensitive);
                if (end < 0) break;
                pos = end;
            }
        }
    }
    return open.isEmpty() ? QString() : open.back();
}
