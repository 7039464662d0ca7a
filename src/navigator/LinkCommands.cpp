#include "navigator/LinkCommands.h"

#include "editor/WriteQuestions.h"

#include "editor/CodeEditor.h"
#include "editor/TextFile.h"
#include "navigator/ImageDialog.h"
#include "navigator/ImageSize.h"
#include "navigator/LinkTexts.h"
#include "navigator/NavigatorPanel.h"
#include "platform/CommandBoundary.h"
#include "platform/Prompter.h"

LinkCommands::LinkCommands(CodeEditor& editor, NavigatorPanel& navigator, Prompter& prompter,
    std::function<void()> warnToSave, InsertTags insertTags, QObject* parent)
    : QObject(parent)
    , m_editor(editor)
    , m_navigator(navigator)
    , m_prompter(prompter)
    , m_warnToSave(std::move(warnToSave))
    , m_insertTags(std::move(insertTags))
{ }

void LinkCommands::tell(const QString& text) { m_prompter.message(text, Prompter::Icon::None, Prompter::Ok); }

void LinkCommands::link(bool lineBreak)
{
    if (m_navigator.selectedFile().isEmpty()) {
        tell(QStringLiteral("Please select a file in the file box first."));
        return;
    }
    m_warnToSave();
    const TagTexts tags = linkTexts(m_navigator.relativePath(), m_navigator.title(), m_editor.selText(), lineBreak);
    m_insertTags(tags.start, tags.end);
}

void LinkCommands::linkToSelectedFile() { link(false); }

void LinkCommands::tocLink() { link(true); }

void LinkCommands::relativeFilename()
{
    if (m_navigator.selectedFile().isEmpty()) {
        tell(QStringLiteral(
            "Please choose a file in the filebox first.\r\nAnd ensure that the current file has been saved."));
        return;
    }
    m_warnToSave();
    m_insertTags(m_navigator.relativePath(), QString());
}

void LinkCommands::fileTitle()
{
    m_warnToSave();
    if (m_navigator.selectedFile().isEmpty()) {
        tell(QStringLiteral("Please select a file in the filebox."));
        return;
    }
    m_insertTags(m_navigator.title(), QString());
}

void LinkCommands::option()
{
    const TagTexts tags = optionTexts(m_navigator.relativePath(), m_navigator.title(), m_editor.selText());
    m_insertTags(tags.start, tags.end);
}

void LinkCommands::jsFile()
{
    m_warnToSave();
    if (m_navigator.selectedFile().isEmpty()) {
        tell(QStringLiteral("Please select a file first."));
        return;
    }
    const ReferenceTexts reference = jsFileTexts(m_navigator.relativePath());
    if (!reference.message.isEmpty()) tell(reference.message);
    m_insertTags(reference.tags.start, reference.tags.end);
}

void LinkCommands::cssFile()
{
    m_warnToSave();
    const ReferenceTexts reference = cssFileTexts(m_navigator.relativePath());
    if (!reference.message.isEmpty()) tell(reference.message);
    m_insertTags(reference.tags.start, reference.tags.end);
}

void LinkCommands::insertToc()
{
    if (m_navigator.fileCount() == 0) {
        tell(QStringLiteral("The directory was empty."));
        return;
    }
    m_warnToSave();
    if (m_prompter.message(
            QStringLiteral("Make a TOC of all the files in the directory at the current cursor position?"),
            Prompter::Icon::Confirmation, Prompter::Yes | Prompter::No)
        != Prompter::Yes)
        return;
    runCommand(m_prompter, [this] {
        // All lines are read before any is written, so an unreadable file leaves the document as it was.
        const QString base = m_navigator.relativeBase();
        QString lines;
        for (int i = 0; i < m_navigator.fileCount(); ++i)
            lines += tocLine(webby(extractRelativePath(base, m_navigator.filePath(i))), m_navigator.findAllTitles(i));
        m_editor.setSelText(lines);
    });
}

void LinkCommands::linkThisCssJsFileToSelectedFile()
{
    const QString document = m_navigator.documentFileName();
    if (!isLinkableDocument(document)) return;
    runCommand(m_prompter, [&] {
        // The page is read afresh: the navigator's copy may be stale, and a page changed since it
        // was selected must not be overwritten with the old text.
        const QString page = m_navigator.selectedFile();
        DocumentFile file;
        const QString text = page.isEmpty() ? QString() : file.load(page).replace(QLatin1Char('\n'), QLatin1String("\r\n"));
        const PageLink link = linkDocumentIntoPage(document, page, text);
        if (link.outcome == PageLink::Outcome::Refused)
            tell(link.message);
        else if (link.outcome == PageLink::Outcome::Linked)
            writeAsked(m_prompter, file, page, link.text.split(QStringLiteral("\r\n")));
    });
}

void LinkCommands::image()
{
    if (m_imageDialog) {
        m_imageDialog->raise();
        return;
    }
    const QString file = m_navigator.selectedFile();
    m_navigator.relativePathEdit()->setText(webby(extractRelativePath(m_navigator.documentFileName(), file)));
    if (!isImageFileName(file)) {
        if (m_prompter.message(
                QStringLiteral(
                    "No image file was selected in the file box\r\nWould you like me to enter plain image tags?"),
                Prompter::Icon::Confirmation, Prompter::Yes | Prompter::No)
            == Prompter::Yes)
            m_editor.setSelText(plainImageTag());
        return;
    }
    m_imageDialog = new ImageDialog(m_editor, m_navigator, m_prompter, m_warnToSave, m_editor.window());
    connect(m_imageDialog, &QObject::destroyed, this, [this] { emit imageDialogOpenChanged(false); });
    emit imageDialogOpenChanged(true);
    m_imageDialog->show();
    m_imageDialog->refreshFromNavigator();
}
