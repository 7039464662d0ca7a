#include "shared/CommandRegistry.h"

#include <QAction>
#include <QEvent>
#include <QKeySequence>
#include <QPointer>
#include <QWidget>
#include <QtGlobal>
#include <memory>

CommandRegistry::CommandRegistry(QObject* parent)
    : QObject(parent)
    , m_boundary([](const std::function<void()>& command) { command(); })
{ }

QAction* CommandRegistry::add(const QString& name, const QString& caption, const QString& shortcut,
    const QString& statusTip, std::function<void()> handler)
{
    if (m_actions.contains(name)) {
        qCritical("Command registered twice: %s", qPrintable(name));
        Q_ASSERT_X(false, "CommandRegistry::add", "command registered twice");
        return m_actions.value(name);
    }
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    action->setStatusTip(statusTip);
    if (!shortcut.isEmpty()) action->setShortcut(QKeySequence(shortcut, QKeySequence::PortableText));
    connect(action, &QAction::triggered, this, [this, name] { run(name); });
    m_actions.insert(name, action);
    m_handlers.insert(name, std::move(handler));
    m_order << name;
    return action;
}

void CommandRegistry::add(const QList<CommandRow>& rows)
{
    for (const CommandRow& row : rows)
        add(QLatin1String(row.name), QString::fromUtf8(row.caption), QLatin1String(row.shortcut),
            QString::fromUtf8(row.statusTip), row.handler);
}

QAction* CommandRegistry::addCheck(const QString& name, const QString& caption, const QString& statusTip, bool checked,
    std::function<void(bool)> toggled)
{
    auto entry = std::make_shared<QAction*>(nullptr);
    *entry = add(name, caption, QString(), statusTip, [entry, toggled] { toggled((*entry)->isChecked()); });
    (*entry)->setCheckable(true);
    (*entry)->setChecked(checked);
    return *entry;
}

void CommandRegistry::adopt(QAction* action)
{
    const QString name = action->objectName();
    if (m_actions.contains(name)) {
        qCritical("Command registered twice: %s", qPrintable(name));
        Q_ASSERT_X(false, "CommandRegistry::adopt", "command registered twice");
        return;
    }
    m_actions.insert(name, action);
    m_handlers.insert(name, [action] { action->trigger(); });
    m_order << name;
}

bool CommandRegistry::run(const QString& name)
{
    const auto handler = m_handlers.constFind(name);
    if (handler == m_handlers.constEnd()) return false;
    if (*handler) runGuarded(*handler);
    return true;
}

void CommandRegistry::runGuarded(const std::function<void()>& command) { m_boundary(command); }

QStringList CommandRegistry::missing(const QStringList& names, const QString& table) const
{
    QStringList absent;
    for (const QString& name : names) {
        if (name.isEmpty() || name == QLatin1String("-") || name.startsWith(u'>') || name == QLatin1String("<"))
            continue;
        if (m_actions.contains(name) || absent.contains(name)) continue;
        absent << name;
        qCritical("The table %s names a command nobody registered: %s", qPrintable(table), qPrintable(name));
    }
    Q_ASSERT_X(absent.isEmpty(), "CommandRegistry::missing", "a table names an unregistered command");
    return absent;
}

namespace {
// Gives the commands back when the window closes (it is hidden, not by the system) or goes.
class OpenWindowWatch : public QObject {
public:
    OpenWindowWatch(QWidget* window, QList<QPointer<QAction>> actions)
        : QObject(window)
        , m_actions(std::move(actions))
    {
        window->installEventFilter(this);
    }
    ~OpenWindowWatch() override { release(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Hide && !event->spontaneous()) release();
        if (event->type() == QEvent::Show) hold();
        return QObject::eventFilter(watched, event);
    }

private:
    void hold()
    {
        for (const QPointer<QAction>& action : std::as_const(m_actions))
            if (action) action->setEnabled(false);
    }
    void release()
    {
        for (const QPointer<QAction>& action : std::as_const(m_actions))
            if (action) action->setEnabled(true);
    }
    QList<QPointer<QAction>> m_actions;
};
} // namespace

void CommandRegistry::disableWhileOpen(const QStringList& names, QWidget* window)
{
    QList<QPointer<QAction>> actions;
    for (const QString& name : names) {
        if (QAction* action = m_actions.value(name)) {
            action->setEnabled(false);
            actions << action;
        }
    }
    new OpenWindowWatch(window, actions);
}
