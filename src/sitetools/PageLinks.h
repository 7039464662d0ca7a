#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <optional>

// The links of a page read as a browser reads its markup: every address an attribute, a srcset
// candidate, a refresh or a style sheet gives, rather than quoted text of a few file types.

// One address as the page holds it: where it starts in the text and how long it is there (so
// that the fix dialog can replace it), the address itself with entities and CSS escapes undone,
// and what gave it: the attribute's name in lower case, "url()" or "@import".
struct PageLink {
    qsizetype at = 0;
    qsizetype length = 0;
    QString url;
    QString attribute;
    bool operator==(const PageLink&) const = default;
};

struct PageLinks {
    QList<PageLink> links; // in text order
    std::optional<QString> base; // the first <base href>, entities undone
};

// The links of an HTML page: the attributes href, src, srcset (each candidate), poster, data,
// action, formaction, cite, background, longdesc, usemap, icon and manifest of every element, the
// address in the content of <meta http-equiv="refresh">, and url(...) and @import in <style>
// blocks and style attributes. Values may be double-, single- or unquoted. Nothing inside a
// comment, a script or another element whose content is not markup counts.
PageLinks htmlLinks(const QString& text);

// The url(...) and @import addresses of a style sheet; comments and other strings do not count.
QList<PageLink> cssLinks(QStringView text);

// Character references undone: the named ones an address may hold, and &#N; and &#xH;.
QString decodeEntities(QStringView text);

// CSS escapes undone: "\" and one to six hexadecimal digits (and one white space after them) is
// that character, "\" and any other character is that character.
QString cssUnescape(QStringView text);
