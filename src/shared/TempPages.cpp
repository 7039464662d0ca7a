#include "shared/TempPages.h"

#include "platform/FileSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace TempPages {

QString markerLine(const QString& fileName)
{
    static const QString text = QStringLiteral("Pelorin95 temporary page: deleted when you return to the editor");
    return fileName.endsWith(QLatin1String(".css"), Qt::CaseInsensitive)
        ? QStringLiteral("/* ") + text + QStringLiteral(" */")
        : QStringLiteral("<!-- ") + text + QStringLiteral(" -->");
}

bool isOwn(const QString& path)
{
    // Only a regular file of ours: a link is the user's, wherever it points.
    QFile file(path);
    if (!FileSystem::isPlainFile(path) || !file.open(QIODevice::ReadOnly)) return false;
    const QByteArray marker = markerLine(path).toUtf8();
    return file.read(marker.size()) == marker;
}

QString pathFor(const QString& dir, const QString& fileName)
{
    const QString first = QDir(dir).filePath(fileName);
    // A name held by anything else (a user's file, a directory, a link, even a dangling one)
    // moves on to the next.
    const auto usable = [](const QString& path) {
        const FileSystem::Facts facts = FileSystem::facts(path);
        return (!facts.exists && !facts.link) || isOwn(path);
    };
    if (usable(first)) return first;
    const QFileInfo name(fileName);
    for (int n = 2;; ++n) {
        const QString candidate
            = QDir(dir).filePath(QStringLiteral("%1-%2.%3").arg(name.completeBaseName()).arg(n).arg(name.suffix()));
        if (usable(candidate)) return candidate;
    }
}

bool removeIfOwn(const QString& path) { return isOwn(path) && QFile::remove(path); }

} // namespace TempPages
