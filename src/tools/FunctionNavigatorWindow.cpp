#include "tools/FunctionNavigatorWindow.h"
#include "tools/TextAreaActions.h"

#include "editor/CodeEditor.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

FunctionNavigatorWindow::FunctionNavigatorWindow(CodeEditor& editor, bool scriptFile, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_editor(editor)
    , m_functionsList(new QListWidget(this))
    , m_occurrencesList(new QListWidget(this))
    , m_addJsTagsButton(new QPushButton(QStringLiteral("Add JS Tags"), this))
    , m_removeJsTagsButton(new QPushButton(QStringLiteral("Remove JS Tags"), this))
{
    setObjectName("functionNavigatorWindow");
    closeOnEscape(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Function Navigator"));
    resize(560, 420);
    m_functionsList->setObjectName("functionsList");
    m_occurrencesList->setObjectName("occurrencesList");
    m_addJsTagsButton->setObjectName("addJsTagsButton");
    m_removeJsTagsButton->setObjectName("removeJsTagsButton");
    m_addJsTagsButton->setVisible(scriptFile);
    m_removeJsTagsButton->setVisible(false);
    auto* findButton = new QPushButton(QStringLiteral("Find Functions"), this);
    findButton->setObjectName("findFunctionsButton");

    auto* lists = new QGridLayout;
    lists->addWidget(new QLabel(QStringLiteral("Functions"), this), 0, 0);
    lists->addWidget(new QLabel(QStringLiteral("Occurrences"), this), 0, 1);
    lists->addWidget(m_functionsList, 1, 0);
    lists->addWidget(m_occurrencesList, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(findButton);
    buttons->addWidget(m_addJsTagsButton);
    buttons->addWidget(m_removeJsTagsButton);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addLayout(buttons);

    connect(findButton, &QPushButton::clicked, this, &FunctionNavigatorWindow::findFunctions);
    connect(m_addJsTagsButton, &QPushButton::clicked, this, &FunctionNavigatorWindow::addJsTags);
    connect(m_removeJsTagsButton, &QPushButton::clicked, this, &FunctionNavigatorWindow::removeJsTags);
    // A click (or moving through a list with the keys) chooses the entry.
    connect(m_functionsList, &QListWidget::itemClicked, this,
        [this](QListWidgetItem* item) { chooseFunction(m_functionsList->row(item)); });
    connect(m_occurrencesList, &QListWidget::itemClicked, this,
        [this](QListWidgetItem* item) { chooseOccurrence(m_occurrencesList->row(item)); });
    connect(m_functionsList, &QListWidget::itemActivated, this,
        [this](QListWidgetItem* item) { chooseFunction(m_functionsList->row(item)); });
    connect(m_occurrencesList, &QListWidget::itemActivated, this,
        [this](QListWidgetItem* item) { chooseOccurrence(m_occurrencesList->row(item)); });
}

void FunctionNavigatorWindow::findFunctions()
{
    m_occurrencesList->clear();
    m_occurrences.clear();
    m_functionsList->clear();
    m_functionsList->addItems(::findFunctions(m_editor.text()));
    m_editor.setSelStart(0);
    m_editor.setSelLength(0);
}

void FunctionNavigatorWindow::chooseFunction(int row)
{
    if (row < 0 || row >= m_functionsList->count()) return;
    const QString entry = m_functionsList->item(row)->text();
    const QString text = m_editor.text();
    m_occurrences = findOccurrences(text, entry);
    m_occurrencesList->clear();
    for (const Occurrence& occurrence : std::as_const(m_occurrences))
        m_occurrencesList->addItem(occurrence.text);
    const qsizetype at = text.indexOf(entry, 0, Qt::CaseInsensitive);
    if (at < 0) return;
    m_editor.setSelStart(int(at));
    m_editor.setSelLength(int(entry.size()));
    m_editor.scrollInView();
}

void FunctionNavigatorWindow::chooseOccurrence(int row)
{
    if (row < 0 || row >= m_occurrences.size()) return;
    const Occurrence& occurrence = m_occurrences[row];
    m_editor.activateWindow();
    m_editor.setFocus();
    m_editor.setSelStart(occurrence.offset);
    m_editor.setSelLength(int(occurrence.text.size()));
    m_editor.scrollInView();
}

void FunctionNavigatorWindow::addJsTags()
{
    m_editor.setText(addScriptTags(m_editor.text()));
    m_removeJsTagsButton->setVisible(true);
}

void FunctionNavigatorWindow::removeJsTags()
{
    const QString text = m_editor.text();
    const QString stripped = removeScriptTags(text);
    if (stripped != text) m_editor.setText(stripped);
}
