#include "main/MenuBuilder.h"

#include "platform/AppDirs.h"
#include "shared/CommandRegistry.h"

#include <QAction>
#include <QFileInfo>
#include <QIcon>
#include <QMenu>
#include <QPainter>
#include <QToolBar>

namespace {
// The icon of a tool bar command: the desktop theme's, else a small drawn one, so the bars look
// alike without a theme. The caption stays the tool tip and the hint says what it does.
QIcon toolBarIcon(const QString& themeName, const QString& caption)
{
    const QIcon themed = QIcon::fromTheme(themeName);
    if (!themed.isNull()) return themed;
    // Without a desktop theme (a plain window manager), the pictures the program brings.
    const QString own = AppDirs::dataFile(QStringLiteral("icons/") + themeName + QStringLiteral(".svg"));
    if (QFileInfo::exists(own)) {
        const QIcon drawn(own);
        if (!drawn.pixmap(24, 24).isNull()) return drawn;
    }
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(60, 90, 140));
    painter.setBrush(QColor(225, 235, 250));
    painter.drawRoundedRect(QRectF(1.5, 1.5, 21, 21), 4, 4);
    QFont font = painter.font();
    font.setPixelSize(11);
    font.setBold(true);
    painter.setFont(font);
    QString letters;
    for (const QString& word : QString(caption).remove(u'&').split(u' ', Qt::SkipEmptyParts))
        if (letters.size() < 2 && word.front().isLetter()) letters += word.front().toUpper();
    painter.drawText(pixmap.rect(), Qt::AlignCenter, letters);
    return QIcon(pixmap);
}

bool is(const MenuRow& row, const char* mark) { return qstrcmp(row.command, mark) == 0; }

QAction* addSeparator(QWidget* into)
{
    auto* separator = new QAction(into);
    separator->setSeparator(true);
    into->addAction(separator);
    return separator;
}
} // namespace

QMenu* MenuBuilder::menu(const MenuTable& table, QWidget* parent)
{
    auto* root = new QMenu(QString::fromUtf8(table.title), parent);
    root->setObjectName(QLatin1String(table.objectName));
    fill(root, table.rows, root->objectName());
    return root;
}

QMenu* MenuBuilder::menu(const MenuRows& rows, const QString& table, QWidget* parent, QList<Entry>* entries)
{
    auto* root = new QMenu(parent);
    fill(root, rows, table, entries);
    return root;
}

void MenuBuilder::fill(QToolBar* bar, const MenuRows& rows)
{
    m_commands.missing(MenuTables::commandNames(rows), bar->objectName());
    for (const MenuRow& row : rows) {
        if (is(row, "-")) {
            addSeparator(bar);
        } else if (QAction* a = entry(row, bar, QString(), nullptr)) {
            const QString icon = MenuTables::toolBarIcon(a->objectName());
            if (!icon.isEmpty() && a->icon().isNull()) a->setIcon(toolBarIcon(icon, a->text()));
        }
    }
}

void MenuBuilder::fill(QMenu* menu, const MenuRows& rows, const QString& table, QList<Entry>* entries)
{
    m_commands.missing(MenuTables::commandNames(rows), table);
    QList<QMenu*> open { menu };
    QStringList path;
    for (const MenuRow& row : rows) {
        if (is(row, "-")) {
            addSeparator(open.last());
        } else if (is(row, ">")) {
            const QString caption = QString::fromUtf8(row.caption);
            open << open.last()->addMenu(caption);
            path << caption;
        } else if (is(row, "<")) {
            open.removeLast();
            path.removeLast();
        } else {
            entry(row, open.last(), path.join(QLatin1Char('/')), entries);
        }
    }
}

QAction* MenuBuilder::entry(const MenuRow& row, QWidget* into, const QString& path, QList<Entry>* entries)
{
    const QString name = QLatin1String(row.command);
    QAction* command = m_commands.action(name);
    if (!*row.caption) {
        // The command's own action.
        if (command) into->addAction(command);
        return command;
    }
    const QString caption = QString::fromUtf8(row.caption);
    auto* proxy = new QAction(caption, into);
    into->addAction(proxy);
    const QString key = QLatin1String(row.shortcut);
    if (!key.isEmpty()) {
        // Shown in the menu only: the editor's own shortcuts run the entries.
        proxy->setShortcut(QKeySequence(key, QKeySequence::PortableText));
        proxy->setShortcutContext(Qt::WidgetShortcut);
        proxy->setShortcutVisibleInContextMenu(true);
    }
    using enum MenuRow::Enabling;
    if (command) {
        proxy->setStatusTip(command->statusTip());
        if (row.enabling == Always) {
            CommandRegistry* commands = &m_commands;
            QObject::connect(proxy, &QAction::triggered, command, [commands, command, name] {
                if (!commands->run(name)) command->trigger();
            });
        } else {
            QObject::connect(proxy, &QAction::triggered, command, &QAction::trigger);
        }
        if (row.enabling == Mirror || row.enabling == Selection || row.enabling == Clipboard) {
            proxy->setEnabled(command->isEnabled());
            QObject::connect(command, &QAction::enabledChanged, proxy, &QAction::setEnabled);
        }
    } else {
        proxy->setEnabled(false);
    }
    if (entries)
        entries->append({ path.isEmpty() ? caption : path + QLatin1Char('/') + caption, proxy, key, row.enabling });
    return proxy;
}
