#pragma once

#include "editor/DiskState.h"
#include "editor/TextFile.h"

#include <QString>
#include <QStringList>

// A user's file being edited as text: its name, how it was written (encoding, byte-order mark,
// line breaks, a NUL's position) and what it looked like on disk when this program last read or
// wrote it. Every editor of a file (the main document, code panes, rewritten pages, style
// sheets, the jotter) loads and saves through one, so all of them keep the same promises.
class DocumentFile {
public:
    // Reads the file and makes it this one. The text has every break as one LF. Throws FileError;
    // nothing changes then.
    // With `as`, the bytes are read in that encoding instead of the one they look like.
    QString load(const QString& path, std::optional<TextFormat::Encoding> as = std::nullopt);
    // Writes the paragraphs to target in the given format through the checked writer, and makes
    // target this file. Throws FileError; nothing changes then.
    void write(const QString& target, const QStringList& paragraphs, const TextFormat& format);
    // Forgets the file: a new, never-saved text.
    void clear() { *this = DocumentFile(); }

    QString path() const { return m_path; }
    const TextFormat& format() const { return m_format; }
    void setFormat(const TextFormat& format) { m_format = format; }
    const DiskState& disk() const { return m_disk; }
    // True when target names this file.
    bool isThisFile(const QString& target) const;
    // True when another program changed the file since it was loaded or written here.
    bool changedOutside() const;

private:
    QString m_path;
    TextFormat m_format;
    DiskState m_disk;
};
