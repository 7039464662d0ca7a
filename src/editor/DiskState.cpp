#include "editor/DiskState.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace {
QByteArray hashOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(&file);
    return hash.result();
}
} // namespace

DiskState DiskState::of(const QString& path)
{
    DiskState state;
    const QFileInfo info(path);
    if (!info.isFile()) return state;
    state.exists = true;
    state.size = info.size();
    state.modified = info.lastModified();
    state.hash = hashOf(path);
    return state;
}

DiskState DiskState::of(const QString& path, const QByteArray& bytes)
{
    DiskState state;
    const QFileInfo info(path);
    if (!info.isFile()) return state;
    state.exists = true;
    state.size = bytes.size();
    state.modified = info.lastModified();
    state.hash = QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
    return state;
}

DiskChange changeSince(const DiskState& known, const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile()) return known.exists ? DiskChange::Deleted : DiskChange::None;
    if (!known.exists || info.size() != known.size) return DiskChange::Changed;
    if (info.lastModified() == known.modified) return DiskChange::None;
    return hashOf(path) == known.hash ? DiskChange::None : DiskChange::Changed;
}
