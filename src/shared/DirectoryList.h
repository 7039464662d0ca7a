#pragma once

#include <QListWidget>

// The classic directory list: the path from the root down to the current directory, then its
// subdirectories (hidden ones left out). Double-click or Enter opens a directory; the opened
// directory can also be made the process's current directory.
class DirectoryList : public QListWidget {
    Q_OBJECT
public:
    explicit DirectoryList(QWidget* parent = nullptr);
    QString directory() const { return m_directory; }
    // Opens dir when it exists; its nearest existing ancestor otherwise.
    void setDirectory(const QString& dir);
    void refresh();
    void setFollowsCurrentDirectory(bool follows) { m_followsCurrentDirectory = follows; }

signals:
    void directoryChanged(const QString& dir);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void openItem(QListWidgetItem* item);
    QString m_directory;
    bool m_followsCurrentDirectory = false;
};
