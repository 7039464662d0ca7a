#pragma once

#include "platform/Prompter.h"

#include <QObject>
#include <QStringList>
#include <deque>

class MainWindow;

// Drives the real program from a script, one step a line, for end-to-end tests and screenshots
// (PELORIN95_SCRIPT names the file). Every step and every question is printed to standard output.
//   run NAME              runs a registered command
//   type TEXT             replaces the selection with TEXT ("\n" starts a new line)
//   file PATH             the answer of the next file or directory dialog
//   expect-window CLASS   reports whether a window of that class is open
//   close-window CLASS    closes it
//   click CLASS BUTTON    clicks a button of that window, by its object name
//   resize CLASS W H      resizes that window
//   screenshot PATH [CLASS]  saves a picture of that window (or of the main one)
//   quit                  closes the main window (its questions answered Yes / OK)
class ScriptRunner : public QObject, public Prompter {
public:
    ScriptRunner(const QStringList& steps, QObject* parent = nullptr);
    void start(MainWindow& window);

    Button messageFor(QWidget* owner, const QString& text, Icon icon, Buttons buttons, const QString& caption) override;
    std::optional<QString> openFileFor(QWidget* owner, const FileDialog& dialog) override;
    std::optional<QString> saveFileFor(QWidget* owner, const FileDialog& dialog) override;
    std::optional<QString> chooseDirectoryFor(QWidget* owner, const QString& title, const QString& initialDir) override;
    std::optional<QColor> chooseColorFor(QWidget* owner, const QColor& initial) override;
    std::optional<QString> inputTextFor(
        QWidget* owner, const QString& caption, const QString& prompt, const QString& value) override;

private:
    void next();
    std::optional<QString> takeFile(const QString& what);

    QStringList m_steps;
    MainWindow* m_window = nullptr;
    std::deque<QString> m_files;
};
