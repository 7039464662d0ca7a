#include "platform/AppDirs.h"
#include "platform/CommandBoundary.h"
#include "platform/FileError.h"
#include "platform/Prompter.h"
#include "support/ScriptedPrompter.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {
TEST(ScriptedPrompter, AnswersExpectedPromptsInOrder)
{
    ScriptedPrompter p;
    p.expectMessage("Save?", Prompter::Icon::Confirmation, Prompter::Yes | Prompter::No, Prompter::No)
        .expectOpenFile("Open File", QString("/tmp/a.htm"))
        .expectInput("Name", std::nullopt);
    EXPECT_EQ(p.message("Save?", Prompter::Icon::Confirmation, Prompter::Yes | Prompter::No), Prompter::No);
    EXPECT_EQ(p.openFile({ "Open File", "HTML Files|*.htm", "htm", {}, {}, false, true }), QString("/tmp/a.htm"));
    EXPECT_EQ(p.lastFileDialog().filter, "HTML Files|*.htm");
    EXPECT_EQ(p.inputText("Caption", "Name", "x"), std::nullopt);
    EXPECT_TRUE(p.done());
}

TEST(ScriptedPrompter, FailsOnASurpriseAWrongTextAndAMissingPrompt)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedPrompter p;
            p.message("Unexpected", Prompter::Icon::Warning, Prompter::Ok);
        },
        "unexpected message \"Unexpected\"");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedPrompter p;
            p.expectMessage("File  has changed. Save now?", Prompter::Icon::Confirmation, Prompter::Ok, Prompter::Ok);
            p.message("File has changed. Save now?", Prompter::Icon::Confirmation, Prompter::Ok);
        },
        "but got message \"File has changed. Save now?\"");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedPrompter p;
            p.expectMessage("Hi", Prompter::Icon::Warning, Prompter::Ok, Prompter::Ok);
            p.message("Hi", Prompter::Icon::Warning, Prompter::Ok | Prompter::Cancel);
        },
        "buttons of message");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedPrompter p;
            p.expectSaveFile("Save File", std::nullopt);
        },
        "expected prompt never came: save dialog \"Save File\"");
}

TEST(CommandBoundary, ShowsAFileErrorAndStopsTheCommand)
{
    ScriptedPrompter p;
    p.expectMessage("Cannot open file \"/x\". Gone", Prompter::Icon::Error, Prompter::Ok, Prompter::Ok);
    bool after = false;
    EXPECT_FALSE(runCommand(p, [&] {
        throw FileError::cannotOpen("/x", "Gone");
        after = true;
    }));
    EXPECT_FALSE(after);
    EXPECT_TRUE(runCommand(p, [] {}));
}

TEST(AppDirs, SettingsOverrideFromTheCommandLine)
{
    QTemporaryDir dir;
    const QStringList rest = AppDirs::takeSettingsOverride({ "pelorin95", "--settings-dir", dir.path(), "a.htm" });
    EXPECT_EQ(rest, QStringList({ "pelorin95", "a.htm" }));
    EXPECT_EQ(AppDirs::settingsFile("lastfile.plr"), dir.path() + "/lastfile.plr");
}

// Without an override the settings go to the user's configuration directory, even where the
// executable's directory is writable; beside the executable only for a portable install.
TEST(AppDirs, SettingsBesideTheExecutableOnlyWhenPortable)
{
    const QByteArray env = qgetenv("PELORIN95_SETTINGS_DIR");
    const QString before = AppDirs::settingsDir();
    qunsetenv("PELORIN95_SETTINGS_DIR");
    AppDirs::setSettingsDir({});
    const QString beside = QCoreApplication::applicationDirPath() + '/';
    EXPECT_NE(AppDirs::settingsDir(), beside);
    EXPECT_TRUE(AppDirs::settingsDir().endsWith("/pelorin95/"));
    QFile portable(beside + "portable");
    ASSERT_TRUE(portable.open(QIODevice::WriteOnly));
    portable.close();
    EXPECT_EQ(AppDirs::settingsDir(), beside);
    portable.remove();
    if (!env.isNull()) qputenv("PELORIN95_SETTINGS_DIR", env);
    AppDirs::setSettingsDir(before);
}
} // namespace

#include "platform/HintRouter.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
TEST(HintRouter, ShowsTheStatusTipUnderTheMouseInTheActiveWindowsHintBox)
{
    HintRouter router;
    QWidget main;
    auto* mainBox = new QPlainTextEdit("Help Message", &main);
    auto* button = new QPushButton("Go", &main);
    button->setStatusTip("Go somewhere");
    auto* plain = new QWidget(&main); // no tip of its own: its parent's speaks for it
    main.setStatusTip("The main window");
    router.setMainHintBox(mainBox);

    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(button, &enter);
    EXPECT_EQ(mainBox->toPlainText(), "Go somewhere");
    QApplication::sendEvent(plain, &enter);
    EXPECT_EQ(mainBox->toPlainText(), "The main window");

    // A tool window with a hint box of its own takes the hints while it is active.
    QWidget tool;
    auto* toolBox = new QPlainTextEdit(&tool);
    router.registerWindow(&tool, toolBox);
    tool.show();
    QApplication::setActiveWindow(&tool);
    if (QApplication::activeWindow() == &tool) {
        QApplication::sendEvent(button, &enter);
        EXPECT_EQ(toolBox->toPlainText(), "Go somewhere");
    }
}
} // namespace

#include <QMessageBox>
#include <QTimer>

namespace {
// A message is plain text: "<head>" is shown, not read as markup; DefaultNo makes No the default.
TEST(QtPrompter, MessagesArePlainTextWithTheDefaultAsked)
{
    QtPrompter prompter;
    Qt::TextFormat format = Qt::RichText;
    QString shown;
    QString defaultButton;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        format = box->textFormat();
        shown = box->text();
        defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
        box->reject();
    });
    const auto answer = prompter.message(
        "Couldn't find the <head> tag.", Prompter::Icon::Warning, Prompter::Yes | Prompter::No | Prompter::DefaultNo);
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(shown, "Couldn't find the <head> tag.");
    EXPECT_EQ(defaultButton.remove('&'), "No");
    EXPECT_EQ(answer, Prompter::No); // closing the box answers No when there is no Cancel
}
} // namespace

#include <QDialog>
#include <QMainWindow>
#include <QTest>
#include <functional>

namespace {
// Every kind of dialog a tool window asks for is owned by that window, so the window manager
// shows it above the window; when it closes, the window that asked has the keys again, not the
// main window behind it.
TEST(QtPrompter, EachDialogIsOwnedByTheAskingWindowWhichIsActiveAgainAfter)
{
    QMainWindow mainWindow;
    mainWindow.show();
    QtPrompter app(&mainWindow);
    struct Kind {
        const char* name;
        std::function<QWidget*(QWidget*)> make;
    };
    const Kind windows[] = {
        { "site tool", [](QWidget* main) { return new QMainWindow(main, Qt::Window); } },
        { "tool", [](QWidget* main) { return new QWidget(main, Qt::Window); } },
        { "wizard", [](QWidget* main) { return new QDialog(main, Qt::Dialog); } },
    };
    const std::pair<const char*, std::function<void(Prompter&)>> dialogs[] = {
        { "message", [](Prompter& p) { p.message("Finished Checking.", Prompter::Icon::Information, Prompter::Ok); } },
        { "open", [](Prompter& p) { p.openFile({ "Open", "All Files|*.*", "htm", {}, {}, false, true }); } },
        { "save", [](Prompter& p) { p.saveFile({ "Save", "All Files|*.*", "htm", {}, {}, true, false }); } },
        { "directory", [](Prompter& p) { p.chooseDirectory("Select a Directory", {}); } },
        { "colour", [](Prompter& p) { p.chooseColor(Qt::red); } },
        { "input", [](Prompter& p) { p.inputText("Caption", "Prompt", "value"); } },
    };
    for (const Kind& kind : windows) {
        QWidget* tool = kind.make(&mainWindow);
        tool->show();
        QApplication::setActiveWindow(tool);
        WindowPrompter prompter(app, tool);
        for (const auto& [name, ask] : dialogs) {
            SCOPED_TRACE(std::string(kind.name) + " asking for " + name);
            QWidget* owner = nullptr;
            QTimer::singleShot(0, [&] {
                QWidget* dialog = QApplication::activeModalWidget();
                ASSERT_NE(dialog, nullptr);
                owner = dialog->parentWidget() ? dialog->parentWidget()->window() : nullptr;
                // The window manager gives the keys elsewhere as the dialog goes.
                QApplication::setActiveWindow(&mainWindow);
                dialog->close();
            });
            ask(prompter);
            EXPECT_EQ(owner, tool);
            // Activation goes through the platform: its events are delivered first.
            EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == tool; }, 2000));
        }
        delete tool;
    }
}
} // namespace

#include "platform/BrowserView.h"

#include <QTextBrowser>

namespace {
// The program's own page at start needs no web engine: a light view draws it.
TEST(WebBrowserView, OwnPagesAreShownWithoutStartingTheEngine)
{
    QTemporaryDir dir;
    QFile page(dir.filePath("brief.htm"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<html><body><h1>In brief</h1><a href=\"more.htm\">More</a></body></html>");
    page.close();
    WebBrowserView view;
    QString reported;
    QObject::connect(&view, &BrowserView::navigationComplete, [&](const QString& url) { reported = url; });
    view.showOwnPage(dir.filePath("brief.htm"));
    EXPECT_FALSE(view.isCreated());
    ASSERT_NE(view.lightView(), nullptr);
    EXPECT_TRUE(view.lightView()->toPlainText().contains("In brief"));
    EXPECT_EQ(reported, QUrl::fromLocalFile(dir.filePath("brief.htm")).toString(QUrl::FullyEncoded));
    EXPECT_EQ(view.locationUrl(), reported);
}
} // namespace
