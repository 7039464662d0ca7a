#pragma once

#include <QString>
#include <QStringView>

#include <vector>

// A long paragraph (a minified file's) is shown as several text blocks, its pieces, so that
// typing lays out one piece and not the whole paragraph. The pieces are display only: offsets,
// lines, the text and its undo steps see one paragraph. This holds where a document's pieces
// meet and the arithmetic between document positions, which count a block separator at every
// piece boundary, and logical positions, which do not.
//
// Cut points: a paragraph longer than kMax characters is cut into pieces of about half of it.
// A cut goes at 512 characters from the piece's start, or just after the last space, ';', '{',
// ',', '(' or '>' among the characters 257 to 512 when there is one (colouring and words break
// there anyway); never between the two halves of a surrogate pair. After an edit, a piece grown
// past kMax is cut again from its start the same way, and two neighbouring pieces whose text
// together fits in kMax / 2 are joined.
class ParagraphPieces {
public:
    static constexpr int kMax = 1024;
    // The user state of every block that goes on the paragraph of the block before it. The
    // text document's block splits and merges keep it right by themselves.
    static constexpr int kContinuationState = 0x50C0;

    // The block goes on in the next one: its end is a piece boundary, not a paragraph break.
    // Block is QTextBlock; a template so that this header stays Qt Core.
    template <typename Block> static bool continuesInNext(const Block& block)
    {
        const Block next = block.next();
        return next.isValid() && next.userState() == kContinuationState;
    }

    // Where the piece of text that starts at from ends (text.size() when the rest fits).
    static int pieceEnd(QStringView text, int from);

    // Text whose paragraphs ('\n' between them) are cut into pieces, a QChar::ParagraphSeparator
    // at each cut: what goes into the text document in one go.
    struct Cut {
        QString text; // null when no paragraph is long: the text goes in as it is
        std::vector<int> breaks; // positions of the separators that are cuts, in the cut text
        std::vector<int> blocks; // numbers of the blocks that start after a cut
    };
    static Cut cut(const QString& text);

    // The boundaries: document positions of the block separators that are not paragraph breaks.
    void assign(std::vector<int> breaks) { m_breaks = std::move(breaks); }
    void clear() { m_breaks.clear(); }
    bool empty() const { return m_breaks.empty(); }
    int count() const { return int(m_breaks.size()); }
    const std::vector<int>& breaks() const { return m_breaks; }

    // Boundaries before a document position.
    int before(int position) const;
    bool isBreak(int position) const;
    int logicalOf(int position) const { return position - before(position); }
    int positionOfLogical(int logical) const;
    // Raw text of the document from position from on, without its boundaries' separators.
    QString strip(QString raw, int from) const;

    // Document positions [from, to) were replaced by length characters: the boundaries inside
    // go, the ones after move.
    void edited(int from, int to, int length);
    // A separator was inserted at position to cut a piece there, or the boundary at position
    // was removed to join its two pieces.
    void split(int position);
    void join(int position) { edited(position, position + 1, 0); }

private:
    std::vector<int> m_breaks; // sorted
};
