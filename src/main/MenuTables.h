#pragma once

#include <QList>
#include <QString>
#include <QStringList>

enum class EditorMode { Html, Standard, JavaScript };

// One row of a menu, bar or context-menu table. `command` names a registered command; "-" is a
// separator, ">" the start of a submenu titled `caption` and "<" its end. An entry without a
// caption is the command's own action; an entry with one (the context menus') is an entry of
// its own that runs the command and shows the shortcut, which the editor's modes make work.
struct MenuRow {
    // How a captioned entry's enabled state is kept: like its command's, always on, or by the
    // menu's opening rules (which the edit entries also follow between openings).
    enum class Enabling { Mirror, Always, Selection, Clipboard, CssJsDocument };

    const char* command;
    const char* caption = "";
    const char* shortcut = "";
    Enabling enabling = Enabling::Mirror;
};
using MenuRows = QList<MenuRow>;

struct MenuTable {
    const char* objectName;
    const char* title;
    MenuRows rows;
};

// The main window's command surfaces as data.
namespace MenuTables {
// The full menu bar of the "HTML" tab, in order.
const QList<MenuTable>& fullMenuBar();
// The reduced menu bar of the "Preview" tab.
const QList<MenuTable>& previewMenuBar();
const MenuRows& toolBar1();
const MenuRows& toolBar2();
// The freedesktop icon name of a tool bar command; empty when it has none.
QString toolBarIcon(const QString& command);
// The right-click menu of "Colour the tags" on tool bar 1.
const MenuRows& colourMenu();
// The right-click menu of the button bars.
const MenuRows& buttonBarMenu();
// The editor's right-click menu in each mode.
const MenuRows& editorMenu(EditorMode mode);
// The buttons of the HTML and the JavaScript button bar: a caption each and the command it
// runs; the first, without a command, repeats the last one.
const MenuRows& htmlButtonBar();
const MenuRows& javaScriptButtonBar();

// The commands a table names, in order.
QStringList commandNames(const MenuRows& rows);
} // namespace MenuTables
