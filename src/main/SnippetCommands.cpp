#include "main/SnippetCommands.h"

#include "editor/CodeEditor.h"
#include "main/SnippetTable.h"
#include "shared/HexColour.h"
#include "shared/WizardState.h"

#include <QAction>
#include <QKeySequence>

namespace {
QString statusTip(const Snippet& s)
{
    const SnippetTexts& t = s.texts;
    switch (s.value) {
    case SnippetValue::None:
        return t.end.isEmpty() ? QStringLiteral("Inserts %1").arg(t.start.simplified())
                               : QStringLiteral("Inserts %1 and %2").arg(t.start.simplified(), t.end.simplified());
    case SnippetValue::Direct:
    case SnippetValue::BoilerPlate:
        return QStringLiteral("Asks for a value and inserts %1").arg(t.startText(QStringLiteral("...")).simplified());
    case SnippetValue::Colour:
        return QStringLiteral("Chooses a colour and inserts %1")
            .arg(t.startText(QStringLiteral("RRGGBB")).simplified());
    }
    return {};
}
} // namespace

SnippetCommands::SnippetCommands(
    CodeEditor& editor, ValuePrompt prompt, Prompter& prompter, WizardState& wizard, QObject* parent)
    : QObject(parent)
    , m_editor(editor)
    , m_prompt(std::move(prompt))
    , m_prompter(prompter)
    , m_wizard(wizard)
{
    for (const Snippet& snippet : snippetTable()) {
        auto* action = new QAction(snippet.caption, this);
        action->setObjectName(snippet.name);
        action->setShortcut(QKeySequence(snippet.shortcut, QKeySequence::PortableText));
        action->setStatusTip(statusTip(snippet));
        connect(action, &QAction::triggered, this, [this, &snippet] { run(snippet); });
        switch (snippet.menu) {
        case SnippetMenu::Html:
            m_html.append(action);
            break;
        case SnippetMenu::JavaScript:
            m_javaScript.append(action);
            break;
        case SnippetMenu::JavaScriptBar:
            m_promptButton = action;
            break;
        }
    }
}

QAction* SnippetCommands::action(const QString& objectName) const
{
    for (QAction* a : findChildren<QAction*>(objectName, Qt::FindDirectChildrenOnly))
        return a;
    return nullptr;
}

void SnippetCommands::run(const Snippet& snippet)
{
    QString value;
    switch (snippet.value) {
    case SnippetValue::None:
        break;
    case SnippetValue::Direct:
        value = m_prompt(snippet.label, snippet.defaultValue);
        if (snippet.storesFunctionName) m_wizard.functionName = value;
        break;
    case SnippetValue::BoilerPlate:
        value = insertBoilerPlate(m_prompt, m_wizard.functionName, snippet.defaultValue, snippet.label);
        break;
    case SnippetValue::Colour:
        value = hexcolor(m_prompter);
        m_editor.setSelText(snippet.texts.startText(value));
        return;
    }
    // The selection is read after the prompt: the prompt is modal, so it is the one the user sees.
    const SnippetTexts& texts = snippet.textsFor(!m_editor.selText().isEmpty());
    insertTheTags(m_editor, texts.startText(value), texts.end);
}
