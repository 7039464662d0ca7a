#include "editor/WriteQuestions.h"

#include "editor/CodeEditor.h"
#include "platform/Prompter.h"

#include <QDir>

std::optional<TextFormat> WriteQuestions::ask(Prompter& prompter, const DocumentFile& file, const QString& target,
    const QStringList& paragraphs, bool askAboutOutsideChange)
{
    TextFormat format = file.format();
    const bool sameFile = file.isThisFile(target);
    // The bytes after a NUL were never read: writing over that file would lose them.
    if (format.nulAt >= 0 && sameFile) {
        const auto answer = prompter.message(
            kNul.arg(format.nulAt), Prompter::Icon::Warning, Prompter::Yes | Prompter::No | Prompter::DefaultNo);
        if (answer != Prompter::Yes) return std::nullopt;
    }
    if (!fitsEncoding(paragraphs, format)) {
        const auto answer = prompter.message(
            kEncoding.arg(QDir::toNativeSeparators(target)), Prompter::Icon::Confirmation, Prompter::Yes | Prompter::No);
        if (answer != Prompter::Yes) return std::nullopt;
        format.encoding = TextFormat::Encoding::Utf8;
    }
    if (askAboutOutsideChange && sameFile && file.changedOutside()) {
        const auto answer = prompter.message(kChangedOutside.arg(QDir::toNativeSeparators(target)),
            Prompter::Icon::Warning, Prompter::Yes | Prompter::No | Prompter::DefaultNo);
        if (answer != Prompter::Yes) return std::nullopt;
    }
    format.nulAt = -1;
    return format;
}

bool saveEditorAsked(Prompter& prompter, CodeEditor& editor, const QString& target)
{
    const auto format = WriteQuestions::ask(prompter, editor.file(), target, editor.paragraphs());
    if (!format) return false;
    editor.saveToFile(target, *format);
    return true;
}

bool writeAsked(Prompter& prompter, DocumentFile& file, const QString& target, const QStringList& paragraphs)
{
    const auto format = WriteQuestions::ask(prompter, file, target, paragraphs);
    if (!format) return false;
    file.write(target, paragraphs, *format);
    return true;
}
