#pragma once

#include <QWidget>

class QWebEngineView;
class QStackedLayout;

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

signals:
    void navigationComplete(const QString& url);
};

// A QWebEngineView made the first time it is needed, so start-up does not pay for Chromium.
class WebBrowserView : public BrowserView {
    Q_OBJECT
public:
    explicit WebBrowserView(QWidget* parent = nullptr);
    void navigate(const QString& path) override;
    void stop() override;
    QString locationUrl() const override;
    bool isCreated() const { return m_view != nullptr; }

private:
    QWebEngineView* view();
    QWebEngineView* m_view = nullptr;
    QStackedLayout* m_layout;
    QString m_location;
};
