#include "tools/ReferenceWindow.h"
#include "tools/TextAreaActions.h"

#include "platform/HintRouter.h"
#include "platform/Prompter.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

ReferenceWindow::ReferenceWindow(const QString& dataDir, Prompter& prompter, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_data(ReferenceData::load(dataDir))
    , m_searchEdit(new QLineEdit(this))
    , m_topicList(new QListWidget(this))
    , m_articleNumberEdit(new QLineEdit(this))
    , m_articleText(new QPlainTextEdit(this))
    , m_hintBox(new QPlainTextEdit(this))
{
    setObjectName("referenceWindow");
    closeOnEscape(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("JavaScript Data"));
    resize(760, 520);
    m_searchEdit->setObjectName("searchEdit");
    m_searchEdit->setStatusTip(QStringLiteral("Type a word and press Enter to find the next topic holding it"));
    m_topicList->setObjectName("topicList");
    m_topicList->setStatusTip(QStringLiteral("Choose a topic to read its article"));
    m_articleNumberEdit->setObjectName("articleNumberEdit");
    m_articleNumberEdit->setReadOnly(true);
    m_articleText->setObjectName("articleText");
    m_articleText->setReadOnly(true);
    m_hintBox->setObjectName("hintBox");
    m_hintBox->setReadOnly(true);
    m_hintBox->setMaximumHeight(m_hintBox->fontMetrics().height() * 3);
    auto* findButton = new QPushButton(QStringLiteral("Find in List"), this);
    findButton->setObjectName("findInListButton");
    findButton->setStatusTip(QStringLiteral("Find the next topic holding the search word"));
    auto* copyButton = new QPushButton(QStringLiteral("Copy Text"), this);
    copyButton->setObjectName("copyTextButton");
    copyButton->setStatusTip(QStringLiteral("Copy the article to the clipboard"));

    auto* left = new QGridLayout;
    left->addWidget(new QLabel(QStringLiteral("Enter a Search Word"), this), 0, 0, 1, 2);
    left->addWidget(m_searchEdit, 1, 0, 1, 2);
    left->addWidget(findButton, 2, 0, 1, 2);
    left->addWidget(new QLabel(QStringLiteral("Article"), this), 3, 0, 1, 2);
    left->addWidget(m_topicList, 4, 0, 1, 2);
    left->addWidget(new QLabel(QStringLiteral("Article No:"), this), 5, 0);
    left->addWidget(m_articleNumberEdit, 5, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(m_articleText, 1);
    right->addWidget(copyButton, 0, Qt::AlignLeft);
    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addLayout(right, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(m_hintBox);

    if (HintRouter* router = HintRouter::instance()) router->registerWindow(this, m_hintBox);
    connect(findButton, &QPushButton::clicked, this, &ReferenceWindow::findInList);
    connect(copyButton, &QPushButton::clicked, this, &ReferenceWindow::copyText);
    connect(m_searchEdit, &QLineEdit::returnPressed, this, &ReferenceWindow::findInList);
    connect(m_searchEdit, &QLineEdit::textChanged, this, &ReferenceWindow::searchWordChanged);
    connect(m_topicList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_quiet) chooseTopic(row);
    });
    // A click on the topic already chosen quietly by a new search word still shows its article.
    connect(m_topicList, &QListWidget::itemClicked, this,
        [this](QListWidgetItem* item) { chooseTopic(m_topicList->row(item)); });

    for (const QString& path : m_data.missingFiles())
        prompter.message(missingFileMessage(path), Prompter::Icon::Error, Prompter::Ok);
    m_topicList->addItems(m_data.topics());
    m_topicList->setCurrentRow(0);
}

QString ReferenceWindow::missingFileMessage(const QString& path)
{
    return QStringLiteral("Can't find file") + path + QStringLiteral("\r\n")
        + QStringLiteral("Please contact technical support");
}

void ReferenceWindow::chooseTopic(int row)
{
    if (row < 0 || row >= m_topicList->count()) return;
    if (m_topicList->currentRow() != row) {
        m_topicList->setCurrentRow(row); // shows the article through the list's signal
        return;
    }
    m_articleNumberEdit->setText(QString::number(row + 1));
    m_articleText->setPlainText(m_data.article(row));
}

void ReferenceWindow::findInList()
{
    const int found = ReferenceData::findTopic(m_data.topics(), m_searchEdit->text(), m_topicList->currentRow());
    if (found >= 0) {
        chooseTopic(found);
        m_topicList->scrollToItem(m_topicList->item(found));
    }
    m_searchEdit->setFocus();
}

void ReferenceWindow::copyText()
{
    QApplication::clipboard()->setText(m_articleText->toPlainText());
    QTextCursor start = m_articleText->textCursor();
    start.movePosition(QTextCursor::Start);
    m_articleText->setTextCursor(start);
}

void ReferenceWindow::lookUp(const QString& wordAtCaret)
{
    m_searchEdit->setText(ReferenceData::lookUpWord(wordAtCaret));
    findInList();
}

void ReferenceWindow::searchWordChanged()
{
    // The next search starts from the top again.
    m_quiet = true;
    m_topicList->setCurrentRow(0);
    m_quiet = false;
}

void ReferenceWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) m_searchEdit->setFocus();
    QWidget::changeEvent(event);
}
