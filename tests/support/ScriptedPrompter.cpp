#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

ScriptedPrompter::~ScriptedPrompter() { verify(); }

ScriptedPrompter& ScriptedPrompter::expectMessage(const QString& text, Icon icon, Buttons buttons, Button answer)
{
    m_queue.push_back({ Kind::Message, text, icon, buttons, answer, {}, {} });
    return *this;
}

ScriptedPrompter& ScriptedPrompter::expectOpenFile(const QString& title, std::optional<QString> answer)
{
    m_queue.push_back({ Kind::OpenFile, title, Icon::None, 0, Ok, answer, {} });
    return *this;
}

ScriptedPrompter& ScriptedPrompter::expectSaveFile(const QString& title, std::optional<QString> answer)
{
    m_queue.push_back({ Kind::SaveFile, title, Icon::None, 0, Ok, answer, {} });
    return *this;
}

ScriptedPrompter& ScriptedPrompter::expectDirectory(const QString& title, std::optional<QString> answer)
{
    m_queue.push_back({ Kind::Directory, title, Icon::None, 0, Ok, answer, {} });
    return *this;
}

ScriptedPrompter& ScriptedPrompter::expectColor(std::optional<QColor> answer)
{
    m_queue.push_back({ Kind::Color, {}, Icon::None, 0, Ok, {}, answer });
    return *this;
}

ScriptedPrompter& ScriptedPrompter::expectInput(const QString& prompt, std::optional<QString> answer)
{
    m_queue.push_back({ Kind::Input, prompt, Icon::None, 0, Ok, answer, {} });
    return *this;
}

void ScriptedPrompter::verify()
{
    for (const Expected& e : m_queue)
        ADD_FAILURE() << "expected prompt never came: " << describe(e.kind, e.text).toStdString();
    m_queue.clear();
}

QString ScriptedPrompter::describe(Kind kind, const QString& text)
{
    static const char* names[]
        = { "message", "open dialog", "save dialog", "directory dialog", "colour dialog", "input" };
    return QStringLiteral("%1 \"%2\"").arg(QLatin1String(names[int(kind)]), text);
}

std::optional<ScriptedPrompter::Expected> ScriptedPrompter::take(Kind kind, const QString& text)
{
    if (m_queue.empty()) {
        ADD_FAILURE() << "unexpected " << describe(kind, text).toStdString();
        return std::nullopt;
    }
    Expected e = m_queue.front();
    m_queue.pop_front();
    if (e.kind != kind || (kind != Kind::Color && e.text != text)) {
        ADD_FAILURE() << "expected " << describe(e.kind, e.text).toStdString() << "\n     but got "
                      << describe(kind, text).toStdString();
        return std::nullopt;
    }
    return e;
}

Prompter::Button ScriptedPrompter::messageFor(QWidget* owner, const QString& text, Icon icon, Buttons buttons, const QString& caption)
{
    m_owners << owner;
    m_messages << text;
    m_lastCaption = caption;
    const auto e = take(Kind::Message, text);
    if (!e) return (buttons & Cancel) ? Cancel : (buttons & No) ? No : Ok;
    EXPECT_EQ(int(e->icon), int(icon)) << "icon of message \"" << text.toStdString() << "\"";
    EXPECT_EQ(e->buttons, buttons) << "buttons of message \"" << text.toStdString() << "\"";
    return e->button;
}

std::optional<QString> ScriptedPrompter::openFileFor(QWidget* owner, const FileDialog& dialog)
{
    m_owners << owner;
    m_lastFileDialog = dialog;
    const auto e = take(Kind::OpenFile, dialog.title);
    return e ? e->answer : std::nullopt;
}

std::optional<QString> ScriptedPrompter::saveFileFor(QWidget* owner, const FileDialog& dialog)
{
    m_owners << owner;
    m_lastFileDialog = dialog;
    const auto e = take(Kind::SaveFile, dialog.title);
    return e ? e->answer : std::nullopt;
}

std::optional<QString> ScriptedPrompter::chooseDirectoryFor(QWidget* owner, const QString& title, const QString&)
{
    m_owners << owner;
    const auto e = take(Kind::Directory, title);
    return e ? e->answer : std::nullopt;
}

std::optional<QColor> ScriptedPrompter::chooseColorFor(QWidget* owner, const QColor& initial)
{
    m_owners << owner;
    m_lastColorInitial = initial;
    const auto e = take(Kind::Color, {});
    return e ? e->colour : std::nullopt;
}

std::optional<QString> ScriptedPrompter::inputTextFor(QWidget* owner, const QString& caption, const QString& prompt, const QString& value)
{
    m_owners << owner;
    m_lastCaption = caption;
    m_lastInputValue = value;
    const auto e = take(Kind::Input, prompt);
    return e ? e->answer : std::nullopt;
}
