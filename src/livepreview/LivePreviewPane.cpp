#include "livepreview/LivePreviewPane.h"

#include <QSplitter>

#include "editor/CodeEditor.h"
#include "livepreview/LiveHtml.h"

#include <QDir>
#include <QLabel>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineView>

LivePreviewPane::LivePreviewPane(CodeEditor& editor, std::function<QString()> documentFileName, QWidget* parent)
    : QWidget(parent)
    , m_editor(editor)
    , m_documentFileName(std::move(documentFileName))
    , m_note(new QLabel(kLargeNote))
{
    setObjectName(QStringLiteral("livePreviewPane"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    m_note->setObjectName(QStringLiteral("livePreviewNote"));
    m_note->setTextFormat(Qt::PlainText);
    m_note->setWordWrap(true);
    m_note->hide();
    column->addWidget(m_note);
    m_debounce.setSingleShot(true);
    m_debounce.setInterval(kDebounceMs);
    connect(&m_debounce, &QTimer::timeout, this, &LivePreviewPane::refresh);
    connect(&m_editor, &QPlainTextEdit::textChanged, this, [this] {
        if (isVisible()) m_debounce.start();
    });
}

void LivePreviewPane::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    // Shown for the first time, a pane in a splitter has no width yet: it takes half.
    if (!m_placed) {
        m_placed = true;
        QTimer::singleShot(0, this, [this] {
            auto* split = qobject_cast<QSplitter*>(parentWidget());
            if (!split || !isVisible()) return;
            QList<int> sizes = split->sizes();
            const int at = split->indexOf(this);
            int total = 0;
            for (const int size : sizes)
                total += size;
            if (at < 0 || sizes[at] > total / 10) return;
            for (int& size : sizes)
                size = 0;
            sizes[at] = total / 2;
            sizes[at == 0 ? 1 : 0] = total - total / 2;
            split->setSizes(sizes);
        });
    }
    // Changes made while the pane was hidden are shown now; Chromium starts once the pane is up.
    QTimer::singleShot(0, this, &LivePreviewPane::refresh);
}

void LivePreviewPane::refresh()
{
    m_debounce.stop();
    if (!isVisible()) return;
    if (!m_view) {
        m_view = new QWebEngineView(this);
        m_view->setObjectName(QStringLiteral("livePreviewView"));
        layout()->addWidget(m_view);
        connect(m_view, &QWebEngineView::loadFinished, this, &LivePreviewPane::onLoadFinished);
    }
    const QString html = m_editor.text();
    const bool fits = LiveHtml::fitsInMemory(html);
    m_note->setVisible(!fits);
    if (!fits) {
        // Shown from the saved file: only a save refreshes it.
        const QString name = m_documentFileName();
        if (name != m_shownFile && !name.isEmpty()) showFile(name);
        return;
    }
    if (m_shownFile.isEmpty() && html == m_shownHtml) return; // colouring alone changes no text
    m_shownHtml = html;
    m_shownFile.clear();
    keepScrollAnd(
        [this, html] { m_view->setHtml(html, LiveHtml::baseUrl(m_documentFileName(), QDir::currentPath())); });
}

void LivePreviewPane::keepScrollAnd(const std::function<void()>& load)
{
    // The page itself knows where it is scrolled; it is asked before it is replaced.
    m_view->page()->runJavaScript(QStringLiteral("[window.scrollX, window.scrollY]"), [this, load](const QVariant& at) {
        const QVariantList xy = at.toList();
        if (xy.size() == 2) m_scroll = QPointF(xy[0].toDouble(), xy[1].toDouble());
        load();
    });
}

void LivePreviewPane::showFile(const QString& name)
{
    m_shownHtml.clear();
    m_shownFile = name;
    keepScrollAnd([this, name] { m_view->setUrl(QUrl::fromLocalFile(name)); });
}

void LivePreviewPane::documentWritten(const QString& name)
{
    if (m_view && isVisible() && m_note->isVisible()) showFile(name);
}

void LivePreviewPane::onLoadFinished()
{
    m_view->page()->runJavaScript(QStringLiteral("window.scrollTo(%1, %2);").arg(m_scroll.x()).arg(m_scroll.y()),
        [this](const QVariant&) { emit refreshed(); });
}
