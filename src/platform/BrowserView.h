#pragma once

#include <QWidget>

class QWebEngineView;
class QStackedLayout;
class QTextBrowser;

// The embedded browser of the "Preview" tab and the site tools' viewers.
class BrowserView : public QWidget {
    Q_OBJECT
public:
    explicit BrowserView(QWidget* parent = nullptr)
        : QWidget(parent)
    { }
    // Shows a local file.
    virtual void navigate(const QString& path) = 0;
    virtual void stop() = 0;
    // The location after the last completed navigation, as a URL text ("file:///...").
    virtual QString locationUrl() const = 0;
    // Shows one of the program's own simple pages (the brief help), which needs no web engine.
    virtual void showOwnPage(const QString& path) { navigate(path); }

signals:
    void navigationComplete(const QString& url);
};

// A QWebEngineView made the first time a page needs it, so start-up does not pay for Chromium;
// the program's own pages are drawn by a light HTML view until then.
class WebBrowserView : public BrowserView {
    Q_OBJECT
public:
    explicit WebBrowserView(QWidget* parent = nullptr);
    void navigate(const QString& path) override;
    void stop() override;
    QString locationUrl() const override;
    void showOwnPage(const QString& path) override;
    bool isCreated() const { return m_view != nullptr; }
    QTextBrowser* lightView() const { return m_light; }

private:
    QWebEngineView* view();
    QWebEngineView* m_view = nullptr;
    QTextBrowser* m_light = nullptr;
    QStackedLayout* m_layout;
    QString m_location;
};
