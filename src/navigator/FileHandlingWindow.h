#pragma once

#include "platform/Prompter.h"

#include "navigator/FileBrowser.h"

#include <QWidget>
#include <memory>

class NavigatorPanel;
class QPushButton;
struct SiteFileActions;

// "File Handling": changes a file's extension to ".htm" or ".html". Stays on top; deletes
// itself when closed.
class FileHandlingWindow : public QWidget {
    Q_OBJECT
public:
    FileHandlingWindow(NavigatorPanel& navigator, Prompter& prompter, QWidget* parent = nullptr);

    FileBrowser* browser() const { return m_browser; }
    QComboBox* extensionBox() const { return m_extensionBox; }

    // What activation does: re-read the files, follow the navigator's directory and selection.
    void synchronize();
    // "New File Extension.": renames the selected file to the chosen extension.
    void changeExtension();
    // Adds the buttons that rename or move the selected file with its links.
    void offerSiteFileActions(std::shared_ptr<SiteFileActions> siteFiles);

signals:
    void closed();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    NavigatorPanel& m_navigator;
    WindowPrompter m_prompter; // every question of this window is shown above it
    FileBrowser* m_browser;
    QComboBox* m_extensionBox;
};
