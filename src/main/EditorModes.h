#pragma once

#include "main/MenuBuilder.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

class MainWindow;
class QAction;
class QMenu;
class QShortcut;
class QToolButton;

// The three right-click menus of the editor (HTML, standard, JavaScript), the mode buttons that
// choose among them, and the keyboard shortcuts of the chosen menu, which work while the editor
// has the focus. Every menu entry forwards to one of the window's command actions.
class EditorModes : public QObject {
    Q_OBJECT
public:
    // Commands of the wizards that the menus name.
    static inline const QString kFontDialog = QStringLiteral("a_fontDialog");
    static inline const QString kListDialog = QStringLiteral("a_listDialog");
    static inline const QString kTableDialog = QStringLiteral("a_tableDialog");
    static inline const QString kTableDataDialog = QStringLiteral("a_tableDataDialog");
    static inline const QString kWizardFunctionLink = QStringLiteral("a_wizardFunctionLink");

    explicit EditorModes(MainWindow& window);

    // The command names a mode's menu uses, in menu order.
    static QStringList commandNames(EditorMode mode);

    EditorMode mode() const { return m_mode; }
    // The mode buttons' handler: the editor's menu, its shortcuts, the flat button, the caption.
    void setMode(EditorMode mode);

    QMenu* menu(EditorMode mode) const { return m_menus.value(int(mode)); }
    QToolButton* modeButton(EditorMode mode) const { return m_buttons.value(int(mode)); }
    // A menu entry by its caption path ("Format .../&Bold"); nullptr when there is none.
    QAction* entry(EditorMode mode, const QString& path) const;

    // Enabling rules applied each time the HTML or JavaScript menu opens.
    void htmlMenuPopup();
    void javaScriptMenuPopup();

private:
    void applyPopupRules(EditorMode mode);
    void onShortcut(const QString& key);

    MainWindow& m_window;
    EditorMode m_mode = EditorMode::Html;
    QList<QMenu*> m_menus;
    QList<QToolButton*> m_buttons;
    QList<QList<MenuBuilder::Entry>> m_entries;
    // Per mode: key text -> the first entry in menu order that carries it.
    QList<QHash<QString, QAction*>> m_keys;
    QHash<QString, QShortcut*> m_shortcuts;
};
