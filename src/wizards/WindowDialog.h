#pragma once

#include "wizards/ScriptCode.h"
#include "wizards/WizardParts.h"

class QCheckBox;
class QLineEdit;
class QMenu;
class QSpinBox;

// "Windows Dialogue": a function that opens a new browser window, loading a file or writing
// HTML into it, with an optional link and button that call it.
class WindowDialog : public WizardWindow {
    Q_OBJECT
public:
    explicit WindowDialog(const FeatureContext& context);

    void updateCode();
    void ok();
    void openFile();
    void clearContents();
    void insertCloseWindowButton();
    void getFilename();
    // The window contents' right-click menu.
    QMenu* contentsMenu() const { return m_contentsMenu; }

protected:
    void activated() override;

private:
    WindowOptions options() const;
    void showOptions(const WindowOptions& options);
    std::optional<QString> askForFile();

    CodeEditor* m_contentsEdit;
    CodeViewer* m_codeViewer;
    QCheckBox* m_writeToWindowCheck;
    QCheckBox* m_existingFileCheck;
    QLineEdit* m_existingFileEdit;
    QCheckBox* m_featureChecks[kWindowFeatureCount];
    QCheckBox* m_sizeCheck;
    QSpinBox* m_heightSpin;
    QSpinBox* m_widthSpin;
    QLineEdit* m_functionEdit;
    QLineEdit* m_windowNameEdit;
    QCheckBox* m_textLinkCheck;
    QLineEdit* m_linkTextEdit;
    QCheckBox* m_formButtonCheck;
    QLineEdit* m_buttonTextEdit;
    QMenu* m_contentsMenu;
};
