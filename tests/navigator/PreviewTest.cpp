#include "navigator/Preview.h"
#include "navigator/ExternalApps.h"
#include "navigator/NavigatorPanel.h"

#include "editor/TextFile.h"
#include "platform/FileError.h"
#include "support/FileSizeLimit.h"
#include "support/MainWindowFixture.h"

#include <QMenu>
#include <QSysInfo>
#include <QTest>
#include <QToolBar>
#include <QUrl>

#include "support/QStringPrinter.h"

namespace {

using Icon = Prompter::Icon;
constexpr auto YNC = Prompter::Yes | Prompter::No | Prompter::Cancel;
const QStringList kReducedMenus { "&File", "&Help" };
const QStringList kFullMenus { "&File", "&Edit", "Fi&nd", "&View", "&Tools", "Wizards", "&Data", "&Help" };

class PreviewTest : public MainWindowFixture {
protected:
    QString openDocument(const QString& name, const QByteArray& bytes)
    {
        const QString path = workFile(name);
        writeFile(path, bytes);
        window->openTheFile(path);
        return path;
    }
    void append(const QString& text)
    {
        editor().setSelStart(editor().charCount());
        editor().setSelText(text);
    }
    QStringList listedFiles() const
    {
        QStringList names;
        for (int i = 0; i < window->navigator()->fileCount(); ++i)
            names << QFileInfo(window->navigator()->filePath(i)).fileName();
        return names;
    }
};

const QByteArray marker = "<!-- Pelorin95 temporary page: deleted when you return to the editor -->";

TEST_F(PreviewTest, ShowsTheEditedTextThroughATemporaryFileBesideTheDocument)
{
    start();
    const QString doc = openDocument("page.htm", "caf\xe9\r\n"); // Windows-1252
    append("<b>new</b>");
    ASSERT_TRUE(editor().isModified());
    const QString temp = workFile("1temp.htm");

    window->setHtmlTabActive(false);
    // In the document's encoding, after the line that marks the page as ours.
    EXPECT_EQ(readFile(temp), marker + QByteArray("\r\ncaf\xe9\r\n<b>new</b>"));
    // Listed while it is there, gone from the list on return.
    window->navigator()->refreshFiles();
    EXPECT_TRUE(listedFiles().contains("1temp.htm"));
    EXPECT_EQ(browser->navigations, QStringList { temp });
    EXPECT_EQ(window->currentFileField(), "Temp View: page.htm");
    EXPECT_EQ(window->menuBarTitles(), kReducedMenus);
    EXPECT_TRUE(editor().isModified());
    EXPECT_EQ(readFile(doc), QByteArray("caf\xe9\r\n"));

    window->setHtmlTabActive(true);
    EXPECT_FALSE(QFile::exists(temp));
    EXPECT_FALSE(listedFiles().contains("1temp.htm"));
    EXPECT_EQ(window->currentFileField(), doc);
    EXPECT_EQ(window->menuBarTitles(), kFullMenus);
    EXPECT_EQ(browser->stops, 1);
    EXPECT_TRUE(editor().isModified());
    EXPECT_EQ(editor().text(), QString::fromUtf8("café\r\n<b>new</b>"));
    EXPECT_EQ(readFile(doc), QByteArray("caf\xe9\r\n"));
    discard();
}

TEST_F(PreviewTest, NeverSavedDocumentIsPreviewedInTheNavigatorsDirectory)
{
    start();
    ASSERT_TRUE(QDir(work.path()).mkdir("site"));
    const QString site = workFile("site");
    window->navigator()->setDirectory(site);
    editor().setText("<p>new</p>");

    window->setHtmlTabActive(false);
    EXPECT_EQ(readFile(site + "/1temp.htm"), marker + QByteArray("\r\n<p>new</p>"));
    EXPECT_FALSE(QFile::exists(workFile("1temp.htm")));
    EXPECT_EQ(window->currentFileField(), "Temp View: ");

    // Browsing elsewhere in the navigator meanwhile must not leave the file behind.
    window->navigator()->setDirectory(work.path());
    window->setHtmlTabActive(true);
    EXPECT_FALSE(QFile::exists(site + "/1temp.htm"));
    EXPECT_EQ(window->currentFileField(), "File has never been saved.");
    EXPECT_EQ(window->session().fileName(), "");
    EXPECT_TRUE(editor().isModified());
    discard();
}

// A user's own 1temp.htm is neither overwritten nor deleted; an own page left behind is reused.
TEST_F(PreviewTest, AUsersOwnPageOfTheSameNameIsNeverTouched)
{
    start();
    writeFile(workFile("1temp.htm"), "mine");
    writeFile(workFile("1xiv.htm"), "mine too");
    const QString doc = openDocument("page.htm", "<p>x</p>");
    window->setHtmlTabActive(false);
    EXPECT_EQ(browser->navigations, QStringList { workFile("1temp-2.htm") });
    EXPECT_TRUE(readFile(workFile("1temp-2.htm")).startsWith(marker));
    window->setHtmlTabActive(true);
    EXPECT_EQ(readFile(workFile("1temp.htm")), "mine");
    EXPECT_FALSE(QFile::exists(workFile("1temp-2.htm")));

    writeFile(workFile("1temp.htm"), marker + "\r\nleft by a killed run");
    window->setHtmlTabActive(false);
    EXPECT_EQ(browser->navigations.last(), workFile("1temp.htm"));
    window->setHtmlTabActive(true);
    EXPECT_FALSE(QFile::exists(workFile("1temp.htm")));
    discard();
    EXPECT_EQ(readFile(workFile("1xiv.htm")), "mine too");
}

TEST_F(PreviewTest, AFailedWriteShowsTheFileErrorAndKeepsTheLastPage)
{
    start();
    const QString doc = openDocument("page.htm", "<p>x</p>");
    window->setHtmlTabActive(false);
    window->setHtmlTabActive(true);
    const QString temp = workFile("1temp.htm");
    ASSERT_EQ(browser->navigations, QStringList { temp });

    // A file-size limit makes the write fail even for a privileged user.
    QString error;
    {
        const FileSizeLimit full(1);
        try {
            writeTextFile(workFile("probe.htm"), { "xx" }, TextFormat());
        } catch (const FileError& e) {
            error = e.message().replace("probe.htm", "1temp.htm");
        }
        ASSERT_FALSE(error.isEmpty());
        prompter.expectMessage(error, Icon::Error, Prompter::Ok, Prompter::Ok);
        window->setHtmlTabActive(false);
    }
    EXPECT_EQ(browser->navigations, QStringList { temp });
    EXPECT_EQ(window->currentFileField(), "Temporary View of page.htm");

    window->setHtmlTabActive(true);
    EXPECT_EQ(window->currentFileField(), doc);
    discard();
}

// A directory (or a link, even one pointing nowhere) by the temporary page's name is the user's:
// the preview takes the next free name and leaves it alone.
TEST_F(PreviewTest, ANameHeldByADirectoryOrALinkMovesToTheNextName)
{
    start();
    openDocument("page.htm", "<p>x</p>");
    ASSERT_TRUE(QDir(work.path()).mkdir("1temp.htm"));
    ASSERT_TRUE(QFile::link(workFile("outside/nowhere.htm"), workFile("1temp-2.htm")));
    window->setHtmlTabActive(false);
    EXPECT_EQ(browser->navigations, QStringList { workFile("1temp-3.htm") });
    window->setHtmlTabActive(true);
    EXPECT_TRUE(QFileInfo(workFile("1temp.htm")).isDir());
    EXPECT_TRUE(QFileInfo(workFile("1temp-2.htm")).isSymLink());
    EXPECT_FALSE(QFileInfo::exists(workFile("outside/nowhere.htm")));
    EXPECT_FALSE(QFileInfo::exists(workFile("1temp-3.htm")));
    discard();
}

TEST_F(PreviewTest, FilesOpenedWhilePreviewingAreShownAndNamedByTheirLocation)
{
    start();
    const QString doc = openDocument("page.htm", "<p>x</p>");
    ASSERT_TRUE(QDir(work.path()).mkpath("My Site"));
    const QString other = workFile("My Site/My Page.htm");
    writeFile(other, "<p>other</p>");
    window->setHtmlTabActive(false);

    window->openTheFile(other);
    EXPECT_EQ(browser->navigations.last(), other);
    EXPECT_EQ(window->currentFileField(), work.path() + "/My Site/My%20Page.htm");
    EXPECT_EQ(window->session().fileName(), doc);
    EXPECT_EQ(editor().text(), "<p>x</p>");
    EXPECT_FALSE(editor().isModified());
    window->setHtmlTabActive(true);
    EXPECT_FALSE(QFile::exists(workFile("1temp.htm")));
    EXPECT_EQ(window->currentFileField(), doc);
    discard();
}

TEST_F(PreviewTest, AnImageOpenedFromTheEditorsTabWritesNoTemporaryFile)
{
    start();
    const QString doc = openDocument("page.htm", "<p>x</p>");
    const QString image = workFile("pic.JPG");
    writeFile(image, "GIF89a");

    window->openTheFile(image);
    EXPECT_FALSE(window->isHtmlTabActive());
    EXPECT_EQ(window->menuBarTitles(), kFullMenus);
    EXPECT_FALSE(QFile::exists(workFile("1temp.htm")));
    EXPECT_EQ(browser->navigations, QStringList({ image, image }));
    EXPECT_EQ(window->currentFileField(), image);
    EXPECT_EQ(window->session().fileName(), doc);
    EXPECT_EQ(editor().text(), "<p>x</p>");

    window->setHtmlTabActive(true);
    EXPECT_EQ(window->currentFileField(), doc);
    discard();
}

TEST_F(PreviewTest, StartShowsTheBriefHelpPageWithoutATemporaryFile)
{
    QTemporaryDir data;
    const QString page = data.filePath("brief.htm");
    writeFile(page, "<p>help</p>");
    AppDirs::setDataDir(data.path());
    start();
    // The page follows the window's first paint.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !browser->navigations.isEmpty(); }, 5000));
    AppDirs::setDataDir(QString());
    EXPECT_FALSE(window->isHtmlTabActive());
    EXPECT_EQ(window->menuBarTitles(), kReducedMenus);
    EXPECT_EQ(browser->navigations, QStringList { page });
    EXPECT_EQ(window->currentFileField(), page);
    EXPECT_FALSE(QFile::exists(workFile("1temp.htm")));
    discard();
}

TEST_F(PreviewTest, DefaultBrowserOpensOnlyTheSavedFile)
{
    const QString question = "Please save the file first (or use the viewer). Save now?";
    struct Case {
        const char* name;
        bool modify;
        Prompter::Button answer;
        bool opened;
        const char* onDisk;
    };
    const Case cases[] = {
        { "clean", false, Prompter::NoButton, true, "<p>x</p>" },
        { "no", true, Prompter::No, false, "<p>x</p>" },
        { "cancel", true, Prompter::Cancel, false, "<p>x</p>" },
        { "yes", true, Prompter::Yes, true, "<p>x</p>!" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        start();
        const QString doc = openDocument("page.htm", "<p>x</p>");
        shell.requests.clear();
        if (c.modify) {
            append("!");
            prompter.expectMessage(question, Icon::Confirmation, YNC, c.answer);
        }
        trigger("a_openInDefaultBrowser");
        prompter.verify();
        EXPECT_EQ(shell.requests, c.opened ? QStringList { "open " + doc } : QStringList());
        EXPECT_EQ(readFile(doc), QByteArray(c.onDisk));
        discard();
        window.reset();
    }
}

TEST_F(PreviewTest, DefaultBrowserDoesNothingWhileANewDocumentStaysUnsaved)
{
    start();
    editor().setText("<p>new</p>");
    prompter.expectMessage(
        "Please save the file first (or use the viewer). Save now?", Icon::Confirmation, YNC, Prompter::Yes);
    prompter.expectSaveFile("Save File", std::nullopt);
    trigger("a_openInDefaultBrowser");
    EXPECT_EQ(shell.requests, QStringList());
    discard();
}

TEST_F(PreviewTest, EmailOpensAnEncodedMailtoAddress)
{
    start();
    QAction* email = window->action("a_sendEmail");
    ASSERT_NE(email, nullptr);
    EXPECT_EQ(email->text(), "Send &e-mail");
    EXPECT_EQ(email->statusTip(), "Send e-mail about Pelorin");
    trigger("a_sendEmail");
    const QString subject = " Pelorin Version: 1.55: " + QSysInfo::prettyProductName();
    EXPECT_EQ(shell.requests,
        QStringList { "url mailto:" + ExternalApps::supportAddress()
            + "?Subject=" + QString::fromLatin1(QUrl::toPercentEncoding(subject)) + "&Body=" });
    discard();
}

TEST_F(PreviewTest, ToolBarAndViewMenuCarryTheCommands)
{
    start();
    auto names = [](const QList<QAction*>& actions) {
        QStringList result;
        for (QAction* a : actions)
            result << (a->isSeparator() ? QString("-") : a->objectName());
        return result;
    };
    const QStringList bar = names(window->findChild<QToolBar*>("toolBar1")->actions());
    const qsizetype at = bar.indexOf("a_openInDefaultBrowser");
    ASSERT_EQ(at, 3) << bar.join(' ').toStdString();
    EXPECT_EQ(bar.mid(0, 6), QStringList({ "a_open", "a_save", "-", "a_openInDefaultBrowser", "a_sendEmail", "-" }));
    const QStringList view = names(window->findChild<QMenu*>("viewMenu")->actions());
    const qsizetype item = view.indexOf("a_browsers");
    ASSERT_GT(item, 0);
    EXPECT_EQ(view[item - 1], "-");
    EXPECT_EQ(window->action("a_browsers")->text(), "&Browsers ...");
    EXPECT_EQ(window->action("a_openInDefaultBrowser")->text(), "Open File in Default &Browser");
    discard();
}

} // namespace
