#include "navigator/FileHandlingWindow.h"

#include "navigator/NavigatorPanel.h"
#include "platform/CommandBoundary.h"
#include "platform/FileError.h"
#include "platform/Prompter.h"
#include "shared/SiteFileActions.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The same name with another extension in place of its own.
QString withExtension(const QString& path, const QString& extension)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    return info.dir().filePath((dot < 0 ? name : name.left(dot)) + extension);
}

} // namespace

FileHandlingWindow::FileHandlingWindow(NavigatorPanel& navigator, Prompter& prompter, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_navigator(navigator)
    , m_prompter(prompter, this)
    , m_browser(new FileBrowser({ { "HTML", "*.htm*;*.asp;*.shtml" }, { "All files", "*.*" } }, this))
    , m_extensionBox(new QComboBox(this))
{
    setObjectName("fileHandlingWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("File Handling"));
    m_extensionBox->setObjectName("extensionBox");
    m_extensionBox->addItems({ ".htm", ".html" });
    m_extensionBox->setCurrentIndex(1);

    auto* renameButton = new QPushButton(QStringLiteral("New File Extension."), this);
    renameButton->setObjectName("newExtensionButton");
    auto* closeButton = new QPushButton(QStringLiteral("Close"), this);
    closeButton->setObjectName("closeButton");

    auto* extensionRow = new QHBoxLayout;
    extensionRow->addWidget(new QLabel(QStringLiteral("New Extension: "), this));
    extensionRow->addWidget(m_extensionBox, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(renameButton);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Select a file to change the extension."), this));
    layout->addWidget(m_browser, 1);
    layout->addLayout(extensionRow);
    layout->addLayout(buttons);

    connect(renameButton, &QPushButton::clicked, this, &FileHandlingWindow::changeExtension);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(m_browser->directoryList(), &QListWidget::itemDoubleClicked, m_browser->fileList(), &FileList::refresh);
    synchronize();
}

void FileHandlingWindow::synchronize()
{
    FileList* files = m_browser->fileList();
    files->refresh();
    m_browser->setDirectory(m_navigator.directory());
    const int row = m_navigator.fileList()->currentRow();
    if (!m_navigator.selectedFile().isEmpty() && row < files->count()) files->setCurrentRow(row);
}

void FileHandlingWindow::changeExtension()
{
    FileList* files = m_browser->fileList();
    const QString file = files->selectedFile();
    const int row = file.isEmpty() ? -1 : files->currentRow();
    runCommand(m_prompter, [&] {
        // The list is re-read and the row selected again whatever the rename did.
        struct Reselect {
            FileList* files;
            int row;
            ~Reselect()
            {
                files->refresh();
                files->setCurrentRow(row < 0 ? -1 : std::min(row, files->count() - 1));
            }
        } reselect { files, row };
        if (file.isEmpty()) return;
        if (!QFileInfo(file).isFile()) {
            m_prompter.message(QStringLiteral("Please select a file."), Prompter::Icon::None, Prompter::Ok);
            return;
        }
        const QString renamed = withExtension(file, m_extensionBox->currentText());
        if (renamed != file && !QFile::rename(file, renamed))
            throw FileError(QStringLiteral("Unable to create file. Perhaps a file with this extension already exists"));
    });
}

void FileHandlingWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) synchronize();
    QWidget::changeEvent(event);
}

void FileHandlingWindow::closeEvent(QCloseEvent* event)
{
    m_navigator.refreshFiles();
    emit closed();
    QWidget::closeEvent(event);
}

void FileHandlingWindow::offerSiteFileActions(std::shared_ptr<SiteFileActions> siteFiles)
{
    auto* row = new QHBoxLayout;
    for (const auto& [caption, name, act] :
        { std::tuple { "Rename and Update Links ...", "renameWithLinksButton", &SiteFileActions::renameWithLinks },
            std::tuple { "Move and Update Links ...", "moveWithLinksButton", &SiteFileActions::moveWithLinks } }) {
        auto* button = new QPushButton(QString::fromLatin1(caption), this);
        button->setObjectName(QLatin1String(name));
        row->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, siteFiles, act = act] {
            if ((*siteFiles).*act) ((*siteFiles).*act)(m_browser->fileList()->selectedFile());
        });
    }
    row->addStretch();
    // Above the Close button's row.
    auto* column = static_cast<QVBoxLayout*>(layout());
    column->insertLayout(column->count() - 1, row);
}
