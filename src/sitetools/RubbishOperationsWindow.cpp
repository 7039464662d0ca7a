#include "sitetools/RubbishOperationsWindow.h"

#include "editor/TextFile.h"
#include "platform/AppDirs.h"
#include "platform/CommandBoundary.h"
#include "platform/Prompter.h"
#include "platform/WidgetHelpers.h"
#include "sitetools/Orphans.h"
#include "sitetools/RubbishWindow.h"
#include "sitetools/SiteParts.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

RubbishOperationsWindow::RubbishOperationsWindow(RubbishWindow& finder, Prompter& prompter)
    : QDialog(&finder)
    , m_finder(finder)
    , m_prompter(prompter, this)
    , m_list(named(new QListWidget(this), "orphansList"))
    , m_selectedName(named(new QLineEdit(this), "selectedNameEdit"))
    , m_rememberMoves(named(
          new QCheckBox(QStringLiteral("Remember the moves, so that they can be restored"), this), "rememberMovesBox"))
    , m_restoreButton(named(new QPushButton(QStringLiteral("Restore moved files"), this), "restoreButton",
          QStringLiteral("Move the files of the last remembered moves back into the site")))
{
    setObjectName("rubbishOperationsWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Remove orphans. "));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_selectedName->setReadOnly(true);
    auto* moveAllButton = named(new QPushButton(QStringLiteral("Move All "), this), "moveAllButton");
    auto* moveSelectedButton = named(new QPushButton(QStringLiteral("Move Selected"), this), "moveSelectedButton");
    auto* closeButton = named(new QPushButton(QStringLiteral("Close"), this), "closeButton");
    m_restoreButton->setEnabled(QFile::exists(moveLogFile()));
    for (QPushButton* button : { moveAllButton, moveSelectedButton, closeButton, m_restoreButton })
        button->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(moveAllButton);
    buttons->addWidget(moveSelectedButton);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        labelled(QStringLiteral("Select a file in the box below to view its full name"), m_list, this), 1);
    layout->addWidget(labelled(QStringLiteral("Selected filename"), m_selectedName, this));
    layout->addLayout(buttons);
    auto* restoreRow = new QHBoxLayout;
    restoreRow->addWidget(m_rememberMoves);
    restoreRow->addStretch();
    restoreRow->addWidget(m_restoreButton);
    layout->addLayout(restoreRow);

    connect(m_list, &QListWidget::itemClicked, this,
        [this](QListWidgetItem* item) { m_selectedName->setText(item->text()); });
    connect(moveAllButton, &QPushButton::clicked, this, &RubbishOperationsWindow::moveAll);
    connect(moveSelectedButton, &QPushButton::clicked, this, &RubbishOperationsWindow::moveSelected);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(m_restoreButton, &QPushButton::clicked, this, &RubbishOperationsWindow::restoreMoved);
}

QString RubbishOperationsWindow::moveLogFile() { return AppDirs::settingsFile(QStringLiteral("rubbishmoves.plr")); }

void RubbishOperationsWindow::start()
{
    m_list->addItems(m_finder.orphans());
    const int row = m_finder.selectedOrphan();
    if (row >= 0 && row < m_list->count()) {
        m_list->setCurrentRow(row);
        m_selectedName->setText(m_list->item(row)->text());
    }
    setWindowModality(Qt::ApplicationModal);
    show();
}

bool RubbishOperationsWindow::move(const QList<int>& rows)
{
    const bool remember = m_rememberMoves->isChecked();
    QList<int> done;
    const bool moved = runCommand(m_prompter, [&] {
        for (int row : rows) {
            const QString from = m_list->item(row)->text();
            const QString to = moveToRubbish(from, m_finder.baseDirectory());
            if (remember && !to.isEmpty()) m_moves.append({ from, to });
            done << row;
        }
    });
    // This session's moves replace the last session's, also when a move failed half way.
    if (remember && !m_moves.isEmpty()) {
        runCommand(m_prompter, [this] { writeBytes(moveLogFile(), moveLogText(m_moves)); });
        m_restoreButton->setEnabled(true);
    }
    // What was moved leaves the list, also when a later move failed.
    for (qsizetype i = done.size() - 1; i >= 0; --i)
        delete m_list->takeItem(done[i]);
    QStringList left;
    for (int row = 0; row < m_list->count(); ++row)
        left << m_list->item(row)->text();
    m_finder.setOrphans(left);
    return moved;
}

void RubbishOperationsWindow::moveAll()
{
    if (m_prompter.message(
            QStringLiteral("Shall I move all orphan files"), Prompter::Icon::Confirmation, Prompter::Yes | Prompter::No)
        != Prompter::Yes)
        return;
    QList<int> rows;
    for (int row = 0; row < m_list->count(); ++row)
        rows << row;
    move(rows);
}

void RubbishOperationsWindow::moveSelected()
{
    QList<int> rows;
    for (int row = 0; row < m_list->count(); ++row)
        if (m_list->item(row)->isSelected()) rows << row;
    move(rows);
}

void RubbishOperationsWindow::restoreMoved()
{
    runCommand(m_prompter, [this] {
        const QList<RubbishMove> moves = parseMoveLog(readBytes(moveLogFile()));
        const QList<RubbishMove> left = restoreMoves(moves);
        for (const RubbishMove& move : moves)
            if (!left.contains(move)) m_list->addItem(move.from);
        if (left.isEmpty())
            QFile::remove(moveLogFile());
        else
            writeBytes(moveLogFile(), moveLogText(left));
        m_moves = left;
        m_restoreButton->setEnabled(!left.isEmpty());
        QString text = QStringLiteral("Files moved back: ") + QString::number(moves.size() - left.size()) + u'.';
        if (!left.isEmpty())
            text += QStringLiteral("\r\nFiles left in the Rubbish directory, their places being taken: ")
                + QString::number(left.size()) + u'.';
        m_prompter.message(text, Prompter::Icon::Information, Prompter::Ok);
    });
}

void RubbishOperationsWindow::closeEvent(QCloseEvent* event)
{
    QStringList left;
    for (int row = 0; row < m_list->count(); ++row)
        left << m_list->item(row)->text();
    m_finder.setOrphans(left);
    QDialog::closeEvent(event);
}
