#include "platform/BrowserView.h"

#include <QStackedLayout>
#include <QTextBrowser>
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
        m_layout->setCurrentWidget(m_view);
        connect(m_view, &QWebEngineView::loadFinished, this, [this](bool) {
            m_location = m_view->url().toString(QUrl::FullyEncoded);
            emit navigationComplete(m_location);
        });
    }
    return m_view;
}

void WebBrowserView::navigate(const QString& path)
{
    view()->load(QUrl::fromLocalFile(path));
    m_layout->setCurrentWidget(m_view);
}

void WebBrowserView::showOwnPage(const QString& path)
{
    // Once the engine runs, it shows everything alike.
    if (m_view) return navigate(path);
    if (!m_light) {
        m_light = new QTextBrowser(this);
        m_light->setObjectName(QStringLiteral("lightView"));
        m_light->setOpenExternalLinks(true); // web addresses go to the user's browser
        m_layout->addWidget(m_light);
        connect(m_light, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) {
            m_location = url.toString(QUrl::FullyEncoded);
            emit navigationComplete(m_location);
        });
    }
    m_layout->setCurrentWidget(m_light);
    m_light->setSource(QUrl::fromLocalFile(path));
}

void WebBrowserView::stop()
{
    if (m_view) m_view->stop();
}

QString WebBrowserView::locationUrl() const { return m_location; }
