#pragma once

#include "editor/DiskState.h"
#include "shared/FeatureContext.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

// Notices when another program changes or deletes the document's file, and asks the user once,
// the next time the main window is active, whether to reload it. The program's own saves are
// recognised by what they left on disk, so they never ask.
class DocumentWatch : public QObject {
    Q_OBJECT
public:
    static inline const QString kChanged = QStringLiteral("%1 was changed by another program. Reload it?");
    static inline const QString kChangedModified
        = QStringLiteral("%1 was changed by another program. Reload it?\r\nReloading loses the changes made here.");
    static inline const QString kDeleted
        = QStringLiteral("%1 was deleted by another program. Its text is kept here; save it to write the file again.");
    // Time for a burst of file events (a program deleting and writing anew) to end.
    static constexpr int kSettleMs = 150;

    DocumentWatch(const FeatureContext& context, QObject* parent = nullptr);

    // Follows this file from now on; what is on disk now is the program's own.
    void track(const QString& name);
    // The change noticed and not asked about yet.
    DiskChange pending() const { return m_pending; }
    // Asks about a noticed change now (the window became active).
    void askIfPending();

signals:
    // A look at the file after file events ended; `change` is what is pending now.
    void looked(DiskChange change);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void look();
    void arm();

    FeatureContext m_context;
    QFileSystemWatcher m_watcher;
    QTimer m_settle;
    QString m_name;
    DiskState m_known;
    DiskChange m_pending = DiskChange::None;
    bool m_asking = false;
};
