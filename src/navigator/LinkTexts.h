#pragma once

#include "shared/RelativePath.h"

#include <QString>

// The code the link commands write, built from the navigator's boxes: rel is the relative path
// box, title the title box, sel the document's selected text.
struct TagTexts {
    QString start;
    QString end;
    bool operator==(const TagTexts&) const = default;
};

TagTexts linkTexts(const QString& rel, const QString& title, const QString& sel, bool lineBreak);
TagTexts optionTexts(const QString& rel, const QString& title, const QString& sel);

// Script and style-sheet references. A rel without the exact extension (".js", ".css", letter
// case included) gives a placeholder reference and the message that says so.
struct ReferenceTexts {
    TagTexts tags;
    QString message; // empty when rel names the right kind of file
};
ReferenceTexts jsFileTexts(const QString& rel);
ReferenceTexts cssFileTexts(const QString& rel);

// One line of a table of contents.
QString tocLine(const QString& path, const QString& title);

QString imageTag(
    const QString& src, const QString& width, const QString& height, const QString& border, const QString& alt);
QString plainImageTag();

// Linking the document (a script or a style sheet) into another page's head.
struct PageLink {
    enum class Outcome { NotApplicable, Refused, Linked };
    Outcome outcome = Outcome::NotApplicable;
    QString message; // the refusal
    QString text; // the page's new text when linked
};

// True for a script or style sheet (".js", ".css", any case): the documents that can be linked.
bool isLinkableDocument(const QString& documentFileName);

// NotApplicable unless documentFileName ends in ".js" or ".css" (any case). pageFileName is the
// page's full name and pageText its text ("" when no page is selected).
PageLink linkDocumentIntoPage(const QString& documentFileName, const QString& pageFileName, const QString& pageText,
    CaseRule rule = defaultCaseRule());
