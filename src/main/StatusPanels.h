#pragma once

#include <QList>
#include <QObject>

class CodeEditor;
class QLabel;
class QStatusBar;
struct TextFormat;

// The status bar's panels: the caret's line, column and character, a spare one, and the
// document's encoding and line breaks. The position panels follow the caret.
class StatusPanels : public QObject {
    Q_OBJECT
public:
    StatusPanels(QStatusBar& bar, CodeEditor& editor, QObject* parent);

    QString text(int panel) const;
    // The encoding panel, which carries the encoding menu.
    QLabel& formatPanel() const { return *m_panels[4]; }
    void showFormat(const TextFormat& format);
    void update();

private:
    CodeEditor& m_editor;
    QList<QLabel*> m_panels;
    bool m_updating = false;
    bool m_queued = false;
};
