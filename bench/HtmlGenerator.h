#pragma once

#include <QByteArray>

// A hand-written-looking web page of at least `bytes` bytes (UTF-8, CR LF line breaks): a head
// with meta tags, a style sheet and scripts, then sections of headings, paragraphs (short lines
// and long unbroken ones, entities, links, images), tables, forms, comments and script blocks,
// some of them hundreds of lines long. The same size always gives the same text.
QByteArray generateRealisticHtml(qint64 bytes);
