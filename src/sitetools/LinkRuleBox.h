#pragma once

#include "sitetools/LinkCheck.h"

#include <QWidget>

class Prompter;
class QComboBox;

// "Links to check:" the classic seven file types or every link; the choice is remembered in the
// settings directory.
class LinkRuleBox : public QWidget {
    Q_OBJECT
public:
    LinkRuleBox(Prompter& prompter, QWidget* parent);

    LinkRule rule() const;
    QComboBox* choice() const { return m_choice; }

signals:
    void ruleChanged(LinkRule rule);

private:
    Prompter& m_prompter;
    QComboBox* m_choice;
};
