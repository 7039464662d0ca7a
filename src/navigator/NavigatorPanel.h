#pragma once

#include "editor/TextFile.h"
#include "navigator/FileBrowser.h"

#include <QLineEdit>
#include <QWidget>

class Prompter;
class Shell;

// The left-hand file navigator: drive box, directory list, filter box and file list, the
// relative path and title of the selected file, and a hidden buffer with that file's text.
// Its directory is the process's current directory.
class NavigatorPanel : public QWidget {
    Q_OBJECT
public:
    NavigatorPanel(Prompter& prompter, Shell& shell, QWidget* parent = nullptr);

    static const QList<FileFilter>& filters();

    QString directory() const { return m_browser->directory(); }
    void setDirectory(const QString& dir);
    // Moves to the file's directory and selects it (running the selection steps); false when
    // the file is not listed under the current filter.
    bool selectFile(const QString& path);
    // Full name of the selected file; empty when none is selected.
    QString selectedFile() const { return m_browser->fileList()->selectedFile(); }
    void resetFilter() { m_browser->resetFilter(); }
    // Re-reads the drive box, the directory list and the file list.
    void refresh() { m_browser->refresh(); }
    void refreshFiles() { m_browser->fileList()->refresh(); }

    // The document's full name; empty while it has never been saved.
    void setDocumentFileName(const QString& fileName) { m_documentFileName = fileName; }
    QString documentFileName() const { return m_documentFileName; }
    // The base relative paths are measured from: the document, or the current directory.
    QString relativeBase() const;

    // Selection steps run only while the editor's tab is the one shown.
    void setHtmlTabActive(bool active) { m_htmlTabActive = active; }
    bool isHtmlTabActive() const { return m_htmlTabActive; }

    QLineEdit* relativePathEdit() const { return m_relativePathEdit; }
    QLineEdit* titleEdit() const { return m_titleEdit; }
    QString relativePath() const { return m_relativePathEdit->text(); }
    QString title() const { return m_titleEdit->text(); }

    // The selected file's text with CR LF breaks, read when asked (a large page is not held
    // twice); empty after clearBuffer() until a file is selected again. Throws FileError.
    QString bufferText() const;
    void clearBuffer() { m_bufferFile.clear(); }

    // The table-of-contents title of the file list's item. Throws FileError when unreadable.
    QString findAllTitles(int index);
    int fileCount() const { return m_browser->fileList()->count(); }
    QString filePath(int index) const { return m_browser->fileList()->filePath(index); }

    FileBrowser* browser() const { return m_browser; }
    FileList* fileList() const { return m_browser->fileList(); }
    DirectoryList* directoryList() const { return m_browser->directoryList(); }

    // Moves a file or directory to the trash after asking; true when it went.
    bool recycleFileOrDirectory(const QString& path);

public slots:
    void deleteSelectedFile();
    void deleteSelectedDirectory();
    void createNewDirectory();

signals:
    // Double-click on a file: the main window opens it.
    void fileActivated(const QString& path);
    // The selection steps ran for a newly selected file.
    void selectionChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void runSelectionSteps();

    Prompter& m_prompter;
    Shell& m_shell;
    FileBrowser* m_browser;
    QLineEdit* m_relativePathEdit;
    QLineEdit* m_titleEdit;
    QString m_bufferFile;
    QString m_documentFileName;
    bool m_htmlTabActive = true;
};
