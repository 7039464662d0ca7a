#include "navigator/ImageSize.h"

#include "editor/TextFile.h"
#include "shared/RelativePath.h"

namespace {

// Reads a byte array front to back; a read past the end fails instead of wrapping around.
class ByteReader {
public:
    explicit ByteReader(const QByteArray& bytes)
        : m_bytes(bytes)
    { }
    bool atEnd() const { return m_pos >= m_bytes.size(); }
    std::optional<quint8> byte()
    {
        if (atEnd()) return std::nullopt;
        return quint8(m_bytes[m_pos++]);
    }
    bool skip(qsizetype count)
    {
        if (count < 0 || m_bytes.size() - m_pos < count) return false;
        m_pos += count;
        return true;
    }
    std::optional<quint32> bigEndian(int count)
    {
        if (m_bytes.size() - m_pos < count) return std::nullopt;
        quint32 value = 0;
        for (int i = 0; i < count; ++i)
            value = value << 8 | quint8(m_bytes[m_pos++]);
        return value;
    }
    std::optional<quint16> littleEndian16()
    {
        auto value = bigEndian(2);
        if (!value) return std::nullopt;
        return quint16((*value >> 8) | ((*value & 0xFF) << 8));
    }

private:
    const QByteArray& m_bytes;
    qsizetype m_pos = 0;
};

bool isStartOfFrame(quint8 code)
{
    return code >= 0xC0 && code <= 0xCF && code != 0xC4 && code != 0xC8 && code != 0xCC;
}
bool isStandalone(quint8 code) { return code == 0x01 || (code >= 0xD0 && code <= 0xD8); }

} // namespace

std::optional<ImageSize> gifSize(const QByteArray& bytes)
{
    if (bytes.size() < 14 || !bytes.startsWith("GIF")) return std::nullopt;
    ByteReader in(bytes);
    const quint8 packed = quint8(bytes[10]);
    in.skip(13);
    if ((packed & 0x80) && !in.skip(3 * (qsizetype(2) << (packed & 7)))) return std::nullopt;
    // Walk the blocks: extensions are skipped by their sub-block sizes, so a 0x2C inside their
    // data is not taken for the image separator.
    while (auto introducer = in.byte()) {
        if (*introducer == 0x2C) {
            in.skip(4);
            auto width = in.littleEndian16();
            auto height = in.littleEndian16();
            if (!width || !height) return std::nullopt;
            return ImageSize { *width, *height };
        }
        if (*introducer != 0x21 || !in.byte()) return std::nullopt;
        for (auto size = in.byte(); size && *size != 0; size = in.byte())
            if (!in.skip(*size)) return std::nullopt;
    }
    return std::nullopt;
}

std::optional<ImageSize> jpegSize(const QByteArray& bytes)
{
    if (!bytes.startsWith("\xFF\xD8")) return std::nullopt;
    ByteReader in(bytes);
    in.skip(2);
    auto marker = in.byte();
    while (marker && *marker == 0xFF) {
        auto code = in.byte();
        while (code && *code == 0xFF)
            code = in.byte();
        if (!code || *code == 0xD9) return std::nullopt;
        if (isStartOfFrame(*code)) {
            in.skip(3);
            auto height = in.bigEndian(2);
            auto width = in.bigEndian(2);
            if (!height || !width) return std::nullopt;
            return ImageSize { *width, *height };
        }
        if (isStandalone(*code)) continue;
        auto length = in.bigEndian(2);
        if (!length || *length < 2 || !in.skip(*length - 2)) return std::nullopt;
        marker = in.byte();
    }
    return std::nullopt;
}

std::optional<ImageSize> pngSize(const QByteArray& bytes)
{
    static const QByteArray signature("\x89PNG\r\n\x1A\n", 8);
    if (!bytes.startsWith(signature) || bytes.mid(12, 4) != "IHDR") return std::nullopt;
    ByteReader in(bytes);
    in.skip(16);
    auto width = in.bigEndian(4);
    auto height = in.bigEndian(4);
    if (!width || !height) return std::nullopt;
    return ImageSize { *width, *height };
}

bool isImageFileName(const QString& path)
{
    static const QStringList extensions { ".gif", ".jpg", ".jpeg", ".png" };
    return extensions.contains(fileExtension(path), Qt::CaseInsensitive);
}

std::optional<ImageSize> readImageSize(const QString& path)
{
    const QString extension = fileExtension(path).toLower();
    if (!isImageFileName(path)) return std::nullopt;
    const QByteArray bytes = readBytes(path);
    if (extension == ".gif") return gifSize(bytes);
    if (extension == ".png") return pngSize(bytes);
    return jpegSize(bytes);
}
