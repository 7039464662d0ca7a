#include "tools/HtmlConversion.h"

QString escapeHtml(const QString& text)
{
    QString out = text;
    out.replace(QLatin1Char('<'), QLatin1String("&lt;"));
    out.replace(QLatin1Char('>'), QLatin1String("&gt;"));
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

QString removeScriptBlocks(const QString& text)
{
    static const QString open = QStringLiteral("<script");
    static const QString close = QStringLiteral("</script>");
    QString out = text;
    qsizetype from = 0;
    for (;;) {
        const qsizetype start = out.indexOf(open, from, Qt::CaseInsensitive);
        if (start < 0) break;
        const qsizetype end = out.indexOf(close, start, Qt::CaseInsensitive);
        // An unclosed block would hide the rest of the page anyway: it goes to the end.
        out.remove(start, end < 0 ? out.size() - start : end + close.size() - start);
        from = start;
    }
    return out;
}

QString removeTags(const QString& text)
{
    QString out = text;
    for (;;) {
        const qsizetype open = out.indexOf(QLatin1Char('<'));
        if (open < 0) break;
        const qsizetype stray = out.indexOf(QLatin1Char('>'));
        if (stray >= 0 && stray < open) {
            out.remove(stray, 1);
            continue;
        }
        const qsizetype close = out.indexOf(QLatin1Char('>'), open);
        // No ">" after the first "<" means none after any later "<" either: what is left is text.
        if (close < 0) break;
        out.remove(open, close - open + 1);
    }
    return out;
}

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
    for (const auto& [entity, replacement] : kEntities) {
        qsizetype from = 0;
        while (out.contains(entity)) {
            const qsizetype at = out.indexOf(entity, from, Qt::CaseInsensitive);
            // A replacement can join an entity just before the search position; the pass ends
            // there rather than looking for it forever.
            if (at < 0) break;
            out.replace(at, entity.size(), replacement);
            from = at;
        }
    }
    return out;
}

QString convertHtmlToText(const QString& text) { return decodeEntities(removeTags(removeScriptBlocks(text))); }
