#include "editor/CodeEditor.h"

#include <QPixmap>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <gtest/gtest.h>

namespace {
class LineNumbersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        editor.resize(500, 300);
        editor.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
    }
    // Paragraph `number` (1-based) starts at this viewport y.
    int paragraphTop(int number)
    {
        QTextCursor c(editor.document()->findBlockByNumber(number - 1));
        return editor.cursorRect(c).top();
    }
    QList<CodeEditor::GutterLine> shown() { return editor.gutterLines(0, editor.viewport()->height()); }
    CodeEditor editor;
};

// Off by default; on, the text moves right by the gutter's width; off again, all is as before.
TEST_F(LineNumbersTest, OffLeavesTheEditorAsItWas)
{
    editor.setText("<p>one</p>\r\n<p>two</p>");
    EXPECT_FALSE(editor.lineNumbers());
    EXPECT_EQ(editor.findChild<QWidget*>("lineNumberGutter"), nullptr);
    const QRect viewport = editor.viewport()->geometry();
    const QRect caret = editor.cursorRect();

    editor.setLineNumbers(true);
    QWidget* gutter = editor.lineNumberGutter();
    ASSERT_NE(gutter, nullptr);
    EXPECT_TRUE(gutter->isVisible());
    EXPECT_EQ(editor.viewport()->geometry().left(), viewport.left() + editor.gutterWidth());
    EXPECT_EQ(gutter->geometry().right() + 1, editor.viewport()->geometry().left());
    EXPECT_EQ(gutter->height(), editor.viewport()->height());
    EXPECT_EQ(editor.cursorRect(), caret); // viewport coordinates are unchanged
    editor.setSelStart(12);
    EXPECT_EQ(editor.selStart(), 12);
    EXPECT_EQ(editor.selLine(), 1);

    editor.setLineNumbers(false);
    EXPECT_EQ(editor.findChild<QWidget*>("lineNumberGutter"), nullptr);
    EXPECT_EQ(editor.viewport()->geometry(), viewport);
}

// A number on each paragraph's first display line, level with it, with word wrap and after
// scrolling; the caret's paragraph is marked.
TEST_F(LineNumbersTest, NumbersFollowParagraphsWrapAndScrolling)
{
    QStringList paragraphs;
    for (int i = 1; i <= 300; ++i)
        paragraphs << (i == 2 ? QString("word ").repeated(200) : QString("line %1").arg(i));
    editor.setText(paragraphs.join("\r\n"));
    editor.setLineNumbers(true);
    editor.setWordWrap(true);
    editor.setSelStart(0);
    editor.scrollInView();
    QCoreApplication::processEvents();

    QList<CodeEditor::GutterLine> lines = shown();
    ASSERT_GE(lines.size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(lines[i].number, i + 1);
        EXPECT_EQ(lines[i].top, paragraphTop(i + 1)) << i;
        EXPECT_EQ(lines[i].current, i == 0);
    }
    // The wrapped paragraph takes several display lines and one number.
    EXPECT_GT(lines[2].top - lines[1].top, 3 * editor.fontMetrics().height());

    editor.setSelStart(editor.charCount());
    editor.scrollInView();
    QCoreApplication::processEvents();
    lines = shown();
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_GT(lines.first().number, 250);
    EXPECT_EQ(lines.last().number, 300);
    EXPECT_TRUE(lines.last().current);
    for (const auto& line : lines)
        EXPECT_EQ(line.top, paragraphTop(line.number)) << line.number;
    // Painting after the scroll draws without complaint.
    EXPECT_FALSE(editor.lineNumberGutter()->grab().isNull());
}

// The gutter is as wide as the largest number needs in the editor's font.
TEST_F(LineNumbersTest, WidthFollowsTheNumbersAndTheFont)
{
    editor.setText("a");
    editor.setLineNumbers(true);
    const int small = editor.gutterWidth();
    EXPECT_EQ(editor.lineNumberGutter()->width(), small);
    editor.setText(QString("a\r\n").repeated(12345));
    EXPECT_GT(editor.gutterWidth(), small);
    EXPECT_EQ(editor.lineNumberGutter()->width(), editor.gutterWidth());

    const int before = editor.gutterWidth();
    QFont font = editor.font();
    font.setPointSize(font.pointSize() * 2);
    editor.setFont(font);
    EXPECT_GT(editor.gutterWidth(), before);
    EXPECT_EQ(editor.lineNumberGutter()->width(), editor.gutterWidth());
    EXPECT_EQ(editor.lineNumberGutter()->font(), editor.font());
    EXPECT_EQ(editor.viewport()->geometry().left(), editor.lineNumberGutter()->geometry().right() + 1);
}
} // namespace
