#include "sitetools/SiteParts.h"

#include "editor/CodeEditor.h"
#include "editor/TextFile.h"
#include "platform/BrowserView.h"
#include "platform/HintRouter.h"
#include "platform/Prompter.h"
#include "platform/WidgetHelpers.h"
#include "shared/TempPages.h"
#include "sitetools/SiteWalk.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

std::optional<QString> chooseSiteDirectory(Prompter& prompter, const QString& startDir)
{
    return prompter.chooseDirectory(QStringLiteral("Select a Directory"), startDir);
}

void CheckPoints::processEvents() { QCoreApplication::processEvents(); }

CancelWindow::CancelWindow(const QString& caption, bool cancelOnClose, QWidget* parent)
    : QWidget(parent, Qt::Tool)
    , m_label(named(new QLabel(this), "verifyingLabel"))
    , m_cancelButton(named(new QPushButton(QStringLiteral("Cancel"), this), "cancelButton"))
    , m_cancelOnClose(cancelOnClose)
{
    setObjectName("cancelWindow");
    setWindowTitle(caption);
    m_label->setTextFormat(Qt::PlainText);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(m_cancelButton, 0, Qt::AlignHCenter);
    connect(m_cancelButton, &QPushButton::clicked, this, [this] {
        emit cancelled();
        hide();
    });
}

void CancelWindow::closeEvent(QCloseEvent* event)
{
    if (m_cancelOnClose) emit cancelled();
    QWidget::closeEvent(event);
}

PickList::PickList(const QString& name, QWidget* parent)
    : QListWidget(parent)
{
    setObjectName(name);
}

void PickList::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    QListWidget::mousePressEvent(event);
    m_pressedRow = indexAt(event->position().toPoint()).row();
}

void PickList::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    QListWidget::mouseReleaseEvent(event);
    const int row = indexAt(event->position().toPoint()).row();
    if (row >= 0 && row == m_pressedRow) emit picked(row);
    m_pressedRow = -1;
}

void PickList::keyPressEvent(QKeyEvent* event)
{
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != before && currentRow() >= 0) emit picked(currentRow());
}

CodePane::CodePane(const QString& family, int size, bool sizeBox, QWidget* parent)
    : QWidget(parent)
    , m_editor(named(new CodeEditor(this), "codePane"))
{
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(size);
    m_editor->setFont(font);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (sizeBox) {
        m_fontSizeBox = named(new QSpinBox(this), "fontSizeBox");
        m_fontSizeBox->setRange(8, 14);
        m_fontSizeBox->setValue(size);
        m_fontSizeBox->findChild<QLineEdit*>()->setReadOnly(true);
        m_fontSizeBox->setStatusTip(QStringLiteral("Font size of the code"));
        connect(m_fontSizeBox, &QSpinBox::valueChanged, this, [this](int points) {
            QFont font = m_editor->font();
            font.setPointSize(points);
            m_editor->setFont(font);
        });
        auto* row = new QHBoxLayout;
        row->addStretch();
        row->addWidget(new QLabel(QStringLiteral("Font size"), this));
        row->addWidget(m_fontSizeBox);
        layout->addLayout(row);
    }
    layout->addWidget(m_editor, 1);
}

ViewerTab::ViewerTab(const std::function<BrowserView*(QWidget*)>& makeBrowser, QWidget* parent)
    : QWidget(parent)
    , m_browser(named(makeBrowser(this), "viewer"))
    , m_addressEdit(named(new QLineEdit(this), "viewerAddressEdit"))
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_addressEdit);
    layout->addWidget(m_browser, 1);
}

void ViewerTab::showPage(const QString& currentFile, const CodeEditor& pane)
{
    const QString directory = pageDirectory(currentFile);
    // Marked as ours, so a user's own 1view.htm is never overwritten or deleted.
    const QString temporary
        = TempPages::pathFor(directory.isEmpty() ? QDir::currentPath() : directory, QStringLiteral("1view.htm"));
    QStringList lines = pane.lines();
    lines.prepend(TempPages::markerLine(temporary));
    writeTextFile(temporary, lines, pane.textFormat());
    m_written = temporary;
    m_browser->navigate(temporary);
    m_addressEdit->setText(pane.isModified() ? QStringLiteral("Temp view of ") + currentFile : currentFile);
}

void ViewerTab::removePage()
{
    if (!m_written.isEmpty()) TempPages::removeIfOwn(m_written);
    m_written.clear();
}

QPlainTextEdit* makeHintBox(QWidget* window)
{
    auto* box = named(new QPlainTextEdit(window), "hintBox");
    box->setReadOnly(true);
    box->setMaximumHeight(box->fontMetrics().lineSpacing() * 3);
    box->setStatusTip(QStringLiteral("Hints appear here. "));
    if (HintRouter* router = HintRouter::instance()) router->registerWindow(window, box);
    return box;
}

QWidget* labelled(const QString& text, QWidget* widget, QWidget* parent)
{
    auto* box = new QWidget(parent);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(text, box);
    label->setTextFormat(Qt::PlainText);
    layout->addWidget(label);
    layout->addWidget(widget, 1);
    return box;
}
