#include "editor/DocumentFile.h"

#include <QFileInfo>

QString DocumentFile::load(const QString& path, std::optional<TextFormat::Encoding> as)
{
    const QByteArray bytes = readBytes(path);
    TextFormat format;
    QString text = decodeToText(bytes, &format, as);
    m_path = QFileInfo(path).absoluteFilePath();
    m_format = format;
    m_disk = DiskState::of(m_path, bytes);
    return text;
}

void DocumentFile::write(const QString& target, const QStringList& paragraphs, const TextFormat& format)
{
    const QByteArray bytes = encodeText(paragraphs, format);
    writeBytes(target, bytes);
    m_path = QFileInfo(target).absoluteFilePath();
    m_format = format;
    m_format.nulAt = -1;
    m_disk = DiskState::of(m_path, bytes);
}

bool DocumentFile::isThisFile(const QString& target) const
{
    return !m_path.isEmpty() && QFileInfo(target) == QFileInfo(m_path);
}

bool DocumentFile::changedOutside() const
{
    return !m_path.isEmpty() && m_disk.exists && changeSince(m_disk, m_path) == DiskChange::Changed;
}
