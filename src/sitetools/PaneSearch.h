#pragma once

#include <QObject>
#include <QPointer>

class CodeEditor;
class Prompter;
class QCheckBox;
class QDialog;
class QLineEdit;

// Find and replace in a code pane, towards the end of the text only, counting what it finds.
class PaneSearch : public QObject {
    Q_OBJECT
public:
    PaneSearch(CodeEditor& pane, Prompter& prompter, QObject* parent);

    // The dialogs, with the selected text as the text to find.
    void openFind();
    void openReplace();
    QDialog* dialog() const { return m_dialog; }

    void setFindText(const QString& text);
    void setReplaceText(const QString& text);
    void setMatchCase(bool on);
    void setWholeWord(bool on);

    // Find Next: from the end of the selection, or from the start when nothing is selected.
    bool findNext();
    void replace();
    void replaceAll();

private:
    void open(bool replacing);
    bool findFrom(int from);
    bool matchesAt(const QString& text, qsizetype at, qsizetype length) const;

    CodeEditor& m_pane;
    Prompter& m_prompter;
    QPointer<QDialog> m_dialog;
    QLineEdit* m_findEdit = nullptr;
    QLineEdit* m_replaceEdit = nullptr;
    QCheckBox* m_matchCase = nullptr;
    QCheckBox* m_wholeWord = nullptr;
    bool m_replacing = false;
    int m_count = 0;
};
