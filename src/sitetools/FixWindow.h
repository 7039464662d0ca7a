#pragma once

#include "platform/Prompter.h"
#include "sitetools/LinkCheck.h"

#include <QDialog>
#include <QStringList>
#include <functional>

class QLineEdit;
class QListWidget;
class QPushButton;

// What the fix dialog works on: the finder's broken links and the one selected there, the page
// they are on, and the files of the site the suggestions come from.
struct FixSubject {
    QStringList brokenLinks;
    int selected = -1;
    QString page;
    QStringList everyFile;
    LinkRule rule = LinkRule::Classic;
};

// "Fix Broken Links": for the selected broken link of the finder's page, proposes files of the
// site with a similar name as links from the page, and puts the chosen one in place of the link
// in the finder's code pane. Nothing is written to disk here.
class FixWindow : public QDialog {
    Q_OBJECT
public:
    // Selects the broken link of that row in the finder's pane.
    using SelectLink = std::function<void(int row)>;
    // Puts the link in place of the finder's selection and finds the broken links again; what the
    // dialog works on next.
    using ChangeLink = std::function<FixSubject(const QString& link)>;

    FixWindow(QWidget* finder, Prompter& prompter, const FixSubject& subject, SelectLink select, ChangeLink change);

    // Shows the dialog, modal, and fills it.
    void start();
    // Lists the broken links and shows the suggestions for the selected one.
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

    FixSubject m_subject;
    SelectLink m_select;
    ChangeLink m_change;
    WindowPrompter m_prompter; // every question of this window is shown above it
    QListWidget* m_brokenList;
    QListWidget* m_suggestedList;
    QLineEdit* m_fixEdit;
};
