#include "main/LineSort.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

QString sortLines(const QString& text, bool descending)
{
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(breaks);
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    std::stable_sort(lines.begin(), lines.end(),
        [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    if (descending) std::reverse(lines.begin(), lines.end());
    QString result;
    for (const QString& line : lines)
        result += line + QLatin1String("\r\n");
    return result;
}
