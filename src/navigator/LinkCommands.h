#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class CodeEditor;
class ImageDialog;
class NavigatorPanel;
class Prompter;

// The commands that turn the navigator's selected file into code: links, options, script and
// style-sheet references, a table of contents, a reference written into another page, images.
// Each runs as one command: a file error stops it with its message.
class LinkCommands : public QObject {
    Q_OBJECT
public:
    // The tag insertion engine: wraps the selection in start and end, or inserts both at the
    // caret and leaves it between them.
    using InsertTags = std::function<void(const QString& start, const QString& end)>;

    // warnToSave offers to save a never-saved document; the command goes on whatever the answer.
    LinkCommands(CodeEditor& editor, NavigatorPanel& navigator, Prompter& prompter, std::function<void()> warnToSave,
        InsertTags insertTags, QObject* parent = nullptr);

    void linkToSelectedFile();
    void tocLink();
    void relativeFilename();
    void fileTitle();
    void option();
    void jsFile();
    void cssFile();
    void insertToc();
    void linkThisCssJsFileToSelectedFile();
    void image();

    // The open image dialog, if any.
    ImageDialog* imageDialog() const { return m_imageDialog; }

signals:
    // The image dialog opened or closed: the "Image" command is disabled while it is open.
    void imageDialogOpenChanged(bool open);

private:
    void link(bool lineBreak);
    void tell(const QString& text);

    CodeEditor& m_editor;
    NavigatorPanel& m_navigator;
    Prompter& m_prompter;
    std::function<void()> m_warnToSave;
    InsertTags m_insertTags;
    QPointer<ImageDialog> m_imageDialog;
};
