#include "tools/ConvertToTextWindow.h"

#include "editor/WriteQuestions.h"

#include "editor/TextFile.h"
#include "platform/CommandBoundary.h"
#include "platform/Prompter.h"
#include "platform/WidgetHelpers.h"
#include "shared/RelativePath.h"
#include "tools/HtmlConversion.h"
#include "tools/TextAreaActions.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

const QString ConvertToTextWindow::kSaveNow = QStringLiteral("File  has changed. Save now?");

namespace {

const QString kHtmlFilter = QStringLiteral("HTML Files|*.htm*|Text Files|*.txt|All Files|*.*");

} // namespace

ConvertToTextWindow::ConvertToTextWindow(Prompter& prompter, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_prompter(prompter, this)
    , m_fileNameEdit(new QLineEdit(this))
    , m_workText(new QPlainTextEdit(this))
{
    setObjectName("convertToTextWindow");
    closeOnEscape(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Convert HTML to text"));
    resize(640, 480);
    m_fileNameEdit->setObjectName("fileNameEdit");
    m_fileNameEdit->setReadOnly(true);
    m_workText->setObjectName("workText");
    m_workText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto* openButton = new QPushButton(QStringLiteral("Open"), this);
    openButton->setObjectName("openButton");
    auto* convertButton = new QPushButton(QStringLiteral("Convert to Text"), this);
    convertButton->setObjectName("convertToTextButton");
    auto* addFileButton = new QPushButton(QStringLiteral("Add File"), this);
    addFileButton->setObjectName("addFileButton");

    auto* menus = new QMenuBar(this);
    QMenu* file = menus->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Open ..."), this, &ConvertToTextWindow::openFile)->setObjectName("openAction");
    file->addAction(QStringLiteral("Add File at Cursor"), this, &ConvertToTextWindow::addFile)
        ->setObjectName("addFileAction");
    file->addAction(QStringLiteral("Save &As ..."), this, qOverload<>(&ConvertToTextWindow::saveAs))
        ->setObjectName("saveAsAction");
    file->addAction(QStringLiteral("E&xit"), this, &QWidget::close)->setObjectName("exitAction");
    QMenu* tools = menus->addMenu(QStringLiteral("&Tools"));
    tools->addAction(QStringLiteral("Convert to Text"), this, &ConvertToTextWindow::convertToText)
        ->setObjectName("convertToTextAction");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(openButton);
    buttons->addWidget(convertButton);
    buttons->addWidget(addFileButton);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menus);
    layout->addWidget(m_fileNameEdit);
    layout->addWidget(m_workText, 1);
    layout->addLayout(buttons);

    connect(openButton, &QPushButton::clicked, this, &ConvertToTextWindow::openFile);
    connect(convertButton, &QPushButton::clicked, this, &ConvertToTextWindow::convertToText);
    connect(addFileButton, &QPushButton::clicked, this, &ConvertToTextWindow::addFile);
}

QString ConvertToTextWindow::textFileName() const
{
    const QString shown = QDir::fromNativeSeparators(m_fileNameEdit->text());
    if (shown.isEmpty()) return {};
    const QFileInfo info(shown);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".txt"));
}

void ConvertToTextWindow::openFile()
{
    runCommand(m_prompter, [this] {
        if (m_workText->document()->isModified()) {
            const Prompter::Button answer = m_prompter.message(
                kSaveNow, Prompter::Icon::Confirmation, Prompter::Yes | Prompter::No | Prompter::Cancel);
            if (answer == Prompter::Yes) {
                QString preset;
                if (QFileInfo(QDir::fromNativeSeparators(m_fileNameEdit->text())).isFile()) {
                    preset = textFileName();
                    m_fileNameEdit->setText(QDir::toNativeSeparators(preset));
                }
                if (saveAs(QStringLiteral("Save as a text file"), preset) == SaveOutcome::Failed) return;
            }
        }
        Prompter::FileDialog dialog { QStringLiteral("Open a new HTML file to convert to text"), kHtmlFilter,
            QStringLiteral("htm"), QDir::currentPath(), {}, false, true };
        const std::optional<QString> path = m_prompter.openFile(dialog);
        if (!path) return;
        m_workText->setPlainText(m_file.load(*path));
        m_workText->document()->setModified(false);
        m_fileNameEdit->setText(QDir::toNativeSeparators(*path));
        setWindowTitle(QStringLiteral("Convert HTML to text ... ") + QDir::toNativeSeparators(*path));
    });
}

void ConvertToTextWindow::convertToText()
{
    const WaitCursor wait;
    QTextCursor cursor(m_workText->document());
    cursor.select(QTextCursor::Document);
    cursor.insertText(convertHtmlToText(m_workText->toPlainText()));
}

void ConvertToTextWindow::addFile()
{
    runCommand(m_prompter, [this] {
        Prompter::FileDialog dialog { QStringLiteral("Add file to the current document."), kHtmlFilter,
            QStringLiteral("htm"), QDir::currentPath(), {}, false, true };
        const std::optional<QString> path = m_prompter.openFile(dialog);
        if (!path) return;
        TextFormat format;
        m_workText->textCursor().insertText(decodeToText(readBytes(*path), &format));
    });
}

bool ConvertToTextWindow::saveAs() { return saveAs(QStringLiteral("Save As"), textFileName()) == SaveOutcome::Saved; }

SaveOutcome ConvertToTextWindow::saveAs(const QString& title, const QString& initialPath)
{
    SaveOutcome outcome = SaveOutcome::Failed;
    runCommand(m_prompter, [&] {
        const QFileInfo initial(initialPath);
        Prompter::FileDialog dialog { title, QStringLiteral("Text Files|*.txt|All files|*.*"), QStringLiteral("txt"),
            directoryOf(initialPath),
            initialPath.isEmpty() ? QString() : initial.fileName(), true, false };
        const std::optional<QString> path = m_prompter.saveFile(dialog);
        if (!path) {
            outcome = SaveOutcome::Cancelled;
            return;
        }
        if (!writeAsked(m_prompter, m_file, *path, m_workText->toPlainText().split(QLatin1Char('\n')))) return;
        m_fileNameEdit->setText(QDir::toNativeSeparators(*path));
        m_workText->document()->setModified(false);
        outcome = SaveOutcome::Saved;
    });
    return outcome;
}

void ConvertToTextWindow::closeEvent(QCloseEvent* event)
{
    if (m_workText->document()->isModified()) {
        const Prompter::Button answer = m_prompter.message(
            kSaveNow, Prompter::Icon::Confirmation, Prompter::Yes | Prompter::No | Prompter::Cancel);
        // A save that was cancelled or failed keeps the window, and the text, open.
        if (answer == Prompter::Cancel || (answer == Prompter::Yes && !saveAs())) {
            event->ignore();
            return;
        }
    }
    QWidget::closeEvent(event);
}
