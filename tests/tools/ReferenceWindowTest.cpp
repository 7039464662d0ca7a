#include "tools/ReferenceWindow.h"

#include "ToolFixture.h"

#include "platform/HintRouter.h"

#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

using Icon = Prompter::Icon;

class ReferenceWindowTest : public ToolFixture {
protected:
    // Data files for `topics` topics, article N reading "Article N".
    void writeData(int topics)
    {
        QByteArray list, details, details2;
        for (int n = 1; n <= topics; ++n) {
            list += "topic " + QByteArray::number(n) + (n == 160 ? " mouse" : "") + "\r\n";
            QByteArray& file = n <= 158 ? details : details2;
            file += ReferenceData::startMarker(n).toUtf8() + "\r\nArticle " + QByteArray::number(n) + "\r\n"
                + ReferenceData::endMarker(n).toUtf8() + "\r\n";
        }
        writeFile(dataDir.filePath("list.jsd"), list);
        writeFile(dataDir.filePath("details.jsd"), details);
        writeFile(dataDir.filePath("details2.jsd"), details2);
    }
    void expectMissing(const QString& name)
    {
        prompter.expectMessage("Can't find file" + QDir::toNativeSeparators(dataDir.filePath(name))
                + "\r\nPlease contact technical support",
            Icon::Error, Prompter::Ok, Prompter::Ok);
    }
    ReferenceWindow* open()
    {
        registry.run("a_jsReference");
        return openWindow<ReferenceWindow>();
    }
    QString chosen(ReferenceWindow* window) const
    {
        QListWidgetItem* item = window->topicList()->currentItem();
        return item ? item->text() : "<none>";
    }
};

TEST_F(ReferenceWindowTest, MissingFilesAreEachReportedAndTheBuiltInListServes)
{
    expectMissing("list.jsd");
    expectMissing("details.jsd");
    expectMissing("details2.jsd");
    ReferenceWindow* window = open();
    prompter.verify();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "JavaScript Data");
    EXPECT_FALSE(enabled("a_jsReference"));
    EXPECT_EQ(window->topicList()->count(), 241);
    EXPECT_EQ(chosen(window), "-- (decrement)");
    EXPECT_EQ(window->articleNumberEdit()->text(), "1");
    EXPECT_EQ(window->articleText()->toPlainText(), "");

    // "mouse" from the first topic, then again; Enter in the search field does the same.
    QTest::keyClicks(window->searchEdit(), "mouse");
    QTest::mouseClick(window->findChild<QPushButton*>("findInListButton"), Qt::LeftButton);
    EXPECT_EQ(chosen(window), "MouseDown event ");
    EXPECT_EQ(window->articleNumberEdit()->text(),
        QString::number(ReferenceData::builtInTopics().indexOf("MouseDown event ") + 1));
    QTest::keyClick(window->searchEdit(), Qt::Key_Return);
    EXPECT_EQ(chosen(window), "MouseMove event ");
    EXPECT_EQ(window->focusWidget(), window->searchEdit());

    // Nothing found: nothing changes. The first topic is never found.
    window->searchEdit()->setText("decrement");
    window->findInList();
    EXPECT_EQ(chosen(window), "-- (decrement)"); // the new word went back to the top, quietly
    EXPECT_EQ(window->articleNumberEdit()->text(),
        QString::number(ReferenceData::builtInTopics().indexOf("MouseMove event ") + 1));

    window->close();
    flushDeletes();
    EXPECT_TRUE(enabled("a_jsReference"));
}

TEST_F(ReferenceWindowTest, ArticlesComeFromTheirFileByPosition)
{
    writeData(160);
    ReferenceWindow* window = open();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->topicList()->count(), 160);
    EXPECT_EQ(window->articleText()->toPlainText(), "Article 1\n");
    window->chooseTopic(157);
    EXPECT_EQ(window->articleNumberEdit()->text(), "158");
    EXPECT_EQ(window->articleText()->toPlainText(), "Article 158\n");
    window->topicList()->setCurrentRow(158);
    EXPECT_EQ(window->articleNumberEdit()->text(), "159");
    EXPECT_EQ(window->articleText()->toPlainText(), "Article 159\n");

    window->lookUp("mouse");
    EXPECT_EQ(chosen(window), "topic 160 mouse");
    EXPECT_EQ(window->articleText()->toPlainText(), "Article 160\n");

    // Copy Text: the article to the clipboard, the caret to its start.
    QTextCursor end = window->articleText()->textCursor();
    end.movePosition(QTextCursor::End);
    window->articleText()->setTextCursor(end);
    QTest::mouseClick(window->findChild<QPushButton*>("copyTextButton"), Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(), "Article 160\n");
    EXPECT_EQ(window->articleText()->textCursor().position(), 0);

    // A click on a topic shows its article, even the first after a quiet reset.
    window->searchEdit()->setText("x");
    const QRect first = window->topicList()->visualItemRect(window->topicList()->item(0));
    QTest::mouseClick(window->topicList()->viewport(), Qt::LeftButton, {}, first.center());
    EXPECT_EQ(window->articleNumberEdit()->text(), "1");
    EXPECT_EQ(window->articleText()->toPlainText(), "Article 1\n");
}

TEST_F(ReferenceWindowTest, ActivationFocusesTheSearchFieldAndTakesTheHints)
{
    writeData(2);
    QPlainTextEdit mainHints;
    HintRouter router;
    router.setMainHintBox(&mainHints);
    ReferenceWindow* window = open();
    ASSERT_NE(window, nullptr);
    QApplication::setActiveWindow(window);
    QCoreApplication::processEvents();
    EXPECT_EQ(window->focusWidget(), window->searchEdit());
    router.showHint("Find the next topic holding the search word");
    EXPECT_EQ(window->hintBox()->toPlainText(), "Find the next topic holding the search word");
    EXPECT_EQ(mainHints.toPlainText(), "");
}

TEST_F(ReferenceWindowTest, F4InTheEditorLooksUpTheWordAtTheCaret)
{
    writeData(3);
    writeFile(dataDir.filePath("list.jsd"), "first\r\nalert method\r\nimages array\r\n");
    mainWindow.show();
    QApplication::setActiveWindow(&mainWindow);
    editor->setFocus();
    editor->setText("x = images[0]; alert(\"hi\");");
    editor->setSelStart(5);
    QTest::keyClick(editor, Qt::Key_F4);
    ReferenceWindow* window = openWindow<ReferenceWindow>();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(enabled("a_jsReference"));
    EXPECT_EQ(window->searchEdit()->text(), "images");
    EXPECT_EQ(chosen(window), "images array");
    EXPECT_EQ(window->articleText()->toPlainText(), "Article 3\n");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // Again with the window open: the same window, the new word.
    editor->setSelStart(17);
    registry.run("a_lookUpWordAtCaret");
    EXPECT_EQ(openWindow<ReferenceWindow>(), window);
    EXPECT_EQ(window->searchEdit()->text(), "alert");
    EXPECT_EQ(chosen(window), "alert method");
}

} // namespace
