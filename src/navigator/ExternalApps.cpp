#include "navigator/ExternalApps.h"

#include "shared/SettingsFiles.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

#ifndef PELORIN_SUPPORT_ADDRESS
#define PELORIN_SUPPORT_ADDRESS "pelorin95@users.noreply.github.com"
#endif
#ifndef PELORIN_VERSION
#define PELORIN_VERSION "1.55"
#endif

namespace ExternalApps {

QStringList readApplications(const QString& path)
{
    QStringList entries;
    if (QFileInfo::exists(path)) entries = SettingsFiles::readLines(path);
    while (entries.size() < EntryCount)
        entries << kNoApplication;
    return entries;
}

void writeApplications(const QString& path, const QStringList& entries) { SettingsFiles::writeLines(path, entries); }

QString supportAddress() { return QStringLiteral(PELORIN_SUPPORT_ADDRESS); }

QString emailSubject(const QString& systemName)
{
    return QStringLiteral("Pelorin Version: ") + QStringLiteral(PELORIN_VERSION) + QStringLiteral(": ") + systemName;
}

QString mailtoUrl(const QString& address, const QString& subject, const QString& body)
{
    auto encoded = [](const QString& text) { return QString::fromLatin1(QUrl::toPercentEncoding(text)); };
    return QStringLiteral("mailto:") + address + QStringLiteral("?Subject=") + encoded(QStringLiteral(" ") + subject)
        + QStringLiteral("&Body=") + encoded(body);
}

QString locationText(const QString& url)
{
    static const QLatin1String prefix("file://");
    static const QRegularExpression drive(QStringLiteral("^/[A-Za-z]:"));
    QString text = url;
    if (text.startsWith(prefix + QLatin1Char('/'))) {
        text = text.mid(prefix.size());
        if (drive.match(text).hasMatch()) text = text.mid(1);
    }
    const qsizetype space = text.indexOf(QLatin1String("%20"));
    if (space >= 0) text.replace(space, 3, QLatin1String(" "));
    return text;
}

} // namespace ExternalApps
