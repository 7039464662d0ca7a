#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

class MainWindow;
class QAction;
class QMenu;
class QShortcut;
class QToolButton;

enum class EditorMode { Html, Standard, JavaScript };

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

    // A window command ("a_save") or snippet command ("snippet_bold"); nullptr when there is none.
    static QAction* findCommand(const MainWindow& window, const QString& name);
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

    // How an entry's enabled state is kept: like its command's, always on, or by the menu's
    // opening rules (which the edit entries also follow between openings).
    enum class Enabling { Mirror, Always, Selection, Clipboard, CssJsDocument };
    // One row of a menu table: an entry, a separator ("-"), a submenu's start (command ">") or
    // its end ("<").
    struct Row {
        const char* caption;
        const char* shortcut = "";
        const char* command = "";
        Enabling enabling = Enabling::Mirror;
    };

private:
    struct Entry {
        QString path;
        QAction* proxy = nullptr;
        Enabling enabling = Enabling::Mirror;
    };

    QMenu* buildMenu(EditorMode mode, const QList<Row>& rows);
    void applyPopupRules(EditorMode mode);
    void onShortcut(const QString& key);

    MainWindow& m_window;
    EditorMode m_mode = EditorMode::Html;
    QList<QMenu*> m_menus;
    QList<QToolButton*> m_buttons;
    QList<QList<Entry>> m_entries;
    // Per mode: key text -> the first entry in menu order that carries it.
    QList<QHash<QString, QAction*>> m_keys;
    QHash<QString, QShortcut*> m_shortcuts;
};
