#include "docwatch/CrashRecovery.h"

#include "editor/CodeEditor.h"
#include "platform/AppDirs.h"
#include "platform/FileError.h"
#include "platform/Prompter.h"
#include "shared/CommandRegistry.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QWidget>

CrashRecovery::CrashRecovery(const FeatureContext& context, QObject* parent)
    : QObject(parent)
    , m_context(context)
    , m_store(AppDirs::settingsDir())
{
    setObjectName(QStringLiteral("crashRecovery"));
    const int injected = qEnvironmentVariableIntValue("PELORIN95_RECOVERY_INTERVAL_MS");
    m_timer.setInterval(injected > 0 ? injected : kDefaultIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &CrashRecovery::writeCopy);
    CodeEditor* editor = m_context.editor;
    connect(editor, &CodeEditor::modifiedChanged, this, &CrashRecovery::onModifiedChanged);
    connect(editor, &QPlainTextEdit::textChanged, this, [this] { m_changedSinceCopy = true; });
    if (m_context.document)
        connect(m_context.document, &DocumentSignals::fileNameChanged, this, [this](const QString& name) {
            m_name = name;
            m_changedSinceCopy = true;
        });
    m_name = m_context.documentFileName ? m_context.documentFileName() : QString();
    onModifiedChanged(editor->isModified());
    if (m_context.window) m_context.window->installEventFilter(this);
}

bool CrashRecovery::eventFilter(QObject* watched, QEvent* event)
{
    // Once the window is up and has opened its first document, the session marks itself running
    // and offers what an earlier one left.
    if (watched == m_context.window && event->type() == QEvent::Show && !m_started) {
        m_started = true;
        QTimer::singleShot(0, this, [this] {
            m_store.lock();
            m_context.commands->runGuarded([this] { offerStrandedCopies(); });
        });
    }
    return QObject::eventFilter(watched, event);
}

void CrashRecovery::onModifiedChanged(bool modified)
{
    if (modified) {
        if (!m_timer.isActive()) m_timer.start();
        return;
    }
    m_timer.stop();
    m_store.remove();
}

void CrashRecovery::writeCopy()
{
    if (!m_context.editor->isModified() || !m_changedSinceCopy) return;
    try {
        m_store.write(m_name, m_context.editor->text());
        m_changedSinceCopy = false;
    } catch (const FileError& error) {
        // Told once a run: the copy is a safety net, not worth a question every half minute.
        if (m_errorShown) return;
        m_errorShown = true;
        m_context.prompter->message(error.message(), Prompter::Icon::Error, Prompter::Ok);
    }
}

void CrashRecovery::offerStrandedCopies()
{
    for (const QString& path : m_store.strandedCopies()) {
        const auto copy = RecoveryStore::read(path);
        if (!copy) {
            RecoveryStore::discard(path);
            continue;
        }
        const QString shown = copy->documentName.isEmpty() ? kNeverSaved : QDir::toNativeSeparators(copy->documentName);
        const auto answer = m_context.prompter->message(
            kOffer.arg(shown), Prompter::Icon::Confirmation, Prompter::Yes | Prompter::No);
        if (answer != Prompter::Yes) {
            RecoveryStore::discard(path);
            continue;
        }
        if (restore(*copy)) RecoveryStore::discard(path);
        return;
    }
}

bool CrashRecovery::restore(const RecoveryStore::Copy& copy)
{
    if (m_context.saveIfModified && !m_context.saveIfModified()) return false;
    // Under the original's name and format when the file is still there; the file's text is then
    // one undo away. A file gone since becomes a never-saved document.
    const bool named = !copy.documentName.isEmpty() && QFileInfo(copy.documentName).isFile();
    m_context.loadFile(named ? copy.documentName : QString());
    m_context.editor->setText(copy.text);
    m_context.editor->setSelStart(0);
    // Held again at once, before the stranded copy goes.
    writeCopy();
    return QFileInfo::exists(m_store.copyPath());
}
