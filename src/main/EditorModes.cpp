#include "main/EditorModes.h"

#include "editor/CodeEditor.h"
#include "main/MainWindow.h"
#include "main/SnippetCommands.h"
#include "shared/CommandRegistry.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QShortcut>
#include <QToolButton>

namespace {
using Row = EditorModes::Row;
using enum EditorModes::Enabling;

const QList<Row> kStandardMenu {
    { "Cu&t", "Ctrl+X", "a_cut" },
    { "&Copy", "Ctrl+C", "a_copy" },
    { "&Paste", "Ctrl+V", "a_paste" },
    { "Select &all", "Ctrl+A", "a_selectAll" },
    { "-" },
    { "Find ...", "Ctrl+F", "a_find" },
    { "Replace ...", "Ctrl+E", "a_replace" },
    { "Undo", "Ctrl+Z", "a_undo", Always },
    { "&Redo", "Ctrl+Shift+Z", "a_redo" },
    { "-" },
    { "&Open File ...", "Ctrl+O", "a_open" },
    { "&Save File ...", "Ctrl+S", "a_save", Always },
    { "-" },
    { "Find Matching Brace", "Ctrl+M", "a_matchingBrace" },
};

const QList<Row> kHtmlMenu {
    { "Edit ...", "", ">" },
    { "Cu&t", "Ctrl+X", "a_cut", Selection },
    { "&Copy", "Ctrl+C", "a_copy", Selection },
    { "&Paste", "Ctrl+V", "a_paste", Clipboard },
    { "-" },
    { "Select &all", "Ctrl+A", "a_selectAll" },
    { "&Undo", "Ctrl+Z", "a_undo" },
    { "&Redo", "Ctrl+Shift+Z", "a_redo" },
    { "-" },
    { "&Find text ...", "Ctrl+F", "a_find" },
    { "&Replace text", "Ctrl+E", "a_replace" },
    { "Find Matching Brace", "Ctrl+M", "a_matchingBrace" },
    { "<" },
    { "-" },
    { "Block ...", "", ">" },
    { "HTML", "", "snippet_html" },
    { "HEAD", "", "snippet_head" },
    { "BODY", "", "snippet_body" },
    { "Block&quote", "Ctrl+Q", "snippet_blockquote" },
    { "PRE", "", "snippet_pre" },
    { "<" },
    { "&Headings ...", "", ">" },
    { "H1", "Ctrl+1", "snippet_h1" },
    { "H2", "Ctrl+2", "snippet_h2" },
    { "H3", "Ctrl+3", "snippet_h3" },
    { "<" },
    { "&Paragraph", "Ctrl+P", "snippet_paragraph" },
    { "B&reak", "Ctrl+R", "snippet_break" },
    { "-" },
    { "Meta Tags ...", "", ">" },
    { "Title", "", "snippet_title" },
    { "Keywords", "", "snippet_keywords" },
    { "Descriptions", "", "snippet_descriptions" },
    { "<" },
    { "-" },
    { "Align", "", ">" },
    { "Left", "", "snippet_alignLeft" },
    { "Right", "", "snippet_alignRight" },
    { "Centre", "", "snippet_alignCentre" },
    { "<" },
    { "Format ...", "", ">" },
    { "&Bold", "Ctrl+B", "snippet_bold" },
    { "&Italic", "Ctrl+I", "snippet_italic" },
    { "&Underline", "Ctrl+U", "snippet_underline" },
    // Shares Ctrl+F with "&Find text ...", which comes first and so keeps the key.
    { "Font ...", "Ctrl+F", "a_fontDialog" },
    { "<" },
    { "-" },
    { "Forms ...", "", ">" },
    { "Form", "", "snippet_form" },
    { "Select", "", "snippet_select" },
    { "Option", "Ctrl+Alt+O", "a_option" },
    { "aButton", "", "snippet_aButton" },
    { "Submit", "", "snippet_submit" },
    { "Reset", "", "snippet_reset" },
    { "Text", "", "snippet_text" },
    { "Text Area", "", "snippet_textArea" },
    { "Hidden", "", "snippet_hidden" },
    { "Checkbox", "", "snippet_checkbox" },
    { "Radio", "", "snippet_radio" },
    { "<" },
    { "Frames ...", "", ">" },
    { "Frameset - Rows", "", "snippet_framesetRows" },
    { "Frameset - Cols", "", "snippet_framesetCols" },
    { "Frame", "", "snippet_frame" },
    { "No Frames Tag", "", "snippet_noFramesTag" },
    { "<" },
    { "-" },
    { "Links ...", "", ">" },
    { "Link to selected file", "Ctrl+K", "a_linkToSelectedFile" },
    { "Plain Link", "", "snippet_plainLink" },
    { "TOC Link", "", "a_tocLink" },
    { "Email Link", "", "snippet_emailLink" },
    { "Bookmark", "Ctrl+Alt+B", "snippet_bookmark" },
    { "-" },
    { "Insert TOC", "", "a_insertToc" },
    { "-" },
    { "<" },
    { "Image", "", "a_image" },
    { "Colour", "", ">" },
    { "Hex Colour", "", "snippet_hexColour" },
    { "Background Colour", "", "snippet_backgroundColour" },
    { "<" },
    { "-" },
    { "HTML Comments", "", "snippet_htmlComments" },
    { "HTML Fancy Comments", "", "snippet_htmlFancyComments" },
    { "Style Tags", "", "snippet_styleTags" },
    { "Horizontal &Line", "Ctrl+H", "snippet_horizontalLine" },
    { "-" },
    { "List ...", "", ">" },
    { "List Dialogue ...", "", "a_listDialog" },
    { "-" },
    { "Ordered List", "", "snippet_orderedList" },
    { "Unordered List", "", "snippet_unorderedList" },
    { "<" },
    { "List Item", "Ctrl+L", "snippet_listItem" },
    { "-" },
    { "Table ...", "", ">" },
    { "Table Dialogue ...", "", "a_tableDialog" },
    { "Table Data Dialogue ...", "", "a_tableDataDialog" },
    { "-" },
    { "Table Tags", "", "snippet_tableTags" },
    { "&Table Row Tags", "Ctrl+W", "snippet_tableRowTags" },
    { "Table &Data Tags", "Ctrl+D", "snippet_tableDataTags" },
    { "<" },
    { "-" },
    { "&Open File ...", "Ctrl+O", "a_open" },
    { "&Save File ...", "Ctrl+S", "a_save", Always },
    { "-" },
};

const QList<Row> kJavaScriptMenu {
    { "Edit ...", "", ">" },
    { "Cu&t", "Ctrl+X", "a_cut", Selection },
    { "&Copy", "Ctrl+C", "a_copy", Selection },
    { "&Paste", "Ctrl+V", "a_paste", Clipboard },
    { "-" },
    { "Select &all", "Ctrl+A", "a_selectAll" },
    { "&Undo", "Ctrl+Z", "a_undo" },
    { "&Redo", "Ctrl+Shift+Z", "a_redo" },
    { "-" },
    { "&Find text ...", "Ctrl+F", "a_find" },
    { "&Replace text", "Ctrl+E", "a_replace" },
    { "<" },
    { "JavaScript Tags", "", "snippet_javaScriptTags" },
    { "Insert ...", "", ">" },
    { "JS File", "", "a_jsFile" },
    { "CSS File", "", "a_cssFile" },
    { "Relative Filename", "Ctrl+N", "a_relativeFilename" },
    { "File Title", "Ctrl+T", "a_fileTitle" },
    { "Quotes", "", "snippet_quotes" },
    { "<" },
    { "Link this css/js file to selected file", "F2", "a_linkCssJs", CssJsDocument },
    { "Function", "", "snippet_function" },
    { "-" },
    { "Conditions and Loops ...", "", ">" },
    { "If", "", "snippet_if" },
    { "Else", "", "snippet_else" },
    { "For", "", "snippet_for" },
    { "While", "", "snippet_while" },
    { "Switch", "", "snippet_switch" },
    { "With", "", "snippet_with" },
    { "<" },
    { "-" },
    { "Message Boxes", "", ">" },
    { "Alert", "", "snippet_alert" },
    { "Confirm", "", "snippet_confirm" },
    { "Prompt", "", "snippet_prompt" },
    { "<" },
    { "New Window", "", "snippet_newWindow" },
    { "-" },
    { "onClick", "", "snippet_onClick" },
    { "onSubmit", "", "snippet_onSubmit" },
    { "onChange", "", "snippet_onChange" },
    { "Mouse ...", "", ">" },
    { "onMouseOver", "", "snippet_onMouseOver" },
    { "onMouseOut", "", "snippet_onMouseOut" },
    { "onMouseUp", "", "snippet_onMouseUp" },
    { "onMouseDown", "", "snippet_onMouseDown" },
    { "<" },
    { "-" },
    { "Other ...", "", ">" },
    { "document.write", "", "snippet_documentWrite" },
    { "history.go()", "", "snippet_historyGo" },
    { "top.location", "", "snippet_topLocation" },
    { "Array", "", "snippet_array" },
    { "<" },
    { "Strings ...", "", ">" },
    { "indexOf", "", "snippet_indexOf" },
    { "lastIndexOf", "", "snippet_lastIndexOf" },
    { "substring", "", "snippet_substring" },
    { "charAt", "", "snippet_charAt" },
    { "length", "", "snippet_length" },
    { "<" },
    { "-" },
    { "Numbers ....", "", ">" },
    { "parseFloat", "", "snippet_parseFloat" },
    { "parseInt", "", "snippet_parseInt" },
    { "isNaN", "", "snippet_isNaN" },
    { "<" },
    { "-" },
    { "JavaScript Comments", "", "snippet_javaScriptComments" },
    { "JavaScript Fancy Comments", "", "snippet_javaScriptFancyComments" },
    { "-" },
    { "Find Matching Brace", "Ctrl+M", "a_matchingBrace" },
    { "-" },
    { "Wizard Function Link ...", "", "a_wizardFunctionLink" },
    { "-" },
    { "&Open File ...", "Ctrl+O", "a_open" },
    { "&Save File ...", "Ctrl+S", "a_save", Always },
};

struct ModeLook {
    const char* button;
    const char* caption;
};
// Indexed by EditorMode.
const ModeLook kModes[] {
    { "modeButtonHTML", " - HTML Mode" },
    { "modeButtonSTD", " - Standard Mode" },
    { "modeButtonJS", " - JavaScript Mode" },
};
constexpr EditorMode kAllModes[] { EditorMode::Html, EditorMode::Standard, EditorMode::JavaScript };
} // namespace

EditorModes::EditorModes(MainWindow& window)
    : QObject(&window)
    , m_window(window)
{
    m_entries.resize(3);
    m_keys.resize(3);
    m_menus << buildMenu(EditorMode::Html, kHtmlMenu) << buildMenu(EditorMode::Standard, kStandardMenu)
            << buildMenu(EditorMode::JavaScript, kJavaScriptMenu);
    m_menus[0]->setObjectName(QStringLiteral("htmlMenu"));
    m_menus[1]->setObjectName(QStringLiteral("standardMenu"));
    m_menus[2]->setObjectName(QStringLiteral("javaScriptMenu"));
    connect(m_menus[0], &QMenu::aboutToShow, this, &EditorModes::htmlMenuPopup);
    connect(m_menus[2], &QMenu::aboutToShow, this, &EditorModes::javaScriptMenuPopup);

    // One shortcut per key for all three menus; the mode decides which entry, if any, it runs.
    CodeEditor* editor = m_window.editor();
    for (const auto& keys : std::as_const(m_keys)) {
        for (auto it = keys.cbegin(); it != keys.cend(); ++it) {
            if (m_shortcuts.contains(it.key())) continue;
            auto* shortcut = new QShortcut(QKeySequence(it.key(), QKeySequence::PortableText), editor);
            shortcut->setContext(Qt::WidgetShortcut);
            const QString key = it.key();
            connect(shortcut, &QShortcut::activated, this, [this, key] { onShortcut(key); });
            m_shortcuts.insert(key, shortcut);
        }
    }

    editor->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(editor, &QWidget::customContextMenuRequested, this,
        [this, editor](const QPoint& at) { menu(m_mode)->popup(editor->viewport()->mapToGlobal(at)); });

    for (EditorMode mode : kAllModes) {
        auto* button = m_window.findChild<QToolButton*>(QLatin1String(kModes[int(mode)].button));
        m_buttons << button;
        if (!button) continue;
        connect(button, &QToolButton::clicked, this, [this, mode] { setMode(mode); });
        // A right click opens the button's own menu, whatever the mode.
        button->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(button, &QWidget::customContextMenuRequested, this,
            [this, mode, button](const QPoint& at) { menu(mode)->popup(button->mapToGlobal(at)); });
    }

    // The start: HTML mode, but the caption carries no mode yet.
    const QString caption = m_window.windowTitle();
    setMode(EditorMode::Html);
    m_window.setWindowTitle(caption);
}

QAction* EditorModes::findCommand(const MainWindow& window, const QString& name) { return window.action(name); }

QStringList EditorModes::commandNames(EditorMode mode)
{
    const QList<Row>& rows
        = mode == EditorMode::Html ? kHtmlMenu : (mode == EditorMode::Standard ? kStandardMenu : kJavaScriptMenu);
    QStringList names;
    for (const Row& row : rows)
        if (*row.command && qstrcmp(row.command, ">") != 0) names << QLatin1String(row.command);
    return names;
}

QMenu* EditorModes::buildMenu(EditorMode mode, const QList<Row>& rows)
{
    m_window.commands().missing(commandNames(mode), QStringLiteral("editor menu"));
    auto* root = new QMenu(&m_window);
    QList<QMenu*> open { root };
    QStringList path;
    for (const Row& row : rows) {
        const QString caption = QLatin1String(row.caption);
        QMenu* into = open.last();
        if (caption == QLatin1String("-")) {
            into->addSeparator();
        } else if (caption == QLatin1String("<")) {
            open.removeLast();
            path.removeLast();
        } else if (qstrcmp(row.command, ">") == 0) {
            open << into->addMenu(caption);
            path << caption;
        } else {
            QAction* proxy = into->addAction(caption);
            QAction* command = findCommand(m_window, QLatin1String(row.command));
            const QString key = QLatin1String(row.shortcut);
            if (!key.isEmpty()) {
                // Shown in the menu only: the editor's shortcuts below run the entries.
                proxy->setShortcut(QKeySequence(key, QKeySequence::PortableText));
                proxy->setShortcutContext(Qt::WidgetShortcut);
                proxy->setShortcutVisibleInContextMenu(true);
                if (!m_keys[int(mode)].contains(key)) m_keys[int(mode)].insert(key, proxy);
            }
            if (command) {
                proxy->setStatusTip(command->statusTip());
                if (row.enabling == Always) {
                    const QString name = QLatin1String(row.command);
                    connect(proxy, &QAction::triggered, command, [this, command, name] {
                        if (!m_window.runActionCommand(name)) command->trigger();
                    });
                } else {
                    connect(proxy, &QAction::triggered, command, &QAction::trigger);
                }
                if (row.enabling == Mirror || row.enabling == Selection || row.enabling == Clipboard) {
                    proxy->setEnabled(command->isEnabled());
                    connect(command, &QAction::enabledChanged, proxy, &QAction::setEnabled);
                }
            } else {
                proxy->setEnabled(false);
            }
            m_entries[int(mode)].append(
                { (path + QStringList { caption }).join(QLatin1Char('/')), proxy, row.enabling });
        }
    }
    return root;
}

QAction* EditorModes::entry(EditorMode mode, const QString& path) const
{
    for (const Entry& e : m_entries.value(int(mode)))
        if (e.path == path) return e.proxy;
    return nullptr;
}

void EditorModes::setMode(EditorMode mode)
{
    m_mode = mode;
    for (EditorMode each : kAllModes)
        if (QToolButton* button = m_buttons.value(int(each)))
            button->setAutoRaise(each == mode); // the current mode's button is drawn flat
    for (auto it = m_shortcuts.cbegin(); it != m_shortcuts.cend(); ++it)
        it.value()->setEnabled(m_keys[int(mode)].contains(it.key()));
    m_window.setWindowTitle(MainWindow::kBaseCaption + QLatin1String(kModes[int(mode)].caption));
}

void EditorModes::onShortcut(const QString& key)
{
    QAction* proxy = m_keys[int(m_mode)].value(key);
    if (proxy && proxy->isEnabled()) proxy->trigger();
}

void EditorModes::htmlMenuPopup() { applyPopupRules(EditorMode::Html); }

void EditorModes::javaScriptMenuPopup() { applyPopupRules(EditorMode::JavaScript); }

void EditorModes::applyPopupRules(EditorMode mode)
{
    const bool selected = !m_window.editor()->selText().isEmpty();
    const QMimeData* clip = QApplication::clipboard()->mimeData();
    const bool clipText = clip && clip->hasText();
    const QString ext = QFileInfo(m_window.documentFileName()).suffix().toUpper();
    const bool cssJs = ext == QLatin1String("JS") || ext == QLatin1String("CSS");
    for (const Entry& e : std::as_const(m_entries[int(mode)])) {
        switch (e.enabling) {
        case Selection:
            e.proxy->setEnabled(selected);
            break;
        case Clipboard:
            e.proxy->setEnabled(clipText);
            break;
        case CssJsDocument:
            e.proxy->setEnabled(cssJs);
            break;
        case Mirror:
        case Always:
            break;
        }
    }
}
