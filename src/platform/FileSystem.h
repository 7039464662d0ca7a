#pragma once

#include <QString>

// The few file-system facts and calls that Qt does not offer: link counts, owners, space
// reservation and syncing. Each call that can fail gives the system's reason in `error`.
namespace FileSystem {

struct Facts {
    bool exists = false;
    bool regular = false; // a regular file (after following links)
    bool link = false; // the name itself is a symbolic link
    unsigned links = 0; // hard links to the file
    unsigned owner = 0;
    unsigned group = 0;
};
Facts facts(const QString& path);

// True when the name is a regular file and not a symbolic link to one.
bool isPlainFile(const QString& path);

// Makes sure `size` bytes can be written to the open file without running out of space.
bool reserve(int handle, qint64 size, QString* error);
// Waits until what was written to the open file is on the disk.
bool sync(int handle, QString* error);
// Gives the open file the owner and group of the file it replaces; quietly nothing where the
// user may not (only root may give a file away).
void keepOwner(int handle, const Facts& replaced);

// A file-size limit makes a write fail with an error instead of ending the program.
void ignoreFileSizeSignal();

} // namespace FileSystem
