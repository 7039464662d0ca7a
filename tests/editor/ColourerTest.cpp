#include "support/QStringPrinter.h"
#include "editor/CodeEditor.h"
#include "editor/SyntaxColourer.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>


namespace {

// A block's colours as [#foreground/#background/b/i/alt:text] runs, plain text as it is.
QString renderBlock(const QTextBlock& block)
{
    const QString text = block.text();
    QString out;
    int pos = 0;
    for (const QTextLayout::FormatRange& r : block.layout()->formats()) {
        out += text.mid(pos, r.start - pos);
        QString look = r.format.foreground().style() != Qt::NoBrush ? r.format.foreground().color().name() : "-";
        if (r.format.background().style() != Qt::NoBrush) look += "/" + r.format.background().color().name();
        if (r.format.fontWeight() == QFont::Bold) look += "/b";
        if (r.format.fontItalic()) look += "/i";
        if (r.format.hasProperty(QTextFormat::FontFamilies)) look += "/alt";
        out += "[" + look + ":" + text.mid(r.start, r.length) + "]";
        pos = r.start + r.length;
    }
    return out + text.mid(pos);
}

QStringList renderDocument(const QPlainTextEdit& editor)
{
    QStringList out;
    for (QTextBlock b = editor.document()->begin(); b.isValid(); b = b.next())
        out << renderBlock(b);
    return out;
}

class Colourer : public ::testing::Test {
protected:
    Colourer()
    {
        editor.resize(600, 400);
        QPalette p = editor.palette();
        p.setColor(QPalette::Text, Qt::black);
        p.setColor(QPalette::Base, Qt::white);
        editor.setPalette(p);
        editor.show();
    }
    // As a file is loaded: caret and view at the top.
    void load(QString text)
    {
        editor.setPlainText(text.replace("\r\n", "\n"));
        colourer.attach(&editor);
    }
    QTextBlock block(int n) const { return editor.document()->findBlockByNumber(n); }
    QString line(int n) const { return renderBlock(block(n)); }

    CodeEditor editor;
    SyntaxColourer colourer;
};

QString scriptLines(int count)
{
    QString text = QStringLiteral("<SCRIPT>\r\n");
    for (int i = 0; i < count; ++i)
        text += QStringLiteral("var a%1 = 'x'; if (a) {\r\n").arg(i);
    return text + QStringLiteral("</SCRIPT>\r\n<P class=x>&amp;");
}

} // namespace

TEST_F(Colourer, ColoursParagraphsFromTheirStoredStates)
{
    load("<TABLE border=1>\r\n<SCRIPT>\r\nfunction f() {\r\n/* a\r\nb */ x = \"s\\n\r\n</SCRIPT><% y %>");
    colourer.finishColouring();
    EXPECT_EQ(renderDocument(editor),
        QStringList({ "[#0000ff:<][#000080:TABLE][#008000/i: ][#008000:border=][#808080:1][#0000ff:>]", "<SCRIPT>",
            "[#ff0080/#00ffff/b:function] f() [#0000ff/#ffffff/b:{]", "[#008080:/* a]",
            "[#008080:b */] x = [#0000ff:\"s][#008080/#ffffff/b:\\n]",
            "</SCRIPT>[#0000ff:<][-/alt:% y %][#0000ff:>]" }));
}

// BR has no closing form: a closing BR outside a script is red, its "/" too, loaded or typed.
TEST_F(Colourer, AClosingBrIsRedWhole)
{
    load("</BR>\r\n<SCRIPT>\r\n</SCRIPT>\r\n</br> x");
    colourer.finishColouring();
    EXPECT_EQ(renderDocument(editor),
        QStringList({ "[#0000ff:<][#ff0000:/BR][#0000ff:>]", "<SCRIPT>", "</SCRIPT>",
            "[#0000ff:<][#ff0000:/br][#0000ff:>] x" }));
    editor.setSelStart(editor.charCount());
    editor.setFocus();
    QTest::keyClicks(&editor, "</BR>");
    colourer.finishColouring();
    EXPECT_EQ(line(3), "[#0000ff:<][#ff0000:/br][#0000ff:>] x[#0000ff:<][#ff0000:/BR][#0000ff:>]");
}

TEST_F(Colourer, AlternateFontIsSansSerifAtTheEditorFontSize)
{
    QFont font(QStringLiteral("Monospace"));
    font.setPointSize(14);
    colourer.setEditorFont(font);
    EXPECT_EQ(colourer.alternateFont().pointSize(), 14);
    EXPECT_EQ(QFontInfo(colourer.alternateFont()).styleHint(), QFont::SansSerif);
    load("<% x %>");
    colourer.setEditorFont(font);
    colourer.finishColouring();
    const auto formats = block(0).layout()->formats();
    ASSERT_EQ(formats.size(), 3);
    EXPECT_EQ(formats[1].format.fontFamilies().toStringList(), QStringList { colourer.alternateFont().family() });
    EXPECT_EQ(formats[1].format.fontPointSize(), 14);
}

TEST_F(Colourer, AnEditRecoloursOnlyWhileTheEndStateChanges)
{
    load(scriptLines(3000));
    colourer.finishColouring();
    ASSERT_TRUE(colourer.isColouringComplete());
    const QString plainLine = line(1500);
    EXPECT_EQ(plainLine, "[-/b:var] a1499 = [#0000ff:'x']; [-/b:if] (a) [#0000ff/#ffffff/b:{]");

    // Typing inside a line that keeps its end state needs that line only.
    editor.setSelStart(editor.textRange(0, editor.charCount()).indexOf("a99 ") + 1);
    QTest::keyClicks(&editor, "9");
    EXPECT_TRUE(colourer.isColouringComplete());
    EXPECT_EQ(line(100), "[-/b:var] a999 = [#0000ff:'x']; [-/b:if] (a) [#0000ff/#ffffff/b:{]");

    // Opening a comment changes every following state: the screen below is done at once, the rest
    // waits for idle time.
    editor.setSelStart(editor.textRange(0, editor.charCount()).indexOf("var a10 "));
    QTest::keyClicks(&editor, "/*");
    EXPECT_FALSE(colourer.isColouringComplete());
    EXPECT_EQ(line(12), "[#008080:var a11 = 'x'; if (a) {]");
    EXPECT_NE(line(1500), "[#008080:var a1499 = 'x'; if (a) {]");
    QSignalSpy done(&colourer, &SyntaxColourer::colouringComplete);
    ASSERT_TRUE(done.wait(10000));
    EXPECT_EQ(line(1500), "[#008080:var a1499 = 'x'; if (a) {]");
    EXPECT_EQ(line(3001), "[#008080:</SCRIPT>]");

    editor.undo();
    colourer.finishColouring();
    EXPECT_EQ(line(1500), plainLine);
    EXPECT_EQ(line(3002), "[#0000ff:<][#000080:P][#008000/i: ][#008000:class=][#808080:x][#0000ff:>][#800080:&amp;]");
}

TEST_F(Colourer, LargeDocumentColoursTheScreenFirstAndTheRestWhenIdle)
{
    load(scriptLines(20000));
    EXPECT_TRUE(colourer.isVisibleAreaColoured());
    EXPECT_FALSE(colourer.isColouringComplete());
    EXPECT_EQ(line(1), "[-/b:var] a0 = [#0000ff:'x']; [-/b:if] (a) [#0000ff/#ffffff/b:{]");
    QSignalSpy done(&colourer, &SyntaxColourer::colouringComplete);
    ASSERT_TRUE(done.wait(20000));
    // A paragraph that has not been on screen has its state but no colours yet: they come
    // with its first paint.
    EXPECT_EQ(line(20000), "var a19999 = 'x'; if (a) {");
    editor.verticalScrollBar()->setValue(editor.verticalScrollBar()->maximum());
    editor.viewport()->repaint();
    EXPECT_EQ(line(20000), "[-/b:var] a19999 = [#0000ff:'x']; [-/b:if] (a) [#0000ff/#ffffff/b:{]");
    // Back at the top, an edit that changes the state of every later paragraph recolours the
    // paragraphs that were shown, not only those on screen now.
    editor.verticalScrollBar()->setValue(0);
    editor.setSelStart(block(1).position());
    QTest::keyClicks(&editor, "/*");
    ASSERT_TRUE(done.wait(20000)) << colourer.colouredBlockCount();
    EXPECT_EQ(line(20000), "[#008080:var a19999 = 'x'; if (a) {]");
}

TEST_F(Colourer, ParagraphsShownOnceFollowEveryRecolouring)
{
    // A paragraph that was on screen keeps colours in its layout: colouring everything again
    // (a new font) must renew them even off screen, and "Remove Colour" must take them away.
    load(scriptLines(20000));
    QCoreApplication::processEvents(); // the scroll bar learns the document's length
    editor.verticalScrollBar()->setValue(editor.verticalScrollBar()->maximum());
    editor.viewport()->repaint();
    ASSERT_EQ(line(20000), "[-/b:var] a19999 = [#0000ff:'x']; [-/b:if] (a) [#0000ff/#ffffff/b:{]");
    editor.verticalScrollBar()->setValue(0);
    QFont font(QStringLiteral("Monospace"));
    font.setPointSize(15);
    colourer.setEditorFont(font);
    QSignalSpy done(&colourer, &SyntaxColourer::colouringComplete);
    ASSERT_TRUE(done.wait(20000));
    const auto formats = block(20000).layout()->formats();
    ASSERT_FALSE(formats.isEmpty());
    colourer.setEnabled(false);
    EXPECT_EQ(line(20000), "var a19999 = 'x'; if (a) {");
}

TEST_F(Colourer, RemoveColourThenColouriseRestoresTheSameColours)
{
    load("<SCRIPT>\r\n/* x\r\n*/ var s = 'a';\r\n</SCRIPT>\r\n<!-- c\r\n--> <B>&nbsp;</B>");
    colourer.finishColouring();
    const QStringList coloured = renderDocument(editor);
    colourer.setEnabled(false);
    EXPECT_EQ(renderDocument(editor), editor.document()->toPlainText().split(u'\n'));
    // Edits while colouring is off are picked up when it comes back.
    editor.setSelStart(0);
    QTest::keyClicks(&editor, " ");
    QTest::keyClick(&editor, Qt::Key_Backspace);
    colourer.setEnabled(true);
    colourer.finishColouring();
    EXPECT_EQ(renderDocument(editor), coloured);
    colourer.attach(nullptr);
    EXPECT_EQ(renderDocument(editor), editor.document()->toPlainText().split(u'\n'));
}

TEST_F(Colourer, RichTextOfASelectionStartsFromTheStoredState)
{
    load("<B>a</B>\r\n<SCRIPT>\r\n/* {x}\r\nend */ if (b) {");
    QFont font(QStringLiteral("Monospace"));
    font.setPointSize(10);
    colourer.setEditorFont(font);
    const QTextBlock comment = block(2);
    // From "{x}" on the comment line to "if" on the next.
    const int from = comment.position() + 3;
    const int to = block(3).position() + 9;
    const QString rtf = colourer.rtfForRange(from, to);
    const QString plain = "\\plain\\f0\\fs20\\cf0\\cb2 ";
    const QString teal = "\\plain\\f0\\fs20\\cf4\\cb2 ";
    const QString bold = "\\plain\\f0\\fs20\\b\\cf0\\cb2 ";
    EXPECT_EQ(rtf,
        "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fnil " + QFontInfo(font).family() + ";}{\\f1\\fnil "
            + colourer.alternateFont().family()
            + ";}}\r\n{\\colortbl\r\n"
              "\\red0\\green0\\blue0;\\red255\\green0\\blue0;\\red255\\green255\\blue255;"
              "\\red255\\green255\\blue255;\\red0\\green128\\blue128;}\\pard\\ql\\sl-200"
            + teal + "\r\n\\{x\\}\r\n\\par end */" + plain + " " + bold + "if\r\n\\par }\r\n");
    EXPECT_EQ(colourer.rtfForRange(from, from), QString());
}

TEST_F(Colourer, StyleSheetDocumentsAreColouredAsStyleSheetsFromTheTop)
{
    load("p { color: #fff }\r\n<B>");
    colourer.setStyleSheet(true);
    colourer.finishColouring();
    EXPECT_EQ(renderDocument(editor), QStringList({ "[#800000/b:p] { [#0000ff:color]: [#c000c0:#fff] }", "<[#800000/b:B>]" }));
    colourer.setStyleSheet(false);
    colourer.finishColouring();
    EXPECT_EQ(line(1), "[#0000ff:<][#000080:B][#0000ff:>]");
}

// A dark palette takes the dark variants at once; going back to light gives the light colours again.
TEST_F(Colourer, ADarkPaletteTakesTheDarkVariants)
{
    load("<B>&amp;\r\n<SCRIPT>\r\nif (a) {");
    colourer.finishColouring();
    const QStringList light = renderDocument(editor);
    QPalette p = editor.palette();
    p.setColor(QPalette::Text, Qt::white);
    p.setColor(QPalette::Base, QColor(0x1E1E1E));
    editor.setPalette(p);
    EXPECT_TRUE(colourer.isDarkBackground());
    colourer.finishColouring();
    EXPECT_EQ(renderDocument(editor),
        QStringList({ "[#7cb8ff:<][#b0a8ff:B][#7cb8ff:>][#e0a0ff:&amp;]", "<SCRIPT>",
            "[-/b:if] (a) [#7cb8ff/#3a3a60/b:{]" }));
    p.setColor(QPalette::Text, Qt::black);
    p.setColor(QPalette::Base, Qt::white);
    editor.setPalette(p);
    colourer.finishColouring();
    EXPECT_EQ(renderDocument(editor), light);
}
