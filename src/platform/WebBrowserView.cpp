#include "platform/BrowserView.h"

#include <QStackedLayout>
#include <QUrl>
#include <QWebEngineView>

WebBrowserView::WebBrowserView(QWidget* parent)
    : BrowserView(parent)
    , m_layout(new QStackedLayout(this))
{
    m_layout->setContentsMargins(0, 0, 0, 0);
}

QWebEngineView* WebBrowserView::view()
{
    if (!m_view) {
        m_view = new QWebEngineView(this);
        m_layout->addWidget(m_view);
        connect(m_view, &QWebEngineView::loadFinished, this, [this](bool) {
            m_location = m_view->url().toString(QUrl::FullyEncoded);
            emit navigationComplete(m_location);
        });
    }
    return m_view;
}

void WebBrowserView::navigate(const QString& path) { view()->load(QUrl::fromLocalFile(path)); }

void WebBrowserView::stop()
{
    if (m_view) m_view->stop();
}

QString WebBrowserView::locationUrl() const { return m_location; }
