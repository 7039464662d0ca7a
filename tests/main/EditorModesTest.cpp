#include "main/EditorModes.h"
#include "support/MainWindowFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

namespace {
using Mode = EditorMode;

class EditorModesTest : public MainWindowFixture {
protected:
    EditorModes& modes() { return *window->editorModes(); }

    // The tree as lines: "-" for a separator, "Caption >" before a submenu's indented entries,
    // shortcuts in brackets.
    static QStringList dump(const QMenu* menu, const QString& indent = {})
    {
        QStringList lines;
        for (QAction* a : menu->actions()) {
            if (a->isSeparator())
                lines << indent + "-";
            else if (a->menu())
                lines << indent + a->text() + " >" << dump(a->menu(), indent + "  ");
            else if (a->shortcut().isEmpty())
                lines << indent + a->text();
            else
                lines << indent + a->text() + " [" + a->shortcut().toString(QKeySequence::PortableText) + "]";
        }
        return lines;
    }
    void focusEditor()
    {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        editor().setFocus();
        ASSERT_TRUE(editor().hasFocus());
    }
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        QTest::keyClick(&editor(), Qt::Key(key), modifiers);
    }
    // Opens a menu as the user would and closes it again.
    void openAndClose(Mode mode)
    {
        QMenu* menu = modes().menu(mode);
        menu->popup(QPoint(10, 10));
        menu->close();
    }
    // Cuts an entry off its command and counts its runs.
    static std::unique_ptr<QSignalSpy> detach(QAction* entry)
    {
        QObject::disconnect(entry, &QAction::triggered, nullptr, nullptr);
        return std::make_unique<QSignalSpy>(entry, &QAction::triggered);
    }
    QString makeFile(const QString& name)
    {
        writeFile(workFile(name), "x");
        return workFile(name);
    }
};

TEST_F(EditorModesTest, StandardMenuTree)
{
    start();
    EXPECT_EQ(dump(modes().menu(Mode::Standard)),
        QStringList({ "Cu&t [Ctrl+X]", "&Copy [Ctrl+C]", "&Paste [Ctrl+V]", "Select &all [Ctrl+A]", "-",
            "Find ... [Ctrl+F]", "Replace ... [Ctrl+E]", "Undo [Ctrl+Z]", "&Redo [Ctrl+Shift+Z]", "-",
            "&Open File ... [Ctrl+O]", "&Save File ... [Ctrl+S]", "-", "Find Matching Brace [Ctrl+M]" }));
    discard();
}

TEST_F(EditorModesTest, HtmlMenuTree)
{
    start();
    EXPECT_EQ(dump(modes().menu(Mode::Html)),
        QStringList({ "Edit ... >", "  Cu&t [Ctrl+X]", "  &Copy [Ctrl+C]", "  &Paste [Ctrl+V]", "  -",
            "  Select &all [Ctrl+A]", "  &Undo [Ctrl+Z]", "  &Redo [Ctrl+Shift+Z]", "  -", "  &Find text ... [Ctrl+F]",
            "  &Replace text [Ctrl+E]", "  Find Matching Brace [Ctrl+M]", "-", "Block ... >", "  HTML", "  HEAD",
            "  BODY", "  Block&quote [Ctrl+Q]", "  PRE", "&Headings ... >", "  H1 [Ctrl+1]", "  H2 [Ctrl+2]",
            "  H3 [Ctrl+3]", "&Paragraph [Ctrl+P]", "B&reak [Ctrl+R]", "-", "Meta Tags ... >", "  Title", "  Keywords",
            "  Descriptions", "-", "Align >", "  Left", "  Right", "  Centre", "Format ... >", "  &Bold [Ctrl+B]",
            "  &Italic [Ctrl+I]", "  &Underline [Ctrl+U]", "  Font ... [Ctrl+F]", "-", "Forms ... >", "  Form",
            "  Select", "  Option [Ctrl+Alt+O]", "  aButton", "  Submit", "  Reset", "  Text", "  Text Area",
            "  Hidden", "  Checkbox", "  Radio", "Frames ... >", "  Frameset - Rows", "  Frameset - Cols", "  Frame",
            "  No Frames Tag", "-", "Links ... >", "  Link to selected file [Ctrl+K]", "  Plain Link", "  TOC Link",
            "  Email Link", "  Bookmark [Ctrl+Alt+B]", "  -", "  Insert TOC", "  -", "Image", "Colour >",
            "  Hex Colour", "  Background Colour", "-", "HTML Comments", "HTML Fancy Comments", "Style Tags",
            "Horizontal &Line [Ctrl+H]", "-", "List ... >", "  List Dialogue ...", "  -", "  Ordered List",
            "  Unordered List", "List Item [Ctrl+L]", "-", "Table ... >", "  Table Dialogue ...",
            "  Table Data Dialogue ...", "  -", "  Table Tags", "  &Table Row Tags [Ctrl+W]",
            "  Table &Data Tags [Ctrl+D]", "-", "&Open File ... [Ctrl+O]", "&Save File ... [Ctrl+S]", "-" }));
    discard();
}

TEST_F(EditorModesTest, JavaScriptMenuTree)
{
    start();
    EXPECT_EQ(dump(modes().menu(Mode::JavaScript)),
        QStringList({ "Edit ... >", "  Cu&t [Ctrl+X]", "  &Copy [Ctrl+C]", "  &Paste [Ctrl+V]", "  -",
            "  Select &all [Ctrl+A]", "  &Undo [Ctrl+Z]", "  &Redo [Ctrl+Shift+Z]", "  -", "  &Find text ... [Ctrl+F]",
            "  &Replace text [Ctrl+E]", "JavaScript Tags", "Insert ... >", "  JS File", "  CSS File",
            "  Relative Filename [Ctrl+N]", "  File Title [Ctrl+T]", "  Quotes",
            "Link this css/js file to selected file [F2]", "Function", "-", "Conditions and Loops ... >", "  If",
            "  Else", "  For", "  While", "  Switch", "  With", "-", "Message Boxes >", "  Alert", "  Confirm",
            "  Prompt", "New Window", "-", "onClick", "onSubmit", "onChange", "Mouse ... >", "  onMouseOver",
            "  onMouseOut", "  onMouseUp", "  onMouseDown", "-", "Other ... >", "  document.write", "  history.go()",
            "  top.location", "  Array", "Strings ... >", "  indexOf", "  lastIndexOf", "  substring", "  charAt",
            "  length", "-", "Numbers .... >", "  parseFloat", "  parseInt", "  isNaN", "-", "JavaScript Comments",
            "JavaScript Fancy Comments", "-", "Find Matching Brace [Ctrl+M]", "-", "Wizard Function Link ...", "-",
            "&Open File ... [Ctrl+O]", "&Save File ... [Ctrl+S]" }));
    discard();
}

TEST_F(EditorModesTest, EntriesRunTheirCommandsAndTheWizardEntriesAreEnabled)
{
    start();
    for (const auto& [mode, path] :
        std::initializer_list<std::pair<Mode, QString>> { { Mode::Html, "Format .../Font ..." },
            { Mode::Html, "List .../List Dialogue ..." }, { Mode::Html, "Table .../Table Dialogue ..." },
            { Mode::Html, "Table .../Table Data Dialogue ..." }, { Mode::JavaScript, "Wizard Function Link ..." } }) {
        SCOPED_TRACE(path.toStdString());
        ASSERT_NE(modes().entry(mode, path), nullptr);
        EXPECT_TRUE(modes().entry(mode, path)->isEnabled());
    }
    prompter.expectColor(std::nullopt);
    modes().entry(Mode::Html, "Colour/Hex Colour")->trigger();
    EXPECT_EQ(editor().text(), "#000000"); // the colour dialog cancelled
    modes().entry(Mode::JavaScript, "New Window")->trigger();
    EXPECT_EQ(editor().text(),
        "#000000\r\nwindow.open('MyExistingWindow.htm', 'MyTitle', "
        "'toolbar,menubar,scrollbars,resizable,status,location,directories,copyhistory,height=200,width=200');"
        "\r\n");
    discard();
}

TEST_F(EditorModesTest, ModeButtonsSetTheMenuTheFlatButtonAndTheCaption)
{
    start();
    auto flat = [this] {
        QStringList out;
        for (Mode m : { Mode::Html, Mode::Standard, Mode::JavaScript })
            if (modes().modeButton(m)->autoRaise()) out << modes().modeButton(m)->text();
        return out;
    };
    EXPECT_EQ(modes().mode(), Mode::Html);
    EXPECT_EQ(flat(), QStringList { "HTML" });
    EXPECT_EQ(window->windowTitle(), "Dorvane's Pelorin95");

    const QString page = makeFile("page.htm");
    window->openTheFile(page);
    window->findChild<QToolButton*>("modeButtonSTD")->click();
    EXPECT_EQ(modes().mode(), Mode::Standard);
    EXPECT_EQ(flat(), QStringList { "STD" });
    EXPECT_EQ(window->windowTitle(), "Dorvane's Pelorin95 - Standard Mode"); // the file name goes
    window->findChild<QToolButton*>("modeButtonJS")->click();
    EXPECT_EQ(flat(), QStringList { "JS" });
    EXPECT_EQ(window->windowTitle(), "Dorvane's Pelorin95 - JavaScript Mode");
    window->findChild<QToolButton*>("modeButtonHTML")->click();
    EXPECT_EQ(flat(), QStringList { "HTML" });
    EXPECT_EQ(window->windowTitle(), "Dorvane's Pelorin95 - HTML Mode");
    discard();
}

TEST_F(EditorModesTest, RightClicksOpenTheMenus)
{
    start();
    modes().setMode(Mode::Standard);
    emit editor().customContextMenuRequested(QPoint(5, 5));
    EXPECT_EQ(QApplication::activePopupWidget(), modes().menu(Mode::Standard));
    modes().menu(Mode::Standard)->close();

    // A mode button's own menu, whatever the mode; the mode stays.
    for (Mode m : { Mode::Html, Mode::JavaScript, Mode::Standard }) {
        emit modes().modeButton(m)->customContextMenuRequested(QPoint(2, 2));
        EXPECT_EQ(QApplication::activePopupWidget(), modes().menu(m));
        modes().menu(m)->close();
    }
    EXPECT_EQ(modes().mode(), Mode::Standard);
    discard();
}

TEST_F(EditorModesTest, OnlyTheCurrentMenusShortcutsWorkInTheEditor)
{
    start();
    focusEditor();
    editor().setText("abc");
    editor().selectAll();

    modes().setMode(Mode::Standard);
    key(Qt::Key_B);
    EXPECT_EQ(editor().text(), "abc");
    modes().setMode(Mode::JavaScript);
    key(Qt::Key_B);
    EXPECT_EQ(editor().text(), "abc");
    modes().setMode(Mode::Html);
    key(Qt::Key_B);
    EXPECT_EQ(editor().text(), "<B>abc</B>");
    key(Qt::Key_1);
    EXPECT_EQ(editor().text(), "<B>abc\r\n<H1></H1>\r\n</B>");
    key(Qt::Key_B, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(prompts, QStringList { "Enter a bookmark name.|bottom" });
    EXPECT_EQ(editor().text(), "<B>abc\r\n<H1><A NAME=\"bottom\"></A></H1>\r\n</B>");

    // The JavaScript menu's keys do nothing in HTML mode, and the reverse.
    auto relative = detach(modes().entry(Mode::JavaScript, "Insert .../Relative Filename"));
    auto link = detach(modes().entry(Mode::Html, "Links .../Link to selected file"));
    key(Qt::Key_N);
    EXPECT_EQ(relative->count(), 0);
    key(Qt::Key_K);
    EXPECT_EQ(link->count(), 1);
    modes().setMode(Mode::JavaScript);
    key(Qt::Key_N);
    key(Qt::Key_K);
    EXPECT_EQ(relative->count(), 1);
    EXPECT_EQ(link->count(), 1);
    discard();
}

TEST_F(EditorModesTest, CtrlFFindsTextInTheHtmlMenu)
{
    start();
    focusEditor();
    auto find = detach(modes().entry(Mode::Html, "Edit .../&Find text ..."));
    auto font = detach(modes().entry(Mode::Html, "Format .../Font ..."));
    modes().entry(Mode::Html, "Format .../Font ...")->setEnabled(true); // as once its window is there
    key(Qt::Key_F);
    EXPECT_EQ(find->count(), 1);
    EXPECT_EQ(font->count(), 0);
    discard();
}

TEST_F(EditorModesTest, EditEntriesFollowTheSelectionAndClipboardWhenTheMenusOpen)
{
    start();
    QApplication::clipboard()->clear();
    editor().setText("abc");
    for (Mode mode : { Mode::Html, Mode::JavaScript }) {
        QAction* cut = modes().entry(mode, "Edit .../Cu&t");
        QAction* copy = modes().entry(mode, "Edit .../&Copy");
        QAction* paste = modes().entry(mode, "Edit .../&Paste");
        openAndClose(mode);
        EXPECT_FALSE(cut->isEnabled());
        EXPECT_FALSE(copy->isEnabled());
        EXPECT_FALSE(paste->isEnabled());
        editor().selectAll();
        QApplication::clipboard()->setText("x");
        openAndClose(mode);
        EXPECT_TRUE(cut->isEnabled());
        EXPECT_TRUE(copy->isEnabled());
        EXPECT_TRUE(paste->isEnabled());
        editor().setSelStart(0);
        QApplication::clipboard()->clear();
    }
    // The standard menu's "Undo" is always on; the others follow the command.
    EXPECT_TRUE(modes().entry(Mode::Standard, "Undo")->isEnabled());
    editor().clearUndo();
    EXPECT_FALSE(window->action("a_undo")->isEnabled());
    EXPECT_TRUE(modes().entry(Mode::Standard, "Undo")->isEnabled());
    EXPECT_FALSE(modes().entry(Mode::Html, "Edit .../&Undo")->isEnabled());
    discard();
}

// "Link this css/js file to selected file" follows the Current File Name field as the JavaScript
// menu last opened; F2 follows the entry.
TEST_F(EditorModesTest, LinkCssJsEntryAndF2FollowTheLastOpening)
{
    start();
    focusEditor();
    modes().setMode(Mode::JavaScript);
    QAction* entry = modes().entry(Mode::JavaScript, "Link this css/js file to selected file");
    auto runs = detach(entry);

    struct Case {
        QString file;
        bool enabled;
    };
    for (const Case& c : { Case { "page.htm", false }, Case { "style.css", true }, Case { "code.JS", true },
             Case { "script.jsx", false }, Case { "Style.Css", true } }) {
        SCOPED_TRACE(c.file.toStdString());
        window->openTheFile(makeFile(c.file));
        focusEditor();
        runs->clear();
        openAndClose(Mode::JavaScript);
        EXPECT_EQ(entry->isEnabled(), c.enabled);
        key(Qt::Key_F2, Qt::NoModifier);
        EXPECT_EQ(runs->count(), c.enabled ? 1 : 0);
    }
    // Kept until the next opening: a new file does not change it.
    window->openTheFile(makeFile("other.htm"));
    focusEditor();
    runs->clear();
    key(Qt::Key_F2, Qt::NoModifier);
    EXPECT_EQ(runs->count(), 1);
    discard();
}
} // namespace

namespace {
TEST_F(EditorModesTest, SaveEntriesAreAlwaysEnabledAndSaveAnUnchangedDocument)
{
    const QString page = makeFile("page.htm");
    start({ page });
    EXPECT_FALSE(window->action("a_save")->isEnabled());
    writeFile(page, "changed on disk");
    for (Mode mode : { Mode::Html, Mode::Standard, Mode::JavaScript })
        EXPECT_TRUE(modes().entry(mode, "&Save File ...")->isEnabled());
    focusEditor();
    key(Qt::Key_S);
    EXPECT_EQ(readFile(page), "x");
    discard();
}
} // namespace
