#include "main/InstantCodeWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

InstantCodeWindow::InstantCodeWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog)
    , m_messageLabel(new QLabel(this))
    , m_valueEdit(new QLineEdit(this))
    , m_okButton(new QPushButton(QStringLiteral("OK"), this))
{
    setObjectName(QStringLiteral("instantCodeWindow"));
    setWindowTitle(QStringLiteral("Instant Code"));
    setModal(true);
    m_messageLabel->setObjectName(QStringLiteral("messageLabel"));
    m_messageLabel->setWordWrap(true);
    m_messageLabel->setTextFormat(Qt::PlainText); // labels hold code such as "i<n"
    m_valueEdit->setObjectName(QStringLiteral("valueEdit"));
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_messageLabel);
    layout->addWidget(m_valueEdit);
    layout->addWidget(m_okButton, 0, Qt::AlignRight);
    setMinimumWidth(360);
}

QString InstantCodeWindow::ask(const QString& label, const QString& defaultValue)
{
    m_messageLabel->setText(label);
    m_valueEdit->setText(defaultValue);
    m_valueEdit->selectAll();
    m_valueEdit->setFocus();
    exec(); // Escape or the close button end the prompt too: the answer is the field either way
    return m_valueEdit->text();
}
