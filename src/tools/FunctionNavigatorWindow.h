#pragma once

#include "tools/FunctionFinder.h"

#include <QWidget>

class CodeEditor;
class QListWidget;
class QPushButton;

// "Function Navigator": lists the functions defined in the document's script blocks and the
// uses of a chosen one, and selects either in the editor. For a stand-alone script it can wrap
// the document in script tags and take them off again. Deletes itself when closed.
class FunctionNavigatorWindow : public QWidget {
    Q_OBJECT
public:
    // scriptFile: the document is a ".js" file, so "Add JS Tags" is offered.
    FunctionNavigatorWindow(CodeEditor& editor, bool scriptFile, QWidget* parent = nullptr);

    QListWidget* functionsList() const { return m_functionsList; }
    QListWidget* occurrencesList() const { return m_occurrencesList; }
    QPushButton* addJsTagsButton() const { return m_addJsTagsButton; }
    QPushButton* removeJsTagsButton() const { return m_removeJsTagsButton; }

    void findFunctions();
    void chooseFunction(int row);
    void chooseOccurrence(int row);
    void addJsTags();
    void removeJsTags();

private:
    CodeEditor& m_editor;
    QListWidget* m_functionsList;
    QListWidget* m_occurrencesList;
    QPushButton* m_addJsTagsButton;
    QPushButton* m_removeJsTagsButton;
    QList<Occurrence> m_occurrences;
};
