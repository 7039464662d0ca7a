#pragma once

#include <QString>
#include <QStringList>

// The JavaScript reference: a list of topics and, for each, an article kept in one of two
// article files. Article number = list position + 1; articles 1 to 158 are in the first file,
// the rest in the second.
class ReferenceData {
public:
    static constexpr int kFirstFileArticles = 158;
    static const QString kListFile; // "list.jsd"
    static const QString kDetailsFile; // "details.jsd"
    static const QString kDetails2File; // "details2.jsd"

    // The topics used when the list file is missing: 241 entries, the last four empty.
    static QStringList builtInTopics();

    // "#start07", "#end158": numbers below 10 get a leading zero.
    static QString startMarker(int number);
    static QString endMarker(int number);
    // The text of one article in an article file: from the line after its start marker up to its
    // end marker (markers found ignoring letter case, the first occurrence counting); empty when
    // a marker is missing.
    static QString articleIn(const QString& fileText, int number);

    // Reads the three files from a directory. The full paths of the files that are missing (in the
    // order list, details, details2) are kept for the caller to report.
    static ReferenceData load(const QString& directory);

    QStringList topics() const { return m_topics; }
    QStringList missingFiles() const { return m_missing; }
    // The article of a list position; empty when there is none.
    QString article(int position) const;

    // The first topic after `current` (after the first topic when current is -1 or 0) whose
    // text contains the word, letter case ignored; -1 when none does or the word is empty.
    static int findTopic(const QStringList& topics, const QString& word, int current);
    // What F4 looks up for a word at the caret: the word cut before its first "(", or, when it
    // has none, before its first "[".
    static QString lookUpWord(const QString& wordAtCaret);

private:
    QStringList m_topics;
    QString m_details;
    QString m_details2;
    QStringList m_missing;
};
