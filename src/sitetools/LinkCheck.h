#pragma once

#include "sitetools/SiteWalk.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

// A link found in a page: the exact text between its quotes and the offset of its first
// character (every line break counted as two characters, as the code pane counts them). note
// says what is wrong with it when that is more than a missing file (a missing #anchor, a web
// address's answer); attribute names what gave it under the every-link rule ("src", "url()").
struct FoundLink {
    QString text;
    qsizetype offset = 0;
    QString note;
    QString attribute;
    bool operator==(const FoundLink&) const = default;
};

// Converts text indices, met in increasing order, into pane offsets: a line break the text holds
// as a lone LF still counts as two characters.
class PaneOffsets {
public:
    explicit PaneOffsets(const QString& text)
        : m_text(text)
    { }
    qsizetype offset(qsizetype index)
    {
        for (; m_index < index; ++m_index)
            if (m_text[m_index] == u'\n' && (m_index == 0 || m_text[m_index - 1] != u'\r')) ++m_extra;
        return index + m_extra;
    }

private:
    const QString& m_text;
    qsizetype m_index = 0;
    qsizetype m_extra = 0;
};

// The every-file list as a set, so that verifying a link costs one lookup.
class SiteIndex {
public:
    SiteIndex() = default;
    explicit SiteIndex(const QStringList& everyFile);
    bool contains(const QString& path) const { return m_files.contains(path); }
    qsizetype size() const { return m_files.size(); }

private:
    QSet<QString> m_files;
};

// "+" becomes a space, "%%" a "%", "%" and two hexadecimal digits the character of that code
// (runs of escapes that spell UTF-8 are read as UTF-8, as file names on disk are); any other
// "%" stays as it is.
QString urlDecode(const QString& text);

// The link made a full path against the page's directory: "." and ".." resolved, a leading
// "/" starting at the root; then the link's own part decoded (never the directory's).
QString expandLink(QStringView link, QStringView pageDirectory);

// A link is good when its expanded path is a file of the site, letter case included, and it
// holds no ":".
bool checkTheFile(QStringView link, QStringView pageDirectory, const SiteIndex& index);

// Which links the broken-link finder checks: double-quoted values of seven file types, or every
// address of the page's markup (EveryLink.h).
enum class LinkRule { Classic, EveryLink };

struct LinkCheck {
    QList<FoundLink> broken; // by extension (htm, html, css, js, gif, jpg, jpeg), then text order
    qsizetype examined = 0; // links verified (skipped ones not counted)
    bool stopped = false;
};

// Every double-quoted value ending in one of the seven extensions (any letter case) is a link;
// those holding "http", "#", "mailto", "javascript:" or "(" are skipped, the rest verified.
// progress is called before each link with its position in the text; *verifying names it.
LinkCheck findBrokenLinks(const QString& text, const QString& pageDirectory, const SiteIndex& index,
    const SiteProgress& progress = {}, QString* verifying = nullptr);

// Every value of an attribute (name="value" or name='value', the name in any letter case), in
// one quoting style: double quotes when the text has any, else single. A value whose closing
// quote is missing ends the list.
QList<FoundLink> findAttributeValues(const QString& text, const QString& attribute);

// Every HREF value, in one quoting style: double quotes when the text has any, else single.
QList<FoundLink> findAllLinks(const QString& text);

// What the fix dialog looks for: the link's file name upper-cased, ".HTML", ".JPEG" and ".JPG"
// cut back so that either spelling matches, escapes decoded. Under the every-link rule the
// "?query" and "#fragment" are cut first and only "%XX" escapes are decoded ("+" stays).
QString fixKey(const QString& link, LinkRule rule = LinkRule::Classic);

// Every file whose upper-cased path contains the key, in list order, as a link from the page.
QStringList fixSuggestions(
    const QString& link, const QStringList& everyFile, const QString& page, LinkRule rule = LinkRule::Classic);

// Upper-cases a to z only.
QString asciiUpper(const QString& text);
