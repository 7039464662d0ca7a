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

// How a Save As ended. A cancelled dialog is the user's choice: a command that offered the save
// goes on. A failed write or a declined question stops it, so nothing unsaved is dropped.
enum class SaveOutcome { Saved, Cancelled, Failed };

// Escape closes the tool window, as it closes the wizards (through its close event, so the
// window's own questions are asked).
void closeOnEscape(QWidget* window);
