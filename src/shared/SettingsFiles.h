#pragma once

#include <QString>
#include <QStringList>

// The small plain-text settings files: one value per line, CR LF after each line.
namespace SettingsFiles {

// The lines of a file; a final break does not start a further line. Errors throw FileError.
QStringList readLines(const QString& path);
// The last `count` lines of the file (a long file is read from its end only).
QStringList readLastLines(const QString& path, int count);
// Writes each line followed by CR LF, through a temporary file so that a failed write leaves
// the old file whole. Errors throw FileError.
void writeLines(const QString& path, const QStringList& lines);

// True when the text is a whole number: an optional sign and decimal digits.
bool isStrANumber(const QString& text);

struct EditorFont {
    QString name = QStringLiteral("Arial");
    QString size = QStringLiteral("10");
};
// "fontDetails.plr": line 1 the face, line 2 the size; a size that is not a whole number
// becomes "10", a missing line reads as empty.
EditorFont readEditorFont(const QString& path);

} // namespace SettingsFiles

// The recent-files list: oldest first, newest last.
class RecentFiles {
public:
    static constexpr int kMaxAfterAdd = 5;
    // A longer list read at start is shown whole until the next addition, up to this many.
    static constexpr int kMaxRead = 50;

    QStringList entries() const { return m_entries; }
    void setEntries(const QStringList& entries) { m_entries = entries; }
    // Puts the name at the newest end, dropping an entry equal to it without regard to case,
    // then keeps the five newest.
    void add(const QString& name);
    // Removes the entry equal to the name without regard to case; false when there was none.
    bool remove(const QString& name);

private:
    QStringList m_entries;
};
