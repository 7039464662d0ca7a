#include "editor/TagInsertion.h"
#include "editor/CodeEditor.h"
#include "shared/HexColour.h"
#include "main/InstantCodeWindow.h"

#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(TagInsertion, WrapsABackwardSelectionAcrossLinesAndLeavesTheCaretBeforeTheEndText)
{
    CodeEditor editor;
    editor.setText("one\r\ntwo\r\nthree");
    editor.clearUndo();
    editor.setSelStart(12); // after "th"
    editor.setSelLength(-10); // back to after "on"
    ASSERT_EQ(editor.selText(), "e\r\ntwo\r\nth");

    insertTheTags(editor, "<P>\r\n", "\r\n</P>\r\n");
    EXPECT_EQ(editor.text(), "on<P>\r\ne\r\ntwo\r\nth\r\n</P>\r\nree");
    EXPECT_EQ(editor.selStart(), 2 + 5 + 10);
    EXPECT_EQ(editor.selLength(), 0);

    editor.undo();
    EXPECT_EQ(editor.text(), "one\r\ntwo\r\nthree");
    EXPECT_EQ(editor.selText(), "e\r\ntwo\r\nth");
}

TEST(TagInsertion, EmptyTextsAtABareCaret)
{
    CodeEditor editor;
    editor.setText("xy");
    editor.setSelStart(1);
    insertTheTags(editor, "", "");
    EXPECT_EQ(editor.text(), "xy");
    EXPECT_EQ(editor.selStart(), 1);

    insertTheTags(editor, "", "<BR>");
    EXPECT_EQ(editor.text(), "x<BR>y");
    EXPECT_EQ(editor.selStart(), 1);
}

TEST(TagInsertion, OffsetLengthCountsEveryLineBreakTwice)
{
    EXPECT_EQ(offsetLength(""), 0);
    EXPECT_EQ(offsetLength("abc"), 3);
    EXPECT_EQ(offsetLength("a\r\nb"), 4);
    EXPECT_EQ(offsetLength("a\nb\rc"), 7);
    EXPECT_EQ(offsetLength("\r\n\r\n"), 4);
    EXPECT_EQ(offsetLength("a\n\rb\n\n"), 8);
}

TEST(TagInsertion, BoilerPlateOffersTheWizardFunctionNameOnceItHasChanged)
{
    struct Row {
        QString functionName;
        QString offered;
    };
    const QList<Row> rows
        = { { "MyFunction()", "4" }, { "", "4" }, { "go()", "go()" }, { "myfunction()", "myfunction()" } };
    for (const Row& row : rows) {
        QString label, defaultValue;
        const ValuePrompt prompt = [&](const QString& l, const QString& d) {
            label = l;
            defaultValue = d;
            return QStringLiteral("answer");
        };
        EXPECT_EQ(insertBoilerPlate(prompt, row.functionName, "4", "For example, "), "answer");
        EXPECT_EQ(label, "For example, " + row.offered);
        EXPECT_EQ(defaultValue, row.offered);
    }
}

TEST(HexColour, SixUpperCaseDigitsRedGreenBlue)
{
    EXPECT_EQ(hexColourText(QColor(255, 0, 0)), "FF0000");
    EXPECT_EQ(hexColourText(QColor(0x0a, 0xbc, 0x0f)), "0ABC0F");
    EXPECT_EQ(hexColourText(QColor::fromHsv(240, 255, 255)), "0000FF");
}

// Runs check on the open prompt once its modal loop has started.
void whileOpen(InstantCodeWindow& window, std::function<void()> check)
{
    QTimer::singleShot(0, &window, [&window, check] {
        ASSERT_TRUE(window.isVisible());
        check();
    });
}

TEST(InstantCodeWindow, ShowsTheLabelSelectsTheDefaultAndAnswersOnEnter)
{
    InstantCodeWindow window;
    EXPECT_EQ(window.windowTitle(), "Instant Code");
    EXPECT_FALSE(window.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(window.isModal());
    EXPECT_EQ(window.okButton()->text(), "OK");

    whileOpen(window, [&] {
        EXPECT_EQ(window.messageLabel()->text(), "Enter the condition, for example, i=0;i<n; i++");
        EXPECT_EQ(window.valueEdit()->selectedText(), "i=0;i<n; i++");
        QTest::keyClicks(window.valueEdit(), "k<2");
        QTest::keyClick(window.valueEdit(), Qt::Key_Return);
    });
    EXPECT_EQ(window.ask("Enter the condition, for example, i=0;i<n; i++", "i=0;i<n; i++"), "k<2");
    EXPECT_FALSE(window.isVisible());

    // Reused: the next question starts from its own default; Escape still answers with the field.
    whileOpen(window, [&] {
        EXPECT_EQ(window.valueEdit()->selectedText(), "bottom");
        QTest::keyClick(window.valueEdit(), Qt::Key_End);
        QTest::keyClicks(window.valueEdit(), "2");
        QTest::keyClick(window.valueEdit(), Qt::Key_Escape);
    });
    EXPECT_EQ(window.ask("Enter a bookmark name.", "bottom"), "bottom2");

    whileOpen(window, [&] {
        window.valueEdit()->clear();
        window.close();
    });
    EXPECT_EQ(window.ask("With ...", "document"), "");

    whileOpen(window, [&] { QTest::mouseClick(window.okButton(), Qt::LeftButton); });
    EXPECT_EQ(window.asker()("With ...", "document"), "document");
}

} // namespace
