#include "platform/Shell.h"

#include <QDesktopServices>
#include <QFile>
#include <QProcess>
#include <QUrl>

bool DesktopShell::openFile(const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

bool DesktopShell::openUrl(const QString& url) { return QDesktopServices::openUrl(QUrl(url, QUrl::StrictMode)); }

bool DesktopShell::startProgram(const QString& program, const QStringList& arguments)
{
    return QProcess::startDetached(program, arguments);
}

bool DesktopShell::moveToTrash(const QString& path) { return QFile::moveToTrash(path); }
