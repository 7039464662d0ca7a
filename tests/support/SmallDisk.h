#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <sys/mount.h>
#include <unistd.h>

// A real small file system (tmpfs) for the life of the object, so a full disk fails where a real
// one does: at the flush or at the rename, not at the first write. Only root may mount; tests
// skip when `mounted()` is false.
class SmallDisk {
public:
    explicit SmallDisk(qint64 bytes)
    {
        if (geteuid() != 0 || !m_dir.isValid()) return;
        const QByteArray options = "size=" + QByteArray::number(bytes);
        m_mounted = ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0, options.constData()) == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted) ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return m_mounted; }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }
    QString path() const { return m_dir.path(); }

    // Fills the disk until at most `room` bytes are left (in whole pages, as tmpfs counts).
    void fill(qint64 room = 0)
    {
        QFile filler(filePath(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return;
        const QByteArray page(4096, 'f');
        while (filler.write(page) == page.size()) { }
        if (room > 0) filler.resize(std::max<qint64>(0, filler.size() - room));
    }
    // The names in the disk's top directory other than the filler.
    QStringList names() const
    {
        QStringList list = QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        list.removeAll(QStringLiteral("filler"));
        return list;
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};
