#pragma once

#include "platform/Prompter.h"

#include "editor/DocumentFile.h"

#include <QWidget>

class CodeEditor;
class QLineEdit;
class QPlainTextEdit;

// "Make HTML Viewable": escapes the markup of the editor's selection (or of its whole text) so
// that a browser shows it literally, optionally ends each line with "<br>", and hands the result
// over through the clipboard. Stays on top; deletes itself when closed.
class ConvertHtmlWindow : public QWidget {
    Q_OBJECT
public:
    static const QString kNeverSaved; // "File has never been saved"

    ConvertHtmlWindow(CodeEditor& editor, Prompter& prompter, QWidget* parent = nullptr);

    QPlainTextEdit* workText() const { return m_workText; }
    QLineEdit* fileNameEdit() const { return m_fileNameEdit; }

    // What activation does: the work text becomes the editor's selection, or its whole text.
    void fillFromEditor();
    void convertHtml();
    void addLineBreaks();
    // OK: the whole work text to the clipboard, then close.
    void ok();
    void openFile();
    void saveAs();

protected:
    void changeEvent(QEvent* event) override;

private:
    void showFile(const QString& path);
    // Runs a prompt; the activation that follows its closing does not refill the work text.
    template <typename F> auto prompt(F&& ask);

    CodeEditor& m_editor;
    WindowPrompter m_prompter; // every question of this window is shown above it
    QLineEdit* m_fileNameEdit;
    QPlainTextEdit* m_workText;
    QString m_fileName;
    bool m_inPrompt = false;
    bool m_backFromPrompt = false;
    DocumentFile m_file; // the file last opened or saved here
};
