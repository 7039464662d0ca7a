#include "platform/Shell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

bool DesktopShell::openFile(const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

bool DesktopShell::openUrl(const QString& url) { return QDesktopServices::openUrl(QUrl(url, QUrl::StrictMode)); }

bool DesktopShell::startProgram(const QString& program, const QStringList& arguments)
{
    return QProcess::startDetached(program, arguments);
}

bool DesktopShell::moveToTrash(const QString& path)
{
    // Without the user's data directory Qt would make a "trash" in the current directory,
    // which is the user's site; make sure the real one can exist.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!data.isEmpty()) QDir().mkpath(data);
    QString inTrash;
    if (!QFile::moveToTrash(path, &inTrash)) return false;
    if (QFileInfo(inTrash).isRelative()) {
        // Put it back rather than leave it in a stray folder.
        QFile::rename(inTrash, path) || QDir().rename(inTrash, path);
        return false;
    }
    return true;
}
