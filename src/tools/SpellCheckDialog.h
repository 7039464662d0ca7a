#pragma once

#include "platform/Prompter.h"

#include "tools/SpellCheck.h"

#include <QDialog>
#include <functional>
#include <optional>

class CodeEditor;
class QLineEdit;
class QListWidget;
class QPushButton;

// Walks the misspelt words of the editor's text: each is selected in the editor and can be
// ignored, changed or added to the user dictionary. Every change is one undo step.
class SpellCheckDialog : public QDialog {
    Q_OBJECT
public:
    static const QString kComplete;
    static const QString kNoDictionary;

    SpellCheckDialog(CodeEditor& editor, SpellChecker& checker, Prompter& prompter, QWidget* parent = nullptr);

    // Shows the first misspelt word. False when there is none; the check is then complete.
    bool start();

private:
    void showCurrent();
    void apply(const QList<TextEdit>& edits);
    void step(const std::function<void()>& action);

    CodeEditor& m_editor;
    SpellChecker& m_checker;
    WindowPrompter m_prompter; // every question of this window is shown above it
    std::optional<SpellCheckRun> m_run;
    QLineEdit* m_wordEdit;
    QLineEdit* m_changeToEdit;
    QListWidget* m_suggestionsList;
};

// The "Chec&k Spelling" command over the editor's text. Without a dictionary it says so and
// ends.
void checkSpelling(CodeEditor& editor, Prompter& prompter, QWidget* parent);
