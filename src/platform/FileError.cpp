#include "platform/FileError.h"

#include <QDir>

FileError FileError::cannotOpen(const QString& path, const QString& reason)
{
    return FileError(QStringLiteral("Cannot open file \"%1\". %2").arg(QDir::toNativeSeparators(path), reason));
}

FileError FileError::cannotCreate(const QString& path, const QString& reason)
{
    return FileError(QStringLiteral("Cannot create file \"%1\". %2").arg(QDir::toNativeSeparators(path), reason));
}
