#include "sitetools/SiteChangeWindow.h"

#include "editor/CodeEditor.h"
#include "editor/WriteQuestions.h"
#include "platform/AppDirs.h"
#include "platform/CommandBoundary.h"
#include "platform/FileError.h"
#include "platform/Prompter.h"
#include "platform/WidgetHelpers.h"
#include "shared/RelativePath.h"
#include "shared/SettingsFiles.h"
#include "shared/SiteFileActions.h"

#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kSiteBaseFile = QStringLiteral("sitebase.plr");

QString cleaned(const QString& path) { return path.isEmpty() ? path : QDir::cleanPath(QFileInfo(path).absoluteFilePath()); }
QString native(const QString& path) { return QDir::toNativeSeparators(path); }

// The editor offset of a text index: every break before it is two characters there.
int editorOffset(const QString& text, qsizetype index) { return int(index + QStringView(text).left(index).count(u'\n')); }

// The page's changes made in the editor as one replacement, so that one undo takes them back.
void changeInEditor(CodeEditor& editor, const PageRewrite& page)
{
    const qsizetype from = page.changes.front().index;
    const qsizetype to = page.changes.back().index + page.changes.back().oldText.size();
    const qsizetype grown = page.newText.size() - page.oldText.size();
    QString replacement = page.newText.mid(from, to - from + grown);
    replacement.replace(u'\n', QLatin1String("\r\n"));
    const int start = editorOffset(page.oldText, from);
    editor.setSelStart(start);
    editor.setSelLength(editorOffset(page.oldText, to) - start);
    editor.setSelText(replacement);
}

void tellFilesChanged(const FeatureContext& context)
{
    if (context.siteFiles && context.siteFiles->filesChanged) context.siteFiles->filesChanged();
}

} // namespace

// ---- the change list --------------------------------------------------------------------------

ChangeList::ChangeList(QWidget* parent)
    : QTreeWidget(parent)
{
    setObjectName("changeList");
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setHeaderLabels({ QStringLiteral("Page"), QStringLiteral("Line"), QStringLiteral("Old"), QStringLiteral("New") });
    header()->setSectionResizeMode(QHeaderView::Interactive);
}

void ChangeList::setChanges(const QList<SiteChange>& changes, const QString& base)
{
    m_changes = changes;
    clear();
    QList<QTreeWidgetItem*> items;
    for (const SiteChange& change : changes) {
        const QString page = change.page.startsWith(base) ? change.page.mid(base.size()) : change.page;
        auto* item = new QTreeWidgetItem({ native(page), QString::number(change.line), change.oldText, change.newText });
        item->setCheckState(0, Qt::Checked);
        item->setToolTip(0, change.lineText.trimmed());
        items << item;
    }
    addTopLevelItems(items);
    for (int column = 0; column < 4; ++column)
        resizeColumnToContents(column);
}

QList<SiteChange> ChangeList::chosen() const
{
    QList<SiteChange> chosen;
    for (int row = 0; row < topLevelItemCount(); ++row)
        if (topLevelItem(row)->checkState(0) == Qt::Checked) chosen << m_changes[row];
    return chosen;
}

// ---- applying and undoing ---------------------------------------------------------------------

QString SiteChangeStore::journalDirectory() { return AppDirs::settingsFile(QStringLiteral("sitechange/")); }

QString SiteChangeStore::lastSiteBase()
{
    const QString file = AppDirs::settingsFile(kSiteBaseFile);
    if (!QFileInfo(file).isFile()) return {};
    try {
        return SettingsFiles::readLines(file).value(0);
    } catch (const FileError&) {
        return {};
    }
}

void SiteChangeStore::rememberSiteBase(const QString& base)
{
    SettingsFiles::writeLines(AppDirs::settingsFile(kSiteBaseFile), { base });
}

OpenPage editorPage(const FeatureContext& context)
{
    const QString name = context.documentFileName ? cleaned(context.documentFileName()) : QString();
    if (name.isEmpty() || !context.editor) return {};
    return { name, context.editor->text().replace(QLatin1String("\r\n"), QLatin1String("\n")) };
}

bool applySiteChange(const FeatureContext& context, SitePlan plan, const QList<SiteChange>& chosen)
{
    // A moved document is written on disk and opened again at its new name.
    const OpenPage page = editorPage(context);
    const bool movesDocument = !plan.from.isEmpty() && page.path == plan.from;
    const OpenPage open = movesDocument ? OpenPage() : page;
    plan.changes = chosen;
    QList<PageRewrite> pages = prepareRewrites(chosen, open);
    QList<TextFormat> formats;
    for (const PageRewrite& rewrite : pages) {
        if (!open.path.isEmpty() && rewrite.path == open.path) {
            formats << TextFormat();
            continue;
        }
        const auto format = WriteQuestions::ask(*context.prompter, rewrite.file, rewrite.path, rewrite.paragraphs());
        if (!format) return false;
        formats << *format;
    }
    SiteJournal(SiteChangeStore::journalDirectory()).commit(plan, pages, formats, open);
    for (const PageRewrite& rewrite : pages)
        if (!open.path.isEmpty() && rewrite.path == open.path) changeInEditor(*context.editor, rewrite);
    if (movesDocument) context.loadFile(plan.to);
    SiteChangeStore::rememberSiteBase(plan.base);
    if (!plan.from.isEmpty()) tellFilesChanged(context);
    return true;
}

void undoLastSiteChange(const FeatureContext& context)
{
    SiteJournal journal(SiteChangeStore::journalDirectory());
    OpenPage now = editorPage(context);
    SiteJournal::Check check = journal.check(now);
    if (!check.present) {
        context.prompter->inform(SiteChangeTexts::kNothingToUndo);
        return;
    }
    // The document goes back to its old name: its unsaved changes are asked about first.
    const bool movesDocument = !check.to.isEmpty() && now.path == check.to;
    if (movesDocument && context.editor->isModified()) {
        if (!context.saveIfModified()) return;
        check = journal.check(editorPage(context));
    }
    if (!check.changedSince.isEmpty()) {
        context.prompter->warn(SiteChangeTexts::kUndoChangedSince.arg(check.changedSince.join(QStringLiteral("\r\n"))));
        return;
    }
    journal.undo();
    if (!check.editorPath.isEmpty()) context.editor->setText(check.editorText.replace(u'\n', QLatin1String("\r\n")));
    if (movesDocument) context.loadFile(check.from);
    if (!check.to.isEmpty()) tellFilesChanged(context);
}

// ---- the window -------------------------------------------------------------------------------

SiteChangeWindow::SiteChangeWindow(const FeatureContext& context, Mode mode, const QString& file, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_context(context)
    , m_prompter(*context.prompter, this)
    , m_mode(mode)
    , m_file(cleaned(file))
{
    m_context.prompter = &m_prompter; // every question of this window is shown above it
    build(true);
    setWindowTitle((mode == Mode::Rename ? kRenameCaption : kMoveCaption) + QStringLiteral(" - ") + native(m_file));
    const QFileInfo info(m_file);
    if (m_newNameEdit) m_newNameEdit->setText(info.fileName());
    if (m_targetDirectoryEdit) m_targetDirectoryEdit->setText(native(info.path()));
    m_siteBaseEdit->setText(native(defaultSiteBase(m_file, SiteChangeStore::lastSiteBase())));
}

SiteChangeWindow::SiteChangeWindow(const FeatureContext& context, const SitePlan& plan, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_context(context)
    , m_prompter(*context.prompter, this)
    , m_mode(Mode::Replace)
    , m_plan(plan)
{
    m_context.prompter = &m_prompter;
    build(false);
    setWindowTitle(kReplaceCaption);
    m_changeList->setChanges(plan.changes, plan.base);
    m_summaryLabel->setText(QStringLiteral("%1 changes.").arg(plan.changes.size()));
}

void SiteChangeWindow::build(bool fileRows)
{
    setObjectName("siteChangeWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    resize(760, 460);
    auto* layout = new QVBoxLayout(this);
    if (fileRows) {
        auto* form = new QFormLayout;
        auto* fileEdit = named(new QLineEdit(native(m_file), this), "fileEdit");
        fileEdit->setReadOnly(true);
        form->addRow(QStringLiteral("File:"), fileEdit);
        // A directory box with its Browse button.
        auto directoryRow = [&](const QString& label, const char* name, const char* browseName, const QString& title) {
            auto* edit = named(new QLineEdit(this), name);
            auto* browse = named(new QPushButton(QStringLiteral("Browse ..."), this), browseName);
            connect(browse, &QPushButton::clicked, this, [this, edit, title] {
                if (const auto dir = m_context.prompter->chooseDirectory(title, QDir::fromNativeSeparators(edit->text())))
                    edit->setText(native(*dir));
            });
            auto* row = new QHBoxLayout;
            row->addWidget(edit, 1);
            row->addWidget(browse);
            form->addRow(label, row);
            return edit;
        };
        if (m_mode == Mode::Rename) {
            m_newNameEdit = named(new QLineEdit(this), "newNameEdit");
            form->addRow(QStringLiteral("New name:"), m_newNameEdit);
        } else {
            m_targetDirectoryEdit = directoryRow(QStringLiteral("Target directory:"), "targetDirectoryEdit",
                "targetDirectoryBrowse", QStringLiteral("Move to Directory"));
        }
        m_siteBaseEdit
            = directoryRow(QStringLiteral("Site base:"), "siteBaseEdit", "siteBaseBrowse", QStringLiteral("Site Base"));
        layout->addLayout(form);
    }
    m_changeList = new ChangeList(this);
    m_summaryLabel = named(new QLabel(this), "summaryLabel");
    layout->addWidget(m_changeList, 1);
    layout->addWidget(m_summaryLabel);
    auto* buttons = new QHBoxLayout;
    if (fileRows) {
        auto* show = named(new QPushButton(QStringLiteral("Show Changes"), this), "showChangesButton");
        connect(show, &QPushButton::clicked, this, [this] { runCommand(*m_context.prompter, [this] { showChanges(); }); });
        buttons->addWidget(show);
    }
    buttons->addStretch();
    auto* applyButton = named(new QPushButton(QStringLiteral("Apply"), this), "applyButton");
    auto* closeButton = named(new QPushButton(QStringLiteral("Close"), this), "closeButton");
    connect(applyButton, &QPushButton::clicked, this, [this] { runCommand(*m_context.prompter, [this] { apply(); }); });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(applyButton);
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);
}

QString SiteChangeWindow::base() const
{
    return siteBaseDirectory(QDir::fromNativeSeparators(m_siteBaseEdit->text().trimmed()));
}

QString SiteChangeWindow::target() const
{
    const QFileInfo info(m_file);
    if (m_mode == Mode::Rename) return info.dir().filePath(m_newNameEdit->text().trimmed());
    return QDir(QDir::fromNativeSeparators(m_targetDirectoryEdit->text().trimmed())).filePath(info.fileName());
}

QString SiteChangeWindow::plannedFor() const { return m_mode == Mode::Replace ? QString() : target() + u'\n' + base(); }

void SiteChangeWindow::showChanges()
{
    if (m_mode == Mode::Replace) return;
    if (m_mode == Mode::Rename) {
        const QString name = m_newNameEdit->text().trimmed();
        if (name.isEmpty()) return m_context.prompter->warn(kNoName);
        if (name.contains(u'/') || name.contains(u'\\')) return m_context.prompter->warn(kNameWithDirectory);
    }
    m_plannedFor.clear();
    m_changeList->setChanges({}, {});
    // A moved document is moved as saved.
    const OpenPage page = editorPage(m_context);
    if (page.path == m_file && m_context.editor->isModified() && !m_context.saveIfModified()) return;
    SitePlan plan;
    {
        const WaitCursor wait;
        plan = planMove(base(), m_file, target(), page.path == m_file ? OpenPage() : page);
    }
    m_plan = plan;
    m_plannedFor = plannedFor();
    m_changeList->setChanges(plan.changes, plan.base);
    QSet<QString> pages;
    for (const SiteChange& change : plan.changes)
        pages.insert(change.page);
    m_summaryLabel->setText(QStringLiteral("%1 changes in %2 pages; %3 becomes %4.")
                                .arg(plan.changes.size())
                                .arg(pages.size())
                                .arg(native(plan.from.mid(plan.base.size())), native(plan.to.mid(plan.base.size()))));
}

void SiteChangeWindow::apply()
{
    // What is written is always what the list showed.
    if (m_mode != Mode::Replace && (m_plannedFor.isEmpty() || m_plannedFor != plannedFor())) {
        showChanges();
        return;
    }
    if (!applySiteChange(m_context, m_plan, m_changeList->chosen())) return;
    emit applied();
    close();
}
