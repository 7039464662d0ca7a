#include "sitetools/PaneSearch.h"

#include "editor/CodeEditor.h"
#include "editor/WordRules.h"
#include "platform/Prompter.h"

#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

PaneSearch::PaneSearch(CodeEditor& pane, Prompter& prompter, QObject* parent)
    : QObject(parent)
    , m_pane(pane)
    , m_prompter(prompter)
{ }

void PaneSearch::open(bool replacing)
{
    delete m_dialog;
    m_replacing = replacing;
    m_dialog = new QDialog(m_pane.window());
    m_dialog->setObjectName(replacing ? "replaceDialog" : "findDialog");
    m_dialog->setAttribute(Qt::WA_DeleteOnClose);
    m_dialog->setWindowTitle(replacing ? QStringLiteral("Replace") : QStringLiteral("Find"));
    m_findEdit = new QLineEdit(m_pane.selText(), m_dialog);
    m_findEdit->setObjectName("findEdit");
    m_replaceEdit = new QLineEdit(m_dialog);
    m_replaceEdit->setObjectName("replaceEdit");
    m_matchCase = new QCheckBox(QStringLiteral("Match &case"), m_dialog);
    m_wholeWord = new QCheckBox(QStringLiteral("Match &whole word only"), m_dialog);
    auto* findButton = new QPushButton(QStringLiteral("&Find Next"), m_dialog);
    findButton->setDefault(true);
    auto* layout = new QGridLayout(m_dialog);
    layout->addWidget(new QLabel(QStringLiteral("Fi&nd what:"), m_dialog), 0, 0);
    layout->addWidget(m_findEdit, 0, 1);
    layout->addWidget(findButton, 0, 2);
    if (replacing) {
        layout->addWidget(new QLabel(QStringLiteral("Re&place with:"), m_dialog), 1, 0);
        layout->addWidget(m_replaceEdit, 1, 1);
        auto* replaceButton = new QPushButton(QStringLiteral("&Replace"), m_dialog);
        auto* allButton = new QPushButton(QStringLiteral("Replace &All"), m_dialog);
        layout->addWidget(replaceButton, 1, 2);
        layout->addWidget(allButton, 2, 2);
        connect(replaceButton, &QPushButton::clicked, this, &PaneSearch::replace);
        connect(allButton, &QPushButton::clicked, this, &PaneSearch::replaceAll);
    } else {
        m_replaceEdit->hide();
    }
    layout->addWidget(m_matchCase, 2, 0, 1, 2);
    layout->addWidget(m_wholeWord, 3, 0, 1, 2);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), m_dialog);
    layout->addWidget(cancel, 3, 2);
    connect(findButton, &QPushButton::clicked, this, &PaneSearch::findNext);
    connect(cancel, &QPushButton::clicked, m_dialog, &QDialog::close);
    m_dialog->show();
}

void PaneSearch::openFind() { open(false); }
void PaneSearch::openReplace() { open(true); }

void PaneSearch::setFindText(const QString& text)
{
    if (m_findEdit) m_findEdit->setText(text);
}
void PaneSearch::setReplaceText(const QString& text)
{
    if (m_replaceEdit) m_replaceEdit->setText(text);
}
void PaneSearch::setMatchCase(bool on)
{
    if (m_matchCase) m_matchCase->setChecked(on);
}
void PaneSearch::setWholeWord(bool on)
{
    if (m_wholeWord) m_wholeWord->setChecked(on);
}

bool PaneSearch::matchesAt(const QString& text, qsizetype at, qsizetype length) const
{
    // A pane's whole words are runs of letters, digits and underscores, unlike the editor's Find.
    return !m_wholeWord->isChecked() || WordRules::isWholeWordAmongWordCharacters(text, at, length);
}

bool PaneSearch::findFrom(int from)
{
    const QString text = m_pane.text();
    const QString what = m_findEdit->text();
    const Qt::CaseSensitivity cs = m_matchCase->isChecked() ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (qsizetype at = what.isEmpty() ? -1 : text.indexOf(what, from, cs); at >= 0;
         at = text.indexOf(what, at + 1, cs)) {
        if (!matchesAt(text, at, what.size())) continue;
        ++m_count;
        m_pane.setFocus();
        m_pane.setSelStart(int(at));
        m_pane.setSelLength(int(what.size()));
        m_pane.scrollInView();
        return true;
    }
    const Prompter::Button answer = m_prompter.message(QStringLiteral("End of the page. ") + QString::number(m_count)
            + QStringLiteral(" occurrences.") + QStringLiteral("\r\n") + QStringLiteral("Shall I go to the start?"),
        Prompter::Icon::Confirmation, Prompter::Yes | Prompter::No);
    if (answer == Prompter::Yes || m_replacing) m_pane.setSelStart(0);
    m_count = 0;
    return false;
}

bool PaneSearch::findNext()
{
    if (!m_findEdit) return false;
    const int start = m_pane.selStart(), length = m_pane.selLength();
    return findFrom(length == 0 ? 0 : std::max(start, start + length));
}

void PaneSearch::replace()
{
    if (!m_findEdit) return;
    if (m_pane.selText() != m_findEdit->text()) findNext();
    if (m_pane.selLength() != 0) m_pane.setSelText(m_replaceEdit->text());
}

void PaneSearch::replaceAll()
{
    if (!m_findEdit) return;
    if (m_pane.selText() != m_findEdit->text() && !findNext()) return;
    while (m_pane.selLength() != 0) {
        m_pane.setSelText(m_replaceEdit->text());
        if (!findFrom(m_pane.selStart())) break;
    }
}
