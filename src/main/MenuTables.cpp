#include "main/MenuTables.h"

#include <QHash>

namespace MenuTables {

const QList<MenuTable>& fullMenuBar()
{
    static const QList<MenuTable> tables {
        { "fileMenu", "&File",
            { "a_new", "a_newHtml", "a_open", "a_save", "a_saveAs", "a_close", "-", "a_font", "-", "a_exit" } },
        { "editMenu", "&Edit",
            { "a_cut", "a_copy", "a_paste", "a_selectAll", "-", "a_undo", "a_redo", "-", "a_wordWrap" } },
        { "findMenu", "Fi&nd", { "a_find", "a_replace", "a_matchingBrace" } },
        { "viewMenu", "&View",
            { "viewDirectories", "viewHtmlButtons", "viewJavaScriptButtons", "-", "a_browsers", "-",
                "viewHideButtons", "-", "a_livePreview", "a_lineNumbers", "a_closeTags" } },
        { "toolsMenu", "&Tools",
            { "a_jotter", "a_createSearch", "a_insertToc", ">&Sort Selection", "a_sortAscending", "a_sortDescending",
                "<", "-", "a_makeViewable", "a_convertToText", "-", "a_findBrokenLinks", "a_findOrphans",
                "a_findAltText", "-", "a_functionNavigator", "a_styleSheets", "-", "a_checkHtml", "-", "a_findInSite",
                "a_undoSiteChange" } },
        { "wizardsMenu", "Wizards",
            { "a_tableWizard", "a_alertWizard", "a_functionWizard", "a_windowWizard", "a_dummyLinkWizard",
                "a_docWriteWizard", "a_formWizard", "a_arrayWizard", "a_cookieWizard", "-", "a_wizardFunctionLink" } },
        { "dataMenu", "&Data", { "a_jsReference" } },
        { "helpMenu", "&Help", { "a_helpContents", "a_usefulLinks", "a_briefHelp", "a_about" } },
    };
    return tables;
}

const QList<MenuTable>& previewMenuBar()
{
    static const QList<MenuTable> tables {
        { "previewFileMenu", "&File", { "a_exit" } },
        { "previewHelpMenu", "&Help", { "a_usefulLinks", "a_briefHelp", "a_about" } },
    };
    return tables;
}

const QStringList& toolBar1()
{
    static const QStringList names { "a_open", "a_save", "-", "a_openInDefaultBrowser", "a_sendEmail", "-",
        "a_colourize", "a_gotoLine" };
    return names;
}

const QStringList& toolBar2()
{
    static const QStringList names { "a_cut", "a_copy", "a_paste", "a_selectAll", "-", "a_undo", "a_redo", "-",
        "a_find", "a_replace", "-", "a_checkSpelling" };
    return names;
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

const QStringList& colourMenu()
{
    static const QStringList names { "a_colourise", "a_removeColour" };
    return names;
}

const QList<Placeholder>& placeholders()
{
    static const QList<Placeholder> list {
        { "a_jotter", "&Jotter" },
        { "a_createSearch", "Create &Search ..." },
        { "a_makeViewable", "Make HTML &Viewable ..." },
        { "a_convertToText", "Convert to &text ..." },
        { "a_findBrokenLinks", "Find &Broken Links in Site ..." },
        { "a_findOrphans", "Find &Orphans in Site ..." },
        { "a_findAltText", "Find image &ALT text ..." },
        { "a_functionNavigator", "Function &Navigator" },
        { "a_styleSheets", "St&yle Sheets" },
        { "a_tableWizard", "&Table Wizard ..." },
        { "a_alertWizard", "&Alert Wizard ..." },
        { "a_functionWizard", "&Function Wizard ..." },
        { "a_windowWizard", "&Window Wizard ..." },
        { "a_dummyLinkWizard", "&Dummy Link Wizard ..." },
        { "a_docWriteWizard", "Do&c Write Wizard ..." },
        { "a_formWizard", "&Form Wizard ..." },
        { "a_arrayWizard", "A&rray Wizard ..." },
        { "a_cookieWizard", "&Cookie Message Wizard" },
        { "a_wizardFunctionLink", "Wizard Function &Link ..." },
        { "a_jsReference", "JS &Reference..." },
        { "a_tableDialog", "Table Dialogue ..." },
        { "a_tableDataDialog", "Table Data Dialogue ..." },
        { "a_listDialog", "List Dialogue ..." },
        { "a_fontDialog", "Font ..." },
    };
    return list;
}

} // namespace MenuTables
