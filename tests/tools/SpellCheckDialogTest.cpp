#include "support/QStringPrinter.h"
#include "tools/SpellCheckDialog.h"
#include "editor/CodeEditor.h"
#include "platform/AppDirs.h"
#include "platform/FileError.h"
#include "support/MainWindowFixture.h"
#include "support/ScriptedPrompter.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {


QString enUs()
{
    const QString dictionary = findDictionary({ "/usr/share/hunspell" }, "en_US");
    return dictionary.endsWith("/en_US.dic") ? dictionary : QString();
}

void click(QWidget& dialog, const char* button)
{
    auto* b = dialog.findChild<QPushButton*>(button);
    ASSERT_NE(b, nullptr) << button;
    b->click();
}

class SpellCheckDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (enUs().isEmpty()) GTEST_SKIP() << "no en_US Hunspell dictionary installed";
        AppDirs::setSettingsDir(settings.path());
        checker.emplace(enUs());
    }
    QString word() { return dialog().findChild<QLineEdit*>("wordEdit")->text(); }
    QLineEdit& changeTo() { return *dialog().findChild<QLineEdit*>("changeToEdit"); }
    SpellCheckDialog& dialog()
    {
        if (!m_dialog) m_dialog = std::make_unique<SpellCheckDialog>(editor, *checker, prompter);
        return *m_dialog;
    }

    QTemporaryDir settings;
    std::optional<SpellChecker> checker;
    ScriptedPrompter prompter;
    CodeEditor editor;
    std::unique_ptr<SpellCheckDialog> m_dialog;
};

TEST_F(SpellCheckDialogTest, ChangeReplacesTheSelectedWordAsOneUndoStepAndCloseEnds)
{
    editor.setText("Teh cat\r\nsat on teh mat");
    ASSERT_TRUE(dialog().start());
    EXPECT_EQ(word(), "Teh");
    EXPECT_EQ(editor.selStart(), 0);
    EXPECT_EQ(editor.selText(), "Teh");
    auto* suggestions = dialog().findChild<QListWidget*>("suggestionsList");
    ASSERT_GT(suggestions->count(), 0);
    EXPECT_EQ(changeTo().text(), suggestions->item(0)->text());

    changeTo().setText("The");
    click(dialog(), "changeButton");
    EXPECT_EQ(editor.text(), "The cat\r\nsat on teh mat");
    EXPECT_EQ(word(), "teh");
    EXPECT_EQ(editor.selStart(), 16);
    EXPECT_EQ(editor.selText(), "teh");

    click(dialog(), "closeButton");
    EXPECT_EQ(dialog().result(), QDialog::Rejected);
    editor.undo();
    EXPECT_EQ(editor.text(), "Teh cat\r\nsat on teh mat");
}

TEST_F(SpellCheckDialogTest, ChangeAllThenIgnoreReachesTheEnd)
{
    editor.setText("teh end <I>teh</I> qwxz");
    ASSERT_TRUE(dialog().start());
    changeTo().setText("the");
    click(dialog(), "changeAllButton");
    EXPECT_EQ(editor.text(), "the end <I>the</I> qwxz");
    EXPECT_EQ(word(), "qwxz");
    prompter.expectMessage(SpellCheckDialog::kComplete, Prompter::Icon::Information, Prompter::Ok, Prompter::Ok);
    click(dialog(), "ignoreButton");
    prompter.verify();
    EXPECT_EQ(dialog().result(), QDialog::Accepted);
}

TEST_F(SpellCheckDialogTest, AddThatCannotWriteShowsTheErrorAndKeepsTheWord)
{
    ASSERT_TRUE(QDir(settings.path()).mkdir("userdict.dic"));
    editor.setText("qwxz");
    ASSERT_TRUE(dialog().start());
    QString error;
    try {
        SpellChecker(enUs()).addWord("qwxz");
    } catch (const FileError& e) {
        error = e.message();
    }
    ASSERT_FALSE(error.isEmpty());
    prompter.expectMessage(error, Prompter::Icon::Error, Prompter::Ok, Prompter::Ok);
    click(dialog(), "addButton");
    prompter.verify();
    EXPECT_EQ(word(), "qwxz");
    EXPECT_EQ(editor.selText(), "qwxz");
}

using CheckSpellingCommand = MainWindowFixture;

TEST_F(CheckSpellingCommand, DisablesTheButtonWhileTheCheckRunsAndEnablesItAfter)
{
    if (enUs().isEmpty()) GTEST_SKIP() << "no en_US Hunspell dictionary installed";
    start();
    QAction* check = window->action("a_checkSpelling");
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(check->text(), "Chec&k Spelling");
    EXPECT_EQ(check->statusTip(), "Check the spelling of the page");

    editor().setText("<P>All fine here&nbsp;nbsp lt</P>");
    prompter.expectMessage("The spelling check is complete.", Prompter::Icon::Information, Prompter::Ok, Prompter::Ok);
    trigger("a_checkSpelling");
    prompter.verify();
    EXPECT_TRUE(check->isEnabled());

    editor().setText("Teh");
    bool disabledDuring = false;
    bool closed = false;
    QTimer::singleShot(0, [&] {
        disabledDuring = !check->isEnabled();
        if (auto* dialog = qobject_cast<SpellCheckDialog*>(QApplication::activeModalWidget())) {
            click(*dialog, "closeButton");
            closed = true;
        }
    });
    trigger("a_checkSpelling");
    EXPECT_TRUE(closed);
    EXPECT_TRUE(disabledDuring);
    EXPECT_TRUE(check->isEnabled());
    EXPECT_EQ(editor().text(), "Teh");

    // A check that fails on an unreadable user dictionary shows the error and ends.
    ASSERT_TRUE(QDir(settings.path()).mkdir("userdict.dic"));
    QString error;
    try {
        SpellChecker { enUs() };
    } catch (const FileError& e) {
        error = e.message();
    }
    ASSERT_FALSE(error.isEmpty());
    prompter.expectMessage(error, Prompter::Icon::Error, Prompter::Ok, Prompter::Ok);
    trigger("a_checkSpelling");
    prompter.verify();
    EXPECT_TRUE(check->isEnabled());
}

} // namespace
