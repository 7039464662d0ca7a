#include "tools/TextAreaActions.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QPlainTextEdit>
#include <QKeyEvent>

namespace {

QAction* action(QWidget* owner, const QString& caption, const char* name, const QKeySequence& shortcut,
    const std::function<void()>& run)
{
    auto* action = new QAction(caption, owner);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    // The shortcut is shown in the menus; the text area handles the keys itself while it has the
    // focus, so the action must not take them from other widgets.
    action->setShortcutContext(Qt::WidgetShortcut);
    QObject::connect(action, &QAction::triggered, owner, run);
    return action;
}

} // namespace

TextAreaActions TextAreaActions::make(
    QWidget* owner, QPlainTextEdit* text, const QString& selectAllCaption, const std::function<void()>& clear)
{
    TextAreaActions actions;
    actions.cut = action(
        owner, QStringLiteral("Cu&t"), "cutAction", QKeySequence(Qt::CTRL | Qt::Key_X), [text] { text->cut(); });
    actions.copy = action(
        owner, QStringLiteral("&Copy"), "copyAction", QKeySequence(Qt::CTRL | Qt::Key_C), [text] { text->copy(); });
    actions.paste = action(
        owner, QStringLiteral("&Paste"), "pasteAction", QKeySequence(Qt::CTRL | Qt::Key_V), [text] { text->paste(); });
    if (clear)
        actions.clear = action(owner, QStringLiteral("C&lear"), "clearAction", QKeySequence(Qt::Key_Delete), clear);
    actions.selectAll = action(
        owner, selectAllCaption, "selectAllAction", QKeySequence(Qt::CTRL | Qt::Key_A), [text] { text->selectAll(); });
    return actions;
}

void TextAreaActions::addTo(QMenu* menu) const
{
    menu->addAction(cut);
    menu->addAction(copy);
    menu->addAction(paste);
    if (clear) menu->addAction(clear);
    menu->addAction(selectAll);
}

namespace {
// Sees the keys the window's controls leave alone (they travel up to the window).
class EscapeCloses : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Escape || key->modifiers() != Qt::NoModifier) return false;
        if (auto* window = qobject_cast<QWidget*>(parent())) window->close();
        return true;
    }
};
} // namespace

void closeOnEscape(QWidget* window) { window->installEventFilter(new EscapeCloses(window)); }
