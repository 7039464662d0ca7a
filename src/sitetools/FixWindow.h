#pragma once

#include "platform/Prompter.h"

#include <QDialog>

class LinkRotWindow;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Fix Broken Links": for the selected broken link of the finder's page, proposes files of the
// site with a similar name as links from the page, and puts the chosen one in place of the link
// in the finder's code pane. Nothing is written to disk here.
class FixWindow : public QDialog {
    Q_OBJECT
public:
    FixWindow(LinkRotWindow& finder, Prompter& prompter);

    // Shows the dialog, modal, and fills it.
    void start();
    // Copies the finder's broken links and shows the suggestions for the selected one.
    void activate();
    // Selects the broken link in the finder's pane and lists its suggestions.
    void suggest();
    void fixBrokenLinks();
    void browse();

    QListWidget* brokenLinksList() const { return m_brokenList; }
    QListWidget* suggestedList() const { return m_suggestedList; }
    QLineEdit* fixEdit() const { return m_fixEdit; }

private:
    void changeLink(int rowAfter);

    LinkRotWindow& m_finder;
    WindowPrompter m_prompter; // every question of this window is shown above it
    QListWidget* m_brokenList;
    QListWidget* m_suggestedList;
    QLineEdit* m_fixEdit;
};
