#pragma once

#include <QStringList>

// The installed font families as a browser knows them: fontconfig names a family found in several
// foundries "Nimbus Sans [urw]", which no page could ask for. Each family once, by its plain name,
// in the order given.
QStringList plainFontFamilies(const QStringList& families);
