#pragma once

#include "docwatch/RecoveryStore.h"
#include "shared/FeatureContext.h"

#include <QObject>
#include <QTimer>

// Keeps a recovery copy of the document's unsaved changes, written every so often while it is
// modified and removed when it is not (saved, closed, reloaded) and at a clean exit. At start it
// offers the copies left by sessions that ended unexpectedly.
class CrashRecovery : public QObject {
    Q_OBJECT
public:
    static inline const QString kOffer
        = QStringLiteral("Unsaved changes to %1 were recovered from a session that ended unexpectedly. Restore them?");
    static inline const QString kNeverSaved = QStringLiteral("a never-saved document");
    static constexpr int kDefaultIntervalMs = 30000;

    // The interval is PELORIN95_RECOVERY_INTERVAL_MS when set (tests), else 30 s.
    CrashRecovery(const FeatureContext& context, QObject* parent = nullptr);

    void setInterval(int ms) { m_timer.setInterval(ms); }
    QString copyPath() const { return m_store.copyPath(); }
    // Offers each stranded copy, newest first, until one is restored.
    void offerStrandedCopies();
    // Writes the copy now when there are changes it does not hold yet.
    void writeCopy();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onModifiedChanged(bool modified);
    bool restore(const RecoveryStore::Copy& copy);

    FeatureContext m_context;
    RecoveryStore m_store;
    QTimer m_timer;
    QString m_name;
    bool m_changedSinceCopy = false;
    bool m_started = false;
    bool m_errorShown = false;
};
