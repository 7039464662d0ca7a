#pragma once

#include "platform/Prompter.h"

#include "editor/DocumentFile.h"
#include "tools/TextAreaActions.h"

#include <QWidget>

class QLineEdit;
class QPlainTextEdit;

// "Convert HTML to text": strips script blocks and tags from HTML files, decodes a few entities
// and saves the result as a text file. Never touches the document. Deletes itself when closed.
class ConvertToTextWindow : public QWidget {
    Q_OBJECT
public:
    static const QString kSaveNow; // "File  has changed. Save now?"

    explicit ConvertToTextWindow(Prompter& prompter, QWidget* parent = nullptr);

    QPlainTextEdit* workText() const { return m_workText; }
    QLineEdit* fileNameEdit() const { return m_fileNameEdit; }

    void openFile();
    void convertToText();
    // Replaces the work text's selection with a whole file, so several files can be joined.
    void addFile();
    // False when the user cancelled the dialog.
    bool saveAs();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    SaveOutcome saveAs(const QString& title, const QString& initialPath);
    // The file-name line's file with ".txt" in place of its extension; empty when it names none.
    QString textFileName() const;

    WindowPrompter m_prompter; // every question of this window is shown above it
    QLineEdit* m_fileNameEdit;
    QPlainTextEdit* m_workText;
    DocumentFile m_file; // the file last opened or saved here
};
