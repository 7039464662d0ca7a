#pragma once

#include "platform/Prompter.h"

#include "shared/FeatureContext.h"
#include "sitetools/SiteChanges.h"

#include <QTreeWidget>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

// The changes of a site change, one row each (page, line, old text, new text) with a check box,
// all checked at first.
class ChangeList : public QTreeWidget {
    Q_OBJECT
public:
    explicit ChangeList(QWidget* parent);
    void setChanges(const QList<SiteChange>& changes, const QString& base);
    const QList<SiteChange>& changes() const { return m_changes; }
    QList<SiteChange> chosen() const;

private:
    QList<SiteChange> m_changes;
};

// Where the last site change is kept, and the last site base a site change used.
namespace SiteChangeStore {
QString journalDirectory();
QString lastSiteBase();
void rememberSiteBase(const QString& base);
} // namespace SiteChangeStore

// The document as the site changes see it: its file and the editor's text (breaks as LFs);
// empty while it has never been saved.
OpenPage editorPage(const FeatureContext& context);

// Makes the chosen changes of the plan: the write questions of each page first, then every page
// through its document file and the move, kept in the journal; the page open in the editor is
// changed through the editor, as one undo step, and a moved document is opened at its new place.
// False when a question was declined (nothing is changed then). File errors throw FileError.
bool applySiteChange(const FeatureContext& context, SitePlan plan, const QList<SiteChange>& chosen);

// "Undo Last Site Change": puts back the pages and the file of the last site change, unless
// something changed them since (it says which then).
void undoLastSiteChange(const FeatureContext& context);

// "Rename and Update Links", "Move and Update Links" and the list of "Replace All": what changes,
// each with a check box, and Apply. A child window of the main window; deletes itself when closed.
class SiteChangeWindow : public QWidget {
    Q_OBJECT
public:
    enum class Mode { Rename, Move, Replace };
    // Renames or moves file.
    SiteChangeWindow(const FeatureContext& context, Mode mode, const QString& file, QWidget* parent);
    // Replaces: the changes are given.
    SiteChangeWindow(const FeatureContext& context, const SitePlan& plan, QWidget* parent);

    static inline const QString kRenameCaption = QStringLiteral("Rename and Update Links");
    static inline const QString kMoveCaption = QStringLiteral("Move and Update Links");
    static inline const QString kReplaceCaption = QStringLiteral("Replace All");
    static inline const QString kNameWithDirectory
        = QStringLiteral("Type a name without a directory; Move and Update Links moves a file to another directory.");
    static inline const QString kNoName = QStringLiteral("Type the new name first.");

    QLineEdit* newNameEdit() const { return m_newNameEdit; }
    QLineEdit* targetDirectoryEdit() const { return m_targetDirectoryEdit; }
    QLineEdit* siteBaseEdit() const { return m_siteBaseEdit; }
    ChangeList* changeList() const { return m_changeList; }
    QLabel* summaryLabel() const { return m_summaryLabel; }

    // "Show Changes": the list for what the boxes say now.
    void showChanges();
    // "Apply": the checked changes; the list is made first when the boxes changed since.
    void apply();

signals:
    void applied();

private:
    void build(bool fileRows);
    QString target() const;
    QString base() const;
    QString plannedFor() const;

    FeatureContext m_context;
    WindowPrompter m_prompter;
    Mode m_mode;
    QString m_file;
    SitePlan m_plan;
    QString m_plannedFor;
    QLineEdit* m_newNameEdit = nullptr;
    QLineEdit* m_targetDirectoryEdit = nullptr;
    QLineEdit* m_siteBaseEdit = nullptr;
    ChangeList* m_changeList = nullptr;
    QLabel* m_summaryLabel = nullptr;
};
