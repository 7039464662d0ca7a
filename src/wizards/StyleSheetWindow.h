#pragma once

#include "wizards/StyleSheetCode.h"
#include "wizards/WizardParts.h"

class BrowserView;
class QComboBox;
class QLineEdit;
class QMenu;
class QMenuBar;
class QTabWidget;

// "Dorvane's Style Sheet Maker": an editor for one style sheet, with pages of choices that add
// declarations at the caret and a Viewer tab that shows the sheet on a sample page.
class StyleSheetWindow : public WizardWindow {
    Q_OBJECT
public:
    explicit StyleSheetWindow(const FeatureContext& context);

    CodeEditor* sheet() const { return m_sheetEdit; }
    QMenuBar* menuBar() const { return m_menuBar; }
    QMenu* sheetMenu() const { return m_sheetMenu; }
    QTabWidget* choicePages() const { return m_choicePages; }
    QTabWidget* sheetTabs() const { return m_sheetTabs; }
    BrowserView* browser() const { return m_browser; }

    void newSheet();
    void openSheet();
    // False when the user declined a question or the write failed (shown).
    bool save();
    bool saveAs();
    void reset();
    void preview();
    // The paths of the last preview (kept for the whole run).
    static QString previewSheetPath();
    static QString previewPagePath();

protected:
    void activated() override { reset(); }
    void closeEvent(QCloseEvent* event) override;

private:
    bool isSaved() const;
    // The changed sheet offered for saving; false when the user cancelled.
    bool askToSave();
    bool saveTo(const QString& path);
    void insert(const QString& declaration);
    void addSelector();
    void chooseUrl(QLineEdit* field);
    void sheetTabChanged(int index);
    QWidget* marginsPage();
    QWidget* textPage();
    QWidget* imagesPage();
    QWidget* bordersPage();
    QWidget* listsPage();
    QComboBox* list(const char* name, const QStringList& entries);
    QLineEdit* field(const char* name, const QString& hint = {});
    QWidget* colourField(QLineEdit* field, const char* buttonName);
    QWidget* urlField(QLineEdit* field, const char* buttonName);

    // What Reset sets back: every list and every entry field but the file name (filled
    // as the controls are made, so declared first).
    QList<QComboBox*> m_lists;
    QList<QLineEdit*> m_fields;
    QMenuBar* m_menuBar;
    QLineEdit* m_fileNameEdit;
    QComboBox* m_selectorCombo;
    QLineEdit* m_selectorEdit;
    QTabWidget* m_choicePages;
    QTabWidget* m_sheetTabs;
    CodeEditor* m_sheetEdit;
    BrowserView* m_browser;
    QMenu* m_sheetMenu;

    QComboBox* m_marginPropertyCombo;
    QLineEdit* m_marginValueEdit;
    QComboBox* m_marginUnitCombo;
    QLineEdit* m_textColourEdit;
    QComboBox* m_fontCombo;
    QLineEdit* m_fontSizeEdit;
    QComboBox* m_fontSizeUnitCombo;
    QComboBox* m_weightCombo;
    QComboBox* m_textStyleCombo;
    QComboBox* m_alignCombo;
    QLineEdit* m_indentEdit;
    QComboBox* m_indentUnitCombo;
    QLineEdit* m_backgroundImageEdit;
    QComboBox* m_attachmentCombo;
    QComboBox* m_backgroundTypeCombo;
    QLineEdit* m_backgroundColourEdit;
    QComboBox* m_borderSideCombo;
    QComboBox* m_borderStyleCombo;
    QLineEdit* m_borderColourEdit;
    QLineEdit* m_borderSizeEdit;
    QComboBox* m_sizeWordCombo;
    QComboBox* m_borderUnitCombo;
    QLineEdit* m_bulletImageEdit;
    QComboBox* m_listStyleCombo;
    QLineEdit* m_listValueEdit;
};
