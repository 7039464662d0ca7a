#include "support/FakeShell.h"

#include <QDir>
#include <QFileInfo>

bool FakeShell::openFile(const QString& path)
{
    requests << QStringLiteral("open ") + path;
    return true;
}

bool FakeShell::openUrl(const QString& url)
{
    requests << QStringLiteral("url ") + url;
    return true;
}

bool FakeShell::startProgram(const QString& program, const QStringList& arguments)
{
    requests << (QStringList { QStringLiteral("start ") + program } + arguments).join(QLatin1String(" | "));
    return true;
}

bool FakeShell::moveToTrash(const QString& path)
{
    requests << QStringLiteral("trash ") + path;
    if (trashFails) return false;
    const QFileInfo info(path);
    return info.isDir() ? QDir(path).removeRecursively() : QFile::remove(path);
}
