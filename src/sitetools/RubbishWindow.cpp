#include "sitetools/RubbishWindow.h"

#include "editor/CodeEditor.h"
#include "platform/CommandBoundary.h"
#include "platform/Prompter.h"
#include "platform/WidgetHelpers.h"
#include "shared/RelativePath.h"
#include "sitetools/Orphans.h"
#include "sitetools/RubbishOperationsWindow.h"
#include "sitetools/SiteWalk.h"

#include <QApplication>
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
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const QString kNoLongerExists = QStringLiteral("File no longer exists. Perhaps it was a temporary file.");
}

RubbishWindow::RubbishWindow(const FeatureContext& context, QWidget* parent)
    : QMainWindow(parent, Qt::Window)
    , m_context(context)
    , m_prompter(*context.prompter, this)
    , m_chooserStart(QDir::currentPath())
{
    setObjectName("rubbishWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Dorvane's Find Orphans - (Rubbish)"));

    auto* codeTab = new QWidget(this);
    m_baseDirEdit = named(new QLineEdit(codeTab), "baseDirEdit");
    auto* getDirButton = named(new QToolButton(codeTab), "getDirButton");
    getDirButton->setText(QStringLiteral("..."));
    getDirButton->setStatusTip(QStringLiteral("Choose a new site and find orphans"));
    m_currentFileEdit = named(new QLineEdit(codeTab), "currentFileEdit");
    m_currentFileEdit->setReadOnly(true);
    m_pagesList = new PickList("sitePagesList", codeTab);
    m_orphansList = new PickList("orphansList", codeTab);
    m_orphansLabel = named(new QLabel(QStringLiteral("Orphans"), codeTab), "orphansLabel");
    m_pagesLabel = named(new QLabel(QStringLiteral("Site Files"), codeTab), "sitePagesLabel");
    m_busyLabel = named(new QLabel(QStringLiteral("Finding Orphans"), codeTab), "busyLabel");
    m_busyLabel->setStyleSheet(QStringLiteral("color: red"));
    m_busyLabel->hide();
    for (QLabel* label : { m_orphansLabel, m_pagesLabel, m_busyLabel })
        label->setTextFormat(Qt::PlainText);
    m_startButton = named(new QPushButton(QStringLiteral("Start"), codeTab), "startButton");
    m_gauge = named(new QProgressBar(codeTab), "gauge");
    m_gauge->setRange(0, 100);
    m_gauge->hide();
    m_pane = new CodePane(QStringLiteral("MS Sans Serif"), 8, false, codeTab);
    m_pane->editor()->setReadOnly(true);
    m_pane->setStatusTip(QStringLiteral("This is read only. You can view the code for the pages selected in the "
                                        "orphans box, or the Site Files box here. "));

    auto* baseRow = new QHBoxLayout;
    baseRow->addWidget(m_baseDirEdit, 1);
    baseRow->addWidget(getDirButton);
    auto* lists = new QWidget(codeTab);
    auto* listsLayout = new QVBoxLayout(lists);
    listsLayout->setContentsMargins(0, 0, 0, 0);
    listsLayout->addLayout(baseRow);
    listsLayout->addWidget(m_pagesLabel);
    listsLayout->addWidget(m_pagesList, 1);
    listsLayout->addWidget(m_orphansLabel);
    listsLayout->addWidget(m_orphansList, 1);
    listsLayout->addWidget(m_busyLabel);
    listsLayout->addWidget(m_startButton);
    listsLayout->addWidget(m_gauge);
    auto* paneSide = new QWidget(codeTab);
    auto* paneLayout = new QVBoxLayout(paneSide);
    paneLayout->setContentsMargins(0, 0, 0, 0);
    paneLayout->addWidget(m_currentFileEdit);
    paneLayout->addWidget(m_pane, 1);
    auto* splitter = new QSplitter(codeTab);
    splitter->addWidget(lists);
    splitter->addWidget(paneSide);
    splitter->setStretchFactor(1, 3);
    (new QVBoxLayout(codeTab))->addWidget(splitter);

    m_tabs = named(new QTabWidget(this), "pages");
    m_tabs->addTab(codeTab, QStringLiteral("Code"));
    m_viewer = new ViewerTab(context.makeBrowser, m_tabs);
    m_tabs->addTab(m_viewer, QStringLiteral("Viewer"));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(m_tabs, 1);
    layout->addWidget(makeHintBox(this));
    setCentralWidget(central);

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    QAction* view = named(file->addAction(QStringLiteral("View current file"), this, &RubbishWindow::viewCurrentFile),
        "viewCurrentFileAction");
    view->setShortcut(QKeySequence(Qt::Key_F9));
    file->addAction(QStringLiteral("E&xit"), this, &QWidget::close);
    m_orphansMenu = new QMenu(this);
    m_moveAction = m_orphansMenu->addAction(QStringLiteral("Move Orphans ..."), this, &RubbishWindow::openOperations);
    m_orphansList->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_orphansList, &QWidget::customContextMenuRequested, this,
        [this](const QPoint& at) { m_orphansMenu->popup(m_orphansList->viewport()->mapToGlobal(at)); });

    connect(getDirButton, &QToolButton::clicked, this, &RubbishWindow::getDirectory);
    connect(m_baseDirEdit, &QLineEdit::returnPressed, this, &RubbishWindow::loadTargetFiles);
    connect(m_startButton, &QPushButton::clicked, this, &RubbishWindow::start);
    connect(m_orphansList, &PickList::picked, this, &RubbishWindow::pickOrphan);
    connect(m_pagesList, &PickList::picked, this, &RubbishWindow::pickSitePage);
    connect(m_tabs, &QTabWidget::currentChanged, this, &RubbishWindow::tabChanged);
}

RubbishWindow::~RubbishWindow()
{
    // The move dialog re-enables the menu item as it goes: it must go while this window is whole.
    delete m_operations;
    m_viewer->removePage();
}

void RubbishWindow::tell(const QString& text) { m_prompter.message(text, Prompter::Icon::None, Prompter::Ok); }

void RubbishWindow::setOrphansLabel(const QString& text, bool red)
{
    m_orphansLabel->setText(text);
    m_orphansLabel->setStyleSheet(red ? QStringLiteral("color: red") : QString());
}

QStringList RubbishWindow::orphans() const
{
    QStringList list;
    for (int i = 0; i < m_orphansList->count(); ++i)
        list << m_orphansList->item(i)->text();
    return list;
}

void RubbishWindow::setOrphans(const QStringList& orphans)
{
    m_orphansList->clear();
    m_orphansList->addItems(orphans);
}

int RubbishWindow::selectedOrphan() const { return m_orphansList->currentRow(); }

void RubbishWindow::getDirectory()
{
    m_startButton->setEnabled(false);
    m_idle = false;
    const auto chosen = chooseSiteDirectory(m_prompter, m_chooserStart);
    if (chosen) {
        if (!QFileInfo(*chosen).isDir()) {
            tell(QStringLiteral("Please select a VALID directory."));
            m_startButton->setEnabled(true);
            m_idle = true;
            return;
        }
        m_chooserStart = *chosen;
        m_baseDirEdit->setText(siteBaseDirectory(*chosen));
    }
    setOrphansLabel(QStringLiteral("Orphans may appear here."), false);
    m_orphansList->clear();
    m_pagesList->clear();
    m_busyLabel->show();
    loadTargetFiles();
    setOrphansLabel(QStringLiteral("Orphans found: ") + QString::number(m_orphansList->count()), false);
    m_pagesLabel->setText(QStringLiteral("Site files: ") + QString::number(m_pages.size()));
    m_busyLabel->hide();
    m_startButton->setEnabled(true);
    m_idle = true;
}

void RubbishWindow::loadTargetFiles()
{
    if (m_baseDirEdit->text().isEmpty()) {
        tell(QStringLiteral("Please select a directory first."));
        return;
    }
    m_base = siteBaseDirectory(m_baseDirEdit->text());
    m_baseDirEdit->setText(m_base);
    setOrphansLabel(QStringLiteral("Orphans may appear here."), false);
    m_orphansList->clear();
    // The every-file list is made afresh at each scan, from these directories.
    const SiteLists site = loadSite(m_base, PageRule::ExactCase);
    m_directories = site.directories;
    m_pages = site.pages;
    m_pagesList->clear();
    m_pagesList->addItems(m_pages);
}

void RubbishWindow::start()
{
    m_points.start();
    m_idle = false;
    m_startButton->setEnabled(false);
    m_orphansList->clear();
    setOrphansLabel(QStringLiteral("Orphans"), false);
    delete m_cancel;
    m_cancel = new CancelWindow(QStringLiteral("Processing ..."), false, this);
    connect(m_cancel, &CancelWindow::cancelled, this, &RubbishWindow::cancelScan);
    m_cancel->show();
    bool finished = false;
    {
        const WaitCursor wait;
        QCoreApplication::processEvents();
        finished = runCommand(m_prompter, [this] { scan(); });
    }
    // A stopped scan was tidied up by Cancel; one that failed waits for Cancel.
    if (finished && !m_points.stopped()) finishScan();
}

void RubbishWindow::finishScan()
{
    if (m_cancel) m_cancel->hide();
    m_idle = true;
    m_startButton->setEnabled(true);
}

void RubbishWindow::scan()
{
    m_currentFileEdit->clear();
    if (m_base.isEmpty()) {
        tell(QStringLiteral("Please select a base directory first."));
        return;
    }
    m_pane->hide();
    bool stopped = false;
    const QStringList directories = m_directories;
    const QStringList everyFile = siteFiles(
        directories, [this](qsizetype, qsizetype) { return m_points.pass([] {}); }, &stopped);
    if (stopped) return;
    m_gauge->setValue(0);
    m_gauge->show();
    // Copies: the user may load another site while this one is scanned.
    const QString base = m_base;
    const QStringList pages = m_pages;
    const OrphanScan result = findOrphans(base, pages, everyFile, [&](qsizetype k, qsizetype n) {
        if (k > 0) m_gauge->setValue(int((k - 1) * 100 / n));
        return m_points.pass([&] { m_currentFileEdit->setText(base + pages[k]); });
    });
    if (result.stopped) {
        tell(QStringLiteral("Action stopped by user."));
        return;
    }
    m_gauge->hide();
    m_pane->show();
    m_currentFileEdit->clear();
    setOrphans(result.orphans);
    if (result.orphans.isEmpty())
        setOrphansLabel(QStringLiteral("No orphans found."), false);
    else
        setOrphansLabel(QStringLiteral("Orphans found."), true);
}

CodeEditor* RubbishWindow::codePane() const { return m_pane->editor(); }

void RubbishWindow::cancelScan()
{
    m_gauge->hide();
    m_orphansList->clear();
    // The name box showed the page being searched, the pane an earlier one: neither is left.
    m_currentFileEdit->clear();
    m_pane->editor()->clear();
    m_pane->editor()->setModified(false);
    m_pane->show();
    m_points.stop();
    m_idle = true;
    m_startButton->setEnabled(true);
    if (m_cancel) m_cancel->hide();
}

void RubbishWindow::showInPane(const QString& path, bool asImage)
{
    m_currentFileEdit->setText(path);
    CodeEditor* pane = m_pane->editor();
    if (asImage)
        pane->setText(QStringLiteral("<img src=\"") + path + QStringLiteral("\">"));
    else
        pane->loadFromFile(path);
    pane->setModified(false);
}

void RubbishWindow::pickOrphan(int row)
{
    if (row < 0 || row >= m_orphansList->count()) return;
    const QString path = m_orphansList->item(row)->text();
    if (!QFileInfo::exists(path)) {
        tell(kNoLongerExists);
        return;
    }
    static const QStringList kPictures { ".gif", ".jpg", ".bmp", ".jpe", ".jpeg" };
    runCommand(m_prompter, [&] { showInPane(path, kPictures.contains(fileExtension(path))); });
}

void RubbishWindow::pickSitePage(int row)
{
    const QString path = m_base + m_pages.value(row);
    m_currentFileEdit->setText(path);
    if (!QFileInfo(path).isFile()) {
        tell(kNoLongerExists);
        return;
    }
    runCommand(m_prompter, [&] { showInPane(path, false); });
}

void RubbishWindow::viewCurrentFile()
{
    if (m_tabs->currentIndex() == 1)
        tabChanged(1);
    else
        m_tabs->setCurrentIndex(1);
}

void RubbishWindow::tabChanged(int index)
{
    runCommand(m_prompter, [&] {
        if (index == 1)
            m_viewer->showPage(m_currentFileEdit->text(), *m_pane->editor());
        else
            m_viewer->removePage();
    });
}

void RubbishWindow::openOperations()
{
    if (m_operations) return;
    m_moveAction->setEnabled(false);
    m_operations = new RubbishOperationsWindow(*this, m_prompter);
    connect(m_operations, &QObject::destroyed, this, [this] { m_moveAction->setEnabled(true); });
    m_operations->start();
}

void RubbishWindow::closeEvent(QCloseEvent* event)
{
    if (!m_idle) {
        m_prompter.message(
            QStringLiteral("Please stop the current operation before exiting."), Prompter::Icon::Warning, Prompter::Ok);
        if (m_cancel) m_cancel->show();
        event->ignore();
        return;
    }
    m_viewer->removePage();
    delete m_cancel;
    QMainWindow::closeEvent(event);
}
