#pragma once

#include <QString>
#include <QStringList>

// The applications the user starts on the document, the support e-mail, and how the preview
// names the page it shows.
namespace ExternalApps {

// "mybrowsers.plr" in the settings directory: browser 1, browser 2, editor 2, one per line.
inline const QString kListFile = QStringLiteral("mybrowsers.plr");
enum Entry { Browser1 = 0, Browser2 = 1, Editor2 = 2, EntryCount = 3 };
// What a missing entry holds: a name of no file.
inline const QString kNoApplication = QStringLiteral(" ");

// The list file's lines; a missing file gives three blank entries, a short one is padded
// with blank entries so that every button has one. Errors throw FileError.
QStringList readApplications(const QString& path);
// Writes the whole list, CR LF after each line. Errors throw FileError.
void writeApplications(const QString& path, const QStringList& entries);

// The build's support address (PELORIN_SUPPORT_ADDRESS).
QString supportAddress();
// "Pelorin Version: 1.55: " + the system's name.
QString emailSubject(const QString& systemName);
// mailto:address?Subject= <subject>&Body= with subject and body percent-encoded, so that the
// mail client receives them whole.
QString mailtoUrl(const QString& address, const QString& subject, const QString& body = {});

// The location text of a completed preview navigation: the file URL's prefix dropped (a drive
// letter path loses its leading slash too) and only the first "%20" made a space. Other URLs
// are shown whole.
QString locationText(const QString& url);

} // namespace ExternalApps
