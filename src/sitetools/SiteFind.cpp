#include "sitetools/SiteFind.h"

#include "editor/TextFile.h"
#include "platform/FileError.h"
#include "sitetools/SiteLinks.h"

#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

bool isSearchedFile(const QString& fileName)
{
    return holdsLinks(fileName) || fileName.endsWith(QLatin1String(".js"), Qt::CaseInsensitive);
}

std::optional<QRegularExpression> sitePattern(const SiteFindOptions& options, QString* error)
{
    auto fail = [&](const QString& why) -> std::optional<QRegularExpression> {
        if (error) *error = why;
        return std::nullopt;
    };
    if (options.text.isEmpty()) return fail(QStringLiteral("Type what to find."));
    QString source = options.regularExpression ? options.text : QRegularExpression::escape(options.text);
    if (options.wholeWords) source = QStringLiteral("(?<!\\w)(?:") + source + QStringLiteral(")(?!\\w)");
    QRegularExpression pattern(source,
        QRegularExpression::UseUnicodePropertiesOption
            | (options.matchCase ? QRegularExpression::NoPatternOption : QRegularExpression::CaseInsensitiveOption));
    if (!pattern.isValid())
        return fail(QStringLiteral("The regular expression is not valid: %1.").arg(pattern.errorString()));
    pattern.optimize();
    return pattern;
}

namespace {

// A plain text of ASCII characters is looked for in a file's bytes first: UTF-8 and Windows-1252
// spell it the same way, so a file without it is never decoded.
class BytePrefilter {
public:
    explicit BytePrefilter(const SiteFindOptions& options)
    {
        if (options.regularExpression) return;
        for (QChar c : options.text)
            if (c.unicode() >= 128) return;
        m_ignoreCase = !options.matchCase;
        m_needle = m_ignoreCase ? options.text.toLatin1().toLower() : options.text.toLatin1();
        // Horspool's skips, for both cases of each letter when the case is ignored.
        const qsizetype n = m_needle.size();
        std::fill(std::begin(m_skip), std::end(m_skip), n);
        for (qsizetype i = 0; i + 1 < n; ++i) {
            const uchar c = uchar(m_needle[i]);
            m_skip[c] = n - 1 - i;
            if (m_ignoreCase) m_skip[uchar(upper(char(c)))] = n - 1 - i;
        }
    }
    bool mayHold(const QByteArray& bytes) const
    {
        if (m_needle.isEmpty() || bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) return true;
        if (!m_ignoreCase) return bytes.contains(m_needle);
        const qsizetype n = m_needle.size();
        const char* s = bytes.constData();
        for (qsizetype i = 0; i + n <= bytes.size(); i += m_skip[uchar(s[i + n - 1])]) {
            qsizetype j = n - 1;
            while (j >= 0 && lower(s[i + j]) == m_needle[j])
                --j;
            if (j < 0) return true;
        }
        return false;
    }

private:
    static char lower(char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; }
    static char upper(char c) { return c >= 'a' && c <= 'z' ? char(c - 32) : c; }
    QByteArray m_needle;
    bool m_ignoreCase = false;
    qsizetype m_skip[256];
};

} // namespace

bool findInSite(const QString& base, const SiteFindOptions& options, const SiteProgress& progress,
    const std::function<void(const QList<SiteMatch>&)>& found, const OpenPage& open)
{
    const std::optional<QRegularExpression> made = sitePattern(options);
    if (!made) return true;
    const QRegularExpression& pattern = *made;
    const BytePrefilter prefilter(options);
    QStringList files = siteFiles(siteDirectories(base, progress), progress);
    files.erase(
        std::remove_if(files.begin(), files.end(), [](const QString& f) { return !isSearchedFile(f); }), files.end());
    sortIgnoringCase(files);
    const qsizetype count = files.size();
    std::vector<QList<SiteMatch>> results(count);
    const auto done = std::make_unique<std::atomic<bool>[]>(count);
    qsizetype given = 0;
    // Pages are handed on in their order, as far as all before them are done.
    auto handOn = [&] {
        for (; given < count && done[given].load(std::memory_order_acquire); ++given) {
            if (!results[given].isEmpty()) found(results[given]);
            results[given].clear();
        }
    };
    const bool finished = forEachPage(count,
        [&](qsizetype position, qsizetype total) {
            handOn();
            return !progress || progress(position, total);
        },
        [&](qsizetype k) {
            QList<SiteMatch>& matches = results[k];
            try {
                QString text;
                if (!open.path.isEmpty() && files[k] == open.path) {
                    text = open.text;
                } else {
                    const QByteArray bytes = readBytes(files[k]);
                    if (prefilter.mayHold(bytes)) {
                        TextFormat format;
                        text = decodeToText(bytes, &format);
                    }
                }
                // Read through a const reference: the iterator shares the text, and a write access
                // would copy it.
                const QString& subject = text;
                auto it = pattern.globalMatch(subject);
                int line = 1;
                qsizetype lineStart = 0;
                qsizetype at = 0;
                while (it.hasNext()) {
                    const QRegularExpressionMatch match = it.next();
                    if (match.capturedLength() == 0) continue;
                    const qsizetype index = match.capturedStart();
                    for (; at < index; ++at)
                        if (subject[at] == u'\n') {
                            ++line;
                            lineStart = at + 1;
                        }
                    qsizetype lineEnd = subject.indexOf(u'\n', index);
                    if (lineEnd < 0) lineEnd = subject.size();
                    matches.append({ files[k], index, match.capturedLength(), line, int(index - lineStart + 1),
                        subject.mid(lineStart, lineEnd - lineStart), match.capturedTexts() });
                }
            } catch (const FileError&) {
                // An unreadable file has nothing to find.
            }
            done[k].store(true, std::memory_order_release);
        });
    handOn();
    return finished;
}

QList<SiteChange> replacementChanges(const QList<SiteMatch>& matches, const QString& replacement, bool regularExpression)
{
    QList<SiteChange> changes;
    for (const SiteMatch& match : matches) {
        QString text;
        if (!regularExpression) {
            text = replacement;
        } else {
            for (qsizetype i = 0; i < replacement.size(); ++i) {
                const QChar c = replacement[i];
                if (c == u'\\' && i + 1 < replacement.size()) {
                    const QChar n = replacement[i + 1];
                    if (n.isDigit() && n != u'0') {
                        text += match.captured.value(n.digitValue());
                        ++i;
                        continue;
                    }
                    if (n == u'\\') {
                        text += n;
                        ++i;
                        continue;
                    }
                }
                text += c;
            }
        }
        changes.append({ match.page, match.index, match.line, match.column, match.captured.value(0), text, match.lineText });
    }
    return changes;
}
