#pragma once

#include "platform/Prompter.h"

#include "shared/FeatureContext.h"
#include "sitetools/FixWindow.h"
#include "sitetools/LinkCheck.h"
#include "sitetools/SiteCheckRun.h"
#include "sitetools/SiteParts.h"
#include "sitetools/SiteWalk.h"
#include "sitetools/WebLinkCheck.h"

#include <QMainWindow>
#include <QPointer>

class CodeEditor;
class FixWindow;
class LinkRuleBox;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QToolButton;

// "Link Rot - find broken links": loads a site, checks its pages one at a time for links to
// pages, style sheets, scripts and images that are not files of the site, and lets the user fix
// and save each page in its own code pane.
class LinkRotWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit LinkRotWindow(const FeatureContext& context, QWidget* parent = nullptr);
    ~LinkRotWindow() override;

    // The commands of the window.
    void getDirectory(); // choose the base directory and load the site
    void loadTargetFiles(); // load the site named in the base directory box
    void checkSite(); // "Check Site" / "Start" / "Continue"
    bool findBrokenOnPage(); // check the selected page's text in the pane; false when stopped
    void findAllLinks();
    void pickSitePage(int row);
    void pickBrokenLink(int row);
    void openPage();
    void save();
    void saveAs();
    void openFixWindow();
    // As the broken-links menu opens: the fix entry only when there is something to fix.
    void prepareBrokenLinksMenu();

    // Selects the listed link of that row in the code pane.
    void selectBrokenLinkInPane(int row);

    QString baseDirectory() const { return m_run.base(); }
    QString currentFile() const;
    const QStringList& everyFile() const { return m_everyFile; }
    const QStringList& sitePages() const { return m_run.pages(); }
    // Where "Check Site" stands; the check button and the pages list show it.
    const SiteCheckRun& checkRun() const { return m_run; }
    const QList<FoundLink>& brokenLinks() const { return m_found; }
    CodeEditor* codePane() const { return m_pane->editor(); }
    CancelWindow* cancelWindow() const { return m_cancel; }
    CheckPoints& checkPoints() { return m_points; }
    QMenu* brokenLinksMenu() const { return m_brokenMenu; }
    QAction* fixAction() const { return m_fixAction; }
    FixWindow* fixWindow() const { return m_fixWindow; }
    bool saveButtonRed() const { return m_saveRed; }
    bool isBusy() const { return m_busy; }
    // Which links the checks look at: the classic seven file types or every link.
    LinkRule linkRule() const;
    // How web links are asked for; tests shorten the timeout.
    WebCheckOptions& webCheckOptions() { return m_webOptions; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    class Busy {
    public:
        explicit Busy(LinkRotWindow* window);
        ~Busy();

    private:
        LinkRotWindow* m_window;
        bool m_began;
    };
    QList<QWidget*> busyParts() const;
    QWidget* buildCodeTab();
    void buildMenus();
    void tell(const QString& text);
    void setStatus(const QString& text, bool red);
    void showPageStatus();
    void setCurrentFile(const QString& path);
    void showBrokenLinks(const QList<FoundLink>& links);
    LinkCheck check(const QString& text, const QString& page);
    void loadIntoPane(const QString& path, int row);
    bool getNextFile();
    bool saveNow();
    // Saves the pane over its page after the questions; false when declined or failed (shown).
    bool savePane();
    void stopCheck();
    void updateSaveColour();
    void showPhase();
    // Makes the page of that row the current one (-1 for none) and selects it in the list.
    void selectPageRow(int row);
    void tabChanged(int index);
    // What the fix dialog works on, as this window stands.
    FixSubject fixSubject() const;
    // The checks beyond the finder's own, each chosen by its box: #anchors and web links.
    QWidget* buildChosenChecks();
    void addChosenChecks(const QString& text, const QString& page, LinkCheck& result);
    QHash<QString, WebResult> checkWeb(const QStringList& addresses);

    FeatureContext m_context;
    WindowPrompter m_prompter; // every question of this window is shown above it
    SiteCheckRun m_run;
    QStringList m_everyFile;
    SiteIndex m_index;
    QString m_chooserStart;
    QList<FoundLink> m_found;
    int m_currentRow = -1; // the page in the pane
    bool m_changed = false;
    bool m_idle = true;
    bool m_busy = false;
    bool m_closeRequested = false;
    bool m_saveRed = false;
    CheckPoints m_points;

    QLineEdit* m_baseDirEdit;
    QLineEdit* m_currentFileEdit;
    PickList* m_pagesList;
    PickList* m_brokenList;
    QLabel* m_statusLabel;
    QPushButton* m_checkSiteButton;
    QProgressBar* m_linkProgress;
    QProgressBar* m_pageProgress;
    CodePane* m_pane;
    QToolButton* m_saveButton;
    QTabWidget* m_tabs;
    ViewerTab* m_viewer;
    CancelWindow* m_cancel;
    QMenu* m_brokenMenu;
    QAction* m_fixAction;
    QPointer<FixWindow> m_fixWindow;
    LinkRuleBox* m_ruleBox;
    QCheckBox* m_anchorsBox;
    QCheckBox* m_webBox;
    QProgressBar* m_webProgress;
    QPushButton* m_webCancelButton;
    bool m_webCancelled = false;
    WebCheckOptions m_webOptions;
};
