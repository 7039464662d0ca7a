#pragma once

#include <QString>

// How directory names compare: ignoring case where the file system does (Windows, macOS),
// exactly on Linux.
enum class CaseRule { Exact, IgnoreCase };
CaseRule defaultCaseRule();

// Path math over plain strings: both '/' and '\' separate names, so Windows paths (drive
// letters, \\server\share) work the same on every system.

// The path from base's directory to target, with '/' between names. base is a file name or a
// directory with a trailing separator. A target on another drive or share, or an empty base,
// gives the target unchanged.
QString extractRelativePath(const QString& base, const QString& target, CaseRule rule = defaultCaseRule());

// Every backslash turned into '/'.
QString webby(const QString& text);

// True for "/x", "\x", "C:\x", "C:/x" and "\\server\share".
bool isAbsolutePath(const QString& path);
// path resolved against dir unless it is absolute already.
QString absolutePath(const QString& path, const QString& dir);
// dir with a trailing separator.
QString withTrailingSeparator(const QString& dir);

// The base the navigator and the link commands measure from: the document when its file
// exists, else the current directory with a trailing separator.
QString relativeBase(const QString& documentFileName, const QString& currentDir);

// file made absolute against currentDir, then relative from base, with forward slashes.
QString relativePathForwardSlash(
    const QString& file, const QString& base, const QString& currentDir, CaseRule rule = defaultCaseRule());

// The extension with its dot ("" when there is none); only the last name counts.
QString fileExtension(const QString& path);
// The last name of a path.
QString fileNameOf(const QString& path);

// The directory holding file, made absolute; the current directory when there is no file name.
QString directoryOf(const QString& file);
