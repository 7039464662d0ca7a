#include "wizards/StyleSheetWindow.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTemporaryDir>

#include "WizardFixture.h"

namespace {

using Icon = Prompter::Icon;

class StyleSheetWindowTest : public WizardFixture {
protected:
    void SetUp() override
    {
        WizardFixture::SetUp();
        previousDir = QDir::currentPath();
        QDir::setCurrent(dir.path());
        window = open<StyleSheetWindow>("a_styleSheets");
        ASSERT_NE(window, nullptr);
        sheet = window->sheet();
    }
    void TearDown() override
    {
        if (window) window->sheet()->setModified(false);
        QDir::setCurrent(previousDir);
        WizardFixture::TearDown();
    }
    QComboBox* combo(const char* name) { return child<QComboBox>(window, name); }
    // A list entry chosen by the user.
    void choose(const char* name, int index)
    {
        QComboBox* c = combo(name);
        c->setCurrentIndex(index);
        emit c->activated(index);
    }
    QString fieldText(const char* name) { return child<QLineEdit>(window, name)->text(); }
    QString writeFile(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir.filePath(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QString sheetWithCaret() const
    {
        QString text = sheet->text();
        return text.insert(sheet->selStart(), u'|');
    }
    const QString kChanged = "File  has changed. Save now?";
    QTemporaryDir dir;
    QString previousDir;
    QPointer<StyleSheetWindow> window;
    CodeEditor* sheet = nullptr;
};

TEST_F(StyleSheetWindowTest, OpensMaximizedWithItsDefaults)
{
    EXPECT_EQ(window->windowTitle(), "Dorvane's Style Sheet Maker");
    EXPECT_TRUE(window->isMaximized());
    EXPECT_FALSE(enabled("a_styleSheets"));
    EXPECT_EQ(fieldText("fileNameEdit"), "File has never been saved");
    EXPECT_EQ(window->choicePages()->tabText(window->choicePages()->currentIndex()), "Margins");
    EXPECT_EQ(window->sheetTabs()->tabText(0), "Style Sheet");
    EXPECT_EQ(window->sheetTabs()->tabText(1), "Viewer");
    EXPECT_EQ(window->sheetTabs()->currentIndex(), 0);
    EXPECT_EQ(combo("selectorCombo")->count(), 20);
    EXPECT_EQ(combo("borderUnitCombo")->currentText(), "px");
    QStringList fonts;
    for (int i = 0; i < 6; ++i)
        fonts << combo("fontCombo")->itemText(i);
    EXPECT_EQ(fonts, (QStringList { "Default", "sans-serif", "serif", "cursive", "monospace", "fantasy" }));
    QStringList menus;
    for (QAction* a : window->menuBar()->actions())
        menus << a->text();
    EXPECT_EQ(menus, (QStringList { "&File", "&Edit" }));
    QStringList sheetMenu;
    for (QAction* a : window->sheetMenu()->actions())
        sheetMenu << a->text() + " " + a->shortcut().toString();
    EXPECT_EQ(sheetMenu,
        (QStringList { "Cu&t Ctrl+X", "&Copy Ctrl+C", "&Paste Ctrl+V", "Select &All Ctrl+A", "&Undo Ctrl+Z" }));
}

TEST_F(StyleSheetWindowTest, SelectorsAddRulesAndTheCaretGoesIntoTheFirst)
{
    choose("selectorCombo", 1);
    EXPECT_EQ(fieldText("selectorEdit"), "H1");
    click(window, "addSelectorButton");
    EXPECT_EQ(sheetWithCaret(), "H1 { |}\r\n");
    click(window, "addSelectorButton");
    EXPECT_EQ(sheetWithCaret(), "H1 { |}\r\nH1 { }\r\n");
    activate(window);
    EXPECT_EQ(QApplication::focusWidget(), sheet);

    // Entry 0 is copied too; an empty field still adds a rule.
    choose("selectorCombo", 0);
    EXPECT_EQ(fieldText("selectorEdit"), "Choose a Selector");
    setText(window, "selectorEdit", "");
    click(window, "addSelectorButton");
    EXPECT_EQ(sheetWithCaret(), "H1 { }\r\nH1 { }\r\n { |}\r\n");
}

TEST_F(StyleSheetWindowTest, DeclarationsGoAtTheCaret)
{
    sheet->setText("P { }");
    sheet->setSelStart(4);
    choose("marginPropertyCombo", 5);
    setText(window, "marginValueEdit", "2");
    choose("marginUnitCombo", 1);
    click(window, "addMarginButton");
    choose("textStyleCombo", 4);
    click(window, "addTextStyleButton");
    choose("textStyleCombo", 0); // "normal" writes nothing
    click(window, "addTextStyleButton");
    choose("listStyleCombo", 5);
    EXPECT_EQ(fieldText("listValueEdit"), "decimal ");
    click(window, "addListStyleButton");
    EXPECT_EQ(sheetWithCaret(), "P { margin: 2%; text-decoration: underline; list-style:decimal ; |}");
}

TEST_F(StyleSheetWindowTest, BorderNeedsEveryPartAndSizeWordsSetTheUnits)
{
    prompter.expectMessage("Please complete all fields.", Icon::None, Prompter::Ok, Prompter::Ok);
    click(window, "addBorderButton");
    EXPECT_EQ(prompter.lastOwner(), window); // shown above the maker, not the main window
    EXPECT_EQ(sheet->text(), "");

    choose("borderSideCombo", 5);
    choose("borderStyleCombo", 4);
    prompter.expectColor(QColor(0, 0, 0));
    click(window, "borderColourButton");
    EXPECT_EQ(fieldText("borderColourEdit"), "#000000");
    setText(window, "borderSizeEdit", "1");
    click(window, "addBorderButton");
    EXPECT_EQ(sheet->text(), "border: solid #000000 1px; ");

    choose("sizeWordCombo", 3);
    EXPECT_EQ(fieldText("borderSizeEdit"), "thin");
    EXPECT_EQ(combo("borderUnitCombo")->currentText(), "none");
    choose("borderSideCombo", 1);
    click(window, "addBorderButton");
    EXPECT_EQ(sheet->text(), "border: solid #000000 1px; border-left: solid #000000 thin; ");
    choose("borderUnitCombo", 2);
    EXPECT_EQ(combo("sizeWordCombo")->currentText(), "number");
}

TEST_F(StyleSheetWindowTest, ActivationResetsTheFieldsButNotTheSheet)
{
    sheet->setText("B { }");
    setText(window, "indentEdit", "3");
    choose("weightCombo", 6);
    choose("borderUnitCombo", 2);
    activate(&mainWindow);
    activate(window);
    EXPECT_EQ(fieldText("indentEdit"), "");
    EXPECT_EQ(combo("weightCombo")->currentIndex(), 0);
    EXPECT_EQ(combo("borderUnitCombo")->currentIndex(), 1);
    EXPECT_EQ(sheet->text(), "B { }");
    // An empty indent still writes its declaration.
    sheet->setSelStart(4);
    click(window, "addIndentButton");
    EXPECT_EQ(sheet->text(), "B { text-indent: px; }");
}

TEST_F(StyleSheetWindowTest, ImageUrlsNeedASavedSheetAndAreRelativeToIt)
{
    prompter.expectMessage("Please save the file first.", Icon::None, Prompter::Ok, Prompter::Ok);
    click(window, "backgroundImageUrlButton");
    prompter.verify();

    const QString css = writeFile("site/css/main.css", "");
    const QString image = writeFile("site/img/dot.gif", "GIF89a");
    setText(window, "fileNameEdit", css);
    prompter.expectOpenFile("Open an image file", image);
    click(window, "bulletImageUrlButton");
    EXPECT_EQ(prompter.lastFileDialog().filter, "Supported Files|*.gif;*.jpg;*.jpeg;*.css|All Files|*.*");
    EXPECT_EQ(fieldText("bulletImageEdit"), "../img/dot.gif");
    click(window, "addBulletImageButton");
    EXPECT_EQ(sheet->text(), "list-style-image: url(\"../img/dot.gif\"); ");
}

TEST_F(StyleSheetWindowTest, FileMenuQuestionsSaveAndOpen)
{
    sheet->setText("H1 { }");
    EXPECT_TRUE(sheet->isModified());
    // Cancel stops New; No goes on without saving.
    prompter.expectMessage(
        kChanged, Icon::Confirmation, Prompter::Yes | Prompter::No | Prompter::Cancel, Prompter::Cancel);
    window->newSheet();
    EXPECT_EQ(sheet->text(), "H1 { }");
    prompter.expectMessage(kChanged, Icon::Confirmation, Prompter::Yes | Prompter::No | Prompter::Cancel, Prompter::No);
    window->newSheet();
    EXPECT_EQ(sheet->text(), "");
    EXPECT_EQ(fieldText("fileNameEdit"), "File has never been saved.");
    EXPECT_FALSE(sheet->isModified());

    // Save of a never-saved sheet asks for a name.
    sheet->setText("P { }");
    const QString path = dir.filePath("new.css");
    prompter.expectSaveFile("", path);
    window->save();
    EXPECT_EQ(prompter.lastFileDialog().defaultExtension, "css");
    EXPECT_EQ(prompter.lastFileDialog().filter, "Style Sheet|*.css|All Files|*.*");
    EXPECT_TRUE(prompter.lastFileDialog().overwritePrompt);
    EXPECT_EQ(fieldText("fileNameEdit"), path);
    EXPECT_FALSE(sheet->isModified());
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), "P { }");

    // Yes saves to the same file before opening another.
    const QString other = writeFile("other.css", "B { }\r\n");
    sheet->setText("TD { }");
    prompter.expectMessage(
        kChanged, Icon::Confirmation, Prompter::Yes | Prompter::No | Prompter::Cancel, Prompter::Yes);
    prompter.expectOpenFile("Open a css file.", other);
    window->openSheet();
    EXPECT_EQ(prompter.lastFileDialog().filter, "Style Sheet Files|*.css|All Files|*.*");
    saved.close();
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), "TD { }");
    EXPECT_EQ(sheet->lines(), QStringList { "B { }" });
    EXPECT_EQ(fieldText("fileNameEdit"), other);
    EXPECT_FALSE(sheet->isModified());
}

TEST_F(StyleSheetWindowTest, PreviewWritesBothFilesAndReturningRemovesThem)
{
    sheet->setText("H1 { color: red; }");
    click(window, "previewButton");
    EXPECT_EQ(window->sheetTabs()->currentIndex(), 1);
    const QString css = dir.filePath("1xiv.css");
    const QString page = dir.filePath("1xiv.htm");
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->navigations, QStringList { page });
    QFile cssFile(css), pageFile(page);
    ASSERT_TRUE(cssFile.open(QIODevice::ReadOnly));
    // Each after the line that marks it as the program's own.
    EXPECT_TRUE(cssFile.readAll().endsWith(" */\r\nH1 { color: red; }"));
    ASSERT_TRUE(pageFile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(pageFile.readAll()).endsWith(" -->\r\n" + styleSheetSamplePage()));

    window->sheetTabs()->setCurrentIndex(0);
    EXPECT_FALSE(QFile::exists(css));
    EXPECT_FALSE(QFile::exists(page));

    // A saved sheet is previewed beside itself.
    const QString saved = writeFile("site/look.css", "");
    setText(window, "fileNameEdit", saved);
    window->sheetTabs()->setCurrentIndex(1);
    EXPECT_TRUE(QFile::exists(dir.filePath("site/1xiv.css")));
    EXPECT_EQ(browser->navigations.last(), dir.filePath("site/1xiv.htm"));
    EXPECT_EQ(StyleSheetWindow::previewPagePath(), dir.filePath("site/1xiv.htm"));
}

TEST_F(StyleSheetWindowTest, ClosingAChangedSheetAsks)
{
    sheet->setText("H1 { }");
    prompter.expectMessage(
        kChanged, Icon::Confirmation, Prompter::Yes | Prompter::No | Prompter::Cancel, Prompter::Cancel);
    QTest::keyClick(window, Qt::Key_Escape);
    settle();
    ASSERT_FALSE(window.isNull());
    EXPECT_TRUE(window->isVisible());

    // Yes: the save dialog, cancelled, and the window closes all the same.
    prompter.expectMessage(
        kChanged, Icon::Confirmation, Prompter::Yes | Prompter::No | Prompter::Cancel, Prompter::Yes);
    prompter.expectSaveFile("", std::nullopt);
    window->close();
    settle();
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(enabled("a_styleSheets"));
}

} // namespace
