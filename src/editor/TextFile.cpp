#include "editor/TextFile.h"

#include "platform/FileError.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

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

QString decodeToText(QByteArray bytes, TextFormat* format)
{
    *format = TextFormat();
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0) bytes.truncate(nul);

    QString text;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        format->byteOrderMark = true;
        text = QString::fromUtf8(bytes.constData() + 3, bytes.size() - 3);
    } else {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        text = decoder.decode(bytes);
        if (decoder.hasError()) {
            format->encoding = TextFormat::Encoding::Windows1252;
            text = decodeWindows1252(bytes);
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

QByteArray encodeText(const QStringList& paragraphs, const TextFormat& format)
{
    const QString text = paragraphs.join(format.breakText());
    if (format.encoding == TextFormat::Encoding::Windows1252) {
        QByteArray bytes;
        if (encodeWindows1252(text, &bytes)) return bytes;
    }
    QByteArray bytes = text.toUtf8();
    if (format.byteOrderMark) bytes.prepend("\xEF\xBB\xBF");
    return bytes;
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw FileError::cannotOpen(path, file.errorString());
    return file.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) throw FileError::cannotCreate(path, file.errorString());
    file.write(bytes);
    if (!file.commit()) throw FileError::cannotCreate(path, file.errorString());
}

TextFileContent readTextFile(const QString& path) { return decodeText(readBytes(path)); }

void writeTextFile(const QString& path, const QStringList& paragraphs, const TextFormat& format)
{
    writeBytes(path, encodeText(paragraphs, format));
}
