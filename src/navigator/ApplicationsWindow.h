#pragma once

#include "platform/Prompter.h"

#include <QStringList>
#include <QWidget>
#include <functional>
#include <optional>

class QPushButton;
class Shell;

// "Open Application ": starts the user's two browsers and second editor on the document. The
// list comes from "mybrowsers.plr" each time the window is made.
class ApplicationsWindow : public QWidget {
    Q_OBJECT
public:
    struct Hooks {
        // The save prompt before another program reads the file; false stops the command.
        std::function<bool()> saveBeforeBrowsing;
        // The text of the current-file box.
        std::function<QString()> currentFile;
    };

    ApplicationsWindow(Prompter& prompter, Shell& shell, Hooks hooks, QWidget* parent = nullptr);

    QStringList entries() const { return m_entries; }
    // A button: starts the entry's program on the document, or lets the user choose the
    // program and stores the choice in the list file.
    void openApplication(int entry);
    // A pop-up item: replaces the entry for as long as the window is open.
    void changeApplication(int entry);

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    std::optional<QString> chooseApplication(int entry, const QString& initialName, const QString& initialDir);

    WindowPrompter m_prompter; // every question of this window is shown above it
    Shell& m_shell;
    Hooks m_hooks;
    QStringList m_entries;
};
