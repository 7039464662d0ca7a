#include "tools/SpellCheck.h"

#include "editor/TextFile.h"
#include "platform/AppDirs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <hunspell/hunspell.hxx>

namespace {

bool isApostrophe(QChar c) { return c == u'\'' || c == u'\u2019'; }
bool isWordChar(QChar c) { return c.isLetterOrNumber() || c.isMark(); }

qsizetype wordEnd(const QString& text, qsizetype i)
{
    while (i < text.size()) {
        if (isWordChar(text[i]))
            ++i;
        else if (isApostrophe(text[i]) && i + 1 < text.size() && text[i + 1].isLetter())
            i += 2;
        else
            break;
    }
    return i;
}

bool isAsciiDigit(QChar c, bool hex)
{
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (hex && ((u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F')));
}

bool isAsciiAlnum(QChar c) { return c.unicode() < 128 && c.isLetterOrNumber(); }

// Past "&name;", "&#NN;" or "&#xHH;" at i; just past the "&" when it starts no entity.
qsizetype skipEntity(const QString& text, qsizetype i)
{
    qsizetype j = i + 1;
    if (j < text.size() && text[j] == u'#') {
        const bool hex = j + 1 < text.size() && (text[j + 1] == u'x' || text[j + 1] == u'X');
        j += hex ? 2 : 1;
        const qsizetype digits = j;
        while (j < text.size() && isAsciiDigit(text[j], hex))
            ++j;
        if (j == digits) return i + 1;
    } else {
        if (j >= text.size() || !isAsciiAlnum(text[j]) || text[j].isDigit()) return i + 1;
        while (j < text.size() && isAsciiAlnum(text[j]))
            ++j;
    }
    return j < text.size() && text[j] == u';' ? j + 1 : i + 1;
}

qsizetype indexAfter(const QString& text, const QString& what, qsizetype from)
{
    const qsizetype at = text.indexOf(what, from, Qt::CaseInsensitive);
    return at < 0 ? text.size() : at + what.size();
}

// Past the comment, tag or SCRIPT/STYLE block at i; just past the "<" when it starts none.
qsizetype skipMarkup(const QString& text, qsizetype i)
{
    if (QStringView(text).mid(i).startsWith(u"<!--")) return indexAfter(text, QStringLiteral("-->"), i + 4);
    const QChar next = i + 1 < text.size() ? text[i + 1] : QChar();
    if (!next.isLetter() && next != u'/' && next != u'!' && next != u'?') return i + 1;
    const qsizetype end = indexAfter(text, QStringLiteral(">"), i + 1);
    qsizetype nameEnd = i + 1;
    while (nameEnd < text.size() && text[nameEnd].isLetterOrNumber())
        ++nameEnd;
    const QString name = text.mid(i + 1, nameEnd - i - 1).toLower();
    if (name != u"script" && name != u"style") return end;
    const qsizetype close = text.indexOf(QStringLiteral("</") + name, end, Qt::CaseInsensitive);
    return close < 0 ? text.size() : indexAfter(text, QStringLiteral(">"), close);
}

bool hasDigit(const QString& word)
{
    return std::any_of(word.begin(), word.end(), [](QChar c) { return c.isDigit(); });
}

QString userDictionaryPath() { return AppDirs::settingsFile(SpellChecker::kUserDictionary); }

} // namespace

QList<SpellWord> spellWords(const QString& text)
{
    QList<SpellWord> words;
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text[i];
        if (c == u'<') {
            i = skipMarkup(text, i);
        } else if (c == u'&') {
            i = skipEntity(text, i);
        } else if (isWordChar(c)) {
            const qsizetype end = wordEnd(text, i);
            const QString word = text.mid(i, end - i);
            if (!hasDigit(word)) words.append({ int(i), word });
            i = end;
        } else {
            ++i;
        }
    }
    return words;
}

QStringList dictionaryDirs()
{
    return { AppDirs::dataFile(QStringLiteral("dictionaries")), QStringLiteral("/usr/share/hunspell") };
}

QString findDictionary(const QStringList& dirs, const QString& localeName)
{
    const QString language = localeName.section(u'_', 0, 0);
    const auto rank = [&](const QString& name) {
        if (name == localeName) return 0;
        if (!language.isEmpty() && name.section(u'_', 0, 0) == language) return 1;
        return name == u"en_US" ? 2 : 3;
    };
    QString best;
    int bestRank = 4;
    for (const QString& dir : dirs) {
        const QDir d(dir);
        for (const QFileInfo& dic : d.entryInfoList({ QStringLiteral("*.dic") }, QDir::Files, QDir::Name)) {
            if (!QFileInfo::exists(d.filePath(dic.completeBaseName() + QStringLiteral(".aff")))) continue;
            const int r = rank(dic.completeBaseName());
            if (r < bestRank) {
                bestRank = r;
                best = dic.absoluteFilePath();
            }
        }
    }
    return best;
}

const QStringList SpellChecker::kEntityNames
    = { QStringLiteral("lt"), QStringLiteral("gt"), QStringLiteral("nbsp"), QStringLiteral("quot") };
const QString SpellChecker::kUserDictionary = QStringLiteral("userdict.dic");

SpellChecker::SpellChecker(const QString& dicPath)
{
    const QFileInfo dic(dicPath);
    const QString aff = dic.absolutePath() + u'/' + dic.completeBaseName() + QStringLiteral(".aff");
    m_hunspell = std::make_unique<Hunspell>(QFile::encodeName(aff).constData(), QFile::encodeName(dicPath).constData());
    m_encoding = QByteArray::fromStdString(m_hunspell->get_dict_encoding());
    for (const QString& word : kEntityNames)
        ignoreAll(word);
    if (!QFileInfo::exists(userDictionaryPath())) return;
    for (const QString& line : readTextFile(userDictionaryPath()).paragraphs) {
        const QString word = line.trimmed();
        if (const auto encoded = encode(word); encoded && !word.isEmpty()) m_hunspell->add(*encoded);
    }
}

SpellChecker::~SpellChecker() = default;

std::optional<std::string> SpellChecker::encode(const QString& word) const
{
    QStringEncoder encoder(m_encoding.constData());
    if (!encoder.isValid()) encoder = QStringEncoder(QStringEncoder::Utf8);
    const QByteArray bytes = encoder.encode(word);
    if (encoder.hasError()) return std::nullopt;
    return bytes.toStdString();
}

QString SpellChecker::decode(const std::string& word) const
{
    QStringDecoder decoder(m_encoding.constData());
    if (!decoder.isValid()) decoder = QStringDecoder(QStringDecoder::Utf8);
    return decoder.decode(QByteArray::fromStdString(word));
}

bool SpellChecker::isCorrect(const QString& word) const
{
    if (m_ignored.contains(word.toCaseFolded())) return true;
    const auto encoded = encode(word);
    return encoded && m_hunspell->spell(*encoded);
}

QStringList SpellChecker::suggestions(const QString& word) const
{
    QStringList list;
    if (const auto encoded = encode(word))
        for (const std::string& s : m_hunspell->suggest(*encoded))
            list << decode(s);
    return list;
}

void SpellChecker::ignoreAll(const QString& word) { m_ignored.insert(word.toCaseFolded()); }

void SpellChecker::addWord(const QString& word)
{
    // Written first: a word that could not be saved is not taken either.
    const QString path = userDictionaryPath();
    QStringList lines;
    if (QFileInfo::exists(path)) lines = readTextFile(path).paragraphs;
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    lines << word << QString();
    writeTextFile(path, lines, TextFormat());
    if (const auto encoded = encode(word))
        m_hunspell->add(*encoded);
    else
        ignoreAll(word);
}

SpellCheckRun::SpellCheckRun(SpellChecker& checker, const QString& text)
    : m_checker(checker)
    , m_words(spellWords(text))
{
    seek(0);
}

void SpellCheckRun::seek(qsizetype from)
{
    m_index = from;
    while (m_index < m_words.size() && m_checker.isCorrect(m_words[m_index].text))
        ++m_index;
}

std::optional<SpellWord> SpellCheckRun::current() const
{
    if (m_index >= m_words.size()) return std::nullopt;
    return m_words[m_index];
}

void SpellCheckRun::ignore() { seek(m_index + 1); }

void SpellCheckRun::ignoreAll()
{
    if (const auto word = current()) m_checker.ignoreAll(word->text);
    seek(m_index + 1);
}

void SpellCheckRun::add()
{
    if (const auto word = current()) m_checker.addWord(word->text);
    seek(m_index + 1);
}

std::optional<TextEdit> SpellCheckRun::replace(qsizetype index, const QString& replacement)
{
    SpellWord& word = m_words[index];
    if (word.text == replacement) return std::nullopt;
    const TextEdit edit { word.offset, int(word.text.size()), replacement };
    const int shift = int(replacement.size() - word.text.size());
    word.text = replacement;
    for (qsizetype k = index + 1; k < m_words.size(); ++k)
        m_words[k].offset += shift;
    return edit;
}

QList<TextEdit> SpellCheckRun::change(const QString& replacement)
{
    QList<TextEdit> edits;
    if (m_index >= m_words.size()) return edits;
    if (const auto edit = replace(m_index, replacement)) edits << *edit;
    seek(m_index + 1);
    return edits;
}

QList<TextEdit> SpellCheckRun::changeAll(const QString& replacement)
{
    QList<TextEdit> edits;
    if (m_index >= m_words.size()) return edits;
    const QString misspelt = m_words[m_index].text;
    for (qsizetype k = m_index; k < m_words.size(); ++k)
        if (m_words[k].text == misspelt)
            if (const auto edit = replace(k, replacement)) edits << *edit;
    seek(m_index + 1);
    return edits;
}
