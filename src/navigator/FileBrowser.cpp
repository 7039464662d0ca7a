#include "navigator/FileBrowser.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStorageInfo>
#include <QVBoxLayout>

QStringList maskNameFilters(const QString& mask)
{
    QStringList filters;
    for (const QString& part : mask.split(u';', Qt::SkipEmptyParts))
        filters << (part == QLatin1String("*.*") ? QStringLiteral("*") : part);
    return filters;
}

QStringList userVolumes()
{
    // System mounts that hold no user files.
    static const QStringList kSystemPrefixes { "/boot", "/snap/", "/proc", "/sys", "/dev", "/run/" };
    static const QStringList kUserRunPrefixes { "/run/media/" };
    QStringList volumes { QDir::rootPath(), QDir::homePath() };
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (!volume.isValid() || !volume.isReady() || !volume.device().startsWith("/dev/") || volumes.contains(root))
            continue;
        const auto under = [&](const QString& prefix) { return root.startsWith(prefix); };
        if (std::any_of(kSystemPrefixes.begin(), kSystemPrefixes.end(), under)
            && !std::any_of(kUserRunPrefixes.begin(), kUserRunPrefixes.end(), under))
            continue;
        volumes << root;
    }
    return volumes;
}

bool isVolumeRoot(const QString& path)
{
    const QString clean = QDir::cleanPath(QDir::fromNativeSeparators(path));
    if (QDir(clean).isRoot()) return true;
    const QStorageInfo volume(clean);
    return volume.isValid() && QDir::cleanPath(volume.rootPath()) == QDir(clean).canonicalPath();
}

// --- FileList

FileList::FileList(QWidget* parent)
    : QListWidget(parent)
{ }

void FileList::setDirectory(const QString& dir)
{
    m_directory = dir;
    clear();
    refresh();
}

void FileList::setMask(const QString& mask)
{
    m_mask = mask;
    refresh();
}

void FileList::refresh()
{
    // Quietly: keeping the same selection is not a new selection.
    const QString selected = currentItem() && currentItem()->isSelected() ? currentItem()->text() : QString();
    const QSignalBlocker blocker(this);
    clear();
    if (!m_directory.isEmpty())
        addItems(QDir(m_directory).entryList(maskNameFilters(m_mask), QDir::Files, QDir::Name | QDir::IgnoreCase));
    setCurrentRow(-1);
    if (!selected.isEmpty()) selectName(selected);
}

QString FileList::selectedFile() const
{
    const QListWidgetItem* item = currentItem();
    return item && item->isSelected() ? filePath(row(item)) : QString();
}

QString FileList::filePath(int row) const
{
    const QListWidgetItem* entry = item(row);
    return entry ? QDir(m_directory).filePath(entry->text()) : QString();
}

bool FileList::selectName(const QString& name)
{
    const QString bare = QFileInfo(name).fileName();
    for (int i = 0; i < count(); ++i) {
        if (item(i)->text() == bare) {
            setCurrentRow(i);
            return true;
        }
    }
    return false;
}

// --- FileBrowser

FileBrowser::FileBrowser(const QList<FileFilter>& filters, QWidget* parent)
    : QWidget(parent)
    , m_driveBox(new QComboBox(this))
    , m_directoryList(new DirectoryList(this))
    , m_filterBox(new QComboBox(this))
    , m_fileList(new FileList(this))
{
    m_driveBox->setObjectName("driveBox");
    m_directoryList->setObjectName("directoryList");
    m_filterBox->setObjectName("filterBox");
    m_fileList->setObjectName("fileList");
    for (const FileFilter& filter : filters)
        m_filterBox->addItem(filter.caption, filter.mask);
    m_fileList->setMask(filters.isEmpty() ? QStringLiteral("*.*") : filters.first().mask);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_driveBox);
    layout->addWidget(m_directoryList, 1);
    layout->addWidget(m_filterBox);
    layout->addWidget(m_fileList, 1);

    connect(m_driveBox, &QComboBox::activated, this,
        [this](int index) { setDirectory(m_driveBox->itemData(index).toString()); });
    connect(m_directoryList, &DirectoryList::directoryChanged, this, [this](const QString& dir) {
        m_fileList->setDirectory(dir);
        showDriveOf(dir);
    });
    connect(m_filterBox, &QComboBox::activated, this,
        [this](int index) { m_fileList->setMask(m_filterBox->itemData(index).toString()); });
    for (const QString& volume : userVolumes())
        m_driveBox->addItem(QDir::toNativeSeparators(volume), volume);
    setDirectory(QDir::currentPath());
}

void FileBrowser::resetFilter()
{
    if (m_filterBox->count() == 0) return;
    m_filterBox->setCurrentIndex(0);
    m_fileList->setMask(m_filterBox->itemData(0).toString());
}

void FileBrowser::refresh()
{
    m_driveBox->clear();
    for (const QString& volume : userVolumes())
        m_driveBox->addItem(QDir::toNativeSeparators(volume), volume);
    m_directoryList->refresh();
    if (m_fileList->directory() != m_directoryList->directory())
        m_fileList->setDirectory(m_directoryList->directory());
    else
        m_fileList->refresh();
    showDriveOf(directory());
}

void FileBrowser::showDriveOf(const QString& dir)
{
    // The longest volume path that holds dir.
    int best = -1;
    for (int i = 0; i < m_driveBox->count(); ++i) {
        const QString volume = m_driveBox->itemData(i).toString();
        const bool holds = dir == volume || dir.startsWith(volume.endsWith('/') ? volume : volume + '/');
        if (holds && (best < 0 || volume.size() > m_driveBox->itemData(best).toString().size())) best = i;
    }
    m_driveBox->setCurrentIndex(best);
}
