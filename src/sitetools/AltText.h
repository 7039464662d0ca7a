#pragma once

#include "sitetools/LinkCheck.h"

#include <QList>

// The ALT attribute texts of a document, in document order (see findAttributeValues).
QList<FoundLink> findAltTexts(const QString& text);

// What the list shows for an ALT text: the text, or "Empty ALT text" for "" and " ".
QString altTextEntry(const QString& text);
