#include "editor/CodeEditor.h"

#include "editor/LineNumberGutter.h"
#include "editor/WordRules.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <utility>
#include <QTextLayout>
#include <QTimer>

const QString CodeEditor::kSeparators = WordRules::kSeparators.toString();

namespace {
const QChar kParagraph(QChar::ParagraphSeparator);

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
    return position + document()->findBlock(position).blockNumber() - 2 * m_pieces.before(position);
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
        return position + number - 2 * m_pieces.before(position);
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
    return document()->characterCount() - 1 + document()->blockCount() - 1 - 2 * m_pieces.count();
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

QString CodeEditor::text() const { return withCrLf(m_pieces.strip(document()->toRawText(), 0)); }

void CodeEditor::setText(const QString& text) { replaceRange(0, document()->characterCount() - 1, text); }

// ---- pieces of long paragraphs ------------------------------------------------------------

QString CodeEditor::plainText(int from, int to) const
{
    QTextCursor c(document());
    c.setPosition(from);
    c.setPosition(to, QTextCursor::KeepAnchor);
    return m_pieces.strip(c.selectedText(), from).replace(kParagraph, QLatin1Char('\n'));
}

QTextBlock CodeEditor::paragraphStart(QTextBlock block) const
{
    while (block.isValid() && block.userState() == ParagraphPieces::kContinuationState && block.previous().isValid())
        block = block.previous();
    return block;
}

QTextBlock CodeEditor::paragraphBlock(int paragraph) const
{
    // Every piece boundary before the paragraph adds one block.
    int number = paragraph;
    for (const int piece : m_pieces.breaks()) {
        if (document()->findBlock(piece).blockNumber() >= number) break;
        ++number;
    }
    return document()->findBlockByNumber(number);
}

QString CodeEditor::paragraphText(QTextBlock& block)
{
    QString text = block.text();
    while (ParagraphPieces::continuesInNext(block)) {
        block = block.next();
        text += block.text();
    }
    return text;
}

void CodeEditor::rebuildPieces()
{
    std::vector<int> breaks;
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next())
        if (b.userState() == ParagraphPieces::kContinuationState && b.position() > 0)
            breaks.push_back(b.position() - 1);
    m_pieces.assign(std::move(breaks));
}

void CodeEditor::tidyPieces(int from, int to)
{
    // Only the paragraphs an edit touched: pieces grown too long are split, neighbours grown
    // small are joined. Neither is an edit of the text.
    const int lastLogical = logicalOf(to);
    // From the piece before the edit: it may join the edited one.
    QTextBlock block = document()->findBlock(from);
    if (block.userState() == ParagraphPieces::kContinuationState && block.previous().isValid())
        block = block.previous();
    const bool wasEditing = std::exchange(m_editing, true);
    while (block.isValid()) {
        const int length = block.length() - 1;
        if (length > ParagraphPieces::kMax) {
            // The cut depends on the block's start only: copying all of a long pasted line for
            // every piece split off it would take time in the square of its length.
            QTextCursor head(document());
            head.setPosition(block.position());
            head.setPosition(block.position() + ParagraphPieces::kMax + 1, QTextCursor::KeepAnchor);
            const int cut = block.position() + ParagraphPieces::pieceEnd(head.selectedText(), 0);
            const int state = block.userState();
            QTextCursor c(document());
            c.setPosition(cut);
            m_pieces.split(cut);
            c.insertBlock();
            block = document()->findBlock(cut);
            block.setUserState(state);
            block.next().setUserState(ParagraphPieces::kContinuationState);
            continue;
        }
        if (continuesInNext(block) && length + block.next().length() - 1 <= ParagraphPieces::kMax / 2) {
            const int separator = block.position() + length;
            const int state = block.userState();
            QTextCursor c(document());
            c.setPosition(separator);
            c.setPosition(separator + 1, QTextCursor::KeepAnchor);
            m_pieces.join(separator);
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
    int count = doc->blockCount() - m_pieces.count();
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
    if (!wordWrap()) return block.blockNumber() - m_pieces.before(block.position());
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
        c.setPosition(paragraphBlock(std::min(line, document()->blockCount() - 1 - m_pieces.count())).position());
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
        const qsizetype found = WordRules::findInParagraph(line, text, column, down, cs, wholeWord);
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
    const auto [from, to] = WordRules::wordAround(line, column);
    return line.mid(from, to - from);
}

// ---- files --------------------------------------------------------------------------------

void CodeEditor::setWholeText(QString text)
{
    m_editing = true;
    m_pending = false;
    m_block.end();
    setExtraSelections({});
    // Long paragraphs go in as pieces straight away, rather than split after a whole layout.
    ParagraphPieces::Cut cut = ParagraphPieces::cut(text);
    m_pieces.assign(std::move(cut.breaks));
    // Only one copy of a large text is held while the document takes its own.
    // (QString's move assignment swaps, so the old text goes with the temporary.)
    if (!cut.text.isNull()) text = std::exchange(cut.text, QString());
    setPlainText(text);
    for (const int number : cut.blocks)
        document()->findBlockByNumber(number).setUserState(ParagraphPieces::kContinuationState);
    // Colouring that ran while the text went in did not know where paragraphs go on.
    if (!cut.blocks.empty()) document()->markContentsDirty(0, document()->characterCount());
    m_editing = false;
    resetHistory();
    setModified(true);
    emitIfAnchorMoved();
}

void CodeEditor::loadFromFile(const QString& path, std::optional<TextFormat::Encoding> as)
{
    DocumentFile file;
    QString text = file.load(path, as);
    m_file = file;
    setWholeText(std::move(text));
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
    m_block.end();
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
    m_pieces.edited(from, to, int(text.size()));
    tidyPieces(from, from + int(text.size()));
    whole.endEditBlock();
    placeCursor(c);
    m_editing = false;
    setModified(true);
    const int typingEnd = m_history.typingEnd(); // an edit's own caret move does not end a typing run
    emitIfAnchorMoved();
    m_history.setTypingEnd(typingEnd);
}

void CodeEditor::replaceRange(int from, int to, const QString& rawText, bool typing)
{
    const int end = document()->characterCount() - 1;
    from = std::clamp(from, 0, end);
    to = std::clamp(to, from, end);
    const QString text = normaliseBreaks(rawText);
    EditHistory::Step step;
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

void CodeEditor::pushStep(EditHistory::Step step)
{
    const bool hadUndo = canUndo(), hadRedo = canRedo();
    m_history.record(std::move(step));
    notifyHistory(hadUndo, hadRedo);
}

void CodeEditor::undo()
{
    const bool hadUndo = canUndo(), hadRedo = canRedo();
    const bool undone = m_history.undo([this](const EditHistory::Step& step) {
        applyReplace(positionOfLogical(step.position), positionOfLogical(step.position + int(step.inserted.size())),
            step.removed);
        QTextCursor c = cursor();
        const int end = document()->characterCount() - 1;
        c.setPosition(std::min(positionOfLogical(step.anchorBefore), end));
        c.setPosition(std::min(positionOfLogical(step.caretBefore), end), QTextCursor::KeepAnchor);
        placeCursor(c);
    });
    if (undone) notifyHistory(hadUndo, hadRedo);
}

void CodeEditor::redo()
{
    const bool hadUndo = canUndo(), hadRedo = canRedo();
    const bool redone = m_history.redo([this](const EditHistory::Step& step) {
        applyReplace(positionOfLogical(step.position), positionOfLogical(step.position + int(step.removed.size())),
            step.inserted);
    });
    if (redone) notifyHistory(hadUndo, hadRedo);
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
    m_history.clear();
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

void CodeEditor::emitIfAnchorMoved()
{
    if (m_editing) return;
    const int anchor = selStart();
    m_history.caretMoved(logicalOf(m_pending ? m_pendingPosition : textCursor().position()));
    if (anchor == m_lastAnchor) return;
    m_lastAnchor = anchor;
    emit selectionMoved();
}

// ---- appearance ---------------------------------------------------------------------------

void CodeEditor::setWordWrap(bool on)
{
    if (on && m_block.isActive()) endBlock();
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

void CodeEditor::setLineNumbers(bool on)
{
    if (on == lineNumbers()) return;
    if (!on) {
        delete m_gutter; // and its connections with it
        m_gutter = nullptr;
        setViewportMargins(0, 0, 0, 0);
        return;
    }
    m_gutter = new LineNumberGutter(this);
    connect(this, &QPlainTextEdit::blockCountChanged, m_gutter, [this] { placeGutter(); });
    connect(this, &QPlainTextEdit::cursorPositionChanged, m_gutter,
        [this] { m_gutter->markCurrent(cursor().blockNumber()); });
    placeGutter();
    m_gutter->show();
}

QWidget* CodeEditor::lineNumberGutter() const { return m_gutter; }

int CodeEditor::gutterWidth() const { return LineNumberGutter::widthFor(document()->blockCount(), fontMetrics()); }

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
