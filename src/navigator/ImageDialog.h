#pragma once

#include "platform/Prompter.h"

#include <QDialog>
#include <functional>

class CodeEditor;
class NavigatorPanel;
class QLineEdit;

// "Insert an Image File": shows the navigator's selected image with its size and writes an
// image tag for it. Not modal, stays on top, deletes itself when closed.
class ImageDialog : public QDialog {
    Q_OBJECT
public:
    ImageDialog(CodeEditor& editor, NavigatorPanel& navigator, Prompter& prompter, std::function<void()> warnToSave,
        QWidget* parent = nullptr);

    QLineEdit* imageFileEdit() const { return m_imageFileEdit; }
    QLineEdit* widthEdit() const { return m_widthEdit; }
    QLineEdit* heightEdit() const { return m_heightEdit; }
    QLineEdit* altTextEdit() const { return m_altTextEdit; }
    QLineEdit* borderEdit() const { return m_borderEdit; }

    // Shows the navigator's selected file and its size when it is an image; else changes nothing.
    void refreshFromNavigator();

public slots:
    // OK: the save warning, then the tag, then close.
    void accept() override;

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    CodeEditor& m_editor;
    NavigatorPanel& m_navigator;
    WindowPrompter m_prompter; // every question of this window is shown above it
    std::function<void()> m_warnToSave;
    QLineEdit* m_imageFileEdit;
    QLineEdit* m_heightEdit;
    QLineEdit* m_altTextEdit;
    QLineEdit* m_widthEdit;
    QLineEdit* m_borderEdit;
};
