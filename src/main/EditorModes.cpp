#include "main/EditorModes.h"

#include "editor/CodeEditor.h"
#include "main/DocumentSession.h"
#include "main/MainWindow.h"
#include "main/MenuBuilder.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QShortcut>
#include <QToolButton>

namespace {
using enum MenuRow::Enabling;

struct ModeLook {
    const char* button;
    const char* caption;
};
// Indexed by EditorMode.
const ModeLook kModes[] {
    { "modeButtonHTML", " - HTML Mode" },
    { "modeButtonSTD", " - Standard Mode" },
    { "modeButtonJS", " - JavaScript Mode" },
};
constexpr EditorMode kAllModes[] { EditorMode::Html, EditorMode::Standard, EditorMode::JavaScript };
} // namespace

EditorModes::EditorModes(MainWindow& window)
    : QObject(&window)
    , m_window(window)
{
    m_entries.resize(3);
    m_keys.resize(3);
    MenuBuilder builder(m_window.commands());
    for (EditorMode mode : kAllModes) {
        m_menus << builder.menu(
            MenuTables::editorMenu(mode), QStringLiteral("editor menu"), &m_window, &m_entries[int(mode)]);
        // A key shared by two entries runs the first in menu order.
        for (const MenuBuilder::Entry& e : std::as_const(m_entries[int(mode)]))
            if (!e.shortcut.isEmpty() && !m_keys[int(mode)].contains(e.shortcut))
                m_keys[int(mode)].insert(e.shortcut, e.proxy);
    }
    m_menus[0]->setObjectName(QStringLiteral("htmlMenu"));
    m_menus[1]->setObjectName(QStringLiteral("standardMenu"));
    m_menus[2]->setObjectName(QStringLiteral("javaScriptMenu"));
    connect(m_menus[0], &QMenu::aboutToShow, this, &EditorModes::htmlMenuPopup);
    connect(m_menus[2], &QMenu::aboutToShow, this, &EditorModes::javaScriptMenuPopup);

    // One shortcut per key for all three menus; the mode decides which entry, if any, it runs.
    CodeEditor* editor = m_window.editor();
    for (const auto& keys : std::as_const(m_keys)) {
        for (auto it = keys.cbegin(); it != keys.cend(); ++it) {
            if (m_shortcuts.contains(it.key())) continue;
            auto* shortcut = new QShortcut(QKeySequence(it.key(), QKeySequence::PortableText), editor);
            shortcut->setContext(Qt::WidgetShortcut);
            const QString key = it.key();
            connect(shortcut, &QShortcut::activated, this, [this, key] { onShortcut(key); });
            m_shortcuts.insert(key, shortcut);
        }
    }

    editor->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(editor, &QWidget::customContextMenuRequested, this,
        [this, editor](const QPoint& at) { menu(m_mode)->popup(editor->viewport()->mapToGlobal(at)); });

    for (EditorMode mode : kAllModes) {
        auto* button = m_window.findChild<QToolButton*>(QLatin1String(kModes[int(mode)].button));
        m_buttons << button;
        if (!button) continue;
        connect(button, &QToolButton::clicked, this, [this, mode] { setMode(mode); });
        // A right click opens the button's own menu, whatever the mode.
        button->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(button, &QWidget::customContextMenuRequested, this,
            [this, mode, button](const QPoint& at) { menu(mode)->popup(button->mapToGlobal(at)); });
    }

    // The start: HTML mode, but the caption carries no mode yet.
    const QString caption = m_window.windowTitle();
    setMode(EditorMode::Html);
    m_window.setWindowTitle(caption);
}

QStringList EditorModes::commandNames(EditorMode mode)
{
    return MenuTables::commandNames(MenuTables::editorMenu(mode));
}

QAction* EditorModes::entry(EditorMode mode, const QString& path) const
{
    for (const MenuBuilder::Entry& e : m_entries.value(int(mode)))
        if (e.path == path) return e.proxy;
    return nullptr;
}

void EditorModes::setMode(EditorMode mode)
{
    m_mode = mode;
    for (EditorMode each : kAllModes)
        if (QToolButton* button = m_buttons.value(int(each)))
            button->setAutoRaise(each == mode); // the current mode's button is drawn flat
    for (auto it = m_shortcuts.cbegin(); it != m_shortcuts.cend(); ++it)
        it.value()->setEnabled(m_keys[int(mode)].contains(it.key()));
    m_window.setWindowTitle(MainWindow::kBaseCaption + QLatin1String(kModes[int(mode)].caption));
}

void EditorModes::onShortcut(const QString& key)
{
    QAction* proxy = m_keys[int(m_mode)].value(key);
    if (proxy && proxy->isEnabled()) proxy->trigger();
}

void EditorModes::htmlMenuPopup() { applyPopupRules(EditorMode::Html); }

void EditorModes::javaScriptMenuPopup() { applyPopupRules(EditorMode::JavaScript); }

void EditorModes::applyPopupRules(EditorMode mode)
{
    const bool selected = !m_window.editor()->selText().isEmpty() || m_window.editor()->hasBlockSelection();
    const QMimeData* clip = QApplication::clipboard()->mimeData();
    const bool clipText = clip && clip->hasText();
    const QString ext = QFileInfo(m_window.session().fileName()).suffix().toUpper();
    const bool cssJs = ext == QLatin1String("JS") || ext == QLatin1String("CSS");
    for (const MenuBuilder::Entry& e : std::as_const(m_entries[int(mode)])) {
        switch (e.enabling) {
        case Selection:
            e.proxy->setEnabled(selected);
            break;
        case Clipboard:
            e.proxy->setEnabled(clipText);
            break;
        case CssJsDocument:
            e.proxy->setEnabled(cssJs);
            break;
        case Mirror:
        case Always:
            break;
        }
    }
}
