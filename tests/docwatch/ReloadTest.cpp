#include "docwatch/DocumentWatch.h"
#include "support/MainWindowFixture.h"
#include "support/QStringPrinter.h"

#include <QSignalSpy>
#include <QTest>

namespace {
using Icon = Prompter::Icon;
constexpr auto YN = Prompter::Yes | Prompter::No;
constexpr auto YNDefaultNo = Prompter::Yes | Prompter::No | Prompter::DefaultNo;

class ReloadTest : public MainWindowFixture {
protected:
    // An active window with `text` open from page.htm.
    void openPage(const QByteArray& text)
    {
        page = workFile("page.htm");
        writeFile(page, text);
        start();
        window->setHtmlTabActive(true);
        window->openTheFile(page);
        activate(window.get());
    }
    static void activate(QWidget* w)
    {
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    }
    DocumentWatch& watch() { return *window->findChild<DocumentWatch*>("documentWatch"); }
    // Waits until every scripted question was asked.
    bool asked()
    {
        return QTest::qWaitFor([this] { return prompter.done(); }, 10000);
    }
    // Waits for the watch's next look at the file after an outside change.
    DiskChange nextLook()
    {
        QSignalSpy looked(&watch(), &DocumentWatch::looked);
        if (!looked.wait(10000)) return DiskChange::None;
        return looked.takeFirst().first().value<DiskChange>();
    }
    static void append(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::Append));
        f.write(bytes);
    }
    // As other editors save: a new file renamed over the old one.
    static void rewriteByRename(const QString& path, const QByteArray& bytes)
    {
        writeFile(path + ".new", bytes);
        QFile::remove(path);
        ASSERT_TRUE(QFile::rename(path + ".new", path));
    }
    QString changed() const { return DocumentWatch::kChanged.arg(QDir::toNativeSeparators(page)); }
    QString changedModified() const { return DocumentWatch::kChangedModified.arg(QDir::toNativeSeparators(page)); }
    QString page;
};

// A line another program appended is offered for reload, and the next save keeps it.
TEST_F(ReloadTest, AnOutsideAppendIsNotOverwrittenByTheNextSave)
{
    openPage("<p>one</p>\r\n");
    prompter.expectMessage(changed(), Icon::Confirmation, YN, Prompter::Yes);
    append(page, "<p>two</p>\r\n");
    ASSERT_TRUE(asked());
    EXPECT_EQ(editor().text(), "<p>one</p>\r\n<p>two</p>\r\n");
    EXPECT_FALSE(editor().isModified());
    editor().setSelStart(editor().charCount());
    QTest::keyClicks(&editor(), "<p>three</p>");
    trigger("a_save");
    EXPECT_EQ(readFile(page), "<p>one</p>\r\n<p>two</p>\r\n<p>three</p>");

    // With changes here the question warns, No is the default, and No keeps the text; it is
    // asked once, not again at the next activation.
    QTest::keyClicks(&editor(), "!");
    prompter.expectMessage(changedModified(), Icon::Warning, YNDefaultNo, Prompter::No);
    append(page, "<p>four</p>");
    ASSERT_TRUE(asked());
    EXPECT_EQ(editor().text(), "<p>one</p>\r\n<p>two</p>\r\n<p>three</p>!");
    EXPECT_TRUE(editor().isModified());
    QEvent activation(QEvent::WindowActivate);
    QApplication::sendEvent(window.get(), &activation);
    QCoreApplication::processEvents();
    EXPECT_EQ(watch().pending(), DiskChange::None);
    discard();
}

// Away from the window nothing is asked; the question comes when the window is active again.
// A file rewritten by rename is still followed afterwards.
TEST_F(ReloadTest, ARewriteByRenameIsAskedWhenTheWindowIsActivated)
{
    openPage("<p>old</p>");
    editor().setSelStart(5);
    QWidget other;
    other.show();
    activate(&other);
    rewriteByRename(page, "<p>new text</p>");
    EXPECT_EQ(nextLook(), DiskChange::Changed);
    EXPECT_EQ(editor().text(), "<p>old</p>");

    prompter.expectMessage(changed(), Icon::Confirmation, YN, Prompter::Yes);
    activate(window.get());
    ASSERT_TRUE(asked());
    EXPECT_EQ(editor().text(), "<p>new text</p>");
    EXPECT_EQ(editor().selStart(), 5); // the caret stays where it was
    EXPECT_EQ(window->session().fileName(), page);

    prompter.expectMessage(changed(), Icon::Confirmation, YN, Prompter::No);
    rewriteByRename(page, "<p>newer text</p>");
    ASSERT_TRUE(asked());
    EXPECT_EQ(editor().text(), "<p>new text</p>");
    discard();
}

// Another program writing the same bytes again leaves only a later time: nothing to reload.
TEST_F(ReloadTest, TheSameBytesWithALaterTimeAreNoChange)
{
    openPage("<p>same</p>");
    const QDateTime loaded = QFileInfo(page).lastModified();
    QSignalSpy looked(&watch(), &DocumentWatch::looked);
    rewriteByRename(page, "<p>same</p>");
    QFile file(page);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(loaded.addSecs(60), QFileDevice::FileModificationTime));
    file.close();
    ASSERT_TRUE(looked.wait(10000));
    EXPECT_EQ(looked.takeFirst().first().value<DiskChange>(), DiskChange::None);
    QCoreApplication::processEvents();
    EXPECT_EQ(watch().pending(), DiskChange::None);
    discard();
}

// A deleted file is told once; its text stays, marked for saving, and Save writes it again.
TEST_F(ReloadTest, ADeletedFileIsToldAndItsTextKeptModified)
{
    openPage("<p>kept</p>");
    prompter.expectMessage(
        DocumentWatch::kDeleted.arg(QDir::toNativeSeparators(page)), Icon::Warning, Prompter::Ok, Prompter::Ok);
    ASSERT_TRUE(QFile::remove(page));
    ASSERT_TRUE(asked());
    EXPECT_EQ(editor().text(), "<p>kept</p>");
    EXPECT_TRUE(editor().isModified());
    EXPECT_TRUE(window->action("a_save")->isEnabled());
    trigger("a_save");
    EXPECT_EQ(readFile(page), "<p>kept</p>");
    EXPECT_FALSE(editor().isModified());

    // Followed again once written: a later change asks.
    prompter.expectMessage(changed(), Icon::Confirmation, YN, Prompter::No);
    append(page, "more");
    ASSERT_TRUE(asked());
    discard();
}

// Save and Save As write the file the watch follows; neither asks. After Save As the new file
// is the one followed.
TEST_F(ReloadTest, TheProgramsOwnSavesNeverAsk)
{
    openPage("<p>a</p>");
    for (int i = 0; i < 3; ++i) {
        QTest::keyClicks(&editor(), "x");
        trigger("a_save");
    }
    const QString renamed = workFile("renamed.htm");
    prompter.expectSaveFile("Save File", renamed);
    trigger("a_saveAs");
    ASSERT_TRUE(asked());
    // The old name is no longer the document's: deleting it tells nothing.
    ASSERT_TRUE(QFile::remove(page));
    EXPECT_EQ(nextLook(), DiskChange::None);

    page = renamed;
    prompter.expectMessage(changed(), Icon::Confirmation, YN, Prompter::Yes);
    append(renamed, "<p>b</p>");
    ASSERT_TRUE(asked());
    EXPECT_EQ(editor().text(), "xxx<p>a</p><p>b</p>");
    discard();
}
} // namespace
