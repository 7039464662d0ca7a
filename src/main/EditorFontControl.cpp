#include "main/EditorFontControl.h"

#include "editor/CodeEditor.h"
#include "editor/SyntaxColourer.h"
#include "main/EditorFontDialog.h"
#include "main/MainWindow.h"
#include "platform/AppDirs.h"

#include <QAction>
#include <QApplication>

EditorFontControl::EditorFontControl(MainWindow& window)
    : QObject(&window)
    , m_window(window)
{ }

EditorFontDialog* EditorFontControl::dialog() const { return m_dialog.data(); }

void EditorFontControl::read()
{
    m_font = SettingsFiles::readEditorFont(AppDirs::settingsFile(kFileName));
    apply();
}

void EditorFontControl::apply()
{
    CodeEditor* editor = m_window.editor();
    QFont font = editor->font();
    if (m_font.name != QLatin1String("Default") && !m_font.name.isEmpty())
        font.setFamily(m_font.name);
    else
        font = QApplication::font();
    font.setPointSize(std::max(1, m_font.size.toInt()));
    editor->setFont(font);
    m_window.colourer()->setEditorFont(font);
}

void EditorFontControl::showDialog()
{
    if (m_dialog) return;
    m_dialog = new EditorFontDialog(m_font.name, m_font.size, &m_window);
    QAction* command = m_window.action(QStringLiteral("a_font"));
    command->setEnabled(false);
    CodeEditor* editor = m_window.editor();
    auto keepingModified = [this, editor] {
        const bool modified = editor->isModified();
        apply();
        editor->setModified(modified);
        editor->setSelStart(0);
    };
    connect(m_dialog, &EditorFontDialog::faceChosen, this, [this, keepingModified](const QString& face) {
        m_font.name = face;
        keepingModified();
    });
    connect(m_dialog, &EditorFontDialog::sizeChosen, this, [this, keepingModified](const QString& size) {
        m_font.size = size;
        keepingModified();
    });
    connect(m_dialog, &EditorFontDialog::closeRequested, this, [this, command](const QStringList& store) {
        m_window.runCommand([store] { SettingsFiles::writeLines(AppDirs::settingsFile(kFileName), store); });
        command->setEnabled(true);
        m_dialog->hide();
        m_dialog->deleteLater();
        m_dialog.clear();
    });
    m_dialog->adjustSize();
    m_dialog->move(m_window.geometry().center() - m_dialog->rect().center());
    m_dialog->show();
}
