#include "main/DocumentSession.h"
#include "editor/TextFile.h"
#include "support/FileSizeLimit.h"
#include "support/MainWindowFixture.h"
#include "support/QStringPrinter.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <sys/stat.h>

namespace {
using Icon = Prompter::Icon;
constexpr auto YNC = Prompter::Yes | Prompter::No | Prompter::Cancel;
const QString kChanged = "File has changed. Save now?";

class DocumentSessionTest : public MainWindowFixture {
protected:
    QString makeFile(const QString& name, const QByteArray& bytes)
    {
        writeFile(workFile(name), bytes);
        return workFile(name);
    }
    QString encodingPanel() const { return window->findChild<QLabel*>("statusPanel4")->text(); }
};

// Yes to the save question, then Escape in the save dialog: the command stops, the text stays.
TEST_F(DocumentSessionTest, CancellingTheSaveDialogAfterYesCancelsTheCommand)
{
    const QString other = makeFile("other.htm", "other");
    start();
    for (const char* command : { "a_new", "a_newHtml", "a_close", "a_open" }) {
        editor().setText("precious");
        editor().setModified(true);
        if (QString(command) == "a_open") prompter.expectOpenFile("Open File", other);
        prompter.expectMessage(kChanged, Icon::Confirmation, YNC, Prompter::Yes);
        prompter.expectSaveFile("Save File", std::nullopt);
        trigger(command);
        EXPECT_EQ(editor().text(), "precious") << command;
        EXPECT_TRUE(editor().isModified()) << command;
    }
    // The window's close query too.
    prompter.expectMessage("File  has changed. Save now?", Icon::Confirmation, YNC, Prompter::Yes);
    prompter.expectSaveFile("Save File", std::nullopt);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    discard();
}

TEST_F(DocumentSessionTest, ANulByteIsToldAtLoadAndSavingOverTheFileAsksFirst)
{
    const QByteArray bytes("abc\0def", 7);
    const QString name = makeFile("nul.txt", bytes);
    start();
    prompter.expectMessage(QDir::toNativeSeparators(name) + " holds a NUL byte: only the text before it is shown.",
        Icon::Warning, Prompter::Ok, Prompter::Ok);
    window->openTheFile(name);
    EXPECT_EQ(editor().text(), "abc");
    editor().setSelText("x");
    const QString question = "Saving will cut the file at its first NUL byte (byte 3). Save anyway?";
    const auto yesNo = Prompter::Yes | Prompter::No | Prompter::DefaultNo;
    prompter.expectMessage(question, Icon::Warning, yesNo, Prompter::No);
    trigger("a_save");
    EXPECT_EQ(readFile(name), bytes);
    EXPECT_TRUE(editor().isModified());
    // Saved elsewhere, nothing is asked and the original stays.
    const QString copy = workFile("copy.txt");
    prompter.expectSaveFile("Save File", copy);
    trigger("a_saveAs");
    EXPECT_EQ(readFile(name), bytes);
    EXPECT_EQ(readFile(copy), "xabc");
    discard();
}

TEST_F(DocumentSessionTest, ImagesOfEveryListedTypeOpenInThePreview)
{
    const QString png = makeFile("pic.png", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    start();
    editor().setText("kept");
    editor().setModified(false);
    window->openTheFile(png);
    EXPECT_FALSE(window->isHtmlTabActive());
    EXPECT_EQ(browser->locationUrl(), QUrl::fromLocalFile(png).toString(QUrl::FullyEncoded));
    EXPECT_EQ(editor().text(), "kept");
    EXPECT_EQ(window->session().fileName(), "");
    window->setHtmlTabActive(true);
    discard();
}

TEST_F(DocumentSessionTest, Windows1252FilesAskBeforeChangingTheirEncoding)
{
    const QByteArray bytes = "caf\xE9";
    const QString name = makeFile("page.htm", bytes);
    start();
    window->openTheFile(name);
    EXPECT_EQ(encodingPanel(), "Windows-1252 CR LF");
    editor().setSelStart(editor().charCount());
    editor().setSelText(QString::fromUtf8(" \u4E2D"));
    const QString question = QDir::toNativeSeparators(name) + " cannot be saved in Windows-1252. Save as UTF-8?";
    prompter.expectMessage(question, Icon::Confirmation, Prompter::Yes | Prompter::No, Prompter::No);
    trigger("a_save");
    EXPECT_EQ(readFile(name), bytes);
    EXPECT_TRUE(editor().isModified());
    prompter.expectMessage(question, Icon::Confirmation, Prompter::Yes | Prompter::No, Prompter::Yes);
    trigger("a_save");
    EXPECT_EQ(readFile(name), QString::fromUtf8("café \u4E2D").toUtf8());
    EXPECT_EQ(encodingPanel(), "UTF-8 CR LF");
    EXPECT_FALSE(editor().isModified());
    discard();
}

// A settings directory that cannot be written: told once, and the document command goes on.
TEST_F(DocumentSessionTest, AReadOnlySettingsDirectoryNeverStopsADocumentCommand)
{
    const QString a = makeFile("a.htm", "A");
    const QString b = makeFile("b.htm", "B");
    start();
    // A directory where the recent list should be makes every write of it fail, even as root.
    QDir(settings.path()).mkdir(DocumentSession::kRecentList);
    prompter.expectMessage(
        "Cannot create file \"" + settingsFile(DocumentSession::kRecentList) + "\". Filename refers to a directory",
        Icon::Error, Prompter::Ok, Prompter::Ok);
    window->openTheFile(a);
    EXPECT_EQ(editor().text(), "A");
    EXPECT_FALSE(editor().isModified());
    window->openTheFile(b);
    EXPECT_EQ(editor().text(), "B");
    EXPECT_FALSE(editor().isModified());
    discard();
}

TEST_F(DocumentSessionTest, SaveAsProposesTheLastChosenNameAlsoAfterClose)
{
    start();
    editor().setText("x");
    const QString first = workFile("first.htm");
    prompter.expectSaveFile("Save File", first);
    trigger("a_saveAs");
    prompter.expectSaveFile("Save File", std::nullopt);
    trigger("a_saveAs");
    EXPECT_EQ(prompter.lastFileDialog().initialName, first);
    trigger("a_close");
    prompter.expectSaveFile("Save File", std::nullopt);
    trigger("a_saveAs");
    EXPECT_EQ(prompter.lastFileDialog().initialName, first);
    discard();
}

TEST_F(DocumentSessionTest, TheEditorHasTheFocusAfterOpeningAndAfterReturningToTheHtmlTab)
{
    const QString a = makeFile("a.htm", "A");
    start({ a });
    window->activateWindow();
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), &editor());
    window->setHtmlTabActive(false);
    window->findChild<QLineEdit*>("lineNumberEdit")->setFocus();
    window->setHtmlTabActive(true);
    EXPECT_EQ(QApplication::focusWidget(), &editor());
    trigger("a_new");
    EXPECT_EQ(QApplication::focusWidget(), &editor());
    discard();
}
} // namespace

namespace {
using KeysTest = MainWindowFixture;

// A Shift+Alt block is copied and cut by the menu, the tool bar and Ctrl+C / Ctrl+X, and pressing
// Shift and Alt again extends it.
TEST_F(KeysTest, ABlockIsCopiedAndCutByEveryCommand)
{
    start();
    window->activateWindow();
    editor().setText("abcd\nefgh\nijkl");
    editor().setFocus();
    editor().setSelStart(1);
    const auto block = [&](Qt::Key key) { QTest::keyClick(&editor(), key, Qt::ShiftModifier | Qt::AltModifier); };
    block(Qt::Key_Right);
    QTest::keyClick(&editor(), Qt::Key_Meta, Qt::ShiftModifier | Qt::AltModifier);
    block(Qt::Key_Right);
    block(Qt::Key_Down);
    ASSERT_TRUE(editor().hasBlockSelection());
    EXPECT_TRUE(window->action("a_copy")->isEnabled());
    EXPECT_TRUE(window->action("a_cut")->isEnabled());
    QApplication::clipboard()->clear();
    trigger("a_copy");
    EXPECT_EQ(QApplication::clipboard()->text(), "bc\nfg");
    QApplication::clipboard()->clear();
    QTest::keyClick(&editor(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "bc\nfg");
    QTest::keyClick(&editor(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(editor().text(), "ad\r\neh\r\nijkl");
    EXPECT_FALSE(editor().hasBlockSelection());
    discard();
}

// Keys no command gives a meaning do nothing: Ctrl+K and Ctrl+U in the standard mode.
TEST_F(KeysTest, TheTextWidgetsOwnBindingsAreOff)
{
    start();
    window->activateWindow();
    window->findChild<QToolButton*>("modeButtonSTD")->click();
    editor().setText("keep this line");
    editor().setFocus();
    editor().setSelStart(4);
    for (Qt::Key key : { Qt::Key_K, Qt::Key_U, Qt::Key_W })
        QTest::keyClick(&editor(), key, Qt::ControlModifier);
    EXPECT_EQ(editor().text(), "keep this line");
    discard();
}
} // namespace

namespace {
using StatusTest = MainWindowFixture;

// With word wrap on, the line panel counts display lines at once after Ctrl+End.
TEST_F(StatusTest, TheLinePanelFollowsCtrlEndWithWordWrap)
{
    start();
    window->activateWindow();
    editor().setText(QString("word ").repeated(200) + "\nlast");
    trigger("a_wordWrap");
    ASSERT_TRUE(editor().wordWrap());
    editor().setFocus();
    QTest::keyClick(&editor(), Qt::Key_End, Qt::ControlModifier);
    QApplication::processEvents();
    const QString shown = window->statusText(0);
    EXPECT_EQ(shown, QString("Line:%1").arg(editor().selLine() + 1));
    EXPECT_NE(shown, "Line:2");
    discard();
}
} // namespace

namespace {
using ToolBarsTest = MainWindowFixture;

// At 1024x768 both tool bars show every button (nothing in an overflow menu), each with an
// icon and its caption as tool tip; a right click on "Colour the tags" still offers its menu.
TEST_F(ToolBarsTest, EveryButtonIsShownAt1024By768)
{
    start({}, false);
    window->resize(1024, 768);
    window->show();
    QApplication::processEvents();
    for (const char* bar : { "toolBar1", "toolBar2" }) {
        auto* toolBar = window->findChild<QToolBar*>(bar);
        ASSERT_NE(toolBar, nullptr);
        for (QAction* a : toolBar->actions()) {
            if (a->isSeparator()) continue;
            SCOPED_TRACE(a->objectName().toStdString());
            QWidget* button = toolBar->widgetForAction(a);
            ASSERT_NE(button, nullptr);
            EXPECT_TRUE(button->isVisible());
            EXPECT_FALSE(a->icon().isNull());
            EXPECT_TRUE(QString(a->text()).remove('&').startsWith(a->toolTip())) << a->toolTip().toStdString();
        }
        auto* more = toolBar->findChild<QToolButton*>("qt_toolbar_ext_button");
        EXPECT_TRUE(!more || !more->isVisible()) << bar;
    }
    discard();
}
} // namespace

namespace {
using FullDiskTest = MainWindowFixture;

// A save that hits a full disk shows the file layer's message; the old file and the text stay.
TEST_F(FullDiskTest, ASaveOnAFullDiskKeepsTheOldFileAndTheText)
{
    const QString name = workFile("page.htm");
    writeFile(name, "old page");
    start();
    window->openTheFile(name);
    editor().setText(QString(300 * 1024, 'x'));
    prompter.expectMessage("Cannot create file \"" + name + "\". File too large", Prompter::Icon::Error,
        Prompter::Ok, Prompter::Ok);
    {
        const FileSizeLimit full(64 * 1024);
        trigger("a_save");
    }
    EXPECT_EQ(readFile(name), "old page");
    EXPECT_TRUE(editor().isModified());
    EXPECT_EQ(QDir(work.path()).entryList(QDir::Files), QStringList { "page.htm" });
    discard();
}
} // namespace

// The encoding panel's menu sets what the next save writes; the file's bytes show it.
TEST_F(DocumentSessionTest, EncodingPanelMenuChoosesTheSaveFormatAndReloads)
{
    const QString name = makeFile("page.htm", "caf\xC3\xA9\r\nb");
    start();
    window->openTheFile(name);
    auto* panel = window->findChild<QLabel*>("statusPanel4");
    auto* menu = window->findChild<QMenu*>("encodingMenu");
    ASSERT_NE(menu, nullptr);
    QTest::mouseClick(panel, Qt::LeftButton);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(menu->findChild<QAction*>("encodingUtf8")->isChecked());
    EXPECT_TRUE(menu->findChild<QAction*>("lineBreakCrLf")->isChecked());
    menu->hide();

    const struct {
        const char* choice;
        const char* panel;
        QByteArray bytes;
    } cases[] = {
        { "encodingWindows1252", "Windows-1252 CR LF", "caf\xE9\r\nb" },
        { "lineBreakLf", "Windows-1252 LF", "caf\xE9\nb" },
        { "encodingUtf8Bom", "UTF-8 LF", "\xEF\xBB\xBF" "caf\xC3\xA9\nb" },
        { "encodingUtf16Le", "UTF-16LE LF", QByteArray("\xFF\xFE" "c\0a\0f\0\xE9\0\n\0b\0", 14) },
        { "encodingUtf16Be", "UTF-16BE LF", QByteArray("\xFE\xFF\0c\0a\0f\0\xE9\0\n\0b", 14) },
        { "lineBreakCrLf", "UTF-16BE CR LF", QByteArray("\xFE\xFF\0c\0a\0f\0\xE9\0\r\0\n\0b", 16) },
        { "encodingUtf8", "UTF-8 CR LF", "caf\xC3\xA9\r\nb" },
    };
    for (const auto& c : cases) {
        menu->findChild<QAction*>(c.choice)->trigger();
        EXPECT_TRUE(editor().isModified()) << c.choice;
        EXPECT_EQ(encodingPanel(), c.panel);
        trigger("a_save");
        EXPECT_EQ(readFile(name), c.bytes) << c.choice;
        EXPECT_FALSE(editor().isModified());
    }

    // Windows-1252 still asks about a character it cannot hold.
    menu->findChild<QAction*>("encodingWindows1252")->trigger();
    editor().setSelStart(0);
    editor().setSelText(QString::fromUtf8("\u4E2D"));
    const QString question = QDir::toNativeSeparators(name) + " cannot be saved in Windows-1252. Save as UTF-8?";
    prompter.expectMessage(question, Icon::Confirmation, Prompter::Yes | Prompter::No, Prompter::No);
    trigger("a_save");
    EXPECT_EQ(readFile(name), "caf\xC3\xA9\r\nb");

    // Reading again in another encoding asks first while there are changes; No keeps them.
    const QString reload = QDir::toNativeSeparators(name)
        + " as Windows-1252 discards your changes to it. Reload anyway?";
    prompter.expectMessage("Reloading " + reload, Icon::Warning, Prompter::Yes | Prompter::No | Prompter::DefaultNo,
        Prompter::No);
    menu->findChild<QAction*>("reloadWindows1252")->trigger();
    EXPECT_EQ(editor().lineText(0), QString::fromUtf8("\u4E2Dcaf\u00E9"));
    prompter.expectMessage("Reloading " + reload, Icon::Warning, Prompter::Yes | Prompter::No | Prompter::DefaultNo,
        Prompter::Yes);
    menu->findChild<QAction*>("reloadWindows1252")->trigger();
    EXPECT_EQ(editor().lineText(0), QString::fromUtf8("caf\u00C3\u00A9"));
    EXPECT_EQ(encodingPanel(), "Windows-1252 CR LF");
    EXPECT_FALSE(editor().isModified());
    menu->findChild<QAction*>("reloadUtf8")->trigger();
    EXPECT_EQ(editor().lineText(0), QString::fromUtf8("caf\u00E9"));
    EXPECT_EQ(encodingPanel(), "UTF-8 CR LF");
    discard();
}
