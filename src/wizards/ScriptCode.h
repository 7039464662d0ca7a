#pragma once

#include "wizards/CodeBuffer.h"

#include <QString>
#include <QStringList>

// The start and end of a script block, as the function, alert and window wizards write it.
inline const QString kScriptStart = QStringLiteral("<SCRIPT LANGUAGE=\"JAVASCRIPT\">\r\n<!--//\r\n");
inline const QString kScriptEnd = QStringLiteral("\r\n//-->\r\n</SCRIPT>");

// An empty function name field stands for the initial wizard function name.
QString functionNameOrDefault(const QString& name);

struct FunctionOptions {
    QString name = QStringLiteral("MyFunction()");
    bool javaScriptTags = false;
    bool ifCondition = false;
    QString ifText = QStringLiteral("x==y");
    bool alert = false;
    QString alertText = QStringLiteral("Hello World");
    bool forCondition = false;
    QString forText = QStringLiteral("i=0;i<n; i++");
    bool whileCondition = false;
    QString whileText = QStringLiteral("x==y");
};

// Builds the function at the target's caret, each part wrapped inside the one before.
void writeFunctionCode(const FunctionOptions& options, CodeTarget& target);
QString functionCode(const FunctionOptions& options);
// What "OK" puts into the document: the code between start and end comments.
QString functionInsertion(const QString& code, bool javaScriptTags);

struct AlertOptions {
    QString message; // the message box's text, lines and all
    bool javaScriptTags = false;
    bool functionTags = false;
    QString name = QStringLiteral("MyFunction()");
    bool textLink = false;
    QString linkCaption = QStringLiteral("Link to my alert");
    bool formButton = false;
    QString buttonText = QStringLiteral("My Button");
};

// The message as one line: every non-empty line but the last ends in \n, the lines are joined,
// and no line break is left.
QString alertMessage(const QString& boxText);
void writeAlertCode(const AlertOptions& options, CodeTarget& target);
QString alertCode(const AlertOptions& options);

struct DummyLinkOptions {
    bool onClick = false;
    QString onClickAction;
    bool onMouseOver = false;
    QString onMouseOverAction;
    bool onMouseOut = false;
    QString onMouseOutAction;
    bool title = false;
    QString titleText;
    bool useLinkText = false;
    QString linkText = QStringLiteral("Click Me!");
};

// An anchor to "#" around the link text and the editor's selected text.
QString dummyLinkCode(const DummyLinkOptions& options, const QString& selectedText);

// The Wizard Function Link: a bare onClick attribute, or a link around the selection (or
// "Click Here") that calls the function.
QString functionLinkCode(const QString& name, bool onClickOnly, const QString& selectedText);

// The window features in their fixed order.
enum WindowFeature { Toolbar, Menubar, Resizable, Status, Directories, Scrollbars, Location, kWindowFeatureCount };
const QStringList& windowFeatureNames(); // "toolbar", "menubar", ...

inline const QStringList kDefaultWindowContents { "<html>", "<title>My Window</title>", "<body>",
    "<h1>Hello from my new ", "window</h1>", "<p>JavaScript wrote this all by ",
    "itself - while you were just browsing ", "around! ", "<p>Isn't that neat? ", "</body>", "</html>" };

struct WindowOptions {
    QString contents = kDefaultWindowContents.join("\r\n");
    bool writeToWindow = false;
    bool useExistingFile = true;
    QString existingFile = QStringLiteral("MyExistingWindow.htm");
    bool features[kWindowFeatureCount] = { false, false, true, false, false, true, false };
    bool useSize = true;
    int height = 400;
    int width = 400;
    QString functionName = QStringLiteral("MyFunction()");
    QString windowName = QStringLiteral("win1");
    bool textLink = false;
    QString linkText = QStringLiteral("Link to my window");
    bool formButton = false;
    QString buttonText = QStringLiteral("Open Window");
};

// JavaScript in the contents cannot be written into a window.
bool windowContentsHaveScript(const WindowOptions& options);
inline const QString kWindowScriptWarning = QStringLiteral(
    "JavaScript is not allowed in writing to windows. The Window Contents box contains JavaScript. Consider using the "
    "existing file option instead of the 'Write to Window' option. I will let you continue, but expect unresolvable "
    "problems if you do!");
// The fields as "Update Code" leaves them: empty ones filled with defaults, and the file name
// gone unless an existing file is used.
WindowOptions withWindowDefaults(WindowOptions options);
// The contents as lines that build the string "mystring" (double quotes become apostrophes).
QString windowWriteString(const QString& contents);
void writeWindowCode(const WindowOptions& options, CodeTarget& target);
// The code for options as they are (apply withWindowDefaults first for what the dialog shows).
QString windowCode(const WindowOptions& options);
