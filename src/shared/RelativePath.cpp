#include "shared/RelativePath.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

CaseRule defaultCaseRule()
{
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return CaseRule::IgnoreCase;
#else
    return CaseRule::Exact;
#endif
}

namespace {

bool isSeparator(QChar c) { return c == u'/' || c == u'\\'; }

qsizetype lastSeparator(const QString& path)
{
    for (qsizetype i = path.size() - 1; i >= 0; --i)
        if (isSeparator(path[i])) return i;
    return -1;
}

bool hasDriveLetter(const QString& path) { return path.size() >= 2 && path[0].isLetter() && path[1] == u':'; }

// "C:" for a drive path, "\\server\share" for a share, else empty.
QString drivePart(const QString& path)
{
    if (hasDriveLetter(path)) return path.left(2);
    if (path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1])) {
        int separators = 0;
        for (qsizetype i = 2; i < path.size(); ++i)
            if (isSeparator(path[i]) && ++separators == 2) return path.left(i);
        return path;
    }
    return {};
}

// The names of the directories of path, below its drive part. A colon counts only as part of a
// drive letter: on Linux it may be part of a name.
QStringList directoryNames(const QString& path)
{
    const QString drive = drivePart(path);
    const qsizetype end = lastSeparator(path);
    if (end < drive.size()) return {};
    const QString dirs = path.mid(drive.size(), end - drive.size());
    QStringList names;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= dirs.size(); ++i) {
        if (i == dirs.size() || isSeparator(dirs[i])) {
            if (i > start) names << dirs.mid(start, i - start);
            start = i + 1;
        }
    }
    return names;
}

} // namespace

QString extractRelativePath(const QString& base, const QString& target, CaseRule rule)
{
    if (base.isEmpty() || drivePart(base).compare(drivePart(target), Qt::CaseInsensitive) != 0) return target;
    const Qt::CaseSensitivity cs = rule == CaseRule::IgnoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive;
    const QStringList baseDirs = directoryNames(base);
    const QStringList targetDirs = directoryNames(target);
    qsizetype common = 0;
    while (
        common < baseDirs.size() && common < targetDirs.size() && baseDirs[common].compare(targetDirs[common], cs) == 0)
        ++common;
    QString result;
    for (qsizetype i = common; i < baseDirs.size(); ++i)
        result += QStringLiteral("../");
    for (qsizetype i = common; i < targetDirs.size(); ++i)
        result += targetDirs[i] + u'/';
    return result + fileNameOf(target);
}

QString webby(const QString& text)
{
    QString result = text;
    return result.replace(u'\\', u'/');
}

bool isAbsolutePath(const QString& path)
{
    if (!path.isEmpty() && isSeparator(path[0])) return true;
    return hasDriveLetter(path) && path.size() >= 3 && isSeparator(path[2]);
}

QString absolutePath(const QString& path, const QString& dir)
{
    return isAbsolutePath(path) ? path : withTrailingSeparator(dir) + path;
}

QString withTrailingSeparator(const QString& dir)
{
    if (!dir.isEmpty() && isSeparator(dir.back())) return dir;
    return dir + (dir.contains(u'\\') && !dir.contains(u'/') ? u'\\' : u'/');
}

QString relativeBase(const QString& documentFileName, const QString& currentDir)
{
    if (!documentFileName.isEmpty() && QFileInfo(documentFileName).isFile()) return documentFileName;
    return withTrailingSeparator(currentDir);
}

QString relativePathForwardSlash(const QString& file, const QString& base, const QString& currentDir, CaseRule rule)
{
    return webby(extractRelativePath(base, absolutePath(file, currentDir), rule));
}

QString fileNameOf(const QString& path)
{
    const qsizetype at = std::max(lastSeparator(path), hasDriveLetter(path) ? qsizetype(1) : qsizetype(-1));
    return path.mid(at + 1);
}

QString fileExtension(const QString& path)
{
    const QString name = fileNameOf(path);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot);
}

QString directoryOf(const QString& file)
{
    return file.isEmpty() ? QDir::currentPath() : QFileInfo(file).absolutePath();
}
