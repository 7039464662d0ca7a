#include "wizards/PageDialogs.h"

#include "editor/TagInsertion.h"
#include "platform/CommandBoundary.h"
#include "shared/WizardState.h"
#include "shared/FontNames.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
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

CodeEditor* sourceBox(QWidget* parent, const char* name, const QString& hint)
{
    auto* box = named(new CodeEditor(parent), name, hint);
    box->setWordWrap(false);
    return box;
}

// Any file, no filter: its lines replace the box's text.
void loadInto(Prompter& prompter, CodeEditor* box)
{
    const std::optional<QString> file = prompter.openFile({});
    if (!file) return;
    runCommand(prompter, [&] {
        box->loadFromFile(*file);
        box->setModified(false);
    });
}

} // namespace

QMenu* sourceMenu(WizardWindow* window, CodeEditor* source, std::function<void()> loadFile, std::function<void()> clear)
{
    auto* menu = new QMenu(window);
    menu->addAction(QStringLiteral("Cu&t"), source, &CodeEditor::cutToClipboard);
    menu->addAction(QStringLiteral("&Copy"), source, &CodeEditor::copyToClipboard);
    menu->addAction(QStringLiteral("&Paste"), source, &CodeEditor::pasteFromClipboard);
    menu->addSeparator();
    menu->addAction(QStringLiteral("Load &File ..."), window, std::move(loadFile));
    menu->addAction(QStringLiteral("C&lear"), window, std::move(clear));
    source->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(source, &QWidget::customContextMenuRequested, menu,
        [menu, source](const QPoint& at) { menu->popup(source->viewport()->mapToGlobal(at)); });
    return menu;
}

// Document-write wizard.

DocWriteDialog::DocWriteDialog(const FeatureContext& context)
    : WizardWindow(context, QStringLiteral("Document Write Wizard"), QStringLiteral("docWriteDialog"))
    , m_sourceEdit(sourceBox(this, "sourceEdit", QStringLiteral("The HTML for the script to write")))
    , m_codeViewer(named(new CodeViewer(this), "codeViewer", QStringLiteral("The code that OK writes")))
    , m_addJavaScriptTagsCheck(checkBox("addJavaScriptTagsCheck", QStringLiteral("Add JavaScript Tags"), false,
          QStringLiteral("Put the code inside script tags")))
    , m_addFunctionTagsCheck(checkBox("addFunctionTagsCheck", QStringLiteral("Add Function Tags"), false,
          QStringLiteral("Put the code inside a function")))
    , m_functionNameEdit(lineEdit("functionNameEdit", QStringLiteral("MyDocWriteFunction()"),
          QStringLiteral("The function's name, with its brackets")))
{
    m_sourceMenu = ::sourceMenu(
        this, m_sourceEdit, [this] { openFile(); }, [this] { m_sourceEdit->clear(); });
    auto* texts = new QGridLayout;
    texts->addWidget(new QLabel(QStringLiteral("Write your string here")), 0, 0);
    texts->addWidget(new QLabel(QStringLiteral("Code Viewer")), 0, 1);
    texts->addWidget(m_sourceEdit, 1, 0);
    texts->addWidget(m_codeViewer, 1, 1);
    auto* options = new QHBoxLayout;
    options->addWidget(m_addJavaScriptTagsCheck);
    options->addWidget(m_addFunctionTagsCheck);
    options->addWidget(m_functionNameEdit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(texts, 1);
    layout->addLayout(options);
    layout->addLayout(buttonRow({ button("openFileButton", QStringLiteral("Open File"),
                                      QStringLiteral("Load the string from a file"), [this] { openFile(); }),
        button("clearButton", QStringLiteral("Clear"), QStringLiteral("Empty the string"),
            [this] { m_sourceEdit->clear(); }),
        button("showCodeButton", QStringLiteral("Show Code"), QStringLiteral("Show the code in the viewer"),
            [this] { showCode(); }),
        okButton([this] { ok(); }), cancelButton() }));
    layout->addWidget(makeHintPanel());
    resize(700, 480);
}

DocWriteOptions DocWriteDialog::options() const
{
    DocWriteOptions o;
    o.source = m_sourceEdit->text();
    o.addJavaScriptTags = m_addJavaScriptTagsCheck->isChecked();
    o.addFunctionTags = m_addFunctionTagsCheck->isChecked();
    o.functionName = m_functionNameEdit->text();
    return o;
}

void DocWriteDialog::showCode()
{
    if (docWriteSourceHasScript(m_sourceEdit->text()))
        prompter().message(kDocWriteScriptWarning, Prompter::Icon::None, Prompter::Ok);
    m_codeViewer->setText(docWriteCode(options()));
}

void DocWriteDialog::ok()
{
    m_codeViewer->setText(docWriteCode(options()));
    editor().setSelText(m_codeViewer->text());
    if (m_addFunctionTagsCheck->isChecked() && context().wizard)
        context().wizard->functionName = m_functionNameEdit->text();
    close();
}

void DocWriteDialog::openFile() { loadInto(prompter(), m_sourceEdit); }

// Form wizard.

FormDialog::FormDialog(const FeatureContext& context)
    : WizardWindow(context, QStringLiteral("Form Dialogue"), QStringLiteral("formDialog"))
    , m_nameCheck(checkBox("nameCheck", QStringLiteral("Name"), true, QStringLiteral("Give the form a name")))
    , m_nameEdit(lineEdit("nameEdit", QStringLiteral("form1"), QStringLiteral("The form's name")))
    , m_actionCheck(checkBox("actionCheck", QStringLiteral("Action"), false, QStringLiteral("Where the form is sent")))
    , m_actionEdit(lineEdit("actionEdit", {}, QStringLiteral("The address that receives the form")))
    , m_methodCheck(checkBox("methodCheck", QStringLiteral("Method"), false, QStringLiteral("How the form is sent")))
    , m_methodCombo(named(new QComboBox(this), "methodCombo", QStringLiteral("get or post")))
    , m_enctypeCheck(
          checkBox("enctypeCheck", QStringLiteral("Enctype"), false, QStringLiteral("How the form's data is encoded")))
    , m_enctypeEdit(lineEdit("enctypeEdit", QStringLiteral("text/plain"), QStringLiteral("The encoding type")))
    , m_addButtonCheck(checkBox("addButtonCheck", QStringLiteral("Add button"), true, QStringLiteral("Add a button")))
    , m_buttonValueEdit(lineEdit("buttonValueEdit", QStringLiteral("Click"), QStringLiteral("The button's text")))
    , m_typeCombo(named(new QComboBox(this), "typeCombo", QStringLiteral("The kind of button")))
    , m_onClickCheck(checkBox("onClickCheck", QStringLiteral("Add onClick?"), false,
          QStringLiteral("Give the button an empty onClick attribute")))
{
    m_methodCombo->addItems(formMethods());
    m_methodCombo->setCurrentIndex(1);
    m_typeCombo->addItems(formButtonTypes());
    m_typeCombo->setCurrentIndex(2);
    auto* grid = new QGridLayout;
    const QList<QPair<QWidget*, QWidget*>> rows { { m_nameCheck, m_nameEdit }, { m_actionCheck, m_actionEdit },
        { m_methodCheck, m_methodCombo }, { m_enctypeCheck, m_enctypeEdit } };
    for (int i = 0; i < rows.size(); ++i) {
        grid->addWidget(rows[i].first, i, 0);
        grid->addWidget(rows[i].second, i, 1);
    }
    grid->addWidget(m_addButtonCheck, 4, 0);
    grid->addWidget(new QLabel(QStringLiteral("Value")), 5, 0);
    grid->addWidget(m_buttonValueEdit, 5, 1);
    grid->addWidget(new QLabel(QStringLiteral("Type")), 6, 0);
    grid->addWidget(m_typeCombo, 6, 1);
    grid->addWidget(m_onClickCheck, 7, 0);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttonRow({ okButton([this] { ok(); }, QStringLiteral("Write the form")), cancelButton() }));
    layout->addWidget(makeHintPanel());
}

void FormDialog::ok()
{
    FormOptions o;
    o.name = m_nameCheck->isChecked();
    o.nameText = m_nameEdit->text();
    o.action = m_actionCheck->isChecked();
    o.actionText = m_actionEdit->text();
    o.method = m_methodCheck->isChecked();
    o.methodEntry = m_methodCombo->currentIndex();
    o.enctype = m_enctypeCheck->isChecked();
    o.enctypeText = m_enctypeEdit->text();
    o.addButton = m_addButtonCheck->isChecked();
    o.buttonValue = m_buttonValueEdit->text();
    o.typeEntry = m_typeCombo->currentIndex();
    o.onClick = m_onClickCheck->isChecked();
    EditorTarget target(editor());
    writeForm(o, target);
    close();
}

// Cookie message wizard.

CookieDialog::CookieDialog(const FeatureContext& context)
    : WizardWindow(context, QStringLiteral("Cookie Code to Recognise Your Visitors and Count the Number of Visits"),
        QStringLiteral("cookieDialog"))
    , m_explanationText(named(new QPlainTextEdit(this), "explanationText"))
{
    m_explanationText->setReadOnly(true);
    m_explanationText->setPlainText(QStringLiteral(
        "This code greets your visitors by name and counts their visits.\n\n"
        "On the first visit the page asks for the visitor's name, then shows:\n"
        "Welcome to the page, Ann. If you are not Ann, then click here.\n"
        "By the way, this is your first time here.\n\n"
        "On later visits it remembers the name and shows, for example:\n"
        "I note, you have been here 2 times.\n\n"
        "OK puts the cookie code into the HEAD of your page and the lines that greet and count at the cursor, "
        "which should be in the BODY."));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_explanationText, 1);
    QPushButton* write = okButton([this] { ok(); }, QStringLiteral("Write the cookie code"));
    write->setDefault(true);
    layout->addLayout(buttonRow({ write, cancelButton() }));
    resize(520, 360);
}

void CookieDialog::activated() { m_explanationText->moveCursor(QTextCursor::Start); }

void CookieDialog::ok()
{
    CodeEditor& doc = editor();
    if (doc.selLength() != 0) doc.setSelStart(qMax(doc.selStart(), doc.selStart() + doc.selLength()));
    doc.setSelText(cookieCallBlock());
    const qsizetype head = doc.text().indexOf(QLatin1String("</HEAD>"), 0, Qt::CaseInsensitive);
    if (head < 0) {
        prompter().message(kNoHeadMessage, Prompter::Icon::None, Prompter::Ok);
        doc.undo();
    } else {
        doc.setSelStart(int(head));
        doc.setSelLength(7);
        doc.setSelText(cookieLibrary() + "</HEAD>");
    }
    const qsizetype body = doc.text().indexOf(QLatin1String("</BODY>"), 0, Qt::CaseInsensitive);
    doc.setSelStart(body < 0 ? 0 : int(body));
    close();
}

// Array wizard.

ArrayDialog::ArrayDialog(const FeatureContext& context)
    : WizardWindow(context, QStringLiteral("Make Array Wizard"), QStringLiteral("arrayDialog"))
    , m_elementsEdit(sourceBox(this, "elementsEdit", QStringLiteral("The array's elements, one per line")))
    , m_codeViewer(named(new CodeViewer(this), "codeViewer", QStringLiteral("The code that OK writes")))
    , m_arrayNameEdit(lineEdit("arrayNameEdit", QStringLiteral("myArray"), QStringLiteral("The array's name")))
{
    m_elementsMenu = sourceMenu(
        this, m_elementsEdit, [this] { loadFile(); }, [this] { clearAll(); });
    auto* texts = new QGridLayout;
    texts->addWidget(new QLabel(QStringLiteral("List of elements")), 0, 0);
    texts->addWidget(new QLabel(QStringLiteral("Code to be produced")), 0, 1);
    texts->addWidget(m_elementsEdit, 1, 0);
    texts->addWidget(m_codeViewer, 1, 1);
    auto* name = new QHBoxLayout;
    name->addWidget(new QLabel(QStringLiteral("Array Name")));
    name->addWidget(m_arrayNameEdit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(texts, 1);
    layout->addLayout(name);
    layout->addLayout(buttonRow({ button("clearButton", QStringLiteral("Clear"),
                                      QStringLiteral("Empty the elements and the code"), [this] { clearAll(); }),
        button("showCodeButton", QStringLiteral("Show Code"), QStringLiteral("Show the code in the viewer"),
            [this] { showCode(); }),
        okButton([this] { ok(); }), cancelButton() }));
    layout->addWidget(makeHintPanel());
    resize(600, 420);
}

void ArrayDialog::showCode()
{
    const QStringList elements = boxLines(m_elementsEdit->text());
    if (elements.isEmpty()) {
        prompter().message(kNoElementsMessage, Prompter::Icon::None, Prompter::Ok);
        return;
    }
    if (m_arrayNameEdit->text().isEmpty()) m_arrayNameEdit->setText(QStringLiteral("myArray"));
    m_codeViewer->setText(arrayCode(m_arrayNameEdit->text(), elements));
}

void ArrayDialog::ok()
{
    m_codeViewer->setText(arrayCode(m_arrayNameEdit->text(), boxLines(m_elementsEdit->text())));
    writeAndClose(m_codeViewer->text());
}

void ArrayDialog::clearAll()
{
    m_elementsEdit->clear();
    m_codeViewer->clear();
}

void ArrayDialog::loadFile() { loadInto(prompter(), m_elementsEdit); }

// List dialog.

ListDialog::ListDialog(const FeatureContext& context)
    : WizardWindow(context, QStringLiteral("Make a List"), QStringLiteral("listDialog"))
    , m_orderedCheck(checkBox("orderedCheck", QStringLiteral("Ordered List - Deselect for Unordered List"), true))
    , m_startEdit(lineEdit("startEdit", QStringLiteral("1")))
    , m_typeCombo(named(new QComboBox(this), "typeCombo"))
    , m_listButton(button("listButton", QStringLiteral("Add Ordered List"), {}, [this] { addList(); }))
{
    m_typeCombo->addItems(orderedListTypes());
    m_typeCombo->setCurrentIndex(0);
    connect(m_orderedCheck, &QCheckBox::toggled, this, &ListDialog::orderedToggled);
    auto* grid = new QGridLayout;
    grid->addWidget(m_orderedCheck, 0, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Start:")), 1, 0);
    grid->addWidget(m_startEdit, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Type:")), 2, 0);
    grid->addWidget(m_typeCombo, 2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(
        buttonRow({ m_listButton, button("breaksButton", QStringLiteral("Add Breaks"), {}, [this] { addBreaks(); }),
            button("closeButton", QStringLiteral("Close"), {}, [this] { close(); }) }));
}

void ListDialog::orderedToggled(bool ordered)
{
    m_listButton->setText(ordered ? QStringLiteral("Add Ordered List") : QStringLiteral("Add Unordered List"));
    m_startEdit->setEnabled(ordered);
    m_typeCombo->clear();
    m_typeCombo->addItems(ordered ? orderedListTypes() : unorderedListTypes());
    m_typeCombo->setCurrentIndex(0);
}

std::pair<int, int> ListDialog::selectedLines() const
{
    const CodeEditor& doc = *context().editor;
    const QString text = doc.text();
    const int from = qMin(doc.selStart(), doc.selStart() + doc.selLength());
    const int to = qMax(doc.selStart(), doc.selStart() + doc.selLength());
    const qsizetype before = from == 0 ? -1 : text.lastIndexOf(QLatin1String("\r\n"), from - 1);
    const qsizetype end = text.indexOf(QLatin1String("\r\n"), to);
    return { before < 0 ? 0 : int(before) + 2, end < 0 ? int(text.size()) : int(end) };
}

void ListDialog::addList()
{
    CodeEditor& doc = editor();
    const auto [start, end] = selectedLines();
    const ListCode code = listCode(doc.text().mid(start, end - start).split(QLatin1String("\r\n")),
        { m_orderedCheck->isChecked(), m_startEdit->text(), m_typeCombo->currentIndex() });
    if (code.badStart) prompter().message(kBadStartMessage, Prompter::Icon::None, Prompter::Ok);
    doc.setSelStart(start);
    doc.setSelLength(end - start);
    doc.setSelText(code.text);
    // Back onto the last item's line, ready for another.
    doc.setSelStart(start + offsetLength(code.text) - 8);
}

void ListDialog::addBreaks()
{
    CodeEditor& doc = editor();
    const auto [start, end] = selectedLines();
    const QString lines = withBreaks(doc.text().mid(start, end - start).split(QLatin1String("\r\n"))).join("\r\n");
    doc.setSelStart(start);
    doc.setSelLength(end - start);
    doc.setSelText(lines);
}

// Font-tag dialog.

FontDialog::FontDialog(const FeatureContext& context)
    : WizardWindow(context, QStringLiteral("Select a Font or Size"), QStringLiteral("fontDialog"))
    , m_fontCombo(named(new QComboBox(this), "fontCombo"))
    , m_sizeCombo(named(new QComboBox(this), "sizeCombo"))
    , m_colourEdit(lineEdit("colourEdit", {}))
    , m_sampleLabel(named(new QLabel(QStringLiteral("Example of formatting"), this), "sampleLabel"))
{
    // The installed fonts are listed once, when the dialog opens.
    m_fontCombo->addItem(QStringLiteral("Default Font"));
    m_fontCombo->addItems(plainFontFamilies(QFontDatabase::families()));
    m_sizeCombo->addItems(fontSizes());
    m_sampleLabel->setTextFormat(Qt::PlainText);
    m_sampleLabel->setMinimumHeight(60);
    auto* colourButton = named(new ColourButton(prompter(), QStringLiteral("Colour"), this), "colourButton");
    connect(colourButton, &ColourButton::colourChosen, this, [this](const QString& digits) {
        m_colourEdit->setText("#" + digits);
        updateSample();
    });
    connect(m_fontCombo, &QComboBox::currentIndexChanged, this, &FontDialog::updateSample);
    connect(m_sizeCombo, &QComboBox::currentIndexChanged, this, &FontDialog::updateSample);

    auto* grid = new QGridLayout;
    grid->addWidget(m_fontCombo, 0, 0, 1, 2);
    grid->addWidget(m_sizeCombo, 1, 0);
    grid->addWidget(m_colourEdit, 2, 0);
    grid->addWidget(colourButton, 2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(m_sampleLabel, 1);
    QPushButton* write = okButton([this] { ok(); }, {});
    write->setDefault(true);
    layout->addLayout(buttonRow({ write, cancelButton({}) }));
    activated();
}

void FontDialog::activated()
{
    m_colourEdit->clear();
    m_fontCombo->setCurrentIndex(0);
    m_sizeCombo->setCurrentIndex(2);
    updateSample();
}

void FontDialog::updateSample()
{
    QFont font = QApplication::font();
    if (m_fontCombo->currentIndex() > 0) font.setFamily(m_fontCombo->currentText());
    font.setPointSize(fontSamplePoints(m_sizeCombo->currentIndex()));
    m_sampleLabel->setFont(font);
    QPalette palette = m_sampleLabel->palette();
    const QColor colour(m_colourEdit->text());
    palette.setColor(
        QPalette::WindowText, colour.isValid() ? colour : QApplication::palette().color(QPalette::WindowText));
    m_sampleLabel->setPalette(palette);
}

void FontDialog::ok()
{
    const FontOptions o { m_fontCombo->currentIndex(), m_fontCombo->currentText(), m_colourEdit->text(),
        m_sizeCombo->currentIndex() };
    insertTheTags(editor(), fontStartTag(o), QStringLiteral("</FONT>"));
    close();
}
