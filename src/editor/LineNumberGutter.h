#pragma once

#include <QWidget>

class CodeEditor;
class QFontMetrics;

// The paragraph numbers at the editor's left edge. The editor places it (its viewport margin)
// and tells it the caret's paragraph; it paints the numbers CodeEditor::gutterLines() gives,
// the caret's paragraph marked.
class LineNumberGutter : public QWidget {
public:
    explicit LineNumberGutter(CodeEditor* editor);

    // Room for the largest paragraph number, at least three digits, so typing rarely widens it.
    static int widthFor(int paragraphs, const QFontMetrics& metrics);
    // The mark moves only when the caret changes paragraph; typing in one repaints no numbers.
    void markCurrent(int paragraph);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    CodeEditor* m_editor;
    int m_current = -1; // the paragraph the gutter marks
};
