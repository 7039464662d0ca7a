#include "main/MainWindow.h"

#include "docwatch/DocWatchCommands.h"
#include "editor/CodeEditor.h"
#include "editor/SyntaxColourer.h"
#include "editor/TagCompletion.h"
#include "htmlcheck/HtmlCheckCommands.h"
#include "main/ButtonBars.h"
#include "main/DocumentSession.h"
#include "main/EditingAids.h"
#include "main/EditorFontControl.h"
#include "main/EditorFontDialog.h"
#include "main/EditorModes.h"
#include "main/EncodingMenu.h"
#include "main/InstantCodeWindow.h"
#include "main/MainCommands.h"
#include "main/MenuBuilder.h"
#include "main/SnippetCommands.h"
#include "main/StartUpOpen.h"
#include "main/StatusPanels.h"
#include "navigator/ImageDialog.h"
#include "navigator/LinkCommands.h"
#include "navigator/NavigatorCommands.h"
#include "navigator/NavigatorPanel.h"
#include "navigator/Preview.h"
#include "platform/AppDirs.h"
#include "platform/BrowserView.h"
#include "platform/CommandBoundary.h"
#include "platform/HintRouter.h"
#include "platform/Prompter.h"
#include "platform/Shell.h"
#include "shared/CommandRegistry.h"
#include "shared/FeatureContext.h"
#include "shared/RelativePath.h"
#include "shared/SiteFileActions.h"
#include "shared/TempPages.h"
#include "sitetools/SearchCommands.h"
#include "sitetools/SiteChangeCommands.h"
#include "sitetools/SiteToolCommands.h"
#include "tools/SpellCheckDialog.h"
#include "tools/ToolCommands.h"
#include "wizards/WizardCommands.h"

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
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {
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
    setObjectName(QStringLiteral("mainWindow"));
    m_commands->setBoundary([this](const std::function<void()>& command) { runCommand(command); });
    setAcceptDrops(true);
    resize(725, 600);
    m_hints = HintRouter::instance() ? HintRouter::instance() : new HintRouter(this);

    m_instantCode = new InstantCodeWindow(this);
    createLayout();
    m_editorFont = new EditorFontControl(*this);
    createSession();
    registerCommands();
    createMenus();

    // Start-up, in order: font settings, recent files, the document fields, the last file.
    m_fixedFileMenuCount = int(m_fileMenu->actions().size());
    runCommand([this] { readSettings(); });
    updateSaveEnabled();
    updateEditEnabled();
    m_editorModes = new EditorModes(*this);
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
    m_toolBar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
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
    m_toolBar2->setToolButtonStyle(Qt::ToolButtonIconOnly);
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
    m_completion = new TagCompletion(*m_editor, *m_colourer, this);
    m_editor->setRichTextExporter([this](int from, int to) { return m_colourer->rtfForRange(from, to); });
    m_besideEditor = new QSplitter(Qt::Horizontal);
    m_besideEditor->addWidget(m_editor);
    m_underEditor = new QSplitter(Qt::Vertical);
    m_underEditor->addWidget(m_besideEditor);
    m_tabs->addTab(m_underEditor, QStringLiteral("HTML"));
    m_browser = m_services.makeBrowser ? m_services.makeBrowser(nullptr) : new WebBrowserView;
    m_browser->setObjectName(QStringLiteral("previewBrowser"));
    m_tabs->addTab(m_browser, QStringLiteral("Preview"));
    split->addWidget(m_tabs);
    split->setStretchFactor(1, 1);
    split->setSizes({ 220, 700 });
    column->addWidget(split, 1);
    setCentralWidget(central);
    setWindowTitle(kBaseCaption);

    m_status = new StatusPanels(*statusBar(), *m_editor, this);
    connect(m_editor, &CodeEditor::modifiedChanged, this, &MainWindow::updateSaveEnabled);
    connect(m_editor, &QPlainTextEdit::selectionChanged, this, &MainWindow::updateEditEnabled);
    connect(m_editor, &CodeEditor::undoAvailable, this, &MainWindow::updateEditEnabled);
    connect(m_editor, &CodeEditor::blockSelectionChanged, this, &MainWindow::updateEditEnabled);
    connect(m_editor, &CodeEditor::redoAvailable, this, &MainWindow::updateEditEnabled);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &MainWindow::updateEditEnabled);
    connect(m_editor, &CodeEditor::keyPressing, this,
        [this](CodeEditor::KeyDown& key) { onEditorKey(key.key, !m_editor->selText().isEmpty()); });
    connect(m_tabs, &QTabWidget::currentChanged, this, &MainWindow::onTabChanged);
    m_tabs->tabBar()->installEventFilter(this);

    m_findReplace = new FindReplace(*m_editor, prompter(), this);
    m_preview = new Preview(
        *m_editor, *m_navigator, *m_browser, [this](const QString& text) { setCurrentFileField(text); }, this);
    connect(m_navigator, &NavigatorPanel::fileActivated, this,
        [this](const QString& path) { runCommand([this, path] { openTheFile(path); }); });
    m_linkCommands = new LinkCommands(
        *m_editor, *m_navigator, prompter(), [this] { m_session->warnToSave(); },
        [this](const QString& start, const QString& end) { insertTheTags(*m_editor, start, end); }, this);
    m_snippets = new SnippetCommands(*m_editor,
        m_services.valuePrompt ? m_services.valuePrompt : m_instantCode->asker(), prompter(), m_wizard, this);
}

void MainWindow::createSession()
{
    m_session = new DocumentSession(*m_editor, prompter(), this);
    connect(m_session, &DocumentSession::fileNameChanged, m_navigator, &NavigatorPanel::setDocumentFileName);
    connect(m_session, &DocumentSession::fileNameChanged, this, [this](const QString& name) {
        m_colourer->setStyleSheet(name.endsWith(QLatin1String(".css"), Qt::CaseInsensitive));
    });
    connect(m_session, &DocumentSession::formatChanged, this,
        [this](const TextFormat& format) { m_status->showFormat(format); });
    new EncodingMenu(
        *m_session, *m_editor, m_status->formatPanel(),
        [this](const std::function<void()>& command) { runCommand(command); }, this);
    connect(m_session, &DocumentSession::recentFilesChanged, this, &MainWindow::rebuildRecentMenu);
    connect(m_session, &DocumentSession::openDialogShowing, m_navigator, &NavigatorPanel::resetFilter);
    connect(m_session, &DocumentSession::fileDialogClosed, m_navigator, &NavigatorPanel::refresh);
    connect(m_session, &DocumentSession::opened, this, [this] {
        setCurrentFileField(m_session->fileName());
        setCaptionSuffix(QStringLiteral("  -") + QDir::toNativeSeparators(m_session->fileName()));
        if (QFileInfo(m_session->fileName()).isFile()) showDocumentInNavigator();
        m_editor->setFocus();
    });
    connect(m_session, &DocumentSession::openCancelled, this, [this] {
        const QString name = m_session->fileName();
        if (!name.isEmpty()) m_navigator->setDirectory(QFileInfo(name).absolutePath());
        m_navigator->resetFilter();
        m_navigator->selectFile(name);
    });
    connect(m_session, &DocumentSession::savedAs, this, [this](const QString& name) {
        setCaptionSuffix(QStringLiteral(" - ") + QFileInfo(name).fileName());
        setCurrentFileField(name);
        m_navigator->refreshFiles();
    });
    connect(m_session, &DocumentSession::startedUnnamed, this, [this] {
        setCaptionSuffix(QStringLiteral(" - New File"));
        setCurrentFileField(QStringLiteral("File has never been saved"));
        m_navigator->relativePathEdit()->clear();
        m_editor->setFocus();
    });
}

void MainWindow::registerCommands()
{
    FeatureContext context;
    context.window = this;
    context.editor = m_editor;
    context.prompter = &prompter();
    context.shell = &shell();
    context.commands = m_commands;
    context.wizard = &m_wizard;
    context.valuePrompt = m_services.valuePrompt ? m_services.valuePrompt : m_instantCode->asker();
    // The desktop's browser unless the caller gave another (tests give a fake).
    context.makeBrowser = m_services.makeBrowser
        ? m_services.makeBrowser
        : std::function<BrowserView*(QWidget*)>([](QWidget* parent) { return new WebBrowserView(parent); });
    context.documentFileName = [this] { return m_session->fileName(); };
    context.warnToSave = [this] { m_session->warnToSave(); };
    context.saveIfModified = [this] { return m_session->saveIfModified(); };
    context.save = [this] { return m_session->save(); };
    context.saveBeforeBrowsing = [this] { return m_session->saveBeforeBrowsing(); };
    context.document = new DocumentSignals(this);
    connect(m_session, &DocumentSession::fileNameChanged, context.document, &DocumentSignals::fileNameChanged);
    connect(m_session, &DocumentSession::written, context.document, &DocumentSignals::written);
    context.loadFile = [this](const QString& name) {
        if (name.isEmpty())
            m_session->startUnnamed(QString(), false);
        else
            m_session->loadAsked(name);
    };

    context.siteFiles = std::make_shared<SiteFileActions>();

    registerMainCommands(*this);
    registerNavigatorCommands(context, *m_navigator, *m_linkCommands, [this] { return currentFileField(); });
    for (QAction* snippet : m_snippets->htmlActions() + m_snippets->javaScriptActions())
        m_commands->adopt(snippet);
    m_commands->adopt(m_snippets->promptButtonAction());
    registerToolCommands(context);
    registerWizardCommands(context);
    registerSiteToolCommands(context);
    registerSearchCommands(context);
    registerSiteChangeCommands(context);
    m_buttonBars = new ButtonBars(*this);
    registerDocWatch(context);
    m_besideEditor->addWidget(registerViewOptionCommands(*this, context));
    m_underEditor->addWidget(registerHtmlCheckCommands(context));
}

QAction* MainWindow::action(const QString& name) const { return m_commands->action(name); }

bool MainWindow::runActionCommand(const QString& name) { return m_commands->run(name); }

void MainWindow::createMenus()
{
    MenuBuilder builder(*m_commands);
    for (const MenuTable& table : MenuTables::fullMenuBar())
        m_fullMenus << builder.menu(table, this);
    for (const MenuTable& table : MenuTables::previewMenuBar())
        m_reducedMenus << builder.menu(table, this);
    m_fileMenu = m_fullMenus.first();

    builder.fill(m_toolBar1, MenuTables::toolBar1());
    builder.fill(m_toolBar2, MenuTables::toolBar2());
    // A right click on "Colour the tags" offers to colour or to remove the colour.
    QMenu* colourMenu = builder.menu(MenuTables::colourMenu(), QStringLiteral("colourMenu"), this);
    colourMenu->setObjectName(QStringLiteral("colourMenu"));
    attachPopup(m_toolBar1->widgetForAction(action(QStringLiteral("a_colourize"))), colourMenu);
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
    m_editorFont->read();
    setCurrentFileField(QString());
    setWindowTitle(kBaseCaption);
    m_session->readSettings();
    const QString name = m_session->fileName();
    if (name.isEmpty()) return;
    setCurrentFileField(name);
    m_navigator->setDirectory(QFileInfo(name).absolutePath());
}

// ---- window events ------------------------------------------------------------------------

void MainWindow::setVisible(bool visible)
{
    QMainWindow::setVisible(visible);
    if (!visible || m_shownOnce) return;
    m_shownOnce = true;
    openAtFirstShow(*this, m_arguments);
}

void MainWindow::changeEvent(QEvent* e)
{
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) {
        m_editorFont->apply();
        showMenus(isHtmlTabActive());
    }
}

void MainWindow::closeEvent(QCloseEvent* e)
{
    bool close = false; // a failed save keeps the window and the text
    runCommand([&] { close = m_session->closeQuery(); });
    if (!close) {
        e->ignore();
        return;
    }
    runCommand([this] { m_session->writeSettings(); });
    runCommand([this] {
        const QString dir = directoryOf(m_session->fileName());
        for (const char* temp : { "1xiv.css", "1xiv.htm" })
            TempPages::removeIfOwn(QDir(dir).filePath(QLatin1String(temp)));
    });
    if (EditorFontDialog* dialog = m_editorFont->dialog()) dialog->deleteLater();
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

void MainWindow::onEditorKey(int key, bool hasSelection)
{
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
        setCurrentFileField(
            m_session->fileName().isEmpty() ? QStringLiteral("File has never been saved.") : m_session->fileName());
        m_editor->setFocus();
    } else if (!m_quietPreview) {
        runCommand([this] { m_preview->enter(); });
    }
    updateSaveEnabled();
}

QString MainWindow::statusText(int panel) const { return m_status->text(panel); }

void MainWindow::updateSaveEnabled()
{
    // On the "Preview" tab Save keeps its last state.
    if (isHtmlTabActive()) action(QStringLiteral("a_save"))->setEnabled(m_editor->isModified());
}

void MainWindow::updateEditEnabled()
{
    const bool selected = m_editor->selLength() != 0 || m_editor->hasBlockSelection();
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

void MainWindow::showDocumentInNavigator()
{
    const QString name = m_session->fileName();
    if (name.isEmpty()) return;
    m_navigator->setDirectory(QFileInfo(name).absolutePath());
    m_navigator->selectFile(name);
}

void MainWindow::setCaptionSuffix(const QString& suffix) { setWindowTitle(kBaseCaption + suffix); }

void MainWindow::openTheFile(const QString& name)
{
    if (!isHtmlTabActive()) {
        m_preview->showFile(name);
        return;
    }
    if (!DocumentSession::isImageName(name)) {
        m_session->load(name);
        return;
    }
    // An image is shown without the tab's own steps: no temporary file, the same menus.
    {
        const QSignalBlocker quiet(m_tabs);
        setHtmlTabActive(false);
    }
    m_navigator->setHtmlTabActive(false);
    // Tool bar 2 belongs to the "HTML" tab only.
    m_toolBar2->setVisible(false);
    m_preview->showImage(name);
}

void MainWindow::loadRecentFile(const QString& name)
{
    if (!QFileInfo(name).isFile()) {
        m_session->forgetRecent(name);
        prompter().message(QStringLiteral("File no longer exists."), Prompter::Icon::None, Prompter::Ok);
        if (!m_navigator->selectedFile().isEmpty()) m_navigator->selectFile(m_navigator->selectedFile());
        return;
    }
    if (!m_session->saveIfModified()) {
        showDocumentInNavigator();
        return;
    }
    m_navigator->resetFilter();
    m_session->loadAsked(name);
    m_navigator->relativePathEdit()->setText(
        relativePathForwardSlash(m_session->fileName(), m_navigator->relativeBase(), QDir::currentPath()));
    setCurrentFileField(name);
}

void MainWindow::showBriefHelp()
{
    const QString page = AppDirs::dataFile(kBriefHelpPage);
    if (!QFileInfo::exists(page)) return;
    showOwnPageTab();
    m_browser->showOwnPage(page);
}

void MainWindow::showOwnPageTab()
{
    // The program's own page is not the document: no temporary file is written for it.
    const QScopedValueRollback quiet(m_quietPreview, true);
    setHtmlTabActive(false);
}

void MainWindow::rebuildRecentMenu(const QStringList& entries)
{
    const QList<QAction*> items = m_fileMenu->actions();
    for (int i = m_fixedFileMenuCount; i < items.size(); ++i) {
        m_fileMenu->removeAction(items[i]);
        if (items[i]->parent() == m_fileMenu) items[i]->deleteLater();
    }
    m_fileMenu->addSeparator()->setParent(m_fileMenu);
    for (auto it = entries.crbegin(); it != entries.crend(); ++it) {
        const QString name = *it;
        QAction* item = m_fileMenu->addAction(QString(name).replace(QLatin1Char('&'), QLatin1String("&&")));
        item->setData(name);
        item->setObjectName(QStringLiteral("recentFile"));
        connect(item, &QAction::triggered, this, [this, name] { runCommand([this, name] { loadRecentFile(name); }); });
    }
}

// ---- editing aids -------------------------------------------------------------------------

void MainWindow::goToLine()
{
    setHtmlTabActive(true);
    EditingAids::goToLine(*m_editor, prompter(), m_lineNumberEdit->text());
}

void MainWindow::checkSpelling()
{
    // The button stays disabled while the check runs, and comes back however the check ends.
    QAction* check = action(QStringLiteral("a_checkSpelling"));
    check->setEnabled(false);
    const auto enable = qScopeGuard([check] { check->setEnabled(true); });
    ::checkSpelling(*m_editor, prompter(), this);
}
