#include "navigator/ApplicationsWindow.h"

#include "navigator/ExternalApps.h"
#include "platform/AppDirs.h"
#include "platform/CommandBoundary.h"
#include "platform/Prompter.h"
#include "platform/Shell.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
struct Button {
    const char* objectName;
    const char* caption;
    const char* changeCaption;
};
const Button kButtons[] = {
    { "openBrowser1Button", "Open Browser 1", "Change Browser 1" },
    { "openBrowser2Button", "Open Browser 2", "Change Browser 2" },
    { "openEditor2Button", "Open Editor 2", "Change Editor 2" },
};

#ifdef Q_OS_WIN
const QString kFilter = QStringLiteral("Application|*.exe|All Files|*.*");
const QString kDefaultExtension = QStringLiteral("exe");
const QString kProgramsDir = QStringLiteral("c:\\Program Files");
#else
const QString kFilter = QStringLiteral("All Files|*");
const QString kDefaultExtension;
const QString kProgramsDir = QStringLiteral("/usr/bin");
#endif

QString listFile() { return AppDirs::settingsFile(ExternalApps::kListFile); }
} // namespace

ApplicationsWindow::ApplicationsWindow(Prompter& prompter, Shell& shell, Hooks hooks, QWidget* parent)
    : QWidget(parent, Qt::Tool)
    , m_prompter(prompter, this)
    , m_shell(shell)
    , m_hooks(std::move(hooks))
{
    setObjectName(QStringLiteral("applicationsWindow"));
    setWindowTitle(QStringLiteral("Open Application "));
    setAttribute(Qt::WA_DeleteOnClose);
    m_entries = QStringList(ExternalApps::EntryCount, ExternalApps::kNoApplication);
    runCommand(m_prompter, [this] { m_entries = ExternalApps::readApplications(listFile()); });

    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("changeApplicationMenu"));
    auto* column = new QVBoxLayout(this);
    for (int i = 0; i < ExternalApps::EntryCount; ++i) {
        menu->addAction(QString::fromLatin1(kButtons[i].changeCaption), this, [this, i] { changeApplication(i); });
        auto* button = new QPushButton(QString::fromLatin1(kButtons[i].caption));
        button->setObjectName(QString::fromLatin1(kButtons[i].objectName));
        button->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(button, &QPushButton::clicked, this, [this, i] { openApplication(i); });
        connect(button, &QWidget::customContextMenuRequested, menu,
            [button, menu](const QPoint& at) { menu->popup(button->mapToGlobal(at)); });
        column->addWidget(button);
    }
    auto* close = new QPushButton(QStringLiteral("Close"));
    close->setObjectName(QStringLiteral("closeButton"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    column->addWidget(close);
}

void ApplicationsWindow::openApplication(int entry)
{
    runCommand(m_prompter, [this, entry] {
        if (m_hooks.saveBeforeBrowsing && !m_hooks.saveBeforeBrowsing()) return;
        const QString field = m_hooks.currentFile ? m_hooks.currentFile() : QString();
        const QString program = m_entries.value(entry);
        if (QFileInfo(program).isFile()) {
            // The document goes as one argument, so a path with spaces reaches the program whole.
            m_shell.startProgram(program, QFileInfo(field).isFile() ? QStringList { field } : QStringList());
            return;
        }
        const auto chosen = chooseApplication(entry, QString(), kProgramsDir);
        if (!chosen) return;
        m_entries[entry] = *chosen;
        ExternalApps::writeApplications(listFile(), m_entries);
    });
}

void ApplicationsWindow::changeApplication(int entry)
{
    const QString current = m_entries.value(entry);
    const QString dir = current.trimmed().isEmpty() ? kProgramsDir : QFileInfo(current).absolutePath();
    if (const auto chosen = chooseApplication(entry, current, dir)) m_entries[entry] = *chosen;
}

std::optional<QString> ApplicationsWindow::chooseApplication(
    int entry, const QString& initialName, const QString& initialDir)
{
    const Prompter::FileDialog dialog { QStringLiteral("Choose application for ")
            + QString::fromLatin1(kButtons[entry].caption),
        kFilter, kDefaultExtension, initialDir, initialName, false, true };
    return m_prompter.openFile(dialog);
}

void ApplicationsWindow::closeEvent(QCloseEvent* e)
{
    QWidget::closeEvent(e);
    emit closed();
}
