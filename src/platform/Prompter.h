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

    // Shows a message box and returns the button chosen. Closing the box answers Cancel when
    // Cancel is offered, else No, else Ok.
    virtual Button message(const QString& text, Icon icon, Buttons buttons, const QString& caption = {}) = 0;
    virtual std::optional<QString> openFile(const FileDialog& dialog) = 0;
    virtual std::optional<QString> saveFile(const FileDialog& dialog) = 0;
    virtual std::optional<QString> chooseDirectory(const QString& title, const QString& initialDir) = 0;
    virtual std::optional<QColor> chooseColor(const QColor& initial) = 0;
    virtual std::optional<QString> inputText(const QString& caption, const QString& prompt, const QString& value) = 0;

    // Shorthands for the common cases.
    void inform(const QString& text) { message(text, Icon::Information, Ok); }
    void warn(const QString& text) { message(text, Icon::Warning, Ok); }
};

// Real dialogs, parented to a window.
class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QWidget* parent = nullptr)
        : m_parent(parent)
    { }
    void setParent(QWidget* parent) { m_parent = parent; }

    Button message(const QString& text, Icon icon, Buttons buttons, const QString& caption = {}) override;
    std::optional<QString> openFile(const FileDialog& dialog) override;
    std::optional<QString> saveFile(const FileDialog& dialog) override;
    std::optional<QString> chooseDirectory(const QString& title, const QString& initialDir) override;
    std::optional<QColor> chooseColor(const QColor& initial) override;
    std::optional<QString> inputText(const QString& caption, const QString& prompt, const QString& value) override;

    // "HTML Files|*.htm*;*.js|All Files|*.*" -> "HTML Files (*.htm* *.js);;All Files (*)"
    static QString qtFilter(const QString& filter);

private:
    QWidget* m_parent;
};
