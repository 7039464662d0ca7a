#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>

#include <optional>

// How a document's file was written, so that saving gives the same bytes back for lines that
// were not edited.
struct TextFormat {
    enum class Encoding { Utf8, Windows1252, Utf16Le, Utf16Be };
    enum class LineBreak { CrLf, Lf, Cr };
    Encoding encoding = Encoding::Utf8;
    bool byteOrderMark = false;
    LineBreak lineBreak = LineBreak::CrLf;
    // Bytes that were not valid UTF-8 in an otherwise UTF-8 file: each is held as the private-use
    // character U+F700 + byte and written back as the byte it was.
    bool keepsInvalidBytes = false;
    // The file held a NUL byte at this offset, and only the text before it was read; -1 when not.
    qsizetype nulAt = -1;

    QString breakText() const;
    // "UTF-8 CR LF", "Windows-1252 LF", "UTF-16LE CR LF" for the status bar.
    QString describe() const;
    bool operator==(const TextFormat&) const = default;
};

struct TextFileContent {
    QStringList paragraphs; // never empty: an empty file is one empty paragraph
    TextFormat format;
};

// Decodes bytes: UTF-16 when a UTF-16 byte-order mark starts them; otherwise reading stops at the
// first NUL, and the bytes are UTF-8 (with or without a byte-order mark) when they are valid
// UTF-8 or hold at least one valid multi-byte sequence (stray invalid bytes are kept, unless the
// text holds a character of the range that keeps them), else Windows-1252. CR, LF, CR LF and LF CR each end a paragraph;
// the style of the first break is the file's style.
TextFileContent decodeText(QByteArray bytes);
// The same as one text with each break as a single LF. With `as`, the bytes are read in that
// encoding whatever they look like (a byte-order mark of that encoding is still dropped).
QString decodeToText(QByteArray bytes, TextFormat* format, std::optional<TextFormat::Encoding> as = std::nullopt);

// Joins paragraphs with the format's break (none after the last) and encodes them. Text that
// Windows-1252 cannot hold is written as UTF-8 rather than lost (ask first: fitsEncoding).
QByteArray encodeText(const QStringList& paragraphs, const TextFormat& format);

// True when the format's encoding can hold the text.
bool fitsEncoding(const QStringList& paragraphs, const TextFormat& format);

// Whole files; failures throw FileError with the file layer's message. Reading refuses what is
// not a regular file (a pipe would block). Writing goes through a temporary file renamed over
// the target, every write checked, so a failed or short write never leaves a half-written file;
// where no temporary file can be made beside the target (a read-only directory), the file is
// written in place.
TextFileContent readTextFile(const QString& path);
void writeTextFile(const QString& path, const QStringList& paragraphs, const TextFormat& format);
QByteArray readBytes(const QString& path);
void writeBytes(const QString& path, const QByteArray& bytes);
// Writes all the bytes to an open device; false on a failed or short write.
bool writeAll(QIODevice& device, const QByteArray& bytes);

// Windows-1252 in both directions; unmappable characters make encode return false.
QString decodeWindows1252(const QByteArray& bytes);
bool encodeWindows1252(const QString& text, QByteArray* out);
