#pragma once

#include <QString>
#include <QUrl>

namespace LiveHtml {

// The browser takes a page from memory as a data URL of at most 2 MB, percent-encoded; what
// does not fit is previewed from its saved file instead.
bool fitsInMemory(const QString& html);

// Where relative links of the document lead: its own file, or for a never-saved document the
// current directory.
QUrl baseUrl(const QString& documentFileName, const QString& currentDir);

} // namespace LiveHtml
