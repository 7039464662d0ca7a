#include "tools/HtmlConversion.h"

#include <algorithm>

QString escapeHtml(const QString& text)
{
    // One pass: QString::replace moves the tail once per thousand brackets, which adds up on a
    // large page.
    QString out;
    out.reserve(text.size() + text.size() / 8);
    for (const QChar c : text) {
        if (c == u'<')
            out += QLatin1String("&lt;");
        else if (c == u'>')
            out += QLatin1String("&gt;");
        else
            out += c;
    }
    return out;
}

QStringList addLineBreaks(const QStringList& lines)
{
    QStringList out;
    out.reserve(lines.size());
    for (const QString& line : lines) {
        const bool ends = line.endsWith(QLatin1String("<br>")) || line.endsWith(QLatin1String("<BR>"));
        out << (ends ? line : line + QLatin1String("<br>"));
    }
    return out;
}

// Each phase reads the text once, front to back, and builds the result beside it: what a phase
// deletes or replaces never changes the text still ahead of it, so every search goes on from
// where the last one ended.

QString removeScriptBlocks(const QString& text)
{
    static const QString open = QStringLiteral("<script");
    static const QString close = QStringLiteral("</script>");
    QString out;
    qsizetype from = 0;
    for (;;) {
        const qsizetype start = text.indexOf(open, from, Qt::CaseInsensitive);
        if (start < 0) break;
        if (out.isEmpty()) out.reserve(text.size());
        out += QStringView(text).mid(from, start - from);
        const qsizetype end = text.indexOf(close, start, Qt::CaseInsensitive);
        // An unclosed block would hide the rest of the page anyway: it goes to the end.
        from = end < 0 ? text.size() : end + close.size();
    }
    if (from == 0) return text;
    out += QStringView(text).mid(from);
    return out;
}

QString removeTags(const QString& text)
{
    QString out;
    out.reserve(text.size());
    qsizetype from = 0;
    for (;;) {
        const qsizetype open = text.indexOf(QLatin1Char('<'), from);
        if (open < 0) break;
        // Every ">" before the tag is a stray one and goes.
        for (qsizetype i = from; i < open; ++i)
            if (text[i] != u'>') out += text[i];
        from = open;
        const qsizetype close = text.indexOf(QLatin1Char('>'), open);
        // No ">" after this "<" means none after any later "<" either: what is left is text.
        if (close < 0) break;
        from = close + 1;
    }
    out += QStringView(text).mid(from);
    return out;
}

namespace {

// One entity's pass: the occurrences (any letter case) are replaced from the start for as long
// as the lower-case entity is still present anywhere in the text, so an upper-case one goes only
// when a lower-case one follows it.
QString decodeEntity(const QString& text, QLatin1String entity, QLatin1String replacement)
{
    const qsizetype lastLower = text.lastIndexOf(entity);
    if (lastLower < 0) return text;
    QString out;
    out.reserve(text.size());
    // A lower-case entity behind the search position, made by a replacement joining its
    // neighbours ("&c" + "&copy;" + "opy;"): once there, it keeps every later pass going.
    bool joined = false;
    qsizetype from = 0;
    while (joined || lastLower >= from) {
        const qsizetype at = text.indexOf(entity, from, Qt::CaseInsensitive);
        if (at < 0) break;
        out += QStringView(text).mid(from, at - from);
        out += replacement;
        from = at + entity.size();
        // An entity holds one "&", at its start, so a joined one starts in the last few
        // characters written and ends before the next occurrence.
        const qsizetype tail = std::min<qsizetype>(out.size(), entity.size() - 1);
        const QString seam = out.right(tail) + text.mid(from, entity.size() - 1);
        const qsizetype seamAt = seam.indexOf(entity);
        joined = joined || (seamAt >= 0 && seamAt < tail);
    }
    out += QStringView(text).mid(from);
    return out;
}

} // namespace

QString decodeEntities(const QString& text)
{
    static const struct {
        QLatin1String entity;
        QLatin1String replacement;
    } kEntities[] = {
        { QLatin1String("&nbsp;"), QLatin1String(" ") },
        { QLatin1String("&quot;"), QLatin1String("\"") },
        { QLatin1String("&lt;"), QLatin1String("<") },
        { QLatin1String("&gt;"), QLatin1String(">") },
        { QLatin1String("&copy;"), QLatin1String("") },
    };
    QString out = text;
    for (const auto& [entity, replacement] : kEntities)
        out = decodeEntity(out, entity, replacement);
    return out;
}

QString convertHtmlToText(const QString& text) { return decodeEntities(removeTags(removeScriptBlocks(text))); }
