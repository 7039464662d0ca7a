#pragma once

#include <QMenu>

#include <functional>

class CodeEditor;
class DocumentSession;
class QLabel;

// The menu of the status bar's encoding panel: the encoding and line breaks the next save
// writes, and reading the file again in another encoding. A click on the panel opens it.
class EncodingMenu : public QMenu {
    Q_OBJECT
public:
    using Boundary = std::function<void(const std::function<void()>&)>;
    // `boundary` runs the reload, so a file that cannot be read is reported like any command's error.
    EncodingMenu(DocumentSession& session, CodeEditor& editor, QLabel& panel, Boundary boundary, QWidget* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateChecks();

    DocumentSession& m_session;
    CodeEditor& m_editor;
    QLabel& m_panel;
    QMenu* m_reload = nullptr;
};
