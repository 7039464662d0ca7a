#pragma once

#include <QString>
#include <functional>

class QAction;
class QMenu;
class QPlainTextEdit;
class QWidget;

// The edit commands of a tool window's plain-text work area, made once and shown in its Edit
// menu (and, where a window wants one, in its context menu).
struct TextAreaActions {
    QAction* cut = nullptr;
    QAction* copy = nullptr;
    QAction* paste = nullptr;
    QAction* clear = nullptr; // only when a clear handler is given
    QAction* selectAll = nullptr;

    // Actions owned by `owner`, named cutAction, copyAction, ...; `clear` empties the area.
    static TextAreaActions make(
        QWidget* owner, QPlainTextEdit* text, const QString& selectAllCaption, const std::function<void()>& clear = {});
    void addTo(QMenu* menu) const;
};

// Writes a work area's lines to a file with CR LF breaks; a failure throws FileError.
void writeLines(const QString& path, const QString& text);
// A file's text for a work area (breaks as LF, read up to a first NUL); a failure throws FileError.
QString readLines(const QString& path);
