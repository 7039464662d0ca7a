#pragma once

#include "platform/Prompter.h"

#include <QList>
#include <QString>
#include <deque>
#include <variant>

// A Prompter for tests: a queue of the prompts a test expects, in order, each checked to the
// letter, with the answers to give. An unexpected prompt, or one left unasked when the
// prompter is verified or destroyed, fails the test.
class ScriptedPrompter : public Prompter {
public:
    ScriptedPrompter() = default;
    ~ScriptedPrompter() override;

    // A message box with this text, icon and buttons, answered with `answer`.
    ScriptedPrompter& expectMessage(const QString& text, Icon icon, Buttons buttons, Button answer);
    // A file dialog with this title; nullopt answers Cancel.
    ScriptedPrompter& expectOpenFile(const QString& title, std::optional<QString> answer);
    ScriptedPrompter& expectSaveFile(const QString& title, std::optional<QString> answer);
    ScriptedPrompter& expectDirectory(const QString& title, std::optional<QString> answer);
    ScriptedPrompter& expectColor(std::optional<QColor> answer);
    // A one-line input with this prompt; nullopt answers Cancel.
    ScriptedPrompter& expectInput(const QString& prompt, std::optional<QString> answer);

    // Fails the test for every expected prompt that was not asked, and forgets them.
    void verify();
    bool done() const { return m_queue.empty(); }

    // What the last file dialog was asked with (for checking filters, default extensions...).
    FileDialog lastFileDialog() const { return m_lastFileDialog; }
    QString lastCaption() const { return m_lastCaption; }
    QColor lastColorInitial() const { return m_lastColorInitial; }
    QString lastInputValue() const { return m_lastInputValue; }
    // Every message text shown, in order.
    QStringList messages() const { return m_messages; }
    // The window named by each prompt, in order (nullptr: the main window).
    QList<QWidget*> owners() const { return m_owners; }
    QWidget* lastOwner() const { return m_owners.isEmpty() ? nullptr : m_owners.last(); }

    Button messageFor(QWidget* owner, const QString& text, Icon icon, Buttons buttons, const QString& caption) override;
    std::optional<QString> openFileFor(QWidget* owner, const FileDialog& dialog) override;
    std::optional<QString> saveFileFor(QWidget* owner, const FileDialog& dialog) override;
    std::optional<QString> chooseDirectoryFor(QWidget* owner, const QString& title, const QString& initialDir) override;
    std::optional<QColor> chooseColorFor(QWidget* owner, const QColor& initial) override;
    std::optional<QString> inputTextFor(
        QWidget* owner, const QString& caption, const QString& prompt, const QString& value) override;

private:
    enum class Kind { Message, OpenFile, SaveFile, Directory, Color, Input };
    struct Expected {
        Kind kind;
        QString text;
        Icon icon = Icon::None;
        Buttons buttons = 0;
        Button button = Ok;
        std::optional<QString> answer;
        std::optional<QColor> colour;
    };
    static QString describe(Kind kind, const QString& text);
    // Takes the next expectation when it is of this kind and text; fails the test otherwise.
    std::optional<Expected> take(Kind kind, const QString& text);

    std::deque<Expected> m_queue;
    FileDialog m_lastFileDialog;
    QString m_lastCaption;
    QColor m_lastColorInitial;
    QString m_lastInputValue;
    QStringList m_messages;
    QList<QWidget*> m_owners;
};
