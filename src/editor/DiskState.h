#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// What a file on disk looked like when the program last read or wrote it, so a later look can
// tell an outside change from the program's own writes.
struct DiskState {
    bool exists = false;
    qint64 size = 0;
    QDateTime modified;
    QByteArray hash; // of the contents; empty when the file is missing or unreadable

    static DiskState of(const QString& path);
    // The same for a file whose contents were just read or written as `bytes`.
    static DiskState of(const QString& path, const QByteArray& bytes);
};

enum class DiskChange { None, Changed, Deleted };

// How the file differs now from `known`. The contents are read only when size and time leave it
// open, so a file merely touched is not reported and unrelated events cost little.
DiskChange changeSince(const DiskState& known, const QString& path);
