#include "tools/JotterWindow.h"

#include "editor/WriteQuestions.h"

#include "platform/CommandBoundary.h"
#include "platform/Prompter.h"
#include "shared/RelativePath.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QVBoxLayout>

const QString JotterWindow::kSaveNow = QStringLiteral("The file has not been saved.\r\nSave now?");
const QString JotterWindow::kFilter = QStringLiteral("HTML Files|*.htm;*.html;*.?htm*|Text Files|*.txt|All Files|*.*");

JotterWindow::JotterWindow(Prompter& prompter, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_prompter(prompter, this)
    , m_fileNameEdit(new QLineEdit(QStringLiteral("File has never been saved"), this))
    , m_notes(new QPlainTextEdit(this))
{
    setObjectName("jotterWindow");
    closeOnEscape(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Jotter"));
    resize(560, 420);
    m_fileNameEdit->setObjectName("fileNameEdit");
    m_fileNameEdit->setReadOnly(true);
    m_notes->setObjectName("notes");
    m_notes->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_notes->setContextMenuPolicy(Qt::CustomContextMenu);
    m_notes->installEventFilter(this);
    m_actions = TextAreaActions::make(this, m_notes, QStringLiteral("Select &All"), [this] { clearNotes(); });

    auto* menus = new QMenuBar(this);
    QMenu* file = menus->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("Open File ..."), this, &JotterWindow::openFile)->setObjectName("openFileAction");
    file->addAction(QStringLiteral("Save File As ..."), this, [this] { saveFileAs(); })
        ->setObjectName("saveFileAsAction");
    file->addAction(QStringLiteral("E&xit"), this, &QWidget::close)->setObjectName("exitAction");
    m_actions.addTo(menus->addMenu(QStringLiteral("&Edit")));

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(QStringLiteral("File Name:"), this));
    nameRow->addWidget(m_fileNameEdit, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menus);
    layout->addLayout(nameRow);
    layout->addWidget(m_notes, 1);

    connect(m_notes, &QWidget::customContextMenuRequested, this, &JotterWindow::showContextMenu);
}

void JotterWindow::openFile()
{
    runCommand(m_prompter, [this] {
        if (m_notes->document()->isModified()) {
            const Prompter::Button answer = m_prompter.message(
                kSaveNow, Prompter::Icon::Warning, Prompter::Yes | Prompter::No | Prompter::Cancel);
            if (answer == Prompter::Cancel) return;
            // A save that fails or is declined keeps the notes: nothing is opened.
            if (answer == Prompter::Yes && saveFileAs() == SaveOutcome::Failed) return;
        }
        Prompter::FileDialog dialog { QStringLiteral("Open File"), kFilter, QStringLiteral("htm"),
            directoryOf(m_fileName),
            m_fileName.isEmpty() ? QString() : QFileInfo(m_fileName).fileName(), false, true };
        const std::optional<QString> path = m_prompter.openFile(dialog);
        if (!path) return;
        m_notes->setPlainText(m_file.load(*path));
        m_notes->document()->setModified(false);
        showFile(*path);
    });
}

SaveOutcome JotterWindow::saveFileAs()
{
    SaveOutcome outcome = SaveOutcome::Failed;
    runCommand(m_prompter, [&] {
        Prompter::FileDialog dialog { QStringLiteral("Save File As"), kFilter, QStringLiteral("htm"),
            directoryOf(m_fileName),
            m_fileName.isEmpty() ? QString() : QFileInfo(m_fileName).fileName(), true, false };
        const std::optional<QString> path = m_prompter.saveFile(dialog);
        if (!path) {
            outcome = SaveOutcome::Cancelled;
            return;
        }
        if (!writeAsked(m_prompter, m_file, *path, m_notes->toPlainText().split(QLatin1Char('\n')))) return;
        m_notes->document()->setModified(false);
        showFile(*path);
        outcome = SaveOutcome::Saved;
    });
    return outcome;
}

void JotterWindow::clearNotes()
{
    // One undo step, so a stray Del can be taken back.
    QTextCursor cursor(m_notes->document());
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
}

QMenu* JotterWindow::makeContextMenu()
{
    auto* menu = new QMenu(this);
    menu->setObjectName("notesContextMenu");
    menu->setAttribute(Qt::WA_DeleteOnClose);
    m_actions.addTo(menu);
    return menu;
}

void JotterWindow::showContextMenu(const QPoint& position) { makeContextMenu()->popup(m_notes->mapToGlobal(position)); }

void JotterWindow::showFile(const QString& path)
{
    m_fileName = path;
    m_fileNameEdit->setText(QDir::toNativeSeparators(path));
}

bool JotterWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_notes && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier) {
            clearNotes();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
