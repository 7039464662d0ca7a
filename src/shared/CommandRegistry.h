#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QAction;
class QWidget;

// One row of a subsystem's command table.
struct CommandRow {
    const char* name;
    const char* caption;
    const char* shortcut; // "" for none; a key sequence in portable text ("Ctrl+K", "F5")
    const char* statusTip;
    std::function<void()> handler;
};

// Every command of the program, by name. Each subsystem registers its own commands; menus, tool
// bars, button bars and the context menus are then built from tables of names and share these
// action objects.
class CommandRegistry : public QObject {
    Q_OBJECT
public:
    using Boundary = std::function<void(const std::function<void()>&)>;

    explicit CommandRegistry(QObject* parent = nullptr);

    // Every handler runs inside this, the error boundary of user commands.
    void setBoundary(Boundary boundary) { m_boundary = std::move(boundary); }

    // Registers a command; a name registered twice is an error (the first one stays).
    QAction* add(const QString& name, const QString& caption, const QString& shortcut, const QString& statusTip,
        std::function<void()> handler);
    void add(const QList<CommandRow>& rows);
    // A check entry: choosing it turns the check mark over and passes the new state on.
    QAction* addCheck(const QString& name, const QString& caption, const QString& statusTip, bool checked,
        std::function<void(bool)> toggled);
    // Registers an action made elsewhere under its object name; running it triggers it.
    void adopt(QAction* action);

    // nullptr when nobody registered the name.
    QAction* action(const QString& name) const { return m_actions.value(name); }
    bool contains(const QString& name) const { return m_actions.contains(name); }
    QStringList names() const { return m_order; }
    // Runs a command's handler even while its action is disabled; false when there is none.
    bool run(const QString& name);
    // Runs any function inside the boundary.
    void runGuarded(const std::function<void()>& command);

    // The names of a table that nobody registered, each reported (an assertion in debug builds,
    // a logged error otherwise). Separators ("", "-") and submenu marks (">Caption", "<") are
    // skipped.
    QStringList missing(const QStringList& names, const QString& table) const;

    // An open-once window: the commands stay disabled while the window is open and come back
    // when it closes, whichever way (its buttons, Escape, the close box), or is destroyed.
    void disableWhileOpen(const QStringList& names, QWidget* window);

private:
    Boundary m_boundary;
    QHash<QString, QAction*> m_actions;
    QHash<QString, std::function<void()>> m_handlers;
    QStringList m_order;
};
