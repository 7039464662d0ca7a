#include "main/MainCommands.h"

#include "editor/CodeEditor.h"
#include "editor/SyntaxColourer.h"
#include "editor/TagCompletion.h"
#include "livepreview/LivePreviewCommands.h"
#include "main/DocumentSession.h"
#include "main/EditingAids.h"
#include "main/EditorFontControl.h"
#include "main/HelpWindows.h"
#include "main/MainWindow.h"
#include "main/ViewOptions.h"
#include "platform/AppDirs.h"
#include "shared/CommandRegistry.h"
#include "shared/SettingsFiles.h"

#include <QAction>
#include <QFileInfo>
#include <memory>

namespace {
// Whether View > Close Tags as You Type is on: "1" or "0" on the first line; missing is off.
const QString kCloseTagsFile = QStringLiteral("closetags.plr");
} // namespace

void registerMainCommands(MainWindow& window)
{
    MainWindow* w = &window;
    CodeEditor* editor = window.editor();
    DocumentSession* session = &window.session();
    const auto colourise = [w] {
        w->colourer()->setEnabled(true);
        w->colourer()->rehighlight();
    };
    const auto help = [w](const char* caption, const char* page) {
        return [w, caption, page] { (new HelpWindow(QLatin1String(caption), QLatin1String(page), w))->show(); };
    };
    window.commands().add({
        // File.
        { "a_new", "&New", "", "Start a new, empty file", [session] { session->startUnnamed(QString(), false); } },
        { "a_newHtml", "New &HTML File", "", "Start a new file from the HTML template",
            [session] { session->startUnnamed(MainWindow::kHtmlTemplate, false); } },
        { "a_open", "&Open File ...", "", "Open a file",
            [w, session] {
                if (const auto name = session->askFileToOpen()) w->openTheFile(*name);
            } },
        { "a_save", "&Save File ...", "", "Save the file", [session] { session->save(); } },
        { "a_saveAs", "Save &As ...", "", "Save the file under another name", [session] { session->saveAs(); } },
        // Close keeps the save dialog's name, so Save As proposes the closed file.
        { "a_close", "&Close", "", "Close the file", [session] { session->startUnnamed(QString(), true); } },
        { "a_font", "&Font ...", "", "Choose the editor's font", [w] { w->editorFont().showDialog(); } },
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
        { "a_closeTags", "Close Tags as You Type", "",
            "Put the closing tag after the caret when an opening tag is typed",
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
        const bool on
            = QFileInfo::exists(file) && SettingsFiles::readLines(file).value(0).trimmed() == QLatin1String("1");
        w->tagCompletion()->setCloseTags(on);
        w->commands().action(QStringLiteral("a_closeTags"))->setChecked(on);
    });
}

QWidget* registerViewOptionCommands(MainWindow& window, const FeatureContext& context)
{
    auto options = std::make_shared<ViewOptions>();
    window.commands().runGuarded([&] { *options = ViewOptions::read(AppDirs::settingsFile(ViewOptions::kFileName)); });
    // Each change is written at once, with the other entry's state as it is.
    const auto remember = [options](bool ViewOptions::*flag) {
        return [options, flag](bool on) {
            (*options).*flag = on;
            options->write(AppDirs::settingsFile(ViewOptions::kFileName));
        };
    };
    QWidget* pane = registerLivePreviewCommands(context, options->livePreview, remember(&ViewOptions::livePreview));
    CodeEditor* editor = window.editor();
    window.commands().addCheck(QStringLiteral("a_lineNumbers"), QStringLiteral("&Line Numbers"),
        QStringLiteral("Shows or hides the paragraph numbers at the left of the editor."), options->lineNumbers,
        [editor, write = remember(&ViewOptions::lineNumbers)](bool on) {
            editor->setLineNumbers(on);
            write(on);
        });
    editor->setLineNumbers(options->lineNumbers);
    return pane;
}
