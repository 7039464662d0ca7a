#include "sitetools/WebLinkCheck.h"

#include <QDateTime>
#include <QEventLoop>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSet>
#include <QTimer>
#include <algorithm>

namespace {

QString hostOf(const QUrl& url) { return url.host().toLower(); }

bool isRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

QString errorName(QNetworkReply::NetworkError error)
{
    switch (error) {
    case QNetworkReply::ConnectionRefusedError:
        return QStringLiteral("connection refused");
    case QNetworkReply::HostNotFoundError:
        return QStringLiteral("host not found");
    case QNetworkReply::RemoteHostClosedError:
        return QStringLiteral("connection closed");
    case QNetworkReply::SslHandshakeFailedError:
        return QStringLiteral("TLS failed");
    default:
        return QStringLiteral("network error");
    }
}

// Retry-After in seconds or as an HTTP date; a second when the server gives none.
qint64 retryAfterMs(const QNetworkReply* reply, int longest)
{
    const QByteArray value = reply->rawHeader("Retry-After").trimmed();
    qint64 ms = 1000;
    bool isNumber = false;
    const qint64 seconds = value.toLongLong(&isNumber);
    if (isNumber) {
        ms = seconds * 1000;
    } else if (!value.isEmpty()) {
        const QDateTime at = QDateTime::fromString(QString::fromLatin1(value), Qt::RFC2822Date);
        if (at.isValid()) ms = QDateTime::currentDateTimeUtc().msecsTo(at);
    }
    return std::clamp<qint64>(ms, 0, longest);
}

} // namespace

WebLinkChecker::WebLinkChecker(const WebCheckOptions& options, QObject* parent)
    : QObject(parent)
    , m_options(options)
{ }

// Replies still running belong to the manager and go with it, without telling us.
WebLinkChecker::~WebLinkChecker()
{
    m_running = false;
    for (QNetworkReply* reply : m_manager.findChildren<QNetworkReply*>())
        reply->disconnect(this);
}

void WebLinkChecker::start(const QStringList& addresses, WebLinkCache* cache)
{
    m_cache = cache;
    m_running = true;
    QSet<QString> seen;
    for (const QString& address : addresses) {
        if (seen.contains(address)) continue;
        seen.insert(address);
        ++m_total;
        const QUrl url(address, QUrl::StrictMode);
        if (const WebResult* known = cache ? cache->find(address) : nullptr)
            m_results.insert(address, *known);
        else if (!url.isValid() || url.host().isEmpty())
            m_results.insert(address, { 0, QStringLiteral("invalid address") });
        else {
            m_jobs.push_back({ address, url });
            m_ready.push_back(int(m_jobs.size() - 1));
        }
    }
    if (m_ready.empty()) {
        m_running = false;
        emit finished();
        return;
    }
    pump();
}

void WebLinkChecker::cancel()
{
    if (!m_running) return;
    m_running = false;
    m_ready.clear();
    for (QNetworkReply* reply : m_manager.findChildren<QNetworkReply*>()) {
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
    emit finished();
}

void WebLinkChecker::pump()
{
    for (auto it = m_ready.begin(); it != m_ready.end() && m_active < m_options.total;) {
        const QString host = hostOf(m_jobs[*it].url);
        if (m_perHost.value(host) < m_options.perHost) {
            const int job = *it;
            it = m_ready.erase(it);
            send(job);
        } else {
            ++it;
        }
    }
}

void WebLinkChecker::send(int index)
{
    const Job& job = m_jobs[index];
    QNetworkRequest request(job.url);
    // Each hop is counted, reported and held to the per-host limit, so redirects are ours to follow.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("pelorin95-site/" PELORIN_VERSION));
    QNetworkReply* reply = job.get ? m_manager.get(request) : m_manager.head(request);
    ++m_active;
    ++m_perHost[hostOf(job.url)];
    auto* timer = new QTimer(reply);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, reply, [reply] {
        reply->setProperty("timedOut", true);
        reply->abort();
    });
    timer->start(m_options.timeoutMs);
    if (job.get) {
        // The status is all that is wanted: the body is never read.
        connect(reply, &QNetworkReply::metaDataChanged, reply, [reply] {
            const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
            if (!status.isValid()) return;
            reply->setProperty("status", status);
            QMetaObject::invokeMethod(reply, &QNetworkReply::abort, Qt::QueuedConnection);
        });
    }
    connect(reply, &QNetworkReply::finished, this, [this, reply, index] { answered(reply, index); });
}

void WebLinkChecker::answered(QNetworkReply* reply, int index)
{
    reply->deleteLater();
    Job& job = m_jobs[index];
    --m_active;
    if (--m_perHost[hostOf(job.url)] == 0) m_perHost.remove(hostOf(job.url));
    if (!m_running) return;
    int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status == 0) status = reply->property("status").toInt();
    const QByteArray location = reply->rawHeader("Location");
    if (reply->property("timedOut").toBool()) {
        if (job.retries < m_options.retries) {
            ++job.retries;
            queue(index, 0);
        } else {
            finish(index, { 0, QStringLiteral("timeout") });
        }
    } else if (status == 0) {
        finish(index, { 0, errorName(reply->error()) });
    } else if (!job.get && (status == 405 || status == 501)) {
        job.get = true;
        queue(index, 0);
    } else if ((status == 429 || status == 503) && job.retries < m_options.retries) {
        ++job.retries;
        queue(index, retryAfterMs(reply, m_options.longestWaitMs));
    } else if (isRedirect(status) && !location.isEmpty()) {
        if (job.hops >= m_options.maxRedirects) {
            finish(index, { status, QStringLiteral("too many redirects"), job.redirectStatus, job.url.toString() });
        } else {
            if (job.hops == 0) job.redirectStatus = status;
            ++job.hops;
            job.url = job.url.resolved(QUrl::fromEncoded(location));
            queue(index, 0);
        }
    } else {
        finish(index, { status, {}, job.redirectStatus, job.hops ? job.url.toString() : QString() });
    }
    pump();
}

void WebLinkChecker::queue(int job, qint64 delayMs)
{
    if (delayMs <= 0) {
        m_ready.push_back(job);
        return;
    }
    QTimer::singleShot(delayMs, this, [this, job] {
        if (!m_running) return;
        m_ready.push_back(job);
        pump();
    });
}

void WebLinkChecker::finish(int job, WebResult result)
{
    const QString& address = m_jobs[job].address;
    if (m_cache) m_cache->put(address, result, QDateTime::currentDateTimeUtc());
    m_results.insert(address, std::move(result));
    emit progressed(m_results.size(), m_total);
    if (m_running && m_results.size() == m_total) {
        m_running = false;
        emit finished();
    }
}

QHash<QString, WebResult> checkWebLinks(
    const QStringList& addresses, const WebCheckOptions& options, WebLinkCache* cache, const SiteProgress& progress)
{
    WebLinkChecker checker(options);
    QEventLoop loop;
    QObject::connect(&checker, &WebLinkChecker::finished, &loop, &QEventLoop::quit);
    auto report = [&] {
        if (progress && checker.isRunning() && !progress(checker.done(), checker.total())) checker.cancel();
    };
    QObject::connect(&checker, &WebLinkChecker::progressed, &loop, report);
    QTimer tick;
    tick.setInterval(100);
    QObject::connect(&tick, &QTimer::timeout, &loop, report);
    checker.start(addresses, cache);
    if (checker.isRunning()) {
        tick.start();
        loop.exec();
    }
    return checker.results();
}
