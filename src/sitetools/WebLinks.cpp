#include "sitetools/WebLinks.h"

#include "platform/FileError.h"
#include "shared/SettingsFiles.h"
#include "sitetools/AnchorCheck.h"

#include <QFileInfo>

const QString kWebCacheFile = QStringLiteral("weblinks.plr");

namespace {

bool hasControl(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x20; });
}

} // namespace

QString WebResult::statusText() const
{
    if (!error.isEmpty()) return error;
    return QString::number(status);
}

QList<FoundLink> webLinks(const QString& text)
{
    QList<FoundLink> links;
    PaneOffsets offsets(text);
    forEachAttribute(text, [&](const TagAttribute& a) {
        if (a.name.compare(u"href", Qt::CaseInsensitive) != 0 && a.name.compare(u"src", Qt::CaseInsensitive) != 0)
            return;
        if (a.value.startsWith(u"http://", Qt::CaseInsensitive) || a.value.startsWith(u"https://", Qt::CaseInsensitive))
            links.append({ a.value.toString(), offsets.offset(a.at) });
    });
    return links;
}

QString webAddress(const QString& link)
{
    QString address = link.trimmed();
    const qsizetype hash = address.indexOf(u'#');
    if (hash >= 0) address.truncate(hash);
    return address.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
}

bool WebLinkCache::keeps(const WebResult& result)
{
    if (!result.error.isEmpty() || result.status == 0) return false;
    return result.status != 408 && result.status != 429 && result.status < 500;
}

void WebLinkCache::read(const QString& path, const QDateTime& now)
{
    m_entries.clear();
    if (!QFileInfo::exists(path)) return;
    QStringList lines;
    try {
        lines = SettingsFiles::readLines(path);
    } catch (const FileError&) {
        // A cache that cannot be read only costs the requests again.
        return;
    }
    const qint64 oldest = now.toSecsSinceEpoch() - kMaxAgeSeconds;
    for (const QString& line : lines) {
        // checked, status, redirect status, final address, address
        const QStringList fields = line.split(u'\t');
        if (fields.size() != 5) continue;
        bool ok = false;
        const qint64 checked = fields[0].toLongLong(&ok);
        if (!ok || checked < oldest || checked > now.toSecsSinceEpoch()) continue;
        WebResult result;
        result.status = fields[1].toInt();
        result.redirectStatus = fields[2].toInt();
        result.finalAddress = fields[3];
        if (keeps(result)) m_entries.insert(fields[4], { result, checked });
    }
}

void WebLinkCache::write(const QString& path) const
{
    QStringList lines;
    for (auto it = m_entries.begin(); it != m_entries.end(); ++it)
        lines << QStringLiteral("%1\t%2\t%3\t%4\t%5")
                     .arg(it->checked)
                     .arg(it->result.status)
                     .arg(it->result.redirectStatus)
                     .arg(it->result.finalAddress, it.key());
    lines.sort();
    SettingsFiles::writeLines(path, lines);
}

const WebResult* WebLinkCache::find(const QString& address) const
{
    const auto it = m_entries.constFind(address);
    return it == m_entries.constEnd() ? nullptr : &it->result;
}

void WebLinkCache::put(const QString& address, const WebResult& result, const QDateTime& checked)
{
    if (!keeps(result) || hasControl(address) || hasControl(result.finalAddress)) return;
    m_entries.insert(address, { result, checked.toSecsSinceEpoch() });
}
