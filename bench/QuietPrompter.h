#pragma once

#include "platform/Prompter.h"

#include <QStringList>

// Answers as a user going on would: No where it is offered (else OK), Cancel to every dialog but
// the directory one, which gives `root`. Keeps the messages shown.
class QuietPrompter : public Prompter {
public:
    QString root;
    QStringList messages;

    Button messageFor(QWidget*, const QString& text, Icon, Buttons buttons, const QString&) override
    {
        messages << text;
        return buttons & No ? No : Ok;
    }
    std::optional<QString> openFileFor(QWidget*, const FileDialog&) override { return std::nullopt; }
    std::optional<QString> saveFileFor(QWidget*, const FileDialog&) override { return std::nullopt; }
    std::optional<QString> chooseDirectoryFor(QWidget*, const QString&, const QString&) override
    {
        if (root.isEmpty()) return std::nullopt;
        return root;
    }
    std::optional<QColor> chooseColorFor(QWidget*, const QColor&) override { return std::nullopt; }
    std::optional<QString> inputTextFor(QWidget*, const QString&, const QString&, const QString&) override
    {
        return std::nullopt;
    }
};
