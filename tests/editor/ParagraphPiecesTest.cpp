// The piece arithmetic of long paragraphs, without a text document: breaks are the document
// positions of the block separators that are piece boundaries.
#include "editor/ParagraphPieces.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {
const QChar kCut(QChar::ParagraphSeparator);

ParagraphPieces piecesAt(std::vector<int> breaks)
{
    ParagraphPieces pieces;
    pieces.assign(std::move(breaks));
    return pieces;
}

struct PositionCase {
    int position;
    int before;
    int logical;
    bool isBreak;
};

TEST(ParagraphPieces, MapsDocumentPositionsToLogicalOnesAndBack)
{
    // "aaaaa|bbbbbb|ccc": separators at 5 and 12.
    const ParagraphPieces pieces = piecesAt({ 5, 12 });
    const PositionCase cases[] = {
        { 0, 0, 0, false },
        { 4, 0, 4, false },
        { 5, 0, 5, true }, // the end of the first piece
        { 6, 1, 5, false }, // the start of the second: the same logical place
        { 11, 1, 10, false },
        { 12, 1, 11, true },
        { 13, 2, 11, false },
        { 15, 2, 13, false },
    };
    for (const PositionCase& c : cases) {
        SCOPED_TRACE(c.position);
        EXPECT_EQ(pieces.before(c.position), c.before);
        EXPECT_EQ(pieces.logicalOf(c.position), c.logical);
        EXPECT_EQ(pieces.isBreak(c.position), c.isBreak);
    }
    // A logical position on a boundary goes to the end of the piece before it.
    EXPECT_EQ(pieces.positionOfLogical(5), 5);
    EXPECT_EQ(pieces.positionOfLogical(6), 7);
    EXPECT_EQ(pieces.positionOfLogical(11), 12);
    EXPECT_EQ(pieces.positionOfLogical(12), 14);
    for (int logical = 0; logical < 20; ++logical)
        EXPECT_EQ(pieces.logicalOf(pieces.positionOfLogical(logical)), logical) << logical;
}

TEST(ParagraphPieces, StripTakesOutTheSeparatorsOfBoundariesOnly)
{
    const ParagraphPieces pieces = piecesAt({ 5, 12 });
    const QString raw = QStringLiteral("aaaaa") + kCut + QStringLiteral("bbbbbb") + kCut + QStringLiteral("ccc");
    EXPECT_EQ(pieces.strip(raw, 0), "aaaaabbbbbbccc");
    EXPECT_EQ(pieces.strip(raw.mid(3, 5), 3), "aabb");
    EXPECT_EQ(pieces.strip(raw.mid(6), 6), "bbbbbbccc");
    EXPECT_EQ(pieces.strip("ccc", 13), "ccc");
    // A separator that is no boundary (a paragraph break) stays.
    EXPECT_EQ(piecesAt({}).strip(raw, 0), raw);
}

struct EditCase {
    const char* what;
    int from, to, length;
    std::vector<int> breaks;
};

TEST(ParagraphPieces, EditsDropTheBoundariesTheyReplaceAndMoveTheRest)
{
    const EditCase cases[] = {
        { "insertion before", 6, 6, 3, { 5, 15, 23 } },
        { "replacement grows", 6, 8, 5, { 5, 15, 23 } },
        { "deletion over two", 4, 13, 0, { 11 } },
        { "insertion on a boundary moves it", 12, 12, 2, { 5, 14, 22 } },
        { "after the last", 21, 25, 1, { 5, 12, 20 } },
    };
    for (const EditCase& c : cases) {
        SCOPED_TRACE(c.what);
        ParagraphPieces pieces = piecesAt({ 5, 12, 20 });
        pieces.edited(c.from, c.to, c.length);
        EXPECT_EQ(pieces.breaks(), c.breaks);
    }
}

TEST(ParagraphPieces, SplitAndJoinAreEachOthersInverse)
{
    ParagraphPieces pieces = piecesAt({ 5, 12 });
    pieces.split(8);
    EXPECT_EQ(pieces.breaks(), (std::vector<int> { 5, 8, 13 }));
    EXPECT_EQ(pieces.count(), 3);
    pieces.join(8);
    EXPECT_EQ(pieces.breaks(), (std::vector<int> { 5, 12 }));
    pieces.join(5);
    pieces.join(11);
    EXPECT_TRUE(pieces.empty());
}

struct CutCase {
    const char* what;
    QString text;
    int from;
    int end;
};

QString xs(int n) { return QString(n, QLatin1Char('x')); }

TEST(ParagraphPieces, PieceEndCutsAtHalfAPieceAfterABreakingCharacter)
{
    QString surrogate = xs(2000);
    surrogate[511] = QChar(0xD83D);
    surrogate[512] = QChar(0xDE00);
    const CutCase cases[] = {
        { "fits", xs(ParagraphPieces::kMax), 0, ParagraphPieces::kMax },
        { "the rest fits", xs(2000), 1000, 2000 },
        { "no breaking character", xs(ParagraphPieces::kMax + 1), 0, 512 },
        { "from further on", xs(2000), 100, 612 },
        { "after a space", xs(300) + ' ' + xs(1699), 0, 301 },
        { "after the last of several", xs(300) + ';' + xs(99) + '{' + xs(1599), 0, 401 },
        { "not before the second quarter", xs(255) + ' ' + xs(1744), 0, 512 },
        { "the first place in it", xs(256) + ' ' + xs(1743), 0, 257 },
        { "a hyphen does not break", xs(300) + '-' + xs(1699), 0, 512 },
        { "not inside a surrogate pair", surrogate, 0, 511 },
    };
    for (const CutCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ParagraphPieces::pieceEnd(c.text, c.from), c.end);
    }
    for (const QChar c : QStringLiteral(" ;{,(>"))
        EXPECT_EQ(ParagraphPieces::pieceEnd(xs(300) + c + xs(1699), 0), 301) << int(c.unicode());
}

TEST(ParagraphPieces, CutSplitsOnlyLongParagraphsAndKeepsTheText)
{
    EXPECT_TRUE(ParagraphPieces::cut("short\nlines").text.isNull());

    const QString text = "top\n" + xs(3000) + "\nend";
    const ParagraphPieces::Cut cut = ParagraphPieces::cut(text);
    EXPECT_EQ(cut.breaks, (std::vector<int> { 516, 1029, 1542, 2055 }));
    EXPECT_EQ(cut.blocks, (std::vector<int> { 2, 3, 4, 5 }));
    for (const int at : cut.breaks)
        EXPECT_EQ(cut.text[at], kCut);
    EXPECT_EQ(QString(cut.text).remove(kCut), text);
    // Every piece but the last is half of kMax; the last takes what fits.
    const QStringList pieces = cut.text.split(kCut);
    EXPECT_EQ(pieces.last(), xs(952) + "\nend");

    // A long first paragraph, and two long ones: block numbers count the pieces before.
    const ParagraphPieces::Cut first = ParagraphPieces::cut(xs(1500) + "\n" + xs(1100));
    EXPECT_EQ(first.breaks, (std::vector<int> { 512, 2014 }));
    EXPECT_EQ(first.blocks, (std::vector<int> { 1, 3 }));
    EXPECT_EQ(QString(first.text).remove(kCut), xs(1500) + "\n" + xs(1100));
}
} // namespace
