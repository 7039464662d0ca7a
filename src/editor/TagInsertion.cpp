#include "editor/TagInsertion.h"

#include "editor/CodeEditor.h"

int offsetLength(const QString& text)
{
    int length = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n') {
            ++length;
            continue;
        }
        // The editor makes one break of CR LF, LF CR, CR or LF.
        const QChar other = c == u'\r' ? u'\n' : u'\r';
        if (i + 1 < text.size() && text[i + 1] == other) ++i;
        length += 2;
    }
    return length;
}

void insertTheTags(CodeEditor& editor, const QString& startText, const QString& endText)
{
    editor.setSelText(startText + editor.selText() + endText);
    editor.setSelStart(editor.selStart() - offsetLength(endText));
}

QString insertBoilerPlate(
    const ValuePrompt& prompt, const QString& wizardFunctionName, const QString& defaultValue, const QString& message)
{
    const QString offered = wizardFunctionName.isEmpty() || wizardFunctionName == kInitialFunctionName
        ? defaultValue
        : wizardFunctionName;
    return prompt(message + offered, offered);
}
