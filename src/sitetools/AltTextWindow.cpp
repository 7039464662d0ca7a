#include "sitetools/AltTextWindow.h"

#include "editor/CodeEditor.h"
#include "platform/WidgetHelpers.h"
#include "sitetools/AltText.h"

#include <QEvent>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

AltTextWindow::AltTextWindow(const FeatureContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_context(context)
    , m_list(named(new QListWidget(this), "altTextList"))
{
    setObjectName("altTextWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* closeButton = named(new QPushButton(QStringLiteral("Close"), this), "closeButton");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addWidget(closeButton, 0, Qt::AlignRight);
    connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { pick(m_list->row(item)); });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    scan();
}

void AltTextWindow::scan()
{
    const QString name = m_context.documentFileName ? m_context.documentFileName() : QString();
    setWindowTitle(QStringLiteral("Find image ALT text ... ") + name);
    CodeEditor& editor = *m_context.editor;
    m_found = findAltTexts(editor.text());
    m_list->clear();
    for (const FoundLink& text : m_found)
        m_list->addItem(altTextEntry(text.text));
    if (m_found.isEmpty()) {
        editor.setSelStart(0);
        return;
    }
    // The editor is left with the last ALT text selected, as the scan went through them.
    editor.setSelStart(int(m_found.last().offset));
    editor.setSelLength(int(m_found.last().text.size()));
}

void AltTextWindow::pick(int row)
{
    if (row < 0 || row >= m_found.size()) return;
    CodeEditor& editor = *m_context.editor;
    editor.setSelStart(int(m_found[row].offset));
    editor.scrollInView();
    if (m_list->item(row)->text() != QStringLiteral("Empty ALT text"))
        editor.setSelLength(int(m_found[row].text.size()));
    // The keys go to the text just selected: its window becomes the active one.
    giveKeysTo(editor.window());
    editor.setFocus();
}

void AltTextWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) scan();
    QWidget::changeEvent(event);
}
