#pragma once

#include <QString>
#include <functional>

class CodeEditor;

// The wizard function name's value at start; value prompts offer it only once it has changed.
inline const QString kInitialFunctionName = QStringLiteral("MyFunction()");

// Asks the user for one value with the instant-code prompt: the label shown as given, the field
// preset to the default. It cannot be cancelled; the answer is whatever the field holds.
using ValuePrompt = std::function<QString(const QString& label, const QString& defaultValue)>;

// Puts startText before the selected text and endText after it (both at a bare caret) as one undo
// step, and leaves a bare caret in front of endText.
void insertTheTags(CodeEditor& editor, const QString& startText, const QString& endText);

// Asks for a value: a wizard function name other than the initial one stands in for the default,
// and the label is the message followed directly by the default offered.
QString insertBoilerPlate(
    const ValuePrompt& prompt, const QString& wizardFunctionName, const QString& defaultValue, const QString& message);

// Length of text in editor offsets: each line break (CR LF, LF CR, CR or LF) counts two.
int offsetLength(const QString& text);
