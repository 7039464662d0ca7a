#include "main/MenuTables.h"

#include <QHash>

namespace MenuTables {
namespace {
using enum MenuRow::Enabling;

// The "Edit ..." submenu of the HTML and JavaScript menus; the HTML one adds the brace search.
const MenuRows kEditEntries {
    { "a_cut", "Cu&t", "Ctrl+X", Selection },
    { "a_copy", "&Copy", "Ctrl+C", Selection },
    { "a_paste", "&Paste", "Ctrl+V", Clipboard },
    { "-" },
    { "a_selectAll", "Select &all", "Ctrl+A" },
    { "a_undo", "&Undo", "Ctrl+Z" },
    { "a_redo", "&Redo", "Ctrl+Shift+Z" },
    { "-" },
    { "a_find", "&Find text ...", "Ctrl+F" },
    { "a_replace", "&Replace text", "Ctrl+E" },
};

const MenuRows kStandardMenu {
    { "a_cut", "Cu&t", "Ctrl+X" },
    { "a_copy", "&Copy", "Ctrl+C" },
    { "a_paste", "&Paste", "Ctrl+V" },
    { "a_selectAll", "Select &all", "Ctrl+A" },
    { "-" },
    { "a_find", "Find ...", "Ctrl+F" },
    { "a_replace", "Replace ...", "Ctrl+E" },
    { "a_undo", "Undo", "Ctrl+Z", Always },
    { "a_redo", "&Redo", "Ctrl+Shift+Z" },
    { "-" },
    { "a_open", "&Open File ...", "Ctrl+O" },
    { "a_save", "&Save File ...", "Ctrl+S", Always },
    { "-" },
    { "a_matchingBrace", "Find Matching Brace", "Ctrl+M" },
};

const MenuRows kHtmlMenu = MenuRows { { ">", "Edit ..." } } + kEditEntries
    + MenuRows {
          { "a_matchingBrace", "Find Matching Brace", "Ctrl+M" },
          { "<" },
          { "-" },
          { ">", "Block ..." },
          { "snippet_html", "HTML" },
          { "snippet_head", "HEAD" },
          { "snippet_body", "BODY" },
          { "snippet_blockquote", "Block&quote", "Ctrl+Q" },
          { "snippet_pre", "PRE" },
          { "<" },
          { ">", "&Headings ..." },
          { "snippet_h1", "H1", "Ctrl+1" },
          { "snippet_h2", "H2", "Ctrl+2" },
          { "snippet_h3", "H3", "Ctrl+3" },
          { "<" },
          { "snippet_paragraph", "&Paragraph", "Ctrl+P" },
          { "snippet_break", "B&reak", "Ctrl+R" },
          { "-" },
          { ">", "Meta Tags ..." },
          { "snippet_title", "Title" },
          { "snippet_keywords", "Keywords" },
          { "snippet_descriptions", "Descriptions" },
          { "<" },
          { "-" },
          { ">", "Align" },
          { "snippet_alignLeft", "Left" },
          { "snippet_alignRight", "Right" },
          { "snippet_alignCentre", "Centre" },
          { "<" },
          { ">", "Format ..." },
          { "snippet_bold", "&Bold", "Ctrl+B" },
          { "snippet_italic", "&Italic", "Ctrl+I" },
          { "snippet_underline", "&Underline", "Ctrl+U" },
          // Shares Ctrl+F with "&Find text ...", which comes first and so keeps the key.
          { "a_fontDialog", "Font ...", "Ctrl+F" },
          { "<" },
          { "-" },
          { ">", "Forms ..." },
          { "snippet_form", "Form" },
          { "snippet_select", "Select" },
          { "a_option", "Option", "Ctrl+Alt+O" },
          { "snippet_aButton", "aButton" },
          { "snippet_submit", "Submit" },
          { "snippet_reset", "Reset" },
          { "snippet_text", "Text" },
          { "snippet_textArea", "Text Area" },
          { "snippet_hidden", "Hidden" },
          { "snippet_checkbox", "Checkbox" },
          { "snippet_radio", "Radio" },
          { "<" },
          { ">", "Frames ..." },
          { "snippet_framesetRows", "Frameset - Rows" },
          { "snippet_framesetCols", "Frameset - Cols" },
          { "snippet_frame", "Frame" },
          { "snippet_noFramesTag", "No Frames Tag" },
          { "<" },
          { "-" },
          { ">", "Links ..." },
          { "a_linkToSelectedFile", "Link to selected file", "Ctrl+K" },
          { "snippet_plainLink", "Plain Link" },
          { "a_tocLink", "TOC Link" },
          { "snippet_emailLink", "Email Link" },
          { "snippet_bookmark", "Bookmark", "Ctrl+Alt+B" },
          { "-" },
          { "a_insertToc", "Insert TOC" },
          { "-" },
          { "<" },
          { "a_image", "Image" },
          { ">", "Colour" },
          { "snippet_hexColour", "Hex Colour" },
          { "snippet_backgroundColour", "Background Colour" },
          { "<" },
          { "-" },
          { "snippet_htmlComments", "HTML Comments" },
          { "snippet_htmlFancyComments", "HTML Fancy Comments" },
          { "snippet_styleTags", "Style Tags" },
          { "snippet_horizontalLine", "Horizontal &Line", "Ctrl+H" },
          { "-" },
          { ">", "List ..." },
          { "a_listDialog", "List Dialogue ..." },
          { "-" },
          { "snippet_orderedList", "Ordered List" },
          { "snippet_unorderedList", "Unordered List" },
          { "<" },
          { "snippet_listItem", "List Item", "Ctrl+L" },
          { "-" },
          { ">", "Table ..." },
          { "a_tableDialog", "Table Dialogue ..." },
          { "a_tableDataDialog", "Table Data Dialogue ..." },
          { "-" },
          { "snippet_tableTags", "Table Tags" },
          { "snippet_tableRowTags", "&Table Row Tags", "Ctrl+W" },
          { "snippet_tableDataTags", "Table &Data Tags", "Ctrl+D" },
          { "<" },
          { "-" },
          { "a_open", "&Open File ...", "Ctrl+O" },
          { "a_save", "&Save File ...", "Ctrl+S", Always },
          { "-" },
      };

const MenuRows kJavaScriptMenu = MenuRows { { ">", "Edit ..." } } + kEditEntries
    + MenuRows {
          { "<" },
          { "snippet_javaScriptTags", "JavaScript Tags" },
          { ">", "Insert ..." },
          { "a_jsFile", "JS File" },
          { "a_cssFile", "CSS File" },
          { "a_relativeFilename", "Relative Filename", "Ctrl+N" },
          { "a_fileTitle", "File Title", "Ctrl+T" },
          { "snippet_quotes", "Quotes" },
          { "<" },
          { "a_linkCssJs", "Link this css/js file to selected file", "F2", CssJsDocument },
          { "snippet_function", "Function" },
          { "-" },
          { ">", "Conditions and Loops ..." },
          { "snippet_if", "If" },
          { "snippet_else", "Else" },
          { "snippet_for", "For" },
          { "snippet_while", "While" },
          { "snippet_switch", "Switch" },
          { "snippet_with", "With" },
          { "<" },
          { "-" },
          { ">", "Message Boxes" },
          { "snippet_alert", "Alert" },
          { "snippet_confirm", "Confirm" },
          { "snippet_prompt", "Prompt" },
          { "<" },
          { "snippet_newWindow", "New Window" },
          { "-" },
          { "snippet_onClick", "onClick" },
          { "snippet_onSubmit", "onSubmit" },
          { "snippet_onChange", "onChange" },
          { ">", "Mouse ..." },
          { "snippet_onMouseOver", "onMouseOver" },
          { "snippet_onMouseOut", "onMouseOut" },
          { "snippet_onMouseUp", "onMouseUp" },
          { "snippet_onMouseDown", "onMouseDown" },
          { "<" },
          { "-" },
          { ">", "Other ..." },
          { "snippet_documentWrite", "document.write" },
          { "snippet_historyGo", "history.go()" },
          { "snippet_topLocation", "top.location" },
          { "snippet_array", "Array" },
          { "<" },
          { ">", "Strings ..." },
          { "snippet_indexOf", "indexOf" },
          { "snippet_lastIndexOf", "lastIndexOf" },
          { "snippet_substring", "substring" },
          { "snippet_charAt", "charAt" },
          { "snippet_length", "length" },
          { "<" },
          { "-" },
          { ">", "Numbers ...." },
          { "snippet_parseFloat", "parseFloat" },
          { "snippet_parseInt", "parseInt" },
          { "snippet_isNaN", "isNaN" },
          { "<" },
          { "-" },
          { "snippet_javaScriptComments", "JavaScript Comments" },
          { "snippet_javaScriptFancyComments", "JavaScript Fancy Comments" },
          { "-" },
          { "a_matchingBrace", "Find Matching Brace", "Ctrl+M" },
          { "-" },
          { "a_wizardFunctionLink", "Wizard Function Link ..." },
          { "-" },
          { "a_open", "&Open File ...", "Ctrl+O" },
          { "a_save", "&Save File ...", "Ctrl+S", Always },
      };
} // namespace

const QList<MenuTable>& fullMenuBar()
{
    static const QList<MenuTable> tables {
        { "fileMenu", "&File",
            { { "a_new" }, { "a_newHtml" }, { "a_open" }, { "a_save" }, { "a_saveAs" }, { "a_close" }, { "-" },
                { "a_font" }, { "-" }, { "a_exit" } } },
        { "editMenu", "&Edit",
            { { "a_cut" }, { "a_copy" }, { "a_paste" }, { "a_selectAll" }, { "-" }, { "a_undo" }, { "a_redo" }, { "-" },
                { "a_wordWrap" } } },
        { "findMenu", "Fi&nd", { { "a_find" }, { "a_replace" }, { "a_matchingBrace" } } },
        { "viewMenu", "&View",
            { { "viewDirectories" }, { "viewHtmlButtons" }, { "viewJavaScriptButtons" }, { "-" }, { "a_browsers" },
                { "-" }, { "viewHideButtons" }, { "-" }, { "a_livePreview" }, { "a_lineNumbers" },
                { "a_closeTags" } } },
        { "toolsMenu", "&Tools",
            { { "a_jotter" }, { "a_createSearch" }, { "a_insertToc" }, { ">", "&Sort Selection" },
                { "a_sortAscending" }, { "a_sortDescending" }, { "<" }, { "-" }, { "a_makeViewable" },
                { "a_convertToText" }, { "-" }, { "a_findBrokenLinks" }, { "a_findOrphans" }, { "a_findAltText" },
                { "-" }, { "a_functionNavigator" }, { "a_styleSheets" }, { "-" }, { "a_checkHtml" }, { "-" },
                { "a_findInSite" }, { "a_undoSiteChange" } } },
        { "wizardsMenu", "Wizards",
            { { "a_tableWizard" }, { "a_alertWizard" }, { "a_functionWizard" }, { "a_windowWizard" },
                { "a_dummyLinkWizard" }, { "a_docWriteWizard" }, { "a_formWizard" }, { "a_arrayWizard" },
                { "a_cookieWizard" }, { "-" }, { "a_wizardFunctionLink" } } },
        { "dataMenu", "&Data", { { "a_jsReference" } } },
        { "helpMenu", "&Help", { { "a_helpContents" }, { "a_usefulLinks" }, { "a_briefHelp" }, { "a_about" } } },
    };
    return tables;
}

const QList<MenuTable>& previewMenuBar()
{
    static const QList<MenuTable> tables {
        { "previewFileMenu", "&File", { { "a_exit" } } },
        { "previewHelpMenu", "&Help", { { "a_usefulLinks" }, { "a_briefHelp" }, { "a_about" } } },
    };
    return tables;
}

const MenuRows& toolBar1()
{
    static const MenuRows rows { { "a_open" }, { "a_save" }, { "-" }, { "a_openInDefaultBrowser" }, { "a_sendEmail" },
        { "-" }, { "a_colourize" }, { "a_gotoLine" } };
    return rows;
}

const MenuRows& toolBar2()
{
    static const MenuRows rows { { "a_cut" }, { "a_copy" }, { "a_paste" }, { "a_selectAll" }, { "-" }, { "a_undo" },
        { "a_redo" }, { "-" }, { "a_find" }, { "a_replace" }, { "-" }, { "a_checkSpelling" } };
    return rows;
}

QString toolBarIcon(const QString& command)
{
    static const QHash<QString, QString> icons {
        { "a_open", "document-open" },
        { "a_save", "document-save" },
        { "a_openInDefaultBrowser", "internet-web-browser" },
        { "a_sendEmail", "mail-send" },
        { "a_colourize", "format-text-color" },
        { "a_gotoLine", "go-jump" },
        { "a_cut", "edit-cut" },
        { "a_copy", "edit-copy" },
        { "a_paste", "edit-paste" },
        { "a_selectAll", "edit-select-all" },
        { "a_undo", "edit-undo" },
        { "a_redo", "edit-redo" },
        { "a_find", "edit-find" },
        { "a_replace", "edit-find-replace" },
        { "a_checkSpelling", "tools-check-spelling" },
    };
    return icons.value(command);
}

const MenuRows& colourMenu()
{
    static const MenuRows rows { { "a_colourise" }, { "a_removeColour" } };
    return rows;
}

const MenuRows& buttonBarMenu()
{
    static const MenuRows rows { { "barShowJsButtons" }, { "barShowHtmlButtons" }, { "barHideButtons" } };
    return rows;
}

const MenuRows& editorMenu(EditorMode mode)
{
    return mode == EditorMode::Html ? kHtmlMenu : (mode == EditorMode::Standard ? kStandardMenu : kJavaScriptMenu);
}

const MenuRows& htmlButtonBar()
{
    static const MenuRows rows {
        { "", "REPEAT LAST" },
        { "snippet_h1", "H1" },
        { "snippet_h2", "H2" },
        { "snippet_h3", "H3" },
        { "snippet_paragraph", "P" },
        { "snippet_break", "BR" },
        { "snippet_html", "HTML" },
        { "snippet_body", "BODY" },
        { "snippet_head", "HEAD" },
        { "snippet_pre", "PRE" },
        { "snippet_blockquote", "BLOCKQUOTE" },
        { "a_listDialog", "LIST ..." },
        { "snippet_alignLeft", "A-LEFT" },
        { "snippet_alignCentre", "A-CENTER" },
        { "snippet_alignRight", "A-RIGHT" },
        { "snippet_title", "TITLE" },
        { "snippet_keywords", "KEYWORDS" },
        { "snippet_descriptions", "DESCRIPTION" },
        { "snippet_bold", "B" },
        { "snippet_italic", "I" },
        { "snippet_underline", "U" },
        { "a_fontDialog", "FONT ..." },
        { "snippet_frame", "FRAME" },
        { "snippet_framesetRows", "ROWS" },
        { "snippet_framesetCols", "COLS" },
        { "snippet_noFramesTag", "NOFRAMES" },
        { "a_linkToSelectedFile", "LINK" },
        { "snippet_plainLink", "PLAIN LINK" },
        { "a_tocLink", "LINK WITH BR" },
        { "snippet_emailLink", "EMAIL LINK" },
        { "snippet_bookmark", "BOOKMARK" },
        { "a_insertToc", "TOC" },
        { "snippet_hexColour", "# COL ..." },
        { "snippet_backgroundColour", "BGCOLOR ..." },
        { "snippet_htmlComments", "<!--" },
        { "snippet_htmlFancyComments", "FANCY <!--" },
        { "a_option", "OPTIONS" },
    };
    return rows;
}

const MenuRows& javaScriptButtonBar()
{
    static const MenuRows rows {
        { "", "Repeat Last" },
        { "snippet_javaScriptTags", "Java Script Tags" },
        { "a_jsFile", "JS File" },
        { "a_cssFile", "CSS File" },
        { "a_relativeFilename", "Relative Filename" },
        { "a_fileTitle", "File Title" },
        { "snippet_quotes", "quotes" },
        { "snippet_function", "function" },
        { "snippet_if", "if" },
        { "snippet_else", "else" },
        { "snippet_for", "for" },
        { "snippet_while", "while" },
        { "snippet_switch", "switch" },
        { "snippet_with", "with" },
        { "snippet_alert", "alert" },
        { "snippet_confirm", "confirm" },
        { "snippet_promptButton", "prompt" },
        { "snippet_onClick", "onClick" },
        { "snippet_onMouseOver", "onMouseOver" },
        { "snippet_onSubmit", "onSubmit" },
        { "snippet_onChange", "onChange" },
        { "snippet_documentWrite", "DocWrite" },
        { "snippet_array", "array" },
        { "snippet_indexOf", "indexOf" },
        { "snippet_lastIndexOf", "lastIndexOf" },
        { "snippet_substring", "substring" },
        { "snippet_charAt", "charAt" },
        { "a_matchingBrace", "Find Matching Brace" },
    };
    return rows;
}

QStringList commandNames(const MenuRows& rows)
{
    QStringList names;
    for (const MenuRow& row : rows)
        if (*row.command && qstrcmp(row.command, "-") != 0 && qstrcmp(row.command, ">") != 0
            && qstrcmp(row.command, "<") != 0)
            names << QLatin1String(row.command);
    return names;
}

} // namespace MenuTables
