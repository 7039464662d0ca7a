#pragma once

#include "platform/Shell.h"

#include <QStringList>

// Records what the program asked the desktop to do; moveToTrash really removes the path
// unless told to fail, so tests can see the effect on disk.
class FakeShell : public Shell {
public:
    bool openFile(const QString& path) override;
    bool openUrl(const QString& url) override;
    bool startProgram(const QString& program, const QStringList& arguments) override;
    bool moveToTrash(const QString& path) override;

    QStringList requests; // "open <path>", "url <url>", "start <program> | <arg> | ...", "trash <path>"
    bool trashFails = false;
};
