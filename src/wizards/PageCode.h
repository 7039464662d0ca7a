#pragma once

#include "wizards/CodeBuffer.h"

#include <QString>
#include <QStringList>

// Document-write wizard.
struct DocWriteOptions {
    QString source;
    bool addJavaScriptTags = false;
    bool addFunctionTags = false;
    QString functionName = QStringLiteral("MyDocWriteFunction()");
};
inline const QString kDocWriteScriptWarning = QStringLiteral(
    "JavaScript is not allowed here. The string contains JavaScript. I will let you continue, but expect "
    "unresolvable problems if you do!");
bool docWriteSourceHasScript(const QString& source);
// The source built up in the string "mystring" (quotes and apostrophes escaped) and written.
QString docWriteCode(const DocWriteOptions& options);

// Form wizard.
const QStringList& formMethods(); // "get", "post"
const QStringList& formButtonTypes(); // "submit", "reset", "button"
struct FormOptions {
    bool name = true;
    QString nameText = QStringLiteral("form1");
    bool action = false;
    QString actionText;
    bool method = false;
    int methodEntry = 1;
    bool enctype = false;
    QString enctypeText = QStringLiteral("text/plain");
    bool addButton = true;
    QString buttonValue = QStringLiteral("Click");
    int typeEntry = 2;
    bool onClick = false;
};
// FORM tags around the target's selection, and a button inside at the caret.
void writeForm(const FormOptions& options, CodeTarget& target);

// Cookie message wizard: the library for the page's head and the block that calls it.
QString cookieLibrary();
QString cookieCallBlock();
inline const QString kNoHeadMessage
    = QStringLiteral("Couldn't find the HEAD tag. Ensure you are using an HTML document.");

// Array wizard: name=new Array(n); and one element per line.
QString arrayCode(const QString& name, const QStringList& elements);
inline const QString kNoElementsMessage = QStringLiteral("Please enter some elements for the array\r\nOne per line.");

// List dialog.
const QStringList& orderedListTypes(); // "1", "A", "a", "i", "I"
const QStringList& unorderedListTypes(); // "Default", "square", "circle"
struct ListOptions {
    bool ordered = true;
    QString start = QStringLiteral("1");
    int typeEntry = 0;
};
struct ListCode {
    QString text;
    bool badStart = false; // the start field was not a whole number
};
inline const QString kBadStartMessage = QStringLiteral("Please enter a valid number");
// The lines as list items between the list's tags.
ListCode listCode(const QStringList& lines, const ListOptions& options);
// Lines that hold more than blanks end in <BR>.
QStringList withBreaks(const QStringList& lines);

// Font-tag dialog.
const QStringList& fontSizes(); // "1" .. "7"
int fontSamplePoints(int sizeEntry); // 9, 10, 12, 14, 18, 24, 36
struct FontOptions {
    int faceEntry = 0; // 0 is "Default Font"
    QString face;
    QString colour;
    int sizeEntry = 2; // -1 when no size is chosen
};
QString fontStartTag(const FontOptions& options);
