#include "main/MainWindow.h"

#include "editor/CodeEditor.h"
#include "editor/SyntaxColourer.h"
#include "editor/TagInsertion.h"
#include "main/ButtonBars.h"
#include "main/EditingAids.h"
#include "main/EditorFontDialog.h"
#include "main/EditorModes.h"
#include "main/HelpWindows.h"
#include "main/InstantCodeWindow.h"
#include "main/SnippetCommands.h"
#include "main/SnippetTable.h"
#include "navigator/ApplicationsWindow.h"
#include "navigator/ExternalApps.h"
#include "navigator/FileHandlingWindow.h"
#include "navigator/ImageDialog.h"
#include "navigator/LinkCommands.h"
#include "navigator/NavigatorPanel.h"
#include "navigator/Preview.h"
#include "platform/AppDirs.h"
#include "platform/BrowserView.h"
#include "platform/CommandBoundary.h"
#include "platform/HintRouter.h"
#include "platform/Prompter.h"
#include "platform/Shell.h"
#include "shared/CommandRegistry.h"
#include "shared/RelativePath.h"
#include "tools/SpellCheckDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QScreen>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStatusBar>
#include <QSysInfo>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {
const QString kLastFile = QStringLiteral("lastfile.plr");
const QString kFontDetails = QStringLiteral("fontDetails.plr");
const QString kRecentList = QStringLiteral("mylistfile.dvn");
const QString kFileChanged = QStringLiteral("File has changed. Save now?");
} // namespace

namespace {
// Adds named commands to a menu or tool bar; an empty name is a separator.
template <typename Bar> void addCommands(const MainWindow& window, Bar* bar, std::initializer_list<const char*> names)
{
    for (const char* name : names) {
        if (!*name)
            bar->addSeparator();
        else
            bar->addAction(window.action(QLatin1String(name)));
    }
}

// Shows a menu on a right click on the widget.
void attachPopup(QWidget* widget, QMenu* menu)
{
    widget->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(widget, &QWidget::customContextMenuRequested, menu,
        [widget, menu](const QPoint& at) { menu->popup(widget->mapToGlobal(at)); });
}
} // namespace

MainWindow::MainWindow(const Services& services, const QStringList& arguments, QWidget* parent)
    : QMainWindow(parent)
    , m_services(services)
    , m_arguments(arguments)
    , m_commands(new CommandRegistry(this))
{
    m_commands->setBoundary([this](const std::function<void()>& command) { runCommand(command); });
    setObjectName(QStringLiteral("mainWindow"));
    setAcceptDrops(true);
    resize(725, 600);
    m_hints = HintRouter::instance() ? HintRouter::instance() : new HintRouter(this);

    m_instantCode = new InstantCodeWindow(this);
    createLayout();
    createActions();
    createMenus();

    // Start-up, in order: font settings, recent files, the document fields, the last file.
    m_fixedFileMenuCount = int(m_fileMenu->actions().size());
    runCommand([this] { readSettings(); });
    updateSaveEnabled();
    updateEditEnabled();
    m_editorModes = new EditorModes(*this);
    m_buttonBars = new ButtonBars(*this);
}

MainWindow::~MainWindow() = default;

void MainWindow::runCommand(const std::function<void()>& command) { ::runCommand(prompter(), command); }

// ---- construction -------------------------------------------------------------------------

void MainWindow::createLayout()
{
    auto* central = new QWidget;
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(2, 2, 2, 2);

    // Top panel: tool bar 1, line number, mode buttons, left-panel button, file name, tool bar 2.
    auto* top = new QHBoxLayout;
    m_toolBar1 = new QToolBar(QStringLiteral("Tool bar 1"));
    m_toolBar1->setObjectName(QStringLiteral("toolBar1"));
    m_toolBar1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    top->addWidget(m_toolBar1);
    m_lineNumberEdit = new QLineEdit(QStringLiteral("10"));
    m_lineNumberEdit->setObjectName(QStringLiteral("lineNumberEdit"));
    m_lineNumberEdit->setMaximumWidth(60);
    m_lineNumberEdit->setStatusTip(QStringLiteral("Line number to go to"));
    connect(m_lineNumberEdit, &QLineEdit::returnPressed, this, [this] { goToLine(); });
    top->addWidget(m_lineNumberEdit);
    for (const QString& mode : { QStringLiteral("HTML"), QStringLiteral("STD"), QStringLiteral("JS") }) {
        auto* button = new QToolButton;
        button->setText(mode);
        button->setObjectName(QStringLiteral("modeButton") + mode);
        top->addWidget(button);
    }
    auto* leftButton = new QToolButton;
    leftButton->setText(QStringLiteral("<>"));
    leftButton->setObjectName(QStringLiteral("leftPanelButton"));
    leftButton->setStatusTip(QStringLiteral("Shows or hides the directory on the left. "));
    top->addWidget(leftButton);
    top->addStretch(1);
    m_toolBar2 = new QToolBar(QStringLiteral("Tool bar 2"));
    m_toolBar2->setObjectName(QStringLiteral("toolBar2"));
    m_toolBar2->setToolButtonStyle(Qt::ToolButtonTextOnly);
    top->addWidget(m_toolBar2);
    column->addLayout(top);
    // The file name gets a row of its own, so long paths stay readable.
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(QStringLiteral("Current File Name:")));
    m_currentFileEdit = new QLineEdit;
    m_currentFileEdit->setObjectName(QStringLiteral("currentFileNameEdit"));
    m_currentFileEdit->setReadOnly(true);
    nameRow->addWidget(m_currentFileEdit, 1);
    column->addLayout(nameRow);

    m_buttonBarPanel = new QWidget;
    m_buttonBarPanel->setObjectName(QStringLiteral("buttonBarPanel"));
    m_buttonBarPanel->hide();
    column->addWidget(m_buttonBarPanel);

    auto* split = new QSplitter(Qt::Horizontal);
    m_leftPanel = new QWidget;
    m_leftPanel->setObjectName(QStringLiteral("leftPanel"));
    auto* left = new QVBoxLayout(m_leftPanel);
    left->setContentsMargins(0, 0, 0, 0);
    m_hintBox = new QPlainTextEdit(QStringLiteral("Help Message"));
    m_hintBox->setObjectName(QStringLiteral("hintBox"));
    m_hintBox->setReadOnly(true);
    m_hintBox->setMaximumHeight(90);
    m_navigator = new NavigatorPanel(prompter(), shell());
    m_navigator->setObjectName(QStringLiteral("navigator"));
    left->addWidget(m_navigator, 1);
    left->addWidget(m_hintBox);
    m_hints->setMainHintBox(m_hintBox);
    split->addWidget(m_leftPanel);

    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("pages"));
    m_editor = new CodeEditor;
    m_editor->setObjectName(QStringLiteral("editor"));
    m_colourer = new SyntaxColourer(this);
    m_colourer->attach(m_editor);
    m_editor->setRichTextExporter([this](int from, int to) { return m_colourer->rtfForRange(from, to); });
    m_tabs->addTab(m_editor, QStringLiteral("HTML"));
    m_browser = m_services.makeBrowser ? m_services.makeBrowser(nullptr) : new WebBrowserView;
    m_browser->setObjectName(QStringLiteral("previewBrowser"));
    m_tabs->addTab(m_browser, QStringLiteral("Preview"));
    split->addWidget(m_tabs);
    split->setStretchFactor(1, 1);
    split->setSizes({ 220, 700 });
    column->addWidget(split, 1);
    setCentralWidget(central);
    setWindowTitle(kBaseCaption);

    const QList<int> widths { 100, 100, 100, 50 };
    const QStringList texts { QStringLiteral("Line:"), QStringLiteral("Col:"), QStringLiteral("Char: "), QString() };
    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel(texts[i]);
        label->setObjectName(QStringLiteral("statusPanel%1").arg(i));
        label->setFixedWidth(widths[i]);
        statusBar()->addWidget(label);
        m_statusPanels << label;
    }
    statusBar()->setStatusTip(QStringLiteral(
        "These line numbers,although correct, may not agree with the reported line numbers of the browser."));

    connect(m_editor, &CodeEditor::selectionMoved, this, &MainWindow::updateStatus);
    connect(m_editor, &CodeEditor::modifiedChanged, this, &MainWindow::updateSaveEnabled);
    connect(m_editor, &QPlainTextEdit::selectionChanged, this, &MainWindow::updateEditEnabled);
    connect(m_editor, &CodeEditor::undoAvailable, this, &MainWindow::updateEditEnabled);
    connect(m_editor, &CodeEditor::redoAvailable, this, &MainWindow::updateEditEnabled);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &MainWindow::updateEditEnabled);
    connect(m_editor, &CodeEditor::keyPressing, this,
        [this](CodeEditor::KeyDown& key) { onEditorKey(key.key, !m_editor->selText().isEmpty(), key.swallowed); });
    connect(m_tabs, &QTabWidget::currentChanged, this, &MainWindow::onTabChanged);
    m_tabs->tabBar()->installEventFilter(this);

    m_findReplace = new FindReplace(*m_editor, prompter(), this);
    m_preview = new Preview(*m_editor, *m_navigator, *m_browser, *m_currentFileEdit, this);
    connect(m_navigator, &NavigatorPanel::fileActivated, this,
        [this](const QString& path) { runCommand([this, path] { openTheFile(path); }); });
    m_linkCommands = new LinkCommands(
        *m_editor, *m_navigator, prompter(), [this] { warnToSave(); },
        [this](const QString& start, const QString& end) { insertTheTags(*m_editor, start, end); }, this);
    m_snippets = new SnippetCommands(*m_editor,
        m_services.valuePrompt ? m_services.valuePrompt : m_instantCode->asker(), prompter(), m_wizard, this);
}

QAction* MainWindow::makeAction(
    const QString& name, const QString& caption, const QString& tip, const std::function<void()>& handler)
{
    return m_commands->add(name, caption, QString(), tip, handler);
}

QAction* MainWindow::action(const QString& name) const { return m_commands->action(name); }

bool MainWindow::runActionCommand(const QString& name) { return m_commands->run(name); }

void MainWindow::createActions()
{
    // File.
    makeAction(QStringLiteral("a_new"), QStringLiteral("&New"), QStringLiteral("Start a new, empty file"),
        [this] { newFile(); });
    makeAction(QStringLiteral("a_newHtml"), QStringLiteral("New &HTML File"),
        QStringLiteral("Start a new file from the HTML template"), [this] { newHtmlFile(); });
    makeAction(QStringLiteral("a_open"), QStringLiteral("&Open File ..."), QStringLiteral("Open a file"),
        [this] { openCommand(); });
    makeAction(QStringLiteral("a_save"), QStringLiteral("&Save File ..."), QStringLiteral("Save the file"),
        [this] { save(); });
    makeAction(QStringLiteral("a_saveAs"), QStringLiteral("Save &As ..."),
        QStringLiteral("Save the file under another name"), [this] { saveAs(); });
    makeAction(
        QStringLiteral("a_close"), QStringLiteral("&Close"), QStringLiteral("Close the file"), [this] { closeFile(); });
    makeAction(QStringLiteral("a_font"), QStringLiteral("&Font ..."), QStringLiteral("Choose the editor's font"),
        [this] { showEditorFontDialog(); });
    makeAction(
        QStringLiteral("a_exit"), QStringLiteral("E&xit"), QStringLiteral("Leave the editor"), [this] { close(); });

    // Edit.
    makeAction(QStringLiteral("a_cut"), QStringLiteral("Cu&t"), QStringLiteral("Cut the selection"),
        [this] { m_editor->cutToClipboard(); });
    makeAction(QStringLiteral("a_copy"), QStringLiteral("&Copy"), QStringLiteral("Copy the selection"),
        [this] { m_editor->copyToClipboard(); });
    makeAction(QStringLiteral("a_paste"), QStringLiteral("&Paste"), QStringLiteral("Paste from the clipboard"),
        [this] { m_editor->pasteFromClipboard(); });
    makeAction(QStringLiteral("a_selectAll"), QStringLiteral("Select &all"), QStringLiteral("Select all the text"),
        [this] { m_editor->selectAll(); });
    makeAction(QStringLiteral("a_undo"), QStringLiteral("&Undo"), QStringLiteral("Undo the last change"),
        [this] { m_editor->undo(); });
    makeAction(QStringLiteral("a_redo"), QStringLiteral("&Redo"), QStringLiteral("Redo the last undone change"),
        [this] { m_editor->redo(); });
    QAction* wrap = makeAction(QStringLiteral("a_wordWrap"), QStringLiteral("Word Wrap"),
        QStringLiteral("Wrap long lines at the window's edge"),
        [this] { m_editor->setWordWrap(!m_editor->wordWrap()); });
    wrap->setCheckable(true);
    connect(wrap, &QAction::triggered, this, [this, wrap] { wrap->setChecked(m_editor->wordWrap()); });

    // Find.
    makeAction(QStringLiteral("a_find"), QStringLiteral("&Find text ..."), QStringLiteral("Find text"),
        [this] { m_findReplace->showFind(); });
    makeAction(QStringLiteral("a_replace"), QStringLiteral("&Replace text"), QStringLiteral("Replace text"),
        [this] { m_findReplace->showReplace(); });
    makeAction(QStringLiteral("a_matchingBrace"), QStringLiteral("Matching Brace"),
        QStringLiteral("Select the brace that matches the selected one"),
        [this] { EditingAids::findMatchingBrace(*m_editor, prompter()); });
    const auto colourise = [this] {
        m_colourer->setEnabled(true);
        m_colourer->rehighlight();
    };
    makeAction(QStringLiteral("a_colourize"), QStringLiteral("Colour the tags"),
        QStringLiteral("Colour the tags and the script"), colourise);
    makeAction(QStringLiteral("a_colourise"), QStringLiteral("Colourise"),
        QStringLiteral("Colour the tags and the script"), colourise);
    makeAction(QStringLiteral("a_removeColour"), QStringLiteral("Remove Colour"),
        QStringLiteral("Show all text in the editor's font and colour"), [this] { m_colourer->setEnabled(false); });
    makeAction(QStringLiteral("a_gotoLine"), QStringLiteral("&Goto line number"),
        QStringLiteral("Go to line number in right-hand box"), [this] { goToLine(); });

    // Tools.
    makeAction(QStringLiteral("a_sortAscending"), QStringLiteral("&Ascending"),
        QStringLiteral("Sort the selected lines A to Z"),
        [this] { EditingAids::sortSelection(*m_editor, prompter(), false); });
    makeAction(QStringLiteral("a_sortDescending"), QStringLiteral("&Descending"),
        QStringLiteral("Sort the selected lines Z to A"),
        [this] { EditingAids::sortSelection(*m_editor, prompter(), true); });

    // Help.
    makeAction(QStringLiteral("a_helpContents"), QStringLiteral("Contents ..."), QStringLiteral("Help contents"),
        [this] { (new HelpWindow(QStringLiteral("Pelorin95 Help"), QStringLiteral("help/index.htm"), this))->show(); });
    makeAction(QStringLiteral("a_usefulLinks"), QStringLiteral("Useful Links ..."),
        QStringLiteral("Links to tutorials and references"),
        [this] { (new HelpWindow(QStringLiteral("Useful Links"), QStringLiteral("help/links.htm"), this))->show(); });
    makeAction(QStringLiteral("a_briefHelp"), QStringLiteral("Brief Help"), QStringLiteral("Show the brief help page"),
        [this] { showBriefHelp(); });
    makeAction(QStringLiteral("a_about"), QStringLiteral("&About..."), QStringLiteral("About Pelorin95"),
        [this] { (new AboutBox(this))->show(); });

    createNavigatorCommands();

    // The document in other programs.
    makeAction(QStringLiteral("a_openInDefaultBrowser"), QStringLiteral("Open File in Default &Browser"),
        QStringLiteral("Open the saved file in the default browser"), [this] { openInDefaultBrowser(); });
    makeAction(QStringLiteral("a_sendEmail"), QStringLiteral("Send &e-mail"),
        QStringLiteral("Send e-mail about Pelorin"), [this] { sendEmail(); });
    makeAction(QStringLiteral("a_browsers"), QStringLiteral("&Browsers ..."),
        QStringLiteral("Open the file in browsers and an editor of your choice"), [this] { showApplicationsWindow(); });

    addCommands(*this, m_toolBar1,
        { "a_open", "a_save", "", "a_openInDefaultBrowser", "a_sendEmail", "", "a_colourize", "a_gotoLine" });
    // A right click on "Colour the tags" offers to colour or to remove the colour.
    auto* colourMenu = new QMenu(this);
    colourMenu->setObjectName(QStringLiteral("colourMenu"));
    addCommands(*this, colourMenu, { "a_colourise", "a_removeColour" });
    attachPopup(m_toolBar1->widgetForAction(action(QStringLiteral("a_colourize"))), colourMenu);
    addCommands(*this, m_toolBar2,
        { "a_cut", "a_copy", "a_paste", "a_selectAll", "", "a_undo", "a_redo", "", "a_find", "a_replace" });
    // The button stays disabled while the check runs, and comes back however the check ends.
    QAction* spelling = makeAction(QStringLiteral("a_checkSpelling"), QStringLiteral("Chec&k Spelling"),
        QStringLiteral("Check the spelling of the page"), [this] {
            QAction* check = action(QStringLiteral("a_checkSpelling"));
            check->setEnabled(false);
            const auto enable = qScopeGuard([check] { check->setEnabled(true); });
            checkSpelling(*m_editor, prompter(), this);
        });
    m_toolBar2->addSeparator();
    m_toolBar2->addAction(spelling);
}

void MainWindow::createNavigatorCommands()
{
    QAction* refresh
        = makeAction(QStringLiteral("a_UpdateFilesAndDir"), QStringLiteral("Update File and Directory Boxes"),
            QStringLiteral("Re-read the directory and file lists"), [this] { m_navigator->refresh(); });
    refresh->setShortcut(Qt::Key_F5);
    refresh->setShortcutContext(Qt::WindowShortcut);
    addAction(refresh);
    makeAction(QStringLiteral("a_deleteFile"), QStringLiteral("Delete Selected &File..."),
        QStringLiteral("Move the selected file to the trash"), [this] { m_navigator->deleteSelectedFile(); });
    makeAction(QStringLiteral("a_deleteDir"), QStringLiteral("&Delete Selected Directory ..."),
        QStringLiteral("Move the selected directory to the trash"), [this] { m_navigator->deleteSelectedDirectory(); });
    makeAction(QStringLiteral("a_NewDir"), QStringLiteral("&Create New Directory..."),
        QStringLiteral("Create a directory in the selected one"), [this] { m_navigator->createNewDirectory(); });
    makeAction(QStringLiteral("a_fileOperations"), QStringLiteral("File Operations"),
        QStringLiteral("Change the extension of a file"), [this] { showFileOperations(); });

    auto popup = [this](QWidget* list, std::initializer_list<const char*> names) {
        auto* menu = new QMenu(list);
        addCommands(*this, menu, names);
        attachPopup(list, menu);
    };
    popup(m_navigator->fileList(), { "a_fileOperations", "", "a_UpdateFilesAndDir", "", "a_deleteFile" });
    popup(m_navigator->directoryList(), { "a_UpdateFilesAndDir", "", "a_deleteDir", "a_NewDir" });

    // Links and assets relative to the document.
    struct LinkCommand {
        const char* name;
        const char* caption;
        const char* tip;
        void (LinkCommands::*run)();
    };
    static const LinkCommand kLinkCommands[] = {
        { "a_linkToSelectedFile", "Link to selected file", "Link to the file selected on the left",
            &LinkCommands::linkToSelectedFile },
        { "a_tocLink", "TOC Link", "Link to the selected file, followed by a line break", &LinkCommands::tocLink },
        { "a_relativeFilename", "Relative Filename", "Insert the relative path of the selected file",
            &LinkCommands::relativeFilename },
        { "a_fileTitle", "File Title", "Insert the title of the selected file", &LinkCommands::fileTitle },
        { "a_option", "Option", "Insert an option for the selected file", &LinkCommands::option },
        { "a_jsFile", "JS File", "Insert a script tag for the selected JavaScript file", &LinkCommands::jsFile },
        { "a_cssFile", "CSS File", "Insert a link to the selected style sheet", &LinkCommands::cssFile },
        { "a_insertToc", "Insert &TOC", "Insert a table of contents of the listed files", &LinkCommands::insertToc },
        { "a_linkCssJs", "Link this css/js file to selected file",
            "Write a link to this style sheet or script into the selected page",
            &LinkCommands::linkThisCssJsFileToSelectedFile },
    };
    LinkCommands* links = m_linkCommands;
    for (const LinkCommand& c : kLinkCommands)
        makeAction(QLatin1String(c.name), QLatin1String(c.caption), QLatin1String(c.tip),
            [links, run = c.run] { (links->*run)(); });
    QAction* image = makeAction(QStringLiteral("a_image"), QStringLiteral("Image"),
        QStringLiteral("Insert an image with its size"), [links] { links->image(); });
    connect(links, &LinkCommands::imageDialogOpenChanged, image, [image](bool open) { image->setEnabled(!open); });
}

void MainWindow::showFileOperations()
{
    auto* window = new FileHandlingWindow(*m_navigator, prompter(), this);
    QAction* item = action(QStringLiteral("a_fileOperations"));
    item->setEnabled(false);
    connect(window, &FileHandlingWindow::closed, item, [item] { item->setEnabled(true); });
    window->show();
}

void MainWindow::createMenus()
{
    auto menu = [this](const QString& title, QList<QMenu*>& into) {
        auto* m = new QMenu(title, this);
        into << m;
        return m;
    };
    auto add = [this](QMenu* m, std::initializer_list<const char*> names) { addCommands(*this, m, names); };

    m_fileMenu = menu(QStringLiteral("&File"), m_fullMenus);
    m_fileMenu->setObjectName(QStringLiteral("fileMenu"));
    add(m_fileMenu, { "a_new", "a_newHtml", "a_open", "a_save", "a_saveAs", "a_close", "", "a_font", "", "a_exit" });
    QMenu* edit = menu(QStringLiteral("&Edit"), m_fullMenus);
    add(edit, { "a_cut", "a_copy", "a_paste", "a_selectAll", "", "a_undo", "a_redo", "", "a_wordWrap" });
    QMenu* find = menu(QStringLiteral("Fi&nd"), m_fullMenus);
    add(find, { "a_find", "a_replace", "a_matchingBrace" });
    QMenu* view = menu(QStringLiteral("&View"), m_fullMenus);
    view->setObjectName(QStringLiteral("viewMenu"));
    add(view, { "", "a_browsers", "" });
    QMenu* tools = menu(QStringLiteral("&Tools"), m_fullMenus);
    tools->setObjectName(QStringLiteral("toolsMenu"));
    tools->addAction(action(QStringLiteral("a_insertToc")));
    QMenu* sort = tools->addMenu(QStringLiteral("&Sort Selection"));
    add(sort, { "a_sortAscending", "a_sortDescending" });
    QMenu* wizards = menu(QStringLiteral("Wizards"), m_fullMenus);
    wizards->setObjectName(QStringLiteral("wizardsMenu"));
    QMenu* data = menu(QStringLiteral("&Data"), m_fullMenus);
    data->setObjectName(QStringLiteral("dataMenu"));
    QMenu* help = menu(QStringLiteral("&Help"), m_fullMenus);
    add(help, { "a_helpContents", "a_usefulLinks", "a_briefHelp", "a_about" });

    // The reduced menu bar of the "Preview" tab.
    QMenu* previewFile = menu(QStringLiteral("&File"), m_reducedMenus);
    add(previewFile, { "a_exit" });
    QMenu* previewHelp = menu(QStringLiteral("&Help"), m_reducedMenus);
    add(previewHelp, { "a_usefulLinks", "a_briefHelp", "a_about" });

    showMenus(true);
}

QStringList MainWindow::menuBarTitles() const
{
    QStringList titles;
    for (QAction* a : menuBar()->actions())
        titles << a->text();
    return titles;
}

void MainWindow::showMenus(bool full)
{
    m_fullMenusShown = full;
    menuBar()->clear();
    for (QMenu* m : full ? m_fullMenus : m_reducedMenus)
        menuBar()->addMenu(m);
}

void MainWindow::readSettings()
{
    m_font = SettingsFiles::readEditorFont(AppDirs::settingsFile(kFontDetails));
    applyEditorFont();
    const QString listFile = AppDirs::settingsFile(kRecentList);
    if (QFileInfo::exists(listFile)) {
        m_recent.setEntries(SettingsFiles::readLines(listFile));
        rebuildRecentMenu();
        m_editor->setModified(false);
    }
    setCurrentFileField(QString());
    setDocumentName(QString());
    setWindowTitle(kBaseCaption);
    const QString lastFile = AppDirs::settingsFile(kLastFile);
    if (QFileInfo::exists(lastFile)) {
        const QString name = SettingsFiles::readLines(lastFile).value(0);
        if (!name.isEmpty() && QFileInfo(name).isFile()) {
            m_editor->loadFromFile(name);
            setDocumentName(name);
            setCurrentFileField(name);
            m_navigator->setDirectory(QFileInfo(name).absolutePath());
            m_editor->setModified(false);
        }
    }
}

void MainWindow::applyEditorFont()
{
    QFont font = m_editor->font();
    if (m_font.name != QLatin1String("Default") && !m_font.name.isEmpty())
        font.setFamily(m_font.name);
    else
        font = QApplication::font();
    font.setPointSize(std::max(1, m_font.size.toInt()));
    m_editor->setFont(font);
    m_colourer->setEditorFont(font);
}

// ---- window events ------------------------------------------------------------------------

void MainWindow::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    if (m_shownOnce) return;
    m_shownOnce = true;
    if (m_arguments.size() > 0) {
        setHtmlTabActive(true);
        runCommand([this] { openTheFile(QFileInfo(m_arguments.first()).absoluteFilePath()); });
    } else if (QFileInfo::exists(AppDirs::dataFile(kBriefHelpPage))) {
        showBriefHelp();
    } else {
        setHtmlTabActive(true);
    }
}

void MainWindow::changeEvent(QEvent* e)
{
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) {
        applyEditorFont();
        showMenus(isHtmlTabActive());
    }
}

void MainWindow::closeEvent(QCloseEvent* e)
{
    bool close = true;
    runCommand([&] {
        if (m_editor->isModified()) {
            const auto answer = prompter().message(QStringLiteral("File  has changed. Save now?"),
                Prompter::Icon::Confirmation, Prompter::Yes | Prompter::No | Prompter::Cancel);
            if (answer == Prompter::Cancel) {
                close = false;
                return;
            }
            if (answer == Prompter::Yes) {
                close = false; // a failed save keeps the window and the text
                save();
                close = true;
            }
        } else if (prompter().message(QStringLiteral("Exit the editor?"), Prompter::Icon::Confirmation,
                       Prompter::Ok | Prompter::Cancel)
            != Prompter::Ok) {
            close = false;
        }
    });
    if (!close) {
        e->ignore();
        return;
    }
    runCommand([this] { writeRecentList(); });
    runCommand([this] {
        const QString dir = m_fileName.isEmpty() ? QDir::currentPath() : QFileInfo(m_fileName).absolutePath();
        for (const char* name : { "1xiv.css", "1xiv.htm" })
            QFile::remove(dir + QLatin1Char('/') + QLatin1String(name));
    });
    runCommand([this] { writeLastFile(); });
    if (m_fontDialog) m_fontDialog->deleteLater();
    e->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* e)
{
    if (e->mimeData()->hasUrls()) e->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* e)
{
    e->acceptProposedAction();
    openDroppedFiles(e->mimeData()->urls());
}

void MainWindow::openDroppedFiles(const QList<QUrl>& urls)
{
    for (const QUrl& url : urls) {
        if (!url.isLocalFile()) continue;
        const QString name = url.toLocalFile();
        setHtmlTabActive(true);
        runCommand([this, name] { openTheFile(name); });
        return;
    }
}

bool MainWindow::event(QEvent* event)
{
    // Hints go to the hint box (HintRouter); the status bar keeps its position panels.
    if (event->type() == QEvent::StatusTip) return true;
    return QMainWindow::event(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Clicking the page tabs while "HTML" is active gives the editor the focus again.
    if (watched == m_tabs->tabBar() && event->type() == QEvent::MouseButtonRelease && isHtmlTabActive()) {
        m_editor->setFocus();
        m_editor->scrollInView();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::onEditorKey(int key, bool hasSelection, bool& swallowed)
{
    Q_UNUSED(swallowed);
    if (key == Qt::Key_Tab && hasSelection) {
        // Tab with a selection indents the first selected line instead of replacing it.
        const int line = m_editor->selLine();
        m_editor->setSelStart(m_editor->selStart() + m_editor->selLength());
        m_editor->setSelLine(std::min(line, m_editor->selLine()));
    }
}

// ---- tabs, status, enabling ---------------------------------------------------------------

bool MainWindow::isHtmlTabActive() const { return m_tabs->currentIndex() == 0; }

void MainWindow::setHtmlTabActive(bool html) { m_tabs->setCurrentIndex(html ? 0 : 1); }

void MainWindow::onTabChanged()
{
    const bool html = isHtmlTabActive();
    showMenus(html);
    m_toolBar2->setVisible(html);
    m_navigator->setHtmlTabActive(html);
    if (html) {
        m_preview->leave();
        m_browser->stop();
        m_navigator->resetFilter();
        showDocumentInNavigator();
        setCurrentFileField(m_fileName.isEmpty() ? QStringLiteral("File has never been saved.") : m_fileName);
    } else if (!m_quietPreview) {
        runCommand([this] { m_preview->enter(); });
    }
    updateSaveEnabled();
}

void MainWindow::updateStatus()
{
    m_statusPanels[0]->setText(QStringLiteral("Line:%1").arg(m_editor->selLine() + 1));
    m_statusPanels[1]->setText(QStringLiteral("Col: %1").arg(m_editor->selCol() + 1));
    m_statusPanels[2]->setText(QStringLiteral("Char: %1").arg(m_editor->selStart() + 1));
}

QString MainWindow::statusText(int panel) const
{
    return m_statusPanels.value(panel) ? m_statusPanels[panel]->text() : QString();
}

void MainWindow::updateSaveEnabled()
{
    // On the "Preview" tab Save keeps its last state.
    if (isHtmlTabActive()) action(QStringLiteral("a_save"))->setEnabled(m_editor->isModified());
}

void MainWindow::updateEditEnabled()
{
    const bool selected = m_editor->selLength() != 0;
    action(QStringLiteral("a_cut"))->setEnabled(selected);
    action(QStringLiteral("a_copy"))->setEnabled(selected);
    const QMimeData* clip = QApplication::clipboard()->mimeData();
    action(QStringLiteral("a_paste"))->setEnabled(clip && clip->hasText());
    action(QStringLiteral("a_undo"))->setEnabled(m_editor->canUndo());
    action(QStringLiteral("a_redo"))->setEnabled(m_editor->canRedo());
}

// ---- the document -------------------------------------------------------------------------

QString MainWindow::currentFileField() const { return m_currentFileEdit->text(); }

void MainWindow::setCurrentFileField(const QString& text) { m_currentFileEdit->setText(text); }

void MainWindow::setDocumentName(const QString& name)
{
    m_fileName = name;
    m_navigator->setDocumentFileName(name);
}

void MainWindow::showDocumentInNavigator()
{
    if (m_fileName.isEmpty()) return;
    m_navigator->setDirectory(QFileInfo(m_fileName).absolutePath());
    m_navigator->selectFile(m_fileName);
}

void MainWindow::setCaptionSuffix(const QString& suffix) { setWindowTitle(kBaseCaption + suffix); }

bool MainWindow::isImageName(const QString& name) const
{
    const QString ext = QFileInfo(name).suffix().toLower();
    return ext == QLatin1String("gif") || ext == QLatin1String("jpg") || ext == QLatin1String("jpeg");
}

void MainWindow::writeSettingsFile(const QString& name, const QStringList& lines)
{
    SettingsFiles::writeLines(AppDirs::settingsFile(name), lines);
}

void MainWindow::openCommand()
{
    setCaptionSuffix(QStringLiteral(" - "));
    m_navigator->resetFilter();
    Prompter::FileDialog dialog { QStringLiteral("Open File"), kOpenFilter, QStringLiteral("htm"), QDir::currentPath(),
        m_openInitialName, false, true };
    const auto name = prompter().openFile(dialog);
    m_navigator->refresh();
    if (!name) return;
    openTheFile(*name);
}

void MainWindow::openTheFile(const QString& name)
{
    if (isHtmlTabActive()) {
        if (!isImageName(name)) {
            if (!saveIfModified()) {
                if (!m_fileName.isEmpty()) m_navigator->setDirectory(QFileInfo(m_fileName).absolutePath());
                m_navigator->resetFilter();
                m_navigator->selectFile(m_fileName);
                return;
            }
            // Loaded before the name changes, so a failed read leaves the document as it was.
            m_editor->loadFromFile(name);
            setDocumentName(name);
            setCurrentFileField(name);
            m_lastOpenedName = name;
            addToRecent(name);
            documentOpened(name);
            return;
        }
        // An image is shown without the tab's own steps: no temporary file, the same menus.
        {
            const QSignalBlocker quiet(m_tabs);
            setHtmlTabActive(false);
        }
        m_navigator->setHtmlTabActive(false);
        m_preview->showImage(name);
        return;
    }
    m_preview->showFile(name);
}

void MainWindow::showBriefHelp()
{
    const QString page = AppDirs::dataFile(kBriefHelpPage);
    if (!QFileInfo::exists(page)) return;
    {
        // The help page is not the document: no temporary file is written for it.
        const QScopedValueRollback quiet(m_quietPreview, true);
        setHtmlTabActive(false);
    }
    m_browser->navigate(page);
}

void MainWindow::openInDefaultBrowser()
{
    if (m_editor->isModified()) {
        const auto answer
            = prompter().message(QStringLiteral("Please save the file first (or use the viewer). Save now?"),
                Prompter::Icon::Confirmation, Prompter::Yes | Prompter::No | Prompter::Cancel);
        if (answer != Prompter::Yes) return;
        save();
    }
    if (m_editor->isModified() || m_fileName.isEmpty()) return;
    shell().openFile(m_fileName);
}

void MainWindow::sendEmail()
{
    shell().openUrl(ExternalApps::mailtoUrl(
        ExternalApps::supportAddress(), ExternalApps::emailSubject(QSysInfo::prettyProductName())));
}

void MainWindow::showApplicationsWindow()
{
    auto* window = new ApplicationsWindow(
        prompter(), shell(), { [this] { return saveBeforeBrowsing(); }, [this] { return currentFileField(); } }, this);
    QAction* item = action(QStringLiteral("a_browsers"));
    item->setEnabled(false);
    connect(window, &ApplicationsWindow::closed, item, [item] { item->setEnabled(true); });
    window->show();
}

void MainWindow::documentOpened(const QString& name)
{
    const QFileInfo info(name);
    QDir::setCurrent(info.absolutePath());
    setDocumentName(info.absoluteFilePath());
    m_editor->setModified(false);
    setCurrentFileField(m_fileName);
    setCaptionSuffix(QStringLiteral("  -") + QDir::toNativeSeparators(m_fileName));
    m_saveInitialName = name;
    m_openInitialName.clear();
    if (info.isFile()) showDocumentInNavigator();
}

bool MainWindow::save()
{
    if (m_fileName.isEmpty()) return saveAs();
    const QString full = QFileInfo(m_fileName).absoluteFilePath();
    m_editor->saveToFile(full);
    m_saveInitialName = m_fileName;
    fileWritten(m_fileName);
    return true;
}

bool MainWindow::saveAs()
{
    Prompter::FileDialog dialog { QStringLiteral("Save File"), kOpenFilter, QStringLiteral("htm"), QDir::currentPath(),
        m_saveInitialName, true, false };
    const auto chosen = prompter().saveFile(dialog);
    m_navigator->refresh();
    if (!chosen) return false;
    const QString name = *chosen;
    m_editor->saveToFile(name);
    m_editor->setModified(false);
    setCaptionSuffix(QStringLiteral(" - ") + QFileInfo(name).fileName());
    setDocumentName(QFileInfo(name).absoluteFilePath());
    setCurrentFileField(name);
    m_navigator->refreshFiles();
    fileWritten(name);
    return true;
}

void MainWindow::fileWritten(const QString& name)
{
    m_lastOpenedName = name;
    addToRecent(name);
    QDir::setCurrent(QFileInfo(name).absolutePath());
    m_editor->setModified(false);
}

bool MainWindow::saveIfModified()
{
    if (!m_editor->isModified()) return true;
    const auto answer = prompter().message(
        kFileChanged, Prompter::Icon::Confirmation, Prompter::Yes | Prompter::No | Prompter::Cancel);
    if (answer == Prompter::Cancel) return false;
    if (answer == Prompter::Yes) save();
    return true;
}

void MainWindow::startUnnamedDocument(const QString& text, bool keepSaveName)
{
    m_editor->clear();
    if (!text.isEmpty()) m_editor->addLine(text);
    if (!keepSaveName) m_saveInitialName.clear();
    setCaptionSuffix(QStringLiteral(" - New File"));
    setCurrentFileField(QStringLiteral("File has never been saved"));
    setDocumentName(QString());
    m_navigator->relativePathEdit()->clear();
    m_editor->setModified(false);
    m_editor->clearUndo();
}

void MainWindow::newFile()
{
    if (saveIfModified()) startUnnamedDocument(QString(), false);
}

void MainWindow::newHtmlFile()
{
    if (saveIfModified()) startUnnamedDocument(kHtmlTemplate, false);
}

void MainWindow::closeFile()
{
    // Close keeps the save dialog's name, so Save As proposes the closed file.
    if (saveIfModified()) startUnnamedDocument(QString(), true);
}

void MainWindow::warnToSave()
{
    if (!m_fileName.isEmpty() && QFileInfo(m_fileName).isFile()) return;
    const auto answer = prompter().message(
        QStringLiteral("The file has never been saved, \r\nso the link will work only if this file is \r\nsaved in the "
                       "current directory.\r\nWould you like to save the file now?\r\nClick YES to save or NO to "
                       "continue without saving"),
        Prompter::Icon::Warning, Prompter::Yes | Prompter::No);
    if (answer == Prompter::Yes) save();
}

bool MainWindow::saveBeforeBrowsing()
{
    if (!m_editor->isModified()) return true;
    const auto answer = prompter().message(
        QStringLiteral("File has changed. The browser will view the saved version\r\nYou are advised to save the file "
                       "now.\r\nChoose Yes to ave now? No to continue without saving."),
        Prompter::Icon::Confirmation, Prompter::Yes | Prompter::No | Prompter::Cancel);
    if (answer == Prompter::Cancel) return false;
    if (answer == Prompter::Yes) save();
    return true;
}

// ---- recent files -------------------------------------------------------------------------

void MainWindow::addToRecent(const QString& name)
{
    m_recent.add(name);
    rebuildRecentMenu();
}

void MainWindow::writeRecentList() { writeSettingsFile(kRecentList, m_recent.entries()); }

void MainWindow::rebuildRecentMenu()
{
    const QList<QAction*> items = m_fileMenu->actions();
    for (int i = m_fixedFileMenuCount; i < items.size(); ++i) {
        m_fileMenu->removeAction(items[i]);
        if (items[i]->parent() == m_fileMenu) items[i]->deleteLater();
    }
    m_fileMenu->addSeparator()->setParent(m_fileMenu);
    const QStringList entries = m_recent.entries();
    for (auto it = entries.crbegin(); it != entries.crend(); ++it) {
        const QString name = *it;
        QAction* item = m_fileMenu->addAction(QString(name).replace(QLatin1Char('&'), QLatin1String("&&")));
        item->setData(name);
        item->setObjectName(QStringLiteral("recentFile"));
        connect(item, &QAction::triggered, this, [this, name] { runCommand([this, name] { loadRecentFile(name); }); });
    }
    writeRecentList();
}

void MainWindow::loadRecentFile(const QString& name)
{
    if (!QFileInfo(name).isFile()) {
        m_recent.remove(name);
        rebuildRecentMenu();
        prompter().message(QStringLiteral("File no longer exists."), Prompter::Icon::None, Prompter::Ok);
        if (!m_navigator->selectedFile().isEmpty()) m_navigator->selectFile(m_navigator->selectedFile());
        return;
    }
    if (!saveIfModified()) {
        showDocumentInNavigator();
        return;
    }
    m_navigator->resetFilter();
    m_editor->loadFromFile(name);
    setCurrentFileField(name);
    m_editor->setModified(false);
    m_lastOpenedName = name;
    addToRecent(name);
    QDir::setCurrent(QFileInfo(name).absolutePath());
    m_saveInitialName = name;
    m_openInitialName.clear();
    setDocumentName(QFileInfo(name).absoluteFilePath());
    setCaptionSuffix(QStringLiteral("  -") + QDir::toNativeSeparators(m_fileName));
    m_navigator->relativePathEdit()->setText(
        relativePathForwardSlash(m_fileName, m_navigator->relativeBase(), QDir::currentPath()));
    setCurrentFileField(name);
    m_editor->setModified(false);
    showDocumentInNavigator();
}

void MainWindow::writeLastFile()
{
    if (m_fileName.isEmpty() || !QFileInfo(m_fileName).isFile() || isImageName(m_fileName)) return;
    writeSettingsFile(kLastFile, { m_fileName });
}

// ---- editing aids -------------------------------------------------------------------------

void MainWindow::goToLine()
{
    setHtmlTabActive(true);
    EditingAids::goToLine(*m_editor, prompter(), m_lineNumberEdit->text());
}

void MainWindow::showEditorFontDialog()
{
    if (m_fontDialog) return;
    m_fontDialog = new EditorFontDialog(m_font.name, m_font.size, this);
    action(QStringLiteral("a_font"))->setEnabled(false);
    auto keepingModified = [this](const std::function<void()>& change) {
        const bool modified = m_editor->isModified();
        change();
        m_editor->setModified(modified);
        m_editor->setSelStart(0);
    };
    connect(m_fontDialog, &EditorFontDialog::faceChosen, this, [this, keepingModified](const QString& face) {
        m_font.name = face;
        keepingModified([this] { applyEditorFont(); });
    });
    connect(m_fontDialog, &EditorFontDialog::sizeChosen, this, [this, keepingModified](const QString& size) {
        m_font.size = size;
        keepingModified([this] { applyEditorFont(); });
    });
    connect(m_fontDialog, &EditorFontDialog::closeRequested, this, [this](const QStringList& store) {
        runCommand([this, store] { writeSettingsFile(kFontDetails, store); });
        action(QStringLiteral("a_font"))->setEnabled(true);
        m_fontDialog->hide();
        m_fontDialog->deleteLater();
    });
    m_fontDialog->adjustSize();
    m_fontDialog->move(geometry().center() - m_fontDialog->rect().center());
    m_fontDialog->show();
}
