#include "navigator/ImageDialog.h"

#include "editor/CodeEditor.h"
#include "navigator/ImageSize.h"
#include "navigator/LinkTexts.h"
#include "navigator/NavigatorPanel.h"
#include "platform/CommandBoundary.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

ImageDialog::ImageDialog(CodeEditor& editor, NavigatorPanel& navigator, Prompter& prompter,
    std::function<void()> warnToSave, QWidget* parent)
    : QDialog(parent, Qt::Dialog)
    , m_editor(editor)
    , m_navigator(navigator)
    , m_prompter(prompter, this)
    , m_warnToSave(std::move(warnToSave))
    , m_imageFileEdit(new QLineEdit(this))
    , m_heightEdit(new QLineEdit(this))
    , m_altTextEdit(new QLineEdit(QStringLiteral("EnterALTText"), this))
    , m_widthEdit(new QLineEdit(this))
    , m_borderEdit(new QLineEdit(QStringLiteral("0"), this))
{
    setObjectName("imageDialog");
    setWindowTitle(QStringLiteral("Insert an Image File"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);

    struct Field {
        QLineEdit* edit;
        const char* name;
        const char* label;
        bool editable;
    };
    const Field fields[] = {
        { m_imageFileEdit, "imageFileEdit", "Image File:", false },
        { m_heightEdit, "heightEdit", "Height", false },
        { m_altTextEdit, "altTextEdit", "ALT Text", true },
        { m_widthEdit, "widthEdit", "Width", false },
        { m_borderEdit, "borderEdit", "Border", true },
    };
    auto* form = new QFormLayout;
    for (const Field& field : fields) {
        field.edit->setObjectName(field.name);
        field.edit->setReadOnly(!field.editable);
        form->addRow(QString::fromLatin1(field.label), field.edit);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &ImageDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ImageDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    // Only exact lower-case image extensions refresh the dialog while the user browses.
    connect(&m_navigator, &NavigatorPanel::selectionChanged, this, [this] {
        static const QStringList kExtensions { ".gif", ".jpg", ".jpeg", ".png" };
        if (kExtensions.contains(fileExtension(m_navigator.selectedFile()))) refreshFromNavigator();
    });
}

void ImageDialog::refreshFromNavigator()
{
    const QString file = m_navigator.selectedFile();
    if (file.isEmpty() || !isImageFileName(file)) return;
    m_imageFileEdit->setText(QDir::toNativeSeparators(file));
    // An unreadable size leaves the boxes empty rather than showing another image's size.
    m_widthEdit->clear();
    m_heightEdit->clear();
    runCommand(m_prompter, [&] {
        if (const auto size = readImageSize(file)) {
            m_widthEdit->setText(QString::number(size->width));
            m_heightEdit->setText(QString::number(size->height));
        }
    });
}

void ImageDialog::accept()
{
    if (m_warnToSave) m_warnToSave();
    const QString src
        = webby(extractRelativePath(m_navigator.relativeBase(), QDir::fromNativeSeparators(m_imageFileEdit->text())));
    m_editor.setSelText(
        imageTag(src, m_widthEdit->text(), m_heightEdit->text(), m_borderEdit->text(), m_altTextEdit->text()));
    close();
}

void ImageDialog::changeEvent(QEvent* event)
{
    // On activation; a file already shown is not read again, so an error box that takes the
    // focus away and gives it back does not come round again.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()
        && QDir::fromNativeSeparators(m_imageFileEdit->text()) != m_navigator.selectedFile())
        refreshFromNavigator();
    QDialog::changeEvent(event);
}

void ImageDialog::closeEvent(QCloseEvent* event)
{
    m_editor.setFocus();
    QDialog::closeEvent(event);
}
