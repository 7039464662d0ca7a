#include "sitetools/AltText.h"

QList<FoundLink> findAltTexts(const QString& text) { return findAttributeValues(text, QStringLiteral("alt")); }

QString altTextEntry(const QString& text)
{
    return text.isEmpty() || text == u" " ? QStringLiteral("Empty ALT text") : text;
}
