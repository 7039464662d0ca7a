#include "sitetools/FixWindow.h"

#include "editor/CodeEditor.h"
#include "platform/CommandBoundary.h"
#include "platform/Prompter.h"
#include "platform/WidgetHelpers.h"
#include "shared/RelativePath.h"
#include "sitetools/SiteParts.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

FixWindow::FixWindow(
    QWidget* finder, Prompter& prompter, const FixSubject& subject, SelectLink select, ChangeLink change)
    : QDialog(finder)
    , m_subject(subject)
    , m_select(std::move(select))
    , m_change(std::move(change))
    , m_prompter(prompter, this)
    , m_brokenList(named(new QListWidget(this), "brokenLinksList"))
    , m_suggestedList(named(new QListWidget(this), "suggestedList"))
    , m_fixEdit(named(new QLineEdit(this), "fixEdit"))
{
    setObjectName("fixWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Fix Broken Links"));
    auto* changeButton = named(new QPushButton(QStringLiteral("Change Link"), this), "changeLinkButton");
    changeButton->setDefault(true);
    auto* browseButton = named(new QPushButton(QStringLiteral("Browse"), this), "browseButton");
    browseButton->setAutoDefault(false);
    auto* closeButton = named(new QPushButton(QStringLiteral("Close"), this), "closeButton",
        QStringLiteral("Close without making any changes. "));
    closeButton->setAutoDefault(false);

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
    m_brokenList->addItems(m_subject.brokenLinks);
    m_fixEdit->clear();
    m_suggestedList->clear();
    if (m_brokenList->count() > 0) {
        const int selected = m_subject.selected;
        m_brokenList->setCurrentRow(selected >= 0 && selected < m_brokenList->count() ? selected : 0);
        suggest();
    }
    m_suggestedList->setFocus();
}

void FixWindow::suggest()
{
    m_suggestedList->clear();
    const int row = m_brokenList->currentRow();
    m_select(row);
    if (m_subject.everyFile.isEmpty() || row < 0) return;
    m_fixEdit->clear();
    const QStringList suggestions
        = fixSuggestions(m_brokenList->item(row)->text(), m_subject.everyFile, m_subject.page, m_subject.rule);
    m_suggestedList->addItems(suggestions);
    if (!suggestions.isEmpty()) {
        m_suggestedList->setCurrentRow(0);
        m_fixEdit->setText(suggestions.first());
    }
}

void FixWindow::changeLink(int rowAfter)
{
    const WaitCursor wait;
    runCommand(m_prompter, [&] {
        if (m_fixEdit->text().isEmpty()) {
            m_prompter.message(QStringLiteral("No link was changed. If you expected a link to change, then perhaps you "
                                              "forgot to select a suggested link."),
                Prompter::Icon::None, Prompter::Ok);
            return;
        }
        m_subject = m_change(m_fixEdit->text());
        activate();
        if (m_brokenList->count() == 0) {
            close();
            return;
        }
        if (rowAfter >= 0 && rowAfter < m_brokenList->count()) m_brokenList->setCurrentRow(rowAfter);
        suggest();
    });
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
    dialog.filter = m_subject.rule == LinkRule::EveryLink
        ? QStringLiteral("All Files|*.*")
        : QStringLiteral("Internet files|*.htm*;*.gif;*.jpg;*.jpeg;*.HTM*;*.GIF;*.JPG;*.JPEG|All Files|*.*");
    dialog.initialDir = QFileInfo(m_subject.page).path();
    dialog.mustExist = true;
    const auto chosen = m_prompter.openFile(dialog);
    if (!chosen) return;
    m_fixEdit->setText(webby(extractRelativePath(m_subject.page, *chosen)));
    changeLink(-1);
}
