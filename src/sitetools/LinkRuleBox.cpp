#include "sitetools/LinkRuleBox.h"

#include "platform/AppDirs.h"
#include "platform/CommandBoundary.h"
#include "platform/WidgetHelpers.h"
#include "sitetools/EveryLink.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

LinkRuleBox::LinkRuleBox(Prompter& prompter, QWidget* parent)
    : QWidget(parent)
    , m_prompter(prompter)
    , m_choice(named(new QComboBox(this), "linksToCheckBox"))
{
    // In the order of LinkRule.
    m_choice->addItems({ QStringLiteral("the classic seven file types"), QStringLiteral("every link") });
    m_choice->setStatusTip(QStringLiteral(
        "Check only links to pages, style sheets, scripts and images in double quotes, or every address of the page."));
    auto* label = new QLabel(QStringLiteral("Links to check:"), this);
    label->setBuddy(m_choice);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(m_choice);

    const QString file = AppDirs::settingsFile(kLinkRuleFile);
    runCommand(m_prompter, [&] { m_choice->setCurrentIndex(int(readLinkRule(file))); });
    connect(m_choice, &QComboBox::currentIndexChanged, this, [this, file] {
        runCommand(m_prompter, [&] { writeLinkRule(file, rule()); });
        emit ruleChanged(rule());
    });
}

LinkRule LinkRuleBox::rule() const { return m_choice->currentIndex() == 1 ? LinkRule::EveryLink : LinkRule::Classic; }
