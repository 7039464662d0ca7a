#pragma once

#include "shared/RelativePath.h"

#include <QString>
#include <QStringList>

// The search engine generator's logic: titles and keywords taken from pages, the project file,
// and the search page, a self-contained HTML page whose script lists the pages whose title or
// keywords hold the word a visitor types.
namespace SearchEngine {

inline const QString kNoTitle = QStringLiteral("EnterTitle");
inline const QString kNoKeywords = QStringLiteral("EnterKeywords");
// Where the search page's credit link points.
inline const QString kCreditAddress = QStringLiteral("https://example.com/pelorin95");

// Letters a to z upper-cased; every other character left as it is.
QString upperAscii(const QString& text);
// Every CR and every LF as a space.
QString removeInnerReturns(const QString& text);

// The text between the first "<TITLE>" and the first "</TITLE>" (any letter case), upper-cased,
// trimmed, on one line; kNoTitle when a tag is missing or nothing is left.
QString findTitle(const QString& text);
// The text from the first "CONTENT=\"" within 80 characters of the first "KEYWORDS" (any
// letter case) up to the next "\">", upper-cased, trimmed, on one line; kNoKeywords when a
// marker is missing or nothing is left.
QString findKeywords(const QString& text);

// A page's title and keywords, read from its file; a file that cannot be read throws FileError.
struct PageEntry {
    QString title;
    QString keywords;
};
PageEntry readPage(const QString& path);

// A project: three index-aligned lists, one entry per chosen page (duplicates allowed).
struct Project {
    QStringList files; // full paths
    QStringList titles;
    QStringList keywords;
    bool operator==(const Project&) const = default;
};

// The project file: the number of files, then the paths, the titles and the keywords, one a
// line, CR LF after each; a line break inside a title or keywords entry is written as a space.
QString projectText(const Project& project);
// Lines missing at the end are read as empty entries. A first line that is not a number of
// files (or a number larger than the file could hold) throws FileError naming the file.
Project parseProject(const QString& text, const QString& fileName);
Project readProject(const QString& path);
void writeProject(const QString& path, const Project& project);

// A text inside a double-quoted script string: a double quote and a backslash escaped, line
// breaks as spaces.
QString scriptString(const QString& text);
// The script's arrays of addresses (relative to projectDir, with slashes), titles and keywords.
QStringList dataLines(const Project& project, const QString& projectDir, CaseRule rule = defaultCaseRule());
// The whole search page, every line ending with CR LF.
QString searchPage(const Project& project, const QString& projectDir, CaseRule rule = defaultCaseRule());

} // namespace SearchEngine
