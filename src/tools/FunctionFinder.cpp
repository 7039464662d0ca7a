#include "tools/FunctionFinder.h"

namespace {

const QString kFunction = QStringLiteral("function");

// The entry of a definition line, or an empty text when the line defines nothing.
QString definitionEntry(const QString& line)
{
    const qsizetype at = line.indexOf(kFunction, 0, Qt::CaseInsensitive);
    if (at < 0) return {};
    const qsizetype open = line.indexOf(QLatin1Char('('));
    const qsizetype close = line.indexOf(QLatin1Char(')'));
    if (open < at || close < at) return {};
    const qsizetype from = at + kFunction.size();
    QString entry = line.mid(from, close - from + 1);
    qsizetype blanks = 0;
    while (blanks < entry.size() && QStringLiteral(" \t\r\n").contains(entry[blanks]))
        ++blanks;
    return entry.mid(blanks);
}

} // namespace

QStringList findFunctions(const QString& text)
{
    QStringList entries;
    qsizetype from = 0;
    for (;;) {
        const qsizetype script = text.indexOf(QLatin1String("<script"), from, Qt::CaseInsensitive);
        if (script < 0) break;
        const qsizetype tagEnd = text.indexOf(QLatin1Char('>'), script);
        if (tagEnd < 0) break;
        qsizetype end = text.indexOf(QLatin1String("</script>"), tagEnd, Qt::CaseInsensitive);
        // An unclosed block still holds its functions: its body runs to the end of the text.
        if (end < 0) end = text.size();
        const QString body = text.mid(tagEnd + 1, end - tagEnd - 1);
        for (const QString& line : body.split(QLatin1Char('\n'))) {
            const QString entry = definitionEntry(line);
            if (!entry.isEmpty()) entries << entry;
        }
        if (end >= text.size()) break;
        from = end;
    }
    return entries;
}

QString functionKey(const QString& entry)
{
    const qsizetype open = entry.indexOf(QLatin1Char('('));
    return open < 0 ? entry : entry.left(open + 1);
}

QList<Occurrence> findOccurrences(const QString& text, const QString& entry)
{
    QList<Occurrence> found;
    const QString key = functionKey(entry);
    if (key.isEmpty()) return found;
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = text.indexOf(key, from, Qt::CaseInsensitive);
        if (at < 0) break;
        const qsizetype close = text.indexOf(QLatin1Char(')'), at + key.size());
        // A call left open to the end of the text is no occurrence, and the search ends.
        if (close < 0) break;
        found.append({ text.mid(at, close - at + 1), int(at) });
        from = close;
    }
    return found;
}

QString addScriptTags(const QString& text)
{
    return QStringLiteral("<script>\r\n") + text + QStringLiteral("\r\n</script>");
}

QString removeScriptTags(const QString& text)
{
    QStringList lines = text.split(QLatin1String("\r\n"));
    // A final line break ends the last line; it does not start another.
    const bool finalBreak = lines.size() > 1 && lines.last().isEmpty();
    if (finalBreak) lines.removeLast();
    if (!lines.isEmpty() && lines.first() == QLatin1String("<script>")) lines.removeFirst();
    if (!lines.isEmpty() && lines.last() == QLatin1String("</script>")) lines.removeLast();
    QString out = lines.join(QLatin1String("\r\n"));
    if (finalBreak && !lines.isEmpty()) out += QLatin1String("\r\n");
    return out;
}
