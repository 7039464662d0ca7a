#pragma once

#include "editor/TagInsertion.h"
#include "shared/SettingsFiles.h"
#include "shared/WizardState.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

class BrowserView;
class ButtonBars;
class CodeEditor;
class CommandRegistry;
class DocumentSession;
class EditorFontControl;
class EditorModes;
class FindReplace;
class HintRouter;
class InstantCodeWindow;
class LinkCommands;
class NavigatorPanel;
class Preview;
class Prompter;
class QLabel;
class QUrl;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QSplitter;
class QTabWidget;
class QToolBar;
class QToolButton;
class Shell;
class StatusPanels;
class SyntaxColourer;
class TagCompletion;
class SnippetCommands;

// The main window: the one document, its file and the commands around it.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // What the window needs from the desktop; tests pass fakes.
    struct Services {
        Prompter* prompter = nullptr;
        Shell* shell = nullptr;
        std::function<BrowserView*(QWidget* parent)> makeBrowser;
        // Answers the instant-code prompt; empty means the real "Instant Code" window.
        ValuePrompt valuePrompt;
    };

    static inline const QString kBaseCaption = QStringLiteral("Dorvane's Pelorin95");
    static inline const QString kHtmlTemplate = QStringLiteral(
        "<HTML>\r\n<HEAD>\r\n<TITLE>MY FILE</TITLE>\r\n<META NAME=\"KEYWORDS\" CONTENT=\"EnterKeywords\">\r\n"
        "<META NAME=\"DESCRIPTION\" CONTENT=\"EnterDescription\">\r\n<META NAME=\"JAVASCRIPT GENERATOR\" "
        "CONTENT=\"Pelorin\">\r\n\r\n</HEAD>\r\n\r\n<BODY BGCOLOR=\"white\">\r\n<H1>My Heading</H1>\r\n\r\n\r\n\r\n"
        "\r\n\r\n\r\n\r\n</BODY>\r\n</HTML>\r\n \r\n");
    static inline const QString kBriefHelpPage = QStringLiteral("brief.htm");

    explicit MainWindow(const Services& services, const QStringList& arguments = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    CodeEditor* editor() const { return m_editor; }
    Prompter& prompter() const { return *m_services.prompter; }
    Shell& shell() const { return *m_services.shell; }
    BrowserView* browser() const { return m_browser; }
    CommandRegistry& commands() const { return *m_commands; }
    DocumentSession& session() const { return *m_session; }
    // A registered command's action; nullptr when there is none.
    QAction* action(const QString& name) const;
    // Runs a command even while its action is disabled (context-menu entries that are always
    // enabled); false when there is no such command.
    bool runActionCommand(const QString& name);
    QMenu* fileMenu() const { return m_fileMenu; }
    QMenuBar* fullMenuBar() const { return menuBar(); }
    bool isFullMenuBarShown() const { return m_fullMenusShown; }
    QStringList menuBarTitles() const;

    // What the Current File Name box shows.
    QString currentFileField() const;
    EditorFontControl& editorFont() const { return *m_editorFont; }
    WizardState& wizardState() { return m_wizard; }
    QString statusText(int panel) const;
    bool isHtmlTabActive() const;
    void setHtmlTabActive(bool html);
    FindReplace* findReplace() const { return m_findReplace; }
    SnippetCommands* snippets() const { return m_snippets; }
    InstantCodeWindow* instantCode() const { return m_instantCode; }
    NavigatorPanel* navigator() const { return m_navigator; }
    SyntaxColourer* colourer() const { return m_colourer; }
    TagCompletion* tagCompletion() const { return m_completion; }
    LinkCommands* linkCommands() const { return m_linkCommands; }
    Preview* preview() const { return m_preview; }
    QWidget* leftPanel() const { return m_leftPanel; }
    QWidget* buttonBarPanel() const { return m_buttonBarPanel; }
    ButtonBars* buttonBars() const { return m_buttonBars; }
    EditorModes* editorModes() const { return m_editorModes; }

    // Opening files: the session's commands with the window's part (images and the "Preview"
    // tab).
    void openTheFile(const QString& name);
    void loadRecentFile(const QString& name);

    // The brief-help page in the "Preview" tab, when it exists.
    void showBriefHelp();
    // The "Preview" tab for a page of the program's own: the document is not previewed.
    void showOwnPageTab();
    // Opens the first local file of a drop, whatever the length of its name.
    void openDroppedFiles(const QList<QUrl>& urls);

    // Editing aids.
    void goToLine();
    void checkSpelling();

    // Runs one user command inside the error boundary.
    void runCommand(const std::function<void()>& command);

    // The first show opens the command line's file (or the brief help) once the window is up.
    void setVisible(bool visible) override;

protected:
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;

private:
    void createLayout();
    void createSession();
    void registerCommands();
    void createMenus();
    void readSettings();
    void showMenus(bool full);
    void updateSaveEnabled();
    void updateEditEnabled();
    void onTabChanged();
    void onEditorKey(int key, bool hasSelection);

    void setCaptionSuffix(const QString& suffix);
    void setCurrentFileField(const QString& text);
    void rebuildRecentMenu(const QStringList& entries);
    // Moves the navigator to the document's directory and selects the document there.
    void showDocumentInNavigator();

    Services m_services;
    QStringList m_arguments;
    bool m_shownOnce = false;
    CommandRegistry* m_commands = nullptr;
    DocumentSession* m_session = nullptr;
    WizardState m_wizard;

    // Widgets.
    CodeEditor* m_editor = nullptr;
    QTabWidget* m_tabs = nullptr;
    // The "HTML" tab: the editor with panes beside it and under it.
    QSplitter* m_besideEditor = nullptr;
    QSplitter* m_underEditor = nullptr;
    BrowserView* m_browser = nullptr;
    QLineEdit* m_currentFileEdit = nullptr;
    QLineEdit* m_lineNumberEdit = nullptr;
    QPlainTextEdit* m_hintBox = nullptr;
    QWidget* m_leftPanel = nullptr;
    QWidget* m_buttonBarPanel = nullptr;
    QToolBar* m_toolBar1 = nullptr;
    QToolBar* m_toolBar2 = nullptr;
    StatusPanels* m_status = nullptr;
    HintRouter* m_hints = nullptr;
    FindReplace* m_findReplace = nullptr;
    EditorFontControl* m_editorFont = nullptr;
    SnippetCommands* m_snippets = nullptr;
    InstantCodeWindow* m_instantCode = nullptr;
    NavigatorPanel* m_navigator = nullptr;
    SyntaxColourer* m_colourer = nullptr;
    TagCompletion* m_completion = nullptr;
    LinkCommands* m_linkCommands = nullptr;
    ButtonBars* m_buttonBars = nullptr;
    EditorModes* m_editorModes = nullptr;
    Preview* m_preview = nullptr;
    // Set while the "Preview" tab is shown for something other than the document.
    bool m_quietPreview = false;

    // Menus.
    QMenu* m_fileMenu = nullptr;
    QList<QMenu*> m_fullMenus;
    QList<QMenu*> m_reducedMenus;
    bool m_fullMenusShown = true;
    int m_fixedFileMenuCount = 0;
};
