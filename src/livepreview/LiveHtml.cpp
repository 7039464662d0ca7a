#include "livepreview/LiveHtml.h"

#include <QDir>

namespace LiveHtml {

bool fitsInMemory(const QString& html)
{
    constexpr qsizetype kMaxUrl = 2 * 1024 * 1024;
    static const QByteArray kPrefix("data:text/html;charset=UTF-8,");
    if (html.size() > kMaxUrl) return false; // never shorter once encoded
    const QByteArray bytes = html.toUtf8();
    qsizetype length = kPrefix.size() + bytes.size();
    for (const char c : bytes) {
        const bool unreserved = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-'
            || c == '.' || c == '_' || c == '~';
        if (!unreserved) length += 2; // "%XX"
    }
    return length <= kMaxUrl;
}

QUrl baseUrl(const QString& documentFileName, const QString& currentDir)
{
    if (!documentFileName.isEmpty()) return QUrl::fromLocalFile(documentFileName);
    return QUrl::fromLocalFile(QDir(currentDir).absolutePath() + QLatin1Char('/'));
}

} // namespace LiveHtml
