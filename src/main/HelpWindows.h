#pragma once

#include <QDialog>

// The Help menu's windows: pages from the data directory in a plain viewer, and the about box.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    // Shows the named page of the data directory, or a short note when it is missing.
    HelpWindow(const QString& title, const QString& page, QWidget* parent);
};

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent);
    static QString text();
};
