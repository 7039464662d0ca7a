#pragma once

#include "sitetools/LinkCheck.h"

#include <QDateTime>
#include <QHash>
#include <QString>

// What a web address answered, after any redirects.
struct WebResult {
    int status = 0; // the last answer's HTTP status; 0 when there was none
    QString error; // "timeout", "too many redirects" or the network's message, when no status counts
    int redirectStatus = 0; // the first answer's status when it was a redirect
    QString finalAddress; // where the redirects ended; empty when there were none
    bool operator==(const WebResult&) const = default;

    bool broken() const { return !error.isEmpty() || status == 0 || status >= 400; }
    // "404", "timeout": how the report and the summary name the outcome.
    QString statusText() const;
};

// The http: and https: addresses of a page: HREF and SRC values of tags, in text order.
QList<FoundLink> webLinks(const QString& text);

// The address asked for a link: the fragment dropped, "&amp;" read as "&".
QString webAddress(const QString& link);

// Web results kept between runs: for 24 hours, in a settings file, one address a line. Answers
// that may change within the hour (no answer, 408, 429, 5xx) are not kept.
class WebLinkCache {
public:
    static constexpr qint64 kMaxAgeSeconds = 24 * 60 * 60;

    // Reads what is still fresh at now; a missing or unreadable file is an empty cache.
    void read(const QString& path, const QDateTime& now);
    // Writes the fresh entries; errors throw FileError.
    void write(const QString& path) const;

    const WebResult* find(const QString& address) const;
    void put(const QString& address, const WebResult& result, const QDateTime& checked);
    qsizetype size() const { return m_entries.size(); }

    static bool keeps(const WebResult& result);

private:
    struct Entry {
        WebResult result;
        qint64 checked = 0; // seconds since the epoch
    };
    QHash<QString, Entry> m_entries;
};

// The settings file of the cache.
extern const QString kWebCacheFile;
