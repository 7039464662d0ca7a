#include "docwatch/DocumentWatch.h"

#include "editor/CodeEditor.h"
#include "platform/Prompter.h"
#include "shared/CommandRegistry.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QScopedValueRollback>
#include <QWidget>

DocumentWatch::DocumentWatch(const FeatureContext& context, QObject* parent)
    : QObject(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("documentWatch"));
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, &DocumentWatch::look);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, &m_settle, qOverload<>(&QTimer::start));
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_settle, qOverload<>(&QTimer::start));
    if (m_context.window) m_context.window->installEventFilter(this);
}

void DocumentWatch::track(const QString& name)
{
    m_name = name;
    m_pending = DiskChange::None;
    m_known = name.isEmpty() ? DiskState() : DiskState::of(name);
    if (!m_watcher.files().isEmpty()) m_watcher.removePaths(m_watcher.files());
    if (!m_watcher.directories().isEmpty()) m_watcher.removePaths(m_watcher.directories());
    arm();
}

void DocumentWatch::arm()
{
    if (m_name.isEmpty()) return;
    // A file replaced by rename, or deleted and written again, is a new file: watch it anew. The
    // directory shows a deleted file coming back.
    if (QFileInfo(m_name).isFile() && !m_watcher.files().contains(m_name)) m_watcher.addPath(m_name);
    const QString dir = QFileInfo(m_name).absolutePath();
    if (!m_watcher.directories().contains(dir)) m_watcher.addPath(dir);
}

void DocumentWatch::look()
{
    arm();
    if (m_name.isEmpty()) return;
    const DiskChange change = changeSince(m_known, m_name);
    if (change != DiskChange::None) {
        m_pending = change;
        // The text exists nowhere else now: keep it marked for saving.
        if (change == DiskChange::Deleted) m_context.editor->setModified(true);
        if (m_context.window && m_context.window->isActiveWindow())
            QTimer::singleShot(0, this, &DocumentWatch::askIfPending);
    }
    emit looked(m_pending);
}

bool DocumentWatch::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_context.window && event->type() == QEvent::WindowActivate && m_pending != DiskChange::None)
        QTimer::singleShot(0, this, &DocumentWatch::askIfPending);
    return QObject::eventFilter(watched, event);
}

void DocumentWatch::askIfPending()
{
    if (m_asking || m_pending == DiskChange::None || m_name.isEmpty()) return;
    const QScopedValueRollback asking(m_asking, true);
    const QString name = m_name;
    // Asked once: whatever the answer, what is on disk now is known.
    m_known = DiskState::of(name);
    const DiskChange change = std::exchange(m_pending, DiskChange::None);
    const QString shown = QDir::toNativeSeparators(name);
    Prompter& prompter = *m_context.prompter;
    if (change == DiskChange::Deleted) {
        prompter.message(kDeleted.arg(shown), Prompter::Icon::Warning, Prompter::Ok);
        return;
    }
    const bool modified = m_context.editor->isModified();
    const auto answer = modified
        ? prompter.message(
            kChangedModified.arg(shown), Prompter::Icon::Warning, Prompter::Yes | Prompter::No | Prompter::DefaultNo)
        : prompter.message(kChanged.arg(shown), Prompter::Icon::Confirmation, Prompter::Yes | Prompter::No);
    if (answer != Prompter::Yes || name != m_name) return;
    CodeEditor& editor = *m_context.editor;
    const int caret = editor.selStart();
    m_context.commands->runGuarded([&] {
        m_context.loadFile(name);
        editor.setSelStart(std::min(caret, editor.charCount()));
        editor.scrollInView();
    });
}
