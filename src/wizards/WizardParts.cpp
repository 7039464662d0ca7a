#include "wizards/WizardParts.h"

#include "editor/TagInsertion.h"
#include "platform/HintRouter.h"
#include "shared/HexColour.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

CodeViewer::CodeViewer(QWidget* parent)
    : CodeEditor(parent)
{
    setReadOnly(true);
    setWordWrap(false);
}

void CodeViewer::insertTheTagsFunction(const QString& start, const QString& end) { insertTheTags(*this, start, end); }

void CodeViewer::append(const QString& text)
{
    setSelStart(charCount());
    setSelText(text);
}

void EditorTarget::wrap(const QString& start, const QString& end) { insertTheTags(m_editor, start, end); }

void EditorTarget::append(const QString& text)
{
    m_editor.setSelStart(m_editor.charCount());
    m_editor.setSelText(text);
}

ColourButton::ColourButton(Prompter& prompter, const QString& caption, QWidget* parent)
    : QPushButton(caption, parent)
{
    connect(this, &QPushButton::clicked, this, [this, &prompter] { emit colourChosen(hexcolor(prompter)); });
}

WizardWindow::WizardWindow(const FeatureContext& context, const QString& caption, const QString& name)
    // Above the main window by ownership, never above every other program.
    : QDialog(context.window, Qt::Dialog)
    , m_context(context)
{
    setObjectName(name);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
}

QPlainTextEdit* WizardWindow::makeHintPanel()
{
    m_hintPanel = new QPlainTextEdit(this);
    m_hintPanel->setObjectName(QStringLiteral("hintPanel"));
    m_hintPanel->setReadOnly(true);
    m_hintPanel->setFocusPolicy(Qt::NoFocus);
    m_hintPanel->setMaximumHeight(m_hintPanel->fontMetrics().lineSpacing() * 3);
    if (HintRouter* router = HintRouter::instance()) router->registerWindow(this, m_hintPanel);
    return m_hintPanel;
}

QPushButton* WizardWindow::makeButton(const char* name, const QString& caption, const QString& hint)
{
    auto* b = named(new QPushButton(caption, this), name, hint);
    b->setAutoDefault(false);
    return b;
}

QCheckBox* WizardWindow::checkBox(const char* name, const QString& caption, bool checked, const QString& hint)
{
    auto* box = named(new QCheckBox(caption, this), name, hint);
    box->setChecked(checked);
    return box;
}

QLineEdit* WizardWindow::lineEdit(const char* name, const QString& text, const QString& hint)
{
    return named(new QLineEdit(text, this), name, hint);
}

void WizardWindow::writeAndClose(const QString& text)
{
    editor().setSelText(text);
    close();
}

void WizardWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange) {
        if (!isActiveWindow()) {
            if (m_asking) m_backFromQuestion = true;
        } else if (m_backFromQuestion) {
            m_backFromQuestion = false;
        } else {
            activated();
        }
    }
    QDialog::changeEvent(event);
}

void WizardWindow::closeEvent(QCloseEvent* event)
{
    if (m_context.editor) m_context.editor->setFocus();
    event->accept();
}
