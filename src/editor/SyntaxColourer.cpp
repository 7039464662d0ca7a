#include "editor/SyntaxColourer.h"

#include "editor/ParagraphPieces.h"
#include "editor/RtfWriter.h"

#include <QElapsedTimer>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <climits>

// What a paragraph remembers of its colouring.
class ColourData : public QTextBlockUserData {
public:
    HighlightState start;
    HighlightState end;
    bool dirty = false; // the text changed since it was coloured
    // The paragraph's layout holds the colours of `start`. Paragraphs that have not been on
    // screen keep only their states: their colours are set when they are first shown.
    // Once set, the paragraph is coloured at every change of its state, on screen or not.
    bool formatted = false;
};

namespace {

ColourData* colourData(const QTextBlock& block) { return static_cast<ColourData*>(block.userData()); }

constexpr int kHighlightRed = 0xFF0000;

int rgbOf(const QColor& c) { return int(c.rgb() & 0xFFFFFF); }

qreal pointSizeOf(const QFont& font)
{
    return font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
}

} // namespace

SyntaxColourer::SyntaxColourer(QObject* parent)
    : QObject(parent)
{
    m_idle.setSingleShot(true);
    m_idle.setInterval(0);
    connect(&m_idle, &QTimer::timeout, this, &SyntaxColourer::runSlice);
    setEditorFont(QFont());
}

SyntaxColourer::~SyntaxColourer() { attach(nullptr); }

void SyntaxColourer::attach(QPlainTextEdit* editor)
{
    m_idle.stop();
    if (m_doc) {
        disconnect(m_doc, nullptr, this, nullptr);
        strip();
    }
    if (m_editor) {
        disconnect(m_editor, nullptr, this, nullptr);
        m_editor->viewport()->removeEventFilter(this);
        m_editor->removeEventFilter(this);
    }
    m_editor = editor;
    m_doc = editor ? editor->document() : nullptr;
    if (!editor) return;
    connect(m_doc, &QTextDocument::contentsChange, this, &SyntaxColourer::onContentsChange);
    // Scrolling and resizing show paragraphs that may still wait for their colours.
    connect(editor, &QPlainTextEdit::updateRequest, this, &SyntaxColourer::scheduleSlice);
    editor->viewport()->installEventFilter(this);
    editor->installEventFilter(this); // palette changes
    m_dark = false;
    followPalette();
    setEditorFont(editor->font());
}

void SyntaxColourer::setEnabled(bool on)
{
    if (on == m_enabled) return;
    m_enabled = on;
    if (on) {
        rehighlight();
    } else {
        m_idle.stop();
        strip();
    }
}

void SyntaxColourer::setStyleSheet(bool on)
{
    if (on == isStyleSheet()) return;
    m_firstState = on ? m_engine.styleSheetStart() : HighlightState();
    rehighlight();
}

void SyntaxColourer::rehighlight()
{
    if (!m_doc || !m_enabled) return;
    forgetStates();
    processTo(lastVisibleBlock());
    scheduleSlice();
}

namespace {
// The family as other programs know it: without the foundry that fontconfig adds when two
// foundries offer the same family ("Nimbus Sans [urw]").
QString plainFamily(QString family)
{
    const qsizetype bracket = family.lastIndexOf(QLatin1String(" ["));
    if (bracket > 0 && family.endsWith(u']')) family.truncate(bracket);
    return family;
}
} // namespace

void SyntaxColourer::setEditorFont(const QFont& font)
{
    m_editorFont = font;
    QFont alt(QStringLiteral("Sans Serif"));
    alt.setStyleHint(QFont::SansSerif);
    alt.setFamily(QFontInfo(alt).family());
    if (font.pointSizeF() > 0)
        alt.setPointSizeF(font.pointSizeF());
    else
        alt.setPixelSize(font.pixelSize());
    m_altFont = alt;
    rebuildFormats();
    rehighlight();
}

void SyntaxColourer::rebuildFormats()
{
    for (int i = 0; i < kHighlightStyleCount; ++i) {
        const StyleLook& look = styleLook(HighlightStyle(i), m_dark);
        QTextCharFormat f;
        if (look.bold) f.setFontWeight(QFont::Bold);
        if (look.italic) f.setFontItalic(true);
        if (look.underline) f.setFontUnderline(true);
        if (look.strikeOut) f.setFontStrikeOut(true);
        if (look.background != kNoColour) f.setBackground(QColor::fromRgb(QRgb(look.background)));
        if (look.foreground != kNoColour) f.setForeground(QColor::fromRgb(QRgb(look.foreground)));
        if (look.altFont) {
            f.setFontFamilies({ m_altFont.family() });
            if (m_altFont.pointSizeF() > 0) f.setFontPointSize(m_altFont.pointSizeF());
        }
        m_formats[std::size_t(i)] = f;
    }
}

void SyntaxColourer::finishColouring()
{
    if (!m_doc || !m_enabled) return;
    processTo(INT_MAX);
    formatBlocks(0, INT_MAX);
}

TextPlace SyntaxColourer::placeAt(const QTextBlock& block, int column)
{
    if (m_enabled && m_doc) processTo(block.blockNumber());
    const ColourData* d = colourData(block);
    std::vector<HighlightSpan> spans;
    const HighlightState state
        = m_engine.highlightLine(QStringView(block.text()).left(column), d ? d->start : m_firstState, spans, false);
    return m_engine.placeOf(state);
}

void SyntaxColourer::followPalette()
{
    const QPalette& p = m_editor->palette();
    const bool dark = p.color(QPalette::Base).lightness() < p.color(QPalette::Text).lightness();
    if (dark == m_dark) return;
    m_dark = dark;
    rebuildFormats();
    rehighlight();
}

bool SyntaxColourer::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::PaletteChange && m_editor && watched == m_editor) followPalette();
    // Just before the editor paints: what comes on screen gets its colours.
    if (e->type() == QEvent::Paint && m_editor && watched == m_editor->viewport() && m_doc && m_enabled) {
        const VisibleBlocks visible = visibleBlocks();
        processTo(visible.last);
        formatBlocks(visible.first, visible.last);
    }
    return false;
}

bool SyntaxColourer::isColouringComplete() const { return !m_doc || !m_enabled || m_frontier >= m_blockCount; }

bool SyntaxColourer::isVisibleAreaColoured() const { return isColouringComplete() || lastVisibleBlock() < m_frontier; }

void SyntaxColourer::onContentsChange(int position, int /*removed*/, int added)
{
    // Our own markContentsDirty calls report themselves as changes too.
    if (m_applying || !m_enabled || !m_doc) return;
    const QTextBlock first = m_doc->findBlock(position);
    QTextBlock last = m_doc->findBlock(position + added);
    if (!last.isValid()) last = m_doc->lastBlock();
    for (QTextBlock b = first; b.isValid(); b = b.next()) {
        if (ColourData* d = colourData(b)) d->dirty = true;
        if (b == last) break;
    }
    const int firstNumber = first.isValid() ? first.blockNumber() : 0;
    const int lastNumber = last.blockNumber();
    const int delta = m_doc->blockCount() - m_blockCount;
    m_blockCount = m_doc->blockCount();
    m_pendingEnd = std::max(lastNumber + 1, m_pendingEnd > firstNumber ? m_pendingEnd + delta : m_pendingEnd);
    m_frontier = std::min(m_frontier, firstNumber);
    // The changed paragraphs and what a screen below them shows now; the rest when idle.
    processTo(firstNumber + visibleLineCount());
    scheduleSlice();
}

void SyntaxColourer::scheduleSlice()
{
    if (m_doc && m_enabled && !isColouringComplete() && !m_idle.isActive()) m_idle.start();
}

void SyntaxColourer::runSlice()
{
    if (!m_doc || !m_enabled) return;
    const VisibleBlocks visible = visibleBlocks();
    processTo(visible.last);
    formatBlocks(visible.first, visible.last);
    processTo(INT_MAX, m_sliceNs);
    if (isColouringComplete())
        emit colouringComplete();
    else
        m_idle.start();
}

void SyntaxColourer::processTo(int lastBlock, qint64 budgetNs)
{
    if (m_frontier >= m_blockCount || lastBlock < m_frontier) return;
    QElapsedTimer clock;
    clock.start();
    const VisibleBlocks visible = visibleBlocks();
    QTextBlock block = m_doc->findBlockByNumber(m_frontier);
    HighlightState start = m_firstState;
    if (m_frontier > 0)
        if (const ColourData* before = colourData(block.previous())) start = before->end;
    int number = m_frontier;
    int dirtyFrom = -1, dirtyTo = -1;
    while (block.isValid() && number <= lastBlock) {
        ColourData* d = colourData(block);
        if (d && !d->dirty && d->start == start) {
            if (number >= m_pendingEnd) {
                number = m_blockCount; // everything after follows on unchanged
                break;
            }
            start = d->end;
        } else {
            bool repaint = false;
            const bool shown = (d && d->formatted) || (number >= visible.first && number <= visible.last);
            start = colourBlock(block, start, d, shown, repaint);
            if (repaint) {
                if (dirtyFrom < 0) dirtyFrom = block.position();
                dirtyTo = block.position() + block.length();
            }
        }
        ++number;
        block = block.next();
        if (budgetNs > 0 && (number & 15) == 0 && clock.nsecsElapsed() > budgetNs) break;
    }
    m_frontier = number;
    if (m_frontier >= m_blockCount) m_pendingEnd = 0;
    if (dirtyFrom >= 0) markDirty(dirtyFrom, dirtyTo);
}

HighlightState SyntaxColourer::colourBlock(
    QTextBlock& block, const HighlightState& start, ColourData* data, bool format, bool& formatsChanged)
{
    const HighlightState end
        = m_engine.highlightLine(block.text(), start, m_spans, !ParagraphPieces::continuesInNext(block));
    formatsChanged = false;
    if (format) {
        QList<QTextLayout::FormatRange> ranges;
        ranges.reserve(qsizetype(m_spans.size()));
        for (const HighlightSpan& s : m_spans)
            ranges.append({ s.start, s.length, m_formats[std::size_t(s.style)] });
        QTextLayout* layout = block.layout();
        formatsChanged = layout->formats() != ranges;
        if (formatsChanged) layout->setFormats(ranges);
    }
    if (!data) {
        data = new ColourData;
        block.setUserData(data);
    }
    data->start = start;
    data->end = end;
    data->dirty = false;
    data->formatted = format;
    return end;
}

void SyntaxColourer::formatBlocks(int first, int last)
{
    // Paragraphs whose states are known but whose colours wait for them to be shown.
    last = std::min(last, m_frontier - 1);
    int dirtyFrom = -1, dirtyTo = -1;
    QTextBlock block = m_doc->findBlockByNumber(first);
    for (int number = first; block.isValid() && number <= last; ++number, block = block.next()) {
        ColourData* d = colourData(block);
        if (!d || d->formatted || d->dirty) continue;
        bool repaint = false;
        colourBlock(block, d->start, d, true, repaint);
        if (repaint) {
            if (dirtyFrom < 0) dirtyFrom = block.position();
            dirtyTo = block.position() + block.length();
        }
    }
    if (dirtyFrom >= 0) markDirty(dirtyFrom, dirtyTo);
}

void SyntaxColourer::markDirty(int from, int to)
{
    m_applying = true;
    m_doc->markContentsDirty(from, to - from);
    m_applying = false;
}

void SyntaxColourer::forgetStates()
{
    // Each paragraph is coloured again; what it remembers of its layout's colours stays.
    for (QTextBlock b = m_doc->begin(); b.isValid(); b = b.next())
        if (ColourData* d = colourData(b)) d->dirty = true;
    m_blockCount = m_doc->blockCount();
    m_frontier = 0;
    m_pendingEnd = m_blockCount;
}

void SyntaxColourer::strip()
{
    if (!m_doc) return;
    bool changed = false;
    for (QTextBlock b = m_doc->begin(); b.isValid(); b = b.next()) {
        const ColourData* d = colourData(b);
        const bool hadFormats = d && d->formatted; // only paragraphs we coloured hold colours
        b.setUserData(nullptr);
        if (hadFormats && !b.layout()->formats().isEmpty()) {
            b.layout()->clearFormats();
            changed = true;
        }
    }
    m_frontier = 0;
    m_pendingEnd = 0;
    if (changed) markDirty(0, m_doc->characterCount());
}

int SyntaxColourer::visibleLineCount() const
{
    if (!m_editor) return 0;
    return m_editor->viewport()->height() / std::max(1, m_editor->fontMetrics().lineSpacing()) + 2;
}

SyntaxColourer::VisibleBlocks SyntaxColourer::visibleBlocks() const
{
    if (!m_editor) return { 0, -1 };
    // The scroll bar counts layout lines, as the editor does to find its first visible paragraph.
    const QTextBlock top = m_doc->findBlockByLineNumber(m_editor->verticalScrollBar()->value());
    const int first = top.isValid() ? top.blockNumber() : 0;
    return { first, first + visibleLineCount() };
}

int SyntaxColourer::lastVisibleBlock() const { return visibleBlocks().last; }

QString SyntaxColourer::rtfForRange(int from, int to)
{
    if (!m_doc) return {};
    from = std::clamp(from, 0, m_doc->characterCount() - 1);
    to = std::clamp(to, 0, m_doc->characterCount() - 1);
    if (from >= to) return {};
    const QTextBlock first = m_doc->findBlock(from);
    const QTextBlock last = m_doc->findBlock(to);
    if (m_enabled) processTo(last.blockNumber());
    std::vector<RtfLine> lines;
    bool continues = false; // the block before goes on in this one: same RTF line
    for (QTextBlock b = first; b.isValid(); b = b.next()) {
        const QString text = b.text();
        const int begin = std::max(from - b.position(), 0);
        const int end = std::min(to - b.position(), int(text.size()));
        if (!continues) lines.emplace_back();
        RtfLine& line = lines.back();
        const int shift = int(line.text.size());
        line.text += text.mid(begin, end - begin);
        if (m_enabled) {
            const ColourData* d = colourData(b);
            m_engine.highlightLine(text, d ? d->start : m_firstState, m_spans, !ParagraphPieces::continuesInNext(b));
            for (const HighlightSpan& s : m_spans) {
                const int a = std::max(s.start, begin), z = std::min(s.start + s.length, end);
                if (a < z) line.spans.push_back({ shift + a - begin, z - a, s.style });
            }
        }
        continues = ParagraphPieces::continuesInNext(b);
        if (b == last) break;
    }
    RtfSettings settings;
    settings.fontName = plainFamily(QFontInfo(m_editorFont).family());
    settings.fontPointSize = pointSizeOf(m_editorFont);
    settings.altFontName = plainFamily(m_altFont.family());
    settings.altFontPointSize = pointSizeOf(m_altFont);
    const QPalette palette = m_editor ? m_editor->palette() : QPalette();
    settings.textColour = rgbOf(palette.color(QPalette::Text));
    settings.highlightColour = kHighlightRed;
    settings.backgroundColour = rgbOf(palette.color(QPalette::Base));
    settings.highlightBackground = rgbOf(palette.color(QPalette::Base));
    return rtfForLines(lines, settings);
}
