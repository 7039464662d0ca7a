#include "shared/DirectoryList.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>

namespace {
constexpr int kPathRole = Qt::UserRole;
}

DirectoryList::DirectoryList(QWidget* parent)
    : QListWidget(parent)
{
    connect(this, &QListWidget::itemDoubleClicked, this, &DirectoryList::openItem);
}

void DirectoryList::setDirectory(const QString& dir)
{
    QString target = QDir::cleanPath(QDir(dir).absolutePath());
    while (!QFileInfo(target).isDir() && !QDir(target).isRoot())
        target = QFileInfo(target).path();
    const bool changed = target != m_directory;
    m_directory = target;
    if (m_followsCurrentDirectory) QDir::setCurrent(target);
    refresh();
    if (changed) emit directoryChanged(m_directory);
}

void DirectoryList::refresh()
{
    if (m_directory.isEmpty()) return;
    if (!QFileInfo(m_directory).isDir()) {
        setDirectory(m_directory);
        return;
    }
    clear();
    QStringList chain;
    for (QDir dir(m_directory);;) {
        chain.prepend(dir.absolutePath());
        if (dir.isRoot() || !dir.cdUp()) break;
    }
    int depth = 0;
    const auto add = [this](const QString& path, int indent) {
        const QString name = QDir(path).isRoot() ? QDir::toNativeSeparators(path) : QFileInfo(path).fileName();
        auto* item = new QListWidgetItem(QString(indent * 2, u' ') + name, this);
        item->setData(kPathRole, path);
        return item;
    };
    for (const QString& path : chain)
        setCurrentItem(add(path, depth++));
    const QStringList subdirectories
        = QDir(m_directory).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : subdirectories)
        add(QDir(m_directory).filePath(name), depth);
}

void DirectoryList::openItem(QListWidgetItem* item)
{
    if (item) setDirectory(item->data(kPathRole).toString());
}

void DirectoryList::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        openItem(currentItem());
        return;
    }
    QListWidget::keyPressEvent(event);
}
