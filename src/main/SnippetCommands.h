#pragma once

#include "editor/TagInsertion.h"

#include <QList>
#include <QObject>

class CodeEditor;
class Prompter;
class QAction;
struct Snippet;
struct WizardState;

// One QAction per snippet of the HTML and JavaScript menus (and the JavaScript bar's own
// "prompt"), each writing through the tag insertion engine into the main editor. Menus, bars and
// context menus reuse these actions.
class SnippetCommands : public QObject {
    Q_OBJECT
public:
    // The wizard state is owned by the main window and outlives this object.
    SnippetCommands(
        CodeEditor& editor, ValuePrompt prompt, Prompter& prompter, WizardState& wizard, QObject* parent = nullptr);

    QList<QAction*> htmlActions() const { return m_html; }
    QList<QAction*> javaScriptActions() const { return m_javaScript; }
    // The JavaScript bar's "prompt" button, which no menu offers.
    QAction* promptButtonAction() const { return m_promptButton; }
    // By object name ("snippet_bold"); nullptr when there is none.
    QAction* action(const QString& objectName) const;

    void run(const Snippet& snippet);

private:
    CodeEditor& m_editor;
    ValuePrompt m_prompt;
    Prompter& m_prompter;
    WizardState& m_wizard;
    QList<QAction*> m_html;
    QList<QAction*> m_javaScript;
    QAction* m_promptButton = nullptr;
};
