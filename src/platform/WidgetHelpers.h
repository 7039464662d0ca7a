#pragma once

#include <QApplication>
#include <QString>
#include <QWidget>

// Gives a widget its object name and hint; returns it.
template <class W> W* named(W* widget, const char* name, const QString& hint = {})
{
    widget->setObjectName(QLatin1String(name));
    if (!hint.isEmpty()) widget->setStatusTip(hint);
    return widget;
}

// The wait cursor for as long as it lives, however the work ends.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

enum class ShowAs { Normal, Maximised };

// Brings a shown window to the front and gives it the keys.
inline void giveKeysTo(QWidget* window)
{
    window->raise();
    window->activateWindow();
}

// Shows the window (as asked the first time), brings it to the front and gives it the keys.
inline void bringToFront(QWidget* window, ShowAs how = ShowAs::Normal)
{
    if (!window->isVisible()) {
        if (how == ShowAs::Maximised)
            window->showMaximized();
        else
            window->show();
    }
    giveKeysTo(window);
}
