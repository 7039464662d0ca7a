#include "main/EditorFontDialog.h"
#include "shared/FontNames.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

QStringList EditorFontDialog::faceEntries()
{
    QStringList faces = plainFontFamilies(QFontDatabase::families());
    faces << QStringLiteral("Default");
    faces.removeDuplicates();
    std::sort(faces.begin(), faces.end(),
        [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    faces.prepend(QStringLiteral("Choose a Font"));
    return faces;
}

EditorFontDialog::EditorFontDialog(const QString& fontName, const QString& fontSize, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_store { fontName, fontSize }
{
    setObjectName(QStringLiteral("editorFontDialog"));
    setWindowTitle(QStringLiteral("Editor Font"));
    setModal(false);
    m_faces = new QComboBox;
    m_faces->setObjectName(QStringLiteral("faceList"));
    m_faces->addItems(faceEntries());
    m_sizes = new QComboBox;
    m_sizes->setObjectName(QStringLiteral("sizeList"));
    m_sizes->addItems({ QStringLiteral("Choose a Font Size"), QStringLiteral("8"), QStringLiteral("10"),
        QStringLiteral("12"), QStringLiteral("14"), QStringLiteral("16") });
    auto* close = new QPushButton(QStringLiteral("Close"));
    close->setObjectName(QStringLiteral("closeButton"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Editor font face"), m_faces);
    form->addRow(QStringLiteral("Editor font size"), m_sizes);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(close, 0, Qt::AlignRight);

    connect(m_faces, &QComboBox::activated, this, [this](int index) {
        if (index <= 0) return;
        m_store[0] = m_faces->itemText(index);
        emit faceChosen(m_store[0]);
    });
    connect(m_sizes, &QComboBox::activated, this, [this](int index) {
        if (index > 0) emit sizeChosen(m_sizes->itemText(index));
        m_store[1] = index > 0 ? m_sizes->itemText(index) : m_store[1];
    });
    connect(close, &QPushButton::clicked, this, &EditorFontDialog::requestClose);
}

void EditorFontDialog::closeEvent(QCloseEvent* e)
{
    // The close box runs the steps of "Close"; the window then hides and releases the dialog.
    if (m_closing) {
        QDialog::closeEvent(e);
        return;
    }
    e->ignore();
    requestClose();
}

void EditorFontDialog::reject()
{
    // Escape too.
    if (!m_closing) requestClose();
}

void EditorFontDialog::requestClose()
{
    m_closing = true;
    emit closeRequested(m_store);
}
