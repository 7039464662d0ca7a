#include "editor/CodeEditor.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>

const QString CodeEditor::kSeparators = QStringLiteral("\t \"$%&'()+,./:;<=>");

namespace {
const QChar kParagraph(QChar::ParagraphSeparator);
const QString kBlockMime = QStringLiteral("application/x-pelorin-block");

// Breaks inside inserted text become paragraph starts; CR LF, LF CR, CR and LF each count once.
QString normaliseBreaks(const QString& text)
{
    if (!text.contains(QLatin1Char('\r'))) return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            const QChar other = c == QLatin1Char('\r') ? QLatin1Char('\n') : QLatin1Char('\r');
            if (i + 1 < text.size() && text[i + 1] == other) ++i;
            out += QLatin1Char('\n');
        } else {
            out += c;
        }
    }
    return out;
}

QString withCrLf(QString text)
{
    text.replace(kParagraph, QLatin1String("\r\n"));
    return text;
}

bool isSeparator(QChar c) { return CodeEditor::kSeparators.contains(c); }

bool isPrintable(const QString& text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
}
} // namespace

CodeEditor::CodeEditor(QWidget* parent)
    : QPlainTextEdit(parent)
{
    setUndoRedoEnabled(false);
    setLineWrapMode(NoWrap);
    // A scroll bar that comes and goes changes the text's width, and every change of width
    // lays out each paragraph again: most of a second for a large file.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setContextMenuPolicy(Qt::NoContextMenu);
    document()->setDocumentMargin(8);
    setTabStopDistance(fontMetrics().horizontalAdvance(QLatin1Char(' ')) * 8);
    // The selection stays visible when the editor loses the focus.
    QPalette pal = palette();
    pal.setColor(QPalette::Inactive, QPalette::Highlight, pal.color(QPalette::Active, QPalette::Highlight));
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText, pal.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(pal);
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &CodeEditor::emitIfAnchorMoved);
    connect(this, &QPlainTextEdit::selectionChanged, this, &CodeEditor::emitIfAnchorMoved);
}

CodeEditor::~CodeEditor() = default;

// ---- offsets ------------------------------------------------------------------------------

int CodeEditor::offsetOfPosition(int position) const
{
    // Paragraph breaks count twice, piece boundaries not at all.
    return position + document()->findBlock(position).blockNumber() - 2 * piecesBefore(position);
}

int CodeEditor::positionOfOffset(int offset) const
{
    offset = std::clamp(offset, 0, charCount());
    // The last paragraph whose start offset (position + number of breaks before it) is <= offset.
    // Interpolation steps (lines are of similar length) alternate with halving, so a skewed
    // text still takes logarithmic time.
    const QTextDocument* doc = document();
    const auto start = [this, doc](int number) {
        const int position = doc->findBlockByNumber(number).position();
        return position + number - 2 * piecesBefore(position);
    };
    int lo = 0, hi = doc->blockCount() - 1;
    int loStart = 0, hiStart = start(hi);
    for (bool interpolate = true; lo < hi; interpolate = !interpolate) {
        if (offset >= hiStart) {
            lo = hi;
            break;
        }
        int mid = (lo + hi + 1) / 2;
        if (interpolate && hiStart > loStart)
            mid = lo + int(qint64(offset - loStart) * (hi - lo) / (hiStart - loStart));
        mid = std::clamp(mid, lo + 1, hi);
        const int midStart = start(mid);
        if (midStart <= offset) {
            lo = mid;
            loStart = midStart;
        } else {
            hi = mid - 1;
            hiStart = start(hi);
        }
    }
    const QTextBlock block = doc->findBlockByNumber(lo);
    const int column = offset - start(lo);
    // An offset on the LF of a break stands at the end of its paragraph.
    return block.position() + std::min(column, block.length() - 1);
}

int CodeEditor::charCount() const
{
    return document()->characterCount() - 1 + document()->blockCount() - 1 - 2 * int(m_pieces.size());
}

QChar CodeEditor::charAt(int offset) const
{
    if (offset < 0 || offset >= charCount()) return {};
    const int position = positionOfOffset(offset);
    const QTextBlock block = document()->findBlock(position);
    const int end = block.position() + block.length() - 1;
    if (position < end) return document()->characterAt(position);
    // At a paragraph end: the CR, or the LF when the offset is one past it.
    return offsetOfPosition(position) == offset ? QChar(QLatin1Char('\r')) : QChar(QLatin1Char('\n'));
}

QString CodeEditor::textRange(int from, int to) const
{
    from = std::clamp(from, 0, charCount());
    to = std::clamp(to, 0, charCount());
    if (to <= from) return {};
    const int fromPos = positionOfOffset(from);
    const int toPos = positionOfOffset(to);
    QString text = plainText(fromPos, toPos).replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    // Offsets inside a break: starting on its LF drops the CR, ending on it keeps the CR only.
    if (offsetOfPosition(fromPos) != from && text.startsWith(QLatin1Char('\r'))) text.remove(0, 1);
    if (offsetOfPosition(toPos) != to) text += QLatin1Char('\r');
    return text;
}

QString CodeEditor::text() const { return withCrLf(withoutPieces(document()->toRawText(), 0)); }

void CodeEditor::setText(const QString& text) { replaceRange(0, document()->characterCount() - 1, text); }

// ---- pieces of long paragraphs ------------------------------------------------------------

bool CodeEditor::continuesInNext(const QTextBlock& block)
{
    const QTextBlock next = block.next();
    return next.isValid() && next.userState() == kPieceState;
}

int CodeEditor::piecesBefore(int position) const
{
    return int(std::lower_bound(m_pieces.begin(), m_pieces.end(), position) - m_pieces.begin());
}

bool CodeEditor::isPieceBreak(int position) const
{
    return std::binary_search(m_pieces.begin(), m_pieces.end(), position);
}

int CodeEditor::positionOfLogical(int logical) const
{
    int position = logical;
    for (const int piece : m_pieces) {
        if (piece >= position) break;
        ++position;
    }
    return position;
}

QString CodeEditor::withoutPieces(QString raw, int from) const
{
    auto piece = std::lower_bound(m_pieces.begin(), m_pieces.end(), from);
    if (piece == m_pieces.end() || *piece >= from + raw.size()) return raw;
    qsizetype out = *piece - from;
    for (qsizetype in = out; in < raw.size(); ++in) {
        if (piece != m_pieces.end() && *piece == from + in) {
            ++piece;
            continue;
        }
        raw[out++] = raw[in];
    }
    raw.truncate(out);
    return raw;
}

QString CodeEditor::plainText(int from, int to) const
{
    QTextCursor c(document());
    c.setPosition(from);
    c.setPosition(to, QTextCursor::KeepAnchor);
    return withoutPieces(c.selectedText(), from).replace(kParagraph, QLatin1Char('\n'));
}

QTextBlock CodeEditor::paragraphStart(QTextBlock block) const
{
    while (block.isValid() && block.userState() == kPieceState && block.previous().isValid())
        block = block.previous();
    return block;
}

QTextBlock CodeEditor::paragraphBlock(int paragraph) const
{
    // Every piece boundary before the paragraph adds one block.
    int number = paragraph;
    for (const int piece : m_pieces) {
        if (document()->findBlock(piece).blockNumber() >= number) break;
        ++number;
    }
    return document()->findBlockByNumber(number);
}

QString CodeEditor::paragraphText(QTextBlock& block)
{
    QString text = block.text();
    while (continuesInNext(block)) {
        block = block.next();
        text += block.text();
    }
    return text;
}

int CodeEditor::pieceEnd(QStringView text, int from)
{
    const int size = int(text.size());
    if (size - from <= kPieceMax) return size;
    // Half a piece, ended after a character where colouring and words break anyway.
    const int target = from + kPieceMax / 2;
    for (int at = target; at > from + kPieceMax / 4; --at)
        if (QStringView(u" ;{,(>").contains(text[at - 1])) return at;
    return text[target - 1].isHighSurrogate() ? target - 1 : target;
}

void CodeEditor::notePieces(int from, int to, int length)
{
    const auto first = std::lower_bound(m_pieces.begin(), m_pieces.end(), from);
    const auto last = std::lower_bound(first, m_pieces.end(), to);
    const auto kept = m_pieces.erase(first, last);
    for (auto it = kept; it != m_pieces.end(); ++it)
        *it += length - (to - from);
}

void CodeEditor::rebuildPieces()
{
    m_pieces.clear();
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next())
        if (b.userState() == kPieceState && b.position() > 0) m_pieces.push_back(b.position() - 1);
}

void CodeEditor::tidyPieces(int from, int to)
{
    // Only the paragraphs an edit touched: pieces grown too long are split, neighbours grown
    // small are joined. Neither is an edit of the text.
    const int lastLogical = logicalOf(to);
    // From the piece before the edit: it may join the edited one.
    QTextBlock block = document()->findBlock(from);
    if (block.userState() == kPieceState && block.previous().isValid()) block = block.previous();
    const bool wasEditing = std::exchange(m_editing, true);
    while (block.isValid()) {
        const int length = block.length() - 1;
        if (length > kPieceMax) {
            // The cut depends on the block's start only: copying all of a long pasted line for
            // every piece split off it would take time in the square of its length.
            QTextCursor head(document());
            head.setPosition(block.position());
            head.setPosition(block.position() + kPieceMax + 1, QTextCursor::KeepAnchor);
            const int cut = block.position() + pieceEnd(head.selectedText(), 0);
            const int state = block.userState();
            QTextCursor c(document());
            c.setPosition(cut);
            notePieces(cut, cut, 1);
            m_pieces.insert(std::lower_bound(m_pieces.begin(), m_pieces.end(), cut), cut);
            c.insertBlock();
            block = document()->findBlock(cut);
            block.setUserState(state);
            block.next().setUserState(kPieceState);
            continue;
        }
        if (continuesInNext(block) && length + block.next().length() - 1 <= kPieceMax / 2) {
            const int separator = block.position() + length;
            const int state = block.userState();
            QTextCursor c(document());
            c.setPosition(separator);
            c.setPosition(separator + 1, QTextCursor::KeepAnchor);
            notePieces(separator, separator + 1, 0);
            c.removeSelectedText();
            block = document()->findBlock(separator);
            block.setUserState(state);
            continue;
        }
        if (!continuesInNext(block) && logicalOf(block.position() + length) >= lastLogical) break;
        block = block.next();
    }
    m_editing = wasEditing;
}

bool CodeEditor::movedWithinBreak(int before) const
{
    const int after = textCursor().position();
    return !m_pieces.empty() && after != before && logicalOf(after) == logicalOf(before);
}

bool CodeEditor::moveToParagraphEdge(QKeyEvent* e)
{
    // Home and End go to the ends of the paragraph, not of the piece on screen.
    const auto mods = e->modifiers() & ~Qt::KeypadModifier;
    if (m_pieces.empty() || wordWrap() || (e->key() != Qt::Key_Home && e->key() != Qt::Key_End)
        || (mods & ~Qt::ShiftModifier))
        return false;
    QTextCursor c = cursor();
    QTextBlock block = paragraphStart(c.block());
    if (e->key() == Qt::Key_End)
        while (continuesInNext(block))
            block = block.next();
    const int target = e->key() == Qt::Key_Home ? block.position() : block.position() + block.length() - 1;
    c.setPosition(target, mods & Qt::ShiftModifier ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor);
    placeCursor(c);
    return true;
}

// ---- lines --------------------------------------------------------------------------------

namespace {
// With word wrap on, display lines exist only once each paragraph is laid out.
void layOutAll(const QTextDocument* doc)
{
    auto* layout = doc->documentLayout();
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
        if (!b.layout() || b.layout()->lineCount() == 0) layout->blockBoundingRect(b);
}
} // namespace

QStringList CodeEditor::lines() const
{
    QStringList result;
    const QTextDocument* doc = document();
    const bool wrap = wordWrap();
    if (wrap) layOutAll(doc);
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        if (!wrap && continuesInNext(b)) {
            result << paragraphText(b);
            continue;
        }
        const QString text = b.text();
        if (!b.next().isValid() && text.isEmpty() && b.blockNumber() > 0) break; // the empty line after a final break
        if (!wrap || !b.layout() || b.layout()->lineCount() <= 1) {
            result << text;
            continue;
        }
        for (int i = 0; i < b.layout()->lineCount(); ++i) {
            const QTextLine line = b.layout()->lineAt(i);
            result << text.mid(line.textStart(), line.textLength());
        }
    }
    return result;
}

int CodeEditor::lineCount() const
{
    const QTextDocument* doc = document();
    int count = doc->blockCount() - int(m_pieces.size());
    if (wordWrap()) {
        layOutAll(doc);
        count = 0;
        for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
            count += std::max(1, b.layout() ? b.layout()->lineCount() : 1);
    }
    if (count > 1 && doc->lastBlock().length() == 1) --count;
    return count;
}

QString CodeEditor::lineText(int line) const
{
    if (line < 0 || line >= lineCount()) return {};
    if (!wordWrap()) {
        QTextBlock block = paragraphBlock(line);
        return paragraphText(block);
    }
    return lines().value(line);
}

void CodeEditor::addLine(const QString& line)
{
    const int end = document()->characterCount() - 1;
    const bool needsBreak = end > 0 && document()->lastBlock().length() > 1;
    replaceRange(end, end, (needsBreak ? QStringLiteral("\n") : QString()) + line + QLatin1Char('\n'));
}

// ---- selection ----------------------------------------------------------------------------

QTextCursor CodeEditor::cursor() const
{
    if (!m_pending) return textCursor();
    QTextCursor c(document());
    c.setPosition(std::min(m_pendingAnchor, document()->characterCount() - 1));
    c.setPosition(std::min(m_pendingPosition, document()->characterCount() - 1), QTextCursor::KeepAnchor);
    return c;
}

void CodeEditor::placeCursor(const QTextCursor& c)
{
    m_pending = false;
    setTextCursor(c);
}

void CodeEditor::deferCursor(int anchor, int position)
{
    // Moving the widget's own cursor lays out and scrolls to it; runs of caret moves by
    // commands are applied once, when the event loop comes back, without scrolling.
    const bool hadSelection = m_pending ? m_pendingAnchor != m_pendingPosition : textCursor().hasSelection();
    m_pending = true;
    m_pendingAnchor = anchor;
    m_pendingPosition = position;
    if (!m_flushScheduled) {
        m_flushScheduled = true;
        QTimer::singleShot(0, this, [this] {
            m_flushScheduled = false;
            flushCursor();
        });
    }
    if (hadSelection || anchor != position) emit selectionChanged();
    emitIfAnchorMoved();
}

void CodeEditor::flushCursor()
{
    if (!m_pending) return;
    const QTextCursor c = cursor();
    m_pending = false;
    const int h = horizontalScrollBar()->value();
    const int v = verticalScrollBar()->value();
    setTextCursor(c);
    horizontalScrollBar()->setValue(h);
    verticalScrollBar()->setValue(v);
}

bool CodeEditor::viewportEvent(QEvent* e)
{
    flushCursor();
    return QPlainTextEdit::viewportEvent(e);
}

int CodeEditor::selStart() const { return offsetOfPosition(m_pending ? m_pendingAnchor : textCursor().anchor()); }

int CodeEditor::selLength() const
{
    return offsetOfPosition(m_pending ? m_pendingPosition : textCursor().position()) - selStart();
}

void CodeEditor::setSelStart(int offset)
{
    const int position = positionOfOffset(offset);
    deferCursor(position, position);
}

void CodeEditor::setSelLength(int length)
{
    const int anchor = m_pending ? m_pendingAnchor : textCursor().anchor();
    const int target = std::clamp(offsetOfPosition(anchor) + length, 0, charCount());
    deferCursor(anchor, positionOfOffset(target));
}

QString CodeEditor::selText() const
{
    const QTextCursor c = cursor();
    return plainText(c.selectionStart(), c.selectionEnd()).replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

void CodeEditor::setSelText(const QString& text)
{
    replaceSelection(text, false);
    ensureCursorVisible();
}

int CodeEditor::selLine() const
{
    const QTextCursor c = cursor();
    const QTextBlock block = document()->findBlock(c.anchor());
    if (!wordWrap()) return block.blockNumber() - piecesBefore(block.position());
    layOutAll(document());
    int line = 0;
    for (QTextBlock b = document()->begin(); b != block; b = b.next())
        line += std::max(1, b.layout()->lineCount());
    const QTextLine inBlock = block.layout()->lineForTextPosition(c.anchor() - block.position());
    return line + (inBlock.isValid() ? inBlock.lineNumber() : 0);
}

void CodeEditor::setSelLine(int line)
{
    line = std::max(0, line);
    QTextCursor c = cursor();
    if (!wordWrap()) {
        c.setPosition(paragraphBlock(std::min(line, document()->blockCount() - 1 - int(m_pieces.size()))).position());
    } else {
        layOutAll(document());
        int position = document()->characterCount() - 1;
        for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) {
            const int count = std::max(1, b.layout()->lineCount());
            if (line < count) {
                position = b.position() + (b.layout()->lineCount() ? b.layout()->lineAt(line).textStart() : 0);
                break;
            }
            line -= count;
        }
        c.setPosition(position);
    }
    deferCursor(c.anchor(), c.position());
}

int CodeEditor::selCol() const
{
    const QTextCursor c = cursor();
    const QTextBlock block = document()->findBlock(c.anchor());
    int column = c.anchor() - block.position();
    if (!wordWrap()) return logicalOf(c.anchor()) - logicalOf(paragraphStart(block).position());
    {
        layOutAll(document());
        const QTextLine line = block.layout()->lineForTextPosition(column);
        if (line.isValid()) column -= line.textStart();
    }
    return column;
}

void CodeEditor::selectAll()
{
    const int count = charCount();
    setSelStart(count);
    setSelLength(-count);
}

void CodeEditor::scrollInView()
{
    flushCursor();
    ensureCursorVisible();
}

void CodeEditor::scrollToLine(int line)
{
    verticalScrollBar()->setValue(std::clamp(line, 0, verticalScrollBar()->maximum()));
}

int CodeEditor::lineHeight() const { return fontMetrics().lineSpacing(); }

// ---- search -------------------------------------------------------------------------------

namespace {
bool wholeWordAt(const QString& line, qsizetype index, qsizetype length)
{
    const bool before = index == 0 || isSeparator(line[index - 1]);
    const bool after = index + length >= line.size() || isSeparator(line[index + length]);
    return before && after;
}
} // namespace

bool CodeEditor::findText(const QString& text, bool down, bool matchCase, bool wholeWord)
{
    if (text.isEmpty() || text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n')))
        return false; // a match never spans a paragraph break
    const Qt::CaseSensitivity cs = matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const int anchor = cursor().anchor();
    QTextBlock block = paragraphStart(document()->findBlock(anchor));
    int column = logicalOf(anchor) - logicalOf(block.position());
    while (block.isValid()) {
        const int lineStart = logicalOf(block.position());
        QTextBlock last = block;
        const QString line = paragraphText(last);
        if (column < 0) column = int(line.size()) + 1; // every start in the line is before the anchor
        qsizetype found = -1;
        if (down) {
            for (qsizetype i = line.indexOf(text, column, cs); i >= 0; i = line.indexOf(text, i + 1, cs))
                if (!wholeWord || wholeWordAt(line, i, text.size())) {
                    found = i;
                    break;
                }
        } else {
            for (qsizetype from = column - 1; from >= 0;) {
                const qsizetype i = line.lastIndexOf(text, from, cs);
                if (i < 0) break;
                if (!wholeWord || wholeWordAt(line, i, text.size())) {
                    found = i;
                    break;
                }
                from = i - 1;
            }
        }
        if (found >= 0) {
            const int start = positionOfLogical(lineStart + int(found));
            const int end = positionOfLogical(lineStart + int(found + text.size()));
            QTextCursor c = cursor();
            c.setPosition(down ? end : start);
            c.setPosition(down ? start : end, QTextCursor::KeepAnchor);
            placeCursor(c);
            return true;
        }
        if (down) {
            block = last.next();
            column = 0;
        } else {
            block = paragraphStart(block.previous());
            column = -1;
        }
    }
    return false;
}

QString CodeEditor::wordAtCaret() const
{
    const int anchor = cursor().anchor();
    QTextBlock block = paragraphStart(document()->findBlock(anchor));
    const int column = logicalOf(anchor) - logicalOf(block.position());
    const QString line = paragraphText(block);
    int from = column, to = column;
    while (from > 0 && !isSeparator(line[from - 1]))
        --from;
    while (to < line.size() && !isSeparator(line[to]))
        ++to;
    return line.mid(from, to - from);
}

int CodeEditor::wordBoundary(int position, bool forward) const
{
    QTextBlock block = paragraphStart(document()->findBlock(position));
    const int lineStart = logicalOf(block.position());
    int column = logicalOf(position) - lineStart;
    const QString line = paragraphText(block);
    if (forward) {
        if (column >= line.size()) return position + 1; // the break itself
        const bool separators = isSeparator(line[column]);
        while (column < line.size() && isSeparator(line[column]) == separators)
            ++column;
    } else {
        if (column == 0) return position - 1;
        const bool separators = isSeparator(line[column - 1]);
        while (column > 0 && isSeparator(line[column - 1]) == separators)
            --column;
    }
    return positionOfLogical(lineStart + column);
}

// ---- files --------------------------------------------------------------------------------

void CodeEditor::setWholeText(const QString& text)
{
    m_editing = true;
    m_pending = false;
    m_block = {};
    setExtraSelections({});
    m_pieces.clear();
    // Long paragraphs go in as pieces straight away, rather than split after a whole layout.
    QString pieced;
    std::vector<int> pieceBlocks;
    int blockNumber = 0;
    for (qsizetype i = 0; i <= text.size();) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), i);
        if (end < 0) end = text.size();
        const QStringView paragraph = QStringView(text).sliced(i, end - i);
        if (paragraph.size() > kPieceMax && pieced.isEmpty()) {
            pieced.reserve(text.size() + text.size() / (kPieceMax / 4));
            pieced += QStringView(text).first(i);
        }
        if (!pieced.isNull()) {
            for (int from = 0;;) {
                const int to = pieceEnd(paragraph, from);
                pieced += paragraph.sliced(from, to - from);
                if (to == paragraph.size()) break;
                m_pieces.push_back(int(pieced.size()));
                pieced += kParagraph;
                pieceBlocks.push_back(++blockNumber);
                from = to;
            }
            if (end < text.size()) pieced += QLatin1Char('\n');
        }
        ++blockNumber;
        i = end + 1;
    }
    setPlainText(pieced.isNull() ? text : pieced);
    for (const int number : pieceBlocks)
        document()->findBlockByNumber(number).setUserState(kPieceState);
    // Colouring that ran while the text went in did not know where paragraphs go on.
    if (!pieceBlocks.empty()) document()->markContentsDirty(0, document()->characterCount());
    m_editing = false;
    resetHistory();
    setModified(true);
    emitIfAnchorMoved();
}

void CodeEditor::loadFromFile(const QString& path, std::optional<TextFormat::Encoding> as)
{
    DocumentFile file;
    const QString text = file.load(path, as);
    m_file = file;
    setWholeText(text);
}

QStringList CodeEditor::paragraphs() const
{
    QStringList result;
    result.reserve(document()->blockCount());
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next())
        result << paragraphText(b);
    return result;
}

void CodeEditor::saveToFile(const QString& path, const TextFormat& format) { m_file.write(path, paragraphs(), format); }

void CodeEditor::clear()
{
    const bool hadText = !document()->isEmpty();
    m_file.clear();
    m_editing = true;
    m_pending = false;
    m_block = {};
    setExtraSelections({});
    m_pieces.clear();
    setPlainText(QString());
    m_editing = false;
    resetHistory();
    if (hadText) setModified(true);
    emitIfAnchorMoved();
}

// ---- editing and history ------------------------------------------------------------------

void CodeEditor::applyReplace(int from, int to, const QString& text)
{
    m_editing = true;
    QTextCursor c(document());
    c.setPosition(from);
    c.setPosition(to, QTextCursor::KeepAnchor);
    // Which block keeps its state in a merge is the text document's affair: the first block
    // of the edit starts where it did, and every break in the new text is a paragraph break.
    const int firstState = document()->findBlock(from).userState();
    // One edit block for the text and its pieces: the document is laid out once, at the end,
    // instead of once for every piece split off a long paragraph.
    QTextCursor whole(document());
    whole.beginEditBlock();
    if (text.isEmpty())
        c.removeSelectedText();
    else
        c.insertText(text);
    for (QTextBlock b = document()->findBlock(from); b.isValid() && b.position() <= from + text.size(); b = b.next())
        b.setUserState(b.position() <= from ? firstState : -1);
    notePieces(from, to, int(text.size()));
    tidyPieces(from, from + int(text.size()));
    whole.endEditBlock();
    placeCursor(c);
    m_editing = false;
    setModified(true);
    const int typingEnd = m_typingEnd; // an edit's own caret move does not end a typing run
    emitIfAnchorMoved();
    m_typingEnd = typingEnd;
}

void CodeEditor::replaceRange(int from, int to, const QString& rawText, bool typing)
{
    const int end = document()->characterCount() - 1;
    from = std::clamp(from, 0, end);
    to = std::clamp(to, from, end);
    const QString text = normaliseBreaks(rawText);
    Step step;
    step.position = logicalOf(from);
    step.removed = plainText(from, to);
    step.inserted = text;
    step.anchorBefore = logicalOf(cursor().anchor());
    step.caretBefore = logicalOf(cursor().position());
    step.typing = typing;
    if (step.removed.isEmpty() && step.inserted.isEmpty()) return;
    applyReplace(from, to, text);
    pushStep(std::move(step));
}

void CodeEditor::replaceSelection(const QString& text, bool typing)
{
    const QTextCursor c = cursor();
    replaceRange(c.selectionStart(), c.selectionEnd(), text, typing);
}

void CodeEditor::pushStep(Step step)
{
    const bool hadUndo = canUndo(), hadRedo = canRedo();
    m_redo.clear();
    const bool merge = step.typing && !m_undo.empty() && m_undo.back().typing && m_typingEnd == step.position
        && m_undo.back().position + m_undo.back().inserted.size() == step.position;
    const int end = step.position + int(step.inserted.size());
    if (merge) {
        Step& last = m_undo.back();
        m_undoSpace -= last.cost();
        last.removed += step.removed;
        last.inserted += step.inserted;
        m_undoSpace += last.cost();
    } else {
        m_undoSpace += step.cost();
        m_undo.push_back(std::move(step));
    }
    m_typingEnd = m_undo.back().typing ? end : -1;
    trimHistory();
    notifyHistory(hadUndo, hadRedo);
}

void CodeEditor::trimHistory()
{
    // The oldest steps go first; the newest one always stays, so a large change can be undone.
    while (m_undoSpace > kUndoMaxSpace && m_undo.size() > 1) {
        m_undoSpace -= m_undo.front().cost();
        m_undo.pop_front();
    }
}

void CodeEditor::undo()
{
    if (m_undo.empty()) return;
    const bool hadUndo = canUndo(), hadRedo = canRedo();
    Step step = std::move(m_undo.back());
    m_undo.pop_back();
    m_undoSpace -= step.cost();
    applyReplace(
        positionOfLogical(step.position), positionOfLogical(step.position + int(step.inserted.size())), step.removed);
    QTextCursor c = cursor();
    const int end = document()->characterCount() - 1;
    c.setPosition(std::min(positionOfLogical(step.anchorBefore), end));
    c.setPosition(std::min(positionOfLogical(step.caretBefore), end), QTextCursor::KeepAnchor);
    placeCursor(c);
    m_typingEnd = -1;
    m_redo.push_back(std::move(step));
    notifyHistory(hadUndo, hadRedo);
}

void CodeEditor::redo()
{
    if (m_redo.empty()) return;
    const bool hadUndo = canUndo(), hadRedo = canRedo();
    Step step = std::move(m_redo.back());
    m_redo.pop_back();
    applyReplace(
        positionOfLogical(step.position), positionOfLogical(step.position + int(step.removed.size())), step.inserted);
    m_typingEnd = -1;
    m_undoSpace += step.cost();
    m_undo.push_back(std::move(step));
    trimHistory();
    notifyHistory(hadUndo, hadRedo);
}

void CodeEditor::clearUndo()
{
    const bool hadUndo = canUndo(), hadRedo = canRedo();
    resetHistory();
    notifyHistory(hadUndo, hadRedo);
}

void CodeEditor::resetHistory()
{
    const bool hadUndo = canUndo(), hadRedo = canRedo();
    m_undo.clear();
    m_redo.clear();
    m_undoSpace = 0;
    m_typingEnd = -1;
    notifyHistory(hadUndo, hadRedo);
}

void CodeEditor::notifyHistory(bool hadUndo, bool hadRedo)
{
    if (hadUndo != canUndo()) emit undoAvailable(canUndo());
    if (hadRedo != canRedo()) emit redoAvailable(canRedo());
}

void CodeEditor::setModified(bool modified)
{
    if (m_modified == modified) return;
    m_modified = modified;
    emit modifiedChanged(modified);
}

void CodeEditor::runUntracked(const std::function<void()>& action)
{
    const int revision = document()->revision();
    action();
    if (document()->revision() != revision && !m_editing) {
        // A change the history did not record cannot be undone safely.
        rebuildPieces();
        clearUndo();
        setModified(true);
    }
}

void CodeEditor::emitIfAnchorMoved()
{
    if (m_editing) return;
    const int anchor = selStart();
    if (logicalOf(m_pending ? m_pendingPosition : textCursor().position()) != m_typingEnd) m_typingEnd = -1;
    if (anchor == m_lastAnchor) return;
    m_lastAnchor = anchor;
    emit selectionMoved();
}

// ---- clipboard ----------------------------------------------------------------------------

QMimeData* CodeEditor::createMimeDataFromSelection() const
{
    auto* data = new QMimeData;
    if (m_block.active) {
        data->setText(blockText());
        data->setData(kBlockMime, QByteArray("1"));
    } else {
        data->setText(selText());
        const QTextCursor c = cursor();
        if (m_richText && c.hasSelection()) {
            const QByteArray rtf = m_richText(c.selectionStart(), c.selectionEnd()).toLatin1();
            data->setData(QStringLiteral("text/rtf"), rtf);
            data->setData(QStringLiteral("application/rtf"), rtf);
        }
    }
    return data;
}

void CodeEditor::copyToClipboard()
{
    if (!m_block.active && !cursor().hasSelection()) return;
    QApplication::clipboard()->setMimeData(createMimeDataFromSelection());
}

void CodeEditor::cutToClipboard()
{
    if (m_block.active) {
        // The block's columns leave every line of it, bottom up so positions stay valid.
        copyToClipboard();
        const BlockSelection block = m_block;
        m_block = {};
        updateBlockHighlight();
        const int left = std::min(block.anchorCol, block.caretCol);
        const int right = std::max(block.anchorCol, block.caretCol);
        for (int line = std::max(block.anchorLine, block.caretLine);
             line >= std::min(block.anchorLine, block.caretLine); --line) {
            const QTextBlock b = document()->findBlockByNumber(line);
            const int length = b.length() - 1;
            if (left < length) replaceRange(b.position() + left, b.position() + std::min(right, length), QString());
        }
        return;
    }
    if (!cursor().hasSelection()) return;
    copyToClipboard();
    replaceSelection(QString(), false);
}

void CodeEditor::pasteFromClipboard()
{
    if (const QMimeData* data = QApplication::clipboard()->mimeData()) insertFromMimeData(data);
}

void CodeEditor::insertFromMimeData(const QMimeData* source)
{
    if (!source || !source->hasText()) return;
    if (source->hasFormat(kBlockMime) && !wordWrap()) {
        pasteBlock(source->text().split(QLatin1Char('\n')));
        return;
    }
    replaceSelection(source->text(), false);
    ensureCursorVisible();
}

// ---- rectangular blocks -------------------------------------------------------------------

QString CodeEditor::blockText() const
{
    QStringList rows;
    const int top = std::min(m_block.anchorLine, m_block.caretLine);
    const int bottom = std::max(m_block.anchorLine, m_block.caretLine);
    const int left = std::min(m_block.anchorCol, m_block.caretCol);
    const int right = std::max(m_block.anchorCol, m_block.caretCol);
    for (int line = top; line <= bottom; ++line)
        rows << document()->findBlockByNumber(line).text().mid(left, right - left);
    return rows.join(QLatin1Char('\n'));
}

void CodeEditor::updateBlockHighlight()
{
    emit blockSelectionChanged(m_block.active);
    QList<QTextEdit::ExtraSelection> selections;
    if (m_block.active) {
        const int top = std::min(m_block.anchorLine, m_block.caretLine);
        const int bottom = std::max(m_block.anchorLine, m_block.caretLine);
        const int left = std::min(m_block.anchorCol, m_block.caretCol);
        const int right = std::max(m_block.anchorCol, m_block.caretCol);
        for (int line = top; line <= bottom; ++line) {
            const QTextBlock block = document()->findBlockByNumber(line);
            const int length = block.length() - 1;
            if (left >= length) continue;
            QTextEdit::ExtraSelection s;
            s.cursor = QTextCursor(document());
            s.cursor.setPosition(block.position() + left);
            s.cursor.setPosition(block.position() + std::min(right, length), QTextCursor::KeepAnchor);
            s.format.setBackground(palette().color(QPalette::Highlight));
            s.format.setForeground(palette().color(QPalette::HighlightedText));
            selections << s;
        }
    }
    setExtraSelections(selections);
}

bool CodeEditor::handleBlockKey(QKeyEvent* e)
{
    const bool blockKey = (e->modifiers() & Qt::ShiftModifier) && (e->modifiers() & Qt::AltModifier)
        && (e->key() == Qt::Key_Left || e->key() == Qt::Key_Right || e->key() == Qt::Key_Up
            || e->key() == Qt::Key_Down);
    if (!blockKey || wordWrap()) return false;
    if (!m_block.active) {
        const QTextCursor c = cursor();
        const QTextBlock block = document()->findBlock(c.position());
        m_block = { true, block.blockNumber(), c.position() - block.position(), block.blockNumber(),
            c.position() - block.position() };
    }
    switch (e->key()) {
    case Qt::Key_Left:
        m_block.caretCol = std::max(0, m_block.caretCol - 1);
        break;
    case Qt::Key_Right:
        ++m_block.caretCol;
        break;
    case Qt::Key_Up:
        m_block.caretLine = std::max(0, m_block.caretLine - 1);
        break;
    case Qt::Key_Down:
        m_block.caretLine = std::min(document()->blockCount() - 1, m_block.caretLine + 1);
        break;
    default:
        break;
    }
    const QTextBlock block = document()->findBlockByNumber(m_block.caretLine);
    QTextCursor c = cursor();
    c.setPosition(block.position() + std::min(m_block.caretCol, block.length() - 1));
    placeCursor(c);
    updateBlockHighlight();
    return true;
}

void CodeEditor::pasteBlock(const QStringList& rows)
{
    const QTextCursor c = cursor();
    const QTextBlock first = document()->findBlock(c.selectionStart());
    const int column = c.selectionStart() - first.position();
    const int firstLine = first.blockNumber();
    const int lastLine = std::min(document()->blockCount() - 1, firstLine + int(rows.size()) - 1);
    const QTextBlock last = document()->findBlockByNumber(lastLine);
    QStringList lines;
    for (int i = 0; i < rows.size(); ++i) {
        QString line = firstLine + i <= lastLine ? document()->findBlockByNumber(firstLine + i).text() : QString();
        if (line.size() < column) line += QString(column - line.size(), QLatin1Char(' '));
        line.insert(column, rows[i]);
        lines << line;
    }
    const int from = first.position();
    replaceRange(from, last.position() + last.length() - 1, lines.join(QLatin1Char('\n')));
    QTextCursor after = cursor();
    after.setPosition(from + column + int(rows.value(0).size()));
    placeCursor(after);
}

// ---- input --------------------------------------------------------------------------------

bool CodeEditor::event(QEvent* e)
{
    if (e->type() != QEvent::Timer) flushCursor();
    if (e->type() == QEvent::ShortcutOverride) {
        // The main window's menu shortcuts win over the editor's own Ctrl and Alt keys.
        const auto* key = static_cast<QKeyEvent*>(e);
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
            e->ignore();
            return false;
        }
    }
    return QPlainTextEdit::event(e);
}

void CodeEditor::handleBackspaceDelete(bool forward, bool word)
{
    QTextCursor c = cursor();
    if (c.hasSelection()) {
        replaceSelection(QString(), false);
        return;
    }
    const int position = c.position();
    int other;
    if (word) {
        other = wordBoundary(position, forward);
    } else {
        c.movePosition(forward ? QTextCursor::NextCharacter : QTextCursor::PreviousCharacter);
        // A piece boundary is no character: step over it.
        if (logicalOf(c.position()) == logicalOf(position))
            c.movePosition(forward ? QTextCursor::NextCharacter : QTextCursor::PreviousCharacter);
        other = c.position();
    }
    other = std::clamp(other, 0, document()->characterCount() - 1);
    if (other != position) replaceRange(std::min(position, other), std::max(position, other), QString());
}

void CodeEditor::keyPressEvent(QKeyEvent* e)
{
    KeyDown key { e->key(), e->modifiers(), false };
    emit keyPressing(key);
    if (key.swallowed || key.key == 0) {
        e->accept();
        return;
    }
    if (handleBlockKey(e)) return;
    const bool wasBlock = m_block.active;
    if (m_block.active
        && (e == QKeySequence::Copy || (e->key() == Qt::Key_Insert && e->modifiers() == Qt::ControlModifier))) {
        copyToClipboard();
        return;
    }
    if (m_block.active
        && (e == QKeySequence::Cut || (e->key() == Qt::Key_Delete && e->modifiers() == Qt::ShiftModifier))) {
        cutToClipboard();
        return;
    }
    // Modifier keys alone leave the block: pressing Shift and Alt again (which some keyboards
    // report as Meta) extends it.
    const bool modifierOnly = e->key() == Qt::Key_Shift || e->key() == Qt::Key_Alt || e->key() == Qt::Key_Control
        || e->key() == Qt::Key_Meta || e->key() == Qt::Key_AltGr || e->key() == Qt::Key_Super_L
        || e->key() == Qt::Key_Super_R;
    if (m_block.active && !modifierOnly) {
        m_block = {};
        updateBlockHighlight();
    }
    if (modifierOnly) {
        QPlainTextEdit::keyPressEvent(e);
        return;
    }
    Q_UNUSED(wasBlock);

    const auto mods = e->modifiers() & ~Qt::KeypadModifier;
    if (e == QKeySequence::Copy || (e->key() == Qt::Key_Insert && mods == Qt::ControlModifier)) {
        copyToClipboard();
    } else if (e == QKeySequence::Cut || (e->key() == Qt::Key_Delete && mods == Qt::ShiftModifier)) {
        cutToClipboard();
    } else if (e == QKeySequence::Paste || (e->key() == Qt::Key_Insert && mods == Qt::ShiftModifier)) {
        pasteFromClipboard();
    } else if (e == QKeySequence::Undo) {
        undo();
    } else if (e == QKeySequence::Redo) {
        redo();
    } else if (e->key() == Qt::Key_Insert && mods == Qt::NoModifier) {
        setOverwriteMode(!overwriteMode());
        viewport()->update();
    } else if (e->key() == Qt::Key_Backspace && !(mods & ~(Qt::ControlModifier | Qt::ShiftModifier))) {
        handleBackspaceDelete(false, mods & Qt::ControlModifier);
    } else if (e->key() == Qt::Key_Delete && (mods == Qt::NoModifier || mods == Qt::ControlModifier)) {
        handleBackspaceDelete(true, mods & Qt::ControlModifier);
    } else if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && !(mods & ~Qt::ShiftModifier)) {
        replaceSelection(QStringLiteral("\n"), false);
        ensureCursorVisible();
    } else if (e->key() == Qt::Key_Tab && mods == Qt::NoModifier) {
        replaceSelection(QStringLiteral("\t"), true);
        ensureCursorVisible();
    } else if (isPrintable(e->text()) && !(mods & (Qt::ControlModifier | Qt::MetaModifier))) {
        QTextCursor c = cursor();
        if (overwriteMode() && !c.hasSelection() && !c.atBlockEnd()) {
            // Overwrite replaces the next character of the line.
            c.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
            placeCursor(c);
        }
        replaceSelection(e->text(), true);
        ensureCursorVisible();
    } else if (e == QKeySequence::DeleteEndOfLine || e == QKeySequence::DeleteCompleteLine
        || e == QKeySequence::DeleteStartOfWord || e == QKeySequence::DeleteEndOfWord
        || e == QKeySequence::InsertLineSeparator
        || (mods & Qt::ControlModifier && e->key() >= Qt::Key_A && e->key() <= Qt::Key_Z
            && e != QKeySequence::SelectAll)) {
        // The text widget's own bindings (Ctrl+K deletes to the end of the line, Ctrl+U the
        // line): the editor keeps only the keys its commands give a meaning.
        e->ignore();
        return;
    } else if (!moveToParagraphEdge(e)) {
        const int before = textCursor().position();
        runUntracked([&] { QPlainTextEdit::keyPressEvent(e); });
        // Arrows stop once at a piece boundary, not on both sides of it.
        if (movedWithinBreak(before)) runUntracked([&] { QPlainTextEdit::keyPressEvent(e); });
        return;
    }
    e->accept();
}

void CodeEditor::inputMethodEvent(QInputMethodEvent* e)
{
    if (e->commitString().isEmpty()) {
        runUntracked([&] { QPlainTextEdit::inputMethodEvent(e); });
        return;
    }
    replaceSelection(e->commitString(), true);
    QInputMethodEvent rest(e->preeditString(), e->attributes());
    runUntracked([&] { QPlainTextEdit::inputMethodEvent(&rest); });
    e->accept();
}

void CodeEditor::dragEnterEvent(QDragEnterEvent* e)
{
    // Dropped files are for the main window, which opens them.
    if (e->mimeData()->hasUrls()) {
        e->ignore();
        return;
    }
    QPlainTextEdit::dragEnterEvent(e);
}

void CodeEditor::dropEvent(QDropEvent* e)
{
    if (e->mimeData()->hasUrls() || !e->mimeData()->hasText()) {
        e->ignore();
        return;
    }
    const int drop = cursorForPosition(e->position().toPoint()).position();
    const QTextCursor c = cursor();
    if (e->source() == this || e->source() == viewport()) {
        // Moving text inside the document is one undo step over the span it crosses.
        const int a = c.selectionStart(), b = c.selectionEnd();
        if (drop >= a && drop <= b) {
            e->ignore();
            return;
        }
        const QString moved = plainText(a, b);
        if (drop < a)
            replaceRange(drop, b, moved + plainText(drop, a));
        else
            replaceRange(a, drop, plainText(b, drop) + moved);
        e->setDropAction(Qt::CopyAction); // the source must not delete anything itself
        e->accept();
        return;
    }
    QTextCursor at = cursor();
    at.setPosition(drop);
    placeCursor(at);
    replaceSelection(e->mimeData()->text(), false);
    e->acceptProposedAction();
}

void CodeEditor::mousePressEvent(QMouseEvent* e)
{
    if (m_block.active) {
        m_block = {};
        updateBlockHighlight();
    }
    QPlainTextEdit::mousePressEvent(e);
}

void CodeEditor::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton) {
        QPlainTextEdit::mouseDoubleClickEvent(e);
        return;
    }
    // Words end at the editor's separators.
    const QTextCursor at = cursorForPosition(e->position().toPoint());
    QTextBlock block = paragraphStart(at.block());
    const int lineStart = logicalOf(block.position());
    const QString line = paragraphText(block);
    int from = logicalOf(at.position()) - lineStart, to = from;
    while (from > 0 && !isSeparator(line[from - 1]))
        --from;
    while (to < line.size() && !isSeparator(line[to]))
        ++to;
    QTextCursor c = cursor();
    c.setPosition(positionOfLogical(lineStart + from));
    c.setPosition(positionOfLogical(lineStart + to), QTextCursor::KeepAnchor);
    placeCursor(c);
    e->accept();
}

// ---- appearance ---------------------------------------------------------------------------

void CodeEditor::setWordWrap(bool on)
{
    if (on && m_block.active) {
        m_block = {};
        updateBlockHighlight();
    }
    setLineWrapMode(on ? WidgetWidth : NoWrap);
    m_layoutWidth = viewport()->width(); // what the change of mode laid out for
    // The lines laid out for the other mode are stale: display-line counts must not read them.
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next())
        if (b.layout()) b.layout()->clearLayout();
}

bool CodeEditor::wordWrap() const { return lineWrapMode() != NoWrap; }

void CodeEditor::paintEvent(QPaintEvent* e)
{
    // What is on screen keeps its glyphs between layouts: an edit then shapes its paragraph
    // once, not again for the caret and again for the paint. Paragraphs that have been painted
    // hold their glyphs anyway, so this costs no memory beyond them.
    const int bottom = viewport()->height();
    for (QTextBlock b = firstVisibleBlock(); b.isValid(); b = b.next()) {
        if (blockBoundingGeometry(b).translated(contentOffset()).top() > bottom) break;
        b.layout()->setCacheEnabled(true);
    }
    QPlainTextEdit::paintEvent(e);
    // A red rule under the last line marks the end of the text. Far below the screen it is
    // not looked for, as finding it lays out the last paragraph.
    const QTextBlock top = firstVisibleBlock();
    if (document()->lastBlock().blockNumber() - top.blockNumber()
        > viewport()->height() / std::max(1, fontMetrics().lineSpacing()) + 1)
        return;
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    const QRect r = cursorRect(end);
    if (r.bottom() < 0 || r.top() > viewport()->height()) return;
    QPainter painter(viewport());
    painter.setPen(QPen(Qt::red, 1));
    painter.drawLine(
        r.left(), r.bottom() + 1, r.left() + fontMetrics().horizontalAdvance(QLatin1Char('M')), r.bottom() + 1);
}

void CodeEditor::changeEvent(QEvent* e)
{
    QPlainTextEdit::changeEvent(e);
    if (e->type() == QEvent::FontChange) { // tab stops every 8 columns of the current font
        setTabStopDistance(fontMetrics().horizontalAdvance(QLatin1Char(' ')) * 8);
        if (m_gutter) placeGutter();
    }
}

// ---- line numbers -------------------------------------------------------------------------

class LineNumberGutter : public QWidget {
public:
    explicit LineNumberGutter(CodeEditor* editor)
        : QWidget(editor)
        , m_editor(editor)
    {
        setObjectName(QStringLiteral("lineNumberGutter"));
    }

protected:
    void paintEvent(QPaintEvent* e) override { m_editor->paintGutter(e); }

private:
    CodeEditor* m_editor;
};

void CodeEditor::setLineNumbers(bool on)
{
    if (on == lineNumbers()) return;
    if (!on) {
        for (const auto& c : std::as_const(m_gutterConnections))
            disconnect(c);
        m_gutterConnections.clear();
        delete m_gutter;
        m_gutter = nullptr;
        setViewportMargins(0, 0, 0, 0);
        return;
    }
    m_gutter = new LineNumberGutter(this);
    m_gutterConnections << connect(this, &QPlainTextEdit::updateRequest, m_gutter, [this](const QRect& rect, int dy) {
        if (dy)
            m_gutter->scroll(0, dy);
        else
            m_gutter->update(0, rect.y(), m_gutter->width(), rect.height());
    });
    m_gutterConnections << connect(this, &QPlainTextEdit::blockCountChanged, this, &CodeEditor::placeGutter);
    // The mark moves only when the caret changes paragraph; typing in one repaints no numbers.
    m_gutterConnections << connect(this, &QPlainTextEdit::cursorPositionChanged, m_gutter, [this] {
        const int current = cursor().blockNumber();
        if (current == m_gutterCurrent) return;
        m_gutterCurrent = current;
        m_gutter->update();
    });
    placeGutter();
    m_gutter->show();
}

int CodeEditor::gutterWidth() const
{
    // Room for the largest number, at least three digits, so typing rarely widens it.
    const int digits = std::max(3, int(QString::number(document()->blockCount()).size()));
    return 10 + fontMetrics().horizontalAdvance(QLatin1Char('9')) * digits;
}

void CodeEditor::placeGutter()
{
    const int width = gutterWidth();
    if (viewportMargins().left() != width) setViewportMargins(width, 0, 0, 0);
    const QRect area = contentsRect();
    m_gutter->setGeometry(area.left(), area.top(), width, area.height());
    m_gutter->update();
}

void CodeEditor::resizeEvent(QResizeEvent* e)
{
    // Without wrapping, a wider view changes no paragraph's layout, yet the base class lays out
    // every paragraph again for any change of width: most of a second for a large file, on
    // every resize and when the window is maximised. It hears of the height alone then; only
    // a view narrower than the layout's width needs the new width (so that no needless
    // horizontal scroll bar stays).
    if (!wordWrap() && m_layoutWidth >= 0 && e->oldSize().isValid() && e->size().width() != e->oldSize().width()
        && e->size().width() >= m_layoutWidth) {
        QResizeEvent heightOnly(e->size(), QSize(e->size().width(), e->oldSize().height()));
        QPlainTextEdit::resizeEvent(&heightOnly);
    } else {
        if (e->size().width() != e->oldSize().width()) m_layoutWidth = e->size().width();
        QPlainTextEdit::resizeEvent(e);
    }
    if (m_gutter) placeGutter();
}

QList<CodeEditor::GutterLine> CodeEditor::gutterLines(int fromY, int toY) const
{
    QList<GutterLine> lines;
    const int current = cursor().blockNumber();
    QTextBlock block = firstVisibleBlock();
    qreal top = blockBoundingGeometry(block).translated(contentOffset()).top();
    while (block.isValid() && top <= toY) {
        const qreal bottom = top + blockBoundingRect(block).height();
        if (block.isVisible() && bottom >= fromY) {
            // The first display line's own top: the first paragraph starts below the margin.
            const QTextLine first = block.layout() ? block.layout()->lineAt(0) : QTextLine();
            const qreal y = top + (first.isValid() ? first.y() : 0);
            lines.append({ block.blockNumber() + 1, qRound(y), block.blockNumber() == current });
        }
        block = block.next();
        top = bottom;
    }
    return lines;
}

void CodeEditor::paintGutter(QPaintEvent* e)
{
    QPainter painter(m_gutter);
    const QPalette pal = palette();
    painter.fillRect(e->rect(), pal.color(QPalette::Window));
    const int lineHeight = fontMetrics().height();
    const int right = m_gutter->width() - 5;
    // Gutter coordinates match the viewport's vertically: both start at the contents' top.
    for (const GutterLine& line : gutterLines(e->rect().top(), e->rect().bottom())) {
        const QRect box(0, line.top, right, lineHeight);
        if (line.current) {
            painter.fillRect(QRect(0, box.top(), m_gutter->width(), lineHeight), pal.color(QPalette::Highlight));
            painter.setPen(pal.color(QPalette::HighlightedText));
        } else {
            painter.setPen(pal.color(QPalette::PlaceholderText));
        }
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, QString::number(line.number));
    }
}
