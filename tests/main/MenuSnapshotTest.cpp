#include "support/MainWindowFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace {
// One line an entry: its object name, caption, shortcut and check and enabled state at start;
// a submenu's entries follow it, indented.
void dump(const QList<QAction*>& actions, QStringList& lines, const QString& indent = {})
{
    for (QAction* a : actions) {
        if (a->isSeparator()) {
            lines << indent + "-";
            continue;
        }
        lines << indent
                + QStringList { a->objectName(), a->text(), a->shortcut().toString(QKeySequence::PortableText),
                      a->isCheckable() ? (a->isChecked() ? "checked" : "unchecked") : "",
                      a->isEnabled() ? "" : "disabled" }
                      .join(" | ");
        if (a->menu()) dump(a->menu()->actions(), lines, indent + "    ");
    }
}

// Every menu the window builds, entry by entry, as it was when the menus came from four
// separate tables: a change of the tables or of their builder shows here.
TEST_F(MainWindowFixture, EveryMenuKeepsItsEntries)
{
    QApplication::clipboard()->clear(); // Paste follows the clipboard
    start();
    QStringList lines { "menuBar: " + window->menuBarTitles().join(", ") };
    for (const char* name : { "fileMenu", "editMenu", "findMenu", "viewMenu", "toolsMenu", "wizardsMenu", "dataMenu",
             "helpMenu", "previewFileMenu", "previewHelpMenu", "colourMenu", "buttonBarMenu", "htmlMenu",
             "standardMenu", "javaScriptMenu" }) {
        auto* menu = window->findChild<QMenu*>(name);
        ASSERT_NE(menu, nullptr) << name;
        lines << QString("%1: %2").arg(name, menu->title());
        dump(menu->actions(), lines, "    ");
    }
    for (const char* name : { "toolBar1", "toolBar2" }) {
        lines << QString("%1:").arg(name);
        dump(window->findChild<QToolBar*>(name)->actions(), lines, "    ");
    }
    QFile file(QStringLiteral(MENU_SNAPSHOT));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    // As text, so that a failure shows the lines that differ.
    EXPECT_EQ((lines.join("\n") + "\n").toStdString(), file.readAll().toStdString());
    discard();
}
} // namespace
