#pragma once

#include "editor/Completion.h"

#include <QObject>

class CodeEditor;
class QListWidget;
class SyntaxColourer;

// The completion list under the caret (tag names, attributes, style sheet properties) and the
// closing of tags as they are typed. The list never changes the text until an entry is
// accepted with Enter, Tab or a double click; Escape closes it and typing filters it. Where a
// key goes in is told by the colouring: nothing happens in a script or a comment.
class TagCompletion : public QObject {
    Q_OBJECT
public:
    TagCompletion(CodeEditor& editor, SyntaxColourer& colourer, QObject* parent = nullptr);

    // Off by default: ">" ending an opening tag puts its closing tag after the caret, and "</"
    // is completed with the innermost open element.
    void setCloseTags(bool on) { m_closeTags = on; }
    bool closeTags() const { return m_closeTags; }

    QListWidget* list() const { return m_list; }
    bool isListShown() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool listKey(int key);
    void typed(const QString& text, bool backspace, TextPlace placeBefore);
    void updateList(const QString& typed);
    void accept();
    void hideList();
    QString lineBeforeCaret() const;
    TextPlace placeAtCaret(int back = 0);

    CodeEditor& m_editor;
    SyntaxColourer& m_colourer;
    QListWidget* m_list = nullptr;
    CompletionRequest m_request;
    bool m_closeTags = false;
    bool m_forwarding = false;
};
