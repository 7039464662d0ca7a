#include "tools/ConvertHtmlWindow.h"

#include "editor/WriteQuestions.h"

#include "editor/CodeEditor.h"
#include "platform/CommandBoundary.h"
#include "platform/Prompter.h"
#include "platform/WidgetHelpers.h"
#include "shared/RelativePath.h"
#include "tools/HtmlConversion.h"
#include "tools/TextAreaActions.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

const QString ConvertHtmlWindow::kNeverSaved = QStringLiteral("File has never been saved");

namespace {

const QString kCaption = QStringLiteral("Make HTML Viewable");

// Replaces a work area's text as one undo step, keeping its modified flag honest.
void replaceAll(QPlainTextEdit* text, const QString& replacement)
{
    QTextCursor cursor(text->document());
    cursor.select(QTextCursor::Document);
    cursor.insertText(replacement);
}

} // namespace

ConvertHtmlWindow::ConvertHtmlWindow(CodeEditor& editor, Prompter& prompter, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_editor(editor)
    , m_prompter(prompter, this)
    , m_fileNameEdit(new QLineEdit(kNeverSaved, this))
    , m_workText(new QPlainTextEdit(this))
{
    setObjectName("convertHtmlWindow");
    closeOnEscape(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(kCaption);
    resize(640, 480);
    m_fileNameEdit->setObjectName("fileNameEdit");
    m_fileNameEdit->setReadOnly(true);
    m_workText->setObjectName("workText");
    m_workText->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_workText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_workText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto* convertButton = new QPushButton(QStringLiteral("Convert HTML"), this);
    convertButton->setObjectName("convertHtmlButton");
    auto* breaksButton = new QPushButton(QStringLiteral("Add line breaks"), this);
    breaksButton->setObjectName("addLineBreaksButton");
    auto* okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName("okButton");
    auto* closeButton = new QPushButton(QStringLiteral("Close"), this);
    closeButton->setObjectName("closeButton");

    auto* menus = new QMenuBar(this);
    QMenu* file = menus->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Open ..."), this, &ConvertHtmlWindow::openFile)->setObjectName("openAction");
    file->addAction(QStringLiteral("Save &As"), this, &ConvertHtmlWindow::saveAs)->setObjectName("saveAsAction");
    file->addAction(QStringLiteral("E&xit"), this, &QWidget::close)->setObjectName("exitAction");
    TextAreaActions::make(this, m_workText, QStringLiteral("Select All"))
        .addTo(menus->addMenu(QStringLiteral("&Edit")));
    QMenu* operations = menus->addMenu(QStringLiteral("&Operations"));
    operations->addAction(QStringLiteral("Convert HTML"), this, &ConvertHtmlWindow::convertHtml)
        ->setObjectName("convertHtmlAction");
    operations->addAction(QStringLiteral("Add line breaks"), this, &ConvertHtmlWindow::addLineBreaks)
        ->setObjectName("addLineBreaksAction");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(convertButton);
    buttons->addWidget(breaksButton);
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menus);
    layout->addWidget(m_fileNameEdit);
    layout->addWidget(m_workText, 1);
    layout->addLayout(buttons);

    connect(convertButton, &QPushButton::clicked, this, &ConvertHtmlWindow::convertHtml);
    connect(breaksButton, &QPushButton::clicked, this, &ConvertHtmlWindow::addLineBreaks);
    connect(okButton, &QPushButton::clicked, this, &ConvertHtmlWindow::ok);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    // Filled at once too, in case the window manager never activates it.
    fillFromEditor();
}

void ConvertHtmlWindow::fillFromEditor()
{
    const QString text = m_editor.selLength() != 0 ? m_editor.selText() : m_editor.text();
    m_workText->setPlainText(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
}

void ConvertHtmlWindow::convertHtml()
{
    const WaitCursor wait;
    replaceAll(m_workText, escapeHtml(m_workText->toPlainText()));
}

void ConvertHtmlWindow::addLineBreaks()
{
    replaceAll(m_workText, ::addLineBreaks(m_workText->toPlainText().split(QLatin1Char('\n'))).join(QLatin1Char('\n')));
}

void ConvertHtmlWindow::ok()
{
    m_workText->selectAll();
    QApplication::clipboard()->setText(m_workText->toPlainText());
    close();
}

template <typename F> auto ConvertHtmlWindow::prompt(F&& ask)
{
    m_inPrompt = true;
    auto answer = ask();
    m_inPrompt = false;
    return answer;
}

void ConvertHtmlWindow::openFile()
{
    runCommand(m_prompter, [this] {
        Prompter::FileDialog dialog { QStringLiteral("Open"), {}, {}, QDir::currentPath(), {}, false, true };
        const std::optional<QString> path = prompt([&] { return m_prompter.openFile(dialog); });
        if (!path) return;
        m_workText->setPlainText(m_file.load(*path));
        showFile(*path);
    });
}

void ConvertHtmlWindow::saveAs()
{
    runCommand(m_prompter, [this] {
        const bool exists = !m_fileName.isEmpty() && QFileInfo::exists(m_fileName);
        Prompter::FileDialog dialog { QStringLiteral("Save As"), {}, {},
            directoryOf(exists ? m_fileName : QString()),
            exists ? QFileInfo(m_fileName).fileName() : QString(), true, false };
        const std::optional<QString> path = prompt([&] { return m_prompter.saveFile(dialog); });
        if (!path) return;
        if (!writeAsked(m_prompter, m_file, *path, m_workText->toPlainText().split(QLatin1Char('\n')))) return;
        showFile(*path);
    });
}

void ConvertHtmlWindow::showFile(const QString& path)
{
    m_fileName = path;
    m_fileNameEdit->setText(QDir::toNativeSeparators(path));
    setWindowTitle(QStringLiteral("Convert HTML tags ... ") + QDir::toNativeSeparators(path));
}

void ConvertHtmlWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange) {
        // Coming back from another window takes the editor's text again; coming back from one of
        // this window's own dialogs must not throw away what the dialog just loaded.
        if (!isActiveWindow())
            m_backFromPrompt = m_inPrompt;
        else if (m_backFromPrompt)
            m_backFromPrompt = false;
        else
            fillFromEditor();
    }
    QWidget::changeEvent(event);
}
