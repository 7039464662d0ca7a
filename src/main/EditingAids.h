#pragma once

#include <QDialog>

class CodeEditor;
class Prompter;
class QCheckBox;
class QLineEdit;
class QRadioButton;

// Go to line, matching brace and line sorting on the main editor.
namespace EditingAids {
void goToLine(CodeEditor& editor, Prompter& prompter, const QString& lineNumberText);
void findMatchingBrace(CodeEditor& editor, Prompter& prompter);
void sortSelection(CodeEditor& editor, Prompter& prompter, bool descending);
} // namespace EditingAids

// The find and replace dialogs: non-blocking, our own widgets. They keep their texts and
// options for the whole run.
class FindReplaceDialog : public QDialog {
    Q_OBJECT
public:
    enum class Kind { Find, Replace };
    FindReplaceDialog(Kind kind, QWidget* parent);

    QString findText() const;
    void setFindText(const QString& text);
    QString replaceText() const;
    void setReplaceText(const QString& text);
    bool matchCase() const;
    void setMatchCase(bool on);
    bool wholeWord() const;
    void setWholeWord(bool on);
    bool searchDown() const;
    void setSearchDown(bool down);

signals:
    void findNextRequested();
    void replaceRequested(bool all);

private:
    Kind m_kind;
    QLineEdit* m_findEdit;
    QLineEdit* m_replaceEdit = nullptr;
    QCheckBox* m_matchCase;
    QCheckBox* m_wholeWord;
    QRadioButton* m_down = nullptr;
};

// Find Next, Replace and Replace All with the running count of occurrences that both dialogs
// share.
class FindReplace : public QObject {
    Q_OBJECT
public:
    FindReplace(CodeEditor& editor, Prompter& prompter, QWidget* window);

    void showFind();
    void showReplace();
    FindReplaceDialog* findDialog() const { return m_find; }
    FindReplaceDialog* replaceDialog() const { return m_replace; }
    int occurrences() const { return m_count; }

    void findNext();
    // Returns true when something was found.
    bool replaceDialogFind();
    void replace(bool all);

private:
    void place(FindReplaceDialog* dialog);
    // Asks the end-of-page question and resets the count.
    void endOfPage();

    CodeEditor& m_editor;
    Prompter& m_prompter;
    QWidget* m_window;
    FindReplaceDialog* m_find;
    FindReplaceDialog* m_replace;
    int m_count = 0;
};
