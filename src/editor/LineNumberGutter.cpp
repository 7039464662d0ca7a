#include "editor/LineNumberGutter.h"

#include "editor/CodeEditor.h"

#include <QPaintEvent>
#include <QPainter>

LineNumberGutter::LineNumberGutter(CodeEditor* editor)
    : QWidget(editor)
    , m_editor(editor)
{
    setObjectName(QStringLiteral("lineNumberGutter"));
    connect(editor, &QPlainTextEdit::updateRequest, this, [this](const QRect& rect, int dy) {
        if (dy)
            scroll(0, dy);
        else
            update(0, rect.y(), width(), rect.height());
    });
}

int LineNumberGutter::widthFor(int paragraphs, const QFontMetrics& metrics)
{
    const int digits = std::max(3, int(QString::number(paragraphs).size()));
    return 10 + metrics.horizontalAdvance(QLatin1Char('9')) * digits;
}

void LineNumberGutter::markCurrent(int paragraph)
{
    if (paragraph == m_current) return;
    m_current = paragraph;
    update();
}

void LineNumberGutter::paintEvent(QPaintEvent* e)
{
    QPainter painter(this);
    const QPalette pal = m_editor->palette();
    painter.fillRect(e->rect(), pal.color(QPalette::Window));
    const int lineHeight = m_editor->fontMetrics().height();
    const int right = width() - 5;
    // Gutter coordinates match the viewport's vertically: both start at the contents' top.
    for (const CodeEditor::GutterLine& line : m_editor->gutterLines(e->rect().top(), e->rect().bottom())) {
        const QRect box(0, line.top, right, lineHeight);
        if (line.current) {
            painter.fillRect(QRect(0, box.top(), width(), lineHeight), pal.color(QPalette::Highlight));
            painter.setPen(pal.color(QPalette::HighlightedText));
        } else {
            painter.setPen(pal.color(QPalette::PlaceholderText));
        }
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, QString::number(line.number));
    }
}
