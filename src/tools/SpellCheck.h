#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <string>

class Hunspell;

// A word of a page's text. The offset is an editor offset: into the text with CR LF breaks.
struct SpellWord {
    int offset = 0;
    QString text;
    bool operator==(const SpellWord&) const = default;
};

// The words of an HTML text in order, outside the markup: tags, comments, character entities
// ("&name;", "&#NN;", "&#xHH;") and the contents of SCRIPT and STYLE blocks are skipped. A word
// is a run of letters, with apostrophes between letters; runs holding a digit are no words.
QList<SpellWord> spellWords(const QString& text);

// Where dictionaries are looked for: a "dictionaries" folder in the data directory, then the
// system's Hunspell folder.
QStringList dictionaryDirs();

// The .dic file to use (its .aff beside it): the locale's own ("en_US"), else one of the
// locale's language, else en_US, else the first present. Empty when there is none.
QString findDictionary(const QStringList& dirs, const QString& localeName);

// Hunspell with the words ignored for this check and the user's own dictionary.
class SpellChecker {
public:
    // Names of character entities, written bare often enough to be ignored always.
    static const QStringList kEntityNames;
    // The user's words, one a line, in the settings directory.
    static const QString kUserDictionary;

    // Loads the dictionary and the user's words; an unreadable user dictionary throws FileError.
    explicit SpellChecker(const QString& dicPath);
    ~SpellChecker();

    bool isCorrect(const QString& word) const;
    QStringList suggestions(const QString& word) const;
    // Ignores the word, in any letter case, until the checker goes.
    void ignoreAll(const QString& word);
    // Adds the word to the user dictionary file (FileError when it cannot be written).
    void addWord(const QString& word);

private:
    std::optional<std::string> encode(const QString& word) const;
    QString decode(const std::string& word) const;

    std::unique_ptr<Hunspell> m_hunspell;
    QByteArray m_encoding;
    QSet<QString> m_ignored; // case-folded
};

// A replacement of `length` characters at an editor offset.
struct TextEdit {
    int offset = 0;
    int length = 0;
    QString text;
    bool operator==(const TextEdit&) const = default;
};

// Walks the misspelt words of a text in order. Replacements come back as edits to apply in
// order; the words after them move along.
class SpellCheckRun {
public:
    SpellCheckRun(SpellChecker& checker, const QString& text);

    // The misspelt word at hand; nothing when the check is complete.
    std::optional<SpellWord> current() const;
    void ignore();
    void ignoreAll();
    void add();
    QList<TextEdit> change(const QString& replacement);
    // Changes this word and every later one spelt the same.
    QList<TextEdit> changeAll(const QString& replacement);

private:
    void seek(qsizetype from);
    std::optional<TextEdit> replace(qsizetype index, const QString& replacement);

    SpellChecker& m_checker;
    QList<SpellWord> m_words;
    qsizetype m_index = 0;
};
