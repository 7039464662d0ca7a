#pragma once

#include "editor/TagInsertion.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The one-line prompt through which snippet commands ask for a value. Created once and reused;
// it has no Cancel: however it is closed, the field's text is the answer.
class InstantCodeWindow : public QDialog {
    Q_OBJECT
public:
    explicit InstantCodeWindow(QWidget* parent = nullptr);

    // Shows label as given and the default in the field, all of it selected; returns the field's
    // text once the window closes.
    QString ask(const QString& label, const QString& defaultValue);
    // ask() as the value prompt the snippet commands take; the window must outlive it.
    ValuePrompt asker()
    {
        return [this](const QString& label, const QString& defaultValue) { return ask(label, defaultValue); };
    }

    QLabel* messageLabel() const { return m_messageLabel; }
    QLineEdit* valueEdit() const { return m_valueEdit; }
    QPushButton* okButton() const { return m_okButton; }

private:
    QLabel* m_messageLabel;
    QLineEdit* m_valueEdit;
    QPushButton* m_okButton;
};
