#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Pixel size of an image, read from its header alone.
struct ImageSize {
    quint32 width = 0;
    quint32 height = 0;
    bool operator==(const ImageSize&) const = default;
};

// Each reader takes the file's bytes; a short, broken or foreign file has no size.
std::optional<ImageSize> gifSize(const QByteArray& bytes);
std::optional<ImageSize> jpegSize(const QByteArray& bytes);
std::optional<ImageSize> pngSize(const QByteArray& bytes);

// ".gif", ".jpg", ".jpeg" and ".png", in any letter case.
bool isImageFileName(const QString& path);

// Reads the file and picks the reader by extension. Throws FileError when the file cannot be
// read; no size for other extensions.
std::optional<ImageSize> readImageSize(const QString& path);
