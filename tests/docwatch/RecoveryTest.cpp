#include "docwatch/CrashRecovery.h"
#include "support/MainWindowFixture.h"
#include "support/QStringPrinter.h"

#include <QProcess>
#include <QTest>

namespace {
using Icon = Prompter::Icon;
constexpr auto YN = Prompter::Yes | Prompter::No;

class RecoveryTest : public MainWindowFixture {
protected:
    CrashRecovery& recovery() { return *window->findChild<CrashRecovery*>("crashRecovery"); }
    QStringList settingsEntries(const QString& pattern) const
    {
        return QDir(settings.path()).entryList({ pattern }, QDir::Files);
    }
    QString offer(const QString& name) const { return CrashRecovery::kOffer.arg(QDir::toNativeSeparators(name)); }
    bool waitFor(const std::function<bool()>& condition) { return QTest::qWaitFor(condition, 20000); }
};

// The copy is written while the document is modified, holds its name and text, and goes when
// the document is saved, and at a clean exit.
TEST_F(RecoveryTest, TheCopyFollowsTheUnsavedChanges)
{
    const QString page = workFile("page.htm");
    writeFile(page, "<p>saved</p>");
    start();
    window->setHtmlTabActive(true);
    window->openTheFile(page);
    recovery().setInterval(10);
    const QString copy = recovery().copyPath();
    QTest::keyClicks(&editor(), "new ");
    ASSERT_TRUE(waitFor([&] { return QFile::exists(copy); }));
    EXPECT_EQ(readFile(copy), (page + "\r\nnew <p>saved</p>").toUtf8());
    EXPECT_EQ(settingsEntries("recovery-*.lock").size(), 1);

    trigger("a_save");
    EXPECT_FALSE(QFile::exists(copy));
    QTest::keyClicks(&editor(), "x");
    ASSERT_TRUE(waitFor([&] { return QFile::exists(copy); }));

    // Exit without saving: the copy and the session's lock go with the window.
    prompter.expectMessage("File  has changed. Save now?", Icon::Confirmation,
        Prompter::Yes | Prompter::No | Prompter::Cancel, Prompter::No);
    EXPECT_TRUE(window->close());
    prompter.verify();
    window.reset();
    EXPECT_TRUE(settingsEntries("recovery-*").isEmpty());
    EXPECT_EQ(readFile(page), "new <p>saved</p>");
}

// A session killed with unsaved changes leaves its copy; the next start offers it, and Yes
// brings the text back as a modified document under the original's name.
TEST_F(RecoveryTest, ACopyLeftByAKilledSessionIsRestoredAtTheNextStart)
{
    const QString page = workFile("page.htm");
    writeFile(page, "<h1>Unsaved work</h1>");
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("PELORIN95_RECOVERY_INTERVAL_MS", "50");
    child.setProcessEnvironment(env);
    child.start(PELORIN_EXECUTABLE, { "--settings-dir", settings.path(), page });
    ASSERT_TRUE(child.waitForStarted());
    // The session is running once its lock is there (the document is open by then). Another
    // program deletes the file: the text now exists only in the editor, unsaved.
    ASSERT_TRUE(waitFor([&] { return !settingsEntries("recovery-*.lock").isEmpty(); }));
    ASSERT_TRUE(QFile::remove(page));
    ASSERT_TRUE(waitFor([&] { return !settingsEntries("recovery-*.txt").isEmpty(); }));
    child.kill();
    ASSERT_TRUE(child.waitForFinished());
    const QStringList left = settingsEntries("recovery-*.txt");
    ASSERT_EQ(left.size(), 1);
    EXPECT_EQ(readFile(settings.filePath(left.first())), (page + "\r\n<h1>Unsaved work</h1>").toUtf8());

    // The file is back (as it was on disk before), the program starts again.
    writeFile(page, "<h1>Old</h1>");
    prompter.expectMessage(offer(page), Icon::Confirmation, YN, Prompter::Yes);
    start();
    ASSERT_TRUE(waitFor([&] { return prompter.done(); }));
    EXPECT_EQ(editor().text(), "<h1>Unsaved work</h1>");
    EXPECT_TRUE(editor().isModified());
    EXPECT_EQ(window->session().fileName(), page);
    // Held by this session's copy now; the old one is gone.
    EXPECT_EQ(settingsEntries("recovery-*.txt"), QStringList { QFileInfo(recovery().copyPath()).fileName() });
    editor().undo();
    EXPECT_EQ(editor().text(), "<h1>Old</h1>");
    discard();
}

// No deletes the copy: it is not offered again. A copy of a never-saved document says so.
TEST_F(RecoveryTest, NoDeletesTheCopy)
{
    writeFile(settingsFile("recovery-1-2.txt"), "\r\n<p>lost?</p>");
    prompter.expectMessage(CrashRecovery::kOffer.arg(CrashRecovery::kNeverSaved), Icon::Confirmation, YN, Prompter::No);
    start();
    ASSERT_TRUE(waitFor([&] { return prompter.done(); }));
    EXPECT_FALSE(QFile::exists(settingsFile("recovery-1-2.txt")));
    EXPECT_EQ(editor().text(), "");
    discard();
    window.reset();

    start();
    QCoreApplication::processEvents();
    discard();
}

// A session that is still running keeps its copy to itself, however old its lock.
TEST_F(RecoveryTest, ARunningSessionsCopyIsNotOffered)
{
    RecoveryStore other(settings.path());
    other.write("/elsewhere/page.htm", "<p>busy</p>");
    ASSERT_TRUE(QFile::exists(other.copyPath()));
    RecoveryStore mine(settings.path());
    EXPECT_TRUE(mine.strandedCopies().isEmpty());
    EXPECT_TRUE(QFile::exists(other.copyPath()));
    const auto copy = RecoveryStore::read(other.copyPath());
    ASSERT_TRUE(copy.has_value());
    EXPECT_EQ(copy->documentName, "/elsewhere/page.htm");
    EXPECT_EQ(copy->text, "<p>busy</p>");
}
} // namespace
