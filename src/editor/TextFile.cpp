#include "editor/TextFile.h"

#include "platform/FileError.h"
#include "platform/FileSystem.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <optional>

namespace {
// 0x80..0x9F of Windows-1252; 0 marks the five unassigned bytes, which map to C1 controls.
const char16_t kHighTable[32] = { 0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0, 0x017D, 0, 0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161,
    0x203A, 0x0153, 0, 0x017E, 0x0178 };
} // namespace

QString TextFormat::breakText() const
{
    switch (lineBreak) {
    case LineBreak::Lf:
        return QStringLiteral("\n");
    case LineBreak::Cr:
        return QStringLiteral("\r");
    case LineBreak::CrLf:
        break;
    }
    return QStringLiteral("\r\n");
}

QString TextFormat::describe() const
{
    QString name;
    switch (encoding) {
    case Encoding::Utf8:
        name = QStringLiteral("UTF-8");
        break;
    case Encoding::Windows1252:
        name = QStringLiteral("Windows-1252");
        break;
    case Encoding::Utf16Le:
        name = QStringLiteral("UTF-16LE");
        break;
    case Encoding::Utf16Be:
        name = QStringLiteral("UTF-16BE");
        break;
    }
    const QString breaks = lineBreak == LineBreak::CrLf ? QStringLiteral("CR LF")
        : lineBreak == LineBreak::Lf                    ? QStringLiteral("LF")
                                                        : QStringLiteral("CR");
    return name + QLatin1Char(' ') + breaks;
}

namespace {
constexpr char16_t kEscapeBase = 0xF700;

// Length of the valid UTF-8 sequence at i, or 0 when the byte there does not start one.
int utf8SequenceAt(const QByteArray& bytes, qsizetype i)
{
    const auto at = [&](qsizetype k) { return static_cast<unsigned char>(bytes[k]); };
    const unsigned char b = at(i);
    if (b < 0x80) return 1;
    int length = 0;
    unsigned min = 0;
    if (b >= 0xC2 && b <= 0xDF) {
        length = 2;
        min = 0x80;
    } else if (b >= 0xE0 && b <= 0xEF) {
        length = 3;
        min = 0x800;
    } else if (b >= 0xF0 && b <= 0xF4) {
        length = 4;
        min = 0x10000;
    } else {
        return 0;
    }
    if (i + length > bytes.size()) return 0;
    unsigned code = b & (0xFF >> (length + 1));
    for (int k = 1; k < length; ++k) {
        const unsigned char c = at(i + k);
        if ((c & 0xC0) != 0x80) return 0;
        code = (code << 6) | (c & 0x3F);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return length;
}

// UTF-8 with each invalid byte kept as U+F700 + byte; nullopt when the bytes hold no valid
// multi-byte sequence at all (then they are most likely Windows-1252) unless the caller asked
// for UTF-8 whatever, or when they hold a character of the range that keeps bytes.
std::optional<QString> decodeUtf8KeepingStrays(const QByteArray& bytes, bool needsMultiByte = true)
{
    QString text;
    text.reserve(bytes.size());
    bool multiByte = false;
    qsizetype run = 0; // start of the valid run not yet converted
    qsizetype i = 0;
    const auto flush = [&](qsizetype end) {
        // A U+FEFF inside the text is a character, not a mark to drop.
        if (end > run)
            text += QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom)
                        .decode(QByteArrayView(bytes.constData() + run, end - run));
    };
    while (i < bytes.size()) {
        const int length = utf8SequenceAt(bytes, i);
        if (length == 3) {
            // A real character of the range that holds kept bytes: they could not be told apart.
            const auto at = [&](qsizetype k) { return unsigned(static_cast<unsigned char>(bytes[k])); };
            const unsigned code = ((at(i) & 0x0F) << 12) | ((at(i + 1) & 0x3F) << 6) | (at(i + 2) & 0x3F);
            if (code >= unsigned(kEscapeBase + 0x80) && code <= unsigned(kEscapeBase + 0xFF)) return std::nullopt;
        }
        if (length > 0) {
            multiByte = multiByte || length > 1;
            i += length;
            continue;
        }
        flush(i);
        text += QChar(char16_t(kEscapeBase + static_cast<unsigned char>(bytes[i])));
        run = ++i;
    }
    flush(i);
    if (!multiByte && needsMultiByte) return std::nullopt;
    return text;
}
} // namespace

QString decodeWindows1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b < 0xA0 && kHighTable[b - 0x80])
            *out++ = QChar(kHighTable[b - 0x80]);
        else
            *out++ = QChar(b);
    }
    return text;
}

bool encodeWindows1252(const QString& text, QByteArray* out)
{
    out->resize(text.size());
    char* p = out->data();
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u < 0x100) || (u >= 0x80 && u < 0xA0 && !kHighTable[u - 0x80])) {
            *p++ = static_cast<char>(u);
            continue;
        }
        int found = -1;
        for (int i = 0; i < 32; ++i)
            if (kHighTable[i] == u) found = i;
        if (found < 0) return false;
        *p++ = static_cast<char>(0x80 + found);
    }
    return true;
}

namespace {
// The text of bytes read in the given encoding.
QString decodeAs(QByteArray bytes, TextFormat::Encoding encoding, TextFormat* format)
{
    using E = TextFormat::Encoding;
    format->encoding = encoding;
    if (encoding == E::Utf16Le || encoding == E::Utf16Be) {
        const bool le = encoding == E::Utf16Le;
        format->byteOrderMark = bytes.startsWith(le ? "\xFF\xFE" : "\xFE\xFF");
        if (format->byteOrderMark) bytes.remove(0, 2);
        QStringDecoder decoder(le ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE, QStringDecoder::Flag::ConvertInitialBom);
        return decoder.decode(bytes);
    }
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0) {
        format->nulAt = nul;
        bytes.truncate(nul);
    }
    if (encoding == E::Windows1252) return decodeWindows1252(bytes);
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        format->byteOrderMark = true;
        bytes.remove(0, 3);
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        if (auto kept = decodeUtf8KeepingStrays(bytes, false)) {
            format->keepsInvalidBytes = true;
            text = std::move(*kept);
        }
    }
    return text;
}
} // namespace

QString decodeToText(QByteArray bytes, TextFormat* format, std::optional<TextFormat::Encoding> as)
{
    *format = TextFormat();
    QString text;
    const bool utf16Le = bytes.startsWith("\xFF\xFE");
    if (as) {
        text = decodeAs(std::move(bytes), *as, format);
    } else if (utf16Le || bytes.startsWith("\xFE\xFF")) {
        format->encoding = utf16Le ? TextFormat::Encoding::Utf16Le : TextFormat::Encoding::Utf16Be;
        format->byteOrderMark = true;
        QStringDecoder decoder(
            utf16Le ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE, QStringDecoder::Flag::ConvertInitialBom);
        text = decoder.decode(QByteArrayView(bytes.constData() + 2, bytes.size() - 2));
    } else {
        const qsizetype nul = bytes.indexOf('\0');
        if (nul >= 0) {
            format->nulAt = nul;
            bytes.truncate(nul);
        }
        if (bytes.startsWith("\xEF\xBB\xBF")) {
            format->byteOrderMark = true;
            bytes.remove(0, 3);
        }
        // The file's own mark is gone already; a second one is text and stays.
        QStringDecoder decoder(
            QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
        text = decoder.decode(bytes);
        if (decoder.hasError()) {
            if (auto kept = decodeUtf8KeepingStrays(bytes)) {
                format->keepsInvalidBytes = true;
                text = std::move(*kept);
            } else {
                format->encoding = TextFormat::Encoding::Windows1252;
                format->byteOrderMark = false;
                text = decodeWindows1252(bytes);
            }
        }
    }

    // Every break becomes one LF, in place; the first break tells the file's style.
    bool styleKnown = false;
    const qsizetype n = text.size();
    QChar* s = text.data();
    qsizetype out = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = s[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) {
            s[out++] = c;
            continue;
        }
        const QChar other = c == QLatin1Char('\r') ? QLatin1Char('\n') : QLatin1Char('\r');
        const bool pair = i + 1 < n && s[i + 1] == other;
        if (!styleKnown) {
            styleKnown = true;
            if (c == QLatin1Char('\n'))
                format->lineBreak = TextFormat::LineBreak::Lf; // LF and LF CR files save with LF
            else
                format->lineBreak = pair ? TextFormat::LineBreak::CrLf : TextFormat::LineBreak::Cr;
        }
        if (pair) ++i;
        s[out++] = QLatin1Char('\n');
    }
    text.truncate(out);
    return text;
}

TextFileContent decodeText(QByteArray bytes)
{
    TextFileContent result;
    result.paragraphs = decodeToText(std::move(bytes), &result.format).split(QLatin1Char('\n'));
    return result;
}

bool fitsEncoding(const QStringList& paragraphs, const TextFormat& format)
{
    if (format.encoding != TextFormat::Encoding::Windows1252) return true;
    QByteArray bytes;
    for (const QString& p : paragraphs)
        if (!encodeWindows1252(p, &bytes)) return false;
    return true;
}

QByteArray encodeText(const QStringList& paragraphs, const TextFormat& format)
{
    const QString text = paragraphs.join(format.breakText());
    switch (format.encoding) {
    case TextFormat::Encoding::Windows1252: {
        QByteArray bytes;
        if (encodeWindows1252(text, &bytes)) return bytes;
        return text.toUtf8();
    }
    case TextFormat::Encoding::Utf16Le:
    case TextFormat::Encoding::Utf16Be: {
        const bool le = format.encoding == TextFormat::Encoding::Utf16Le;
        QStringEncoder encoder(le ? QStringEncoder::Utf16LE : QStringEncoder::Utf16BE);
        QByteArray bytes = encoder.encode(text);
        bytes.prepend(le ? "\xFF\xFE" : "\xFE\xFF");
        return bytes;
    }
    case TextFormat::Encoding::Utf8:
        break;
    }
    QByteArray bytes;
    if (!format.keepsInvalidBytes) {
        bytes = text.toUtf8();
    } else {
        // The kept bytes go back as they were; the text between them as UTF-8.
        bytes.reserve(text.size());
        qsizetype run = 0;
        for (qsizetype i = 0; i <= text.size(); ++i) {
            const bool kept
                = i < text.size() && text[i].unicode() >= kEscapeBase + 0x80 && text[i].unicode() <= kEscapeBase + 0xFF;
            if (!kept && i < text.size()) continue;
            bytes += QStringView(text).mid(run, i - run).toUtf8();
            if (kept) bytes += char(text[i].unicode() - kEscapeBase);
            run = i + 1;
        }
    }
    if (format.byteOrderMark) bytes.prepend("\xEF\xBB\xBF");
    return bytes;
}

QByteArray readBytes(const QString& path)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) throw FileError::cannotOpen(path, QStringLiteral("It is not a regular file."));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw FileError::cannotOpen(path, file.errorString());
    return file.readAll();
}

namespace {
// Writes over the file itself. The whole new size is reserved first, so a full disk fails before
// a byte of the old contents is touched.
void writeInPlace(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)) throw FileError::cannotCreate(path, file.errorString());
    QString error;
    if (!FileSystem::reserve(file.handle(), bytes.size(), &error)) throw FileError::cannotCreate(path, error);
    if (!writeAll(file, bytes) || !file.flush() || !file.resize(bytes.size()))
        throw FileError::cannotCreate(path, file.errorString());
    if (!FileSystem::sync(file.handle(), &error)) throw FileError::cannotCreate(path, error);
}
} // namespace

void writeBytes(const QString& path, const QByteArray& bytes)
{
    const FileSystem::Facts target = FileSystem::facts(path);
    // A pipe or a device would be replaced by the rename (a directory refuses, in Qt's words).
    if (target.exists && !target.regular && !QFileInfo(path).isDir())
        throw FileError::cannotCreate(path, QStringLiteral("It is not a regular file."));
    // A rename would leave the file's other names holding the old contents.
    if (target.regular && target.links > 1) return writeInPlace(path, bytes);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        // No temporary file can be made beside it (a directory the user may not write).
        if (target.regular) return writeInPlace(path, bytes);
        throw FileError::cannotCreate(path, file.errorString());
    }
    // The bytes may sit in a buffer until flushed, and a full disk shows only then: every step is
    // checked before the new file takes the old one's name.
    QString error;
    bool ok = writeAll(file, bytes) && file.flush();
    if (!ok) error = file.errorString();
    else ok = FileSystem::sync(file.handle(), &error);
    if (ok) FileSystem::keepOwner(file.handle(), target);
    if (!ok) {
        file.cancelWriting();
        throw FileError::cannotCreate(path, error);
    }
    if (!file.commit()) throw FileError::cannotCreate(path, file.errorString());
}

bool writeAll(QIODevice& device, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const qint64 written = device.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) return false;
        done += written;
    }
    return true;
}

TextFileContent readTextFile(const QString& path) { return decodeText(readBytes(path)); }

void writeTextFile(const QString& path, const QStringList& paragraphs, const TextFormat& format)
{
    writeBytes(path, encodeText(paragraphs, format));
}
