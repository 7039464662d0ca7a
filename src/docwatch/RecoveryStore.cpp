#include "docwatch/RecoveryStore.h"

#include "editor/TextFile.h"
#include "platform/FileError.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
const QString kPrefix = QStringLiteral("recovery-");

QString lockPathOf(const QString& copyPath)
{
    return copyPath.left(copyPath.size() - int(QStringLiteral(".txt").size())) + QStringLiteral(".lock");
}
} // namespace

RecoveryStore::RecoveryStore(const QString& dir)
    : m_dir(dir)
    , m_id(QStringLiteral("%1-%2").arg(QCoreApplication::applicationPid()).arg(QDateTime::currentMSecsSinceEpoch()))
{ }

RecoveryStore::~RecoveryStore() { remove(); }

QString RecoveryStore::copyPath() const { return QDir(m_dir).filePath(kPrefix + m_id + QStringLiteral(".txt")); }

bool RecoveryStore::lock()
{
    if (m_lock) return true;
    auto lock = std::make_unique<QLockFile>(lockPathOf(copyPath()));
    // A live session's lock is never taken as stale, however old it is.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) return false;
    m_lock = std::move(lock);
    return true;
}

void RecoveryStore::write(const QString& documentName, const QString& text)
{
    const QString path = copyPath();
    if (!lock()) throw FileError::cannotCreate(lockPathOf(path), QStringLiteral("The file is locked."));
    writeBytes(path, (documentName + QStringLiteral("\r\n") + text).toUtf8());
}

void RecoveryStore::remove() { QFile::remove(copyPath()); }

QStringList RecoveryStore::strandedCopies() const
{
    QStringList stranded;
    const QFileInfoList copies
        = QDir(m_dir).entryInfoList({ kPrefix + QStringLiteral("*.txt") }, QDir::Files, QDir::Time);
    for (const QFileInfo& copy : copies) {
        const QString path = copy.absoluteFilePath();
        if (path == QFileInfo(copyPath()).absoluteFilePath()) continue;
        // Taking the lock succeeds only when its session is gone (or never held one).
        QLockFile probe(lockPathOf(path));
        probe.setStaleLockTime(0);
        if (probe.tryLock(0)) stranded << path;
    }
    return stranded;
}

std::optional<RecoveryStore::Copy> RecoveryStore::read(const QString& path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QString all = QString::fromUtf8(file.readAll());
    const qsizetype end = all.indexOf(QStringLiteral("\r\n"));
    if (end < 0) return std::nullopt;
    return Copy { path, all.left(end), all.mid(end + 2) };
}

void RecoveryStore::discard(const QString& path)
{
    QFile::remove(path);
    QFile::remove(lockPathOf(path));
}
