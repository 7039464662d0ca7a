#include "shared/FontNames.h"

#include <QSet>

QStringList plainFontFamilies(const QStringList& families)
{
    QStringList plain;
    QSet<QString> seen;
    for (const QString& family : families) {
        QString name = family;
        if (name.endsWith(u']')) {
            const qsizetype open = name.lastIndexOf(QLatin1String(" ["));
            if (open > 0) name.truncate(open);
        }
        if (!seen.contains(name)) {
            seen.insert(name);
            plain << name;
        }
    }
    return plain;
}
