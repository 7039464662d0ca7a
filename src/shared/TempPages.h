#pragma once

#include <QString>

// The temporary pages the program writes beside a user's files ("1temp.htm", "1view.htm",
// "1xiv.htm", "1xiv.css"). Each starts with a marker line, so a page left behind by an earlier
// run is known for ours, and a user's own file of that name is never overwritten or deleted.
namespace TempPages {

// The first line of a temporary page: an HTML comment, or a CSS one for a style sheet.
QString markerLine(const QString& fileName);
// True when the file starts with the marker line.
bool isOwn(const QString& path);
// Where to write the temporary page `fileName` in `dir`: that name when nothing holds it or it is
// a regular file of ours, else the first such "1temp-2.htm", "1temp-3.htm", ... A link by that
// name, even one pointing nowhere, is never followed.
QString pathFor(const QString& dir, const QString& fileName);
// Deletes the file only when it is one of ours; true when it was deleted.
bool removeIfOwn(const QString& path);

} // namespace TempPages
