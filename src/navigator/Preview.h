#pragma once

#include <QObject>
#include <QString>

class BrowserView;
class CodeEditor;
class NavigatorPanel;
#include <functional>

// The "Preview" tab: shows the editor text through a temporary file beside the document, or a
// file from the navigator, and keeps the current-file box saying what the browser shows. The
// document itself (text, file, modified flag) is never touched.
class Preview : public QObject {
    Q_OBJECT
public:
    static inline const QString kTempName = QStringLiteral("1temp.htm");

    // Tells the window what the current-file box should show.
    using ShowName = std::function<void(const QString& text)>;

    Preview(CodeEditor& editor, NavigatorPanel& navigator, BrowserView& browser, ShowName showName,
        QObject* parent = nullptr);

    // "1temp.htm" in the document's directory, or in the navigator's for a never-saved document.
    QString tempFile() const;

    // Entering the tab: writes the editor text to the temporary file in the document's encoding
    // and shows it. A failed write throws FileError and leaves the browser on its last page.
    void enter();
    // Returning to the editor: deletes the temporary file and re-reads the navigator's files.
    void leave();
    // A file chosen in the navigator while the preview is shown.
    void showFile(const QString& path);
    // An image opened from the editor's tab: shown without writing the temporary file.
    void showImage(const QString& path);

private:
    void onNavigationComplete(const QString& url);

    CodeEditor& m_editor;
    NavigatorPanel& m_navigator;
    BrowserView& m_browser;
    ShowName m_showName;
    // The file the last entry wrote, so it is the one deleted even if the navigator moved since.
    QString m_written;
    QString m_shownTemp;
};
