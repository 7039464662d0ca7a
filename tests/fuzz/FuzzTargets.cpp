#include "FuzzTargets.h"

#include "editor/HighlightEngine.h"
#include "editor/TextFile.h"
#include "navigator/ExternalApps.h"
#include "navigator/ImageSize.h"
#include "shared/SettingsFiles.h"
#include "platform/FileError.h"
#include "sitetools/EveryLink.h"
#include "sitetools/LinkCheck.h"
#include "sitetools/PageLinks.h"
#include "sitetools/SearchEngine.h"
#include "tools/FunctionFinder.h"
#include "tools/HtmlConversion.h"
#include "tools/ReferenceData.h"

#include <QFile>
#include <QTemporaryDir>
#include <stdexcept>

namespace {
// A broken promise of a reader: the fuzzer reports it as a crash, the regression test as a
// failure naming the promise.
void require(bool condition, const char* promise)
{
    if (!condition) throw std::logic_error(promise);
}

// The index into text of a pane offset, where a lone LF counts two; -1 when the offset falls
// inside a line break or beyond the text.
qsizetype indexOfOffset(const QString& text, qsizetype offset)
{
    qsizetype units = 0;
    qsizetype i = 0;
    for (; i < text.size() && units < offset; ++i)
        units += text[i] == u'\n' && (i == 0 || text[i - 1] != u'\r') ? 2 : 1;
    return units == offset ? i : -1;
}

// Each link names its own text: its offset points at it in the pane, between its quotes, after
// `before` when given (name=" or name='), in text order.
void requireLinksInText(const QString& text, const QList<FoundLink>& links, const QString& before)
{
    const QChar quote = before.isEmpty() ? QChar(u'"') : before.back();
    qsizetype last = -1;
    for (const FoundLink& link : links) {
        const qsizetype at = indexOfOffset(text, link.offset);
        require(at > last, "links come in text order");
        last = at;
        require(QStringView(text).mid(at, link.text.size()) == link.text, "a link's offset points at its text");
        require(QStringView(text).left(at).endsWith(before.isEmpty() ? QString(quote) : before, Qt::CaseInsensitive),
            "a link follows its opening quote");
        require(at + link.text.size() < text.size() && text[at + link.text.size()] == quote,
            "a link ends at its closing quote");
    }
}

// Attribute values are read in double quotes when the text has any, else in single ones.
void requireAttributeValues(const QString& text, const QList<FoundLink>& values, const QString& name)
{
    const QString doubleQuoted = name + QStringLiteral("=\"");
    requireLinksInText(
        text, values, text.contains(doubleQuoted, Qt::CaseInsensitive) ? doubleQuoted : name + QStringLiteral("='"));
}

// Every byte of the text's UTF-8 as an escape.
QString escapedWhole(const QString& text)
{
    QString escaped;
    for (const char byte : text.toUtf8())
        escaped += QStringLiteral("%%1").arg(int(static_cast<unsigned char>(byte)), 2, 16, QLatin1Char('0'));
    return escaped;
}

// Only deletions: what is left keeps its order.
bool isSubsequence(const QString& part, const QString& whole)
{
    qsizetype i = 0;
    for (const QChar c : whole)
        if (i < part.size() && part[i] == c) ++i;
    return i == part.size();
}

void requireHeaderSize(
    std::optional<ImageSize> (*size)(const QByteArray&), const QByteArray& data, const QByteArray& signature)
{
    const std::optional<ImageSize> found = size(data);
    if (!found) return;
    require(data.startsWith(signature), "an image has its format's signature");
    require(size(data + QByteArray(64, '\xFF')) == found, "the size comes from the header alone");
}

// Text from bytes as documents are read: the program's own decoder.
QString textOf(const QByteArray& data)
{
    TextFormat format;
    return decodeToText(data, &format);
}

void withFile(const QByteArray& data, const std::function<void(const QString& path)>& read)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("input"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
    file.write(data);
    file.close();
    read(path);
}
} // namespace

const QList<FuzzTarget>& fuzzTargets()
{
    static const QList<FuzzTarget> targets {
        { "decode",
            [](const QByteArray& data) {
                // Reading then writing gives the bytes back up to the first NUL (UTF-16 aside).
                const TextFileContent content = decodeText(data);
                require(!content.paragraphs.isEmpty(), "a text has a paragraph");
                const QByteArray again = encodeText(content.paragraphs, content.format);
                if (content.format.encoding == TextFormat::Encoding::Utf8 && !content.format.byteOrderMark
                    && content.format.nulAt < 0 && !data.contains('\r') && !data.contains('\n'))
                    require(again == data, "the bytes are written back as read");
            } },
        { "gif", [](const QByteArray& data) { requireHeaderSize(gifSize, data, "GIF"); } },
        { "jpeg", [](const QByteArray& data) { requireHeaderSize(jpegSize, data, "\xFF\xD8"); } },
        { "png", [](const QByteArray& data) { requireHeaderSize(pngSize, data, QByteArray("\x89PNG\r\n\x1A\n", 8)); } },
        { "highlight",
            [](const QByteArray& data) {
                static const HighlightEngine engine;
                HighlightState state;
                std::vector<HighlightSpan> spans;
                // A form feed ends a piece of a paragraph that goes on, as the editor shows long lines.
                for (const QString& paragraph : textOf(data).split(u'\n')) {
                    const QStringList pieces = paragraph.split(u'\f');
                    for (qsizetype i = 0; i < pieces.size(); ++i) {
                        const QString& line = pieces[i];
                        state = engine.highlightLine(line, state, spans, i + 1 == pieces.size());
                        qsizetype end = 0;
                        for (const HighlightSpan& s : spans) {
                            require(s.start >= end && s.length > 0 && s.start + s.length <= line.size(),
                                "spans lie in the line without overlap");
                            end = s.start + s.length;
                        }
                    }
                }
            } },
        { "urldecode",
            [](const QByteArray& data) {
                const QString text = textOf(data);
                const QString decoded = urlDecode(text);
                require(decoded.size() <= text.size(), "decoding never lengthens a link");
                if (!text.contains(u'%') && !text.contains(u'+')) require(decoded == text, "plain text stays");
                // Every character escaped, the last escape ending the text, comes back.
                if (text.isValidUtf16())
                    require(urlDecode(escapedWhole(text)) == text, "escapes come back as the characters they spell");
            } },
        { "links",
            [](const QByteArray& data) {
                const QString text = textOf(data);
                const SiteIndex index(QStringList { QStringLiteral("/site/a.htm"), QStringLiteral("/site/b/c.gif") });
                // Broken links are listed by extension first, so each is checked alone.
                for (const FoundLink& link : findBrokenLinks(text, QStringLiteral("/site/"), index).broken)
                    requireLinksInText(text, { link }, {});
                requireAttributeValues(text, findAllLinks(text), QStringLiteral("href"));
                requireAttributeValues(text, findAttributeValues(text, QStringLiteral("alt")), QStringLiteral("alt"));
                (void)fixKey(text.left(200));
            } },
        { "everylink",
            [](const QByteArray& data) {
                const QString text = textOf(data);
                const SiteIndex index(
                    QStringList { QStringLiteral("/site/a.htm"), QStringLiteral("/site/b/index.html") });
                for (const QString& page : { QStringLiteral("/site/p.htm"), QStringLiteral("/site/s.css") }) {
                    qsizetype last = -1;
                    for (const FoundLink& link :
                        findEveryBrokenLink(text, page, QStringLiteral("/site/"), index).broken) {
                        const qsizetype at = indexOfOffset(text, link.offset);
                        require(at > last, "every-link links come in text order");
                        last = at;
                        require(QStringView(text).mid(at, link.text.size()) == link.text,
                            "an every-link offset points at its text");
                    }
                }
                for (const PageLink& link : cssLinks(text))
                    require(link.at >= 0 && link.at + link.length <= text.size(), "a style sheet's link lies in it");
                const LinkStart start { QStringLiteral("/site/b/"), QStringLiteral("/site/") };
                if (const auto path = localLinkPath(text.left(200), start))
                    require(path->startsWith(u'/') && !path->contains(QStringLiteral("/../")),
                        "a resolved link is a full path without steps up");
            } },
        { "html2text",
            [](const QByteArray& data) {
                const QString text = textOf(data);
                const QString scriptless = removeScriptBlocks(text);
                require(isSubsequence(scriptless, text), "script removal only deletes");
                const QString tagless = removeTags(scriptless);
                require(isSubsequence(tagless, scriptless), "tag removal only deletes");
                // A "<" left over has no ">" anywhere: no tag survives.
                require(!tagless.contains(u'<') || !tagless.contains(u'>'), "no tag is left");
                const QString converted = convertHtmlToText(text);
                if (!text.contains(u'&'))
                    require(converted == tagless, "without entities the text is the tagless text");
            } },
        { "functions",
            [](const QByteArray& data) {
                const QString text = textOf(data);
                const QStringList found = findFunctions(text);
                for (const QString& entry : found.mid(0, 8)) {
                    require(text.contains(entry), "a function entry is text of the page");
                    const QString key = functionKey(entry);
                    qsizetype last = -1;
                    for (const Occurrence& o : findOccurrences(text, entry)) {
                        require(o.offset > last, "occurrences come in text order");
                        last = o.offset;
                        require(
                            QStringView(text).mid(o.offset, o.text.size()) == o.text, "an occurrence is at its offset");
                        require(o.text.startsWith(key, Qt::CaseInsensitive) && o.text.endsWith(u')')
                                && !QStringView(o.text).mid(key.size()).chopped(1).contains(u')'),
                            "an occurrence runs from its key to the next \")\"");
                    }
                }
                require(removeScriptTags(addScriptTags(text)) == text, "script tags come off as they went on");
            } },
        { "reference",
            [](const QByteArray& data) {
                const QString text = textOf(data);
                for (int number : { 1, 9, 10, 157, 158, 237 }) {
                    const QString article = ReferenceData::articleIn(text, number);
                    if (article.isEmpty()) continue;
                    const QString end = ReferenceData::endMarker(number);
                    require(!article.contains(end, Qt::CaseInsensitive), "an article ends at its end marker");
                    const qsizetype at = text.indexOf(ReferenceData::startMarker(number), 0, Qt::CaseInsensitive);
                    const qsizetype from = text.indexOf(u'\n', at) + 1;
                    require(from > 0 && QStringView(text).mid(from, article.size()) == article
                            && QStringView(text)
                                    .mid(from + article.size(), end.size())
                                    .compare(end, Qt::CaseInsensitive)
                                == 0,
                        "an article is the lines between its markers");
                }
                const QStringList topics = text.left(4000).split(u'\n');
                const QString word = QStringLiteral("mouse");
                const int topic = ReferenceData::findTopic(topics, word, -1);
                require(topic == -1 || (topic >= 1 && topics[topic].contains(word, Qt::CaseInsensitive)),
                    "a topic found holds the word");
                const QString looked = ReferenceData::lookUpWord(text.left(200));
                require(text.startsWith(looked) && !looked.contains(u'('), "a looked-up word is cut before \"(\"");
            } },
        { "project",
            [](const QByteArray& data) {
                // A refused file throws FileError; anything else is written and read back whole.
                SearchEngine::Project project;
                try {
                    project = SearchEngine::parseProject(textOf(data), QStringLiteral("x.prj"));
                } catch (const FileError&) {
                    return;
                }
                const QString written = SearchEngine::projectText(project);
                require(SearchEngine::parseProject(written, QStringLiteral("x.prj")) == project,
                    "a project reads back as it was written");
                // Every page adds its three script lines, each ended by CR LF like every other.
                const QString page = SearchEngine::searchPage(project, QStringLiteral("/site"));
                const qsizetype lines = SearchEngine::searchPage({}, QStringLiteral("/site")).count(u'\n');
                require(page.count(u'\n') == lines + 3 * project.files.size()
                        && page.count(QLatin1String("\r\n")) == page.count(u'\n')
                        && page.count(u'\r') == page.count(u'\n'),
                    "the search page has one line for each address, title and keywords");
            } },
        { "settings",
            [](const QByteArray& data) {
                withFile(data, [](const QString& path) {
                    const QStringList lines = SettingsFiles::readLines(path);
                    require(SettingsFiles::isStrANumber(SettingsFiles::readEditorFont(path).size),
                        "a font size is a whole number");
                    require(ExternalApps::readApplications(path).size() >= ExternalApps::EntryCount,
                        "every application button has an entry");
                    SettingsFiles::writeLines(path, lines);
                    require(SettingsFiles::readLines(path) == lines, "settings read back as they were written");
                });
            } },
    };
    return targets;
}

const FuzzTarget* findFuzzTarget(const QString& name)
{
    for (const FuzzTarget& t : fuzzTargets())
        if (name == QLatin1String(t.name)) return &t;
    return nullptr;
}
