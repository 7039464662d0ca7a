#pragma once

#include "platform/Prompter.h"

#include "editor/DocumentFile.h"

#include "tools/TextAreaActions.h"

#include <QWidget>

class QLineEdit;
class QMenu;
class QPlainTextEdit;

// "Jotter": a scratch pad for notes with its own file commands. It starts empty each time and
// does not ask about unsaved notes when closed. Deletes itself when closed.
class JotterWindow : public QWidget {
    Q_OBJECT
public:
    static const QString kSaveNow; // "The file has not been saved.\r\nSave now?"
    static const QString kFilter;

    explicit JotterWindow(Prompter& prompter, QWidget* parent = nullptr);

    QPlainTextEdit* notes() const { return m_notes; }
    QLineEdit* fileNameEdit() const { return m_fileNameEdit; }
    const TextAreaActions& actions() const { return m_actions; }

    void openFile();
    // False when the user cancelled the dialog.
    SaveOutcome saveFileAs();
    void clearNotes();
    // The notes' context menu: the Edit menu's commands with their keys.
    QMenu* makeContextMenu();
    void showContextMenu(const QPoint& position);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showFile(const QString& path);

    WindowPrompter m_prompter; // every question of this window is shown above it
    QLineEdit* m_fileNameEdit;
    QPlainTextEdit* m_notes;
    TextAreaActions m_actions;
    QString m_fileName; // the default of both file dialogs
    DocumentFile m_file; // the file last opened or saved here
};
