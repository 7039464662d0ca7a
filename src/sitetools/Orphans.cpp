#include "sitetools/Orphans.h"

#include "platform/FileError.h"
#include "shared/RelativePath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <algorithm>
#include <vector>

namespace {

// A trie over UTF-16 code units whose children sit in one sorted array per node; each node may
// carry a value (-1 for none).
class Trie {
public:
    Trie() { addNode(); }
    int insert(QStringView text, bool reversed)
    {
        int node = 0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t c = text[reversed ? text.size() - 1 - i : i].unicode();
            auto& edges = m_building[node];
            auto it = std::find_if(edges.begin(), edges.end(), [c](const auto& e) { return e.first == c; });
            if (it != edges.end()) {
                node = it->second;
            } else {
                const int next = addNode();
                m_building[node].emplace_back(c, next);
                node = next;
            }
        }
        return node;
    }
    void freeze()
    {
        for (size_t node = 0; node < m_building.size(); ++node) {
            auto& edges = m_building[node];
            std::sort(edges.begin(), edges.end());
            m_nodes[node].first = int(m_edges.size());
            m_nodes[node].count = int(edges.size());
            m_edges.insert(m_edges.end(), edges.begin(), edges.end());
        }
        m_building.clear();
        m_building.shrink_to_fit();
    }
    int child(int node, char16_t c) const
    {
        const Node& n = m_nodes[node];
        const auto* begin = m_edges.data() + n.first;
        const auto* end = begin + n.count;
        if (n.count <= 8) {
            for (const auto* e = begin; e != end; ++e)
                if (e->first == c) return e->second;
            return -1;
        }
        const auto* e = std::lower_bound(begin, end, std::pair<char16_t, int>(c, -1));
        return e != end && e->first == c ? e->second : -1;
    }
    int& value(int node) { return m_nodes[node].value; }
    int value(int node) const { return m_nodes[node].value; }

private:
    struct Node {
        int first = 0;
        int count = 0;
        int value = -1;
    };
    int addNode()
    {
        m_nodes.push_back({});
        m_building.emplace_back();
        return int(m_nodes.size() - 1);
    }
    std::vector<Node> m_nodes;
    std::vector<std::pair<char16_t, int>> m_edges;
    std::vector<std::vector<std::pair<char16_t, int>>> m_building;
};

// Finds, in one pass over a page, every place where a candidate's file name ends: names are cut
// at their last dot; the part from the dot is looked up forwards from each dot of the text,
// the part before it backwards.
class NameFinder {
public:
    // names[i] is the file name of group i; names without a dot are left to the caller.
    explicit NameFinder(const QStringList& names)
    {
        for (int id = 0; id < names.size(); ++id) {
            const QString& name = names[id];
            const qsizetype dot = name.lastIndexOf(u'.');
            if (dot < 0) continue;
            const int extensionNode = m_extensions.insert(QStringView(name).mid(dot), false);
            if (m_extensions.value(extensionNode) < 0) {
                m_extensions.value(extensionNode) = int(m_stems.size());
                m_stems.emplace_back();
            }
            Trie& stems = m_stems[m_extensions.value(extensionNode)];
            stems.value(stems.insert(QStringView(name).left(dot), true)) = id;
        }
        m_extensions.freeze();
        for (Trie& stems : m_stems)
            stems.freeze();
    }

    // Calls found(nameId, end) for every occurrence of a name ending at text index end.
    template <typename Found> void find(const QString& text, Found found) const
    {
        const QChar* data = text.constData();
        const qsizetype size = text.size();
        for (qsizetype dot = text.indexOf(u'.'); dot >= 0; dot = text.indexOf(u'.', dot + 1)) {
            int node = 0;
            for (qsizetype i = dot; i < size; ++i) {
                node = m_extensions.child(node, data[i].unicode());
                if (node < 0) break;
                if (m_extensions.value(node) < 0) continue;
                const Trie& stems = m_stems[m_extensions.value(node)];
                int stem = 0;
                for (qsizetype j = dot;; --j) {
                    if (stems.value(stem) >= 0) found(stems.value(stem), i + 1);
                    if (j == 0) break;
                    stem = stems.child(stem, data[j - 1].unicode());
                    if (stem < 0) break;
                }
            }
        }
    }

private:
    Trie m_extensions; // value: index into m_stems
    std::vector<Trie> m_stems; // value: name id
};

QString reference(const QString& page, const QString& file) { return webby(extractRelativePath(page, file)); }

} // namespace

bool isNeverOrphan(const QString& path)
{
    static const QStringList kExtensions { ".js", ".JS", ".css", ".CSS" };
    return kExtensions.contains(fileExtension(path));
}

QStringList findRubbish(const QString& pageText, const QString& page, const QStringList& candidates)
{
    QStringList survivors;
    for (const QString& candidate : candidates)
        if (!pageText.contains(reference(page, candidate)) && !isNeverOrphan(candidate)) survivors << candidate;
    return survivors;
}

OrphanScan findOrphansOneByOne(const QString& base, const QStringList& pages, const QStringList& everyFile,
    const SiteProgress& progress, const PageReader& read)
{
    OrphanScan scan;
    QStringList candidates = everyFile;
    for (qsizetype k = 0; k < pages.size(); ++k) {
        if (progress && !progress(k, pages.size())) {
            scan.stopped = true;
            return scan;
        }
        const QString page = base + pages[k];
        candidates = findRubbish(read(page), page, candidates);
        ++scan.pagesSearched;
    }
    scan.orphans = candidates;
    return scan;
}

OrphanScan findOrphans(const QString& base, const QStringList& pages, const QStringList& everyFile,
    const SiteProgress& progress, const PageReader& read, int workers)
{
    OrphanScan scan;
    const qsizetype count = everyFile.size();
    std::vector<bool> referenced(count, false);
    if (!pages.isEmpty())
        for (qsizetype c = 0; c < count; ++c)
            if (isNeverOrphan(everyFile[c])) referenced[c] = true;

    // Candidates grouped by file name; the groups shrink as their files are found.
    QStringList names;
    QHash<QString, int> nameIds;
    std::vector<std::vector<int>> groups;
    std::vector<int> withoutDot;
    for (qsizetype c = 0; c < count; ++c) {
        if (referenced[c]) continue;
        const QString name = fileNameOf(everyFile[c]);
        if (!name.contains(u'.')) {
            withoutDot.push_back(int(c));
            continue;
        }
        auto id = nameIds.constFind(name);
        if (id == nameIds.constEnd()) {
            id = nameIds.insert(name, int(names.size()));
            names << name;
            groups.emplace_back();
        }
        groups[*id].push_back(int(c));
    }
    const NameFinder finder(names);

    // Every candidate's directory part (the path without its name), numbered.
    QHash<QString, int> directoryIds;
    std::vector<int> directoryOfCandidate(count, -1);
    std::vector<int> nameLength(count, 0);
    for (qsizetype c = 0; c < count; ++c) {
        const QString& path = everyFile[c];
        nameLength[c] = int(fileNameOf(path).size());
        const QString directory = path.left(path.size() - nameLength[c]);
        directoryOfCandidate[c]
            = *directoryIds.insert(directory, directoryIds.value(directory, int(directoryIds.size())));
    }
    // Pages of one directory come together; each run of them is numbered.
    std::vector<int> pageDirectoryNumber(pages.size());
    for (qsizetype k = 0; k < pages.size(); ++k)
        pageDirectoryNumber[k] = k == 0 ? 0
            : pageDirectoryNumber[k - 1] + (pageDirectory(pages[k]) != pageDirectory(pages[k - 1]) ? 1 : 0);

    // Pages are searched on several threads. Each keeps its own candidates, which shrink as it
    // finds them; a file is referred to when any thread found it, whatever the order of pages.
    struct Searcher {
        std::vector<std::vector<int>> groups;
        std::vector<int> withoutDot;
        std::vector<char> referenced;
        // The part of a reference before the name depends only on the two directories: made
        // once per directory pair, for the directory of the pages being searched.
        std::vector<QString> prefixes;
        std::vector<int> prefixMadeFor;
    };
    if (workers <= 0) workers = pageWorkers(pages.size());
    std::vector<Searcher> searchers(workers,
        Searcher { groups, withoutDot, std::vector<char>(referenced.begin(), referenced.end()),
            std::vector<QString>(directoryIds.size()), std::vector<int>(directoryIds.size(), -1) });

    const qsizetype searched = forEachPage(
        pages.size(), workers,
        [&](qsizetype k, int worker) {
            Searcher& s = searchers[worker];
            const QString page = base + pages[k];
            const QString text = read(page);
            auto prefixOf = [&](int c) -> const QString& {
                const int d = directoryOfCandidate[c];
                if (s.prefixMadeFor[d] != pageDirectoryNumber[k]) {
                    const QString ref = reference(page, everyFile[c]);
                    s.prefixes[d] = ref.left(ref.size() - nameLength[c]);
                    s.prefixMadeFor[d] = pageDirectoryNumber[k];
                }
                return s.prefixes[d];
            };
            const QStringView view(text);
            finder.find(text, [&](int id, qsizetype end) {
                std::vector<int>& group = s.groups[id];
                for (size_t i = 0; i < group.size();) {
                    const int c = group[i];
                    const QString& prefix = prefixOf(c);
                    const qsizetype start = end - nameLength[c] - prefix.size();
                    if (start >= 0 && view.mid(start, prefix.size()) == prefix) {
                        s.referenced[c] = 1;
                        group[i] = group.back();
                        group.pop_back();
                    } else {
                        ++i;
                    }
                }
            });
            for (size_t i = 0; i < s.withoutDot.size();) {
                const int c = s.withoutDot[i];
                if (text.contains(prefixOf(c) + everyFile[c].right(nameLength[c]))) {
                    s.referenced[c] = 1;
                    s.withoutDot[i] = s.withoutDot.back();
                    s.withoutDot.pop_back();
                } else {
                    ++i;
                }
            }
        },
        progress);
    scan.pagesSearched = searched;
    if (searched < pages.size()) {
        scan.stopped = true;
        return scan;
    }
    for (qsizetype c = 0; c < count; ++c) {
        const bool found = std::any_of(
            searchers.begin(), searchers.end(), [c](const Searcher& s) { return s.referenced[c] != 0; });
        if (!found) scan.orphans << everyFile[c];
    }
    return scan;
}

QString extractThisDirectory(const QString& base)
{
    QString name = base;
    if (name.endsWith(u'/')) name.chop(1);
    return name.mid(name.lastIndexOf(u'/') + 1);
}

QString rubbishDirectory(const QString& base)
{
    const QString name = extractThisDirectory(base);
    if (name.isEmpty()) return {};
    QString parent = base;
    if (parent.endsWith(u'/')) parent.chop(1);
    parent = parent.left(parent.lastIndexOf(u'/') + 1);
    return parent + name + QStringLiteral("Rubbish/");
}

QString moveToRubbish(const QString& file, const QString& base)
{
    const QFileInfo info(file);
    if (!info.exists() && !info.isSymLink()) return {};
    // A file under the base keeps its name as it is: a backslash in it is a character, not a directory.
    const QString baseDir = directoryWithSlash(base);
    const QString relative = file.startsWith(baseDir)
        ? file.mid(baseDir.size())
        : webby(extractRelativePath(baseDir + QStringLiteral("index.html"), file));
    const QString rubbish = rubbishDirectory(directoryWithSlash(base));
    const QString relativeDirectory = relative.left(relative.lastIndexOf(u'/') + 1);
    const QString directory = (rubbish.isEmpty() ? QStringLiteral("/Rubbish/") : rubbish) + relativeDirectory;
    // The root has no name to put "Rubbish" after: nothing is made beside it.
    if (rubbish.isEmpty() || !QDir().mkpath(directory))
        throw FileError(QStringLiteral("Cannot create ") + QDir::toNativeSeparators(directory));
    const QString destination = rubbish + relative;
    if (QFileInfo::exists(destination) || QFileInfo(destination).isSymLink())
        throw FileError(QStringLiteral("Cannot move file \"%1\" to \"%2\". A file of that name is already there.")
                            .arg(QDir::toNativeSeparators(file), QDir::toNativeSeparators(destination)));
    QFile source(file);
    if (!source.rename(destination))
        throw FileError(
            QStringLiteral("Cannot move file \"%1\" to \"%2\". %3")
                .arg(QDir::toNativeSeparators(file), QDir::toNativeSeparators(destination), source.errorString()));
    return destination;
}

namespace {
// A name may hold any character but "/": tabs, line breaks and backslashes are escaped, so every
// name fits on its line of the log.
QByteArray escapedName(const QString& name)
{
    QByteArray out;
    for (const char c : name.toUtf8()) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        default: out += c;
        }
    }
    return out;
}

QString unescapedName(const QByteArray& text)
{
    QByteArray out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const char kept = next == 't' ? '\t' : next == 'r' ? '\r' : next == 'n' ? '\n' : next == '\\' ? '\\' : '\0';
        // A backslash before anything else is the name's own (a log of an earlier version).
        if (text[i] == '\\' && kept) {
            out += kept;
            ++i;
        } else {
            out += text[i];
        }
    }
    return QString::fromUtf8(out);
}
} // namespace

QByteArray moveLogText(const QList<RubbishMove>& moves)
{
    QByteArray text;
    for (const RubbishMove& move : moves)
        text += escapedName(move.to) + '\t' + escapedName(move.from) + "\r\n";
    return text;
}

QList<RubbishMove> parseMoveLog(const QByteArray& text)
{
    QList<RubbishMove> moves;
    for (QByteArray line : text.split('\n')) {
        if (line.endsWith('\r')) line.chop(1);
        const QList<QByteArray> parts = line.split('\t');
        if (parts.size() == 2) moves.append({ unescapedName(parts[1]), unescapedName(parts[0]) });
    }
    return moves;
}

QList<RubbishMove> restoreMoves(const QList<RubbishMove>& moves)
{
    QList<RubbishMove> left;
    for (qsizetype i = moves.size() - 1; i >= 0; --i) {
        const RubbishMove& move = moves[i];
        const bool free = !QFileInfo::exists(move.from) && !QFileInfo(move.from).isSymLink();
        if (!free || !QFileInfo::exists(move.to) || !QDir().mkpath(QFileInfo(move.from).path())
            || !QFile::rename(move.to, move.from))
            left.prepend(move);
    }
    return left;
}
