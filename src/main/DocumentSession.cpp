#include "main/DocumentSession.h"

#include "editor/CodeEditor.h"
#include "editor/WriteQuestions.h"
#include "platform/AppDirs.h"
#include "platform/FileError.h"
#include "platform/Prompter.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString kFileChanged = QStringLiteral("File has changed. Save now?");
} // namespace

bool DocumentSession::isImageName(const QString& name)
{
    static const QStringList kImages { QStringLiteral("gif"), QStringLiteral("jpg"), QStringLiteral("jpeg"),
        QStringLiteral("png") };
    return kImages.contains(QFileInfo(name).suffix().toLower());
}

DocumentSession::DocumentSession(CodeEditor& editor, Prompter& prompter, QObject* parent)
    : QObject(parent)
    , m_editor(editor)
    , m_prompter(prompter)
{ }

void DocumentSession::setFileName(const QString& name)
{
    m_fileName = name;
    emit fileNameChanged(name);
}

// ---- settings -------------------------------------------------------------------------------

void DocumentSession::readSettings()
{
    const QString listFile = AppDirs::settingsFile(kRecentList);
    if (QFileInfo::exists(listFile)) {
        m_recent.setEntries(SettingsFiles::readLastLines(listFile, RecentFiles::kMaxRead));
        writeRecentList();
        emit recentFilesChanged(m_recent.entries());
        m_editor.setModified(false);
    }
    setFileName(QString());
    const QString lastFile = AppDirs::settingsFile(kLastFile);
    if (!QFileInfo::exists(lastFile)) return;
    const QString name = SettingsFiles::readLines(lastFile).value(0);
    if (name.isEmpty() || !QFileInfo(name).isFile()) return;
    m_editor.loadFromFile(name);
    setFileName(name);
    m_editor.setModified(false);
    emit formatChanged(m_editor.textFormat());
}

void DocumentSession::writeSettings()
{
    writeRecentList();
    if (m_fileName.isEmpty() || !QFileInfo(m_fileName).isFile()) return;
    if (isImageName(m_fileName)) return;
    writeSettingsFile(kLastFile, { m_fileName });
}

void DocumentSession::writeSettingsFile(const QString& name, const QStringList& lines)
{
    try {
        SettingsFiles::writeLines(AppDirs::settingsFile(name), lines);
    } catch (const FileError& error) {
        if (m_settingsErrorShown) return;
        m_settingsErrorShown = true;
        m_prompter.message(error.message(), Prompter::Icon::Error, Prompter::Ok);
    }
}

// ---- recent files -----------------------------------------------------------------------------

void DocumentSession::addToRecent(const QString& name)
{
    m_recent.add(name);
    writeRecentList();
    emit recentFilesChanged(m_recent.entries());
}

void DocumentSession::writeRecentList() { writeSettingsFile(kRecentList, m_recent.entries()); }

void DocumentSession::forgetRecent(const QString& name)
{
    m_recent.remove(name);
    writeRecentList();
    emit recentFilesChanged(m_recent.entries());
}

// ---- opening ----------------------------------------------------------------------------------

std::optional<QString> DocumentSession::askFileToOpen()
{
    emit openDialogShowing();
    const Prompter::FileDialog dialog { QStringLiteral("Open File"), kOpenFilter, QStringLiteral("htm"),
        QDir::currentPath(), m_openInitialName, false, true };
    const auto name = m_prompter.openFile(dialog);
    emit fileDialogClosed();
    return name;
}

bool DocumentSession::load(const QString& name)
{
    if (!saveIfModified()) {
        emit openCancelled();
        return false;
    }
    loadAsked(name);
    return true;
}

void DocumentSession::loadAsked(const QString& name)
{
    // Read before the name changes, so a failed read leaves the document as it was.
    m_editor.loadFromFile(name);
    if (m_editor.textFormat().nulAt >= 0)
        m_prompter.message(
            QDir::toNativeSeparators(name) + QStringLiteral(" holds a NUL byte: only the text before it is shown."),
            Prompter::Icon::Warning, Prompter::Ok);
    const QFileInfo info(name);
    QDir::setCurrent(info.absolutePath());
    setFileName(info.absoluteFilePath());
    addToRecent(name);
    m_editor.setModified(false);
    m_saveInitialName = name;
    m_openInitialName.clear();
    emit formatChanged(m_editor.textFormat());
    emit opened(name);
}

void DocumentSession::setSaveFormat(const TextFormat& format)
{
    m_editor.setTextFormat(format);
    m_editor.setModified(true);
    emit formatChanged(format);
}

bool DocumentSession::reloadWithEncoding(TextFormat::Encoding encoding)
{
    if (m_fileName.isEmpty()) return false;
    if (m_editor.isModified()) {
        TextFormat named;
        named.encoding = encoding;
        const QString encodingName = named.describe().section(QLatin1Char(' '), 0, 0);
        const auto answer = m_prompter.message(kReloadQuestion.arg(QDir::toNativeSeparators(m_fileName), encodingName),
            Prompter::Icon::Warning, Prompter::Yes | Prompter::No | Prompter::DefaultNo);
        if (answer != Prompter::Yes) return false;
    }
    m_editor.loadFromFile(m_fileName, encoding);
    m_editor.setModified(false);
    emit formatChanged(m_editor.textFormat());
    return true;
}

// ---- saving -----------------------------------------------------------------------------------

bool DocumentSession::mayWrite(const QString& target)
{
    // Changes by other programs are the document watch's to ask about.
    const auto format = WriteQuestions::ask(m_prompter, m_editor.file(), target, m_editor.paragraphs(), false);
    if (!format) return false;
    m_pendingFormat = *format;
    return true;
}

void DocumentSession::write(const QString& target)
{
    m_editor.saveToFile(target, m_pendingFormat);
    emit formatChanged(m_pendingFormat);
}

bool DocumentSession::save()
{
    if (m_fileName.isEmpty()) return saveAs();
    const QString target = QFileInfo(m_fileName).absoluteFilePath();
    if (!mayWrite(target)) return false;
    write(target);
    m_saveInitialName = m_fileName;
    fileWritten(m_fileName);
    return true;
}

bool DocumentSession::saveAs()
{
    const Prompter::FileDialog dialog { QStringLiteral("Save File"), kOpenFilter, QStringLiteral("htm"),
        QDir::currentPath(), m_saveInitialName, true, false };
    const auto chosen = m_prompter.saveFile(dialog);
    emit fileDialogClosed();
    if (!chosen) return false;
    const QString name = *chosen;
    if (!mayWrite(name)) return false;
    write(name);
    m_editor.setModified(false);
    setFileName(QFileInfo(name).absoluteFilePath());
    m_saveInitialName = name;
    emit savedAs(name);
    fileWritten(name);
    return true;
}

void DocumentSession::fileWritten(const QString& name)
{
    addToRecent(name);
    QDir::setCurrent(QFileInfo(name).absolutePath());
    m_editor.setModified(false);
    emit written(QFileInfo(name).absoluteFilePath());
}

bool DocumentSession::startUnnamed(const QString& text, bool keepSaveName)
{
    if (!saveIfModified()) return false;
    m_editor.clear();
    if (!text.isEmpty()) m_editor.addLine(text);
    if (!keepSaveName) m_saveInitialName.clear();
    setFileName(QString());
    m_editor.setModified(false);
    m_editor.clearUndo();
    emit formatChanged(m_editor.textFormat());
    emit startedUnnamed();
    return true;
}

// ---- questions --------------------------------------------------------------------------------

bool DocumentSession::saveIfModified()
{
    if (!m_editor.isModified()) return true;
    const auto answer = m_prompter.message(
        kFileChanged, Prompter::Icon::Confirmation, Prompter::Yes | Prompter::No | Prompter::Cancel);
    if (answer == Prompter::Cancel) return false;
    // Cancelling the save dialog after Yes cancels the command too: the text stays.
    if (answer == Prompter::Yes) return save();
    return true;
}

void DocumentSession::warnToSave()
{
    if (!m_fileName.isEmpty() && QFileInfo(m_fileName).isFile()) return;
    const auto answer = m_prompter.message(
        QStringLiteral("The file has never been saved, \r\nso the link will work only if this file is \r\nsaved in the "
                       "current directory.\r\nWould you like to save the file now?\r\nClick YES to save or NO to "
                       "continue without saving"),
        Prompter::Icon::Warning, Prompter::Yes | Prompter::No);
    if (answer == Prompter::Yes) save();
}

bool DocumentSession::saveBeforeBrowsing()
{
    if (!m_editor.isModified()) return true;
    const auto answer = m_prompter.message(
        QStringLiteral("File has changed. The browser will view the saved version\r\nYou are advised to save the file "
                       "now.\r\nChoose Yes to ave now? No to continue without saving."),
        Prompter::Icon::Confirmation, Prompter::Yes | Prompter::No | Prompter::Cancel);
    if (answer == Prompter::Cancel) return false;
    if (answer == Prompter::Yes) save();
    return true;
}

bool DocumentSession::closeQuery()
{
    if (!m_editor.isModified())
        return m_prompter.message(
                   QStringLiteral("Exit the editor?"), Prompter::Icon::Confirmation, Prompter::Ok | Prompter::Cancel)
            == Prompter::Ok;
    const auto answer = m_prompter.message(QStringLiteral("File  has changed. Save now?"), Prompter::Icon::Confirmation,
        Prompter::Yes | Prompter::No | Prompter::Cancel);
    if (answer == Prompter::Cancel) return false;
    // A failed or cancelled save keeps the window and the text.
    if (answer == Prompter::Yes) return save();
    return true;
}
