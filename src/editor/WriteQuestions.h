#pragma once

#include "editor/DocumentFile.h"

#include <optional>

class CodeEditor;
class Prompter;

// The questions before a text goes over a file, the same for every editor of a file: a NUL in
// the file that saving would cut at, an encoding that cannot hold the text, and a change by
// another program since the file was loaded here (the main document has its own watch for that
// and leaves it out). Gives the format to write in, or nothing when the user declined.
struct WriteQuestions {
    static inline const QString kNul = QStringLiteral("Saving will cut the file at its first NUL byte (byte %1). Save anyway?");
    static inline const QString kEncoding = QStringLiteral("%1 cannot be saved in Windows-1252. Save as UTF-8?");
    static inline const QString kChangedOutside = QStringLiteral(
        "%1 was changed by another program since it was loaded here.\r\nSave over the other program's changes?");

    static std::optional<TextFormat> ask(Prompter& prompter, const DocumentFile& file, const QString& target,
        const QStringList& paragraphs, bool askAboutOutsideChange = true);
};

// Asks the questions, then writes the editor's text to target; false when the user declined.
// A failed write throws FileError and leaves the editor's file as it was.
bool saveEditorAsked(Prompter& prompter, CodeEditor& editor, const QString& target);
// The same for a page rewritten by a command: its text as paragraphs, its file as loaded.
bool writeAsked(Prompter& prompter, DocumentFile& file, const QString& target, const QStringList& paragraphs);
