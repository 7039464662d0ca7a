#pragma once

#include "wizards/ScriptCode.h"
#include "wizards/WizardParts.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

// "Function Dialogue": an empty function with optional skeletons.
class FunctionDialog : public WizardWindow {
    Q_OBJECT
public:
    explicit FunctionDialog(const FeatureContext& context);
    void generateCode();
    void ok();

private:
    FunctionOptions options() const;
    void generate();

    QLineEdit* m_functionEdit;
    QCheckBox* m_javaScriptCheck;
    QCheckBox* m_ifCheck;
    QLineEdit* m_ifEdit;
    QCheckBox* m_alertCheck;
    QLineEdit* m_alertEdit;
    QCheckBox* m_forCheck;
    QLineEdit* m_forEdit;
    QCheckBox* m_whileCheck;
    QLineEdit* m_whileEdit;
    CodeViewer* m_codeViewer;
};

// "Alert Dialogue": an alert for a message of several lines, with an optional function, script
// tags, text link and form button.
class AlertDialog : public WizardWindow {
    Q_OBJECT
public:
    explicit AlertDialog(const FeatureContext& context);
    void updateCode();
    void ok();

protected:
    void activated() override;

private:
    void linkOrButtonToggled(bool checked);

    QPlainTextEdit* m_messageEdit;
    CodeViewer* m_codeViewer;
    QCheckBox* m_javaScriptCheck;
    QCheckBox* m_functionCheck;
    QLineEdit* m_functionEdit;
    QCheckBox* m_textLinkCheck;
    QLineEdit* m_linkCaptionEdit;
    QCheckBox* m_formButtonCheck;
    QLineEdit* m_buttonTextEdit;
};

// "Links Dialogue": an anchor to "#" with event attributes, around the document's selection.
class DummyLinkDialog : public WizardWindow {
    Q_OBJECT
public:
    explicit DummyLinkDialog(const FeatureContext& context);
    void updateCode();
    void ok();

protected:
    void activated() override;

private:
    QCheckBox* m_onClickCheck;
    QLineEdit* m_onClickEdit;
    QCheckBox* m_onMouseOverCheck;
    QLineEdit* m_onMouseOverEdit;
    QCheckBox* m_onMouseOutCheck;
    QLineEdit* m_onMouseOutEdit;
    QCheckBox* m_linkTitleCheck;
    QLineEdit* m_linkTitleEdit;
    QCheckBox* m_addTextCheck;
    QLineEdit* m_linkTextEdit;
    CodeViewer* m_codeViewer;
};

// "Link to Function": a link, or a bare onClick attribute, that calls the wizard function.
class FunctionLinkDialog : public WizardWindow {
    Q_OBJECT
public:
    explicit FunctionLinkDialog(const FeatureContext& context);
    void ok();

protected:
    void activated() override;

private:
    QLineEdit* m_nameEdit;
    QCheckBox* m_onClickOnlyCheck;
};
