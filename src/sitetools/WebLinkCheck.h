#pragma once

#include "sitetools/SiteWalk.h"
#include "sitetools/WebLinks.h"

#include <QHash>
#include <QNetworkAccessManager>
#include <QObject>
#include <QStringList>
#include <deque>
#include <vector>

class QNetworkReply;

struct WebCheckOptions {
    int perHost = 4; // requests at a time to one host
    int total = 32; // requests at a time in all
    int timeoutMs = 10000; // for one request
    int retries = 2; // after a timeout, a 429 or a 503
    int maxRedirects = 5;
    int longestWaitMs = 60000; // the longest Retry-After honoured
};

// Asks web addresses whether they are there: HEAD, and GET where a server refuses HEAD (only
// the head of the answer is read); redirects followed and their end kept; a few requests at a
// time per host so that no server is flooded.
class WebLinkChecker : public QObject {
    Q_OBJECT
public:
    explicit WebLinkChecker(const WebCheckOptions& options = {}, QObject* parent = nullptr);
    ~WebLinkChecker() override;

    // Checks each distinct address once; those the cache holds are answered from it, and new
    // answers are put into it.
    void start(const QStringList& addresses, WebLinkCache* cache = nullptr);
    // Stops at once; the answers so far are kept.
    void cancel();

    bool isRunning() const { return m_running; }
    qsizetype done() const { return m_results.size(); }
    qsizetype total() const { return m_total; }
    const QHash<QString, WebResult>& results() const { return m_results; }

signals:
    void progressed(qsizetype done, qsizetype total);
    void finished();

private:
    struct Job {
        QString address;
        QUrl url; // of the current hop
        int hops = 0;
        int retries = 0;
        bool get = false;
        int redirectStatus = 0;
    };
    void pump();
    void send(int job);
    void answered(QNetworkReply* reply, int job);
    void queue(int job, qint64 delayMs);
    void finish(int job, WebResult result);

    WebCheckOptions m_options;
    QNetworkAccessManager m_manager;
    WebLinkCache* m_cache = nullptr;
    std::vector<Job> m_jobs;
    std::deque<int> m_ready;
    QHash<QString, int> m_perHost;
    int m_active = 0;
    qsizetype m_total = 0;
    bool m_running = false;
    QHash<QString, WebResult> m_results;
};

// Runs a check to its end in a local event loop. progress is called as answers come and at
// least every tenth of a second; false cancels, keeping the answers so far.
QHash<QString, WebResult> checkWebLinks(const QStringList& addresses, const WebCheckOptions& options = {},
    WebLinkCache* cache = nullptr, const SiteProgress& progress = {});
