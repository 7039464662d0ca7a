#pragma once

#include <QColor>
#include <QString>
#include <optional>

class QWidget;

// Every modal question of the program goes through a Prompter, so that tests can check each
// message to the letter and script its answer.
class Prompter {
public:
    enum class Icon { None, Information, Warning, Error, Confirmation };
    // DefaultNo is a flag beside the buttons: No is the default answer (Enter) instead of the first.
    enum Button { NoButton = 0, Ok = 1, Cancel = 2, Yes = 4, No = 8, DefaultNo = 16 };
    using Buttons = int;

    struct FileDialog {
        QString title;
        QString filter; // "Name|*.a;*.b|Other|*.c"
        QString defaultExtension; // without the dot
        QString initialDir;
        QString initialName;
        bool overwritePrompt = false;
        bool mustExist = false;
    };

    virtual ~Prompter() = default;

    // The questions themselves. Each names the window that asks: the dialog is shown above it,
    // and the window is active again when the dialog closes (nullptr: the main window).
    virtual Button messageFor(QWidget* owner, const QString& text, Icon icon, Buttons buttons, const QString& caption)
        = 0;
    virtual std::optional<QString> openFileFor(QWidget* owner, const FileDialog& dialog) = 0;
    virtual std::optional<QString> saveFileFor(QWidget* owner, const FileDialog& dialog) = 0;
    virtual std::optional<QString> chooseDirectoryFor(QWidget* owner, const QString& title, const QString& initialDir)
        = 0;
    virtual std::optional<QColor> chooseColorFor(QWidget* owner, const QColor& initial) = 0;
    virtual std::optional<QString> inputTextFor(
        QWidget* owner, const QString& caption, const QString& prompt, const QString& value)
        = 0;

    // The window this prompter asks for; nullptr for the main window.
    virtual QWidget* owner() const { return nullptr; }

    // Shows a message box and returns the button chosen. Closing the box answers Cancel when
    // Cancel is offered, else No, else Ok.
    Button message(const QString& text, Icon icon, Buttons buttons, const QString& caption = {})
    {
        return messageFor(owner(), text, icon, buttons, caption);
    }
    std::optional<QString> openFile(const FileDialog& dialog) { return openFileFor(owner(), dialog); }
    std::optional<QString> saveFile(const FileDialog& dialog) { return saveFileFor(owner(), dialog); }
    std::optional<QString> chooseDirectory(const QString& title, const QString& initialDir)
    {
        return chooseDirectoryFor(owner(), title, initialDir);
    }
    std::optional<QColor> chooseColor(const QColor& initial) { return chooseColorFor(owner(), initial); }
    std::optional<QString> inputText(const QString& caption, const QString& prompt, const QString& value)
    {
        return inputTextFor(owner(), caption, prompt, value);
    }

    // Shorthands for the common cases.
    void inform(const QString& text) { message(text, Icon::Information, Ok); }
    void warn(const QString& text) { message(text, Icon::Warning, Ok); }
};

// The prompts of one window, so that no feature can show its questions anywhere else: each
// goes to the program's prompter naming this window. While one is up, `asking` (when given) is
// set, so the window's activation handler can tell coming back from its own question from
// coming back from another window.
class WindowPrompter : public Prompter {
    template <class F> auto ask(F f)
    {
        if (!m_asking) return f();
        const bool outer = *m_asking;
        *m_asking = true;
        auto answer = f();
        *m_asking = outer;
        return answer;
    }

public:
    WindowPrompter(Prompter& target, QWidget* window, bool* asking = nullptr)
        : m_target(target)
        , m_window(window)
        , m_asking(asking)
    { }
    QWidget* owner() const override { return m_window; }

    Button messageFor(QWidget* owner, const QString& text, Icon icon, Buttons buttons, const QString& caption) override
    {
        return ask([&] { return m_target.messageFor(owner, text, icon, buttons, caption); });
    }
    std::optional<QString> openFileFor(QWidget* owner, const FileDialog& dialog) override
    {
        return ask([&] { return m_target.openFileFor(owner, dialog); });
    }
    std::optional<QString> saveFileFor(QWidget* owner, const FileDialog& dialog) override
    {
        return ask([&] { return m_target.saveFileFor(owner, dialog); });
    }
    std::optional<QString> chooseDirectoryFor(QWidget* owner, const QString& title, const QString& initialDir) override
    {
        return ask([&] { return m_target.chooseDirectoryFor(owner, title, initialDir); });
    }
    std::optional<QColor> chooseColorFor(QWidget* owner, const QColor& initial) override
    {
        return ask([&] { return m_target.chooseColorFor(owner, initial); });
    }
    std::optional<QString> inputTextFor(
        QWidget* owner, const QString& caption, const QString& prompt, const QString& value) override
    {
        return ask([&] { return m_target.inputTextFor(owner, caption, prompt, value); });
    }

private:
    Prompter& m_target;
    QWidget* m_window;
    bool* m_asking;
};

// Real dialogs, each owned by the window that asks (else the main window) and shown above it;
// when one closes, that window is active again.
class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QWidget* mainWindow = nullptr)
        : m_mainWindow(mainWindow)
    { }
    void setMainWindow(QWidget* window) { m_mainWindow = window; }

    Button messageFor(QWidget* owner, const QString& text, Icon icon, Buttons buttons, const QString& caption) override;
    std::optional<QString> openFileFor(QWidget* owner, const FileDialog& dialog) override;
    std::optional<QString> saveFileFor(QWidget* owner, const FileDialog& dialog) override;
    std::optional<QString> chooseDirectoryFor(QWidget* owner, const QString& title, const QString& initialDir) override;
    std::optional<QColor> chooseColorFor(QWidget* owner, const QColor& initial) override;
    std::optional<QString> inputTextFor(
        QWidget* owner, const QString& caption, const QString& prompt, const QString& value) override;

    // "HTML Files|*.htm*;*.js|All Files|*.*" -> "HTML Files (*.htm* *.js);;All Files (*)"
    static QString qtFilter(const QString& filter);

private:
    // Runs a dialog owned by the asking window, and gives that window the keys back after.
    template <class F> auto shown(QWidget* owner, F f);
    static Button showMessage(QWidget* parent, const QString& text, Icon icon, Buttons buttons, const QString& caption);

    QWidget* m_mainWindow;
};
