#include "tools/SpellCheckDialog.h"

#include "editor/CodeEditor.h"
#include "platform/CommandBoundary.h"
#include "platform/Prompter.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

const QString SpellCheckDialog::kComplete = QStringLiteral("The spelling check is complete.");
const QString SpellCheckDialog::kNoDictionary
    = QStringLiteral("No spelling dictionary was found. Install a Hunspell dictionary (for example the package "
                     "hunspell-en-us) and check again.");

namespace {

QLabel* buddyLabel(const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

} // namespace

SpellCheckDialog::SpellCheckDialog(CodeEditor& editor, SpellChecker& checker, Prompter& prompter, QWidget* parent)
    : QDialog(parent)
    , m_editor(editor)
    , m_checker(checker)
    , m_prompter(prompter, this)
{
    setWindowTitle(QStringLiteral("Check Spelling"));
    m_wordEdit = new QLineEdit;
    m_wordEdit->setObjectName(QStringLiteral("wordEdit"));
    m_wordEdit->setReadOnly(true);
    m_changeToEdit = new QLineEdit;
    m_changeToEdit->setObjectName(QStringLiteral("changeToEdit"));
    m_suggestionsList = new QListWidget;
    m_suggestionsList->setObjectName(QStringLiteral("suggestionsList"));

    auto* fields = new QGridLayout;
    fields->addWidget(buddyLabel(QStringLiteral("&Not in dictionary:"), m_wordEdit), 0, 0);
    fields->addWidget(m_wordEdit, 0, 1);
    fields->addWidget(buddyLabel(QStringLiteral("Change &to:"), m_changeToEdit), 1, 0);
    fields->addWidget(m_changeToEdit, 1, 1);
    fields->addWidget(buddyLabel(QStringLiteral("&Suggestions:"), m_suggestionsList), 2, 0, Qt::AlignTop);
    fields->addWidget(m_suggestionsList, 2, 1);

    auto* buttons = new QVBoxLayout;
    const auto addButton = [&](const char* name, const QString& caption, const std::function<void()>& action) {
        auto* button = new QPushButton(caption);
        button->setObjectName(QLatin1String(name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, action] { step(action); });
        buttons->addWidget(button);
        return button;
    };
    addButton("ignoreButton", QStringLiteral("&Ignore"), [this] { m_run->ignore(); });
    addButton("ignoreAllButton", QStringLiteral("I&gnore All"), [this] { m_run->ignoreAll(); });
    addButton("changeButton", QStringLiteral("&Change"), [this] {
        apply(m_run->change(m_changeToEdit->text()));
    })->setDefault(true);
    addButton(
        "changeAllButton", QStringLiteral("Change A&ll"), [this] { apply(m_run->changeAll(m_changeToEdit->text())); });
    addButton("addButton", QStringLiteral("&Add"), [this] { m_run->add(); });
    auto* close = new QPushButton(QStringLiteral("Close"));
    close->setObjectName(QStringLiteral("closeButton"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(close);
    buttons->addStretch();

    auto* row = new QHBoxLayout(this);
    row->addLayout(fields, 1);
    row->addLayout(buttons);

    connect(m_suggestionsList, &QListWidget::currentTextChanged, m_changeToEdit, &QLineEdit::setText);
    connect(m_suggestionsList, &QListWidget::itemActivated, this,
        [this] { step([this] { apply(m_run->change(m_changeToEdit->text())); }); });
}

bool SpellCheckDialog::start()
{
    m_run.emplace(m_checker, m_editor.text());
    showCurrent();
    return m_run->current().has_value();
}

void SpellCheckDialog::step(const std::function<void()>& action)
{
    if (!m_run || !m_run->current()) return;
    // A user dictionary that cannot be written is reported; the word stays at hand.
    runCommand(m_prompter, action);
    showCurrent();
}

void SpellCheckDialog::showCurrent()
{
    const auto word = m_run->current();
    if (!word) {
        m_prompter.inform(kComplete);
        accept();
        return;
    }
    m_editor.setSelStart(word->offset);
    m_editor.setSelLength(int(word->text.size()));
    m_editor.scrollInView();
    m_wordEdit->setText(word->text);
    const QStringList suggestions = m_checker.suggestions(word->text);
    {
        const QSignalBlocker quiet(m_suggestionsList);
        m_suggestionsList->clear();
        m_suggestionsList->addItems(suggestions);
        if (!suggestions.isEmpty()) m_suggestionsList->setCurrentRow(0);
    }
    m_changeToEdit->setText(suggestions.isEmpty() ? word->text : suggestions.first());
    m_changeToEdit->selectAll();
    m_changeToEdit->setFocus();
}

void SpellCheckDialog::apply(const QList<TextEdit>& edits)
{
    for (const TextEdit& edit : edits) {
        m_editor.setSelStart(edit.offset);
        m_editor.setSelLength(edit.length);
        m_editor.setSelText(edit.text);
    }
}

void checkSpelling(CodeEditor& editor, Prompter& prompter, QWidget* parent)
{
    const QString dictionary = findDictionary(dictionaryDirs(), QLocale::system().name());
    if (dictionary.isEmpty()) {
        prompter.message(SpellCheckDialog::kNoDictionary, Prompter::Icon::Error, Prompter::Ok);
        return;
    }
    SpellChecker checker(dictionary);
    SpellCheckDialog dialog(editor, checker, prompter, parent);
    if (dialog.start()) dialog.exec();
}
