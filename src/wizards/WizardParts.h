#pragma once

#include "editor/CodeEditor.h"
#include "platform/Prompter.h"
#include "platform/WidgetHelpers.h"
#include "shared/FeatureContext.h"
#include "wizards/CodeBuffer.h"

#include <QDialog>
#include <QPushButton>

class QAbstractButton;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QGroupBox;

// A wizard's read-only code viewer: the wizard builds its code here, wrapping at the caret.
class CodeViewer : public CodeEditor, public CodeTarget {
    Q_OBJECT
public:
    explicit CodeViewer(QWidget* parent = nullptr);
    // The tag insertion engine's wrap, on the viewer instead of the document.
    void insertTheTagsFunction(const QString& start, const QString& end);
    void wrap(const QString& start, const QString& end) override { insertTheTagsFunction(start, end); }
    void append(const QString& text) override;
};

// The same wrap straight into the document, for the wizards that write there directly.
class EditorTarget : public CodeTarget {
public:
    explicit EditorTarget(CodeEditor& editor)
        : m_editor(editor)
    { }
    void wrap(const QString& start, const QString& end) override;
    void append(const QString& text) override;

private:
    CodeEditor& m_editor;
};

// A "Colour" button: asks for a colour through the prompter and reports its six hex digits.
class ColourButton : public QPushButton {
    Q_OBJECT
public:
    ColourButton(Prompter& prompter, const QString& caption, QWidget* parent = nullptr);
signals:
    void colourChosen(const QString& hexDigits);
};

// What every wizard window shares: modeless, owned by the main window, released when closed
// (Escape and the close box as well as its own buttons), the document's editor focused again.
class WizardWindow : public QDialog {
    Q_OBJECT
public:
    WizardWindow(const FeatureContext& context, const QString& caption, const QString& name);

    CodeEditor& editor() const { return *m_context.editor; }
    // The program's prompter; the window's activation handler ignores the return from these
    // questions.
    Prompter& prompter() { return m_prompter; }
    const FeatureContext& context() const { return m_context; }
    QPlainTextEdit* hintPanel() const { return m_hintPanel; }

public slots:
    // Escape closes the window the way its close box does, so that the window may ask first.
    void reject() override { close(); }

protected:
    // The bottom panel that shows the hint of the control under the mouse while this window
    // is active.
    QPlainTextEdit* makeHintPanel();
    // A button with its object name, caption and hint, running handler when clicked.
    template <class F> QPushButton* button(const char* name, const QString& caption, const QString& hint, F handler)
    {
        QPushButton* b = makeButton(name, caption, hint);
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    }
    // The OK button every wizard has, running handler.
    template <class F>
    QPushButton* okButton(F handler, const QString& hint = QStringLiteral("Write the code into the document"))
    {
        return button("okButton", QStringLiteral("OK"), hint, handler);
    }
    // The Cancel button: the window closes without writing.
    QPushButton* cancelButton(const QString& hint = QStringLiteral("Close without writing"))
    {
        return button("cancelButton", QStringLiteral("Cancel"), hint, [this] { close(); });
    }
    QCheckBox* checkBox(const char* name, const QString& caption, bool checked, const QString& hint = {});
    QLineEdit* lineEdit(const char* name, const QString& text, const QString& hint = {});
    // The selection of the document replaced by text, and the window closed.
    void writeAndClose(const QString& text);
    // Called when the window becomes the active window.
    virtual void activated() { }

    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton* makeButton(const char* name, const QString& caption, const QString& hint);

    FeatureContext m_context;
    bool m_asking = false;
    bool m_backFromQuestion = false;
    WindowPrompter m_prompter { *m_context.prompter, this, &m_asking };
    QPlainTextEdit* m_hintPanel = nullptr;
};

