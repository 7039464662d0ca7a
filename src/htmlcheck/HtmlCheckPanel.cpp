#include "htmlcheck/HtmlCheckPanel.h"

#include "editor/CodeEditor.h"
#include "platform/Prompter.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

HtmlCheckPanel::HtmlCheckPanel(
    CodeEditor& editor, Prompter& prompter, std::function<QString()> documentFileName, QWidget* parent)
    : QWidget(parent)
    , m_editor(editor)
    , m_prompter(prompter)
    , m_documentFileName(std::move(documentFileName))
    , m_summary(new QLabel)
    , m_list(new QTreeWidget)
{
    setObjectName(QStringLiteral("htmlCheckPanel"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    auto* top = new QHBoxLayout;
    m_summary->setObjectName(QStringLiteral("htmlCheckSummary"));
    m_summary->setTextFormat(Qt::PlainText);
    top->addWidget(m_summary, 1);
    auto* close = new QToolButton;
    close->setObjectName(QStringLiteral("htmlCheckClose"));
    close->setText(QStringLiteral("Close"));
    close->setStatusTip(QStringLiteral("Hides the list of HTML problems."));
    connect(close, &QToolButton::clicked, this, [this] {
        hide();
        m_editor.setFocus();
    });
    top->addWidget(close);
    column->addLayout(top);
    m_list->setObjectName(QStringLiteral("htmlCheckList"));
    m_list->setHeaderLabels({ QStringLiteral("Line"), QStringLiteral("Column"), QStringLiteral("Message") });
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true); // long lists stay quick
    m_list->setStatusTip(QStringLiteral("Click a problem to put the caret where Tidy found it."));
    m_list->header()->setStretchLastSection(true);
    column->addWidget(m_list, 1);
    connect(m_list, &QTreeWidget::itemClicked, this, &HtmlCheckPanel::goTo);
    connect(m_list, &QTreeWidget::itemActivated, this, &HtmlCheckPanel::goTo);
    connect(&m_watcher, &QFutureWatcher<HtmlCheck::Result>::finished, this, [this] {
        showResult(m_watcher.result());
        emit checkingChanged(false);
        emit checked();
    });
}

bool HtmlCheckPanel::check()
{
    if (isChecking()) return false;
    const QString name = m_documentFileName();
    if (!HtmlCheck::isHtmlDocument(name)) {
        m_prompter.message(kNotHtml.arg(QDir::toNativeSeparators(name)), Prompter::Icon::Information, Prompter::Ok);
        return false;
    }
    m_list->clear();
    m_summary->setText(kChecking);
    setVisible(true);
    emit checkingChanged(true);
    m_watcher.setFuture(QtConcurrent::run(&HtmlCheck::check, m_editor.text()));
    return true;
}

void HtmlCheckPanel::showResult(const HtmlCheck::Result& result)
{
    m_summary->setText(result.problems.isEmpty() ? kClean : kCounts.arg(result.errors).arg(result.warnings));
    QList<QTreeWidgetItem*> items;
    items.reserve(result.problems.size());
    for (const HtmlCheck::Problem& p : result.problems) {
        auto* item = new QTreeWidgetItem({ QString::number(p.line), QString::number(p.column),
            (p.error ? QStringLiteral("Error: ") : QStringLiteral("Warning: ")) + p.message });
        item->setData(0, Qt::UserRole, p.line);
        item->setData(1, Qt::UserRole, p.column);
        items << item;
    }
    m_list->addTopLevelItems(items);
}

void HtmlCheckPanel::goTo(QTreeWidgetItem* item)
{
    if (!item) return;
    const int offset = HtmlCheck::offsetOf(
        m_editor.text(), item->data(0, Qt::UserRole).toInt(), item->data(1, Qt::UserRole).toInt());
    m_editor.setSelStart(offset);
    m_editor.scrollInView();
    m_editor.setFocus();
}
