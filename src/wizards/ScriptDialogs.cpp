#include "wizards/ScriptDialogs.h"

#include "shared/WizardState.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* b : buttons)
        row->addWidget(b);
    return row;
}

QString functionNameShown(const WizardState* state)
{
    return state ? functionNameOrDefault(state->functionName) : kInitialFunctionName;
}

} // namespace

// Function wizard.

FunctionDialog::FunctionDialog(const FeatureContext& context)
    : WizardWindow(context, QStringLiteral("Function Dialogue"), QStringLiteral("functionDialog"))
    , m_functionEdit(
          lineEdit("functionEdit", kInitialFunctionName, QStringLiteral("The function's name, with its brackets")))
    , m_javaScriptCheck(checkBox("javaScriptCheck", QStringLiteral("JavaScript Tags"), false,
          QStringLiteral("Put the function inside script tags")))
    , m_ifCheck(checkBox("ifCheck", QStringLiteral("If Condition"), false, QStringLiteral("Add an if statement")))
    , m_ifEdit(lineEdit("ifEdit", QStringLiteral("x==y"), QStringLiteral("The if statement's condition")))
    , m_alertCheck(checkBox("alertCheck", QStringLiteral("Alert"), false, QStringLiteral("Add an alert box")))
    , m_alertEdit(lineEdit("alertEdit", QStringLiteral("Hello World"), QStringLiteral("The alert's message")))
    , m_forCheck(checkBox("forCheck", QStringLiteral("For Contion"), false, QStringLiteral("Add a for loop")))
    , m_forEdit(lineEdit("forEdit", QStringLiteral("i=0;i<n; i++"), QStringLiteral("The for loop's condition")))
    , m_whileCheck(checkBox("whileCheck", QStringLiteral("While Condition"), false, QStringLiteral("Add a while loop")))
    , m_whileEdit(lineEdit("whileEdit", QStringLiteral("x==y"), QStringLiteral("The while loop's condition")))
    , m_codeViewer(named(new CodeViewer(this), "codeViewer", QStringLiteral("The code that OK writes")))
{
    m_codeViewer->setWordWrap(true);
    m_codeViewer->setText(QStringLiteral("Click on the generate button to view the code here.\r\n"
                                         "Type the function's name with its brackets.\r\n"
                                         "Tick the statements you want inside the function\r\n"
                                         "and change their conditions as you need.\r\n"
                                         "JavaScript Tags puts the function inside script tags.\r\n"
                                         "OK writes the code into your document."));
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Function Name:")), 0, 0);
    grid->addWidget(m_functionEdit, 0, 1);
    grid->addWidget(m_javaScriptCheck, 1, 0, 1, 2);
    const QList<QPair<QCheckBox*, QLineEdit*>> rows { { m_ifCheck, m_ifEdit }, { m_alertCheck, m_alertEdit },
        { m_forCheck, m_forEdit }, { m_whileCheck, m_whileEdit } };
    for (int i = 0; i < rows.size(); ++i) {
        grid->addWidget(rows[i].first, i + 2, 0);
        grid->addWidget(rows[i].second, i + 2, 1);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(m_codeViewer, 1);
    layout->addLayout(buttonRow({ button("generateButton", QStringLiteral("Generate Code"),
                                      QStringLiteral("Show the code in the viewer"), [this] { generateCode(); }),
        okButton([this] { ok(); }), cancelButton() }));
    layout->addWidget(makeHintPanel());
    resize(520, 520);
}

FunctionOptions FunctionDialog::options() const
{
    FunctionOptions o;
    o.name = m_functionEdit->text();
    o.javaScriptTags = m_javaScriptCheck->isChecked();
    o.ifCondition = m_ifCheck->isChecked();
    o.ifText = m_ifEdit->text();
    o.alert = m_alertCheck->isChecked();
    o.alertText = m_alertEdit->text();
    o.forCondition = m_forCheck->isChecked();
    o.forText = m_forEdit->text();
    o.whileCondition = m_whileCheck->isChecked();
    o.whileText = m_whileEdit->text();
    return o;
}

void FunctionDialog::generate()
{
    m_codeViewer->clear();
    if (m_functionEdit->text().isEmpty()) m_functionEdit->setText(kInitialFunctionName);
    writeFunctionCode(options(), *m_codeViewer);
}

void FunctionDialog::generateCode()
{
    m_codeViewer->setWordWrap(false);
    generate();
}

void FunctionDialog::ok()
{
    generate();
    const QString name = m_functionEdit->text();
    editor().setSelText(functionInsertion(m_codeViewer->text(), m_javaScriptCheck->isChecked()));
    if (context().wizard && name != kInitialFunctionName) context().wizard->functionName = name;
    close();
}

// Alert wizard.

AlertDialog::AlertDialog(const FeatureContext& context)
    : WizardWindow(context, QStringLiteral("Alert Dialogue"), QStringLiteral("alertDialog"))
    , m_messageEdit(named(new QPlainTextEdit(this), "messageEdit", QStringLiteral("The message: one or more lines")))
    , m_codeViewer(named(new CodeViewer(this), "codeViewer", QStringLiteral("The code that OK writes")))
    , m_javaScriptCheck(checkBox("javaScriptCheck", QStringLiteral("Add JavaScript Tags"), false,
          QStringLiteral("Put the code inside script tags")))
    , m_functionCheck(checkBox("functionCheck", QStringLiteral("Add Function Tags"), false,
          QStringLiteral("Put the alert inside a function")))
    , m_functionEdit(
          lineEdit("functionEdit", kInitialFunctionName, QStringLiteral("The function's name, with its brackets")))
    , m_textLinkCheck(checkBox("textLinkCheck", QStringLiteral("Use a text link"), false,
          QStringLiteral("Add a text link that calls the function")))
    , m_linkCaptionEdit(
          lineEdit("linkCaptionEdit", QStringLiteral("Link to my alert"), QStringLiteral("The link's text")))
    , m_formButtonCheck(checkBox("formButtonCheck", QStringLiteral("Use a Form Button"), false,
          QStringLiteral("Add a form button that calls the function")))
    , m_buttonTextEdit(lineEdit("buttonTextEdit", QStringLiteral("My Button"), QStringLiteral("The button's text")))
{
    m_messageEdit->setTabChangesFocus(true);
    connect(m_textLinkCheck, &QCheckBox::toggled, this, &AlertDialog::linkOrButtonToggled);
    connect(m_formButtonCheck, &QCheckBox::toggled, this, &AlertDialog::linkOrButtonToggled);
    connect(m_javaScriptCheck, &QCheckBox::toggled, this, [this](bool checked) {
        if (checked) m_functionCheck->setChecked(true);
        m_functionCheck->setEnabled(!checked);
    });

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Message")), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Code Viewer")), 0, 1);
    grid->addWidget(m_messageEdit, 1, 0);
    grid->addWidget(m_codeViewer, 1, 1);
    auto* options = new QGridLayout;
    options->addWidget(m_javaScriptCheck, 0, 0);
    options->addWidget(m_functionCheck, 1, 0);
    options->addWidget(new QLabel(QStringLiteral("Function Name:")), 2, 0);
    options->addWidget(m_functionEdit, 2, 1);
    options->addWidget(m_textLinkCheck, 3, 0);
    options->addWidget(new QLabel(QStringLiteral("Caption")), 4, 0);
    options->addWidget(m_linkCaptionEdit, 4, 1);
    options->addWidget(m_formButtonCheck, 5, 0);
    options->addWidget(m_buttonTextEdit, 5, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addLayout(options);
    layout->addLayout(buttonRow({ button("updateButton", QStringLiteral("Update Code"),
                                      QStringLiteral("Show the code in the viewer"), [this] { updateCode(); }),
        okButton([this] { ok(); }), cancelButton() }));
    layout->addWidget(makeHintPanel());
    resize(640, 480);
}

void AlertDialog::linkOrButtonToggled(bool checked)
{
    // Something must call the function: a link or button needs it and its script tags.
    if (checked) {
        m_javaScriptCheck->setChecked(true);
        m_functionCheck->setChecked(true);
        m_javaScriptCheck->setEnabled(false);
        m_functionCheck->setEnabled(false);
    } else if (!m_textLinkCheck->isChecked() && !m_formButtonCheck->isChecked()) {
        m_javaScriptCheck->setEnabled(true);
        m_functionCheck->setEnabled(true);
    }
}

void AlertDialog::activated()
{
    m_messageEdit->clear();
    m_codeViewer->clear();
}

void AlertDialog::updateCode()
{
    m_codeViewer->clear();
    if (!m_functionEdit->text().isEmpty()) {
        if (context().wizard) context().wizard->functionName = m_functionEdit->text();
    } else {
        m_functionEdit->setText(kInitialFunctionName);
    }
    AlertOptions o;
    o.message = m_messageEdit->toPlainText();
    o.javaScriptTags = m_javaScriptCheck->isChecked();
    o.functionTags = m_functionCheck->isChecked();
    o.name = m_functionEdit->text();
    o.textLink = m_textLinkCheck->isChecked();
    o.linkCaption = m_linkCaptionEdit->text();
    o.formButton = m_formButtonCheck->isChecked();
    o.buttonText = m_buttonTextEdit->text();
    writeAlertCode(o, *m_codeViewer);
}

void AlertDialog::ok()
{
    if (context().wizard) context().wizard->functionName = m_functionEdit->text();
    updateCode();
    writeAndClose(m_codeViewer->text());
}

// Dummy link wizard.

DummyLinkDialog::DummyLinkDialog(const FeatureContext& context)
    : WizardWindow(context, QStringLiteral("Links Dialogue"), QStringLiteral("dummyLinkDialog"))
    , m_onClickCheck(checkBox("onClickCheck", QStringLiteral("Add onClick?"), false,
          QStringLiteral("Run some JavaScript when the link is clicked")))
    , m_onClickEdit(lineEdit("onClickEdit", functionNameShown(context.wizard), QStringLiteral("The onClick action")))
    , m_onMouseOverCheck(checkBox("onMouseOverCheck", QStringLiteral("Add onMouseOver?"), false,
          QStringLiteral("Run some JavaScript when the mouse comes over the link")))
    , m_onMouseOverEdit(lineEdit("onMouseOverEdit", {}, QStringLiteral("The onMouseOver action")))
    , m_onMouseOutCheck(checkBox("onMouseOutCheck", QStringLiteral("Add onMouseOut?"), false,
          QStringLiteral("Run some JavaScript when the mouse leaves the link")))
    , m_onMouseOutEdit(lineEdit("onMouseOutEdit", {}, QStringLiteral("The onMouseOut action")))
    , m_linkTitleCheck(checkBox("linkTitleCheck", QStringLiteral("Add Link Title?"), false,
          QStringLiteral("A title that browsers show over the link")))
    , m_linkTitleEdit(lineEdit("linkTitleEdit", {}, QStringLiteral("The link's title")))
    , m_addTextCheck(checkBox("addTextCheck", QStringLiteral("Use Link Text"), false,
          QStringLiteral("Put this text in the link, before the selected text")))
    , m_linkTextEdit(lineEdit("linkTextEdit", QStringLiteral("Click Me!"), QStringLiteral("The link's text")))
    , m_codeViewer(named(new CodeViewer(this), "codeViewer", QStringLiteral("The code that OK writes")))
{
    auto* grid = new QGridLayout;
    const QList<QPair<QCheckBox*, QLineEdit*>> rows { { m_onClickCheck, m_onClickEdit },
        { m_onMouseOverCheck, m_onMouseOverEdit }, { m_onMouseOutCheck, m_onMouseOutEdit },
        { m_linkTitleCheck, m_linkTitleEdit }, { m_addTextCheck, m_linkTextEdit } };
    for (int i = 0; i < rows.size(); ++i) {
        grid->addWidget(rows[i].first, i, 0);
        grid->addWidget(rows[i].second, i, 1);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(new QLabel(QStringLiteral("Code Viewer")));
    layout->addWidget(m_codeViewer, 1);
    layout->addLayout(buttonRow({ button("updateButton", QStringLiteral("Update Code"),
                                      QStringLiteral("Show the code in the viewer"), [this] { updateCode(); }),
        okButton([this] { ok(); }, QStringLiteral("Write the link into the document")), cancelButton() }));
    layout->addWidget(makeHintPanel());
    resize(520, 400);
}

void DummyLinkDialog::activated() { m_onClickEdit->setText(functionNameShown(context().wizard)); }

void DummyLinkDialog::updateCode()
{
    DummyLinkOptions o;
    o.onClick = m_onClickCheck->isChecked();
    o.onClickAction = m_onClickEdit->text();
    o.onMouseOver = m_onMouseOverCheck->isChecked();
    o.onMouseOverAction = m_onMouseOverEdit->text();
    o.onMouseOut = m_onMouseOutCheck->isChecked();
    o.onMouseOutAction = m_onMouseOutEdit->text();
    o.title = m_linkTitleCheck->isChecked();
    o.titleText = m_linkTitleEdit->text();
    o.useLinkText = m_addTextCheck->isChecked();
    o.linkText = m_linkTextEdit->text();
    m_codeViewer->setText(dummyLinkCode(o, editor().selText()));
}

void DummyLinkDialog::ok()
{
    updateCode();
    writeAndClose(m_codeViewer->text());
}

// Wizard Function Link.

FunctionLinkDialog::FunctionLinkDialog(const FeatureContext& context)
    : WizardWindow(context, QStringLiteral("Link to Function"), QStringLiteral("functionLinkDialog"))
    , m_nameEdit(lineEdit("nameEdit", functionNameShown(context.wizard)))
    , m_onClickOnlyCheck(checkBox("onClickOnlyCheck", QStringLiteral("Add onClick only"), false))
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Function Name")));
    layout->addWidget(m_nameEdit);
    layout->addWidget(new QLabel(QStringLiteral("You add the name and brackets ()")));
    layout->addWidget(m_onClickOnlyCheck);
    QPushButton* write = okButton([this] { ok(); }, {});
    write->setDefault(true);
    layout->addLayout(buttonRow({ write, button("abortButton", QStringLiteral("Abort"), {}, [this] { close(); }) }));
}

void FunctionLinkDialog::activated() { m_nameEdit->setText(functionNameShown(context().wizard)); }

void FunctionLinkDialog::ok()
{
    writeAndClose(functionLinkCode(m_nameEdit->text(), m_onClickOnlyCheck->isChecked(), editor().selText()));
}
