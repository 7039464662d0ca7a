#pragma once

#include <QLockFile>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

// Recovery copies of unsaved changes in the settings directory: "recovery-ID.txt" holds the
// document's name on its first line (empty for a never-saved document), then its text, UTF-8.
// Each running session holds "recovery-ID.lock"; a copy whose lock nobody holds was left by a
// session that ended without removing it.
class RecoveryStore {
public:
    struct Copy {
        QString path; // the copy itself
        QString documentName;
        QString text;
    };

    explicit RecoveryStore(const QString& dir);
    // A clean end: the session's copy and lock go.
    ~RecoveryStore();

    // Takes this session's lock (done before its first copy); false when it cannot be taken.
    bool lock();
    // Writes the copy whole or not at all. Errors throw FileError.
    void write(const QString& documentName, const QString& text);
    // Removes this session's copy, if any.
    void remove();
    QString copyPath() const;

    // Copies left by sessions that are gone, newest first; this session's own never.
    QStringList strandedCopies() const;
    static std::optional<Copy> read(const QString& path);
    // Removes a stranded copy and its lock.
    static void discard(const QString& path);

private:
    QString m_dir;
    QString m_id;
    std::unique_ptr<QLockFile> m_lock;
};
