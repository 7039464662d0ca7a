// Minified files: a paragraph of tens of thousands of characters is shown in pieces, and every
// operation of the editor still sees one paragraph.
#include "editor/CodeEditor.h"
#include "editor/SyntaxColourer.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextLayout>
#include <gtest/gtest.h>

namespace {

// One long line between two short ones, LF breaks as a minified file might have.
QString longLine()
{
    QString line;
    for (int i = 0; line.size() < 20000; ++i)
        line += QStringLiteral("var a%1=f(b,c);if(x){y%1}").arg(i);
    return line;
}

class LongLine : public ::testing::Test {
protected:
    void SetUp() override
    {
        editor.resize(600, 400);
        editor.show();
        original = "<P>top</P>\r\n" + longLine() + "\r\nend";
        const QString path = dir.filePath("min.js");
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(QString(original).replace("\r\n", "\n").toUtf8());
        f.close();
        editor.loadFromFile(path);
    }
    // Offsets where the display pieces of the long line meet.
    std::vector<int> boundaries() const
    {
        std::vector<int> out;
        for (QTextBlock b = editor.document()->begin(); b.isValid(); b = b.next())
            if (CodeEditor::continuesInNext(b)) out.push_back(editor.offsetOfPosition(b.next().position()));
        return out;
    }
    QTemporaryDir dir;
    CodeEditor editor;
    QString original;
};

TEST_F(LongLine, OffsetsLinesAndSelectionSeeOneParagraph)
{
    const std::vector<int> pieces = boundaries();
    ASSERT_GT(pieces.size(), 5u);
    EXPECT_EQ(editor.text(), original);
    EXPECT_EQ(editor.charCount(), original.size());
    EXPECT_EQ(editor.lineCount(), 3);
    EXPECT_EQ(editor.lines(), QStringList({ "<P>top</P>", longLine(), "end" }));
    EXPECT_EQ(editor.lineText(1), longLine());
    EXPECT_EQ(editor.lineText(2), "end");
    for (const int at : pieces) {
        for (int offset = at - 3; offset <= at + 3; ++offset) {
            EXPECT_EQ(editor.charAt(offset), original[offset]) << offset;
            editor.setSelStart(offset);
            EXPECT_EQ(editor.selStart(), offset);
            EXPECT_EQ(editor.selLine(), 1);
            EXPECT_EQ(editor.selCol(), offset - 12);
            editor.setSelLength(-5);
            EXPECT_EQ(editor.selLength(), -5);
            EXPECT_EQ(editor.selText(), original.mid(offset - 5, 5));
        }
        EXPECT_EQ(editor.textRange(at - 10, at + 10), original.mid(at - 10, 20));
    }
    // A search finds a match that runs over a piece boundary, and the lines after the long one.
    editor.setSelStart(0);
    const QString across = original.mid(pieces[2] - 4, 8);
    ASSERT_TRUE(editor.findText(across, true, true, false));
    EXPECT_EQ(editor.selStart(), original.indexOf(across) + 8);
    EXPECT_EQ(editor.selText(), across);
    editor.setSelLine(2);
    EXPECT_EQ(editor.selStart(), original.size() - 3);

    const QString saved = dir.filePath("saved.js");
    editor.saveToFile(saved);
    QFile f(saved);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(f.readAll()), QString(original).replace("\r\n", "\n"));
}

TEST_F(LongLine, TypingDeletingAndUndoKeepTheText)
{
    const int middle = boundaries()[3];
    editor.setSelStart(middle);
    const QString typed(3000, QLatin1Char('q')); // enough to outgrow a piece
    QTest::keyClicks(&editor, typed);
    QString expected = QString(original).insert(middle, typed);
    EXPECT_EQ(editor.text(), expected);
    EXPECT_EQ(editor.selStart(), middle + 3000);
    EXPECT_EQ(editor.lineCount(), 3);

    // Backspace and Delete at a piece boundary take one character each.
    const int at = boundaries()[1];
    editor.setSelStart(at);
    QTest::keyClick(&editor, Qt::Key_Backspace);
    QTest::keyClick(&editor, Qt::Key_Delete);
    expected.remove(at - 1, 2);
    EXPECT_EQ(editor.text(), expected);
    // An arrow crosses a boundary in one step.
    const int next = boundaries()[2];
    editor.setSelStart(next - 1);
    QTest::keyClick(&editor, Qt::Key_Right);
    EXPECT_EQ(editor.selStart(), next);
    QTest::keyClick(&editor, Qt::Key_Right);
    EXPECT_EQ(editor.selStart(), next + 1);
    QTest::keyClick(&editor, Qt::Key_Left);
    QTest::keyClick(&editor, Qt::Key_Left);
    EXPECT_EQ(editor.selStart(), next - 1);
    // Home and End go to the ends of the paragraph.
    QTest::keyClick(&editor, Qt::Key_End);
    EXPECT_EQ(editor.selStart(), expected.indexOf("\r\nend"));
    QTest::keyClick(&editor, Qt::Key_Home, Qt::ShiftModifier);
    EXPECT_EQ(editor.selText(), expected.mid(12, expected.indexOf("\r\nend") - 12));

    // A large deletion joins pieces; undo brings every step back, redo reapplies them.
    const int blocksBefore = editor.document()->blockCount();
    editor.setSelStart(100);
    editor.setSelLength(15000);
    editor.setSelText("");
    EXPECT_EQ(editor.text(), QString(expected).remove(100, 15000));
    EXPECT_LT(editor.document()->blockCount(), blocksBefore);
    editor.undo();
    EXPECT_EQ(editor.text(), expected);
    editor.undo();
    editor.undo();
    EXPECT_EQ(editor.text(), QString(original).insert(middle, typed));
    editor.undo();
    EXPECT_EQ(editor.text(), original);
    EXPECT_FALSE(editor.canUndo());
    while (editor.canRedo())
        editor.redo();
    EXPECT_EQ(editor.text(), QString(expected).remove(100, 15000));
}

TEST_F(LongLine, AMegabyteLinePastedIntoAShownEditorIsSplitInOneGo)
{
    // Splitting piece after piece used to lay out the rest of the line each time: minutes for
    // a pasted megabyte.
    const QString big = "<p>" + QString("x y ").repeated(300000) + "</p>";
    editor.setSelStart(0);
    editor.setSelText(big);
    EXPECT_EQ(editor.text(), big + original);
    EXPECT_GT(editor.document()->blockCount(), 1000);
    EXPECT_EQ(editor.selStart(), big.size());
    editor.undo();
    EXPECT_EQ(editor.text(), original);
}

TEST_F(LongLine, ResizingWithoutWrapLaysNothingOutAgain)
{
    // A wider view keeps every layout (the base class would lay out each paragraph again); a
    // narrower one than the layouts were made for takes the new width, so no needless
    // horizontal scroll bar stays.
    editor.setText("short\r\nlines\r\nonly");
    editor.viewport()->repaint();
    QSignalSpy relaidOut(editor.document()->documentLayout(), &QAbstractTextDocumentLayout::update);
    editor.resize(900, 400);
    QApplication::processEvents();
    EXPECT_EQ(relaidOut.count(), 0);
    editor.resize(300, 400);
    QApplication::processEvents();
    editor.viewport()->repaint();
    EXPECT_EQ(editor.horizontalScrollBar()->maximum(), 0);
    // Word wrap still follows the width.
    editor.setWordWrap(true);
    editor.setText(QString("word ").repeated(200));
    editor.viewport()->repaint();
    const int lines = editor.document()->firstBlock().layout()->lineCount();
    editor.resize(600, 400);
    QApplication::processEvents();
    editor.viewport()->repaint();
    EXPECT_LT(editor.document()->firstBlock().layout()->lineCount(), lines);
}

TEST_F(LongLine, ColoursAndRichTextGoOnAcrossPieces)
{
    // A script string that runs over piece boundaries keeps its colour in the next piece.
    QString script = "<SCRIPT>var s='";
    for (int i = 0; i < 1500; ++i)
        script += "ab ";
    script += "';</SCRIPT>";
    editor.setText(script);
    SyntaxColourer colourer;
    colourer.attach(&editor);
    colourer.finishColouring();
    const QTextBlock second = editor.document()->firstBlock().next();
    ASSERT_TRUE(CodeEditor::continuesInNext(editor.document()->firstBlock()));
    const QList<QTextLayout::FormatRange> formats = second.layout()->formats();
    ASSERT_FALSE(formats.isEmpty());
    EXPECT_EQ(formats.first().start, 0);
    EXPECT_EQ(formats.first().format.foreground().color(), QColor(0x0000FF));
    // One paragraph is one line of rich text, whatever its pieces.
    const QString rtf = colourer.rtfForRange(0, editor.document()->characterCount() - 1);
    EXPECT_EQ(rtf.count("\\par "), 1); // the closing one only
    EXPECT_TRUE(rtf.contains("'ab ab"));
}

TEST_F(LongLine, AnIdleEditorNeitherPaintsNorRunsTimers)
{
    SyntaxColourer colourer;
    colourer.attach(&editor);
    editor.setSelStart(boundaries()[2]);
    QTest::keyClicks(&editor, "abc");
    editor.clearFocus(); // no caret blinking
    colourer.finishColouring();
    // What the focus change and the last keys asked for is painted first.
    const auto run = [](int ms) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms)
            QApplication::processEvents(QEventLoop::AllEvents, 20);
    };
    run(100);
    int paints = 0, timers = 0;
    struct Counter : QObject {
        int* paints;
        int* timers;
        QObject* editor;
        QObject* colourer;
        bool eventFilter(QObject* watched, QEvent* e) override
        {
            if (e->type() == QEvent::Paint) ++*paints;
            if (e->type() == QEvent::Timer)
                for (QObject* o = watched; o; o = o->parent())
                    if (o == editor || o == colourer) ++*timers;
            return false;
        }
    } counter;
    counter.paints = &paints;
    counter.timers = &timers;
    counter.editor = &editor;
    counter.colourer = &colourer;
    qApp->installEventFilter(&counter);
    run(300);
    qApp->removeEventFilter(&counter);
    EXPECT_EQ(paints, 0);
    EXPECT_EQ(timers, 0);
    EXPECT_TRUE(colourer.isColouringComplete());
}

} // namespace
