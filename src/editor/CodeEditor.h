#pragma once

#include "editor/BlockSelection.h"
#include "editor/DocumentFile.h"
#include "editor/EditHistory.h"
#include "editor/ParagraphPieces.h"
#include "editor/TextFile.h"

#include <QPlainTextEdit>
#include <QStringList>
#include <QTextBlock>
#include <functional>

class LineNumberGutter;

// The text control that holds a document. Offsets count every paragraph break as two
// characters (CR LF), whatever the file used; the selection is an anchor (selStart) and a
// signed extent (selLength). Every change of the text goes through replaceRange(), which
// records the editor's own bounded undo history (EditHistory). Its parts: ParagraphPieces (long
// paragraphs shown in pieces), BlockSelection, LineNumberGutter, WordRules; the input handlers
// (keys, mouse, drag and drop, clipboard) are in CodeEditorInput.cpp.
class CodeEditor : public QPlainTextEdit {
    Q_OBJECT
public:
    // What the main window's key handler sees before the editor acts on a key; setting key to
    // 0 swallows it.
    struct KeyDown {
        int key = 0;
        Qt::KeyboardModifiers modifiers;
    };

    static constexpr int kUndoMaxSpace = EditHistory::kMaxSpace;
    static constexpr int kUndoStepHeader = EditHistory::kStepHeader;
    // Characters that end a word: double-click, Ctrl+Backspace and wordAtCaret().
    static const QString kSeparators;

    explicit CodeEditor(QWidget* parent = nullptr);
    ~CodeEditor() override;

    // Text, with breaks as CR LF.
    QString text() const;
    // Replaces the whole text as one undo step (like a paste over everything).
    void setText(const QString& text);
    int charCount() const;
    QChar charAt(int offset) const;
    QString textRange(int from, int to) const;

    // Display lines: paragraphs with word wrap off, wrapped lines with it on. The empty line
    // after a final break is not counted.
    QStringList lines() const;
    int lineCount() const;
    QString lineText(int line) const;
    // Appends text and a line break at the end; bare caret at the end.
    void addLine(const QString& line);

    int selStart() const;
    void setSelStart(int offset);
    int selLength() const;
    void setSelLength(int length);
    QString selText() const;
    void setSelText(const QString& text);
    int selLine() const;
    void setSelLine(int line);
    int selCol() const;
    void selectAll();
    void scrollInView();
    void scrollToLine(int line);
    int lineHeight() const;

    bool findText(const QString& text, bool down, bool matchCase, bool wholeWord);
    QString wordAtCaret() const;

    // Files: loading empties the undo history and sets the modified flag (the caller clears
    // it); saving keeps the file's encoding and line-break style. Errors throw FileError.
    // The file is then the editor's: its name, format and disk state (see DocumentFile); a save
    // asks nothing (saveEditorAsked asks the questions first).
    void loadFromFile(const QString& path, std::optional<TextFormat::Encoding> as = std::nullopt);
    void saveToFile(const QString& path) { saveToFile(path, m_file.format()); }
    void saveToFile(const QString& path, const TextFormat& format);
    const DocumentFile& file() const { return m_file; }
    // The text as the file holds it: one entry a paragraph, whatever is wrapped or cut in pieces.
    QStringList paragraphs() const;
    TextFormat textFormat() const { return m_file.format(); }
    void setTextFormat(const TextFormat& format) { m_file.setFormat(format); }

    void clear();

    void copyToClipboard();
    void cutToClipboard();
    void pasteFromClipboard();

    void undo();
    void redo();
    bool canUndo() const { return m_history.canUndo(); }
    bool canRedo() const { return m_history.canRedo(); }
    void clearUndo();
    // Bytes the undo history holds by its own count (text plus a header per step).
    int undoSpaceUsed() const { return m_history.spaceUsed(); }

    bool isModified() const { return m_modified; }
    void setModified(bool modified);

    void setWordWrap(bool on);
    bool wordWrap() const;

    // Gives the rich-text (RTF) form of a range of document positions; a copy then carries it
    // beside the plain text.
    void setRichTextExporter(std::function<QString(int from, int to)> exporter) { m_richText = std::move(exporter); }

    // The gutter of paragraph numbers at the left edge, off by default. While it is off the
    // editor has no margin and no handler of its own for it.
    void setLineNumbers(bool on);
    bool lineNumbers() const { return m_gutter != nullptr; }
    QWidget* lineNumberGutter() const;
    // What the gutter shows: a number on each paragraph's first display line in view.
    struct GutterLine {
        int number = 0; // 1-based paragraph number
        int top = 0; // in viewport coordinates
        bool current = false; // the caret's paragraph
    };
    QList<GutterLine> gutterLines(int fromY, int toY) const;
    int gutterWidth() const;

    bool isOverwrite() const { return overwriteMode(); }
    bool hasBlockSelection() const { return m_block.isActive(); }

    // Paragraphs longer than this are shown in pieces of about half of it (see ParagraphPieces),
    // each a text block of its own, so that typing lays out one piece and not the whole paragraph.
    // The pieces are display only: offsets, lines, the text and its undo steps never see them.
    static constexpr int kPieceMax = ParagraphPieces::kMax;
    // The block goes on in the next one (its end is a piece boundary, not a paragraph break).
    static bool continuesInNext(const QTextBlock& block) { return ParagraphPieces::continuesInNext(block); }

    // Offset <-> QTextDocument position (the one place that knows breaks count twice).
    int positionOfOffset(int offset) const;
    int offsetOfPosition(int position) const;

    // Replaces document positions [from, to) with text as one undo step; '\n' in text starts a
    // new paragraph. Leaves a bare caret after the inserted text.
    void replaceRange(int from, int to, const QString& text, bool typing = false);

signals:
    // The anchor moved, by the user or by an operation.
    void selectionMoved();
    void keyPressing(CodeEditor::KeyDown& key);
    void modifiedChanged(bool modified);
    void undoAvailable(bool available);
    void redoAvailable(bool available);
    // A block (Shift+Alt+arrows) was started, changed or ended.
    void blockSelectionChanged(bool active);

protected:
    bool event(QEvent* e) override;
    bool viewportEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void insertFromMimeData(const QMimeData* source) override;
    QMimeData* createMimeDataFromSelection() const override;
    void dropEvent(QDropEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void changeEvent(QEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void applyReplace(int from, int to, const QString& text);
    void pushStep(EditHistory::Step step);
    void resetHistory();
    void notifyHistory(bool hadUndo, bool hadRedo);
    void replaceSelection(const QString& text, bool typing);
    void handleBackspaceDelete(bool forward, bool word);
    bool handleBlockKey(QKeyEvent* e);
    void endBlock();
    void updateBlockHighlight();
    void pasteBlock(const QStringList& rows);
    void setWholeText(QString text);
    void emitIfAnchorMoved();
    int wordBoundary(int position, bool forward) const;
    void runUntracked(const std::function<void()>& action);
    // The selection as the editor sees it: the widget's cursor, or the pending one.
    QTextCursor cursor() const;
    void placeCursor(const QTextCursor& c);
    void deferCursor(int anchor, int position);
    void flushCursor();
    void placeGutter();

    // Positions that do not count piece boundaries: what undo steps record.
    int logicalOf(int position) const { return m_pieces.logicalOf(position); }
    int positionOfLogical(int logical) const { return m_pieces.positionOfLogical(logical); }
    QString plainText(int from, int to) const;
    QTextBlock paragraphStart(QTextBlock block) const;
    QTextBlock paragraphBlock(int paragraph) const;
    // The paragraph's text from its first block; block is left on its last piece.
    static QString paragraphText(QTextBlock& block);
    void rebuildPieces();
    void tidyPieces(int from, int to);
    bool movedWithinBreak(int before) const;
    bool moveToParagraphEdge(QKeyEvent* e);

    ParagraphPieces m_pieces;
    EditHistory m_history;
    bool m_modified = false;
    bool m_editing = false;
    int m_lastAnchor = -1;
    DocumentFile m_file;
    BlockSelection m_block;
    std::function<QString(int, int)> m_richText;
    bool m_pending = false;
    bool m_flushScheduled = false;
    int m_pendingAnchor = 0;
    int m_pendingPosition = 0;
    LineNumberGutter* m_gutter = nullptr;
    int m_layoutWidth = -1; // the width the paragraphs were last laid out for
};
