#include "sitetools/LinkRotWindow.h"

#include "editor/CodeEditor.h"
#include "editor/WriteQuestions.h"
#include "platform/AppDirs.h"
#include "platform/CommandBoundary.h"
#include "platform/Prompter.h"
#include "platform/WidgetHelpers.h"
#include "shared/CommandRegistry.h"
#include "shared/RelativePath.h"
#include "sitetools/AnchorCheck.h"
#include "sitetools/EveryLink.h"
#include "sitetools/FixWindow.h"
#include "sitetools/LinkRuleBox.h"
#include "sitetools/PaneSearch.h"
#include "sitetools/SiteCheckReport.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kFileChanged = QStringLiteral("File  has changed. Save now?");

// The check button's caption in each phase of a run.
QString phaseCaption(SiteCheckRun::Phase phase)
{
    switch (phase) {
    case SiteCheckRun::Phase::Idle:
        break;
    case SiteCheckRun::Phase::Loaded:
        return QStringLiteral("Start");
    case SiteCheckRun::Phase::Running:
        return QStringLiteral("Continue");
    }
    return QStringLiteral("Check Site");
}

// A link the chosen checks found is marked with what they found.
QString listedText(const FoundLink& link)
{
    if (link.note.isEmpty())
        return link.attribute.isEmpty() ? link.text : link.text + QStringLiteral("   (") + link.attribute + u')';
    return link.text + QStringLiteral("   (")
        + (link.note == kAnchorNote ? QStringLiteral("no such anchor") : QStringLiteral("web link: ") + link.note)
        + u')';
}

} // namespace

LinkRotWindow::LinkRotWindow(const FeatureContext& context, QWidget* parent)
    : QMainWindow(parent, Qt::Window)
    , m_context(context)
    , m_prompter(*context.prompter, this)
    , m_chooserStart(QDir::currentPath())
{
    setObjectName("linkRotWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Link Rot - find broken links"));

    m_cancel = new CancelWindow(QStringLiteral("Current File"), true, this);
    m_cancel->label()->setText(QStringLiteral("Verifying link to: "));
    connect(m_cancel, &CancelWindow::cancelled, this, [this] { m_points.stop(); });

    m_tabs = named(new QTabWidget(this), "pages");
    m_tabs->addTab(buildCodeTab(), QStringLiteral("Code"));
    m_viewer = new ViewerTab(context.makeBrowser, m_tabs);
    m_tabs->addTab(m_viewer, QStringLiteral("Viewer"));
    connect(m_tabs, &QTabWidget::currentChanged, this, &LinkRotWindow::tabChanged);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(m_tabs, 1);
    layout->addWidget(buildChosenChecks());
    layout->addWidget(makeHintBox(this));
    setCentralWidget(central);
    buildMenus();
    updateSaveColour();
}

LinkRotWindow::~LinkRotWindow()
{
    // A fix dialog still about (closed, its deletion pending) re-enables the menu item as it goes:
    // it must go while this window is whole.
    delete m_fixWindow;
    m_viewer->removePage();
}

// While a check runs, events are processed: the window's commands wait for it to end (only the
// cancel window works), and a close asked for meanwhile happens after it.
LinkRotWindow::Busy::Busy(LinkRotWindow* window)
    : m_window(window)
    , m_began(!window->m_busy)
{
    if (!m_began) return;
    window->m_busy = true;
    window->m_points.start();
    for (QWidget* part : window->busyParts())
        part->setEnabled(false);
}

LinkRotWindow::Busy::~Busy()
{
    if (!m_began) return;
    m_window->m_busy = false;
    for (QWidget* part : m_window->busyParts())
        part->setEnabled(true);
    m_window->m_cancel->hide();
    if (m_window->m_closeRequested) QTimer::singleShot(0, m_window, &QWidget::close);
}

QList<QWidget*> LinkRotWindow::busyParts() const
{
    QList<QWidget*> parts { menuBar(), m_tabs, m_ruleBox };
    for (QToolBar* bar : findChildren<QToolBar*>())
        parts << bar;
    return parts;
}

QWidget* LinkRotWindow::buildCodeTab()
{
    auto* tab = new QWidget(this);
    m_baseDirEdit = named(new QLineEdit(tab), "baseDirEdit");
    auto* getDirButton = named(new QToolButton(tab), "getDirButton");
    getDirButton->setText(QStringLiteral("..."));
    getDirButton->setStatusTip(QStringLiteral("Get the base directory."));
    m_currentFileEdit = named(new QLineEdit(tab), "currentFileEdit");
    m_currentFileEdit->setReadOnly(true);

    m_pagesList = new PickList("sitePagesList", tab);
    m_brokenList = new PickList("brokenLinksList", tab);
    m_brokenList->setContextMenuPolicy(Qt::DefaultContextMenu);
    m_statusLabel = named(new QLabel(QStringLiteral("Broken Links"), tab), "statusLabel");
    m_statusLabel->setTextFormat(Qt::PlainText);
    m_checkSiteButton = named(new QPushButton(phaseCaption(m_run.phase()), tab), "checkSiteButton");
    m_linkProgress = named(new QProgressBar(tab), "linkProgress");
    m_pageProgress = named(new QProgressBar(tab), "pageProgress");
    for (QProgressBar* bar : { m_linkProgress, m_pageProgress }) {
        bar->setRange(0, 1);
        bar->setValue(0);
        bar->setTextVisible(false);
    }
    m_pane = new CodePane(QStringLiteral("Arial"), 10, true, tab);
    m_saveButton = named(new QToolButton(tab), "saveButton");
    m_saveButton->setText(QStringLiteral("Save"));
    m_saveButton->setStatusTip(QStringLiteral("Save the current file."));

    auto* baseRow = new QHBoxLayout;
    baseRow->addWidget(m_baseDirEdit, 1);
    baseRow->addWidget(getDirButton);
    auto* lists = new QWidget(tab);
    auto* listsLayout = new QVBoxLayout(lists);
    listsLayout->setContentsMargins(0, 0, 0, 0);
    listsLayout->addLayout(baseRow);
    listsLayout->addWidget(labelled(QStringLiteral("Site Files"), m_pagesList, lists), 2);
    listsLayout->addWidget(m_statusLabel);
    listsLayout->addWidget(m_brokenList, 1);
    listsLayout->addWidget(m_checkSiteButton);
    listsLayout->addWidget(new QLabel(QStringLiteral("Progress:"), lists));
    listsLayout->addWidget(m_linkProgress);
    listsLayout->addWidget(m_pageProgress);
    auto* paneSide = new QWidget(tab);
    auto* paneLayout = new QVBoxLayout(paneSide);
    paneLayout->setContentsMargins(0, 0, 0, 0);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(m_saveButton);
    fileRow->addWidget(m_currentFileEdit, 1);
    paneLayout->addLayout(fileRow);
    paneLayout->addWidget(m_pane, 1);
    auto* splitter = new QSplitter(tab);
    splitter->addWidget(lists);
    splitter->addWidget(paneSide);
    splitter->setStretchFactor(1, 3);
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(splitter);

    connect(getDirButton, &QToolButton::clicked, this, &LinkRotWindow::getDirectory);
    connect(m_baseDirEdit, &QLineEdit::returnPressed, this, &LinkRotWindow::loadTargetFiles);
    connect(
        m_checkSiteButton, &QPushButton::clicked, this, [this] { runCommand(m_prompter, [this] { checkSite(); }); });
    // The list shows the run's current page; a page the user moves to becomes the current one.
    connect(m_pagesList, &QListWidget::currentRowChanged, this, [this](int row) { m_run.setCurrentPage(row); });
    connect(m_pagesList, &PickList::picked, this, &LinkRotWindow::pickSitePage);
    connect(m_brokenList, &PickList::picked, this, &LinkRotWindow::pickBrokenLink);
    connect(m_saveButton, &QToolButton::clicked, this, &LinkRotWindow::save);
    CodeEditor* pane = m_pane->editor();
    connect(pane, &QPlainTextEdit::textChanged, this, [this] { m_changed = true; });
    connect(pane, &CodeEditor::selectionMoved, this, &LinkRotWindow::updateSaveColour);
    connect(pane, &CodeEditor::modifiedChanged, this, &LinkRotWindow::updateSaveColour);

    m_brokenMenu = named(new QMenu(this), "brokenLinksMenu");
    m_fixAction = m_brokenMenu->addAction(QStringLiteral("Fix Broken Links ..."), this, &LinkRotWindow::openFixWindow);
    m_brokenMenu->addAction(QStringLiteral("&Close"));
    connect(m_brokenMenu, &QMenu::aboutToShow, this, &LinkRotWindow::prepareBrokenLinksMenu);
    m_brokenList->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_brokenList, &QWidget::customContextMenuRequested, this,
        [this](const QPoint& at) { m_brokenMenu->popup(m_brokenList->viewport()->mapToGlobal(at)); });
    return tab;
}

void LinkRotWindow::buildMenus()
{
    auto guarded = [this](void (LinkRotWindow::*command)()) {
        return [this, command] { runCommand(m_prompter, [&] { (this->*command)(); }); };
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Open ..."), this, guarded(&LinkRotWindow::openPage));
    file->addAction(QStringLiteral("&Save"), this, guarded(&LinkRotWindow::save));
    file->addAction(QStringLiteral("Save &As ..."), this, guarded(&LinkRotWindow::saveAs));
    file->addSeparator();
    file->addAction(QStringLiteral("E&xit"), this, &QWidget::close);

    CodeEditor* pane = m_pane->editor();
    auto* search = new PaneSearch(*pane, m_prompter, this);
    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    QMenu* popup = new QMenu(pane);
    for (QMenu* menu : { edit, popup }) {
        menu->addAction(QStringLiteral("Cu&t"), pane, &CodeEditor::cutToClipboard);
        menu->addAction(QStringLiteral("&Copy"), pane, &CodeEditor::copyToClipboard);
        menu->addAction(QStringLiteral("&Paste"), pane, &CodeEditor::pasteFromClipboard);
        menu->addAction(QStringLiteral("Select &All"), pane, &CodeEditor::selectAll);
    }
    popup->addSeparator();
    popup->addAction(QStringLiteral("Find ..."), search, &PaneSearch::openFind);
    QAction* replace = popup->addAction(QStringLiteral("Replace .."), search, &PaneSearch::openReplace);
    replace->setShortcut(QKeySequence(QStringLiteral("Ctrl+E")));
    replace->setShortcutContext(Qt::WidgetShortcut);
    pane->addAction(replace);
    pane->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(pane, &QWidget::customContextMenuRequested, this,
        [pane, popup](const QPoint& at) { popup->popup(pane->viewport()->mapToGlobal(at)); });

    QMenu* links = menuBar()->addMenu(QStringLiteral("&Links"));
    links->addAction(QStringLiteral("Find in &Directories"), this, guarded(&LinkRotWindow::checkSite));
    QAction* findBroken = named(links->addAction(QStringLiteral("Find in &Current File"), this,
                                    [this] { runCommand(m_prompter, [this] { findBrokenOnPage(); }); }),
        "findBrokenAction", QStringLiteral("Find broken links on the current page."));
    QAction* findAll
        = named(links->addAction(QStringLiteral("Find &All links on this page"), this, &LinkRotWindow::findAllLinks),
            "findAllLinksAction", QStringLiteral("Find ALL links on the page."));

    QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
    tools->addAction(QStringLiteral("Get &Directory"), this, guarded(&LinkRotWindow::getDirectory));
    tools->addAction(QStringLiteral("&Load Target Files"), this, guarded(&LinkRotWindow::loadTargetFiles));
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&Information ..."), this, [this] {
        if (m_context.commands) m_context.commands->run(QStringLiteral("a_helpContents"));
    });

    QToolBar* bar = named(addToolBar(QStringLiteral("Links")), "linksToolBar");
    bar->addAction(findBroken);
    bar->addAction(findAll);
}

void LinkRotWindow::tell(const QString& text) { m_prompter.message(text, Prompter::Icon::None, Prompter::Ok); }

void LinkRotWindow::setStatus(const QString& text, bool red)
{
    // Set only on a change: a check of a whole site passes here once a page.
    if (m_statusLabel->text() != text) m_statusLabel->setText(text);
    const QString style = red ? QStringLiteral("color: red") : QString();
    if (m_statusLabel->styleSheet() != style) m_statusLabel->setStyleSheet(style);
}

// Whether the page in the pane has broken links, red when it has.
void LinkRotWindow::showPageStatus()
{
    if (m_found.isEmpty())
        setStatus(QStringLiteral("No broken links found on page"), false);
    else
        setStatus(QStringLiteral("Broken links found on page"), true);
}

QString LinkRotWindow::currentFile() const { return m_currentFileEdit->text(); }

void LinkRotWindow::setCurrentFile(const QString& path) { m_currentFileEdit->setText(path); }

void LinkRotWindow::updateSaveColour()
{
    const bool red = m_pane->editor()->isModified();
    if (red == m_saveRed) return;
    m_saveRed = red;
    m_saveButton->setStyleSheet(red ? QStringLiteral("color: red") : QString());
}

void LinkRotWindow::showPhase() { m_checkSiteButton->setText(phaseCaption(m_run.phase())); }

void LinkRotWindow::selectPageRow(int row)
{
    m_run.setCurrentPage(row);
    m_pagesList->setCurrentRow(row);
    if (row < 0) m_pagesList->clearSelection();
}

void LinkRotWindow::getDirectory()
{
    const auto chosen = chooseSiteDirectory(m_prompter, m_chooserStart);
    if (!chosen) return;
    m_idle = false;
    m_checkSiteButton->setEnabled(false);
    struct Idle {
        LinkRotWindow* w;
        ~Idle()
        {
            w->m_checkSiteButton->setEnabled(true);
            w->m_idle = true;
        }
    } idle { this };
    if (!QFileInfo(*chosen).isDir()) {
        tell(QStringLiteral("Please select a VALID directory."));
        return;
    }
    // The pane's page belongs to the site being left: its edits are saved or dropped first.
    if (!saveNow()) return;
    m_pane->editor()->clear();
    m_pane->editor()->setModified(false);
    m_currentRow = -1;
    updateSaveColour();
    m_chooserStart = *chosen;
    m_baseDirEdit->setText(siteBaseDirectory(*chosen));
    setCurrentFile(QString());
    setStatus(QStringLiteral("Broken links appear here."), false);
    showBrokenLinks({});
    // Emptied, the list shows no page; it does not say so itself.
    m_pagesList->clear();
    m_run.setCurrentPage(-1);
    loadTargetFiles();
}

void LinkRotWindow::loadTargetFiles()
{
    if (m_baseDirEdit->text().isEmpty()) {
        tell(QStringLiteral("Please select a directory first."));
        return;
    }
    // A base typed without its trailing separator would make every full path wrong.
    m_run.setBase(siteBaseDirectory(m_baseDirEdit->text()));
    m_baseDirEdit->setText(m_run.base());
    showPhase();
    setStatus(QStringLiteral("Broken links appear here."), false);
    showBrokenLinks({});
    m_points.start();
    const SiteLists site
        = loadLinkSite(m_run.base(), linkRule(), [this](qsizetype, qsizetype) { return m_points.pass([] {}) || true; });
    m_everyFile = site.everyFile;
    m_index = SiteIndex(m_everyFile);
    m_run.setPages(site.pages);
    m_pagesList->clear();
    m_pagesList->addItems(m_run.pages());
    m_currentRow = -1;
}

LinkCheck LinkRotWindow::check(const QString& text, const QString& page)
{
    QString verifying;
    const QString caption = page;
    const SiteProgress progress = [&](qsizetype position, qsizetype total) {
        return m_points.pass([&] {
            m_cancel->setWindowTitle(caption);
            m_cancel->label()->setText(QStringLiteral("Verifying link to: ") + verifying);
            m_linkProgress->setRange(0, int(std::min<qsizetype>(total, INT_MAX)));
            m_linkProgress->setValue(int(std::min<qsizetype>(position, INT_MAX)));
        });
    };
    LinkCheck result = linkRule() == LinkRule::EveryLink
        ? findEveryBrokenLink(text, page, m_run.base(), m_index, progress, &verifying)
        : findBrokenLinks(text, pageDirectory(page), m_index, progress, &verifying);
    if (!result.stopped) addChosenChecks(text, page, result);
    return result;
}

void LinkRotWindow::showBrokenLinks(const QList<FoundLink>& links)
{
    m_found = links;
    m_brokenList->clear();
    for (const FoundLink& link : links)
        m_brokenList->addItem(listedText(link));
}

void LinkRotWindow::stopCheck()
{
    m_cancel->hide();
    m_linkProgress->setValue(0);
    m_pageProgress->setValue(0);
}

bool LinkRotWindow::findBrokenOnPage()
{
    const Busy busy(this);
    m_cancel->show();
    const int row = m_run.currentPage();
    if (row >= 0) {
        setCurrentFile(m_run.path(row));
        m_cancel->setWindowTitle(currentFile());
        showBrokenLinks({});
        const LinkCheck result = check(m_pane->editor()->text(), currentFile());
        showBrokenLinks(result.broken);
        m_pane->editor()->setSelStart(0);
        if (result.stopped) {
            stopCheck();
            return false;
        }
        showPageStatus();
    }
    m_changed = false;
    m_cancel->hide();
    return true;
}

void LinkRotWindow::findAllLinks()
{
    setStatus(QStringLiteral("All links on this page."), false);
    showBrokenLinks(::findAllLinks(m_pane->editor()->text()));
}

void LinkRotWindow::selectBrokenLinkInPane(int row)
{
    if (row < 0 || row >= m_found.size()) return;
    CodeEditor* pane = m_pane->editor();
    pane->setFocus();
    pane->setSelStart(int(m_found[row].offset));
    pane->setSelLength(int(m_found[row].text.size()));
    pane->scrollInView();
    m_changed = false;
}

void LinkRotWindow::pickBrokenLink(int row)
{
    runCommand(m_prompter, [&] {
        if (m_changed) {
            // The offsets were taken from another text: find the links again first.
            if (!findBrokenOnPage()) return;
            m_changed = false;
        }
        if (row < m_brokenList->count()) m_brokenList->setCurrentRow(row);
        selectBrokenLinkInPane(m_brokenList->currentRow());
    });
}

bool LinkRotWindow::saveNow()
{
    if (!m_pane->editor()->isModified()) return true;
    const Prompter::Button answer = m_prompter.message(
        kFileChanged, Prompter::Icon::Confirmation, Prompter::Yes | Prompter::No | Prompter::Cancel);
    if (answer == Prompter::Cancel) {
        selectPageRow(m_currentRow);
        return false;
    }
    if (answer == Prompter::Yes) {
        // A save that fails or is declined ends the command: the edits stay in the pane.
        if (!savePane()) {
            selectPageRow(m_currentRow);
            return false;
        }
    } else {
        // The changes go when the next page is shown; until then the pane holds no page.
        m_pane->editor()->setModified(false);
        m_currentRow = -1;
    }
    updateSaveColour();
    return true;
}

void LinkRotWindow::loadIntoPane(const QString& path, int row)
{
    CodeEditor* pane = m_pane->editor();
    pane->loadFromFile(path);
    pane->setModified(false);
    m_changed = false;
    m_currentRow = row;
    setCurrentFile(path);
    updateSaveColour();
}

void LinkRotWindow::pickSitePage(int row)
{
    runCommand(m_prompter, [&] {
        if (!saveNow()) return;
        showBrokenLinks({});
        const QString path = m_run.path(row);
        if (QFileInfo(path).isFile()) {
            loadIntoPane(path, row);
            findBrokenOnPage();
            m_pane->editor()->setModified(false);
            m_changed = false;
            updateSaveColour();
        } else {
            tell(QStringLiteral(
                "This file no longer exists. \r\nPerhaps it was a temporary file.\r\nAnd I just deleted it."));
            setCurrentFile(QString());
            m_pane->editor()->clear();
            m_pane->editor()->setModified(false);
            m_currentRow = -1;
        }
    });
}

void LinkRotWindow::checkSite()
{
    const WaitCursor wait;
    if (m_run.base().isEmpty()) tell(QStringLiteral("Please select a base directory first."));
    const Busy busy(this);
    const int pages = int(m_run.pages().size());
    for (int repeat = 0; repeat < pages; ++repeat) {
        const int row = m_run.currentPage();
        m_cancel->setWindowTitle(row >= 0 ? m_run.pages()[row] : QString());
        m_pageProgress->setRange(0, pages);
        m_pageProgress->setValue(std::max(row, 0));
        if (row == 0 && m_currentRow == 0 && !findBrokenOnPage()) return;
        if (!getNextFile()) return;
        if (!m_found.isEmpty()) {
            updateSaveColour();
            m_brokenList->setCurrentRow(0);
            m_linkProgress->setValue(0);
            m_pageProgress->setValue(0);
            return;
        }
    }
}

bool LinkRotWindow::getNextFile()
{
    m_run.begin();
    showPhase();
    m_cancel->show();
    if (m_run.atLastPage()) {
        m_prompter.message(QStringLiteral("Finished Checking."), Prompter::Icon::Information, Prompter::Ok);
        m_run.finish();
        showPhase();
        stopCheck();
        selectPageRow(m_run.currentPage());
        // The pane must hold the page the list shows before anything checks or saves it.
        if (m_currentRow != 0 && saveNow() && QFileInfo(m_run.path(0)).isFile()) {
            loadIntoPane(m_run.path(0), 0);
            findBrokenOnPage();
        }
        m_linkProgress->setValue(0);
        m_pageProgress->setValue(0);
        return false;
    }
    if (!saveNow()) return false;
    setCurrentFile(QString());
    const int row = m_run.advance();
    selectPageRow(row);
    // A page is read for its check and loaded into the pane only when the check stops there.
    const std::optional<LinkCheck> result = m_run.checkCurrent([this](const QString& text, const QString& path) {
        m_cancel->setWindowTitle(path);
        return check(text, path);
    });
    if (!result) return true;
    if (result->stopped || !result->broken.isEmpty()) {
        loadIntoPane(m_run.path(row), row);
        showBrokenLinks(result->broken);
    } else {
        showBrokenLinks({});
    }
    if (result->stopped) {
        stopCheck();
        return false;
    }
    showPageStatus();
    updateSaveColour();
    return true;
}

void LinkRotWindow::openPage()
{
    Prompter::FileDialog dialog;
    dialog.title = QStringLiteral("Choose a file in your site directory to check for broken links");
    dialog.filter = QStringLiteral("Internet Files|*.htm*|All Files|*.*");
    dialog.defaultExtension = QStringLiteral("htm");
    dialog.initialDir = m_run.base();
    dialog.mustExist = true;
    const auto chosen = m_prompter.openFile(dialog);
    if (!chosen || !saveNow()) return;
    const QString entry = webby(extractRelativePath(m_run.base(), *chosen));
    loadIntoPane(*chosen, -1);
    setCurrentFile(QString());
    const int row = m_run.addPage(entry);
    m_pagesList->insertItem(row, entry);
    selectPageRow(row);
    m_currentRow = row;
    findBrokenOnPage();
}

bool LinkRotWindow::savePane()
{
    bool saved = false;
    runCommand(m_prompter, [this, &saved] {
        saved = saveEditorAsked(m_prompter, *m_pane->editor(), currentFile());
        if (!saved) return;
        m_pane->editor()->setModified(false);
        m_changed = false;
        updateSaveColour();
    });
    return saved;
}

void LinkRotWindow::save() { savePane(); }

void LinkRotWindow::saveAs()
{
    Prompter::FileDialog dialog;
    dialog.title = QStringLiteral("Save File As ...");
    dialog.filter = QStringLiteral("Internet Files|*.htm*|All Files |*.*");
    dialog.defaultExtension = QStringLiteral("htm");
    dialog.initialDir = pageDirectory(currentFile());
    dialog.initialName = fileNameOf(currentFile());
    dialog.overwritePrompt = true;
    const auto chosen = m_prompter.saveFile(dialog);
    if (!chosen || !saveEditorAsked(m_prompter, *m_pane->editor(), *chosen)) return;
    setCurrentFile(*chosen);
    m_pane->editor()->setModified(false);
    m_changed = false;
    updateSaveColour();
}

void LinkRotWindow::prepareBrokenLinksMenu()
{
    const bool empty = m_brokenList->count() == 0;
    m_fixAction->setEnabled(!empty && !m_fixWindow);
    if (empty) tell(QStringLiteral("Please find some broken links first"));
}

FixSubject LinkRotWindow::fixSubject() const
{
    FixSubject subject { {}, m_brokenList->currentRow(), currentFile(), m_everyFile, linkRule() };
    for (const FoundLink& link : m_found)
        subject.brokenLinks << link.text;
    return subject;
}

void LinkRotWindow::openFixWindow()
{
    if (m_fixWindow || m_found.isEmpty()) return;
    m_fixAction->setEnabled(false);
    if (m_changed) {
        if (!findBrokenOnPage()) return;
        m_changed = false;
    }
    m_fixWindow = new FixWindow(
        this, m_prompter, fixSubject(), [this](int row) { selectBrokenLinkInPane(row); },
        [this](const QString& link) {
            m_pane->editor()->setSelText(link);
            findBrokenOnPage();
            return fixSubject();
        });
    connect(m_fixWindow, &QObject::destroyed, this, [this] { m_fixAction->setEnabled(true); });
    m_fixWindow->start();
}

void LinkRotWindow::tabChanged(int index)
{
    runCommand(m_prompter, [&] {
        if (index == 1)
            m_viewer->showPage(currentFile(), *m_pane->editor());
        else
            m_viewer->removePage();
    });
}

void LinkRotWindow::closeEvent(QCloseEvent* event)
{
    if (!m_idle) {
        event->ignore();
        return;
    }
    if (m_busy) {
        // The check stops at its next check point; the window closes after it has unwound.
        m_points.stop();
        m_closeRequested = true;
        event->ignore();
        return;
    }
    m_closeRequested = false;
    if (m_pane->editor()->isModified()) {
        const Prompter::Button answer = m_prompter.message(
            kFileChanged, Prompter::Icon::Confirmation, Prompter::Yes | Prompter::No | Prompter::Cancel);
        if (answer == Prompter::Cancel) {
            event->ignore();
            return;
        }
        if (answer == Prompter::Yes) {
            if (!savePane()) {
                event->ignore();
                return;
            }
        }
    }
    m_viewer->removePage();
    m_cancel->close();
    QMainWindow::closeEvent(event);
}

// ---- The chosen checks

QWidget* LinkRotWindow::buildChosenChecks()
{
    // Outside the tabs, so that the web check's Cancel works while the rest waits for the check.
    auto* row = new QWidget(this);
    m_ruleBox = new LinkRuleBox(m_prompter, row);
    // Under every link the style sheets are pages too: the site's lists are made again.
    connect(m_ruleBox, &LinkRuleBox::ruleChanged, this, [this] {
        if (!m_run.base().isEmpty() && !m_busy) loadTargetFiles();
    });
    m_anchorsBox = named(new QCheckBox(QStringLiteral("Check #anchors"), row), "checkAnchorsBox",
        QStringLiteral("Also find links to #anchors that their page does not have."));
    m_webBox = named(new QCheckBox(QStringLiteral("Check web links"), row), "checkWebLinksBox",
        QStringLiteral("Also ask the web servers about the page's http: and https: links."));
    m_webProgress = named(new QProgressBar(row), "webProgress");
    m_webProgress->setTextVisible(false);
    m_webCancelButton = named(new QPushButton(QStringLiteral("Cancel"), row), "cancelWebButton",
        QStringLiteral("Stop asking about web links; the page's other links are kept."));
    m_webProgress->hide();
    m_webCancelButton->hide();
    connect(m_webCancelButton, &QPushButton::clicked, this, [this] { m_webCancelled = true; });
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_ruleBox);
    layout->addWidget(m_anchorsBox);
    layout->addWidget(m_webBox);
    layout->addWidget(m_webProgress, 1);
    layout->addWidget(m_webCancelButton);
    layout->addStretch();
    return row;
}

LinkRule LinkRotWindow::linkRule() const { return m_ruleBox->rule(); }

void LinkRotWindow::addChosenChecks(const QString& text, const QString& page, LinkCheck& result)
{
    if (m_anchorsBox->isChecked()) {
        // Read afresh at each check: the other pages may have been edited and saved since.
        AnchorIndex anchors;
        const LinkCheck anchorCheck = findBrokenAnchors(text, page, m_index, anchors);
        result.broken += anchorCheck.broken;
        result.examined += anchorCheck.examined;
    }
    if (!m_webBox->isChecked()) return;
    const QList<FoundLink> links = webLinks(text);
    if (links.isEmpty()) return;
    QStringList addresses;
    for (const FoundLink& link : links)
        addresses << webAddress(link.text);
    const QHash<QString, WebResult> results = checkWeb(addresses);
    for (const FoundLink& link : links) {
        const auto answer = results.constFind(webAddress(link.text));
        if (answer == results.constEnd()) continue;
        ++result.examined;
        if (answer->broken()) result.broken.append({ link.text, link.offset, answer->statusText() });
    }
    result.stopped = m_points.stopped();
}

QHash<QString, WebResult> LinkRotWindow::checkWeb(const QStringList& addresses)
{
    const QString file = AppDirs::settingsFile(kWebCacheFile);
    WebLinkCache cache;
    cache.read(file, QDateTime::currentDateTimeUtc());
    m_webCancelled = false;
    m_webProgress->setRange(0, int(addresses.size()));
    m_webProgress->setValue(0);
    m_webProgress->show();
    m_webCancelButton->show();
    const QHash<QString, WebResult> results
        = checkWebLinks(addresses, m_webOptions, &cache, [this](qsizetype done, qsizetype total) {
              m_webProgress->setRange(0, int(total));
              m_webProgress->setValue(int(done));
              return !m_webCancelled && !m_points.stopped();
          });
    m_webProgress->hide();
    m_webCancelButton->hide();
    cache.write(file);
    return results;
}
