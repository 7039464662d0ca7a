#pragma once

#include "main/MenuTables.h"

#include <QList>
#include <QString>

class CommandRegistry;
class QAction;
class QMenu;
class QToolBar;
class QWidget;

// Builds every menu, tool bar and context menu of the main window from its table, with the
// actions of the command registry.
class MenuBuilder {
public:
    // An entry with a caption of its own: where it is ("Format .../&Bold"), the entry, the key
    // it shows and how it is enabled.
    struct Entry {
        QString path;
        QAction* proxy = nullptr;
        QString shortcut;
        MenuRow::Enabling enabling = MenuRow::Enabling::Mirror;
    };

    explicit MenuBuilder(CommandRegistry& commands)
        : m_commands(commands)
    { }

    // A menu with the table's title and object name.
    QMenu* menu(const MenuTable& table, QWidget* parent);
    // A nameless menu of rows (the context menus); their captioned entries go to `entries`.
    QMenu* menu(const MenuRows& rows, const QString& table, QWidget* parent, QList<Entry>* entries = nullptr);
    // Adds the rows to a tool bar, with the tool bar icons.
    void fill(QToolBar* bar, const MenuRows& rows);
    // Adds the rows to a menu; `table` names it when a command is missing.
    void fill(QMenu* menu, const MenuRows& rows, const QString& table, QList<Entry>* entries = nullptr);

private:
    QAction* entry(const MenuRow& row, QWidget* into, const QString& path, QList<Entry>* entries);

    CommandRegistry& m_commands;
};
