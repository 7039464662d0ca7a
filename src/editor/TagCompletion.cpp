#include "editor/TagCompletion.h"

#include "editor/CodeEditor.h"
#include "editor/SyntaxColourer.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QScrollBar>
#include <QTextBlock>

TagCompletion::TagCompletion(CodeEditor& editor, SyntaxColourer& colourer, QObject* parent)
    : QObject(parent)
    , m_editor(editor)
    , m_colourer(colourer)
{
    m_list = new QListWidget(editor.viewport());
    m_list->setObjectName(QStringLiteral("completionList"));
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->hide();
    connect(m_list, &QListWidget::itemDoubleClicked, this, &TagCompletion::accept);
    editor.installEventFilter(this);
}

bool TagCompletion::isListShown() const { return m_list->isVisible(); }

QString TagCompletion::lineBeforeCaret() const
{
    const QTextCursor c = m_editor.textCursor();
    return c.block().text().left(c.positionInBlock());
}

TextPlace TagCompletion::placeAtCaret(int back)
{
    const QTextCursor c = m_editor.textCursor();
    return m_colourer.placeAt(c.block(), std::max(0, c.positionInBlock() - back));
}

bool TagCompletion::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &m_editor || m_forwarding) return false;
    if (event->type() == QEvent::FocusOut) hideList();
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (m_list->isVisible() && listKey(key->key())) return true;
    switch (key->key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta: return false;
    default: break;
    }
    const QString text = key->text();
    const bool printable = !text.isEmpty() && text.front().isPrint() && !(key->modifiers() & Qt::ControlModifier);
    const bool backspace = key->key() == Qt::Key_Backspace;
    if (!printable && !backspace) {
        hideList();
        return false;
    }
    // Where the key goes in, before it changes the colouring.
    const TextPlace placeBefore = m_closeTags ? placeAtCaret() : TextPlace::Elsewhere;
    const int selectionBefore = m_editor.selLength();
    m_forwarding = true;
    QCoreApplication::sendEvent(&m_editor, event);
    m_forwarding = false;
    typed(selectionBefore == 0 ? text : QString(), backspace, placeBefore);
    return true;
}

// Keys that belong to an open list.
bool TagCompletion::listKey(int key)
{
    const int rows = m_list->count();
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab: accept(); return true;
    case Qt::Key_Escape: hideList(); return true;
    case Qt::Key_Up: m_list->setCurrentRow(std::max(0, m_list->currentRow() - 1)); return true;
    case Qt::Key_Down: m_list->setCurrentRow(std::min(rows - 1, m_list->currentRow() + 1)); return true;
    case Qt::Key_PageUp: m_list->setCurrentRow(std::max(0, m_list->currentRow() - 8)); return true;
    case Qt::Key_PageDown: m_list->setCurrentRow(std::min(rows - 1, m_list->currentRow() + 8)); return true;
    default: return false;
    }
}

void TagCompletion::typed(const QString& text, bool backspace, TextPlace placeBefore)
{
    if (m_closeTags && text == QLatin1String(">")) {
        const QTextCursor c = m_editor.textCursor();
        const QString line = c.block().text();
        const QString before = line.left(c.positionInBlock() - 1);
        const QString closing = closingTagFor(before, placeBefore, QStringView(line).sliced(c.positionInBlock()));
        if (!closing.isEmpty()) {
            const int caret = m_editor.selStart();
            m_editor.setSelText(closing);
            m_editor.setSelStart(caret);
        }
    } else if (m_closeTags && text == QLatin1String("/") && lineBeforeCaret().endsWith(QLatin1String("</"))
        && placeAtCaret(2) == TextPlace::Text) {
        const QString name = innermostOpenElement(m_editor.textRange(0, m_editor.selStart() - 2));
        if (!name.isEmpty()) {
            m_editor.setSelText(name + u'>');
            hideList();
            return;
        }
    }
    if (backspace && !m_list->isVisible()) return;
    updateList(text);
}

void TagCompletion::updateList(const QString& typed)
{
    const CompletionRequest request = completionAt(lineBeforeCaret(), placeAtCaret());
    using Kind = CompletionRequest::Kind;
    // A list opens at its trigger ("<", a space in a tag, "{" or ";" in a style sheet) or at the
    // first letter of a property; once open, it follows the typing.
    const bool trigger = (request.kind == Kind::Tag && typed == QLatin1String("<"))
        || (request.kind == Kind::Attribute && typed == QLatin1String(" "))
        || (request.kind == Kind::CssProperty
            && (typed == QLatin1String("{") || typed == QLatin1String(";") || request.prefix.size() == 1));
    const QStringList items = completionItems(request);
    if (items.isEmpty() || (!trigger && !m_list->isVisible())) {
        hideList();
        return;
    }
    m_request = request;
    m_list->clear();
    m_list->addItems(items);
    m_list->setCurrentRow(0);
    const QRect caret = m_editor.cursorRect();
    const int rowHeight = m_list->sizeHintForRow(0);
    m_list->resize(std::max(160, m_list->sizeHintForColumn(0) + 30), rowHeight * std::min(int(items.size()), 10) + 6);
    m_list->move(caret.left(), caret.bottom() + 2);
    m_list->show();
}

void TagCompletion::accept()
{
    QListWidgetItem* item = m_list->currentItem();
    hideList();
    if (!item) return;
    using Kind = CompletionRequest::Kind;
    QString text = item->text();
    int back = 0;
    if (m_request.kind == Kind::Attribute) {
        text += QStringLiteral("=\"\"");
        back = 1; // the caret goes between the quotes
    } else if (m_request.kind == Kind::CssProperty) {
        text += QStringLiteral(": ");
    }
    const int prefixLength = int(m_request.prefix.size());
    m_editor.setSelStart(m_editor.selStart() - prefixLength);
    m_editor.setSelLength(prefixLength);
    m_editor.setSelText(text);
    if (back) m_editor.setSelStart(m_editor.selStart() - back);
}

void TagCompletion::hideList() { m_list->hide(); }
