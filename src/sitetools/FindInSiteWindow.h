#pragma once

#include "platform/Prompter.h"

#include "shared/FeatureContext.h"
#include "sitetools/SiteFind.h"
#include "sitetools/SiteParts.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// "Find in Site": a text or a regular expression looked for in the pages, style sheets and
// scripts of a site; the matches fill in while the search runs, a double click opens the page
// at its match, and "Replace All ..." lists the changes to make. A child window of the main
// window; deletes itself when closed.
class FindInSiteWindow : public QWidget {
    Q_OBJECT
public:
    FindInSiteWindow(const FeatureContext& context, QWidget* parent);

    static inline const QString kCaption = QStringLiteral("Find in Site");

    QLineEdit* findEdit() const { return m_findEdit; }
    QLineEdit* replaceEdit() const { return m_replaceEdit; }
    QLineEdit* siteBaseEdit() const { return m_siteBaseEdit; }
    QCheckBox* regularExpressionBox() const { return m_regularExpressionBox; }
    QCheckBox* matchCaseBox() const { return m_matchCaseBox; }
    QCheckBox* wholeWordsBox() const { return m_wholeWordsBox; }
    QTreeWidget* resultsList() const { return m_resultsList; }
    QLabel* summaryLabel() const { return m_summaryLabel; }
    QPushButton* cancelButton() const { return m_cancelButton; }
    const QList<SiteMatch>& matches() const { return m_matches; }

    // "Find": false when it was stopped or could not start.
    bool find();
    void cancel() { m_checks.stop(); }
    // A double click on a match: the page in the main window, the match selected.
    void openMatch(int row);
    // "Replace All ...": searches again, then shows the changes with their check boxes.
    void replaceAll();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    SiteFindOptions options() const;
    QString base() const;
    void setRunning(bool running);

    FeatureContext m_context;
    WindowPrompter m_prompter;
    QLineEdit* m_findEdit;
    QLineEdit* m_replaceEdit;
    QLineEdit* m_siteBaseEdit;
    QCheckBox* m_regularExpressionBox;
    QCheckBox* m_matchCaseBox;
    QCheckBox* m_wholeWordsBox;
    QTreeWidget* m_resultsList;
    QLabel* m_summaryLabel;
    QPushButton* m_findButton;
    QPushButton* m_cancelButton;
    QPushButton* m_replaceAllButton;
    QList<SiteMatch> m_matches;
    QString m_base;
    CheckPoints m_checks;
    bool m_running = false;
};
