#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// How a document's file was written, so that saving gives the same bytes back for lines that
// were not edited.
struct TextFormat {
    enum class Encoding { Utf8, Windows1252 };
    enum class LineBreak { CrLf, Lf, Cr };
    Encoding encoding = Encoding::Utf8;
    bool byteOrderMark = false;
    LineBreak lineBreak = LineBreak::CrLf;

    QString breakText() const;
    bool operator==(const TextFormat&) const = default;
};

struct TextFileContent {
    QStringList paragraphs; // never empty: an empty file is one empty paragraph
    TextFormat format;
};

// Decodes bytes: reading stops at the first NUL; UTF-8 (with or without a byte-order mark) when
// the bytes are valid UTF-8, else Windows-1252. CR, LF, CR LF and LF CR each end a paragraph;
// the style of the first break is the file's style.
TextFileContent decodeText(QByteArray bytes);
// The same as one text with each break as a single LF.
QString decodeToText(QByteArray bytes, TextFormat* format);

// Joins paragraphs with the format's break (none after the last) and encodes them. Text that
// Windows-1252 cannot hold is written as UTF-8 rather than lost.
QByteArray encodeText(const QStringList& paragraphs, const TextFormat& format);

// Whole files; failures throw FileError with the file layer's message. Writing goes through a
// temporary file renamed over the target, so a failed write never leaves a half-written file.
TextFileContent readTextFile(const QString& path);
void writeTextFile(const QString& path, const QStringList& paragraphs, const TextFormat& format);
QByteArray readBytes(const QString& path);
void writeBytes(const QString& path, const QByteArray& bytes);

// Windows-1252 in both directions; unmappable characters make encode return false.
QString decodeWindows1252(const QByteArray& bytes);
bool encodeWindows1252(const QString& text, QByteArray* out);
