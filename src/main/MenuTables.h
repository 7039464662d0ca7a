#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The main window's command surfaces as data: each entry a command name, "-" a separator,
// ">Caption" the start of a submenu and "<" its end.
struct MenuTable {
    const char* objectName;
    const char* title;
    QStringList entries;
};

namespace MenuTables {
// The full menu bar of the "HTML" tab, in order.
const QList<MenuTable>& fullMenuBar();
// The reduced menu bar of the "Preview" tab.
const QList<MenuTable>& previewMenuBar();
const QStringList& toolBar1();
const QStringList& toolBar2();
// The freedesktop icon name of a tool bar command; empty when it has none.
QString toolBarIcon(const QString& command);
// The right-click menu of "Colour the tags" on tool bar 1.
const QStringList& colourMenu();

// Commands that later windows will provide: visibly disabled until someone registers them.
struct Placeholder {
    const char* name;
    const char* caption;
};
const QList<Placeholder>& placeholders();
} // namespace MenuTables
