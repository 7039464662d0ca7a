#include "navigator/ApplicationsWindow.h"

#include "support/MainWindowFixture.h"

#include <QCoreApplication>
#include <QMenu>
#include <QPushButton>

#include "support/QStringPrinter.h"

namespace {

using Icon = Prompter::Icon;

class ApplicationsWindowTest : public MainWindowFixture {
protected:
    ApplicationsWindow* openApps()
    {
        trigger("a_browsers");
        auto* apps = window->findChild<ApplicationsWindow*>("applicationsWindow");
        EXPECT_NE(apps, nullptr);
        return apps;
    }
    void closeApps(ApplicationsWindow* apps)
    {
        apps->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void press(ApplicationsWindow* apps, const char* button)
    {
        auto* b = apps->findChild<QPushButton*>(button);
        ASSERT_NE(b, nullptr) << button;
        b->click();
    }
    QString makeProgram(const QString& name)
    {
        QDir(work.path()).mkpath("bin");
        const QString path = workFile("bin/" + name);
        writeFile(path, "#!/bin/sh\n");
        return path;
    }
    QString openDocument(const QString& name)
    {
        const QString path = workFile(name);
        writeFile(path, "<p>x</p>");
        window->openTheFile(path);
        return path;
    }
    QString listFile() const { return settingsFile("mybrowsers.plr"); }
};

TEST_F(ApplicationsWindowTest, FirstPressChoosesTheProgramAndTheNextStartsItOnTheDocument)
{
    start();
    const QString doc = openDocument("my page.htm");
    const QString program = makeProgram("browser one");
    ApplicationsWindow* apps = openApps();
    ASSERT_NE(apps, nullptr);
    EXPECT_EQ(apps->windowTitle(), "Open Application ");
    EXPECT_FALSE(window->action("a_browsers")->isEnabled());
    EXPECT_EQ(apps->entries(), QStringList({ " ", " ", " " }));

    prompter.expectOpenFile("Choose application for Open Browser 1", program);
    press(apps, "openBrowser1Button");
    const Prompter::FileDialog dialog = prompter.lastFileDialog();
    EXPECT_EQ(dialog.filter, "All Files|*");
    EXPECT_EQ(dialog.defaultExtension, "");
    EXPECT_EQ(dialog.initialDir, "/usr/bin");
    EXPECT_EQ(dialog.initialName, "");
    EXPECT_TRUE(dialog.mustExist);
    EXPECT_EQ(readFile(listFile()), (program + "\r\n \r\n \r\n").toUtf8());
    EXPECT_EQ(shell.requests, QStringList()); // choosing does not start it

    press(apps, "openBrowser1Button");
    // The path with its space reaches the program as one argument.
    EXPECT_EQ(shell.requests, QStringList { "start " + program + " | " + doc });

    closeApps(apps);
    EXPECT_TRUE(window->action("a_browsers")->isEnabled());
    discard();
}

TEST_F(ApplicationsWindowTest, EditorStartsWithoutADocumentWhileTheTemporaryViewIsShown)
{
    start();
    openDocument("page.htm");
    const QString editor2 = makeProgram("editor");
    writeFile(listFile(), (" \r\n \r\n" + editor2 + "\r\n").toUtf8());
    window->setHtmlTabActive(false);
    ASSERT_EQ(window->currentFileField(), "Temp View: page.htm");
    ApplicationsWindow* apps = openApps();
    ASSERT_NE(apps, nullptr);
    press(apps, "openEditor2Button");
    EXPECT_EQ(shell.requests, QStringList { "start " + editor2 });
    closeApps(apps);
    window->setHtmlTabActive(true);
    discard();
}

TEST_F(ApplicationsWindowTest, CancellingTheSaveQuestionStopsTheButton)
{
    start();
    openDocument("page.htm");
    editor().setText("<p>changed</p>");
    ApplicationsWindow* apps = openApps();
    ASSERT_NE(apps, nullptr);
    prompter.expectMessage("File has changed. The browser will view the saved version\r\nYou are advised to save the "
                           "file now.\r\nChoose Yes to ave now? No to continue without saving.",
        Icon::Confirmation, Prompter::Yes | Prompter::No | Prompter::Cancel, Prompter::Cancel);
    press(apps, "openBrowser2Button");
    EXPECT_EQ(shell.requests, QStringList());
    EXPECT_FALSE(QFile::exists(listFile()));
    closeApps(apps);
    discard();
}

TEST_F(ApplicationsWindowTest, AChangeFromThePopUpLastsOnlyWhileTheWindowIsOpen)
{
    start();
    const QString doc = openDocument("page.htm");
    const QString first = makeProgram("first");
    const QString second = makeProgram("second");
    const QByteArray list = (first + "\r\n" + first + "\r\n").toUtf8(); // two lines: editor 2 is missing
    writeFile(listFile(), list);
    ApplicationsWindow* apps = openApps();
    ASSERT_NE(apps, nullptr);
    EXPECT_EQ(apps->entries(), QStringList({ first, first, " " }));

    auto* menu = apps->findChild<QMenu*>("changeApplicationMenu");
    ASSERT_NE(menu, nullptr);
    QStringList captions;
    for (QAction* a : menu->actions())
        captions << a->text();
    EXPECT_EQ(captions, QStringList({ "Change Browser 1", "Change Browser 2", "Change Editor 2" }));
    prompter.expectOpenFile("Choose application for Open Browser 2", second);
    menu->actions()[1]->trigger();
    EXPECT_EQ(prompter.lastFileDialog().initialName, first);
    EXPECT_EQ(prompter.lastFileDialog().initialDir, workFile("bin"));
    EXPECT_EQ(readFile(listFile()), list);
    press(apps, "openBrowser2Button");
    EXPECT_EQ(shell.requests, QStringList { "start " + second + " | " + doc });

    // The missing third line asks for the program and completes the file.
    const QString third = makeProgram("third");
    prompter.expectOpenFile("Choose application for Open Editor 2", third);
    press(apps, "openEditor2Button");
    EXPECT_EQ(prompter.lastFileDialog().initialDir, "/usr/bin");
    EXPECT_EQ(readFile(listFile()), (first + "\r\n" + second + "\r\n" + third + "\r\n").toUtf8());

    closeApps(apps);
    writeFile(listFile(), list);
    apps = openApps();
    ASSERT_NE(apps, nullptr);
    EXPECT_EQ(apps->entries(), QStringList({ first, first, " " }));
    closeApps(apps);
    discard();
}

} // namespace
