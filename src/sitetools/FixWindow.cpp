#include "sitetools/FixWindow.h"

#include "editor/CodeEditor.h"
#include "platform/CommandBoundary.h"
#include "platform/Prompter.h"
#include "shared/RelativePath.h"
#include "sitetools/LinkRotWindow.h"
#include "sitetools/SiteParts.h"

#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

FixWindow::FixWindow(LinkRotWindow& finder, Prompter& prompter)
    : QDialog(&finder)
    , m_finder(finder)
    , m_prompter(prompter, this)
    , m_brokenList(new QListWidget(this))
    , m_suggestedList(new QListWidget(this))
    , m_fixEdit(new QLineEdit(this))
{
    setObjectName("fixWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Fix Broken Links"));
    m_brokenList->setObjectName("brokenLinksList");
    m_suggestedList->setObjectName("suggestedList");
    m_fixEdit->setObjectName("fixEdit");
    auto* changeButton = new QPushButton(QStringLiteral("Change Link"), this);
    changeButton->setObjectName("changeLinkButton");
    changeButton->setDefault(true);
    auto* browseButton = new QPushButton(QStringLiteral("Browse"), this);
    browseButton->setObjectName("browseButton");
    browseButton->setAutoDefault(false);
    auto* closeButton = new QPushButton(QStringLiteral("Close"), this);
    closeButton->setObjectName("closeButton");
    closeButton->setAutoDefault(false);
    closeButton->setStatusTip(QStringLiteral("Close without making any changes. "));

    auto* lists = new QHBoxLayout;
    lists->addWidget(labelled(QStringLiteral("Broken Links"), m_brokenList, this));
    lists->addWidget(labelled(QStringLiteral("Suggested Fixes"), m_suggestedList, this));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(changeButton);
    buttons->addWidget(browseButton);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addWidget(labelled(QStringLiteral("Fix link with this file .."), m_fixEdit, this));
    layout->addLayout(buttons);

    connect(m_brokenList, &QListWidget::itemClicked, this, &FixWindow::suggest);
    connect(m_suggestedList, &QListWidget::itemClicked, this,
        [this](QListWidgetItem* item) { m_fixEdit->setText(item->text()); });
    connect(m_suggestedList, &QListWidget::itemDoubleClicked, this, &FixWindow::fixBrokenLinks);
    connect(changeButton, &QPushButton::clicked, this, &FixWindow::fixBrokenLinks);
    connect(browseButton, &QPushButton::clicked, this, &FixWindow::browse);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
}

void FixWindow::start()
{
    setWindowModality(Qt::ApplicationModal);
    show();
    activate();
}

void FixWindow::activate()
{
    m_brokenList->clear();
    for (const FoundLink& link : m_finder.brokenLinks())
        m_brokenList->addItem(link.text);
    m_fixEdit->clear();
    m_suggestedList->clear();
    if (m_brokenList->count() > 0) {
        const int selected = m_finder.findChild<QListWidget*>("brokenLinksList")->currentRow();
        m_brokenList->setCurrentRow(selected >= 0 && selected < m_brokenList->count() ? selected : 0);
        suggest();
    }
    m_suggestedList->setFocus();
}

void FixWindow::suggest()
{
    m_suggestedList->clear();
    const int row = m_brokenList->currentRow();
    m_finder.selectBrokenLinkInPane(row);
    if (m_finder.everyFile().isEmpty() || row < 0) return;
    m_fixEdit->clear();
    const QStringList suggestions = fixSuggestions(
        m_brokenList->item(row)->text(), m_finder.everyFile(), m_finder.currentFile(), m_finder.linkRule());
    m_suggestedList->addItems(suggestions);
    if (!suggestions.isEmpty()) {
        m_suggestedList->setCurrentRow(0);
        m_fixEdit->setText(suggestions.first());
    }
}

void FixWindow::changeLink(int rowAfter)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    runCommand(m_prompter, [&] {
        if (m_fixEdit->text().isEmpty()) {
            m_prompter.message(QStringLiteral("No link was changed. If you expected a link to change, then perhaps you "
                                              "forgot to select a suggested link."),
                Prompter::Icon::None, Prompter::Ok);
            return;
        }
        m_finder.codePane()->setSelText(m_fixEdit->text());
        m_finder.findBrokenOnPage();
        activate();
        if (m_brokenList->count() == 0) {
            close();
            return;
        }
        if (rowAfter >= 0 && rowAfter < m_brokenList->count()) m_brokenList->setCurrentRow(rowAfter);
        suggest();
    });
    QApplication::restoreOverrideCursor();
}

void FixWindow::fixBrokenLinks() { changeLink(m_brokenList->currentRow()); }

void FixWindow::browse()
{
    if (m_brokenList->count() == 0) {
        m_prompter.message(QStringLiteral("There are no broken links to fix."), Prompter::Icon::None, Prompter::Ok);
        return;
    }
    Prompter::FileDialog dialog;
    dialog.title = QStringLiteral("Find the correct file");
    // Every link may be to a file of any type.
    dialog.filter = m_finder.linkRule() == LinkRule::EveryLink
        ? QStringLiteral("All Files|*.*")
        : QStringLiteral("Internet files|*.htm*;*.gif;*.jpg;*.jpeg;*.HTM*;*.GIF;*.JPG;*.JPEG|All Files|*.*");
    dialog.initialDir = QFileInfo(m_finder.currentFile()).path();
    dialog.mustExist = true;
    const auto chosen = m_prompter.openFile(dialog);
    if (!chosen) return;
    m_fixEdit->setText(webby(extractRelativePath(m_finder.currentFile(), *chosen)));
    changeLink(-1);
}
