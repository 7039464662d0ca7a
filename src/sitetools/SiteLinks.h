#pragma once

#include <QList>
#include <QString>

// A link value as a page writes it: the text between its quotes (or inside url( )) and the
// index of its first character in the page's text.
struct LinkSpot {
    qsizetype index = 0;
    QString value;
    bool operator==(const LinkSpot&) const = default;
};

// Every double- or single-quoted href, src, background, action, data and poster value and every
// CSS url(...) of a page, in text order; a style sheet has only its url(...) values.
QList<LinkSpot> linkSpots(const QString& text, bool styleSheet);

// The same, only those whose value holds one of the names: the text is scanned only around
// where a name appears, so a long page that mentions it a few times costs little.
QList<LinkSpot> linkSpotsNaming(const QString& text, bool styleSheet, const QStringList& names);

// True for the files whose links follow a moved file: pages (".htm", ".html") and style sheets
// (".css"), in any letter case.
bool holdsLinks(const QString& fileName);
bool isStyleSheet(const QString& fileName);

// The full, cleaned path of the file a link names: relative to pageDir, or to base for a link
// that starts with "/"; "?query" and "#fragment" are no part of it and "%" escapes are decoded.
// Empty for what names no file of the site: a scheme ("http:", "mailto:"), "//host", a bare
// "#fragment". Both directories end with '/'.
QString linkTarget(const QString& value, const QString& pageDir, const QString& base);

// The value naming target from pageDir, written the way oldValue was: "/..." from base when it
// started with "/", else relative (a leading "./" kept), "%" escapes when it used them, and its
// "?query" and "#fragment" kept.
QString rewrittenLink(const QString& oldValue, const QString& target, const QString& pageDir, const QString& base);
