// CodeEditor's input: the clipboard, block selection by keys, the keyboard, input methods,
// the mouse and drag and drop. Every change of the text still goes through replaceRange().
#include "editor/CodeEditor.h"

#include "editor/WordRules.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

namespace {
const QString kBlockMime = QStringLiteral("application/x-pelorin-block");

bool isPrintable(const QString& text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
}
} // namespace

// ---- clipboard ----------------------------------------------------------------------------

QMimeData* CodeEditor::createMimeDataFromSelection() const
{
    auto* data = new QMimeData;
    if (m_block.isActive()) {
        data->setText(m_block.text(*document()));
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
    if (!m_block.isActive() && !cursor().hasSelection()) return;
    QApplication::clipboard()->setMimeData(createMimeDataFromSelection());
}

void CodeEditor::cutToClipboard()
{
    if (m_block.isActive()) {
        // The block's columns leave every line of it, bottom up so positions stay valid.
        copyToClipboard();
        const BlockSelection block = m_block;
        endBlock();
        const int left = block.left(), right = block.right();
        for (int line = block.bottom(); line >= block.top(); --line) {
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

void CodeEditor::endBlock()
{
    m_block.end();
    updateBlockHighlight();
}

void CodeEditor::updateBlockHighlight()
{
    emit blockSelectionChanged(m_block.isActive());
    setExtraSelections(m_block.highlight(document(), palette()));
}

bool CodeEditor::handleBlockKey(QKeyEvent* e)
{
    const bool blockKey = (e->modifiers() & Qt::ShiftModifier) && (e->modifiers() & Qt::AltModifier)
        && (e->key() == Qt::Key_Left || e->key() == Qt::Key_Right || e->key() == Qt::Key_Up
            || e->key() == Qt::Key_Down);
    if (!blockKey || wordWrap()) return false;
    if (!m_block.isActive()) {
        const QTextCursor c = cursor();
        const QTextBlock block = document()->findBlock(c.position());
        m_block.start(block.blockNumber(), c.position() - block.position());
    }
    m_block.move(e->key(), document()->blockCount());
    const QTextBlock block = document()->findBlockByNumber(m_block.caretLine());
    QTextCursor c = cursor();
    c.setPosition(block.position() + std::min(m_block.caretColumn(), block.length() - 1));
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
    for (int line = firstLine; line <= lastLine; ++line)
        lines << document()->findBlockByNumber(line).text();
    const int from = first.position();
    replaceRange(
        from, last.position() + last.length() - 1, BlockSelection::pasted(lines, column, rows).join(QLatin1Char('\n')));
    QTextCursor after = cursor();
    after.setPosition(from + column + int(rows.value(0).size()));
    placeCursor(after);
}

// ---- input --------------------------------------------------------------------------------

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

int CodeEditor::wordBoundary(int position, bool forward) const
{
    QTextBlock block = paragraphStart(document()->findBlock(position));
    const int lineStart = logicalOf(block.position());
    const int column = logicalOf(position) - lineStart;
    const QString line = paragraphText(block);
    if (forward ? column >= line.size() : column == 0) return forward ? position + 1 : position - 1; // the break itself
    return positionOfLogical(lineStart + WordRules::runEnd(line, column, forward));
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
    KeyDown key { e->key(), e->modifiers() };
    emit keyPressing(key);
    if (key.key == 0) {
        e->accept();
        return;
    }
    if (handleBlockKey(e)) return;
    if (m_block.isActive()
        && (e == QKeySequence::Copy || (e->key() == Qt::Key_Insert && e->modifiers() == Qt::ControlModifier))) {
        copyToClipboard();
        return;
    }
    if (m_block.isActive()
        && (e == QKeySequence::Cut || (e->key() == Qt::Key_Delete && e->modifiers() == Qt::ShiftModifier))) {
        cutToClipboard();
        return;
    }
    // Modifier keys alone leave the block: pressing Shift and Alt again (which some keyboards
    // report as Meta) extends it.
    const bool modifierOnly = e->key() == Qt::Key_Shift || e->key() == Qt::Key_Alt || e->key() == Qt::Key_Control
        || e->key() == Qt::Key_Meta || e->key() == Qt::Key_AltGr || e->key() == Qt::Key_Super_L
        || e->key() == Qt::Key_Super_R;
    if (m_block.isActive() && !modifierOnly) endBlock();
    if (modifierOnly) {
        QPlainTextEdit::keyPressEvent(e);
        return;
    }

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
    if (m_block.isActive()) endBlock();
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
    const auto [from, to] = WordRules::wordAround(line, logicalOf(at.position()) - lineStart);
    QTextCursor c = cursor();
    c.setPosition(positionOfLogical(lineStart + from));
    c.setPosition(positionOfLogical(lineStart + to), QTextCursor::KeepAnchor);
    placeCursor(c);
    e->accept();
}
