#pragma once

#include <QString>
#include <QStringList>

// Where the program keeps its settings files and finds its read-only data.
namespace AppDirs {

// Reads --settings-dir DIR from the arguments (removing both words) and remembers it.
// Call once at start-up, before anything asks for the settings directory.
QStringList takeSettingsOverride(const QStringList& arguments);

// Sets the settings directory directly; tests use this.
void setSettingsDir(const QString& dir);

// The settings directory with a trailing '/': the --settings-dir override, else
// PELORIN95_SETTINGS_DIR, else beside the executable for a portable install (a file named
// "portable" there), else the user's configuration directory (~/.config/pelorin95).
// The directory is created when missing.
QString settingsDir();
QString settingsFile(const QString& name);

// The data directory with a trailing '/': beside the executable when data is there, else the
// installed share directory.
QString dataDir();
// Sets the data directory directly; tests use this. Empty restores the default.
void setDataDir(const QString& dir);
QString dataFile(const QString& name);

} // namespace AppDirs
