#include "sitetools/PageLinks.h"

#include <QVarLengthArray>
#include <algorithm>
#include <vector>

namespace {

bool isSpace(QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f'; }

bool isLetter(QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

bool isAlnum(QChar c) { return isLetter(c) || isDigit(c); }

int hexValue(QChar c)
{
    if (isDigit(c)) return c.unicode() - u'0';
    const char16_t lower = c.unicode() | 0x20;
    return lower >= u'a' && lower <= u'f' ? lower - u'a' + 10 : -1;
}

// A scalar value as UTF-16; nothing that is not a character gets through.
void appendCode(QString& out, char32_t code)
{
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) code = 0xFFFD;
    const QChar pair[2] = { QChar::highSurrogate(code), QChar::lowSurrogate(code) };
    if (QChar::requiresSurrogates(code))
        out.append(pair, 2);
    else
        out += QChar(char16_t(code));
}

// The named references an address may hold. The legacy ones are read without their ";" too,
// unless a letter, a digit or "=" follows, as browsers read attribute values.
struct NamedReference {
    QStringView name;
    char16_t character;
    bool legacy;
};
const NamedReference kNamedReferences[] = {
    { u"amp", u'&', true },
    { u"lt", u'<', true },
    { u"gt", u'>', true },
    { u"quot", u'"', true },
    { u"nbsp", u'\u00A0', true },
    { u"apos", u'\'', false },
    { u"sol", u'/', false },
    { u"colon", u':', false },
    { u"num", u'#', false },
    { u"quest", u'?', false },
    { u"equals", u'=', false },
    { u"percnt", u'%', false },
    { u"period", u'.', false },
    { u"lowbar", u'_', false },
    { u"commat", u'@', false },
    { u"comma", u',', false },
    { u"semi", u';', false },
    { u"lpar", u'(', false },
    { u"rpar", u')', false },
    { u"plus", u'+', false },
    { u"excl", u'!', false },
    { u"dollar", u'$', false },
    { u"ast", u'*', false },
    { u"Tab", u'\t', false },
    { u"NewLine", u'\n', false },
};

// Reads the reference that starts at text[amp] ("&") into out; returns how many characters it
// took, 0 when there is none there.
qsizetype appendReference(QStringView text, qsizetype amp, QString& out)
{
    const qsizetype n = text.size();
    qsizetype i = amp + 1;
    if (i < n && text[i] == u'#') {
        qsizetype j = i + 1;
        const bool hex = j < n && (text[j] == u'x' || text[j] == u'X');
        if (hex) ++j;
        const qsizetype digits = j;
        char32_t code = 0;
        for (; j < n; ++j) {
            const int d = hex ? hexValue(text[j]) : (isDigit(text[j]) ? text[j].unicode() - u'0' : -1);
            if (d < 0) break;
            code = std::min<char32_t>(code * (hex ? 16 : 10) + char32_t(d), 0x110000);
        }
        if (j == digits) return 0;
        if (j < n && text[j] == u';') ++j;
        appendCode(out, code);
        return j - amp;
    }
    qsizetype j = i;
    while (j < n && isAlnum(text[j]))
        ++j;
    const QStringView name = text.mid(i, j - i);
    for (const NamedReference& r : kNamedReferences) {
        if (r.name != name) continue;
        if (j < n && text[j] == u';') {
            out += r.character;
            return j + 1 - amp;
        }
        if (r.legacy && !(j < n && text[j] == u'=')) {
            out += r.character;
            return j - amp;
        }
        return 0;
    }
    return 0;
}

// An attribute value with its references undone, and for each of its characters where it
// began in the page, so that what is found in the value is named by its place in the page.
class Value {
public:
    Value(QStringView raw, qsizetype at)
        : m_raw(raw)
        , m_start(at)
    {
        if (!raw.contains(u'&')) return;
        m_decoded.reserve(raw.size());
        m_at.reserve(size_t(raw.size()) + 1);
        for (qsizetype i = 0; i < raw.size();) {
            const qsizetype before = m_decoded.size();
            qsizetype used = raw[i] == u'&' ? appendReference(raw, i, m_decoded) : 0;
            if (used == 0) {
                m_decoded += raw[i];
                used = 1;
            }
            for (qsizetype k = before; k < m_decoded.size(); ++k)
                m_at.push_back(at + i);
            i += used;
        }
        m_at.push_back(at + raw.size());
        m_isDecoded = true;
    }
    QStringView text() const { return m_isDecoded ? QStringView(m_decoded) : m_raw; }
    // Where the value's character at index (or its end, at text().size()) is in the page.
    qsizetype rawAt(qsizetype index) const { return m_isDecoded ? m_at[size_t(index)] : m_start + index; }

private:
    QStringView m_raw;
    qsizetype m_start;
    QString m_decoded;
    std::vector<qsizetype> m_at;
    bool m_isDecoded = false;
};

// An address found in a value or a style sheet: its place there [start, end) and its text.
struct Span {
    qsizetype start;
    qsizetype end;
    QString url;
    const char* kind = nullptr; // for style sheets: "url()" or "@import"
};

bool startsWithNoCase(QStringView text, qsizetype at, QStringView word)
{
    return text.mid(at, word.size()).compare(word, Qt::CaseInsensitive) == 0;
}

bool isNameCharacter(QChar c) { return isAlnum(c) || c == u'-' || c == u'_' || c.unicode() >= 0x80; }

// The index just after the CSS escape whose "\\" is at text[at]: one to six hexadecimal digits
// and one white space after them (a CR LF counts as one), or one other character.
qsizetype cssEscapeEnd(QStringView text, qsizetype at)
{
    const qsizetype n = text.size();
    qsizetype i = at + 1;
    if (i < n && hexValue(text[i]) >= 0) {
        const qsizetype last = std::min(i + 6, n);
        while (i < last && hexValue(text[i]) >= 0)
            ++i;
        if (i < n && isSpace(text[i])) i += text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n' ? 2 : 1;
        return i;
    }
    if (i < n && text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n') return i + 2;
    return std::min(i + 1, n);
}

// The index of a CSS string's closing quote (text[open] is the opening one); a line break or the
// end of the text ends an unclosed string.
qsizetype cssStringEnd(QStringView text, qsizetype open)
{
    const QChar quote = text[open];
    qsizetype i = open + 1;
    while (i < text.size() && text[i] != quote && text[i] != u'\n')
        i = text[i] == u'\\' ? cssEscapeEnd(text, i) : i + 1;
    return std::min(i, text.size());
}

void addSpan(QList<Span>& spans, QStringView text, qsizetype start, qsizetype end, const char* kind)
{
    if (end > start) spans.append({ start, end, cssUnescape(text.mid(start, end - start)), kind });
}

// Reads a url( whose parenthesis ends just before `from`; returns the index after its ")".
qsizetype readCssUrl(QStringView text, qsizetype from, const char* kind, QList<Span>& spans)
{
    const qsizetype n = text.size();
    qsizetype i = from;
    while (i < n && isSpace(text[i]))
        ++i;
    if (i < n && (text[i] == u'"' || text[i] == u'\'')) {
        const qsizetype close = cssStringEnd(text, i);
        addSpan(spans, text, i + 1, close, kind);
        i = close;
    } else {
        const qsizetype start = i;
        while (i < n && text[i] != u')' && !isSpace(text[i]))
            i = text[i] == u'\\' ? cssEscapeEnd(text, i) : i + 1;
        addSpan(spans, text, start, i, kind);
    }
    const qsizetype close = text.indexOf(u')', i);
    return close < 0 ? n : close + 1;
}

QList<Span> cssSpans(QStringView text)
{
    QList<Span> spans;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = text[i];
        if (c == u'/' && i + 1 < n && text[i + 1] == u'*') {
            const qsizetype end = text.indexOf(u"*/", i + 2);
            if (end < 0) break;
            i = end + 2;
        } else if (c == u'"' || c == u'\'') {
            i = cssStringEnd(text, i) + 1;
        } else if (c == u'\\') {
            i = cssEscapeEnd(text, i);
        } else if ((c == u'u' || c == u'U') && startsWithNoCase(text, i, u"url(")
            && (i == 0 || !isNameCharacter(text[i - 1]))) {
            i = readCssUrl(text, i + 4, "url()", spans);
        } else if (c == u'@' && startsWithNoCase(text, i, u"@import") && !(i + 7 < n && isNameCharacter(text[i + 7]))) {
            i += 7;
            while (i < n && isSpace(text[i]))
                ++i;
            if (i < n && (text[i] == u'"' || text[i] == u'\'')) {
                const qsizetype close = cssStringEnd(text, i);
                addSpan(spans, text, i + 1, close, "@import");
                i = close + 1;
            } else if (startsWithNoCase(text, i, u"url(")) {
                i = readCssUrl(text, i + 4, "@import", spans);
            }
        } else {
            ++i;
        }
    }
    return spans;
}

// The candidates' addresses of a srcset: separated by commas, each followed by its descriptors.
QList<Span> srcsetSpans(QStringView text)
{
    QList<Span> spans;
    const qsizetype n = text.size();
    qsizetype i = 0;
    for (;;) {
        while (i < n && (isSpace(text[i]) || text[i] == u','))
            ++i;
        if (i >= n) break;
        const qsizetype start = i;
        while (i < n && !isSpace(text[i]))
            ++i;
        qsizetype end = i;
        if (text[end - 1] == u',') {
            // "a.png," has no descriptors: the commas end the candidate.
            while (end > start && text[end - 1] == u',')
                --end;
        } else {
            for (int depth = 0; i < n; ++i) {
                if (text[i] == u'(') ++depth;
                if (text[i] == u')') --depth;
                if (text[i] == u',' && depth <= 0) break;
            }
        }
        if (end > start) spans.append({ start, end, text.mid(start, end - start).toString() });
    }
    return spans;
}

// After a name: its spaces, an "=" and the spaces after that; where the value starts, or -1 when
// no "=" follows.
qsizetype valueStart(QStringView text, qsizetype i)
{
    const qsizetype n = text.size();
    while (i < n && isSpace(text[i]))
        ++i;
    if (i >= n || text[i] != u'=') return -1;
    ++i;
    while (i < n && isSpace(text[i]))
        ++i;
    return i;
}

// A value from i: inside the quotes it starts with (end -1 when the closing quote is missing),
// else up to the first character stop takes. next is the index after the value.
struct ValueSpan {
    qsizetype start;
    qsizetype end;
    qsizetype next;
};
template <typename Stop> ValueSpan readValue(QStringView text, qsizetype i, Stop stop)
{
    const qsizetype n = text.size();
    if (i < n && (text[i] == u'"' || text[i] == u'\'')) {
        const qsizetype end = text.indexOf(text[i], i + 1);
        return { i + 1, end, end + 1 };
    }
    qsizetype end = i;
    while (end < n && !stop(text[end]))
        ++end;
    return { i, end, end };
}

// The address of a refresh: "5; url=page.htm", the "url=" and quotes optional.
QList<Span> refreshSpans(QStringView text)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && isSpace(text[i]))
        ++i;
    const qsizetype time = i;
    while (i < n && (isDigit(text[i]) || text[i] == u'.'))
        ++i;
    if (i == time) return {};
    while (i < n && (isSpace(text[i]) || text[i] == u';' || text[i] == u','))
        ++i;
    if (startsWithNoCase(text, i, u"url")) {
        const qsizetype value = valueStart(text, i + 3);
        if (value >= 0) i = value;
    }
    // The rest of the text, or what is between its quotes (to the end when one is missing).
    const ValueSpan value = readValue(text, i, [](QChar) { return false; });
    const qsizetype start = value.start;
    qsizetype end = value.end < 0 ? n : value.end;
    while (end > start && isSpace(text[end - 1]))
        --end;
    if (end <= start) return {};
    return { { start, end, text.mid(start, end - start).toString() } };
}

QList<Span> plainSpan(QStringView text)
{
    qsizetype start = 0, end = text.size();
    while (start < end && isSpace(text[start]))
        ++start;
    while (end > start && isSpace(text[end - 1]))
        --end;
    if (end <= start) return {};
    return { { start, end, text.mid(start, end - start).toString() } };
}

enum class Reading { Plain, Srcset, Refresh, Style };

struct LinkAttribute {
    QStringView name;
    Reading reading;
};
const LinkAttribute kLinkAttributes[] = {
    { u"href", Reading::Plain },
    { u"src", Reading::Plain },
    { u"srcset", Reading::Srcset },
    { u"poster", Reading::Plain },
    { u"data", Reading::Plain },
    { u"action", Reading::Plain },
    { u"formaction", Reading::Plain },
    { u"cite", Reading::Plain },
    { u"background", Reading::Plain },
    { u"longdesc", Reading::Plain },
    { u"usemap", Reading::Plain },
    { u"icon", Reading::Plain },
    { u"manifest", Reading::Plain },
    { u"content", Reading::Refresh },
    { u"style", Reading::Style },
};

// Elements whose content is text to the end tag, never markup; a style block is a style sheet.
const QStringView kTextElements[]
    = { u"script", u"style", u"textarea", u"title", u"xmp", u"iframe", u"noembed", u"noframes", u"plaintext" };

struct Attribute {
    QStringView name;
    QStringView value;
    qsizetype at = 0; // where the value starts in the text
};

// Reads the attributes from just after a tag's name to its ">"; returns the index after the
// tag, or -1 when the text ends inside it.
qsizetype readAttributes(const QString& text, qsizetype i, QVarLengthArray<Attribute, 16>& attributes)
{
    const qsizetype n = text.size();
    for (;;) {
        while (i < n && (isSpace(text[i]) || text[i] == u'/'))
            ++i;
        if (i >= n) return -1;
        if (text[i] == u'>') return i + 1;
        const qsizetype nameStart = i++;
        while (i < n && !isSpace(text[i]) && text[i] != u'/' && text[i] != u'>' && text[i] != u'=')
            ++i;
        Attribute attribute { QStringView(text).mid(nameStart, i - nameStart), {}, i };
        if (const qsizetype start = valueStart(text, i); start >= 0) {
            if (start >= n) return -1;
            const ValueSpan value = readValue(text, start, [](QChar c) { return isSpace(c) || c == u'>'; });
            if (value.end < 0) return -1;
            i = value.next;
            attribute.value = QStringView(text).mid(value.start, value.end - value.start);
            attribute.at = value.start;
        }
        // As browsers do, an attribute given twice keeps its first value.
        const bool again = std::any_of(attributes.begin(), attributes.end(),
            [&](const Attribute& a) { return a.name.compare(attribute.name, Qt::CaseInsensitive) == 0; });
        if (!again) attributes.append(attribute);
    }
}

const Attribute* findAttribute(const QVarLengthArray<Attribute, 16>& attributes, QStringView name)
{
    for (const Attribute& a : attributes)
        if (a.name.compare(name, Qt::CaseInsensitive) == 0) return &a;
    return nullptr;
}

void addTagLinks(QStringView tag, const QVarLengthArray<Attribute, 16>& attributes, PageLinks& page)
{
    const bool base = tag.compare(u"base", Qt::CaseInsensitive) == 0;
    for (const Attribute& attribute : attributes) {
        if (attribute.value.isEmpty()) continue;
        const auto known = std::find_if(std::begin(kLinkAttributes), std::end(kLinkAttributes),
            [&](const LinkAttribute& a) { return a.name.compare(attribute.name, Qt::CaseInsensitive) == 0; });
        if (known == std::end(kLinkAttributes)) continue;
        if (base && known->name == u"href") {
            if (!page.base) page.base = decodeEntities(attribute.value).trimmed();
            continue;
        }
        if (known->reading == Reading::Refresh) {
            const Attribute* equiv = findAttribute(attributes, u"http-equiv");
            if (tag.compare(u"meta", Qt::CaseInsensitive) != 0 || !equiv
                || equiv->value.trimmed().compare(u"refresh", Qt::CaseInsensitive) != 0)
                continue;
        }
        const Value value(attribute.value, attribute.at);
        QList<Span> spans;
        switch (known->reading) {
        case Reading::Plain:
            spans = plainSpan(value.text());
            break;
        case Reading::Srcset:
            spans = srcsetSpans(value.text());
            break;
        case Reading::Refresh:
            spans = refreshSpans(value.text());
            break;
        case Reading::Style:
            spans = cssSpans(value.text());
            break;
        }
        for (Span& span : spans) {
            const qsizetype at = value.rawAt(span.start);
            page.links.append({ at, value.rawAt(span.end) - at, std::move(span.url),
                span.kind ? QString::fromLatin1(span.kind) : known->name.toString() });
        }
    }
}

// The index of the end tag "</name" that closes a text element's content from `from`; -1 when
// the content runs to the end of the text.
qsizetype endTag(const QString& text, qsizetype from, QStringView name)
{
    for (qsizetype i = text.indexOf(u"</", from); i >= 0; i = text.indexOf(u"</", i + 2)) {
        const qsizetype after = i + 2 + name.size();
        if (startsWithNoCase(text, i + 2, name)
            && (after >= text.size() || isSpace(text[after]) || text[after] == u'/' || text[after] == u'>'))
            return i;
    }
    return -1;
}

} // namespace

QString decodeEntities(QStringView text)
{
    const Value value(text, 0);
    return value.text().toString();
}

QString cssUnescape(QStringView text)
{
    if (!text.contains(u'\\')) return text.toString();
    QString out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n;) {
        if (text[i] != u'\\' || i + 1 >= n) {
            out += text[i++];
            continue;
        }
        const qsizetype end = cssEscapeEnd(text, i);
        if (hexValue(text[i + 1]) >= 0) {
            char32_t code = 0;
            for (qsizetype k = i + 1; k < end && hexValue(text[k]) >= 0; ++k)
                code = code * 16 + char32_t(hexValue(text[k]));
            appendCode(out, code);
        } else if (text[i + 1] != u'\n' && text[i + 1] != u'\r' && text[i + 1] != u'\f') {
            // An escaped line break continues a string and is dropped; any other character is itself.
            out += text[i + 1];
        }
        i = end;
    }
    return out;
}

QList<PageLink> cssLinks(QStringView text)
{
    QList<PageLink> links;
    for (Span& span : cssSpans(text))
        links.append({ span.start, span.end - span.start, std::move(span.url), QString::fromLatin1(span.kind) });
    return links;
}

PageLinks htmlLinks(const QString& text)
{
    PageLinks page;
    const qsizetype n = text.size();
    QVarLengthArray<Attribute, 16> attributes;
    for (qsizetype i = text.indexOf(u'<'); i >= 0; i = text.indexOf(u'<', i)) {
        if (QStringView(text).mid(i, 4) == u"<!--") {
            const qsizetype end = text.indexOf(QStringLiteral("-->"), i + 4);
            if (end < 0) break;
            i = end + 3;
            continue;
        }
        if (i + 1 >= n) break;
        const QChar next = text[i + 1];
        if (next == u'!' || next == u'?' || next == u'/') {
            // A declaration, a processing instruction or an end tag: no address in it counts.
            const qsizetype end = text.indexOf(u'>', i + 2);
            if (end < 0) break;
            i = end + 1;
            continue;
        }
        if (!isLetter(next)) {
            ++i;
            continue;
        }
        qsizetype j = i + 1;
        while (j < n && !isSpace(text[j]) && text[j] != u'/' && text[j] != u'>')
            ++j;
        const QStringView tag = QStringView(text).mid(i + 1, j - i - 1);
        attributes.clear();
        const qsizetype after = readAttributes(text, j, attributes);
        if (after < 0) break;
        addTagLinks(tag, attributes, page);
        i = after;
        const auto textElement = std::find_if(std::begin(kTextElements), std::end(kTextElements),
            [&](QStringView name) { return name.compare(tag, Qt::CaseInsensitive) == 0; });
        if (textElement == std::end(kTextElements)) continue;
        const qsizetype close = *textElement == u"plaintext" ? -1 : endTag(text, after, *textElement);
        if (*textElement == u"style") {
            for (PageLink& link : cssLinks(QStringView(text).mid(after, (close < 0 ? n : close) - after))) {
                link.at += after;
                page.links.append(std::move(link));
            }
        }
        if (close < 0) break;
        i = close;
    }
    return page;
}
