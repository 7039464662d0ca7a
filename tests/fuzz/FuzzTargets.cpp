#include "FuzzTargets.h"

#include "editor/HighlightEngine.h"
#include "editor/TextFile.h"
#include "navigator/ExternalApps.h"
#include "navigator/ImageSize.h"
#include "shared/SettingsFiles.h"
#include "platform/FileError.h"
#include "sitetools/LinkCheck.h"
#include "sitetools/SearchEngine.h"
#include "tools/FunctionFinder.h"
#include "tools/HtmlConversion.h"
#include "tools/ReferenceData.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

namespace {
// A broken promise of a reader is a crash the fuzzer reports.
void require(bool condition)
{
    if (!condition) std::abort();
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
                require(!content.paragraphs.isEmpty());
                const QByteArray again = encodeText(content.paragraphs, content.format);
                if (content.format.encoding == TextFormat::Encoding::Utf8 && !content.format.byteOrderMark
                    && content.format.nulAt < 0 && !data.contains('\r') && !data.contains('\n'))
                    require(again == data);
            } },
        { "gif", [](const QByteArray& data) { (void)gifSize(data); } },
        { "jpeg", [](const QByteArray& data) { (void)jpegSize(data); } },
        { "png", [](const QByteArray& data) { (void)pngSize(data); } },
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
                            require(s.start >= end && s.length > 0 && s.start + s.length <= line.size());
                            end = s.start + s.length;
                        }
                    }
                }
            } },
        { "urldecode", [](const QByteArray& data) { (void)urlDecode(textOf(data)); } },
        { "links",
            [](const QByteArray& data) {
                const QString text = textOf(data);
                const SiteIndex index(QStringList { QStringLiteral("/site/a.htm"), QStringLiteral("/site/b/c.gif") });
                (void)findBrokenLinks(text, QStringLiteral("/site/"), index);
                (void)findAllLinks(text);
                (void)findAttributeValues(text, QStringLiteral("alt"));
                (void)fixKey(text.left(200));
            } },
        { "html2text", [](const QByteArray& data) { (void)convertHtmlToText(textOf(data)); } },
        { "functions",
            [](const QByteArray& data) {
                const QString text = textOf(data);
                const QStringList found = findFunctions(text);
                for (const QString& entry : found.mid(0, 8))
                    (void)findOccurrences(text, entry);
                (void)removeScriptTags(addScriptTags(text));
            } },
        { "reference",
            [](const QByteArray& data) {
                const QString text = textOf(data);
                for (int number : { 1, 9, 10, 157, 158, 237 })
                    (void)ReferenceData::articleIn(text, number);
                const QStringList topics = text.left(4000).split(u'\n');
                (void)ReferenceData::findTopic(topics, QStringLiteral("mouse"), -1);
                (void)ReferenceData::lookUpWord(text.left(200));
            } },
        { "project",
            [](const QByteArray& data) {
                // A refused file throws FileError; anything else must come back whole.
                try {
                    const SearchEngine::Project project = SearchEngine::parseProject(textOf(data), QStringLiteral("x.prj"));
                    (void)SearchEngine::searchPage(project, QStringLiteral("/site"));
                } catch (const FileError&) {
                }
            } },
        { "settings",
            [](const QByteArray& data) {
                withFile(data, [](const QString& path) {
                    (void)SettingsFiles::readLines(path);
                    (void)SettingsFiles::readEditorFont(path);
                    (void)ExternalApps::readApplications(path);
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
