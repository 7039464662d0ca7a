#pragma once

#include "editor/HighlightEngine.h"

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QTextCharFormat>
#include <QTimer>

#include <array>
#include <vector>

class QPlainTextEdit;
class QTextBlock;
class QTextDocument;
class ColourData;

// Colours an editor's paragraphs with the highlighting engine. The state at the end of every
// paragraph is kept in the paragraph, so a paragraph is coloured without looking at the text
// before it. What is on screen is coloured first; the states of the rest follow in short slices
// when the event loop is idle, and a paragraph takes its colours when it comes on screen (so the
// paragraphs of a large file that are never shown cost no layout); after an edit, colouring goes on from the changed paragraph only while the state at
// the end of each paragraph differs from the stored one.
class SyntaxColourer : public QObject {
    Q_OBJECT
public:
    explicit SyntaxColourer(QObject* parent = nullptr);
    ~SyntaxColourer() override;

    // Colours this editor (nullptr detaches); the previous one loses its colours.
    void attach(QPlainTextEdit* editor);
    QPlainTextEdit* editor() const { return m_editor; }

    // Off drops every colour ("Remove Colour"); on colours everything again ("Colourise").
    void setEnabled(bool on);
    bool isEnabled() const { return m_enabled; }
    // A style sheet document is coloured as style sheet text from its first line on.
    void setStyleSheet(bool on);
    bool isStyleSheet() const { return m_firstState != HighlightState(); }
    // Forgets the colouring of every paragraph and colours again from the top.
    void rehighlight();

    // The alternate font is the platform's sans-serif font at the editor font's size.
    void setEditorFont(const QFont& font);
    QFont editorFont() const { return m_editorFont; }
    QFont alternateFont() const { return m_altFont; }

    // Where the text before `column` of the block stands (a tag, a style sheet, a script ...).
    TextPlace placeAt(const QTextBlock& block, int column);

    // True when the editor's background is darker than its text: the dark variants are used.
    bool isDarkBackground() const { return m_dark; }

    // Colours whatever is still waiting, now.
    void finishColouring();
    bool isColouringComplete() const;
    // Paragraphs from the top whose colouring is known to be up to date.
    int colouredBlockCount() const { return m_frontier; }
    bool isVisibleAreaColoured() const;

    // The rich text of document positions [from, to), coloured from the stored states.
    QString rtfForRange(int from, int to);

    // Upper bound of one idle slice.
    void setSliceMilliseconds(int ms) { m_sliceNs = qint64(ms) * 1000000; }

signals:
    void colouringComplete();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    struct VisibleBlocks {
        int first;
        int last;
    };
    void onContentsChange(int position, int removed, int added);
    void scheduleSlice();
    void runSlice();
    // Brings paragraphs up to `lastBlock` up to date, within `budgetNs` when it is positive.
    void processTo(int lastBlock, qint64 budgetNs = 0);
    // The block's state from `start`; its colours too when `format` (else they wait to be shown).
    HighlightState colourBlock(
        QTextBlock& block, const HighlightState& start, ColourData* data, bool format, bool& formatsChanged);
    void formatBlocks(int first, int last);
    void strip();
    void forgetStates();
    void markDirty(int from, int to);
    void rebuildFormats();
    // Takes the light or dark looks as the editor's palette asks, colouring again on a change.
    void followPalette();
    VisibleBlocks visibleBlocks() const;
    int lastVisibleBlock() const;
    int visibleLineCount() const;

    HighlightEngine m_engine;
    HighlightState m_firstState; // the state before the first paragraph
    QPointer<QPlainTextEdit> m_editor;
    QPointer<QTextDocument> m_doc;
    bool m_enabled = true;
    bool m_applying = false;
    bool m_dark = false;
    QFont m_editorFont;
    QFont m_altFont;
    std::array<QTextCharFormat, kHighlightStyleCount> m_formats;
    QTimer m_idle;
    qint64 m_sliceNs = 6 * 1000000;
    // Paragraphs before m_frontier are up to date. From m_pendingEnd on, every paragraph is
    // unchanged since it was coloured and follows on from the one before it, so colouring stops
    // at the first of them whose start state still matches.
    int m_frontier = 0;
    int m_pendingEnd = 0;
    int m_blockCount = 0;
    std::vector<HighlightSpan> m_spans;
};
