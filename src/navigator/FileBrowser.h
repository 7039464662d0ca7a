#pragma once

#include "shared/DirectoryList.h"

#include <QComboBox>
#include <QList>
#include <QListWidget>
#include <QWidget>

// One entry of a file-type filter box.
struct FileFilter {
    QString caption;
    QString mask; // "*.htm*;*.css"
};

// A mask's name filters; "*.*" means every file, as on Windows.
QStringList maskNameFilters(const QString& mask);

// The places a user's files can be: the root, the home directory and the mounted volumes that
// hold files (not the system's pseudo file systems).
QStringList userVolumes();
// True for the root directory and for every mount point.
bool isVolumeRoot(const QString& path);

// The names of a directory's files that match a mask, sorted ignoring case.
class FileList : public QListWidget {
    Q_OBJECT
public:
    explicit FileList(QWidget* parent = nullptr);
    QString directory() const { return m_directory; }
    void setDirectory(const QString& dir);
    QString mask() const { return m_mask; }
    void setMask(const QString& mask);
    // Re-reads the directory; the selected name stays selected while it is listed.
    void refresh();
    // Full name of the selected item; empty when none is selected.
    QString selectedFile() const;
    QString filePath(int row) const;
    // Selects the item of that name (full path or bare name); false when it is not listed.
    bool selectName(const QString& name);

private:
    QString m_directory;
    QString m_mask;
};

// A drive box, a directory list, a filter box and a file list, kept in step: choosing a drive
// opens it, opening a directory lists its files, choosing a filter sets the mask.
class FileBrowser : public QWidget {
    Q_OBJECT
public:
    explicit FileBrowser(const QList<FileFilter>& filters, QWidget* parent = nullptr);

    QComboBox* driveBox() const { return m_driveBox; }
    DirectoryList* directoryList() const { return m_directoryList; }
    QComboBox* filterBox() const { return m_filterBox; }
    FileList* fileList() const { return m_fileList; }

    QString directory() const { return m_directoryList->directory(); }
    void setDirectory(const QString& dir) { m_directoryList->setDirectory(dir); }
    // The first filter entry again.
    void resetFilter();
    // Re-reads the drive box, the directory list and the file list.
    void refresh();

private:
    void showDriveOf(const QString& dir);

    QComboBox* m_driveBox;
    DirectoryList* m_directoryList;
    QComboBox* m_filterBox;
    FileList* m_fileList;
};
