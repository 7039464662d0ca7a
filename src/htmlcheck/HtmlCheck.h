#pragma once

#include <QList>
#include <QString>

// HTML Tidy's errors and warnings about a text; the text itself is never changed.
namespace HtmlCheck {

struct Problem {
    int line = 0; // 1-based; 0 for the document as a whole
    int column = 0; // 1-based, in characters (a tab is one)
    bool error = false; // else a warning
    QString message;
    bool operator==(const Problem&) const = default;
};

struct Result {
    QList<Problem> problems; // by line and column
    int errors = 0;
    int warnings = 0;
};

// Runs Tidy over the text (safe on any thread: each call has its own Tidy document).
Result check(const QString& text);

// False for documents Tidy has nothing to say about usefully: scripts, style sheets, plain text.
// A never-saved document (empty name) counts as a page.
bool isHtmlDocument(const QString& fileName);

// The editor offset of Tidy's line and column in `text` (paragraphs separated by CR LF; the
// column counts characters, so one outside the Basic Multilingual Plane is one). Past the end of
// a line or of the text, the end.
int offsetOf(const QString& text, int line, int column);

} // namespace HtmlCheck
