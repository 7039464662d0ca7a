#include "wizards/StyleSheetWindow.h"

#include "editor/TextFile.h"
#include "editor/WriteQuestions.h"
#include "platform/BrowserView.h"
#include "platform/CommandBoundary.h"
#include "shared/FontNames.h"
#include "shared/RelativePath.h"
#include "shared/TempPages.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace StyleLists;

namespace {

const QString kChanged = QStringLiteral("File  has changed. Save now?");
const QString kNeverSaved = QStringLiteral("File has never been saved");

// The preview files of the run: the viewer shows the last ones written.
struct PreviewFiles {
    QString directory;
    QString sheet;
    QString page;
};
PreviewFiles& previewFiles()
{
    static PreviewFiles files;
    return files;
}

// A row of a choice page: a label over each control, then the "Add" button.
QWidget* row(const QList<QPair<QString, QWidget*>>& cells, QPushButton* add = nullptr)
{
    auto* widget = new QWidget;
    auto* grid = new QGridLayout(widget);
    int column = 0;
    for (const auto& [label, control] : cells) {
        if (!label.isEmpty()) grid->addWidget(new QLabel(label), 0, column);
        grid->addWidget(control, 1, column++);
    }
    if (add) grid->addWidget(add, 1, column);
    grid->setColumnStretch(column + 1, 1);
    return widget;
}

QWidget* page(std::initializer_list<QWidget*> rows)
{
    auto* widget = new QWidget;
    auto* layout = new QVBoxLayout(widget);
    for (QWidget* r : rows)
        layout->addWidget(r);
    layout->addStretch();
    return widget;
}

} // namespace

QString StyleSheetWindow::previewSheetPath() { return previewFiles().sheet; }
QString StyleSheetWindow::previewPagePath() { return previewFiles().page; }

QComboBox* StyleSheetWindow::list(const char* name, const QStringList& entries)
{
    auto* combo = named(new QComboBox(this), name);
    combo->addItems(entries);
    m_lists << combo;
    return combo;
}

QLineEdit* StyleSheetWindow::field(const char* name, const QString& hint)
{
    QLineEdit* edit = lineEdit(name, {}, hint);
    m_fields << edit;
    return edit;
}

namespace {
// A field with its button at its right.
QWidget* besideField(QLineEdit* field, QPushButton* button)
{
    auto* widget = new QWidget;
    auto* layout = new QHBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(field);
    layout->addWidget(button);
    return widget;
}
} // namespace

QWidget* StyleSheetWindow::colourField(QLineEdit* field, const char* buttonName)
{
    auto* button = named(
        new ColourButton(prompter(), QStringLiteral("Colour"), this), buttonName, QStringLiteral("Choose a colour"));
    connect(
        button, &ColourButton::colourChosen, field, [field](const QString& digits) { field->setText("#" + digits); });
    return besideField(field, button);
}

QWidget* StyleSheetWindow::urlField(QLineEdit* field, const char* buttonName)
{
    QPushButton* url = button(
        buttonName, QStringLiteral("URL"), QStringLiteral("Choose an image file"), [this, field] { chooseUrl(field); });
    return besideField(field, url);
}

StyleSheetWindow::StyleSheetWindow(const FeatureContext& context)
    : WizardWindow(context, QStringLiteral("Dorvane's Style Sheet Maker"), QStringLiteral("styleSheetWindow"))
    , m_menuBar(new QMenuBar(this))
    , m_fileNameEdit(lineEdit("fileNameEdit", kNeverSaved, QStringLiteral("The style sheet's file")))
    , m_selectorCombo(list("selectorCombo", selectors()))
    , m_selectorEdit(field("selectorEdit", QStringLiteral("The selector of the rule to add")))
    , m_choicePages(named(new QTabWidget(this), "choicePages"))
    , m_sheetTabs(named(new QTabWidget(this), "sheetTabs"))
    , m_sheetEdit(named(new CodeEditor(this), "sheetEdit", QStringLiteral("The style sheet")))
    , m_browser(context.makeBrowser ? context.makeBrowser(this) : nullptr)
    , m_sheetMenu(new QMenu(this))
{
    m_sheetEdit->setWordWrap(false);
    m_sheetEdit->setModified(false);
    connect(m_selectorCombo, &QComboBox::activated, this,
        [this](int index) { m_selectorEdit->setText(m_selectorCombo->itemText(index)); });

    QMenu* file = m_menuBar->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&New"), this, &StyleSheetWindow::newSheet);
    file->addAction(QStringLiteral("&Open ..."), this, &StyleSheetWindow::openSheet);
    file->addAction(QStringLiteral("&Save"), this, &StyleSheetWindow::save);
    file->addAction(QStringLiteral("Save &As ..."), this, &StyleSheetWindow::saveAs);
    file->addSeparator();
    file->addAction(QStringLiteral("E&xit"), this, &QWidget::close);
    QMenu* edit = m_menuBar->addMenu(QStringLiteral("&Edit"));
    struct EditAction {
        const char* caption;
        const char* shortcut;
        void (CodeEditor::*slot)();
    };
    const EditAction editActions[] = { { "Cu&t", "Ctrl+X", &CodeEditor::cutToClipboard },
        { "&Copy", "Ctrl+C", &CodeEditor::copyToClipboard }, { "&Paste", "Ctrl+V", &CodeEditor::pasteFromClipboard },
        { "Select &All", "Ctrl+A", &CodeEditor::selectAll } };
    for (const EditAction& a : editActions) {
        edit->addAction(QLatin1String(a.caption), m_sheetEdit, a.slot);
        m_sheetMenu->addAction(QLatin1String(a.caption), QKeySequence(QLatin1String(a.shortcut)), m_sheetEdit, a.slot);
    }
    m_sheetMenu->addAction(
        QStringLiteral("&Undo"), QKeySequence(QStringLiteral("Ctrl+Z")), m_sheetEdit, &CodeEditor::undo);
    edit->addSeparator();
    edit->addAction(QStringLiteral("&Reset"), this, &StyleSheetWindow::reset);
    m_sheetMenu->setObjectName(QStringLiteral("sheetMenu"));
    m_sheetEdit->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_sheetEdit, &QWidget::customContextMenuRequested, this,
        [this](const QPoint& at) { m_sheetMenu->popup(m_sheetEdit->viewport()->mapToGlobal(at)); });

    m_choicePages->addTab(marginsPage(), QStringLiteral("Margins"));
    m_choicePages->addTab(textPage(), QStringLiteral("Text"));
    m_choicePages->addTab(imagesPage(), QStringLiteral("Images/Colours"));
    m_choicePages->addTab(bordersPage(), QStringLiteral("Borders"));
    m_choicePages->addTab(listsPage(), QStringLiteral("Lists"));

    m_sheetTabs->addTab(m_sheetEdit, QStringLiteral("Style Sheet"));
    m_sheetTabs->addTab(m_browser ? static_cast<QWidget*>(m_browser) : new QWidget, QStringLiteral("Viewer"));
    connect(m_sheetTabs, &QTabWidget::currentChanged, this, &StyleSheetWindow::sheetTabChanged);

    auto* selector = new QHBoxLayout;
    selector->addWidget(new QLabel(QStringLiteral("Choose")));
    selector->addWidget(m_selectorCombo);
    selector->addWidget(m_selectorEdit);
    selector->addWidget(button("addSelectorButton", QStringLiteral("Add Selector"),
        QStringLiteral("Add a rule for the selector to the end of the sheet"), [this] { addSelector(); }));
    selector->addStretch();
    selector->addWidget(button("previewButton", QStringLiteral("Preview"),
        QStringLiteral("Show the sheet on a sample page"), [this] { m_sheetTabs->setCurrentIndex(1); }));

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(m_menuBar);
    layout->addWidget(m_fileNameEdit);
    layout->addLayout(selector);
    layout->addWidget(m_choicePages);
    layout->addWidget(m_sheetTabs, 1);
    layout->addWidget(makeHintPanel());
    reset();
    resize(900, 700);
}

QWidget* StyleSheetWindow::marginsPage()
{
    m_marginPropertyCombo = list("marginPropertyCombo", marginProperties());
    m_marginValueEdit = field("marginValueEdit", QStringLiteral("The size"));
    m_marginUnitCombo = list("marginUnitCombo", units());
    return page({ row(
        { { QStringLiteral("Property"), m_marginPropertyCombo }, { QStringLiteral("Value"), m_marginValueEdit },
            { QStringLiteral("Units"), m_marginUnitCombo } },
        button("addMarginButton", QStringLiteral("Add Property"), QStringLiteral("Add the margin or padding"), [this] {
            insert(marginDeclaration(
                m_marginPropertyCombo->currentIndex(), m_marginValueEdit->text(), m_marginUnitCombo->currentText()));
        })) });
}

QWidget* StyleSheetWindow::textPage()
{
    m_textColourEdit = field("textColourEdit", QStringLiteral("The text's colour"));
    m_fontCombo = list("fontCombo", genericFonts() + plainFontFamilies(QFontDatabase::families()));
    m_fontSizeEdit = field("fontSizeEdit", QStringLiteral("The text's size"));
    m_fontSizeUnitCombo = list("fontSizeUnitCombo", units());
    m_weightCombo = list("weightCombo", weights());
    m_textStyleCombo = list("textStyleCombo", textStyles());
    m_alignCombo = list("alignCombo", aligns());
    m_indentEdit = field("indentEdit", QStringLiteral("How far the first line is indented"));
    m_indentUnitCombo = list("indentUnitCombo", units());
    return page({ row({ { QStringLiteral("Colour"), colourField(m_textColourEdit, "textColourButton") },
                          { QStringLiteral("Font"), m_fontCombo }, { QStringLiteral("Size"), m_fontSizeEdit },
                          { QString(), m_fontSizeUnitCombo } },
                      button("addTextButton", QStringLiteral("Add"), QStringLiteral("Add the colour, font and size"),
                          [this] {
                              insert(textDeclarations(m_textColourEdit->text(), m_fontCombo->currentIndex(),
                                  m_fontCombo->currentText(), m_fontSizeEdit->text(),
                                  m_fontSizeUnitCombo->currentText()));
                          })),
        row({ { QStringLiteral("Weight"), m_weightCombo }, { QStringLiteral("Style"), m_textStyleCombo },
                { QStringLiteral("Align"), m_alignCombo } },
            button("addTextStyleButton", QStringLiteral("Add"), QStringLiteral("Add the weight, style and alignment"),
                [this] {
                    insert(textStyleDeclarations(
                        m_weightCombo->currentIndex(), m_textStyleCombo->currentIndex(), m_alignCombo->currentIndex()));
                })),
        row({ { QStringLiteral("Indent"), m_indentEdit }, { QString(), m_indentUnitCombo } },
            button("addIndentButton", QStringLiteral("Add"), QStringLiteral("Add the indent"),
                [this] { insert(indentDeclaration(m_indentEdit->text(), m_indentUnitCombo->currentText())); })) });
}

QWidget* StyleSheetWindow::imagesPage()
{
    m_backgroundImageEdit = field("backgroundImageEdit", QStringLiteral("The background image, relative to the sheet"));
    m_attachmentCombo = list("attachmentCombo", attachments());
    m_attachmentCombo->setEditable(true);
    m_backgroundTypeCombo = list("backgroundTypeCombo", backgroundTypes());
    m_backgroundColourEdit = field("backgroundColourEdit", QStringLiteral("The colour"));
    return page(
        { row({ { QStringLiteral("Background Image"), urlField(m_backgroundImageEdit, "backgroundImageUrlButton") } },
              button("addBackgroundImageButton", QStringLiteral("Add"), QStringLiteral("Add the background image"),
                  [this] { insert(backgroundImageDeclaration(m_backgroundImageEdit->text())); })),
            row({ { QStringLiteral("Scrolling/Fixed"), m_attachmentCombo } },
                button("addAttachmentButton", QStringLiteral("Add"),
                    QStringLiteral("Add whether the background scrolls"),
                    [this] { insert(attachmentDeclaration(m_attachmentCombo->currentIndex())); })),
            row({ { QStringLiteral("Type"), m_backgroundTypeCombo },
                    { QStringLiteral("Colour"), colourField(m_backgroundColourEdit, "backgroundColourButton") } },
                button("addBackgroundColourButton", QStringLiteral("Add"), QStringLiteral("Add the colour"), [this] {
                    insert(backgroundColourDeclaration(
                        m_backgroundTypeCombo->currentIndex(), m_backgroundColourEdit->text()));
                })) });
}

QWidget* StyleSheetWindow::bordersPage()
{
    m_borderSideCombo = list("borderSideCombo", borderSides());
    m_borderStyleCombo = list("borderStyleCombo", borderStyles());
    m_borderColourEdit = field("borderColourEdit", QStringLiteral("The border's colour"));
    m_borderSizeEdit = field("borderSizeEdit", QStringLiteral("The border's width"));
    m_sizeWordCombo = list("sizeWordCombo", sizeWords());
    m_borderUnitCombo = list("borderUnitCombo", borderUnits());
    connect(m_sizeWordCombo, &QComboBox::activated, this, [this](int index) {
        if (index <= 0) return;
        m_borderSizeEdit->setText(m_sizeWordCombo->itemText(index));
        m_borderUnitCombo->setCurrentIndex(0);
    });
    connect(m_borderUnitCombo, &QComboBox::activated, this, [this](int index) {
        if (index > 0) m_sizeWordCombo->setCurrentIndex(0);
    });
    return page(
        { row({ { QStringLiteral("Border"), m_borderSideCombo }, { QStringLiteral("Style"), m_borderStyleCombo },
                  { QStringLiteral("Colour"), colourField(m_borderColourEdit, "borderColourButton") },
                  { QStringLiteral("Size"), m_borderSizeEdit }, { QString(), m_sizeWordCombo },
                  { QStringLiteral("Units"), m_borderUnitCombo } },
            button("addBorderButton", QStringLiteral("Add"), QStringLiteral("Add the border"), [this] {
                const std::optional<QString> border
                    = borderDeclaration(m_borderSideCombo->currentIndex(), m_borderStyleCombo->currentIndex(),
                        m_borderColourEdit->text(), m_borderSizeEdit->text(), m_borderUnitCombo->currentIndex());
                if (border)
                    insert(*border);
                else
                    prompter().message(kCompleteAllFields, Prompter::Icon::None, Prompter::Ok);
            })) });
}

QWidget* StyleSheetWindow::listsPage()
{
    m_bulletImageEdit = field("bulletImageEdit", QStringLiteral("The bullet image, relative to the sheet"));
    m_listStyleCombo = list("listStyleCombo", listStyles());
    m_listValueEdit = field("listValueEdit", QStringLiteral("The list style"));
    connect(m_listStyleCombo, &QComboBox::activated, this, [this](int index) {
        if (index > 0) m_listValueEdit->setText(m_listStyleCombo->itemText(index));
    });
    return page({ row({ { QStringLiteral("Bullet Image"), urlField(m_bulletImageEdit, "bulletImageUrlButton") } },
                      button("addBulletImageButton", QStringLiteral("Add"), QStringLiteral("Add the bullet image"),
                          [this] { insert(bulletImageDeclaration(m_bulletImageEdit->text())); })),
        row({ { QStringLiteral("List Style"), m_listStyleCombo }, { QStringLiteral("Value"), m_listValueEdit } },
            button("addListStyleButton", QStringLiteral("Add Property"), QStringLiteral("Add the list style"),
                [this] { insert(listStyleDeclaration(m_listValueEdit->text())); })) });
}

void StyleSheetWindow::reset()
{
    for (QLineEdit* f : m_fields)
        f->clear();
    for (QComboBox* c : m_lists)
        c->setCurrentIndex(0);
    m_borderUnitCombo->setCurrentIndex(1);
}

void StyleSheetWindow::insert(const QString& declaration)
{
    if (!declaration.isEmpty()) m_sheetEdit->setSelText(declaration);
}

void StyleSheetWindow::addSelector()
{
    m_sheetEdit->addLine(selectorRule(m_selectorEdit->text()));
    m_sheetEdit->setSelStart(selectorCaret(m_sheetEdit->text(), m_selectorEdit->text()));
    m_sheetEdit->setFocus();
}

bool StyleSheetWindow::isSaved() const { return QFileInfo(m_fileNameEdit->text()).isFile(); }

void StyleSheetWindow::chooseUrl(QLineEdit* field)
{
    if (!isSaved()) {
        prompter().message(QStringLiteral("Please save the file first."), Prompter::Icon::None, Prompter::Ok);
        return;
    }
    Prompter::FileDialog dialog;
    dialog.title = QStringLiteral("Open an image file");
    dialog.filter = QStringLiteral("Supported Files|*.gif;*.jpg;*.jpeg;*.css|All Files|*.*");
    const std::optional<QString> image = prompter().openFile(dialog);
    if (image) field->setText(webby(extractRelativePath(m_fileNameEdit->text(), *image)));
}

bool StyleSheetWindow::askToSave()
{
    if (!m_sheetEdit->isModified()) return true;
    const Prompter::Button answer
        = prompter().message(kChanged, Prompter::Icon::Confirmation, Prompter::Yes | Prompter::No | Prompter::Cancel);
    if (answer == Prompter::Cancel) return false;
    // A save that fails or is declined keeps the sheet: the command stops.
    return answer == Prompter::No || save();
}

void StyleSheetWindow::newSheet()
{
    if (!askToSave()) return;
    m_sheetEdit->clear();
    m_fileNameEdit->setText(QStringLiteral("File has never been saved."));
    m_sheetEdit->setModified(false);
    reset();
}

void StyleSheetWindow::openSheet()
{
    if (!askToSave()) return;
    Prompter::FileDialog dialog;
    dialog.title = QStringLiteral("Open a css file.");
    dialog.filter = QStringLiteral("Style Sheet Files|*.css|All Files|*.*");
    dialog.mustExist = true;
    const std::optional<QString> path = prompter().openFile(dialog);
    if (!path) return;
    runCommand(prompter(), [&] {
        m_sheetEdit->loadFromFile(*path);
        m_fileNameEdit->setText(QDir::toNativeSeparators(*path));
        m_sheetEdit->setModified(false);
        reset();
    });
}

bool StyleSheetWindow::save()
{
    if (!isSaved()) return saveAs();
    return saveTo(QDir::fromNativeSeparators(m_fileNameEdit->text()));
}

bool StyleSheetWindow::saveAs()
{
    Prompter::FileDialog dialog;
    dialog.defaultExtension = QStringLiteral("css");
    dialog.filter = QStringLiteral("Style Sheet|*.css|All Files|*.*");
    dialog.overwritePrompt = true;
    if (isSaved()) dialog.initialName = m_fileNameEdit->text();
    const std::optional<QString> path = prompter().saveFile(dialog);
    return path && saveTo(*path);
}

bool StyleSheetWindow::saveTo(const QString& path)
{
    bool saved = false;
    runCommand(prompter(), [&] {
        saved = saveEditorAsked(prompter(), *m_sheetEdit, path);
        if (!saved) return;
        m_fileNameEdit->setText(QDir::toNativeSeparators(path));
        m_sheetEdit->setModified(false);
    });
    return saved;
}

void StyleSheetWindow::preview()
{
    PreviewFiles& files = previewFiles();
    files.directory = directoryOf(isSaved() ? m_fileNameEdit->text() : QString());
    // Marked as ours, so a user's own files of these names are never overwritten or deleted.
    files.sheet = TempPages::pathFor(files.directory, kPreviewSheetName);
    files.page = TempPages::pathFor(files.directory, kPreviewPageName);
    const bool written = runCommand(prompter(), [&] {
        QStringList sheet = m_sheetEdit->lines();
        sheet.prepend(TempPages::markerLine(files.sheet));
        writeTextFile(files.sheet, sheet, m_sheetEdit->textFormat());
        QStringList page = styleSheetSamplePage()
                               .replace(kPreviewSheetName, QFileInfo(files.sheet).fileName())
                               .split(QStringLiteral("\r\n"));
        page.prepend(TempPages::markerLine(files.page));
        writeTextFile(files.page, page, TextFormat {});
    });
    if (written && m_browser) m_browser->navigate(webby(files.page));
}

void StyleSheetWindow::sheetTabChanged(int index)
{
    if (index == 1) {
        preview();
        return;
    }
    const PreviewFiles& files = previewFiles();
    for (const QString& path : { files.sheet, files.page })
        if (!path.isEmpty()) TempPages::removeIfOwn(path);
}

void StyleSheetWindow::closeEvent(QCloseEvent* event)
{
    if (m_sheetEdit->isModified()) {
        const Prompter::Button answer = prompter().message(
            kChanged, Prompter::Icon::Confirmation, Prompter::Yes | Prompter::No | Prompter::Cancel);
        if (answer == Prompter::Cancel) {
            event->ignore();
            return;
        }
        // The window closes after Yes even when the save dialog is cancelled.
        if (answer == Prompter::Yes) save();
    }
    WizardWindow::closeEvent(event);
}
