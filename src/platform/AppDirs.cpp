#include "platform/AppDirs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace AppDirs {
namespace {
QString& overrideDir()
{
    static QString dir;
    return dir;
}

QString withSlash(QString dir)
{
    if (!dir.endsWith(QLatin1Char('/'))) dir += QLatin1Char('/');
    return dir;
}

QString executableDir()
{
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
}
} // namespace

QStringList takeSettingsOverride(const QStringList& arguments)
{
    QStringList rest;
    for (int i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--settings-dir") && i + 1 < arguments.size()) {
            overrideDir() = arguments[++i];
            continue;
        }
        if (arguments[i].startsWith(QLatin1String("--settings-dir="))) {
            overrideDir() = arguments[i].mid(15);
            continue;
        }
        rest << arguments[i];
    }
    return rest;
}

void setSettingsDir(const QString& dir) { overrideDir() = dir; }

QString settingsDir()
{
    QString dir = overrideDir();
    if (dir.isEmpty()) dir = qEnvironmentVariable("PELORIN95_SETTINGS_DIR");
    if (dir.isEmpty()) {
        // Beside the executable only for a portable install that asks for it: a program run as
        // root from /usr/bin must not leave its files there.
        if (QFileInfo(executableDir() + QLatin1String("/portable")).isFile())
            dir = executableDir();
        else
            dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1String("/pelorin95");
    }
    QDir().mkpath(dir);
    return withSlash(QDir(dir).absolutePath());
}

QString settingsFile(const QString& name) { return settingsDir() + name; }

QString& dataOverride()
{
    static QString dir;
    return dir;
}

void setDataDir(const QString& dir) { dataOverride() = dir; }

QString dataDir()
{
    if (!dataOverride().isEmpty()) return withSlash(dataOverride());
    // Beside the executable (a build or a portable install), else the share directory of the
    // prefix the executable is installed in, else the one it was built for.
    const QString beside = executableDir();
    for (const QString& dir : { beside, beside + QLatin1String("/../share/pelorin95") }) {
        if (QFileInfo::exists(dir + QLatin1String("/list.jsd")) || QFileInfo::exists(dir + QLatin1String("/brief.htm")))
            return withSlash(QDir::cleanPath(dir));
    }
    return withSlash(QStringLiteral(PELORIN_DATA_PREFIX));
}

QString dataFile(const QString& name) { return dataDir() + name; }

} // namespace AppDirs
