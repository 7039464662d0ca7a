#include "main/EditingAids.h"

#include "editor/CodeEditor.h"
#include "main/LineSort.h"
#include "platform/Prompter.h"
#include "platform/WidgetHelpers.h"
#include "shared/SettingsFiles.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace EditingAids {

void goToLine(CodeEditor& editor, Prompter& prompter, const QString& lineNumberText)
{
    if (!SettingsFiles::isStrANumber(lineNumberText)) {
        prompter.message(
            QStringLiteral("Please enter a valid whole \r\nnumber, greater than zero, \r\nso I can go to that line."),
            Prompter::Icon::None, Prompter::Ok);
        return;
    }
    const int n = lineNumberText.toInt();
    const int count = editor.lineCount();
    if (n <= 0) {
        prompter.message(QStringLiteral("Entering zero will take you to the end of the document."),
            Prompter::Icon::None, Prompter::Ok);
        editor.setSelStart(editor.charCount());
    } else if (n > count + 1) {
        prompter.message(
            QStringLiteral(
                "As there are only %1 lines on this page, I cannot go to line %2\r\n. But I will go to the end.")
                .arg(count)
                .arg(n),
            Prompter::Icon::None, Prompter::Ok);
        editor.setSelStart(editor.charCount());
    } else if (n == count + 1) {
        editor.setSelStart(editor.charCount());
    } else {
        editor.setSelLine(n - 1);
    }
    editor.scrollInView();
}

void findMatchingBrace(CodeEditor& editor, Prompter& prompter)
{
    const QString selected = editor.selText();
    if (selected.isEmpty()) return;
    const int low = std::min(editor.selStart(), editor.selStart() + editor.selLength());
    const bool after = selected.contains(QLatin1Char('{'));
    if (!after && !selected.contains(QLatin1Char('}'))) {
        prompter.message(QStringLiteral("Please select a brace to match."), Prompter::Icon::None, Prompter::Ok);
        return;
    }
    int found = -1;
    {
        const WaitCursor wait;
        // One copy of the text: reading it character by character through the editor would be slow.
        const QString text = editor.text();
        const int p = int(selected.indexOf(after ? QLatin1Char('{') : QLatin1Char('}'))) + 1;
        if (after) {
            const int b = low + p;
            editor.setSelStart(b);
            editor.setSelLength(1);
            int depth = 1;
            for (int i = b; i < text.size(); ++i) {
                depth += text[i] == QLatin1Char('{') ? 1 : text[i] == QLatin1Char('}') ? -1 : 0;
                if (depth == 0) {
                    found = i;
                    break;
                }
            }
        } else {
            editor.setSelStart(low + p - 2);
            editor.setSelLength(1);
            int depth = 1;
            for (int i = editor.selStart(); i >= 0; --i) {
                depth += text[i] == QLatin1Char('}') ? 1 : text[i] == QLatin1Char('{') ? -1 : 0;
                if (depth == 0) {
                    found = i;
                    break;
                }
            }
        }
    }
    if (found < 0) {
        prompter.message(QStringLiteral("Couldn't find a match!"), Prompter::Icon::None, Prompter::Ok);
        return;
    }
    editor.setSelStart(found);
    editor.setSelLength(1);
    editor.scrollInView();
    editor.setFocus();
}

void sortSelection(CodeEditor& editor, Prompter& prompter, bool descending)
{
    const QString selected = editor.selText();
    if (selected.isEmpty()) {
        prompter.message(descending ? QStringLiteral("Please select some lines to sort")
                                    : QStringLiteral("Please select some lines of text to sort"),
            Prompter::Icon::None, Prompter::Ok);
        return;
    }
    editor.setSelText(sortLines(selected, descending));
}

} // namespace EditingAids

FindReplaceDialog::FindReplaceDialog(Kind kind, QWidget* parent)
    : QDialog(parent)
    , m_kind(kind)
{
    setWindowTitle(kind == Kind::Find ? QStringLiteral("Find") : QStringLiteral("Replace"));
    setModal(false);
    setObjectName(kind == Kind::Find ? QStringLiteral("findDialog") : QStringLiteral("replaceDialog"));
    auto* form = new QFormLayout;
    m_findEdit = new QLineEdit;
    m_findEdit->setObjectName(QStringLiteral("findTextEdit"));
    form->addRow(QStringLiteral("Fi&nd what:"), m_findEdit);
    if (kind == Kind::Replace) {
        m_replaceEdit = new QLineEdit;
        m_replaceEdit->setObjectName(QStringLiteral("replaceTextEdit"));
        form->addRow(QStringLiteral("Re&place with:"), m_replaceEdit);
    }
    m_wholeWord = new QCheckBox(QStringLiteral("Match &whole word only"));
    m_matchCase = new QCheckBox(QStringLiteral("Match &case"));
    auto* options = new QVBoxLayout;
    options->addWidget(m_wholeWord);
    options->addWidget(m_matchCase);
    auto* row = new QHBoxLayout;
    row->addLayout(options);
    if (kind == Kind::Find) {
        auto* direction = new QGroupBox(QStringLiteral("Direction"));
        auto* up = new QRadioButton(QStringLiteral("&Up"));
        m_down = new QRadioButton(QStringLiteral("&Down"));
        m_down->setChecked(true);
        auto* dl = new QHBoxLayout(direction);
        dl->addWidget(up);
        dl->addWidget(m_down);
        row->addWidget(direction);
    } else {
        m_matchCase->setChecked(true);
    }
    auto* buttons = new QVBoxLayout;
    auto* findNext = new QPushButton(QStringLiteral("&Find Next"));
    findNext->setObjectName(QStringLiteral("findNextButton"));
    findNext->setDefault(true);
    connect(findNext, &QPushButton::clicked, this, &FindReplaceDialog::findNextRequested);
    buttons->addWidget(findNext);
    if (kind == Kind::Replace) {
        auto* replace = new QPushButton(QStringLiteral("&Replace"));
        replace->setObjectName(QStringLiteral("replaceButton"));
        connect(replace, &QPushButton::clicked, this, [this] { emit replaceRequested(false); });
        auto* replaceAll = new QPushButton(QStringLiteral("Replace &All"));
        replaceAll->setObjectName(QStringLiteral("replaceAllButton"));
        connect(replaceAll, &QPushButton::clicked, this, [this] { emit replaceRequested(true); });
        buttons->addWidget(replace);
        buttons->addWidget(replaceAll);
    }
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto* left = new QVBoxLayout;
    left->addLayout(form);
    left->addLayout(row);
    auto* top = new QHBoxLayout(this);
    top->addLayout(left);
    top->addLayout(buttons);
}

QString FindReplaceDialog::findText() const { return m_findEdit->text(); }
void FindReplaceDialog::setFindText(const QString& text) { m_findEdit->setText(text); }
QString FindReplaceDialog::replaceText() const { return m_replaceEdit ? m_replaceEdit->text() : QString(); }
void FindReplaceDialog::setReplaceText(const QString& text)
{
    if (m_replaceEdit) m_replaceEdit->setText(text);
}
bool FindReplaceDialog::matchCase() const { return m_matchCase->isChecked(); }
void FindReplaceDialog::setMatchCase(bool on) { m_matchCase->setChecked(on); }
bool FindReplaceDialog::wholeWord() const { return m_wholeWord->isChecked(); }
void FindReplaceDialog::setWholeWord(bool on) { m_wholeWord->setChecked(on); }
bool FindReplaceDialog::searchDown() const { return !m_down || m_down->isChecked(); }
void FindReplaceDialog::setSearchDown(bool down)
{
    if (m_down) (down ? m_down : findChild<QRadioButton*>())->setChecked(true);
}

FindReplace::FindReplace(CodeEditor& editor, Prompter& prompter, QWidget* window)
    : QObject(window)
    , m_editor(editor)
    , m_prompter(prompter)
    , m_window(window)
    , m_find(new FindReplaceDialog(FindReplaceDialog::Kind::Find, window))
    , m_replace(new FindReplaceDialog(FindReplaceDialog::Kind::Replace, window))
{
    connect(m_find, &FindReplaceDialog::findNextRequested, this, &FindReplace::findNext);
    connect(m_replace, &FindReplaceDialog::findNextRequested, this, [this] {
        if (replaceDialogFind()) m_editor.setFocus();
    });
    connect(m_replace, &FindReplaceDialog::replaceRequested, this, &FindReplace::replace);
}

void FindReplace::place(FindReplaceDialog* dialog)
{
    const QRect frame = m_window->frameGeometry();
    dialog->move(frame.left() + frame.width() / 2, frame.top());
    if (!m_editor.selText().isEmpty()) dialog->setFindText(m_editor.selText());
    bringToFront(dialog);
}

void FindReplace::showFind()
{
    QApplication::processEvents();
    place(m_find);
}

void FindReplace::showReplace() { place(m_replace); }

void FindReplace::endOfPage()
{
    const auto answer = m_prompter.message(
        QStringLiteral("End of the page. \r\n%1 occurrences.\r\nShall I go to the start?").arg(m_count),
        Prompter::Icon::Confirmation, Prompter::Yes | Prompter::No);
    if (answer == Prompter::Yes) {
        m_editor.setSelStart(0);
        m_editor.scrollInView();
    }
    m_count = 0;
}

void FindReplace::findNext()
{
    if (m_editor.findText(m_find->findText(), m_find->searchDown(), m_find->matchCase(), m_find->wholeWord())) {
        m_editor.scrollInView();
        ++m_count;
    } else {
        endOfPage();
    }
    m_editor.setFocus();
}

bool FindReplace::replaceDialogFind()
{
    if (m_editor.findText(m_replace->findText(), true, m_replace->matchCase(), m_replace->wholeWord())) {
        m_editor.scrollInView();
        ++m_count;
        return true;
    }
    endOfPage();
    return false;
}

void FindReplace::replace(bool all)
{
    do {
        if (m_editor.selText() != m_replace->findText()) {
            if (!replaceDialogFind()) return;
            m_editor.setFocus();
        }
        if (m_editor.selText().isEmpty()) return;
        m_editor.setSelText(m_replace->replaceText());
        m_editor.scrollInView();
        m_editor.setFocus();
    } while (all);
}
