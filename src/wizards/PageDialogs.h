#pragma once

#include "wizards/PageCode.h"
#include "wizards/WizardParts.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;

// The right-click menu of a wizard's source box: clipboard, "Load &File ..." and "C&lear".
QMenu* sourceMenu(
    WizardWindow* window, CodeEditor* source, std::function<void()> loadFile, std::function<void()> clear);

// "Document Write Wizard": HTML turned into script that writes it.
class DocWriteDialog : public WizardWindow {
    Q_OBJECT
public:
    explicit DocWriteDialog(const FeatureContext& context);
    void showCode();
    void ok();
    void openFile();
    QMenu* sourceMenu() const { return m_sourceMenu; }

private:
    DocWriteOptions options() const;

    CodeEditor* m_sourceEdit;
    CodeViewer* m_codeViewer;
    QCheckBox* m_addJavaScriptTagsCheck;
    QCheckBox* m_addFunctionTagsCheck;
    QLineEdit* m_functionNameEdit;
    QMenu* m_sourceMenu;
};

// "Form Dialogue": FORM tags around the selection with a button inside.
class FormDialog : public WizardWindow {
    Q_OBJECT
public:
    explicit FormDialog(const FeatureContext& context);
    void ok();

private:
    QCheckBox* m_nameCheck;
    QLineEdit* m_nameEdit;
    QCheckBox* m_actionCheck;
    QLineEdit* m_actionEdit;
    QCheckBox* m_methodCheck;
    QComboBox* m_methodCombo;
    QCheckBox* m_enctypeCheck;
    QLineEdit* m_enctypeEdit;
    QCheckBox* m_addButtonCheck;
    QLineEdit* m_buttonValueEdit;
    QComboBox* m_typeCombo;
    QCheckBox* m_onClickCheck;
};

// The cookie message wizard: the library into the head, the call block at the caret.
class CookieDialog : public WizardWindow {
    Q_OBJECT
public:
    explicit CookieDialog(const FeatureContext& context);
    void ok();

protected:
    void activated() override;

private:
    QPlainTextEdit* m_explanationText;
};

// "Make Array Wizard": lines into an array declaration.
class ArrayDialog : public WizardWindow {
    Q_OBJECT
public:
    explicit ArrayDialog(const FeatureContext& context);
    void showCode();
    void ok();
    void clearAll();
    void loadFile();
    QMenu* elementsMenu() const { return m_elementsMenu; }

private:
    CodeEditor* m_elementsEdit;
    CodeViewer* m_codeViewer;
    QLineEdit* m_arrayNameEdit;
    QMenu* m_elementsMenu;
};

// "Make a List": the selected lines into a list, or ended with line breaks.
class ListDialog : public WizardWindow {
    Q_OBJECT
public:
    explicit ListDialog(const FeatureContext& context);
    void addList();
    void addBreaks();

private:
    void orderedToggled(bool ordered);
    // The whole lines the selection touches: [start, end) in document offsets.
    std::pair<int, int> selectedLines() const;

    QCheckBox* m_orderedCheck;
    QLineEdit* m_startEdit;
    QComboBox* m_typeCombo;
    QPushButton* m_listButton;
};

// "Select a Font or Size": a FONT tag around the selection.
class FontDialog : public WizardWindow {
    Q_OBJECT
public:
    explicit FontDialog(const FeatureContext& context);
    void ok();
    QLabel* sample() const { return m_sampleLabel; }

protected:
    void activated() override;

private:
    void updateSample();

    QComboBox* m_fontCombo;
    QComboBox* m_sizeCombo;
    QLineEdit* m_colourEdit;
    QLabel* m_sampleLabel;
};
