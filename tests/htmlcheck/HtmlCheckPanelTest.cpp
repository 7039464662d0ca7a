#include "htmlcheck/HtmlCheckPanel.h"
#include "support/MainWindowFixture.h"
#include "support/QStringPrinter.h"

#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

namespace {
class HtmlCheckPanelTest : public MainWindowFixture {
protected:
    void open(const QString& name, const QByteArray& bytes)
    {
        writeFile(workFile(name), bytes);
        start();
        window->setHtmlTabActive(true);
        window->openTheFile(workFile(name));
        panel = window->findChild<HtmlCheckPanel*>("htmlCheckPanel");
        ASSERT_NE(panel, nullptr);
    }
    QStringList rows()
    {
        QStringList texts;
        for (int i = 0; i < panel->list()->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = panel->list()->topLevelItem(i);
            texts << item->text(0) + "|" + item->text(1) + "|" + item->text(2);
        }
        return texts;
    }
    void click(int row, Qt::MouseButton button)
    {
        QTreeWidget* list = panel->list();
        const QRect rect = list->visualItemRect(list->topLevelItem(row));
        QTest::mouseClick(list->viewport(), button, {}, rect.center());
    }
    HtmlCheckPanel* panel = nullptr;
};

// Tools > Check HTML lists the problems under the editor without touching the text; a click
// puts the caret on the problem and the focus in the editor.
TEST_F(HtmlCheckPanelTest, ListsProblemsAndAClickGoesThere)
{
    ASSERT_NO_FATAL_FAILURE(open("page.htm",
        "<!DOCTYPE html>\r\n<html><head><title>t</title></head>\r\n<body>\r\n<p><b>bold</p>\r\n"
        "<p>x</b></p>\r\n</body></html>"));
    const QStringList tools = [&] {
        QStringList names;
        for (QAction* a : window->findChild<QMenu*>("toolsMenu")->actions())
            names << (a->isSeparator() ? "-" : a->objectName());
        return names.mid(names.indexOf("a_styleSheets"), 3);
    }();
    EXPECT_EQ(tools, QStringList({ "a_styleSheets", "-", "a_checkHtml" }));
    EXPECT_FALSE(panel->isVisible());
    const QString before = editor().text();

    QSignalSpy checked(panel, &HtmlCheckPanel::checked);
    trigger("a_checkHtml");
    EXPECT_TRUE(panel->isVisible());
    EXPECT_FALSE(window->action("a_checkHtml")->isEnabled()); // one check at a time
    ASSERT_TRUE(checked.wait(30000));
    EXPECT_TRUE(window->action("a_checkHtml")->isEnabled());
    EXPECT_EQ(panel->summary()->text(), "0 errors, 2 warnings");
    ASSERT_EQ(rows(), QStringList({ "4|4|Warning: missing </b> before </p>", "5|4|Warning: inserting implicit <b>" }));
    EXPECT_EQ(editor().text(), before);
    EXPECT_FALSE(editor().isModified());

    editor().setSelStart(0);
    click(1, Qt::RightButton); // a right click does not move the caret
    EXPECT_EQ(editor().selStart(), 0);
    click(0, Qt::LeftButton);
    EXPECT_EQ(editor().selStart(), before.indexOf("<b>"));
    EXPECT_EQ(QApplication::focusWidget(), &editor());

    // Close hides the panel and gives the editor the focus.
    panel->list()->setFocus();
    QTest::mouseClick(panel->findChild<QToolButton*>("htmlCheckClose"), Qt::LeftButton);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), &editor());
    discard();
}

// A clean page says so; a script is not checked, and the user is told why.
TEST_F(HtmlCheckPanelTest, CleanPagesAndScripts)
{
    ASSERT_NO_FATAL_FAILURE(
        open("page.htm", "<!DOCTYPE html>\r\n<html><head><title>t</title></head><body><p>x</p></body></html>"));
    QSignalSpy checked(panel, &HtmlCheckPanel::checked);
    trigger("a_checkHtml");
    ASSERT_TRUE(checked.wait(30000));
    EXPECT_EQ(panel->summary()->text(), "No errors or warnings.");
    EXPECT_TRUE(rows().isEmpty());

    panel->hide();
    const QString script = workFile("code.js");
    writeFile(script, "function f() { return 1 < 2; }");
    window->openTheFile(script);
    prompter.expectMessage(
        QDir::toNativeSeparators(script) + " is not an HTML document: Check HTML checks web pages only.",
        Prompter::Icon::Information, Prompter::Ok, Prompter::Ok);
    trigger("a_checkHtml");
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(window->action("a_checkHtml")->isEnabled());
    discard();
}
} // namespace
