#include "wizards/WindowDialog.h"

#include "platform/CommandBoundary.h"
#include "platform/Prompter.h"
#include "shared/RelativePath.h"
#include "shared/WizardState.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QVBoxLayout>
#include <limits>

namespace {

const QString kNotSavedQuestion = QStringLiteral(
    "Main file has not been saved, \r\nso I won't be able to compute a relative path. \r\nYou are highly recommended "
    "to choose Yes to save \r\nthis file.\r\nIf you choose No, then I will enter an absolute path \r\nfor the file you "
    "select (not recommended). \r\nIn which case, please edit the filepath, in the box, or later.\r\nClick Yes to "
    "save.");

const QString kCloseWindowButton
    = QStringLiteral("\r\n<form>\r\n<input type=button value=Close onClick=window.close()>\r\n</form>\r\n");

// The dialog's own captions for the features, in the fixed order of the code.
const char* const kFeatureCaptions[kWindowFeatureCount]
    = { "Toolbar", "Menubar", "Resizable", "Status", "Directories", "Scrollbars", "Location" };
const char* const kFeatureNames[kWindowFeatureCount] = { "toolbarCheck", "menubarCheck", "resizableCheck",
    "statusCheck", "directoriesCheck", "scrollbarsCheck", "locationCheck" };

QSpinBox* sizeSpin(QWidget* parent, const char* name)
{
    auto* box = named(new QSpinBox(parent), name);
    box->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    box->setValue(400);
    return box;
}

} // namespace

WindowDialog::WindowDialog(const FeatureContext& context)
    : WizardWindow(context, QStringLiteral("Windows Dialogue"), QStringLiteral("windowDialog"))
    , m_contentsEdit(named(new CodeEditor(this), "contentsEdit",
          QStringLiteral("The HTML that Write to Window writes into the new window")))
    , m_codeViewer(named(new CodeViewer(this), "codeViewer", QStringLiteral("The code that OK writes")))
    , m_writeToWindowCheck(checkBox("writeToWindowCheck", QStringLiteral("Write to Window"), false,
          QStringLiteral("Write the Window Contents into the new window")))
    , m_existingFileCheck(checkBox("existingFileCheck", QStringLiteral("Use existing file"), true,
          QStringLiteral("Show an existing file in the new window")))
    , m_existingFileEdit(lineEdit("existingFileEdit", QStringLiteral("MyExistingWindow.htm"),
          QStringLiteral("The file to show, relative to your document")))
    , m_sizeCheck(checkBox(
          "sizeCheck", QStringLiteral("Use Height and Width"), true, QStringLiteral("Give the new window this size")))
    , m_heightSpin(sizeSpin(this, "heightSpin"))
    , m_widthSpin(sizeSpin(this, "widthSpin"))
    , m_functionEdit(
          lineEdit("functionEdit", kInitialFunctionName, QStringLiteral("The function's name, with its brackets")))
    , m_windowNameEdit(lineEdit("windowNameEdit", QStringLiteral("win1"),
          QStringLiteral("The name the code uses for the new window (not a file name)")))
    , m_textLinkCheck(checkBox("textLinkCheck", QStringLiteral("Use a text link"), false,
          QStringLiteral("Add a text link that opens the window")))
    , m_linkTextEdit(lineEdit("linkTextEdit", QStringLiteral("Link to my window"), QStringLiteral("The link's text")))
    , m_formButtonCheck(checkBox("formButtonCheck", QStringLiteral("Use a Form Button"), false,
          QStringLiteral("Add a form button that opens the window")))
    , m_buttonTextEdit(lineEdit("buttonTextEdit", QStringLiteral("Open Window"), QStringLiteral("The button's text")))
    , m_contentsMenu(new QMenu(this))
{
    m_contentsEdit->setWordWrap(false);
    m_contentsEdit->setText(kDefaultWindowContents.join("\r\n"));
    m_contentsEdit->setModified(false);
    const WindowOptions defaults;
    for (int f = 0; f < kWindowFeatureCount; ++f)
        m_featureChecks[f] = checkBox(kFeatureNames[f], QLatin1String(kFeatureCaptions[f]), defaults.features[f],
            QStringLiteral("A feature of the new window"));

    // Writing into the window and loading a file exclude each other.
    connect(m_writeToWindowCheck, &QCheckBox::toggled, this, [this](bool on) {
        if (on) m_existingFileCheck->setChecked(false);
    });
    connect(m_existingFileCheck, &QCheckBox::toggled, this, [this](bool on) {
        if (on) m_writeToWindowCheck->setChecked(false);
    });

    m_contentsMenu->setObjectName(QStringLiteral("contentsMenu"));
    m_contentsMenu->addAction(QStringLiteral("Cu&t"), m_contentsEdit, &CodeEditor::cutToClipboard);
    m_contentsMenu->addAction(QStringLiteral("&Copy"), m_contentsEdit, &CodeEditor::copyToClipboard);
    m_contentsMenu->addAction(QStringLiteral("&Paste"), m_contentsEdit, &CodeEditor::pasteFromClipboard);
    m_contentsMenu->addSeparator();
    m_contentsMenu->addAction(
        QStringLiteral("Insert Close Window Button"), this, &WindowDialog::insertCloseWindowButton);
    m_contentsMenu->addAction(QStringLiteral("Open File ..."), this, &WindowDialog::openFile);
    m_contentsMenu->addAction(QStringLiteral("C&lear this window"), this, &WindowDialog::clearContents);
    m_contentsEdit->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_contentsEdit, &QWidget::customContextMenuRequested, this,
        [this](const QPoint& at) { m_contentsMenu->popup(m_contentsEdit->viewport()->mapToGlobal(at)); });

    auto* texts = new QGridLayout;
    texts->addWidget(new QLabel(QStringLiteral("Window Contents (HTML)")), 0, 0);
    texts->addWidget(new QLabel(QStringLiteral("Code Viewer")), 0, 1);
    texts->addWidget(m_contentsEdit, 1, 0);
    texts->addWidget(m_codeViewer, 1, 1);
    auto* contentButtons = new QHBoxLayout;
    contentButtons->addWidget(button("openFileButton", QStringLiteral("Open File"),
        QStringLiteral("Load the Window Contents from a file"), [this] { openFile(); }));
    contentButtons->addWidget(button("clearButton", QStringLiteral("Clear"),
        QStringLiteral("Empty the Window Contents"), [this] { clearContents(); }));
    contentButtons->addStretch();
    texts->addLayout(contentButtons, 2, 0);

    auto* options = new QGridLayout;
    options->addWidget(m_writeToWindowCheck, 0, 0);
    options->addWidget(m_existingFileCheck, 1, 0);
    options->addWidget(m_existingFileEdit, 2, 0, 1, 2);
    options->addWidget(button("getFilenameButton", QStringLiteral("Get Filename"),
                           QStringLiteral("Choose the file for the new window"), [this] { getFilename(); }),
        2, 2);
    for (int f = 0; f < kWindowFeatureCount; ++f)
        options->addWidget(m_featureChecks[f], 3 + f / 4, f % 4);
    options->addWidget(m_sizeCheck, 5, 0);
    options->addWidget(new QLabel(QStringLiteral("Height")), 5, 1);
    options->addWidget(m_heightSpin, 5, 2);
    options->addWidget(new QLabel(QStringLiteral("Width")), 5, 3);
    options->addWidget(m_widthSpin, 5, 4);
    options->addWidget(new QLabel(QStringLiteral("Function Name")), 6, 0);
    options->addWidget(m_functionEdit, 6, 1, 1, 2);
    options->addWidget(new QLabel(QStringLiteral("Window Name")), 7, 0);
    options->addWidget(m_windowNameEdit, 7, 1, 1, 2);
    options->addWidget(m_textLinkCheck, 8, 0);
    options->addWidget(m_linkTextEdit, 8, 1, 1, 2);
    options->addWidget(m_formButtonCheck, 9, 0);
    options->addWidget(m_buttonTextEdit, 9, 1, 1, 2);

    auto* actions = new QHBoxLayout;
    actions->addStretch();
    actions->addWidget(button("updateButton", QStringLiteral("Update Code"),
        QStringLiteral("Show the code in the viewer"), [this] { updateCode(); }));
    actions->addWidget(okButton([this] { ok(); }));
    actions->addWidget(cancelButton());

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(texts, 1);
    layout->addLayout(options);
    layout->addLayout(actions);
    layout->addWidget(makeHintPanel());
    resize(760, 640);
}

WindowOptions WindowDialog::options() const
{
    WindowOptions o;
    o.contents = m_contentsEdit->text();
    o.writeToWindow = m_writeToWindowCheck->isChecked();
    o.useExistingFile = m_existingFileCheck->isChecked();
    o.existingFile = m_existingFileEdit->text();
    for (int f = 0; f < kWindowFeatureCount; ++f)
        o.features[f] = m_featureChecks[f]->isChecked();
    o.useSize = m_sizeCheck->isChecked();
    o.height = m_heightSpin->value();
    o.width = m_widthSpin->value();
    o.functionName = m_functionEdit->text();
    o.windowName = m_windowNameEdit->text();
    o.textLink = m_textLinkCheck->isChecked();
    o.linkText = m_linkTextEdit->text();
    o.formButton = m_formButtonCheck->isChecked();
    o.buttonText = m_buttonTextEdit->text();
    return o;
}

void WindowDialog::showOptions(const WindowOptions& o)
{
    m_existingFileEdit->setText(o.existingFile);
    m_functionEdit->setText(o.functionName);
    m_windowNameEdit->setText(o.windowName);
    m_linkTextEdit->setText(o.linkText);
    m_buttonTextEdit->setText(o.buttonText);
}

void WindowDialog::activated() { m_codeViewer->clear(); }

void WindowDialog::updateCode()
{
    WindowOptions o = options();
    if (windowContentsHaveScript(o)) prompter().message(kWindowScriptWarning, Prompter::Icon::None, Prompter::Ok);
    m_codeViewer->clear();
    o = withWindowDefaults(o);
    showOptions(o);
    writeWindowCode(o, *m_codeViewer);
}

void WindowDialog::ok()
{
    updateCode();
    editor().setSelText(m_codeViewer->text());
    const QString name = m_functionEdit->text();
    if (context().wizard && !name.isEmpty() && name != kInitialFunctionName) context().wizard->functionName = name;
    close();
}

std::optional<QString> WindowDialog::askForFile()
{
    Prompter::FileDialog dialog;
    dialog.filter = QStringLiteral("Internet Files |*.htm*|All Files|*.*");
    dialog.defaultExtension = QStringLiteral("htm");
    dialog.mustExist = true;
    return prompter().openFile(dialog);
}

void WindowDialog::openFile()
{
    const std::optional<QString> file = askForFile();
    if (!file) return;
    runCommand(prompter(), [&] {
        m_contentsEdit->loadFromFile(*file);
        m_contentsEdit->setModified(false);
    });
}

void WindowDialog::clearContents() { m_contentsEdit->clear(); }

void WindowDialog::insertCloseWindowButton()
{
    m_contentsEdit->setSelText(m_contentsEdit->selText() + kCloseWindowButton);
}

void WindowDialog::getFilename()
{
    const auto documentFile = [this] { return context().documentFileName ? context().documentFileName() : QString(); };
    if (!QFileInfo::exists(documentFile())
        && prompter().message(kNotSavedQuestion, Prompter::Icon::Warning, Prompter::Yes | Prompter::No) == Prompter::Yes
        && context().save)
        context().save();
    const std::optional<QString> file = askForFile();
    if (!file) return;
    // Without a saved document there is nothing to measure from: the full path it is.
    const QString document = documentFile();
    m_existingFileEdit->setText(webby(QFileInfo::exists(document) ? extractRelativePath(document, *file) : *file));
}
