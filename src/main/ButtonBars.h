#pragma once

#include "main/MenuTables.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QWidget>

class MainWindow;
class QAction;
class QMenu;
class QToolButton;

// A row of buttons that wraps onto several lines, with exactly one selected button. Like a tab
// row, it reports a press only when the selection changes.
class ButtonBar : public QWidget {
    Q_OBJECT
public:
    explicit ButtonBar(const QStringList& captions, QWidget* parent = nullptr);

    int count() const { return int(m_buttons.size()); }
    QToolButton* button(int position) const { return m_buttons.value(position); }
    int selected() const { return m_selected; }
    // Selects without a report.
    void setSelected(int position);

signals:
    // The user pressed the button at `position`, which was not the selected one; it now is.
    void changed(int position);

private:
    QList<QToolButton*> m_buttons;
    int m_selected = 0;
};

// The HTML and JavaScript button bars in the main window's button-bar panel, the "Repeat Last"
// logic they share, the View-menu and bar-menu entries that show and hide them, and the
// toggles of the left panel.
class ButtonBars : public QObject {
    Q_OBJECT
public:
    enum class Bar { Html, JavaScript };

    // The positions of a bar: a caption each and the command it runs (empty for the repeat
    // button).
    static const MenuRows& positions(Bar bar);

    static inline const QString kHint = QStringLiteral(
        "Click on a button or click on the 'Repeat Last' button. Right-click for the options of loading HTML or JS "
        "buttons, or to hide the buttons. ");
    static constexpr int kPanelHeight = 110;

    explicit ButtonBars(MainWindow& window);

    ButtonBar* bar(Bar bar) const { return bar == Bar::Html ? m_htmlBar : m_javaScriptBar; }
    // The command behind a position, nullptr for the repeat button and commands not there yet.
    QAction* command(Bar bar, int position) const;
    int lastButton() const { return m_lastButton; }
    QMenu* barMenu() const { return m_barMenu; }
    // View-menu and bar-menu entries by object name: viewHtmlButtons, viewJavaScriptButtons,
    // viewHideButtons, viewDirectories, barShowJsButtons, barShowHtmlButtons, barHideButtons.
    QAction* action(const QString& name) const;

    // A bar's selected button changed to `position`.
    void barChange(Bar bar, int position);
    void showHtmlButtons();
    void showJsButtons();
    void hideAll();
    // The left-panel button; it leaves the "&Directories" check mark alone.
    void toggleLeftPanel();
    // View > "&Directories".
    void toggleDirectories();

private:
    void showBar(Bar bar);
    void setChecks(bool html, bool javaScript);
    void run(Bar bar, int position);

    MainWindow& m_window;
    ButtonBar* m_htmlBar = nullptr;
    ButtonBar* m_javaScriptBar = nullptr;
    QWidget* m_splitter = nullptr;
    QMenu* m_barMenu = nullptr;
    QList<QAction*> m_actions;
    int m_lastButton = 0;
};
