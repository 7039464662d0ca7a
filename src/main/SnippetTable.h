#pragma once

#include <QList>
#include <QString>
#include <optional>

// Where a snippet command's value comes from before its texts are inserted.
enum class SnippetValue {
    None, // fixed texts
    Direct, // the instant-code prompt with the row's own label and default
    BoilerPlate, // insertBoilerPlate(): the wizard function name may stand in for the default
    Colour, // the colour picker; the result replaces the selection instead of wrapping it
};

// The context menu a snippet belongs to; the JavaScript bar has one snippet no menu offers.
enum class SnippetMenu { Html, JavaScript, JavaScriptBar };

// Start text = start + value + afterValue; the value is empty for fixed snippets.
struct SnippetTexts {
    QString start;
    QString afterValue;
    QString end;

    QString startText(const QString& value = {}) const { return start + value + afterValue; }
    bool operator==(const SnippetTexts&) const = default;
};

struct Snippet {
    QString name; // stable object name of the command
    QString caption;
    QString shortcut; // portable key text ("Ctrl+Alt+B"), empty for none
    SnippetMenu menu = SnippetMenu::Html;
    SnippetValue value = SnippetValue::None;
    QString defaultValue;
    // Direct: the whole label. BoilerPlate: the message that the offered default is appended to.
    QString label;
    SnippetTexts texts; // nothing selected, or always when selectedTexts is empty
    std::optional<SnippetTexts> selectedTexts; // text selected, for the selection-dependent commands
    bool storesFunctionName = false; // "Function": the answer becomes the wizard function name

    const SnippetTexts& textsFor(bool hasSelection) const
    {
        return hasSelection && selectedTexts ? *selectedTexts : texts;
    }
};

// Every fixed and prompted snippet of the HTML and JavaScript menus and the JavaScript bar,
// in menu order.
const QList<Snippet>& snippetTable();
const Snippet* findSnippet(const QString& name);
