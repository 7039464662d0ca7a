#include "sitetools/SearchWindow.h"

#include "editor/CodeEditor.h"
#include "editor/TextFile.h"
#include "editor/WriteQuestions.h"
#include "platform/BrowserView.h"
#include "platform/CommandBoundary.h"
#include "platform/HintRouter.h"
#include "platform/WidgetHelpers.h"
#include "shared/RelativePath.h"
#include "shared/TempPages.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

const QString SearchWindow::kSaveNow = QStringLiteral("Project File  has changed. Save now?");
const QString SearchWindow::kNoFiles = QStringLiteral("Please select some files for the search");
const QString SearchWindow::kNoDirectory
    = QStringLiteral("Please select a directory where you will put your search page");
const QString SearchWindow::kChooseDirectory = QStringLiteral("Choose the directory for your search page");
const QString SearchWindow::kViewName = QStringLiteral("1view.htm");

namespace {

const QString kInternetSave = QStringLiteral("Internet Files|*.htm*;*.shtml;*.asp");
const QString kProjectFiles = QStringLiteral("Project Files|*.prj");
const QString kInternetOpen = QStringLiteral("Internet Files|*.htm;*.html");
// The dialogs show the first filter chosen.
const QString kSaveCodeFilter = kInternetSave + u'|' + kProjectFiles + QStringLiteral("|All Files |*.*");
const QString kSaveProjectFilter = kProjectFiles + u'|' + kInternetSave + QStringLiteral("|All Files |*.*");
const QString kOpenHtmlFilter = kInternetOpen + u'|' + kProjectFiles + QStringLiteral("|All Files|*.*");
const QString kOpenProjectFilter = kProjectFiles + u'|' + kInternetOpen + QStringLiteral("|All Files|*.*");

// A mask's name filters; "*.*" means every file, as it did where the masks come from.
QStringList nameFilters(const QString& mask) { return { mask == QLatin1String("*.*") ? QStringLiteral("*") : mask }; }

// Dragging files out of the file list carries their full paths.
class DraggableFileList : public QListWidget {
public:
    using QListWidget::QListWidget;
    QString directory;

protected:
    QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override
    {
        QList<QUrl> urls;
        for (const QListWidgetItem* item : items)
            urls << QUrl::fromLocalFile(QDir(directory).filePath(item->text()));
        auto* data = new QMimeData;
        data->setUrls(urls);
        return data;
    }
};

QStringList localFiles(const QMimeData* data)
{
    QStringList paths;
    if (!data || !data->hasUrls()) return paths;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile() && QFileInfo(url.toLocalFile()).isFile()) paths << url.toLocalFile();
    return paths;
}

QLabel* plainLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

SearchWindow::SearchWindow(
    Prompter& prompter, const std::function<BrowserView*(QWidget*)>& makeBrowser, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_prompter(prompter, this)
    , m_menuBar(named(new QMenuBar(this), "menuBar"))
    , m_splitter(named(new QSplitter(this), "splitter"))
    , m_pageControl(named(new QTabWidget(this), "pageControl"))
    , m_projectFilesList(new QListWidget(this))
    , m_titlesList(new QListWidget(this))
    , m_keywordsList(new QListWidget(this))
    , m_currentFileEdit(named(new QLineEdit(this), "currentFileEdit"))
    , m_projectDirEdit(named(new QLineEdit(this), "projectDirEdit",
          QStringLiteral("The directory of the search page: its addresses start here")))
    , m_titleMemo(
          named(new QPlainTextEdit(this), "titleMemo", QStringLiteral("Edit the title, then press Change to keep it")))
    , m_keywordsMemo(named(new QPlainTextEdit(this), "keywordsMemo",
          QStringLiteral("Edit the keywords, then press Change to keep them")))
    , m_hintBox(named(new QPlainTextEdit(this), "hintBox"))
    , m_codePane(named(new CodeEditor(this), "codePane"))
    , m_browser(named(makeBrowser(this), "browser"))
    , m_driveBox(
          named(new QComboBox(this), "driveBox", QStringLiteral("The root of the file system or your home directory")))
    , m_directoryList(
          named(new DirectoryList(this), "directoryList", QStringLiteral("Double-click a directory to open it")))
    , m_fileList(named(new DraggableFileList(this), "fileList",
          QStringLiteral("Select files and add them to the project, or drag them onto it")))
    , m_fileTypeBox(named(new QComboBox(this), "fileTypeBox", QStringLiteral("Which files the list shows")))
    , m_gauge(named(new QProgressBar(this), "gauge"))
    , m_fileListMenu(named(new QMenu(this), "fileListMenu"))
    , m_projectListMenu(named(new QMenu(this), "projectListMenu"))
    , m_codePaneMenu(named(new QMenu(this), "codePaneMenu"))
{
    setObjectName("searchWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Search Engine Generator"));
    resize(900, 640);

    m_saveDialog.defaultExtension = QStringLiteral("htm");
    m_saveDialog.overwritePrompt = true;
    m_openDialog.mustExist = true;

    m_hintBox->setReadOnly(true);
    m_hintBox->setMaximumHeight(m_hintBox->fontMetrics().height() * 3);
    m_gauge->setRange(0, 100);
    m_gauge->hide();
    m_codePane->setWordWrap(false);
    m_codePane->setStatusTip(QStringLiteral("The search page: edit it here, preview it and save it"));

    m_leftPanel = buildLeftPanel();
    m_pageControl->addTab(buildStartPage(), QStringLiteral("Start Page"));
    m_pageControl->addTab(m_browser, QStringLiteral("Viewer"));
    m_pageControl->addTab(m_codePane, QStringLiteral("Create Search Page"));
    m_splitter->addWidget(m_leftPanel);
    m_splitter->addWidget(m_pageControl);
    m_splitter->setStretchFactor(1, 2);

    buildMenus();
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(m_menuBar);
    layout->addWidget(m_splitter, 1);
    layout->addWidget(m_gauge);
    layout->addWidget(m_hintBox);
    useMenuBar(StartTab);

    if (HintRouter* router = HintRouter::instance()) router->registerWindow(this, m_hintBox);
    connect(m_pageControl, &QTabWidget::currentChanged, this, &SearchWindow::tabChanged);
    setDirectory(QDir::currentPath());
}

SearchWindow::~SearchWindow() = default;

QWidget* SearchWindow::buildLeftPanel()
{
    auto* panel = named(new QWidget(this), "leftPanel");
    m_currentFileEdit->setReadOnly(true);
    m_currentFileEdit->setStatusTip(QStringLiteral("The project file selected"));
    auto* changeTitle = named(new QPushButton(QStringLiteral("Change"), panel), "changeTitleButton",
        QStringLiteral("Store the edited title in the project (the page is not changed)"));
    auto* changeKeywords = named(new QPushButton(QStringLiteral("Change"), panel), "changeKeywordsButton",
        QStringLiteral("Store the edited keywords in the project (the page is not changed)"));
    connect(changeTitle, &QPushButton::clicked, this, &SearchWindow::changeTitle);
    connect(changeKeywords, &QPushButton::clicked, this, &SearchWindow::changeKeywords);

    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(plainLabel(QStringLiteral("Current File Name"), panel));
    layout->addWidget(m_currentFileEdit);
    layout->addWidget(plainLabel(QStringLiteral("Title"), panel));
    layout->addWidget(m_titleMemo, 1);
    layout->addWidget(changeTitle, 0, Qt::AlignRight);
    layout->addWidget(plainLabel(QStringLiteral("Keywords"), panel));
    layout->addWidget(m_keywordsMemo, 1);
    layout->addWidget(changeKeywords, 0, Qt::AlignRight);
    return panel;
}

QWidget* SearchWindow::buildStartPage()
{
    auto* page = named(new QWidget(this), "startPage");

    auto* getDir = named(new QPushButton(QStringLiteral("Get DIR"), page), "getDirButton",
        QStringLiteral("Choose the directory where you will put your search page"));
    auto* newProject = named(new QPushButton(QStringLiteral("New Project"), page), "newProjectButton",
        QStringLiteral("Start an empty project"));
    auto* remove = named(new QPushButton(QStringLiteral("Remove Selected >"), page), "removeButton",
        QStringLiteral("Remove the selected file from the project"));
    auto* addSelected = named(new QPushButton(QStringLiteral("<< Selected"), page), "addSelectedButton",
        QStringLiteral("Add the selected files to the project"));
    auto* addAll = named(new QPushButton(QStringLiteral("<< All "), page), "addAllButton",
        QStringLiteral("Add all the listed files to the project"));

    const struct {
        QListWidget* list;
        const char* name;
        const char* hint;
    } lists[] = {
        { m_projectFilesList, "projectFilesList", "The pages of the search: drop files here, Delete removes one" },
        { m_titlesList, "titlesList", "The titles the search looks in" },
        { m_keywordsList, "keywordsList", "The keywords the search looks in" },
    };
    for (const auto& entry : lists) {
        entry.list->setObjectName(QLatin1String(entry.name));
        entry.list->setStatusTip(QLatin1String(entry.hint));
        entry.list->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(entry.list, &QListWidget::customContextMenuRequested, this,
            [this, list = entry.list](const QPoint& at) { m_projectListMenu->popup(list->mapToGlobal(at)); });
        connect(entry.list, &QListWidget::currentRowChanged, this, &SearchWindow::selectRow);
        connect(entry.list, &QListWidget::itemClicked, this,
            [this, list = entry.list](QListWidgetItem* item) { showEntry(list->row(item)); });
    }
    m_projectFilesList->setAcceptDrops(true);
    m_projectFilesList->viewport()->installEventFilter(this);
    m_projectFilesList->installEventFilter(this);

    for (const QString& place : { QDir::rootPath(), QDir::homePath() })
        m_driveBox->addItem(QDir::toNativeSeparators(place), place);
    m_fileList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_fileList->setDragEnabled(true);
    m_fileList->setDragDropMode(QAbstractItemView::DragOnly);
    m_fileList->setContextMenuPolicy(Qt::CustomContextMenu);
    m_fileTypeBox->addItem(QStringLiteral("Internet Files"), QStringLiteral("*.*htm*"));
    m_fileTypeBox->addItem(QStringLiteral("All Files"), QStringLiteral("*.*"));

    connect(getDir, &QPushButton::clicked, this, &SearchWindow::getDir);
    connect(newProject, &QPushButton::clicked, this, &SearchWindow::newProject);
    connect(remove, &QPushButton::clicked, this, &SearchWindow::removeSelected);
    connect(addSelected, &QPushButton::clicked, this, &SearchWindow::addSelectedFiles);
    connect(addAll, &QPushButton::clicked, this, &SearchWindow::addAllFiles);
    connect(m_driveBox, &QComboBox::activated, this,
        [this](int index) { setDirectory(m_driveBox->itemData(index).toString()); });
    m_directoryList->setFollowsCurrentDirectory(true); // names the user adds are resolved there
    connect(m_directoryList, &DirectoryList::directoryChanged, this, &SearchWindow::showDirectory);
    connect(m_fileTypeBox, &QComboBox::activated, this, [this] { fillFileList(); });
    connect(m_fileList, &QListWidget::customContextMenuRequested, this,
        [this](const QPoint& at) { m_fileListMenu->popup(m_fileList->mapToGlobal(at)); });

    auto* dirRow = new QHBoxLayout;
    dirRow->addWidget(plainLabel(QStringLiteral("Project Directory"), page));
    dirRow->addWidget(m_projectDirEdit, 1);
    dirRow->addWidget(getDir);
    dirRow->addWidget(newProject);

    auto* project = new QGridLayout;
    project->addWidget(plainLabel(QStringLiteral("Project Files"), page), 0, 0);
    project->addWidget(plainLabel(QStringLiteral("Titles of Files"), page), 0, 1);
    project->addWidget(plainLabel(QStringLiteral("Keywords of Files"), page), 0, 2);
    project->addWidget(m_projectFilesList, 1, 0);
    project->addWidget(m_titlesList, 1, 1);
    project->addWidget(m_keywordsList, 1, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(remove);
    buttons->addWidget(addSelected);
    buttons->addWidget(addAll);
    buttons->addStretch();

    auto* browser = new QGridLayout;
    browser->addWidget(plainLabel(QStringLiteral("Drives:"), page), 0, 0);
    browser->addWidget(m_driveBox, 1, 0);
    browser->addWidget(plainLabel(QStringLiteral("Directories"), page), 2, 0);
    browser->addWidget(m_directoryList, 3, 0);
    browser->addWidget(plainLabel(QStringLiteral("Select File Type:"), page), 0, 1);
    browser->addWidget(m_fileTypeBox, 1, 1);
    browser->addWidget(plainLabel(QStringLiteral("Files in Current Directory"), page), 2, 1);
    browser->addWidget(m_fileList, 3, 1);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(plainLabel(QStringLiteral("Changes affect code only - not files"), page));
    layout->addLayout(dirRow);
    layout->addLayout(project, 1);
    layout->addLayout(buttons);
    layout->addLayout(browser, 1);
    return page;
}

void SearchWindow::buildMenus()
{
    const auto menu = [this](Tab tab, const QString& title, const char* name) {
        auto* result = named(new QMenu(title, this), name);
        m_tabMenus[tab] << result;
        return result;
    };
    const auto item = [](QMenu* menu, const QString& caption, const char* name, const QString& hint, auto handler) {
        QAction* action = named(menu->addAction(caption), name);
        action->setStatusTip(hint);
        QObject::connect(action, &QAction::triggered, menu, handler);
        return action;
    };

    QMenu* file = menu(StartTab, QStringLiteral("&File"), "startFileMenu");
    item(file, QStringLiteral("Open Project ..."), "openProjectAction", QStringLiteral("Open a project file"),
        [this] { openProject(); });
    item(file, QStringLiteral("Save Project As ..."), "saveProjectAsAction", QStringLiteral("Save the project file"),
        [this] { saveProjectAs(); });
    item(file, QStringLiteral("Close"), "closeAction", QStringLiteral("Close the search engine generator"),
        [this] { close(); });
    QMenu* tools = menu(StartTab, QStringLiteral("Tools"), "startToolsMenu");
    item(tools, QStringLiteral("Create Search"), "createSearchAction", QStringLiteral("Generate the search page"),
        [this] { m_pageControl->setCurrentIndex(CreateTab); });
    tools->addSeparator();
    QMenu* view = menu(StartTab, QStringLiteral("View"), "startViewMenu");
    item(view, QStringLiteral("Preview Current File"), "previewCurrentFileAction",
        QStringLiteral("Show the selected project file in the viewer"), [this] { previewCurrentFile(); });
    QMenu* help = menu(StartTab, QStringLiteral("&Help"), "startHelpMenu");
    // The help files are not part of this program yet.
    item(help, QStringLiteral("&Contents ..."), "contentsAction", QStringLiteral("Help on the search engine generator"),
        [] {})
        ->setEnabled(false);

    QMenu* viewerFile = menu(ViewerTab, QStringLiteral("&File"), "viewerFileMenu");
    item(viewerFile, QStringLiteral("E&xit"), "viewerExitAction", QStringLiteral("Close the search engine generator"),
        [this] { close(); });

    QMenu* createFile = menu(CreateTab, QStringLiteral("&File"), "createFileMenu");
    item(createFile, QStringLiteral("&Open HTML Document..."), "openHtmlAction",
        QStringLiteral("Load an HTML file into the code pane"), [this] { openHtmlDocument(); });
    item(createFile, QStringLiteral("&Save Search Engine Code ..."), "saveSearchCodeAction",
        QStringLiteral("Save the search page"), [this] { saveSearchCode(); });
    createFile->addSeparator();
    item(createFile, QStringLiteral("E&xit"), "createExitAction", QStringLiteral("Close the search engine generator"),
        [this] { close(); });
    QMenu* edit = menu(CreateTab, QStringLiteral("&Edit"), "createEditMenu");
    QAction* cut = item(edit, QStringLiteral("Cu&t"), "cutAction", QStringLiteral("Cut the selection to the clipboard"),
        [this] { m_codePane->cutToClipboard(); });
    QAction* copy = item(edit, QStringLiteral("&Copy"), "copyAction",
        QStringLiteral("Copy the selection to the clipboard"), [this] { m_codePane->copyToClipboard(); });
    QAction* paste = item(edit, QStringLiteral("&Paste"), "pasteAction", QStringLiteral("Paste from the clipboard"),
        [this] { m_codePane->pasteFromClipboard(); });
    edit->addSeparator();
    QAction* selectAll = item(edit, QStringLiteral("Select &All"), "selectAllAction",
        QStringLiteral("Select the whole search page"), [this] { m_codePane->selectAll(); });
    cut->setShortcut(QKeySequence::Cut);
    copy->setShortcut(QKeySequence::Copy);
    paste->setShortcut(QKeySequence::Paste);
    selectAll->setShortcut(QKeySequence::SelectAll);
    QMenu* createView = menu(CreateTab, QStringLiteral("View"), "createViewMenu");
    QAction* previewSearch = item(createView, QStringLiteral("Preview Search Engine"), "previewSearchEngineAction",
        QStringLiteral("Show the search page in the viewer"), [this] { previewSearchEngine(); });

    // The popups.
    QAction* addSelectedFiles = item(m_fileListMenu, QStringLiteral("Add Selected Files"), "addSelectedFilesAction",
        QStringLiteral("Add the selected files to the project"), [this] { this->addSelectedFiles(); });
    QAction* addAllFiles = item(m_fileListMenu, QStringLiteral("Add All Files"), "addAllFilesAction",
        QStringLiteral("Add all the listed files to the project"), [this] { this->addAllFiles(); });
    connect(m_fileListMenu, &QMenu::aboutToShow, this, [this, addSelectedFiles, addAllFiles] {
        addAllFiles->setEnabled(m_fileList->count() > 0);
        addSelectedFiles->setEnabled(!m_fileList->selectedItems().isEmpty());
    });

    item(m_projectListMenu, QStringLiteral("New Project"), "newProjectAction", QStringLiteral("Start an empty project"),
        [this] { newProject(); });
    item(m_projectListMenu, QStringLiteral("Remove Item"), "removeItemAction",
        QStringLiteral("Remove the selected file from the project"), [this] { removeSelected(); });
    item(m_projectListMenu, QStringLiteral("Preview File"), "previewFileAction",
        QStringLiteral("Show the selected project file in the viewer"), [this] { previewCurrentFile(); });
    item(m_projectListMenu, QStringLiteral("Refresh Project"), "refreshProjectAction",
        QStringLiteral("Read the titles and keywords of all project files again (changes to titles are lost)"),
        [this] { refreshProject(); });

    m_codePaneMenu->addAction(cut);
    m_codePaneMenu->addAction(copy);
    m_codePaneMenu->addAction(paste);
    item(m_codePaneMenu, QStringLiteral("Sellect &All"), "popupSelectAllAction",
        QStringLiteral("Select the whole search page"), [this] { m_codePane->selectAll(); });
    item(m_codePaneMenu, QStringLiteral("&Save Search Engine Code ..."), "popupSaveSearchCodeAction",
        QStringLiteral("Save the search page"), [this] { saveSearchCodeAs1Search(); });
    m_codePaneMenu->addAction(previewSearch);
    m_codePane->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_codePane, &QWidget::customContextMenuRequested, this,
        [this](const QPoint& at) { m_codePaneMenu->popup(m_codePane->mapToGlobal(at)); });
}

void SearchWindow::useMenuBar(Tab tab)
{
    m_menuBar->clear();
    for (QMenu* menu : m_tabMenus[tab])
        m_menuBar->addMenu(menu);
}

SearchEngine::Project SearchWindow::project() const { return m_project.lists(); }

QString SearchWindow::projectDirectory() const { return QDir::fromNativeSeparators(m_projectDirEdit->text()); }

void SearchWindow::setProjectDirectory(const QString& dir)
{
    m_projectDirEdit->setText(dir.isEmpty() ? QString() : QDir::toNativeSeparators(withTrailingSeparator(dir)));
}

// ---- the file browser ---------------------------------------------------------------------

void SearchWindow::setDirectory(const QString& dir)
{
    const QSignalBlocker quiet(m_directoryList);
    m_directoryList->setDirectory(QDir::fromNativeSeparators(dir));
    showDirectory();
}

void SearchWindow::showDirectory()
{
    m_directory = m_directoryList->directory();
    const QString home = QDir::homePath();
    m_driveBox->setCurrentIndex(m_directory == home || m_directory.startsWith(home + u'/') ? 1 : 0);
    fillFileList();
}

void SearchWindow::fillFileList()
{
    static_cast<DraggableFileList*>(m_fileList)->directory = m_directory;
    m_fileList->clear();
    m_fileList->addItems(QDir(m_directory)
                             .entryList(nameFilters(m_fileTypeBox->currentData().toString()), QDir::Files,
                                 QDir::Name | QDir::IgnoreCase));
}

// ---- the project --------------------------------------------------------------------------

void SearchWindow::addSelectedFiles()
{
    QList<int> rows;
    for (const QListWidgetItem* item : m_fileList->selectedItems())
        rows << m_fileList->row(item);
    std::sort(rows.begin(), rows.end());
    QStringList paths;
    for (int row : rows)
        paths << QDir(m_directory).filePath(m_fileList->item(row)->text());
    addFiles(paths);
}

void SearchWindow::addAllFiles()
{
    QStringList paths;
    for (int row = 0; row < m_fileList->count(); ++row)
        paths << QDir(m_directory).filePath(m_fileList->item(row)->text());
    addFiles(paths);
}

void SearchWindow::addFiles(const QStringList& paths)
{
    if (paths.isEmpty()) return;
    WaitCursor wait;
    runCommand(m_prompter, [&] {
        m_gauge->show();
        struct HideGauge {
            QProgressBar* gauge;
            ~HideGauge() { gauge->hide(); }
        } hide { m_gauge };
        // Entry by entry, so a page that cannot be read leaves the lists aligned.
        for (int i = 0; i < paths.size(); ++i) {
            m_gauge->setValue(i * 100 / int(paths.size()));
            m_project.add(QFileInfo(paths[i]).absoluteFilePath());
            showRowsFrom(int(m_project.size()) - 1);
        }
    });
}

void SearchWindow::refreshProject()
{
    WaitCursor wait;
    runCommand(m_prompter, [&] {
        m_project.refresh();
        const SearchEngine::Project lists = m_project.lists();
        const int row = m_projectFilesList->currentRow();
        m_titlesList->clear();
        m_titlesList->addItems(lists.titles);
        m_keywordsList->clear();
        m_keywordsList->addItems(lists.keywords);
        selectRow(row);
        showEntry(row);
    });
}

void SearchWindow::selectRow(int row)
{
    for (QListWidget* list : { m_projectFilesList, m_titlesList, m_keywordsList }) {
        const QSignalBlocker quiet(list);
        list->setCurrentRow(row);
    }
    showEntry(row);
}

void SearchWindow::showEntry(int row)
{
    if (row < 0 || row >= m_project.size()) return;
    const SearchProject::Row& entry = m_project.row(row);
    m_currentFileEdit->setText(entry.file);
    m_titleMemo->setPlainText(entry.title);
    m_keywordsMemo->setPlainText(entry.keywords);
    if (m_projectDirEdit->text().isEmpty()) setProjectDirectory(QDir::currentPath());
}

void SearchWindow::removeSelected()
{
    const int row = m_projectFilesList->currentRow();
    if (row < 0) return;
    m_project.remove(row);
    for (QListWidget* list : { m_projectFilesList, m_titlesList, m_keywordsList }) {
        const QSignalBlocker quiet(list);
        delete list->takeItem(row);
    }
    if (m_project.isEmpty()) {
        selectRow(-1);
        return;
    }
    selectRow(row == 0 ? 0 : row - 1);
}

void SearchWindow::newProject()
{
    m_project.clear();
    for (QListWidget* list : { m_projectFilesList, m_titlesList, m_keywordsList }) {
        const QSignalBlocker quiet(list);
        list->clear();
    }
    m_projectDirEdit->clear();
    m_currentFileEdit->clear();
    m_titleMemo->clear();
    m_keywordsMemo->clear();
}

void SearchWindow::getDir()
{
    const std::optional<QString> dir = m_prompter.chooseDirectory(kChooseDirectory, QDir::currentPath());
    if (dir) {
        setProjectDirectory(*dir);
        setDirectory(*dir);
    } else if (!QFileInfo(projectDirectory()).isDir()) {
        setProjectDirectory(QDir::currentPath());
    }
}

void SearchWindow::changeTitle()
{
    const int row = m_projectFilesList->currentRow();
    if (row < 0) return;
    m_project.setTitle(row, m_titleMemo->toPlainText());
    m_titlesList->item(row)->setText(m_project.row(row).title);
}

void SearchWindow::changeKeywords()
{
    const int row = m_projectFilesList->currentRow();
    if (row < 0) return;
    m_project.setKeywords(row, m_keywordsMemo->toPlainText());
    m_keywordsList->item(row)->setText(m_project.row(row).keywords);
}

void SearchWindow::setProject(const SearchProject& project)
{
    newProject();
    m_project = project;
    showRowsFrom(0);
}

void SearchWindow::showRowsFrom(int first)
{
    for (int i = first; i < m_project.size(); ++i) {
        const SearchProject::Row& row = m_project.row(i);
        m_projectFilesList->addItem(row.file);
        m_titlesList->addItem(row.title);
        m_keywordsList->addItem(row.keywords);
    }
}

// ---- tabs, generating and viewing ---------------------------------------------------------

void SearchWindow::tabChanged(int index)
{
    switch (index) {
    case StartTab:
        m_leftPanel->show();
        useMenuBar(StartTab);
        showEntry(m_projectFilesList->currentRow());
        break;
    case ViewerTab:
        m_leftPanel->hide();
        useMenuBar(ViewerTab);
        if (!m_showingInViewer && m_projectFilesList->currentRow() >= 0)
            m_browser->navigate(QDir::fromNativeSeparators(m_project.row(m_projectFilesList->currentRow()).file));
        break;
    case CreateTab:
        m_leftPanel->hide();
        generate();
        break;
    }
}

bool SearchWindow::generate()
{
    if (m_project.isEmpty()) {
        m_prompter.message(kNoFiles, Prompter::Icon::None, Prompter::Ok);
        m_pageControl->setCurrentIndex(StartTab);
        return false;
    }
    if (!QFileInfo(projectDirectory()).isDir()) {
        m_prompter.message(kNoDirectory, Prompter::Icon::Information, Prompter::Ok);
        m_pageControl->setCurrentIndex(StartTab);
        getDir();
        return false;
    }
    useMenuBar(CreateTab);
    m_codePane->setText(SearchEngine::searchPage(project(), projectDirectory()));
    // The page is new text: saved as UTF-8 with CR LF, whatever file the pane held before.
    m_codePane->setTextFormat(TextFormat());
    return true;
}

void SearchWindow::showInViewer(const QString& path)
{
    m_showingInViewer = true;
    m_pageControl->setCurrentIndex(ViewerTab);
    m_showingInViewer = false;
    if (!path.isEmpty()) m_browser->navigate(path);
}

void SearchWindow::previewCurrentFile()
{
    const int row = m_projectFilesList->currentRow();
    showInViewer(row < 0 ? QString() : QDir::fromNativeSeparators(m_project.row(row).file));
}

void SearchWindow::previewSearchEngine()
{
    runCommand(m_prompter, [this] {
        // Beside where the page will be saved, so its relative addresses work; a file of that name
        // that is not one of ours is left alone.
        const QString path = TempPages::pathFor(projectDirectory(), kViewName);
        QStringList lines = m_codePane->toPlainText().split(u'\n');
        lines.prepend(TempPages::markerLine(path));
        writeBytes(path, encodeText(lines, m_codePane->textFormat()));
        if (!m_viewPages.contains(path)) m_viewPages << path;
        showInViewer(path);
    });
}

// ---- files --------------------------------------------------------------------------------

bool SearchWindow::saveWith(Prompter::FileDialog& dialog, const std::function<bool(const QString&)>& write)
{
    bool saved = false;
    runCommand(m_prompter, [&] {
        const std::optional<QString> path = m_prompter.saveFile(dialog);
        if (!path) return;
        dialog.initialName = QFileInfo(*path).fileName();
        saved = write(*path);
    });
    return saved;
}

bool SearchWindow::saveProjectAs()
{
    if (QFileInfo(projectDirectory()).isDir()) m_saveDialog.initialDir = projectDirectory();
    m_saveDialog.title = QStringLiteral("Save project file");
    m_saveDialog.defaultExtension = QStringLiteral("prj");
    m_saveDialog.filter = kSaveProjectFilter;
    return saveWith(m_saveDialog, [&](const QString& path) {
        m_project.write(path);
        return true;
    });
}

void SearchWindow::openProject()
{
    runCommand(m_prompter, [this] {
        if (QFileInfo(projectDirectory()).isDir()) m_openDialog.initialDir = projectDirectory();
        m_openDialog.title = QStringLiteral("Open project file");
        m_openDialog.filter = kOpenProjectFilter;
        m_openDialog.initialName.clear();
        const std::optional<QString> path = m_prompter.openFile(m_openDialog);
        if (!path) return;
        // A file that is no project leaves the project as it was.
        setProject(SearchProject::read(*path));
        const QString dir = directoryOf(*path);
        setProjectDirectory(dir);
        setDirectory(dir);
        m_codePane->setModified(false);
    });
}

void SearchWindow::saveSearchCode()
{
    m_saveDialog.initialDir = projectDirectory();
    m_saveDialog.title = QStringLiteral("Save search code (HTML)");
    m_saveDialog.defaultExtension = QStringLiteral("htm");
    m_saveDialog.filter = kSaveCodeFilter;
    saveWith(m_saveDialog, [this](const QString& path) {
        if (m_pageControl->currentIndex() == CreateTab && !saveEditorAsked(m_prompter, *m_codePane, path)) return false;
        m_codePane->setModified(false);
        return true;
    });
}

void SearchWindow::saveSearchCodeAs1Search()
{
    m_saveDialog.initialDir = projectDirectory();
    m_saveDialog.title = QStringLiteral("Save search engine file");
    m_saveDialog.filter = kSaveCodeFilter;
    if (m_saveDialog.initialName.isEmpty()) m_saveDialog.initialName = QStringLiteral("1search.htm");
    saveWith(m_saveDialog, [this](const QString& path) {
        if (m_pageControl->currentIndex() != CreateTab || !saveEditorAsked(m_prompter, *m_codePane, path)) return false;
        m_codePane->setModified(false);
        return true;
    });
}

void SearchWindow::openHtmlDocument()
{
    runCommand(m_prompter, [this] {
        m_openDialog.initialDir = projectDirectory();
        m_openDialog.title = QStringLiteral("Open HTML File");
        m_openDialog.filter = kOpenHtmlFilter;
        m_openDialog.initialName.clear();
        const std::optional<QString> path = m_prompter.openFile(m_openDialog);
        if (path && m_pageControl->currentIndex() == CreateTab) m_codePane->loadFromFile(*path);
        m_codePane->setModified(false);
    });
}

// ---- window events ------------------------------------------------------------------------

void SearchWindow::activate()
{
    // The start page first: a hidden left panel would take no share of the width.
    m_pageControl->setCurrentIndex(StartTab);
    const int width = m_splitter->width();
    m_splitter->setSizes({ width / 3, width - width / 3 });
    m_currentFileEdit->clear();
    m_hintBox->clear();
    setDirectory(QDir::currentPath());
}

void SearchWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange) {
        if (!isActiveWindow()) {
            m_leftFor = QApplication::activeWindow();
        } else {
            // Coming back from another window of the program, not from a dialog this window asked.
            const bool comeback = m_leftFor && m_leftFor != this && !qobject_cast<QDialog*>(m_leftFor.data());
            if (!m_activatedOnce || comeback) activate();
            m_activatedOnce = true;
            m_leftFor = nullptr;
        }
    }
    QWidget::changeEvent(event);
}

bool SearchWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_projectFilesList && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        removeSelected();
        return true;
    }
    if (watched == m_projectFilesList->viewport()) {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (localFiles(drag->mimeData()).isEmpty()) return false;
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            const QStringList paths = localFiles(drop->mimeData());
            if (paths.isEmpty()) return false;
            drop->setDropAction(Qt::CopyAction);
            drop->accept();
            addFiles(paths);
            return true;
        }
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SearchWindow::closeEvent(QCloseEvent* event)
{
    if (m_project.isChanged()) {
        const Prompter::Button answer = m_prompter.message(
            kSaveNow, Prompter::Icon::Confirmation, Prompter::Yes | Prompter::No | Prompter::Cancel);
        if (answer != Prompter::No) {
            // Yes saves and stays: the user closes again once the project is safe.
            event->ignore();
            if (answer == Prompter::Yes) saveProjectAs();
            return;
        }
    }
    m_browser->stop();
    for (const QString& path : m_viewPages)
        TempPages::removeIfOwn(path);
    QWidget::closeEvent(event);
}
