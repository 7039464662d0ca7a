#include "shared/SettingsFiles.h"

#include "editor/TextFile.h"
#include "platform/FileError.h"

#include <QFile>

#include <QFileInfo>
#include <QRegularExpression>

namespace SettingsFiles {

QStringList readLines(const QString& path)
{
    QStringList lines = decodeText(readBytes(path)).paragraphs;
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

QStringList readLastLines(const QString& path, int count)
{
    // A list edited by hand may be huge: only its end is read.
    constexpr qint64 kTail = 256 * 1024;
    const QFileInfo info(path);
    if (!info.isFile()) return readLines(path); // the reader's own message
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw FileError::cannotOpen(path, file.errorString());
    const bool cut = file.size() > kTail;
    if (cut) file.seek(file.size() - kTail);
    QStringList lines = decodeText(file.read(kTail)).paragraphs;
    if (cut && !lines.isEmpty()) lines.removeFirst(); // begun inside a line
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    if (lines.size() > count) lines = lines.mid(lines.size() - count);
    return lines;
}

void writeLines(const QString& path, const QStringList& lines)
{
    QString text;
    for (const QString& line : lines)
        text += line + QLatin1String("\r\n");
    writeBytes(path, text.toUtf8());
}

bool isStrANumber(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?[0-9]+$"));
    bool ok = false;
    text.toInt(&ok);
    return ok && number.match(text).hasMatch();
}

EditorFont readEditorFont(const QString& path)
{
    EditorFont font;
    if (!QFileInfo::exists(path)) return font;
    const QStringList lines = readLines(path);
    font.name = lines.value(0);
    font.size = lines.value(1);
    if (!isStrANumber(font.size)) font.size = QStringLiteral("10");
    return font;
}

} // namespace SettingsFiles

void RecentFiles::add(const QString& name)
{
    remove(name);
    m_entries.append(name);
    while (m_entries.size() > kMaxAfterAdd)
        m_entries.removeFirst();
}

bool RecentFiles::remove(const QString& name)
{
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].compare(name, Qt::CaseInsensitive) == 0) {
            m_entries.removeAt(i);
            return true;
        }
    }
    return false;
}
