#include "editor/CodeEditor.h"
#include "platform/FileError.h"
#include "support/FileBytes.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {
QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}

class CodeEditorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        editor.resize(600, 400);
        editor.show();
    }
    void load(const QByteArray& bytes) { editor.loadFromFile(writeFile(dir, "doc.htm", bytes)); }
    QTemporaryDir dir;
    CodeEditor editor;
};

// Every break counts two, whatever the file used.
TEST_F(CodeEditorTest, OffsetsCountEachBreakAsTwoForEveryBreakStyle)
{
    for (const QByteArray bytes : { QByteArray("ab\r\ncd\r\nef"), QByteArray("ab\ncd\nef"), QByteArray("ab\rcd\ref"),
             QByteArray("ab\n\rcd\n\ref") }) {
        SCOPED_TRACE(bytes.toStdString());
        load(bytes);
        EXPECT_EQ(editor.charCount(), 10);
        EXPECT_EQ(editor.charAt(1), QChar('b'));
        EXPECT_EQ(editor.charAt(2), QChar('\r'));
        EXPECT_EQ(editor.charAt(3), QChar('\n'));
        EXPECT_EQ(editor.charAt(4), QChar('c'));
        EXPECT_EQ(editor.charAt(9), QChar('f'));
        EXPECT_EQ(editor.charAt(10), QChar());
        EXPECT_EQ(editor.textRange(1, 5), "b\r\nc");
        EXPECT_EQ(editor.textRange(3, 5), "\nc");
        EXPECT_EQ(editor.textRange(1, 3), "b\r");
        EXPECT_EQ(editor.textRange(-5, 99), "ab\r\ncd\r\nef");
        EXPECT_EQ(editor.lines(), QStringList({ "ab", "cd", "ef" }));
        EXPECT_EQ(editor.text(), "ab\r\ncd\r\nef");
        EXPECT_TRUE(editor.isModified());
        EXPECT_FALSE(editor.canUndo());
    }
}

TEST_F(CodeEditorTest, CaretPositionsAndLines)
{
    load("ab\r\ncd\r\n");
    EXPECT_EQ(editor.lineCount(), 2); // the empty line after the final break is not counted
    EXPECT_EQ(editor.lineText(1), "cd");
    EXPECT_EQ(editor.lineText(2), "");
    editor.setSelStart(5);
    EXPECT_EQ(editor.selStart(), 5);
    EXPECT_EQ(editor.selLine(), 1);
    EXPECT_EQ(editor.selCol(), 1);
    // An offset between CR and LF stands at the end of its paragraph.
    editor.setSelStart(3);
    EXPECT_EQ(editor.selStart(), 2);
    EXPECT_EQ(editor.selLine(), 0);
    editor.setSelStart(-4);
    EXPECT_EQ(editor.selStart(), 0);
    editor.setSelStart(99);
    EXPECT_EQ(editor.selStart(), 8);
    editor.setSelLine(1);
    EXPECT_EQ(editor.selStart(), 4);
    editor.setSelLine(9);
    EXPECT_EQ(editor.selStart(), 8);
}

TEST_F(CodeEditorTest, SelectionIsAnAnchorAndASignedExtent)
{
    load("abc\r\ndef");
    editor.setSelStart(6);
    editor.setSelLength(-3);
    EXPECT_EQ(editor.selStart(), 6);
    EXPECT_EQ(editor.selLength(), -3);
    EXPECT_EQ(editor.selText(), "\r\nd");
    editor.setSelLength(50);
    EXPECT_EQ(editor.selLength(), 2);
    EXPECT_EQ(editor.selText(), "ef");
    editor.selectAll();
    EXPECT_EQ(editor.selStart(), 8);
    EXPECT_EQ(editor.selLength(), -8);
    editor.clear();
    editor.selectAll();
    EXPECT_EQ(editor.selStart(), 0);
    EXPECT_EQ(editor.selLength(), 0);
}

TEST_F(CodeEditorTest, SelTextReplacesAsOneUndoStep)
{
    load("abc\r\ndef");
    editor.setModified(false);
    editor.setSelStart(1);
    editor.setSelText("XY\r\nZ");
    EXPECT_EQ(editor.text(), "aXY\r\nZbc\r\ndef");
    EXPECT_EQ(editor.selStart(), 6); // right after the inserted text
    EXPECT_EQ(editor.selLength(), 0);
    EXPECT_TRUE(editor.isModified());

    editor.setSelStart(8);
    editor.setSelLength(-2);
    editor.setSelText("-");
    EXPECT_EQ(editor.text(), "aXY\r\nZ-\r\ndef");

    editor.undo();
    EXPECT_EQ(editor.text(), "aXY\r\nZbc\r\ndef");
    EXPECT_EQ(editor.selStart(), 8); // the selection comes back with the text
    EXPECT_EQ(editor.selLength(), -2);
    editor.undo();
    EXPECT_EQ(editor.text(), "abc\r\ndef");
    EXPECT_FALSE(editor.canUndo());
    editor.redo();
    editor.redo();
    EXPECT_EQ(editor.text(), "aXY\r\nZ-\r\ndef");
    EXPECT_FALSE(editor.canRedo());
    editor.undo();
    editor.setSelText("new"); // a new change forgets what could be redone
    EXPECT_FALSE(editor.canRedo());
}

TEST_F(CodeEditorTest, TypingAtOneAdvancingPositionIsOneStep)
{
    editor.setFocus();
    QTest::keyClicks(&editor, "hello");
    EXPECT_EQ(editor.text(), "hello");
    QTest::keyClick(&editor, Qt::Key_Left);
    QTest::keyClicks(&editor, "X");
    EXPECT_EQ(editor.text(), "hellXo");
    editor.undo();
    EXPECT_EQ(editor.text(), "hello");
    editor.undo();
    EXPECT_EQ(editor.text(), "");
    EXPECT_FALSE(editor.canUndo());

    QTest::keyClicks(&editor, "ab");
    QTest::keyClick(&editor, Qt::Key_Return);
    QTest::keyClick(&editor, Qt::Key_Backspace);
    QTest::keyClick(&editor, Qt::Key_Tab);
    EXPECT_EQ(editor.text(), "ab\t");
    editor.undo();
    editor.undo();
    editor.undo();
    EXPECT_EQ(editor.text(), "ab");
}

TEST_F(CodeEditorTest, OverwriteModeReplacesTheNextCharacterOfTheLine)
{
    load("abc\r\nd");
    editor.setFocus();
    editor.setSelStart(2);
    QTest::keyClick(&editor, Qt::Key_Insert);
    EXPECT_TRUE(editor.isOverwrite());
    QTest::keyClicks(&editor, "XY");
    EXPECT_EQ(editor.text(), "abXY\r\nd");
    editor.undo();
    EXPECT_EQ(editor.text(), "abc\r\nd");
}

TEST_F(CodeEditorTest, UndoHistoryIsBoundedOldestFirst)
{
    const QString chunk(1000, QLatin1Char('x'));
    for (int i = 0; i < 100; ++i) {
        editor.setSelStart(editor.charCount());
        editor.setSelText(chunk);
    }
    EXPECT_LE(editor.undoSpaceUsed(), CodeEditor::kUndoMaxSpace);
    int steps = 0;
    while (editor.canUndo()) {
        editor.undo();
        ++steps;
    }
    EXPECT_EQ(steps, CodeEditor::kUndoMaxSpace / (1000 + CodeEditor::kUndoStepHeader));
    EXPECT_EQ(editor.charCount(), (100 - steps) * 1000);

    // A single change larger than the whole bound can still be undone.
    editor.setSelText(QString(70000, QLatin1Char('y')));
    ASSERT_TRUE(editor.canUndo());
    editor.undo();
    EXPECT_EQ(editor.charCount(), (100 - steps) * 1000);
}

TEST_F(CodeEditorTest, LoadingClearAndClearUndoEmptyTheHistory)
{
    editor.setSelText("a");
    editor.clearUndo();
    EXPECT_FALSE(editor.canUndo());
    editor.setSelText("b");
    editor.clear();
    EXPECT_FALSE(editor.canUndo());
    EXPECT_TRUE(editor.isModified());
    editor.setSelText("c");
    load("x");
    EXPECT_FALSE(editor.canUndo());
}

struct FindCase {
    const char* what;
    int anchor;
    bool down, matchCase, wholeWord;
    bool found;
    int selStart, selLength;
};

TEST_F(CodeEditorTest, FindText)
{
    load("Hello world\r\nhello World wor");
    const FindCase cases[] = {
        { "hello", 0, true, false, false, true, 5, -5 },
        { "hello", 1, true, false, false, true, 18, -5 },
        { "hello", 0, true, true, false, true, 18, -5 },
        { "World", 0, true, true, false, true, 24, -5 },
        { "WORLD", 0, true, true, false, false, 0, 0 },
        { "wor", 0, true, false, true, true, 28, -3 },
        { "world\r\nhello", 0, true, false, false, false, 0, 0 },
        { "nothing", 0, true, false, false, false, 0, 0 },
        { "world", 29, false, false, false, true, 19, 5 },
        { "world", 19, false, false, false, true, 6, 5 },
        { "world", 20, false, true, false, true, 6, 5 },
        { "hello", 13, false, false, false, true, 0, 5 },
        { "wor", 29, false, false, true, true, 25, 3 },
        { "wor", 25, false, false, true, false, 25, 0 },
    };
    for (const FindCase& c : cases) {
        SCOPED_TRACE(std::string(c.what) + " from " + std::to_string(c.anchor));
        editor.setSelStart(c.anchor);
        EXPECT_EQ(editor.findText(c.what, c.down, c.matchCase, c.wholeWord), c.found);
        EXPECT_EQ(editor.selStart(), c.found ? c.selStart : c.anchor);
        EXPECT_EQ(editor.selLength(), c.selLength);
    }
}

TEST_F(CodeEditorTest, WordAtCaretStopsAtSeparators)
{
    load("x = document.getElementById(\"id\");");
    editor.setSelStart(8);
    EXPECT_EQ(editor.wordAtCaret(), "document");
    editor.setSelStart(15);
    EXPECT_EQ(editor.wordAtCaret(), "getElementById");
    editor.setSelStart(1);
    EXPECT_EQ(editor.wordAtCaret(), "x");
}

TEST_F(CodeEditorTest, SavingKeepsEncodingAndLineBreaks)
{
    const QByteArray cases[]
        = { QByteArray("caf\xC3\xA9\nline\n"), QByteArray("caf\xE9\r\nline"), QByteArray("\xEF\xBB\xBF<p>\r\n") };
    for (const QByteArray& bytes : cases) {
        load(bytes);
        const QString out = dir.filePath("out.htm");
        editor.saveToFile(out);
        EXPECT_EQ(readFile(out), bytes);
    }
    load("a\nb");
    editor.setSelStart(editor.charCount());
    editor.setSelText("\r\nc");
    editor.saveToFile(dir.filePath("out.htm"));
    EXPECT_EQ(readFile(dir.filePath("out.htm")), QByteArray("a\nb\nc"));

    load(QByteArray("ab\0cd", 5));
    EXPECT_EQ(editor.text(), "ab");
    editor.clear();
    editor.setSelText("new");
    editor.saveToFile(dir.filePath("new.htm"));
    EXPECT_EQ(readFile(dir.filePath("new.htm")), QByteArray("new"));
    EXPECT_THROW(editor.loadFromFile(dir.filePath("missing.htm")), FileError);
    EXPECT_THROW(editor.saveToFile(dir.filePath("none/x.htm")), FileError);
}

TEST_F(CodeEditorTest, AddLineAppendsALineAndABreak)
{
    editor.addLine("one");
    EXPECT_EQ(editor.text(), "one\r\n");
    EXPECT_EQ(editor.selStart(), 5);
    editor.setSelText("two");
    editor.addLine("three");
    EXPECT_EQ(editor.text(), "one\r\ntwo\r\nthree\r\n");
}

TEST_F(CodeEditorTest, WordWrapCountsDisplayLines)
{
    editor.resize(200, 300);
    load(QByteArray("short\r\n") + QByteArray(400, 'w').replace("wwww", "www ") + "\r\nend");
    EXPECT_EQ(editor.lineCount(), 3);
    editor.setWordWrap(true);
    EXPECT_GT(editor.lineCount(), 3);
    EXPECT_EQ(editor.lines().size(), editor.lineCount());
    EXPECT_EQ(editor.lines().join(""), editor.text().remove("\r\n"));
    editor.saveToFile(dir.filePath("w.htm"));
    EXPECT_EQ(readFile(dir.filePath("w.htm")).size(), 7 + 400 + 2 + 3);
}

TEST_F(CodeEditorTest, SelectionMovesAreReported)
{
    load("abc\r\ndef");
    QSignalSpy moved(&editor, &CodeEditor::selectionMoved);
    editor.setSelStart(4);
    editor.setSelText("x");
    EXPECT_EQ(moved.count(), 2);
    editor.setSelLength(-2); // only the far end moves
    EXPECT_EQ(moved.count(), 2);
}

TEST_F(CodeEditorTest, KeyHandlerSeesKeysFirstAndMaySwallowThem)
{
    int seen = 0;
    QObject::connect(&editor, &CodeEditor::keyPressing, [&](CodeEditor::KeyDown& key) {
        ++seen;
        if (key.key == Qt::Key_A) key.key = 0;
    });
    editor.setFocus();
    QTest::keyClicks(&editor, "ab");
    EXPECT_EQ(seen, 2);
    EXPECT_EQ(editor.text(), "b");
}

TEST_F(CodeEditorTest, RectangularBlocksCopyAndPasteAsBlocks)
{
    load("abcd\r\nefgh\r\nijkl");
    editor.setFocus();
    editor.setSelStart(1);
    QTest::keyClick(&editor, Qt::Key_Right, Qt::ShiftModifier | Qt::AltModifier);
    QTest::keyClick(&editor, Qt::Key_Right, Qt::ShiftModifier | Qt::AltModifier);
    QTest::keyClick(&editor, Qt::Key_Down, Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_TRUE(editor.hasBlockSelection());
    editor.copyToClipboard();
    EXPECT_EQ(QApplication::clipboard()->text(), "bc\nfg");
    editor.setSelStart(editor.charCount());
    editor.pasteFromClipboard();
    EXPECT_EQ(editor.text(), "abcd\r\nefgh\r\nijklbc\r\n    fg");
    editor.undo();
    EXPECT_EQ(editor.text(), "abcd\r\nefgh\r\nijkl");
}
} // namespace
