#include "main/StatusPanels.h"

#include "editor/CodeEditor.h"
#include "editor/TextFile.h"

#include <QAbstractTextDocumentLayout>
#include <QLabel>
#include <QScopedValueRollback>
#include <QStatusBar>
#include <QTimer>

StatusPanels::StatusPanels(QStatusBar& bar, CodeEditor& editor, QObject* parent)
    : QObject(parent)
    , m_editor(editor)
{
    // The four position panels, then the document's encoding and line breaks.
    const QList<int> widths { 100, 100, 100, 50, 150 };
    const QStringList texts { QStringLiteral("Line:"), QStringLiteral("Col:"), QStringLiteral("Char: "), QString(),
        TextFormat().describe() };
    for (int i = 0; i < 5; ++i) {
        auto* label = new QLabel(texts[i]);
        label->setObjectName(QStringLiteral("statusPanel%1").arg(i));
        label->setFixedWidth(widths[i]);
        bar.addWidget(label);
        m_panels << label;
    }
    bar.setStatusTip(QStringLiteral(
        "These line numbers,although correct, may not agree with the reported line numbers of the browser."));

    connect(&m_editor, &CodeEditor::selectionMoved, this, &StatusPanels::update);
    // With word wrap the display line of the caret changes when the lines are laid out again.
    // Asked for once the change is complete: the layout reports sizes in the middle of one (a
    // new text going in), when the caret's line cannot be known yet.
    connect(m_editor.document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, this, [this] {
        if (!m_editor.wordWrap() || m_queued) return;
        m_queued = true;
        QTimer::singleShot(0, this, [this] {
            m_queued = false;
            update();
        });
    });
}

QString StatusPanels::text(int panel) const { return m_panels.value(panel) ? m_panels[panel]->text() : QString(); }

void StatusPanels::showFormat(const TextFormat& format) { m_panels[4]->setText(format.describe()); }

void StatusPanels::update()
{
    // Finding the caret's display line lays out the text, which reports a new size, which asks
    // for the status again: once is enough.
    if (m_updating) return;
    const QScopedValueRollback updating(m_updating, true);
    m_panels[0]->setText(QStringLiteral("Line:%1").arg(m_editor.selLine() + 1));
    m_panels[1]->setText(QStringLiteral("Col: %1").arg(m_editor.selCol() + 1));
    m_panels[2]->setText(QStringLiteral("Char: %1").arg(m_editor.selStart() + 1));
}
