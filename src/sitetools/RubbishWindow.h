#pragma once

#include "platform/Prompter.h"

#include "shared/FeatureContext.h"
#include "sitetools/RubbishOperationsWindow.h"
#include "sitetools/SiteParts.h"

#include <QMainWindow>
#include <QPointer>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QTabWidget;
class RubbishOperationsWindow;

// "Dorvane's Find Orphans - (Rubbish)": finds the files of a site that no page refers to, shows
// them, and hands them to the move dialog. It never changes a page.
class RubbishWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit RubbishWindow(const FeatureContext& context, QWidget* parent = nullptr);
    ~RubbishWindow() override;

    void getDirectory();
    void loadTargetFiles();
    void start();
    void cancelScan();
    void pickOrphan(int row);
    void pickSitePage(int row);
    void viewCurrentFile();
    void openOperations();

    QString baseDirectory() const { return m_base; }
    QStringList orphans() const;
    void setOrphans(const QStringList& orphans);
    int selectedOrphan() const;
    QAction* moveAction() const { return m_moveAction; }
    CancelWindow* cancelWindow() const { return m_cancel; }
    CheckPoints& checkPoints() { return m_points; }
    RubbishOperationsWindow* operationsWindow() const { return m_operations; }
    bool isIdle() const { return m_idle; }
    CodeEditor* codePane() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void tell(const QString& text);
    void setOrphansLabel(const QString& text, bool red);
    void scan();
    void finishScan();
    void showInPane(const QString& path, bool asImage);
    void tabChanged(int index);

    FeatureContext m_context;
    WindowPrompter m_prompter; // every question of this window is shown above it
    QString m_base;
    QString m_chooserStart;
    QStringList m_directories;
    QStringList m_pages;
    bool m_idle = true;
    CheckPoints m_points;

    QLineEdit* m_baseDirEdit;
    QLineEdit* m_currentFileEdit;
    PickList* m_pagesList;
    PickList* m_orphansList;
    QLabel* m_orphansLabel;
    QLabel* m_pagesLabel;
    QLabel* m_busyLabel;
    QPushButton* m_startButton;
    QProgressBar* m_gauge;
    CodePane* m_pane;
    QTabWidget* m_tabs;
    ViewerTab* m_viewer;
    QMenu* m_orphansMenu;
    QAction* m_moveAction;
    QPointer<CancelWindow> m_cancel;
    QPointer<RubbishOperationsWindow> m_operations;
};
