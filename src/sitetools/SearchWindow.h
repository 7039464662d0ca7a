#pragma once

#include "platform/Prompter.h"
#include "shared/DirectoryList.h"
#include "sitetools/SearchEngine.h"
#include "sitetools/SearchProject.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <functional>

class BrowserView;
class CodeEditor;
class QComboBox;
class QLineEdit;
class QListWidget;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QProgressBar;
class QSplitter;
class QTabWidget;

// "Search Engine Generator": gathers pages into a project (their titles and keywords taken from
// the pages, editable here), saves and opens project files, and generates, previews and saves a
// search page for them. No page of the site is ever changed. Deletes itself when closed.
class SearchWindow : public QWidget {
    Q_OBJECT
public:
    enum Tab { StartTab, ViewerTab, CreateTab };

    static const QString kSaveNow; // "Project File  has changed. Save now?"
    static const QString kNoFiles;
    static const QString kNoDirectory;
    static const QString kChooseDirectory;
    static const QString kViewName; // "1view.htm"

    SearchWindow(
        Prompter& prompter, const std::function<BrowserView*(QWidget*)>& makeBrowser, QWidget* parent = nullptr);
    ~SearchWindow() override;

    QTabWidget* pageControl() const { return m_pageControl; }
    QMenuBar* menuBar() const { return m_menuBar; }
    QWidget* leftPanel() const { return m_leftPanel; }
    QListWidget* projectFilesList() const { return m_projectFilesList; }
    QListWidget* titlesList() const { return m_titlesList; }
    QListWidget* keywordsList() const { return m_keywordsList; }
    QLineEdit* currentFileEdit() const { return m_currentFileEdit; }
    QLineEdit* projectDirEdit() const { return m_projectDirEdit; }
    QPlainTextEdit* titleMemo() const { return m_titleMemo; }
    QPlainTextEdit* keywordsMemo() const { return m_keywordsMemo; }
    QPlainTextEdit* hintBox() const { return m_hintBox; }
    CodeEditor* codePane() const { return m_codePane; }
    BrowserView* browser() const { return m_browser; }
    QComboBox* driveBox() const { return m_driveBox; }
    QListWidget* directoryList() const { return m_directoryList; }
    QListWidget* fileList() const { return m_fileList; }
    QComboBox* fileTypeBox() const { return m_fileTypeBox; }
    QProgressBar* gauge() const { return m_gauge; }
    QMenu* fileListMenu() const { return m_fileListMenu; }
    QMenu* projectListMenu() const { return m_projectListMenu; }
    QMenu* codePaneMenu() const { return m_codePaneMenu; }

    // The project the three lists show.
    const SearchProject& searchProject() const { return m_project; }
    SearchEngine::Project project() const;
    // The project directory as a path with '/' (empty when none is set).
    QString projectDirectory() const;
    bool isProjectChanged() const { return m_project.isChanged(); }
    // The directory the file browser shows, which is also the process's current directory.
    QString directory() const { return m_directory; }

    // What happens when the user comes back to the window from another window of the program.
    void activate();
    void setDirectory(const QString& dir);
    void addSelectedFiles();
    void addAllFiles();
    // Adds full paths to the project with their titles and keywords.
    void addFiles(const QStringList& paths);
    void refreshProject();
    void removeSelected();
    void newProject();
    void getDir();
    void changeTitle();
    void changeKeywords();
    void previewCurrentFile();
    void previewSearchEngine();
    bool saveProjectAs();
    void openProject();
    void saveSearchCode();
    void saveSearchCodeAs1Search();
    void openHtmlDocument();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    QWidget* buildStartPage();
    QWidget* buildLeftPanel();
    void tabChanged(int index);
    void useMenuBar(Tab tab);
    // Generates the search page into the code pane; false (back on the start page) when the
    // project has no files or no directory to put the page in.
    bool generate();
    void showEntry(int row);
    void selectRow(int row);
    void showInViewer(const QString& path);
    void fillFileList();
    // The file list, drive box and current directory follow the directory list.
    void showDirectory();
    void setProjectDirectory(const QString& dir);
    void setProject(const SearchProject& project);
    // The three lists show the project's rows from first on, added at their ends.
    void showRowsFrom(int first);
    bool saveWith(Prompter::FileDialog& dialog, const std::function<bool(const QString&)>& write);

    WindowPrompter m_prompter; // every question of this window is shown above it
    QMenuBar* m_menuBar;
    QList<QMenu*> m_tabMenus[3];
    QSplitter* m_splitter;
    QWidget* m_leftPanel;
    QTabWidget* m_pageControl;
    QListWidget* m_projectFilesList;
    QListWidget* m_titlesList;
    QListWidget* m_keywordsList;
    QLineEdit* m_currentFileEdit;
    QLineEdit* m_projectDirEdit;
    QPlainTextEdit* m_titleMemo;
    QPlainTextEdit* m_keywordsMemo;
    QPlainTextEdit* m_hintBox;
    CodeEditor* m_codePane;
    BrowserView* m_browser;
    QComboBox* m_driveBox;
    DirectoryList* m_directoryList;
    QListWidget* m_fileList;
    QComboBox* m_fileTypeBox;
    QProgressBar* m_gauge;
    QMenu* m_fileListMenu;
    QMenu* m_projectListMenu;
    QMenu* m_codePaneMenu;

    SearchProject m_project;
    QString m_directory;
    bool m_showingInViewer = false;
    bool m_activatedOnce = false;
    // The window that took the activation from this one; a dialog's return is no comeback.
    QPointer<QWidget> m_leftFor;
    // The one save dialog and the one open dialog: what a command leaves, the next one finds.
    Prompter::FileDialog m_saveDialog;
    Prompter::FileDialog m_openDialog;
    // The preview pages written, removed (when still ours) as the window closes.
    QStringList m_viewPages;
};
