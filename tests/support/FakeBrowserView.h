#pragma once

#include "platform/BrowserView.h"

#include <QStringList>
#include <QUrl>

// A browser that records what it was asked to show and completes each navigation at once.
class FakeBrowserView : public BrowserView {
    Q_OBJECT
public:
    using BrowserView::BrowserView;
    void navigate(const QString& path) override
    {
        navigations << path;
        m_location = QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
        emit navigationComplete(m_location);
    }
    void stop() override { ++stops; }
    QString locationUrl() const override { return m_location; }

    QStringList navigations;
    int stops = 0;

private:
    QString m_location;
};
