#pragma once

#include <QByteArray>
#include <initializer_list>

// Handmade image files, small enough to build byte by byte.
namespace imagebytes {

inline QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (int v : values)
        result.append(char(v));
    return result;
}

inline QByteArray le16(int v) { return bytes({ v & 0xFF, v >> 8 }); }
inline QByteArray be16(int v) { return bytes({ v >> 8, v & 0xFF }); }

// GIF89a, logical screen 1x1, optional global colour table of 2 entries, then the blocks.
inline QByteArray gif(const QByteArray& blocks, bool colourTable = true)
{
    QByteArray data = "GIF89a" + le16(1) + le16(1) + bytes({ colourTable ? 0x80 : 0x00, 0, 0 });
    if (colourTable) data += QByteArray(6, char(0x2C)); // colour entries that look like separators
    return data + blocks;
}

inline QByteArray gifDescriptor(int width, int height)
{
    return bytes({ 0x2C }) + le16(0) + le16(0) + le16(width) + le16(height) + bytes({ 0, 2 });
}

// A graphic control extension whose delay byte is 0x2C.
inline QByteArray gifControlExtension() { return bytes({ 0x21, 0xF9, 4, 0, 0x2C, 0, 0, 0 }); }

inline QByteArray jpeg(const QByteArray& segments) { return bytes({ 0xFF, 0xD8 }) + segments; }
inline QByteArray jpegSegment(int code, const QByteArray& payload)
{
    return bytes({ 0xFF, code }) + be16(payload.size() + 2) + payload;
}
inline QByteArray jpegFrame(int code, int width, int height)
{
    return jpegSegment(code, bytes({ 8 }) + be16(height) + be16(width) + bytes({ 3 }));
}
inline QByteArray jfif() { return jpegSegment(0xE0, QByteArray("JFIF\0\1\1\0\0\1\0\1\0\0", 14)); }

inline QByteArray png(int width, int height)
{
    QByteArray data("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR", 16);
    return data + be16(0) + be16(width) + be16(height >> 16) + be16(height & 0xFFFF) + bytes({ 8, 6, 0, 0, 0 });
}

} // namespace imagebytes
