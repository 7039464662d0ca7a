#include "main/MainCommands.h"

#include "editor/CodeEditor.h"
#include "editor/SyntaxColourer.h"
#include "editor/TagCompletion.h"
#include "main/EditingAids.h"
#include "main/HelpWindows.h"
#include "main/MainWindow.h"
#include "platform/AppDirs.h"
#include "shared/CommandRegistry.h"
#include "shared/SettingsFiles.h"

#include <QAction>
#include <QFileInfo>

namespace {
// Whether View > Close Tags as You Type is on: "1" or "0" on the first line; missing is off.
const QString kCloseTagsFile = QStringLiteral("closetags.plr");
} // namespace

void registerMainCommands(MainWindow& window)
{
    MainWindow* w = &window;
    CodeEditor* editor = window.editor();
    const auto colourise = [w] {
        w->colourer()->setEnabled(true);
        w->colourer()->rehighlight();
    };
    const auto help = [w](const char* caption, const char* page) {
        return [w, caption, page] { (new HelpWindow(QLatin1String(caption), QLatin1String(page), w))->show(); };
    };
    window.commands().add({
        // File.
        { "a_new", "&New", "", "Start a new, empty file", [w] { w->newFile(); } },
        { "a_newHtml", "New &HTML File", "", "Start a new file from the HTML template", [w] { w->newHtmlFile(); } },
        { "a_open", "&Open File ...", "", "Open a file", [w] { w->openCommand(); } },
        { "a_save", "&Save File ...", "", "Save the file", [w] { w->save(); } },
        { "a_saveAs", "Save &As ...", "", "Save the file under another name", [w] { w->saveAs(); } },
        { "a_close", "&Close", "", "Close the file", [w] { w->closeFile(); } },
        { "a_font", "&Font ...", "", "Choose the editor's font", [w] { w->showEditorFontDialog(); } },
        { "a_exit", "E&xit", "", "Leave the editor", [w] { w->close(); } },
        // Edit.
        { "a_cut", "Cu&t", "", "Cut the selection", [editor] { editor->cutToClipboard(); } },
        { "a_copy", "&Copy", "", "Copy the selection", [editor] { editor->copyToClipboard(); } },
        { "a_paste", "&Paste", "", "Paste from the clipboard", [editor] { editor->pasteFromClipboard(); } },
        { "a_selectAll", "Select &all", "", "Select all the text", [editor] { editor->selectAll(); } },
        { "a_undo", "&Undo", "", "Undo the last change", [editor] { editor->undo(); } },
        { "a_redo", "&Redo", "", "Redo the last undone change", [editor] { editor->redo(); } },
        { "a_wordWrap", "Word Wrap", "", "Wrap long lines at the window's edge",
            [w, editor] {
                editor->setWordWrap(!editor->wordWrap());
                w->commands().action(QStringLiteral("a_wordWrap"))->setChecked(editor->wordWrap());
            } },
        // Find.
        { "a_find", "&Find text ...", "", "Find text", [w] { w->findReplace()->showFind(); } },
        { "a_replace", "&Replace text", "", "Replace text", [w] { w->findReplace()->showReplace(); } },
        { "a_matchingBrace", "Matching Brace", "", "Select the brace that matches the selected one",
            [w, editor] { EditingAids::findMatchingBrace(*editor, w->prompter()); } },
        { "a_closeTags", "Close Tags as You Type", "", "Put the closing tag after the caret when an opening tag is typed",
            [w] {
                TagCompletion* completion = w->tagCompletion();
                completion->setCloseTags(!completion->closeTags());
                w->commands().action(QStringLiteral("a_closeTags"))->setChecked(completion->closeTags());
                SettingsFiles::writeLines(AppDirs::settingsFile(kCloseTagsFile),
                    { completion->closeTags() ? QStringLiteral("1") : QStringLiteral("0") });
            } },
        { "a_colourize", "Colour the tags", "", "Colour the tags and the script", colourise },
        { "a_colourise", "Colourise", "", "Colour the tags and the script", colourise },
        { "a_removeColour", "Remove Colour", "", "Show all text in the editor's font and colour",
            [w] { w->colourer()->setEnabled(false); } },
        { "a_gotoLine", "&Goto line number", "", "Go to line number in right-hand box", [w] { w->goToLine(); } },
        // Tools.
        { "a_sortAscending", "&Ascending", "", "Sort the selected lines A to Z",
            [w, editor] { EditingAids::sortSelection(*editor, w->prompter(), false); } },
        { "a_sortDescending", "&Descending", "", "Sort the selected lines Z to A",
            [w, editor] { EditingAids::sortSelection(*editor, w->prompter(), true); } },
        { "a_checkSpelling", "Chec&k Spelling", "", "Check the spelling of the page", [w] { w->checkSpelling(); } },
        // Help.
        { "a_helpContents", "Contents ...", "", "Help contents", help("Pelorin95 Help", "help/index.htm") },
        { "a_usefulLinks", "Useful Links ...", "", "Links to tutorials and references",
            help("Useful Links", "help/links.htm") },
        { "a_briefHelp", "Brief Help", "", "Show the brief help page", [w] { w->showBriefHelp(); } },
        { "a_about", "&About...", "", "About Pelorin95", [w] { (new AboutBox(w))->show(); } },
    });
    window.commands().action(QStringLiteral("a_wordWrap"))->setCheckable(true);
    window.commands().action(QStringLiteral("a_closeTags"))->setCheckable(true);
    window.commands().runGuarded([w] {
        const QString file = AppDirs::settingsFile(kCloseTagsFile);
        const bool on = QFileInfo::exists(file) && SettingsFiles::readLines(file).value(0).trimmed() == QLatin1String("1");
        w->tagCompletion()->setCloseTags(on);
        w->commands().action(QStringLiteral("a_closeTags"))->setChecked(on);
    });
}
