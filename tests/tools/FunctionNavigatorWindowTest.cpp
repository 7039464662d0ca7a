#include "support/ListWidgets.h"
#include "tools/FunctionNavigatorWindow.h"

#include "ToolFixture.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

class FunctionNavigatorTest : public ToolFixture {
protected:
    FunctionNavigatorWindow* open()
    {
        registry.run("a_functionNavigator");
        return openWindow<FunctionNavigatorWindow>();
    }
    QString selected() const { return editor->selText(); }
};

const QString kPage = "<html><head><script>\r\n"
                      "function Show(msg) {\r\n"
                      "  alert(msg);\r\n"
                      "}\r\n"
                      "</script></head>\r\n"
                      "<body onload=\"show('hi')\">\r\n"
                      "<script type=\"text/javascript\">\r\n"
                      "// function later(x)\r\n"
                      "SHOW(1, 2);\r\n"
                      "</script></body></html>";

TEST_F(FunctionNavigatorTest, FindsFunctionsAndSelectsTheirUses)
{
    mainWindow.show();
    editor->setText(kPage);
    editor->setSelStart(30);
    FunctionNavigatorWindow* window = open();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Function Navigator");
    EXPECT_FALSE(enabled("a_functionNavigator"));
    EXPECT_FALSE(window->addJsTagsButton()->isVisibleTo(window));
    EXPECT_FALSE(window->removeJsTagsButton()->isVisibleTo(window));
    EXPECT_EQ(window->functionsList()->count(), 0);

    QTest::mouseClick(window->findChild<QPushButton*>("findFunctionsButton"), Qt::LeftButton);
    EXPECT_EQ(itemTexts(window->functionsList()), (QStringList { "Show(msg)", "later(x)" }));
    EXPECT_EQ(editor->selStart(), 0);
    EXPECT_EQ(editor->selLength(), 0);

    // A right click chooses nothing.
    clickRow(window->functionsList(), 0, Qt::RightButton);
    EXPECT_EQ(window->occurrencesList()->count(), 0);

    clickRow(window->functionsList(), 0);
    EXPECT_EQ(itemTexts(window->occurrencesList()), (QStringList { "Show(msg)", "show('hi')", "SHOW(1, 2)" }));
    EXPECT_EQ(editor->selStart(), int(kPage.indexOf("Show(msg)")));
    EXPECT_EQ(selected(), "Show(msg)");

    window->occurrencesList()->setFocus();
    clickRow(window->occurrencesList(), 2);
    EXPECT_EQ(editor->selStart(), int(kPage.indexOf("SHOW(1, 2)")));
    EXPECT_EQ(selected(), "SHOW(1, 2)");
    EXPECT_EQ(mainWindow.focusWidget(), editor);

    // "later(x)" appears only in a comment: its one occurrence is selected.
    window->chooseFunction(1);
    EXPECT_EQ(itemTexts(window->occurrencesList()), QStringList { "later(x)" });
    EXPECT_EQ(selected(), "later(x)");

    // A new search empties the occurrences.
    window->findFunctions();
    EXPECT_EQ(window->occurrencesList()->count(), 0);
    window->close();
    flushDeletes();
    EXPECT_TRUE(enabled("a_functionNavigator"));
}

TEST_F(FunctionNavigatorTest, EntryNotInTheTextLeavesTheSelection)
{
    // The entry drops the blanks after "function"; the text still has them in a different form.
    editor->setText("<script>\r\nfunction\tTabbed(a) {}\r\n</script>");
    FunctionNavigatorWindow* window = open();
    ASSERT_NE(window, nullptr);
    window->findFunctions();
    editor->setSelStart(5);
    editor->setSelLength(2);
    window->chooseFunction(0);
    EXPECT_EQ(itemTexts(window->occurrencesList()), QStringList { "Tabbed(a)" });
    EXPECT_EQ(editor->selStart(), int(QString("<script>\r\nfunction\t").size()));
    EXPECT_EQ(selected(), "Tabbed(a)");
}

TEST_F(FunctionNavigatorTest, ScriptFileGetsTagsAddedAndRemoved)
{
    documentFileName = workFile("lib.JS");
    const QString script = "function one(a) {\r\n  return a;\r\n}\r\nfunction two() {}";
    editor->setText(script);
    FunctionNavigatorWindow* window = open();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->addJsTagsButton()->isVisibleTo(window));
    EXPECT_FALSE(window->removeJsTagsButton()->isVisibleTo(window));
    window->findFunctions();
    EXPECT_EQ(window->functionsList()->count(), 0);

    QTest::mouseClick(window->addJsTagsButton(), Qt::LeftButton);
    EXPECT_EQ(editor->text(), "<script>\r\n" + script + "\r\n</script>");
    EXPECT_TRUE(window->removeJsTagsButton()->isVisibleTo(window));
    window->findFunctions();
    EXPECT_EQ(itemTexts(window->functionsList()), (QStringList { "one(a)", "two()" }));

    QTest::mouseClick(window->removeJsTagsButton(), Qt::LeftButton);
    EXPECT_EQ(editor->text(), script);
    EXPECT_TRUE(window->removeJsTagsButton()->isVisibleTo(window));
    editor->undo();
    EXPECT_EQ(editor->text(), "<script>\r\n" + script + "\r\n</script>");
}

TEST_F(FunctionNavigatorTest, OpensOnceAndOnlyScriptFilesOfferTags)
{
    documentFileName = workFile("page.htm");
    FunctionNavigatorWindow* window = open();
    ASSERT_NE(window, nullptr);
    registry.run("a_functionNavigator");
    EXPECT_EQ(openWindow<FunctionNavigatorWindow>(), window);
    EXPECT_FALSE(window->addJsTagsButton()->isVisibleTo(window));
}

} // namespace
