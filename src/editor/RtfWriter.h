#pragma once

#include "editor/HighlightEngine.h"

#include <QString>

#include <vector>

enum class RtfAlignment { Left, Right, Centre, Justified };

// What the rich text needs to know about the editor. Colours are 0xRRGGBB.
struct RtfSettings {
    QString fontName;
    qreal fontPointSize = 10;
    QString altFontName;
    qreal altFontPointSize = 10;
    int textColour = 0x000000;
    int highlightColour = 0xFF0000;
    int backgroundColour = 0xFFFFFF;
    int highlightBackground = 0xFFFFFF;
    RtfAlignment alignment = RtfAlignment::Left;
    // Line spacing in twips; -1 stands for exactly the font's height.
    int leading = -1;
};

// One paragraph (or the selected part of one) with its spans.
struct RtfLine {
    QString text;
    std::vector<HighlightSpan> spans;
};

// The rich-text form of coloured paragraphs, CR LF after every line. The result is plain ASCII:
// characters beyond it are written as \u escapes.
QString rtfForLines(const std::vector<RtfLine>& lines, const RtfSettings& settings);
