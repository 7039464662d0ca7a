#include "sitetools/FindInSiteWindow.h"

#include "editor/CodeEditor.h"
#include "platform/CommandBoundary.h"
#include "platform/Prompter.h"
#include "platform/WidgetHelpers.h"
#include "shared/RelativePath.h"
#include "sitetools/SiteChangeWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QString native(const QString& path) { return QDir::toNativeSeparators(path); }

// The line with its match between guillemets, so that it stands out in a plain list.
QString markedLine(const SiteMatch& match)
{
    const qsizetype at = match.column - 1;
    return match.lineText.left(at) + u'\u00AB' + match.lineText.mid(at, match.length) + u'\u00BB'
        + match.lineText.mid(at + match.length);
}

} // namespace

FindInSiteWindow::FindInSiteWindow(const FeatureContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_context(context)
    , m_prompter(*context.prompter, this)
    , m_findEdit(named(new QLineEdit(this), "findEdit"))
    , m_replaceEdit(named(new QLineEdit(this), "replaceEdit"))
    , m_siteBaseEdit(named(new QLineEdit(this), "siteBaseEdit"))
    , m_regularExpressionBox(named(new QCheckBox(QStringLiteral("Regular expression"), this), "regularExpressionBox"))
    , m_matchCaseBox(named(new QCheckBox(QStringLiteral("Match case"), this), "matchCaseBox"))
    , m_wholeWordsBox(named(new QCheckBox(QStringLiteral("Whole words"), this), "wholeWordsBox"))
    , m_resultsList(named(new QTreeWidget(this), "resultsList"))
    , m_summaryLabel(named(new QLabel(this), "summaryLabel"))
    , m_findButton(named(new QPushButton(QStringLiteral("Find"), this), "findButton"))
    , m_cancelButton(named(new QPushButton(QStringLiteral("Cancel"), this), "cancelButton"))
    , m_replaceAllButton(named(new QPushButton(QStringLiteral("Replace All ..."), this), "replaceAllButton"))
{
    m_context.prompter = &m_prompter; // every question of this window is shown above it
    setObjectName("findInSiteWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(kCaption);
    resize(800, 520);

    QString base = SiteChangeStore::lastSiteBase();
    const QString document = context.documentFileName ? context.documentFileName() : QString();
    if (base.isEmpty()) base = directoryOf(document);
    m_siteBaseEdit->setText(native(base));
    auto* browse = named(new QPushButton(QStringLiteral("Browse ..."), this), "siteBaseBrowse");
    connect(browse, &QPushButton::clicked, this, [this] {
        if (const auto dir = m_context.prompter->chooseDirectory(
                QStringLiteral("Site Base"), QDir::fromNativeSeparators(m_siteBaseEdit->text())))
            m_siteBaseEdit->setText(native(*dir));
    });

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Find:"), m_findEdit);
    form->addRow(QStringLiteral("Replace with:"), m_replaceEdit);
    auto* baseRow = new QHBoxLayout;
    baseRow->addWidget(m_siteBaseEdit, 1);
    baseRow->addWidget(browse);
    form->addRow(QStringLiteral("Site base:"), baseRow);
    auto* boxes = new QHBoxLayout;
    boxes->addWidget(m_regularExpressionBox);
    boxes->addWidget(m_matchCaseBox);
    boxes->addWidget(m_wholeWordsBox);
    boxes->addStretch();
    form->addRow(boxes);

    m_resultsList->setRootIsDecorated(false);
    m_resultsList->setUniformRowHeights(true);
    m_resultsList->setHeaderLabels(
        { QStringLiteral("Page"), QStringLiteral("Line"), QStringLiteral("Column"), QStringLiteral("Text") });
    m_cancelButton->setEnabled(false);
    auto* closeButton = named(new QPushButton(QStringLiteral("Close"), this), "closeButton");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_findButton);
    buttons->addWidget(m_cancelButton);
    buttons->addWidget(m_replaceAllButton);
    buttons->addStretch();
    buttons->addWidget(closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_resultsList, 1);
    layout->addWidget(m_summaryLabel);
    layout->addLayout(buttons);

    connect(m_findButton, &QPushButton::clicked, this, [this] { find(); });
    connect(m_findEdit, &QLineEdit::returnPressed, this, [this] { find(); });
    connect(m_cancelButton, &QPushButton::clicked, this, &FindInSiteWindow::cancel);
    connect(m_replaceAllButton, &QPushButton::clicked, this, [this] { replaceAll(); });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(m_resultsList, &QTreeWidget::itemDoubleClicked, this,
        [this](QTreeWidgetItem* item) { openMatch(m_resultsList->indexOfTopLevelItem(item)); });
}

SiteFindOptions FindInSiteWindow::options() const
{
    return { m_findEdit->text(), m_regularExpressionBox->isChecked(), m_matchCaseBox->isChecked(),
        m_wholeWordsBox->isChecked() };
}

QString FindInSiteWindow::base() const
{
    return siteBaseDirectory(QDir::fromNativeSeparators(m_siteBaseEdit->text().trimmed()));
}

void FindInSiteWindow::setRunning(bool running)
{
    m_running = running;
    m_cancelButton->setEnabled(running);
    m_findButton->setEnabled(!running);
    m_replaceAllButton->setEnabled(!running);
}

bool FindInSiteWindow::find()
{
    if (m_running) return false;
    QString error;
    const auto pattern = sitePattern(options(), &error);
    if (!pattern) {
        m_context.prompter->warn(error);
        return false;
    }
    m_base = base();
    if (!QFileInfo(m_base).isDir()) {
        m_context.prompter->warn(QStringLiteral("Please select a VALID directory."));
        return false;
    }
    m_matches.clear();
    m_resultsList->clear();
    m_summaryLabel->setText(QStringLiteral("Searching ..."));
    setRunning(true);
    m_checks.start();
    QSet<QString> pages;
    const bool finished = findInSite(
        m_base, options(),
        [this](qsizetype position, qsizetype total) {
            return m_checks.pass([&] {
                m_summaryLabel->setText(QStringLiteral("Searching ... %1 of %2 files").arg(position).arg(total));
            });
        },
        [&](const QList<SiteMatch>& found) {
            QList<QTreeWidgetItem*> items;
            for (const SiteMatch& match : found)
                items << new QTreeWidgetItem({ native(match.page.mid(m_base.size())), QString::number(match.line),
                    QString::number(match.column), markedLine(match) });
            m_resultsList->addTopLevelItems(items);
            m_matches += found;
            pages.insert(found.front().page);
        },
        editorPage(m_context));
    setRunning(false);
    runCommand(*m_context.prompter, [this] { SiteChangeStore::rememberSiteBase(m_base); });
    m_summaryLabel->setText(QStringLiteral("%1%2 matches in %3 files.")
                                .arg(finished ? QString() : QStringLiteral("Stopped: "))
                                .arg(m_matches.size())
                                .arg(pages.size()));
    return finished;
}

void FindInSiteWindow::openMatch(int row)
{
    if (row < 0 || row >= m_matches.size()) return;
    const SiteMatch match = m_matches[row];
    runCommand(*m_context.prompter, [&] {
        if (editorPage(m_context).path != match.page) {
            if (!m_context.saveIfModified()) return;
            m_context.loadFile(match.page);
        }
        CodeEditor& editor = *m_context.editor;
        // The editor counts each break as two characters.
        const QString text = editor.text();
        qsizetype at = 0;
        for (int line = 1; line < match.line && at >= 0; ++line) {
            at = text.indexOf(QLatin1String("\r\n"), at);
            if (at >= 0) at += 2;
        }
        if (at < 0) return;
        editor.setSelStart(int(at + match.column - 1));
        editor.setSelLength(int(match.length));
        editor.scrollInView();
        if (m_context.window) m_context.window->activateWindow();
        editor.setFocus();
    });
}

void FindInSiteWindow::replaceAll()
{
    if (!find() || m_matches.isEmpty()) return;
    SitePlan plan;
    plan.base = m_base;
    plan.changes = replacementChanges(m_matches, m_replaceEdit->text(), m_regularExpressionBox->isChecked());
    auto* window = new SiteChangeWindow(m_context, plan, m_context.window ? m_context.window : parentWidget());
    window->show();
}

void FindInSiteWindow::closeEvent(QCloseEvent* event)
{
    // A running search stops first; the window goes once it has.
    if (m_running) {
        m_checks.stop();
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}
