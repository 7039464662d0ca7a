#pragma once

#include "editor/TextFile.h"
#include "shared/SettingsFiles.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

class CodeEditor;
class Prompter;

// The one document: its file's name, the recent files, and new, open, save, save as and close
// with their questions. Everything else listens to its signals; widgets only show its state.
class DocumentSession : public QObject {
    Q_OBJECT
public:
    static inline const QString kOpenFilter = QStringLiteral("HTML Files|*.htm*;*.js|Text Files|*.txt|All Files|*.*");
    static inline const QString kLastFile = QStringLiteral("lastfile.plr");
    static inline const QString kRecentList = QStringLiteral("mylistfile.dvn");

    DocumentSession(CodeEditor& editor, Prompter& prompter, QObject* parent = nullptr);

    // The image files the navigator lists open in the preview, never as text.
    static bool isImageName(const QString& name);

    // The document's full file name; empty while it has never been saved.
    QString fileName() const { return m_fileName; }
    QStringList recentFiles() const { return m_recent.entries(); }

    // Reads the recent-files list and the last file of the previous run.
    void readSettings();
    // Writes the recent-files list and the last file, at exit.
    void writeSettings();

    // The Open dialog: the file chosen, or nothing when it was cancelled. The window opens it the
    // one way every file is opened (images go to the preview).
    std::optional<QString> askFileToOpen();
    // Loads a file as the document, after the save-changes question; false when the user
    // cancelled that question. Every way of opening a file ends here.
    bool load(const QString& name);
    // Loads without the save-changes question (the caller asked it).
    void loadAsked(const QString& name);
    // Takes a name off the recent-files list.
    void forgetRecent(const QString& name);
    bool save();
    bool saveAs();
    // New, New HTML File and Close: an empty (or template) document without a name; false when
    // the user cancelled the save-changes question. Close keeps the save dialog's proposal.
    bool startUnnamed(const QString& text, bool keepSaveName);

    // The encoding and line breaks the next save writes; the document counts as changed.
    void setSaveFormat(const TextFormat& format);
    // Reads the document's file again in the given encoding, after asking when it was changed
    // here; false when the user declined or the document has no file.
    bool reloadWithEncoding(TextFormat::Encoding encoding);
    static inline const QString kReloadQuestion
        = QStringLiteral("Reloading %1 as %2 discards your changes to it. Reload anyway?");

    // The save-changes question; false when the user cancelled.
    bool saveIfModified();
    // The question of the link commands for a never-saved document.
    void warnToSave();
    // The question before another program shows the saved file; false when cancelled.
    bool saveBeforeBrowsing();
    // The window's close query: false keeps the window open.
    bool closeQuery();

signals:
    // The document's full name changed (empty: never saved).
    void fileNameChanged(const QString& name);
    // A file became the document; `shown` is the name as the user gave it.
    void opened(const QString& name);
    // The document was written to `name` under the Save As dialog.
    void savedAs(const QString& name);
    // The document was written to its file `name` (Save or Save As).
    void written(const QString& name);
    // The document became a new, never-saved one.
    void startedUnnamed();
    // The Open or Save dialog was closed (the directory may have changed).
    void fileDialogClosed();
    // The Open dialog is about to show.
    void openDialogShowing();
    // The save-changes question was cancelled while opening `name`.
    void openCancelled();
    void recentFilesChanged(const QStringList& entries);
    // The document's encoding or line-break style changed (loaded, saved in another, new).
    void formatChanged(const TextFormat& format);

private:
    void setFileName(const QString& name);
    // The questions before the document is written to target; false when the user declined.
    bool mayWrite(const QString& target);
    // Writes the document in the format mayWrite settled.
    void write(const QString& target);
    void addToRecent(const QString& name);
    void writeRecentList();
    // The steps after the document was written to a file.
    void fileWritten(const QString& name);
    // Reports a settings file that could not be written, once a run; the document command goes on.
    void writeSettingsFile(const QString& name, const QStringList& lines);

    CodeEditor& m_editor;
    Prompter& m_prompter;
    QString m_fileName;
    QString m_saveInitialName;
    QString m_openInitialName;
    RecentFiles m_recent;
    bool m_settingsErrorShown = false;
    TextFormat m_pendingFormat;
};
